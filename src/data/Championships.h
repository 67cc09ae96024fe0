#pragma once

#include <QList>
#include <QString>

namespace data {

struct Championship {
    int id = 0;
    QString name;
};

// Every championship in order of Id.
QList<Championship> championships();

} // namespace data
