#pragma once

#include <QDate>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>
#include <utility>

namespace data {

// The games of a season and championship: IdGara, Data, SqA, SqB, GolA, GolB, by date and,
// on one date, by id.
QSqlQuery gamesQuery(int season, int camp);

// Frees every row of the game and removes the game, all or nothing. Returns false when no
// game has this id; its rows, which then belong to no game, are freed all the same.
bool deleteGame(int idGara);

// A player of a game's line-up or of the season formation, with "TIT" or "RIS".
struct GamePlayer {
    int idGio = 0;
    QString name;
    QString tipo;
};

// The valid line-up rows of a game written under this season and championship, by name.
QList<GamePlayer> gameLineupPlayers(int idGara, int season, int camp);

// The season formation of the roster of this season and championship, by name.
QList<GamePlayer> formationPlayers(int season, int camp);

// A game's own columns as stored; Null values stay Null.
struct GameHeader {
    QVariant date, teamA, teamB, goalsA, goalsB, addedTime;
};
std::optional<GameHeader> gameHeader(int idGara);

// A goal, card or substitution row of a game.
struct GameEvent {
    QString tipo;
    QVariant minute; // Null where none was written
    int idGio = 0;
    QString name;
};

// The valid rows of a game, by minute (Null first), then code, then the order in which
// the rows were written.
QList<GameEvent> gameEvents(int idGara);

// A substitution as the game's rows tell it: each "SA" row (by minute, then in the order
// written) with the first "SF" row of its minute not yet taken. An "SF" row without its "SA"
// is left out; an "SA" row without its "SF" has no player coming on (idIn 0).
struct Substitution {
    int minute = 0;
    int idIn = 0;
    QString nameIn;
    int idOut = 0;
    QString nameOut;
};
QList<Substitution> substitutions(const QList<GameEvent> &events);

// The games of a season and championship for a spreadsheet: a header row, then one row per
// goal, card and substitution of each game, by date and minute, and one row for a game
// without any: Data, Squadra 1, Squadra 2, Gol 1, Gol 2, Recupero, Evento, Minuto,
// Giocatore, Sostituito.
QList<QStringList> gamesTable(int season, int camp);

// Frees the first valid row of the game for this player and code, and, when a minute is
// given, at that minute (a row without a minute counts as minute 0, as it is shown).
// Returns false when there is none.
bool freeGameEvent(int idGara, int idGio, const QString &tipo, std::optional<int> minute);

// A substitution's two rows, "SF" for the player coming on, then "SA" for the one going
// off, written together. The selection and the game come from the key.
struct GameKey {
    int idGara = 0;
    int season = 0;
    int camp = 0;
};
void writeSubstitution(const GameKey &game, int idIn, int idOut, int minute);

// Frees both rows of a substitution together; each flag tells whether its row was found.
std::pair<bool, bool> freeSubstitution(int idGara, int idIn, int idOut, int minute);

// Everything the game editor holds, for saving.
struct GameDraft {
    int season = 0;
    int camp = 0;
    QDate date;
    QString teamA, teamB;
    int goalsA = 0;
    int goalsB = 0;
    int addedTime = 0;

    QList<int> starters;
    QList<int> reserves;
    struct Goal {
        int idGio = 0;
        int minute = 0;
    };
    QList<Goal> goals;
    struct Card {
        int idGio = 0;
        QString tipo; // "AMM" or "ESP"
    };
    QList<Card> cards;
    struct Substitution {
        int idIn = 0;
        int idOut = 0;
        int minute = 0;
    };
    QList<Substitution> substitutions;
};

// A new game: its row, then its line-up and events (starters, reserves, goals, cards,
// substitutions) each on the first free row, all or nothing. Returns the new IdGara, one
// past every number that Gare and DatiGare hold.
int insertGame(const GameDraft &draft);

// Rewrites an existing game's own columns; its rows are not touched. Returns false when
// no game has this id.
bool updateGame(int idGara, const GameDraft &draft);

} // namespace data
