#include "data/PhotoFiles.h"

#include "data/Database.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>

namespace data {

namespace {
const QRegularExpression photoName(QStringLiteral("^([0-9]+)\\.jpg$"));
const QRegularExpression leftoverName(QStringLiteral("^[0-9]+\\.jpg\\..+$"));

QString failure(const QString &file, const QString &reason)
{
    return QDir::toNativeSeparators(file) + QStringLiteral(": ") + reason;
}

// "12.jpg" -> "12_2.jpg", "12.jpg.AbC" -> "12_2.jpg.AbC".
QString numbered(const QString &name, int n)
{
    const qsizetype dot = name.indexOf(QLatin1Char('.'));
    const QString suffix = QStringLiteral("_%1").arg(n);
    return dot < 0 ? name + suffix : name.left(dot) + suffix + name.mid(dot);
}
} // namespace

QString photoPath(int number)
{
    return photoFolder() + QLatin1Char('/') + QString::number(number) + QStringLiteral(".jpg");
}

QString orphanFolder()
{
    return photoFolder() + QStringLiteral("/orfane");
}

bool isLeftover(const QString &fileName)
{
    return leftoverName.match(fileName).hasMatch();
}

QString replaceFile(const QString &source, const QString &target)
{
    QFile from(source);
    if (!from.open(QIODevice::ReadOnly))
        return failure(source, from.errorString());
    // QSaveFile writes a temporary file beside target, flushes it to the disk and renames
    // it over target on commit; until then target is untouched.
    if (!QDir().mkpath(QFileInfo(target).absolutePath()))
        return failure(target, QStringLiteral("impossibile creare la cartella"));
    QSaveFile to(target);
    if (!to.open(QIODevice::WriteOnly))
        return failure(target, to.errorString());
    char buffer[64 * 1024];
    for (;;) {
        const qint64 n = from.read(buffer, sizeof buffer);
        if (n < 0)
            return failure(source, from.errorString());
        if (n == 0)
            break;
        if (to.write(buffer, n) != n)
            return failure(target, to.errorString());
    }
    if (!to.commit())
        return failure(target, to.errorString());
    return {};
}

QString moveAside(const QString &path)
{
    const QString folder = orphanFolder();
    if (!QDir().mkpath(folder))
        return failure(folder, QStringLiteral("impossibile creare la cartella"));
    const QString name = QFileInfo(path).fileName();
    QString target = folder + QLatin1Char('/') + name;
    for (int n = 2; QFileInfo::exists(target) || QFileInfo(target).isSymLink(); ++n)
        target = folder + QLatin1Char('/') + numbered(name, n);
    QFile file(path);
    if (!file.rename(target))
        return failure(path, file.errorString());
    return {};
}

QString freePhotoNumber(int number)
{
    const QString waiting = photoPath(number);
    return QFileInfo::exists(waiting) ? moveAside(waiting) : QString();
}

Tidied tidyPhotoFolder(const QSet<int> &persons)
{
    Tidied tidied;
    const QDir folder(photoFolder());
    for (const QString &name : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        const QRegularExpressionMatch photo = photoName.match(name);
        const bool stray =
            photo.hasMatch() ? !persons.contains(photo.captured(1).toInt()) : isLeftover(name);
        if (!stray)
            continue;
        const QString path = folder.filePath(name);
        if (const QString failed = moveAside(path); failed.isEmpty())
            tidied.moved << path;
        else
            tidied.failures << failed;
    }
    return tidied;
}

} // namespace data
