#include "data/Backup.h"

#include "data/Database.h"
#include "data/Integrity.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <functional>

namespace data {

namespace {

const QString storeName = QStringLiteral("Velmora.mdb");
const QString photosName = QStringLiteral("Foto");
const QString infoName = QStringLiteral("Backup.txt");

QString nativePath(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Copies every photo of from into to (made when missing).
QString copyPhotos(const QString &from, const QString &to)
{
    if (!QDir().mkpath(to))
        return QStringLiteral("Impossibile creare la cartella %1").arg(nativePath(to));
    const QDir source(from);
    for (const QString &name : source.entryList({QStringLiteral("*.jpg")}, QDir::Files)) {
        QFile photo(source.filePath(name));
        if (!photo.copy(QDir(to).filePath(name)))
            return QStringLiteral("Impossibile copiare %1: %2")
                .arg(nativePath(photo.fileName()), photo.errorString());
    }
    return {};
}

QString writeInfo(const QString &folder, const QDateTime &when)
{
    QFile info(QDir(folder).filePath(infoName));
    if (!info.open(QIODevice::WriteOnly | QIODevice::Text) ||
        info.write("Velmora\n" + when.toString(Qt::ISODate).toUtf8() + "\n") < 0 || !info.flush())
        return QStringLiteral("Impossibile scrivere %1: %2")
            .arg(nativePath(info.fileName()), info.errorString());
    return {};
}

QDateTime takenAt(const QString &folder)
{
    QFile info(QDir(folder).filePath(infoName));
    if (info.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const QList<QByteArray> lines = info.readAll().split('\n');
        if (lines.size() > 1) {
            const QDateTime taken =
                QDateTime::fromString(QString::fromUtf8(lines.at(1)).trimmed(), Qt::ISODate);
            if (taken.isValid())
                return taken;
        }
    }
    return QFileInfo(QDir(folder).filePath(storeName)).lastModified();
}

// The automatic backups, newest first.
QStringList dailyFolders()
{
    static const QRegularExpression day(QStringLiteral(R"(^\d{4}-\d{2}-\d{2}$)"));
    QStringList names;
    for (const QString &name : QDir(backupRoot()).entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (day.match(name).hasMatch())
            names << name;
    names.sort();
    std::reverse(names.begin(), names.end());
    return names;
}

// Opens, is sound, and holds the seven tables.
QString checkStore(const QString &path)
{
    const ReadOnlyRows sound = readOnlyRows(path, QStringLiteral("PRAGMA integrity_check"));
    if (!sound.error.isEmpty())
        return sound.error;
    if (sound.values != QStringList{QStringLiteral("ok")})
        return QStringLiteral("la copia è danneggiata (%1)").arg(sound.values.value(0));
    const ReadOnlyRows tables =
        readOnlyRows(path, QStringLiteral("SELECT name FROM sqlite_master WHERE type='table'"));
    if (!tables.error.isEmpty())
        return tables.error;
    QStringList missing{"Stagioni", "Campionati", "Anagrafica", "Giocatori",
                        "Gare",     "DatiGare",   "Formazione"};
    missing.removeIf(
        [&](const QString &t) { return tables.values.contains(t, Qt::CaseInsensitive); });
    if (!missing.isEmpty())
        return QStringLiteral("nella copia mancano le tabelle %1")
            .arg(missing.join(QStringLiteral(", ")));
    return {};
}

} // namespace

QString backupRoot()
{
    return QStringLiteral("Dati/Backup");
}

QString writeBackup(const QString &folder, const QDateTime &when)
{
    if (QFileInfo::exists(folder))
        return QStringLiteral("La cartella %1 esiste già").arg(nativePath(folder));
    const QString partial = folder + QStringLiteral(".parziale");
    QDir(partial).removeRecursively(); // left by a backup that was cut short
    const auto fail = [&](const QString &reason) {
        QDir(partial).removeRecursively();
        return reason;
    };
    if (!QDir().mkpath(partial))
        return QStringLiteral("Impossibile creare la cartella %1").arg(nativePath(partial));
    try {
        // SQLite's own copy: consistent even while the store is open.
        run(QStringLiteral("VACUUM INTO ?"),
            {QFileInfo(QDir(partial).filePath(storeName)).absoluteFilePath()});
    } catch (const DbError &e) {
        return fail(e.text());
    }
    if (QString e = copyPhotos(photoFolder(), QDir(partial).filePath(photosName)); !e.isEmpty())
        return fail(e);
    if (QString e = writeInfo(partial, when); !e.isEmpty())
        return fail(e);
    if (!QDir().rename(partial, folder))
        return fail(QStringLiteral("Impossibile rinominare %1 in %2")
                        .arg(nativePath(partial), nativePath(folder)));
    return {};
}

QString dailyBackup(const QDateTime &now)
{
    const QString today = now.date().toString(Qt::ISODate);
    QStringList folders = dailyFolders();
    if (folders.contains(today))
        return {};
    if (QString e = writeBackup(QDir(backupRoot()).filePath(today), now); !e.isEmpty())
        return e;
    folders.prepend(today);
    std::sort(folders.begin(), folders.end(), std::greater<QString>());
    for (qsizetype i = keptDailyBackups; i < folders.size(); ++i) {
        QDir old(QDir(backupRoot()).filePath(folders.at(i)));
        if (!old.removeRecursively())
            return QStringLiteral("Impossibile eliminare il vecchio backup %1")
                .arg(nativePath(old.path()));
    }
    return {};
}

BackupCheck checkBackup(const QString &folder)
{
    const QString store = QDir(folder).filePath(storeName);
    if (!QFileInfo(store).isFile())
        return {QStringLiteral("La cartella %1 non contiene un backup di Velmora (manca %2)")
                    .arg(nativePath(folder), storeName),
                {}};
    if (const QString e = checkStore(store); !e.isEmpty())
        return {QStringLiteral("Il backup %1 non è utilizzabile: %2").arg(nativePath(folder), e),
                {}};
    return {QString(), takenAt(folder)};
}

QString restoreBackup(const QString &folder, const QDateTime &now)
{
    if (const BackupCheck check = checkBackup(folder); !check.error.isEmpty())
        return check.error;
    // What is there now is kept, so that a restore can itself be undone.
    const QString before = QDir(backupRoot())
                               .filePath(QStringLiteral("prima del ripristino ") +
                                         now.toString(QStringLiteral("yyyy-MM-dd HHmmss")));
    if (QString e = writeBackup(before, now); !e.isEmpty())
        return e;

    const QString store = storePath();
    const QString newStore = store + QStringLiteral(".ripristino");
    const QString photos = photoFolder();
    const QString newPhotos = photos + QStringLiteral(".ripristino");
    const QString oldPhotos = photos + QStringLiteral(".prima");
    QFile::remove(newStore);
    QDir(newPhotos).removeRecursively();
    QDir(oldPhotos).removeRecursively();
    const auto fail = [&](const QString &reason) {
        QFile::remove(newStore);
        QDir(newPhotos).removeRecursively();
        return reason;
    };
    QFile copy(QDir(folder).filePath(storeName));
    if (!copy.copy(newStore))
        return fail(QStringLiteral("Impossibile copiare %1: %2")
                        .arg(nativePath(copy.fileName()), copy.errorString()));
    if (QString e = copyPhotos(QDir(folder).filePath(photosName), newPhotos); !e.isEmpty())
        return fail(e);

    // The photos first, as they can be put back; then the store in one rename.
    closeStore();
    const bool hadPhotos = QFileInfo(photos).isDir();
    if (hadPhotos && !QDir().rename(photos, oldPhotos)) {
        openStore(store);
        return fail(QStringLiteral("Impossibile spostare %1").arg(nativePath(photos)));
    }
    if (!QDir().rename(newPhotos, photos)) {
        if (hadPhotos)
            QDir().rename(oldPhotos, photos);
        openStore(store);
        return fail(QStringLiteral("Impossibile spostare %1").arg(nativePath(newPhotos)));
    }
    if (std::rename(QFile::encodeName(newStore).constData(),
                    QFile::encodeName(store).constData()) != 0) {
        QDir(photos).removeRecursively();
        if (hadPhotos)
            QDir().rename(oldPhotos, photos);
        openStore(store);
        return fail(QStringLiteral("Impossibile sostituire %1").arg(nativePath(store)));
    }
    QDir(oldPhotos).removeRecursively();
    return openStore(store);
}

} // namespace data
