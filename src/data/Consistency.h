#pragma once

#include <QMap>
#include <QString>

// The rules that hold between rows whatever was cut short: what a check after a crash
// looks at.
namespace data {

// SQLite's full integrity check of the store at path, on a read-only connection of its
// own. Returns what it found wrong, empty when the store is sound.
QString integrityCheck(const QString &path);

// Valid DatiGare rows whose game is gone.
int validRowsWithoutGame();

// Enrolments whose person is gone.
int enrolmentsWithoutPerson();

// Each game's number of valid DatiGare rows (games without any have 0).
QMap<int, int> validRowsByGame();

} // namespace data
