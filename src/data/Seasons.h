#pragma once

#include <QList>

namespace data {

// The stored season numbers, oldest first.
QList<int> seasons();

// Appends a season row.
void addSeason(int season);

// True while a player is enrolled in the season, in any championship.
bool seasonInUse(int season);

// Deletes the first row holding the season; false when there is none.
bool deleteSeason(int season);

} // namespace data
