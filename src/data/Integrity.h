#pragma once

#include <QString>
#include <QStringList>

namespace data {

// SQLite's quick check of the store at path, on a read-only connection of its own, so that
// it may run on another thread while the windows use theirs. Returns what it found wrong,
// empty when the store is sound.
QString quickCheck(const QString &path);

// The same with another checking pragma ("PRAGMA integrity_check").
QString checkStore(const QString &path, const QString &pragma);

// The first column of each row that statement gives, read on a read-only connection of its
// own; error says, in Italian, why the store could not be opened or read.
struct ReadOnlyRows {
    QStringList values;
    QString error;
};
ReadOnlyRows readOnlyRows(const QString &path, const QString &statement);

} // namespace data
