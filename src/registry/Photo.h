#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Person photos and the pictures the editor and the picker show.
namespace registry {

// "Dati/Foto/<number>.jpg" below the working folder; plain decimal, no leading zeros.
QString photoFile(int number);

// The picture in a file, or a null image when the file is no picture we can read (broken,
// not a picture, or too large): callers then show nothing and change nothing.
QImage readPicture(const QString &path);

// The largest size that keeps the picture's proportions inside the frame.
QSize fitInto(const QSize &natural, const QSize &frame);

// Removes the file if it is there. When it cannot be removed, an "Errore" box says which
// and why, and the result is false.
bool removeFile(const QString &path);

} // namespace registry
