#pragma once

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

namespace data {

enum class RosterOrder { Name, Age, Role };

// The season roster: IdGio, Nome, DataNas, Ruolo, four blanks, Squalifiche, three blanks.
// Name: A to Z; Age: youngest first; Role: P, D, C, A.
QSqlQuery rosterQuery(int season, int camp, RosterOrder order);

// The figures of one enrolment, computed from its valid game rows.
struct PlayerFigures {
    int presences = 0;
    int goals = 0;
    int cautions = 0;
    int sendingsOff = 0;
    int substituted = 0;
    int cameOn = 0;
    int minutes = 0;
};

// Figures for every given enrolment id; an id without valid rows is missing from the
// result (all its figures are 0).
QHash<int, PlayerFigures> playerFigures(const QList<int> &idGios);

// Registry data shown on the season card.
struct PersonCard {
    QString place;
    QString country;
    QString document;
};
std::optional<PersonCard> personCard(const QString &name);

// Season data of an enrolment, as stored (Null values stay Null).
struct SeasonData {
    QVariant role, weight, height, expiry, previousClub, suspensions;
};
std::optional<SeasonData> seasonData(int idGio);

// Writes the season data; a Null role leaves the stored role as it is.
// Returns false when the enrolment row does not exist.
bool saveSeasonData(int idGio, const SeasonData &values);

enum class RemoveResult { Removed, InFormation, InGames, NotFound };
// Removes an enrolment unless a formation or a valid game row refers to it.
RemoveResult removeEnrolment(int idGio);

} // namespace data
