#include "GameClub.h"
#include "data/Games.h"
#include "support/TestMain.h"

#include <QTest>

#include <memory>

// The games of the selection as a table for spreadsheets.
class GamesTableTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GameClub> club;

private slots:
    void init() { club = std::make_unique<GameClub>(); }
    void cleanup() { club.reset(); }

    void oneRowPerEventAndOneForAGameWithout()
    {
        const int bianchi = club->players.at(0), neri = club->players.at(1),
                  rossi = club->players.at(2), verdi = club->players.at(3);
        club->game(QStringLiteral("2010-09-19")); // no events
        const int game = club->game(QStringLiteral("2010-09-05"));
        club->game(QStringLiteral("2009-09-05")); // moved to another season below
        club->fx.sql(QStringLiteral("UPDATE Gare SET Stagione=2009 WHERE Data='2009-09-05'"));
        club->fx.sql(QStringLiteral("UPDATE Gare SET SqA='VELMORA',SqB='L''AQUILA; CALCIO',"
                                    "GolA=2,GolB=1,Recupero=3 WHERE IdGara=?"),
                     {game});
        club->fx.addGameRow(game, rossi, QStringLiteral("TIT"));
        club->fx.addGameRow(game, rossi, QStringLiteral("RETE"), 23);
        club->fx.addGameRow(game, bianchi, QStringLiteral("AMM"));
        club->fx.addGameRow(game, neri, QStringLiteral("SF"), 70);
        club->fx.addGameRow(game, rossi, QStringLiteral("SA"), 70);
        club->fx.addGameRow(game, verdi, QStringLiteral("SF"), 70);
        club->fx.addGameRow(game, bianchi, QStringLiteral("SA"), 70);
        club->fx.addGameRow(game, verdi, QStringLiteral("RETE"), 88, 0); // freed

        const QList<QStringList> rows = data::gamesTable(2010, club->camp);
        const QStringList head{"05/09/2010", "VELMORA", "L'AQUILA; CALCIO", "2", "1", "3"};
        QCOMPARE(rows, (QList<QStringList>{
                           {"Data", "Squadra 1", "Squadra 2", "Gol 1", "Gol 2", "Recupero",
                            "Evento", "Minuto", "Giocatore", "Sostituito"},
                           head + QStringList{"Ammonizione", "", "BIANCHI", ""},
                           head + QStringList{"Rete", "23", "ROSSI", ""},
                           head + QStringList{"Sostituzione", "70", "NERI", "ROSSI"},
                           head + QStringList{"Sostituzione", "70", "VERDI", "BIANCHI"},
                           {"19/09/2010", "CASA", "OSPITI", "0", "0", "4", "", "", "", ""},
                       }));
    }
};

VELMORA_TEST(GamesTableTest)
#include "tst_gamestable.moc"
