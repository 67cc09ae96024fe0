#pragma once

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QString>

// Real JPEG files for the registry tests.
namespace pictures {

inline bool writeJpeg(const QString &path, int width, int height, QColor colour = Qt::blue)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image.save(path, "JPG");
}

inline QString photo(int idAna)
{
    return QStringLiteral("Dati/Foto/%1.jpg").arg(idAna);
}

// The size of the picture in a file; invalid when there is none.
inline QSize sizeOf(const QString &path)
{
    return QImageReader(path).size();
}

} // namespace pictures
