#pragma once

#include <QSqlDatabase>
#include <QString>

namespace data {

// Where the store lives, relative to the working folder.
QString storePath();   // Dati/Velmora.mdb
QString photoFolder(); // Dati/Foto

// Opens the store at path, creating the folder, the file and any missing table when they
// do not exist. An existing file that is not a usable database is never touched.
// Returns the engine's reason on failure, an empty text on success.
QString openStore(const QString &path);
void closeStore();

// The engine's version, as "3.40.1".
QString engineVersion();

// The one connection of the application.
QSqlDatabase connection();

} // namespace data
