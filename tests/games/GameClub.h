#pragma once

#include "app/Module1.h"
#include "data/Sql.h"
#include "support/Fixture.h"

#include <QList>
#include <QSqlQuery>
#include <QString>

// A season with a championship and a roster of players, selected as the main window
// selects them; every games test starts from it.
struct GameClub {
    Fixture fx;
    int season = 2010;
    int camp = 0;
    QList<int> players; // IdGio, in the order of names below

    explicit GameClub(const QStringList &names = {"BIANCHI", "NERI", "ROSSI", "VERDI"})
    {
        fx.addSeason(season);
        camp = fx.addChampionship(QStringLiteral("Juniores"));
        for (const QString &name : names)
            players << fx.enrol(fx.addPerson(name), season, camp, QStringLiteral("C"));
        select();
    }

    void select()
    {
        Module1::selectedSeason = season;
        Module1::selectedSeasonName = QStringLiteral("2010-11");
        Module1::selectedChampionship = camp;
        Module1::selectedChampionshipName = QStringLiteral("Juniores");
    }

    int game(const QString &date = QStringLiteral("2010-09-05"))
    {
        return fx.addGame(season, camp, date);
    }

    // The valid rows of a game as "Tipo IdGio Min", in rowid order.
    QStringList rows(int idGara)
    {
        QStringList list;
        QSqlQuery q = data::run(QStringLiteral("SELECT Tipo,IdGio,Min FROM DatiGare "
                                               "WHERE Valid=1 AND IdGara=? ORDER BY rowid"),
                                {idGara});
        while (q.next()) {
            QString row = q.value(0).toString() + QLatin1Char(' ') + q.value(1).toString();
            if (!q.value(2).isNull())
                row += QLatin1Char(' ') + q.value(2).toString();
            list << row;
        }
        return list;
    }
};
