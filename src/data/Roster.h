#pragma once

#include <QHash>
#include <QList>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <optional>

namespace data {

enum class RosterOrder { Name, Age, Role };

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

// A player of the season roster with his figures.
struct RosterRow {
    int idGio = 0;
    QString name;
    QVariant born; // as stored
    QString role;
    QVariant suspensions;
    PlayerFigures figures;
};

// The roster of a season and championship. Name: A to Z; Age: youngest first; Role: P, D,
// C, A; players alike in the order come by name. Every figure counts the valid rows of the player's
// enrolment in games that exist; a Null minute or added time counts as 0, and codes are compared
// letter for letter.
QList<RosterRow> roster(int season, int camp, RosterOrder order);

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
