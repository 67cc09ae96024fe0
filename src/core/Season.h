#pragma once

#include <QString>

namespace core {

// A season is stored as the year it starts in (2008) and shown as "2008-09".
QString seasonLabel(int season);

// The number behind a label: its first four characters (0 when they are no number).
int seasonNumber(const QString &label);

} // namespace core
