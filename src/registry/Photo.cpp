#include "registry/Photo.h"

#include "data/PhotoFiles.h"
#include "ui/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QImageReader>

namespace registry {

QString photoFile(int number)
{
    return data::photoPath(number);
}

Picture readPicture(const QString &path)
{
    QImageReader reader(path);
    Picture picture;
    picture.natural = reader.size();
    if (picture.natural.isValid() && (picture.natural.width() > largestShown.width() ||
                                      picture.natural.height() > largestShown.height()))
        reader.setScaledSize(fitInto(picture.natural, largestShown));
    if (!reader.read(&picture.image)) {
        picture.image = QImage();
        picture.reason = reader.errorString();
    } else if (!picture.natural.isValid()) {
        picture.natural = picture.image.size();
    }
    return picture;
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
