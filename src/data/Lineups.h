#pragma once

#include <QList>
#include <QString>

namespace data {

// A player as the line-up lists show him. role is empty when it was never chosen.
struct LineupPlayer {
    int idGio = 0;
    QString role;
    QString name;
};

// Every list below is ordered by role descending (P, D, C, A, then no role), then by name.

// The roster of a season and championship.
QList<LineupPlayer> seasonPlayers(int season, int camp);

// A game's starters ("TIT") or reserves ("RIS") written under this season and championship.
QList<LineupPlayer> gameLineup(int idGara, int season, int camp, const QString &tipo);

// The season formation's starters or reserves: the Formazione rows whose player is enrolled
// in this season and championship.
QList<LineupPlayer> formation(int season, int camp, const QString &tipo);

// Frees the first row (by rowid) that gameLineup lists for the player; false when there is
// none. The find and the write are one transaction.
bool withdrawFromGame(int idGara, int season, int camp, int idGio, const QString &tipo);

// Frees the player's first formation row of this type; false when there is none.
bool withdrawFromFormation(int idGio, const QString &tipo);

} // namespace data
