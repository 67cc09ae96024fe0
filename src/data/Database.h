#pragma once

#include <QSqlDatabase>
#include <QString>

namespace data {

// Where the store lives, relative to the working folder.
QString storePath();   // Dati/Velmora.mdb
QString photoFolder(); // Dati/Foto

struct Opening {
    QString reason;            // the engine's reason on failure, empty on success
    bool busy = false;         // another program holds the store: trying again may succeed
    bool readOnly = false;     // opened, but only for reading
    bool refusedWrite = false; // failed because the store would take no write
};

// Opens the store at path, creating the folder, the file and any missing table when they
// do not exist. An existing file that is not a usable database is never touched; one that
// takes no writes opens for reading when its tables are there.
Opening open(const QString &path);
QString openStore(const QString &path); // open(path).reason
void closeStore();

// The open store takes no writes.
bool isReadOnly();

// How long a statement waits for another program's lock before it fails, in milliseconds.
// Applies to connections opened afterwards.
void setBusyTimeout(int ms);
int busyTimeout();

// The engine's version, as "3.40.1".
QString engineVersion();

// The one connection of the application.
QSqlDatabase connection();

} // namespace data
