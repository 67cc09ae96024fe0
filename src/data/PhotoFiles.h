#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

// The photo files beside the store: each one written in one step, and none ever lost.
namespace data {

// "Dati/Foto/<number>.jpg"; plain decimal, no leading zeros.
QString photoPath(int number);

// Where photos that belong to nobody are put aside: Dati/Foto/orfane.
QString orphanFolder();

// Puts source's content in place of target: written and flushed beside it first, then
// renamed over it in one step, so that target is always either the old file or the new
// one. Returns "<file>: <reason>" on failure, an empty text on success.
QString replaceFile(const QString &source, const QString &target);

// Moves a file into the orphan folder, under its own name or, when that is taken, the
// name with _2, _3, ... added. Never deletes nor overwrites. Returns the failure as
// replaceFile does.
QString moveAside(const QString &path);

// Before a new person takes this number: a photo already waiting under it belongs to
// nobody (a person deleted while its photo could not go, say) and is put aside, so that it
// never becomes the new person's. Returns the failure as moveAside does.
QString freePhotoNumber(int number);

// What tidying the photo folder did.
struct Tidied {
    QStringList moved;    // the files put aside
    QStringList failures; // the files that could not be moved, with the reason
};

// Puts aside the photos of numbers that are not among persons, and the temporary files a
// replacement cut short left behind.
Tidied tidyPhotoFolder(const QSet<int> &persons);

// True for a photo folder file name that is a replacement's leftover ("12.jpg.AbC123").
bool isLeftover(const QString &fileName);

} // namespace data
