#pragma once

#include <QString>

namespace data {

// SQLite's quick check of the store at path, on a read-only connection of its own, so that
// it may run on another thread while the windows use theirs. Returns what it found wrong,
// empty when the store is sound.
QString quickCheck(const QString &path);

// The same with another checking pragma ("PRAGMA integrity_check").
QString checkStore(const QString &path, const QString &pragma);

} // namespace data
