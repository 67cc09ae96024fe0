#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

namespace data {

// A backup is one folder: Velmora.mdb (a consistent copy of the store, written by SQLite
// itself), Foto/ (the photos) and Backup.txt (when it was taken).

// Dati/Backup: where the automatic backups go, one folder a day named yyyy-MM-dd.
QString backupRoot();
constexpr int keptDailyBackups = 10;

// Writes a backup of the open store and the photos into folder, which must not exist yet.
// It is written beside it first and renamed into place, so that a folder by that name is
// always a whole backup. Returns the reason of a failure, empty on success.
QString writeBackup(const QString &folder, const QDateTime &when);

// The daily backup: when no automatic backup is from today, writes one for today and keeps
// the newest ten. Returns the reason of a failure, empty when written or not due.
QString dailyBackup(const QDateTime &now);

// A folder checked for restoring: its store opens, passes the integrity check and has the
// seven tables. error is empty when it may be restored.
struct BackupCheck {
    QString error;
    QDateTime taken;
};
BackupCheck checkBackup(const QString &folder);

// Puts a checked backup in place of the store and the photos, after backing up the current
// ones under Dati/Backup; the store is open again afterwards. Returns the reason of a
// failure, empty on success; on failure the store and photos are those of before.
QString restoreBackup(const QString &folder, const QDateTime &now);

} // namespace data
