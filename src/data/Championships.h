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

// Appends a championship with the name as given; returns the Id the store gave it.
int addChampionship(const QString &name);

// True while a player is enrolled in the championship, in any season.
bool championshipInUse(int id);

// Deletes the championship; false when it is no longer there.
bool deleteChampionship(int id);

} // namespace data
