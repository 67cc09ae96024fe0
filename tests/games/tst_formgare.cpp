#include "GameClub.h"
#include "games/FormGare.h"
#include "games/FrmGare.h"
#include "lineups/FrmFormGara.h"
#include "lineups/FrmFormazione.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

class FormGareTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GameClub> club;

    int addGame(const QVariant &date, const QVariant &teamA, const QVariant &teamB,
                const QVariant &goalsA, const QVariant &goalsB, int season = 2010)
    {
        club->fx.sql(QStringLiteral("INSERT INTO Gare (Stagione,Camp,Data,SqA,SqB,GolA,GolB,"
                                    "Recupero) VALUES (?,?,?,?,?,?,?,3)"),
                     {season, club->camp, date, teamA, teamB, goalsA, goalsB});
        return club->fx.scalar(QStringLiteral("SELECT max(IdGara) FROM Gare")).toInt();
    }
    QStringList row(const Grid &grid, int r)
    {
        QStringList cells;
        for (int c = 1; c < grid.Cols(); ++c)
            cells << grid.TextMatrix(r, c);
        return cells;
    }

private slots:
    void init() { club = std::make_unique<GameClub>(); }
    void cleanup()
    {
        QVERIFY(club->fx.noWindowsLeft());
        club.reset();
    }

    void gamesByDateThenId()
    {
        const int late = addGame("2010-10-03", "VELMORA", "ROVIGO", 2, 1);
        const int early = addGame("2010-09-12", "ASTI", "", QVariant(), QVariant());
        const int sameDay = addGame("2010-09-12", "PAVIA", "VELMORA", 0, 0);
        addGame("2010-09-19", "ALTRA", "STAGIONE", 1, 1, 2009); // another season

        FormGare list;
        QCOMPARE(list.windowTitle(), QStringLiteral("VELMORA - GARE STAGIONE 2010-11 Juniores"));
        QCOMPARE(list.Fgrid->Rows(), 4);
        QCOMPARE(row(*list.Fgrid, 0),
                 (QStringList{"ID", "Data", "Partita", "SqB", "RIS.", "GolB"}));
        QCOMPARE(row(*list.Fgrid, 1),
                 (QStringList{QString::number(early), "12/09/2010", "ASTI - ", "", " - ", ""}));
        QCOMPARE(row(*list.Fgrid, 2), (QStringList{QString::number(sameDay), "12/09/2010",
                                                   "PAVIA - VELMORA", "VELMORA", "0 - 0", "0"}));
        QCOMPARE(row(*list.Fgrid, 3), (QStringList{QString::number(late), "03/10/2010",
                                                   "VELMORA - ROVIGO", "ROVIGO", "2 - 1", "1"}));
        // The second team and goals stay behind the joined columns.
        QVERIFY(!columnShown(*list.Fgrid, 4));
        QVERIFY(!columnShown(*list.Fgrid, 6));
        QVERIFY(columnShown(*list.Fgrid, 3));
    }

    void nothingSelectedOnAnEmptyList_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("open") << "BtnRicGara";
        QTest::newRow("delete") << "BtnEliGara";
        QTest::newRow("line-up") << "BtnFormazione";
    }
    void nothingSelectedOnAnEmptyList()
    {
        QFETCH(QString, button);
        addGame("2010-09-19", "ALTRA", "STAGIONE", 1, 1, 2009);
        FormGare list;
        MsgRecorder rec;
        ModalHook modal;
        QVERIFY(drive::activate(list));
        QCOMPARE(list.Fgrid->Rows(), 1);
        list.findChild<QPushButton *>(button)->click();
        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(rec.last().text, QStringLiteral("Selezionare una GARA"));
        QCOMPARE(rec.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        QVERIFY(modal.shown.isEmpty());
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 1);
        list.close();
    }

    void deletion_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("answered no") << false;
        QTest::newRow("answered yes") << true;
    }
    void deletion()
    {
        QFETCH(bool, yes);
        const int kept = club->game(QStringLiteral("2010-09-05"));
        const int gone = club->game(QStringLiteral("2010-09-12"));
        for (const char *tipo : {"TIT", "RETE", "AMM", "SF", "SA", "RIS"})
            club->fx.addGameRow(gone, club->players.at(0), QString::fromLatin1(tipo), 30);
        club->fx.addGameRow(kept, club->players.at(1), QStringLiteral("TIT"));

        FormGare list;
        MsgRecorder rec;
        rec.answers << (yes ? ui::Answer::Yes : ui::Answer::No);
        QVERIFY(drive::activate(list));
        QVERIFY(drive::clickRow(*list.Fgrid, 2));
        list.BtnEliGara->click();

        QCOMPARE(rec.calls.at(0).text, QStringLiteral("GARA ID N° %1 ?").arg(gone));
        QCOMPARE(rec.calls.at(0).title, QStringLiteral("CONFERMI ELIMINAZIONE"));
        QVERIFY(rec.calls.at(0).defaultSecond);
        QCOMPARE(rec.calls.at(0).icon, ui::Icon::Question);
        QCOMPARE(rec.calls.at(0).buttons, ui::Buttons::YesNo);
        if (!yes) {
            QCOMPARE(rec.calls.size(), 1);
            QCOMPARE(club->fx.count(QStringLiteral("Gare")), 2);
            QCOMPARE(club->rows(gone).size(), 6);
            QCOMPARE(list.Fgrid->Rows(), 3);
        } else {
            QCOMPARE(rec.last().text, QStringLiteral("GARA eliminata con successo"));
            QCOMPARE(rec.last().icon, ui::Icon::Information);
            QCOMPARE(rec.last().title, QString());
            QCOMPARE(club->fx.count(QStringLiteral("Gare"), QStringLiteral("IdGara=?"), {gone}), 0);
            // Every row of the game is freed for reuse, none removed; the other game's stay.
            QCOMPARE(club->fx.count(QStringLiteral("DatiGare"), QStringLiteral("IdGara=?"), {gone}),
                     6);
            QVERIFY(club->rows(gone).isEmpty());
            QCOMPARE(club->rows(kept).size(), 1);
            QCOMPARE(entries(*list.Fgrid, 1), QStringList{QString::number(kept)});
        }
        list.close();
    }

    // The store refuses the removal half-way: the game and its rows stay as they were.
    void deletionIsAllOrNothing()
    {
        const int game = club->game();
        club->fx.addGameRow(game, club->players.at(0), QStringLiteral("TIT"));
        club->fx.sql(QStringLiteral("CREATE TRIGGER keep BEFORE DELETE ON Gare "
                                    "BEGIN SELECT RAISE(ABORT, 'partita bloccata'); END"));
        FormGare list;
        MsgRecorder rec;
        rec.answers << ui::Answer::Yes;
        QVERIFY(drive::activate(list));
        QVERIFY(drive::clickRow(*list.Fgrid, 1));
        list.BtnEliGara->click();
        QCOMPARE(rec.last().text, QStringLiteral("partita bloccata"));
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 1);
        QCOMPARE(club->rows(game), QStringList{QStringLiteral("TIT %1").arg(club->players.at(0))});
        QCOMPARE(list.Fgrid->Rows(), 2);
        list.close();
    }

    void deletionOfAGameGoneMeanwhile()
    {
        const int game = club->game();
        club->fx.addGameRow(game, club->players.at(0), QStringLiteral("TIT"));
        FormGare list;
        MsgRecorder rec;
        rec.answers << ui::Answer::Yes;
        club->fx.sql(QStringLiteral("DELETE FROM Gare"));
        QVERIFY(drive::activate(list));
        QVERIFY(drive::clickRow(*list.Fgrid, 1));
        list.BtnEliGara->click();
        QCOMPARE(rec.last().text, QStringLiteral("Durante l'eliminazione"));
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::None);
        QVERIFY(club->rows(game).isEmpty());
        QCOMPARE(list.Fgrid->Rows(), 1);
        list.close();
    }

    // The editor opens on the clicked game, by the button or by a double click, and the
    // list is read again when it closes.
    void openingAGame_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("button") << false;
        QTest::newRow("double click") << true;
    }
    void openingAGame()
    {
        QFETCH(bool, doubleClick);
        club->game(QStringLiteral("2010-09-05"));
        const int second = club->game(QStringLiteral("2010-09-12"));
        FormGare list;
        ModalHook modal;
        QString title;
        modal.on<FrmGare>([&](FrmGare &editor) {
            title = editor.windowTitle();
            club->game(QStringLiteral("2010-09-19"));
        });
        QVERIFY(drive::activate(list));
        if (doubleClick) {
            QVERIFY(drive::doubleClickRow(*list.Fgrid, 2));
        } else {
            QVERIFY(drive::clickRow(*list.Fgrid, 2));
            list.BtnRicGara->click();
        }
        QCOMPARE(modal.shown, QStringList{"FrmGare"});
        QCOMPARE(title, QStringLiteral("VELMORA - MODIFICA GARA ID N° %1").arg(second));
        QCOMPARE(list.Fgrid->Rows(), 4);
        list.close();
    }

    // A new game passes through the season formation first, and starts from the formation
    // as the user left it there.
    void newGamePassesThroughTheFormation()
    {
        club->fx.addFormation(club->players.at(0), QStringLiteral("TIT")); // BIANCHI
        FormGare list;
        ModalHook modal;
        QString title;
        QStringList starters;
        modal.on<FrmFormazione>([&](FrmFormazione &formation) {
            QVERIFY(drive::activate(formation));
            QVERIFY(drive::clickEntry(*formation.List1, QStringLiteral("C - ROSSI")));
            formation.BtnAdd->click();
            formation.BtnChiudi->click();
        });
        modal.on<FrmGare>([&](FrmGare &editor) {
            title = editor.windowTitle();
            starters = entries(*editor.ComboSost2);
            club->game();
        });
        QVERIFY(drive::activate(list));
        list.BtnInsGara->click();
        QCOMPARE(modal.shown, (QStringList{"FrmFormazione", "FrmGare"}));
        QCOMPARE(title, QStringLiteral("VELMORA - INSERIMENTO GARA"));
        QCOMPARE(starters, (QStringList{"BIANCHI", "ROSSI"}));
        QCOMPARE(list.Fgrid->Rows(), 2);
        list.BtnChiudi->click();
        QVERIFY(!list.isVisible());
    }

    // The line-up window opens on the selected game, named by its teams; the list is not
    // read again afterwards, as the line-up shows nowhere in it.
    void lineUpOfTheSelectedGame()
    {
        club->fx.sql(QStringLiteral("INSERT INTO Gare (Stagione,Camp,Data,SqA,SqB,GolA,GolB) "
                                    "VALUES (2010,?,'2010-09-05','VELMORA','ASTI',1,0)"),
                     {club->camp});
        const int game = club->fx.scalar(QStringLiteral("SELECT max(IdGara) FROM Gare")).toInt();
        FormGare list;
        ModalHook modal;
        QString title;
        modal.on<FrmFormGara>([&](FrmFormGara &lineup) {
            title = lineup.windowTitle();
            QVERIFY(drive::activate(lineup));
            QVERIFY(drive::clickEntry(*lineup.List1, QStringLiteral("C - NERI")));
            lineup.BtnAdd->click();
            club->game(QStringLiteral("2010-09-12"));
            lineup.close();
        });
        QVERIFY(drive::activate(list));
        QVERIFY(drive::clickRow(*list.Fgrid, 1));
        list.BtnFormazione->click();
        QCOMPARE(title, QStringLiteral("VELMORA - FORMAZIONE: VELMORA - ASTI"));
        QCOMPARE(club->rows(game), QStringList{QStringLiteral("TIT %1").arg(club->players.at(1))});
        QCOMPARE(list.Fgrid->Rows(), 2);
        list.close();
    }

    void gamesNeedASelection_data()
    {
        QTest::addColumn<bool>("noSeason");
        QTest::newRow("no season") << true;
        QTest::newRow("no championship") << false;
    }
    void gamesNeedASelection()
    {
        QFETCH(bool, noSeason);
        if (noSeason)
            club->fx.sql(QStringLiteral("DELETE FROM Stagioni"));
        else
            club->fx.sql(QStringLiteral("DELETE FROM Campionati"));
        Form1 form;
        MsgRecorder rec;
        ModalHook modal;
        form.BtnGare->click();
        QCOMPARE(rec.texts(), QStringList{"Selezionare prima STAGIONE e CAMPIONATO"});
        QCOMPARE(rec.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        QVERIFY(modal.shown.isEmpty());
    }

    // Back in the main window, the figures no longer count a deleted game.
    void figuresAfterADeletion()
    {
        const int rossi = club->players.at(2);
        const int first = club->game(QStringLiteral("2010-09-05"));
        const int second = club->game(QStringLiteral("2010-09-12"));
        for (int game : {first, second}) {
            club->fx.addGameRow(game, rossi, QStringLiteral("TIT"));
            club->fx.addGameRow(game, rossi, QStringLiteral("RETE"), 10);
        }
        Form1 form;
        QVERIFY(drive::activate(form));
        QCOMPARE(entries(*form.Fgrid, 2).indexOf("ROSSI"), 2);
        QCOMPARE(form.Fgrid->TextMatrix(3, 5), QStringLiteral("2")); // presences
        QCOMPARE(form.Fgrid->TextMatrix(3, 6), QStringLiteral("2")); // goals

        MsgRecorder rec;
        rec.answers << ui::Answer::Yes;
        ModalHook modal;
        QString title;
        modal.on<FormGare>([&](FormGare &list) {
            title = list.windowTitle();
            QVERIFY(drive::activate(list));
            QVERIFY(drive::clickRow(*list.Fgrid, 2));
            list.BtnEliGara->click();
            list.BtnChiudi->click();
        });
        form.BtnGare->click();
        QCOMPARE(title, QStringLiteral("VELMORA - GARE STAGIONE 2010-11 Juniores"));
        QCOMPARE(form.Fgrid->TextMatrix(3, 5), QStringLiteral("1"));
        QCOMPARE(form.Fgrid->TextMatrix(3, 6), QStringLiteral("1"));
        QCOMPARE(form.Fgrid->TextMatrix(3, 12), QStringLiteral("90"));
        form.close();
    }
};

VELMORA_TEST(FormGareTest)
#include "tst_formgare.moc"
