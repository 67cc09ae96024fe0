#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Person photos and the pictures the editor and the picker show.
namespace registry {

// "Dati/Foto/<number>.jpg" below the working folder; plain decimal, no leading zeros.
QString photoFile(int number);

// Pictures are shown no larger than this: a camera's full size would pass the memory Qt
// allows one picture, and no window shows more.
inline constexpr QSize largestShown(1600, 1600);

// The picture in a file, made smaller to fit largestShown when it is larger, and its size
// in the file. A null image when the file is no picture we can read; then reason says why.
struct Picture {
    QImage image;
    QSize natural;
    QString reason;
};
Picture readPicture(const QString &path);

// The largest size that keeps the picture's proportions inside the frame.
QSize fitInto(const QSize &natural, const QSize &frame);

// Removes the file if it is there. When it cannot be removed, an "Errore" box says which
// and why, and the result is false.
bool removeFile(const QString &path);

} // namespace registry
