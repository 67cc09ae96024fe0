#pragma once

#include <QString>

namespace demo {

// How large a club to make. The same options always give the same data.
struct Options {
    int seasons = 3; // the last one starts in lastSeason
    int championships = 2;
    int players = 28; // roster size of every season and championship
    int games = 12;   // games of every season and championship
    int lastSeason = 2026;
};

// Fills the open store with a fictional club: persons, seasons, championships, rosters
// with season data, a season formation, and games with line-ups and events written the
// way the game editor writes them, free rows included. Refuses a store that already holds
// persons. Returns an error text, empty on success. Throws data::DbError on engine errors.
QString buildClub(const Options &options);

} // namespace demo
