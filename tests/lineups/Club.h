#pragma once

#include "app/Module1.h"
#include "data/Sql.h"
#include "lineups/FrmFormGara.h"
#include "lineups/FrmFormazione.h"
#include "support/Fixture.h"

#include <QListWidget>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <memory>

// A small club for the line-up tests: season 2024 of "SERIE D" selected, with six players
// of every role and one without, and players of another championship and season who must
// never show.
struct Club {
    explicit Club(Fixture &fixture) : fx(fixture)
    {
        fx.addSeason(2023);
        fx.addSeason(2024);
        serieD = fx.addChampionship(QStringLiteral("SERIE D"));
        coppa = fx.addChampionship(QStringLiteral("COPPA"));
        rossi = player("ROSSI MARIO", "A");
        bianchi = player("BIANCHI LUCA", "P");
        conti = player("CONTI PAOLO", "C");
        esposito = player("ESPOSITO GINO", "D");
        amato = player("AMATO LINO", "D");
        zanetti = player("ZANETTI UGO", QVariant());
        rossiCoppa = fx.enrol(personOf(rossi), 2024, coppa, QStringLiteral("A"));
        ferriCoppa = player("FERRI ALDO", "P", 2024, coppa);
        galli2023 = player("GALLI EZIO", "P", 2023, serieD);
        game = fx.addGame(2024, serieD);
        Module1::selectedSeason = 2024;
        Module1::selectedChampionship = serieD;
    }

    int player(const char *name, const QVariant &role, int season = 2024, int camp = 0)
    {
        return fx.enrol(fx.addPerson(QString::fromUtf8(name)), season, camp ? camp : serieD,
                        role.isNull() ? QVariant() : QVariant(role.toString()));
    }
    int personOf(int idGio)
    {
        return fx.scalar(QStringLiteral("SELECT IdAna FROM Giocatori WHERE IdGio=?"), {idGio})
            .toInt();
    }

    // The season roster as List1 shows it.
    static QStringList roster()
    {
        return {"P - BIANCHI LUCA", "D - AMATO LINO",  "D - ESPOSITO GINO",
                "C - CONTI PAOLO",  "A - ROSSI MARIO", " - ZANETTI UGO"};
    }

    // Every row of DatiGare or Formazione, in rowid order, as "rowid:Valid:IdGio:Tipo" with
    // ":IdGara:Stagione:Camp:Min" for DatiGare (Null shows as empty).
    static QStringList rows(const QString &table)
    {
        const bool game = table == QLatin1String("DatiGare");
        QSqlQuery q = data::run(
            QStringLiteral("SELECT rowid,Valid,IdGio,Tipo%1 FROM %2 ORDER BY rowid")
                .arg(game ? QStringLiteral(",IdGara,Stagione,Camp,Min") : QString(), table));
        QStringList result;
        while (q.next()) {
            QStringList values;
            for (int c = 0; c < q.record().count(); ++c)
                values << q.value(c).toString();
            result << values.join(u':');
        }
        return result;
    }

    // A row of rows() as it reads once freed.
    static QString freed(const QString &row)
    {
        QStringList values = row.split(u':');
        values[1] = QStringLiteral("0");
        return values.join(u':');
    }

    Fixture &fx;
    int serieD = 0;
    int coppa = 0;
    int rossi = 0;
    int bianchi = 0;
    int conti = 0;
    int esposito = 0;
    int amato = 0;
    int zanetti = 0;
    int rossiCoppa = 0;
    int ferriCoppa = 0;
    int galli2023 = 0;
    int game = 0;
};

// The ids the entries carry, in list order.
inline QList<int> ids(const QListWidget &list)
{
    QList<int> result;
    for (int i = 0; i < list.count(); ++i)
        result << list.item(i)->data(LineupWindow::IdRole).toInt();
    return result;
}
