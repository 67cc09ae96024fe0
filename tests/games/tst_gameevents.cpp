#include "GameClub.h"
#include "games/FrmGare.h"
#include "support/Drive.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

class GameEventsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GameClub> club;
    int bianchi = 0, neri = 0, rossi = 0, verdi = 0;

    // One row as "Valid IdGara Tipo IdGio Min", Min left out when Null.
    QString rowAt(qint64 rowid)
    {
        QSqlQuery q = data::run(QStringLiteral("SELECT Valid,IdGara,Tipo,IdGio,Min FROM DatiGare "
                                               "WHERE rowid=?"),
                                {rowid});
        if (!q.next())
            return QStringLiteral("none");
        QStringList cells;
        for (int c = 0; c < 5; ++c)
            if (!q.value(c).isNull())
                cells << q.value(c).toString();
        return cells.join(u' ');
    }
    qint64 lastRowid()
    {
        return club->fx.scalar(QStringLiteral("SELECT max(rowid) FROM DatiGare")).toLongLong();
    }

    // An existing game with ROSSI and BIANCHI starting and VERDI and NERI on the bench.
    int existingGame()
    {
        const int game = club->game();
        club->fx.addGameRow(game, rossi, QStringLiteral("TIT"));
        club->fx.addGameRow(game, bianchi, QStringLiteral("TIT"));
        club->fx.addGameRow(game, verdi, QStringLiteral("RIS"));
        club->fx.addGameRow(game, neri, QStringLiteral("RIS"));
        return game;
    }

    void open(FrmGare &editor, int game)
    {
        editor.Carica(game);
        QVERIFY(drive::activate(editor));
    }

private slots:
    void init()
    {
        club = std::make_unique<GameClub>();
        bianchi = club->players.at(0);
        neri = club->players.at(1);
        rossi = club->players.at(2);
        verdi = club->players.at(3);
    }
    void cleanup()
    {
        QVERIFY(club->fx.noWindowsLeft());
        club.reset();
    }

    // A missing choice is named, and the user is put where the choice is made; the player
    // is asked for before the minute.
    void missingChoices_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("chosen"); // list name = entry
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString player = QStringLiteral("Selezionare prima un GIOCATORE");
        QTest::newRow("goal, nothing") << "BtnAddGol" << QStringList() << player << "ComboGio";
        QTest::newRow("goal, minute only")
            << "BtnAddGol" << QStringList{"ComboMin1=23°"} << player << "ComboGio";
        QTest::newRow("goal, player only")
            << "BtnAddGol" << QStringList{"ComboGio=ROSSI"} << "Selezionare MINUTO"
            << "ComboMin1";
        QTest::newRow("caution") << "BtnAddAE_0" << QStringList() << player << "ComboGio";
        QTest::newRow("sending-off") << "BtnAddAE_1" << QStringList() << player << "ComboGio";
        QTest::newRow("substitution, nothing")
            << "BtnAddSost" << QStringList{"ComboMin2=60°"} << "Selezionare GIOCATORE"
            << "ComboSost1";
        QTest::newRow("substitution, reserve only")
            << "BtnAddSost" << QStringList{"ComboSost1=VERDI"} << "Selezionare GIOCATORE"
            << "ComboSost2";
        QTest::newRow("substitution, no minute")
            << "BtnAddSost" << QStringList{"ComboSost1=VERDI", "ComboSost2=ROSSI"}
            << "Selezionare MINUTO"
            << "ComboMin2";
        QTest::newRow("goal removal")
            << "BtnRemGol" << QStringList() << "Selezionare prima una MARCATURA"
            << "ListMar";
        QTest::newRow("card removal, no cards") << "BtnRemAE" << QStringList() << ""
                                                << "";
        QTest::newRow("substitution removal, none") << "BtnRemSost" << QStringList() << ""
                                                    << "";
    }
    void missingChoices()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, chosen);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        const int game = existingGame();
        const int rowsBefore = club->fx.count(QStringLiteral("DatiGare"));
        FrmGare editor;
        open(editor, game);
        for (const QString &choice : chosen)
            QVERIFY(drive::choose(*editor.findChild<QComboBox *>(choice.section('=', 0, 0)),
                                  choice.section('=', 1)));
        MsgRecorder rec;
        editor.findChild<QPushButton *>(button)->click();
        if (message.isEmpty()) {
            QVERIFY(rec.calls.isEmpty());
        } else {
            QCOMPARE(rec.texts(), QStringList{message});
            QCOMPARE(rec.last().icon, ui::Icon::Exclamation);
            QCOMPARE(rec.last().title, QString());
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        }
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare")), rowsBefore);
        QCOMPARE(editor.ListMar->count() + editor.Fgrid1->Rows() + editor.Fgrid2->Rows(), 1);
        editor.close();
    }

    // A new game keeps its events in the window until it is saved.
    void newGameEventsStayInTheWindow()
    {
        club->fx.addFormation(rossi, QStringLiteral("TIT"));
        club->fx.addFormation(verdi, QStringLiteral("RIS"));
        FrmGare editor;
        open(editor, 0);
        QVERIFY(drive::choose(*editor.ComboGio, QStringLiteral("ROSSI")));
        QVERIFY(drive::choose(*editor.ComboMin1, QStringLiteral("23°")));
        editor.BtnAddGol->click();
        editor.BtnAddGol->click(); // twice at one minute: nothing prevents it
        editor.BtnAddAE_0->click();
        QVERIFY(drive::choose(*editor.ComboGio, QStringLiteral("VERDI")));
        editor.BtnAddAE_1->click();
        QVERIFY(drive::choose(*editor.ComboSost1, QStringLiteral("VERDI")));
        QVERIFY(drive::choose(*editor.ComboSost2, QStringLiteral("ROSSI")));
        QVERIFY(drive::choose(*editor.ComboMin2, QStringLiteral("60°")));
        editor.BtnAddSost->click();

        QCOMPARE(entries(*editor.ListMar), (QStringList{"ROSSI (23°)", "ROSSI (23°)"}));
        QCOMPARE(editor.Fgrid1->Rows(), 2); // no header row: cards from row 0
        QCOMPARE(editor.Fgrid1->TextMatrix(0, 2) + " " + editor.Fgrid1->TextMatrix(0, 3),
                 QStringLiteral("ROSSI AMM"));
        QCOMPARE(editor.Fgrid1->TextMatrix(1, 2) + " " + editor.Fgrid1->TextMatrix(1, 3),
                 QStringLiteral("VERDI ESP"));
        QCOMPARE(editor.Fgrid1->TextMatrix(1, 1), QString::number(verdi));
        QCOMPARE(entries(*editor.Fgrid2, 3), QStringList{"60°"});
        QCOMPARE(entries(*editor.Fgrid2, 4), QStringList{"VERDI"});
        QCOMPARE(entries(*editor.Fgrid2, 5), QStringList{"ROSSI"});
        QCOMPARE(editor.Fgrid2->TextMatrix(1, 1), QString::number(verdi));
        QCOMPARE(editor.Fgrid2->TextMatrix(1, 2), QString::number(rossi));
        // A reserve who came on stays a reserve; the players' lists do not change.
        QCOMPARE(entries(*editor.ComboSost1), QStringList{"VERDI"});
        QCOMPARE(entries(*editor.ComboSost2), QStringList{"ROSSI"});
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare")), 0);
        editor.close();
    }

    // An existing game's events are written at once, each on the first free row of the
    // whole table: with one free row, a substitution's "SF" takes it and its "SA" is new.
    void existingGameEventsTakeFreeRowsFirst()
    {
        const int other = club->game(QStringLiteral("2010-08-29"));
        club->fx.addGameRow(other, neri, QStringLiteral("RETE"), 88, 0);
        const qint64 freeRow = lastRowid();
        const int game = existingGame();
        FrmGare editor;
        open(editor, game);

        QVERIFY(drive::choose(*editor.ComboSost1, QStringLiteral("VERDI")));
        QVERIFY(drive::choose(*editor.ComboSost2, QStringLiteral("ROSSI")));
        QVERIFY(drive::choose(*editor.ComboMin2, QStringLiteral("60°")));
        editor.BtnAddSost->click();
        QCOMPARE(rowAt(freeRow), QStringLiteral("1 %1 SF %2 60").arg(game).arg(verdi));
        QCOMPARE(rowAt(lastRowid()), QStringLiteral("1 %1 SA %2 60").arg(game).arg(rossi));
        QCOMPARE(entries(*editor.Fgrid2, 4), QStringList{"VERDI"});

        QVERIFY(drive::choose(*editor.ComboGio, QStringLiteral("BIANCHI")));
        QVERIFY(drive::choose(*editor.ComboMin1, QStringLiteral("17°")));
        editor.BtnAddGol->click();
        QCOMPARE(rowAt(lastRowid()), QStringLiteral("1 %1 RETE %2 17").arg(game).arg(bianchi));
        editor.BtnAddAE_1->click();
        QCOMPARE(rowAt(lastRowid()), QStringLiteral("1 %1 ESP %2").arg(game).arg(bianchi));
        QCOMPARE(club->fx
                     .scalar(QStringLiteral("SELECT Stagione||'/'||Camp FROM DatiGare "
                                            "WHERE rowid=?"),
                             {lastRowid()})
                     .toString(),
                 QStringLiteral("2010/%1").arg(club->camp));
        QCOMPARE(entries(*editor.ListMar), QStringList{"BIANCHI (17°)"});
        QVERIFY(!editor.isModified());
        editor.close();
    }

    // Removing frees exactly the row that the entry shows, and leaves its columns as they
    // were, so that the row can be reused.
    void removalFreesTheRowShown()
    {
        const int game = existingGame();
        club->fx.addGameRow(game, rossi, QStringLiteral("RETE"), 23);
        club->fx.addGameRow(game, rossi, QStringLiteral("RETE"), 50);
        const qint64 secondGoal = lastRowid();
        club->fx.addGameRow(game, verdi, QStringLiteral("RETE")); // shown at minute 0
        const qint64 noMinute = lastRowid();
        club->fx.addGameRow(game, bianchi, QStringLiteral("AMM"));
        club->fx.addGameRow(game, rossi, QStringLiteral("ESP"));
        const qint64 sendingOff = lastRowid();
        club->fx.addGameRow(game, neri, QStringLiteral("SF"), 75);
        club->fx.addGameRow(game, rossi, QStringLiteral("SA"), 75);
        club->fx.addGameRow(game, verdi, QStringLiteral("SF"), 75);
        const qint64 verdiOn = lastRowid();
        club->fx.addGameRow(game, bianchi, QStringLiteral("SA"), 75);
        const qint64 bianchiOff = lastRowid();
        FrmGare editor;
        MsgRecorder rec;
        open(editor, game);

        QVERIFY(drive::clickEntry(*editor.ListMar, QStringLiteral("ROSSI (50°)")));
        editor.BtnRemGol->click();
        QCOMPARE(entries(*editor.ListMar), (QStringList{"VERDI (0°)", "ROSSI (23°)"}));
        QCOMPARE(rowAt(secondGoal), QStringLiteral("0 %1 RETE %2 50").arg(game).arg(rossi));
        QVERIFY(drive::clickEntry(*editor.ListMar, QStringLiteral("VERDI (0°)")));
        editor.BtnRemGol->click();
        QCOMPARE(rowAt(noMinute), QStringLiteral("0 %1 RETE %2").arg(game).arg(verdi));
        QCOMPARE(entries(*editor.ListMar), QStringList{"ROSSI (23°)"});

        QVERIFY(drive::clickRow(*editor.Fgrid1, 1));
        editor.BtnRemAE->click();
        QCOMPARE(editor.Fgrid1->Rows(), 1);
        QCOMPARE(editor.Fgrid1->TextMatrix(0, 3), QStringLiteral("AMM"));
        QCOMPARE(rowAt(sendingOff), QStringLiteral("0 %1 ESP %2").arg(game).arg(rossi));

        QVERIFY(drive::clickRow(*editor.Fgrid2, 2));
        editor.BtnRemSost->click();
        QCOMPARE(entries(*editor.Fgrid2, 4), QStringList{"NERI"});
        QCOMPARE(rowAt(verdiOn).left(2), QStringLiteral("0 "));
        QCOMPARE(rowAt(bianchiOff).left(2), QStringLiteral("0 "));
        QVERIFY(rec.calls.isEmpty());
        QCOMPARE(club->rows(game).size(), 4 + 1 + 1 + 2);

        // The last card and the last substitution leave the grids empty.
        editor.BtnRemAE->click();
        QCOMPARE(editor.Fgrid1->Rows(), 0);
        QVERIFY(drive::clickRow(*editor.Fgrid2, 1));
        editor.BtnRemSost->click();
        QCOMPARE(editor.Fgrid2->Rows(), 1);
        QCOMPARE(club->rows(game).size(), 5);
        editor.close();
    }

    // A row that has gone meanwhile is reported; the entry leaves the window all the same.
    void removalOfARowGoneMeanwhile_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<int>("messages");
        QTest::newRow("goal") << "RETE" << 1;
        QTest::newRow("card") << "AMM" << 1;
        QTest::newRow("substitution") << "SF" << 2;
    }
    void removalOfARowGoneMeanwhile()
    {
        QFETCH(QString, kind);
        QFETCH(int, messages);
        const int game = existingGame();
        club->fx.addGameRow(game, rossi, kind == "SF" ? QStringLiteral("SA") : kind, 40);
        if (kind == "SF")
            club->fx.addGameRow(game, verdi, QStringLiteral("SF"), 40);
        FrmGare editor;
        MsgRecorder rec;
        open(editor, game);
        club->fx.sql(QStringLiteral("UPDATE DatiGare SET Valid=0 WHERE Tipo NOT IN ('TIT','RIS')"));
        if (kind == "RETE") {
            QVERIFY(drive::clickEntry(*editor.ListMar, 0));
            editor.BtnRemGol->click();
        } else if (kind == "AMM") {
            editor.BtnRemAE->click(); // the only card is the current row
        } else {
            QVERIFY(drive::clickRow(*editor.Fgrid2, 1));
            editor.BtnRemSost->click();
        }
        QCOMPARE(rec.calls.size(), messages);
        QCOMPARE(rec.last().text, QStringLiteral("Durante eliminazione"));
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::None);
        QCOMPARE(editor.ListMar->count() + editor.Fgrid1->Rows() + editor.Fgrid2->Rows(), 1);
        editor.close();
    }

    // When the store refuses a change, nothing of it is written and the window's lists
    // stay as they were.
    void refusedChangesLeaveTheListsAsTheyWere()
    {
        const int game = existingGame();
        club->fx.addGameRow(game, rossi, QStringLiteral("RETE"), 10);
        club->fx.sql(
            QStringLiteral("CREATE TRIGGER noOff BEFORE INSERT ON DatiGare "
                           "WHEN NEW.Tipo='SA' BEGIN SELECT RAISE(ABORT,'disco pieno'); END"));
        club->fx.sql(
            QStringLiteral("CREATE TRIGGER noFree BEFORE UPDATE OF Valid ON DatiGare "
                           "WHEN NEW.Valid=0 BEGIN SELECT RAISE(ABORT,'disco pieno'); END"));
        const QStringList rowsBefore = club->rows(game);
        FrmGare editor;
        MsgRecorder rec;
        open(editor, game);

        QVERIFY(drive::choose(*editor.ComboSost1, QStringLiteral("VERDI")));
        QVERIFY(drive::choose(*editor.ComboSost2, QStringLiteral("ROSSI")));
        QVERIFY(drive::choose(*editor.ComboMin2, QStringLiteral("60°")));
        editor.BtnAddSost->click();
        QCOMPARE(rec.texts(), QStringList{"disco pieno"});
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(editor.Fgrid2->Rows(), 1);

        QVERIFY(drive::clickEntry(*editor.ListMar, 0));
        editor.BtnRemGol->click();
        QCOMPARE(rec.calls.size(), 2);
        QCOMPARE(entries(*editor.ListMar), QStringList{"ROSSI (10°)"});
        QCOMPARE(club->rows(game), rowsBefore); // the "SF" row went back with its "SA"
        editor.close();
    }
};

VELMORA_TEST(GameEventsTest)
#include "tst_gameevents.moc"
