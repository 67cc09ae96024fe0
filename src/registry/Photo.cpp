#include "registry/Photo.h"

#include "data/Database.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace registry {

QString photoFile(int number)
{
    return data::photoFolder() + QLatin1Char('/') + QString::number(number) +
           QStringLiteral(".jpg");
}

QImage readPicture(const QString &path)
{
    QImageReader reader(path);
    QImage image;
    if (!reader.read(&image))
        return {};
    return image;
}

QSize fitInto(const QSize &natural, const QSize &frame)
{
    if (natural.isEmpty())
        return {};
    return natural.scaled(frame, Qt::KeepAspectRatio);
}

bool removeFile(const QString &path)
{
    QFile file(path);
    if (!file.exists() || file.remove())
        return true;
    ui::showError(QDir::toNativeSeparators(path) + QStringLiteral(": ") + file.errorString());
    return false;
}

} // namespace registry
