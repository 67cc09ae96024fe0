#include "GameClub.h"
#include "core/Dates.h"
#include "games/FormGare.h"
#include "games/FrmGare.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

QStringList squad()
{
    QStringList names;
    for (int i = 1; i <= 18; ++i)
        names << QStringLiteral("GIOCATORE %1").arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

QString name(int i)
{
    return QStringLiteral("GIOCATORE %1").arg(i, 2, 10, QLatin1Char('0'));
}

} // namespace

class GameSaveTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GameClub> club;

    QString gameRow(int idGara)
    {
        QSqlQuery q = data::run(
            QStringLiteral("SELECT Stagione,Camp,Data,SqA,SqB,GolA,GolB,Recupero,typeof(GolA),"
                           "typeof(GolB),typeof(Recupero) FROM Gare WHERE IdGara=?"),
            {idGara});
        if (!q.next())
            return QStringLiteral("none");
        QStringList cells;
        for (int c = 0; c < 11; ++c)
            cells << q.value(c).toString();
        return cells.join(u'|');
    }
    int newestGame()
    {
        return club->fx.scalar(QStringLiteral("SELECT max(IdGara) FROM Gare")).toInt();
    }

    // Types the game's header as a user does.
    void fillHeader(FrmGare &editor, const QString &a, const QString &b, const QString &goalsA,
                    const QString &goalsB)
    {
        drive::type(*editor.TxtSqA, a);
        drive::type(*editor.TxtSqB, b);
        if (!goalsA.isEmpty())
            QVERIFY(drive::choose(*editor.ComboGolA, goalsA));
        if (!goalsB.isEmpty())
            QVERIFY(drive::choose(*editor.ComboGolB, goalsB));
    }
    void addGoal(FrmGare &editor, const QString &player, const QString &minute)
    {
        QVERIFY(drive::choose(*editor.ComboGio, player));
        QVERIFY(drive::choose(*editor.ComboMin1, minute));
        editor.BtnAddGol->click();
    }
    void addSubstitution(FrmGare &editor, const QString &in, const QString &out,
                         const QString &minute)
    {
        QVERIFY(drive::choose(*editor.ComboSost1, in));
        QVERIFY(drive::choose(*editor.ComboSost2, out));
        QVERIFY(drive::choose(*editor.ComboMin2, minute));
        editor.BtnAddSost->click();
    }

private slots:
    void init()
    {
        club = std::make_unique<GameClub>(squad());
        core::setToday(QDate(2010, 9, 26));
    }
    void cleanup()
    {
        QVERIFY(club->fx.noWindowsLeft());
        club.reset();
    }

    // The checks come in this order; each puts the user where the fault is, and nothing
    // is written. Only an empty text counts as missing.
    void validation_data()
    {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("teamA");
        QTest::addColumn<QString>("teamB");
        QTest::addColumn<QString>("goalsA");
        QTest::addColumn<QString>("goalsB");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("no date") << ""
                                 << ""
                                 << ""
                                 << ""
                                 << ""
                                 << "Inserire DATA della Gara"
                                 << "TxtData";
        QTest::newRow("no such date") << "31/02/2010"
                                      << ""
                                      << ""
                                      << ""
                                      << ""
                                      << "DATA non valida"
                                      << "TxtData";
        QTest::newRow("no first team") << "1/9/2010"
                                       << ""
                                       << "ASTI"
                                       << "1"
                                       << "1"
                                       << "Inserire Nome 1° SQUADRA"
                                       << "TxtSqA";
        QTest::newRow("no second team") << "1/9/2010"
                                        << "VELMORA"
                                        << ""
                                        << "1"
                                        << "1"
                                        << "Inserire Nome 2° SQUADRA"
                                        << "TxtSqB";
        QTest::newRow("no score") << "1/9/2010"
                                  << "VELMORA"
                                  << "ASTI"
                                  << ""
                                  << ""
                                  << "Inserire RISULTATO"
                                  << "ComboGolA";
        QTest::newRow("first score only") << "1/9/2010"
                                          << "VELMORA"
                                          << "ASTI"
                                          << "2"
                                          << ""
                                          << "Inserire RISULTATO"
                                          << "ComboGolB";
        QTest::newRow("second score only") << "1/9/2010"
                                           << "VELMORA"
                                           << "ASTI"
                                           << ""
                                           << "2"
                                           << "Inserire RISULTATO"
                                           << "ComboGolA";
        QTest::newRow("blanks are names") << "1/9/2010"
                                          << " "
                                          << " "
                                          << "0"
                                          << "0"
                                          << ""
                                          << "";
    }
    void validation()
    {
        QFETCH(QString, date);
        QFETCH(QString, teamA);
        QFETCH(QString, teamB);
        QFETCH(QString, goalsA);
        QFETCH(QString, goalsB);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtData, date);
        fillHeader(editor, teamA, teamB, goalsA, goalsB);
        MsgRecorder rec;
        editor.BtnSalva->click();
        if (message.isEmpty()) {
            QCOMPARE(rec.texts(), QStringList{"Nuova GARA inserita con successo"});
            QVERIFY(!editor.isVisible());
            QCOMPARE(club->fx.count(QStringLiteral("Gare")), 1);
            return;
        }
        QCOMPARE(rec.texts(), QStringList{message});
        QCOMPARE(rec.last().icon, ui::Icon::Exclamation);
        QCOMPARE(rec.last().title, QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(editor.isVisible());
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 0);
        editor.close();
    }

    // Return in the header saves, as "&SALVA" does.
    void returnSavesTheGame()
    {
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtData, QStringLiteral("1/9/2010"));
        fillHeader(editor, QStringLiteral("VELMORA"), QStringLiteral("OSPITI"), QStringLiteral("1"),
                   QStringLiteral("0"));
        MsgRecorder rec;
        drive::key(Qt::Key_Return);
        QCOMPARE(rec.texts(), QStringList{"Nuova GARA inserita con successo"});
        QVERIFY(!editor.isVisible());
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 1);
    }

    // A new game with 11 starters, 7 reserves, 2 goals, a caution and 3 substitutions:
    // its row, then 27 rows of its own, the free rows of the table taken first.
    void newGameWritesItsLineUpAndEvents()
    {
        for (int i = 0; i < 18; ++i)
            club->fx.addFormation(club->players.at(i),
                                  i < 11 ? QStringLiteral("TIT") : QStringLiteral("RIS"));
        const int old = club->game(QStringLiteral("2010-09-05"));
        for (int i = 0; i < 5; ++i)
            club->fx.addGameRow(old, club->players.at(0), QStringLiteral("RETE"), 30 + i, 0);
        const int rowsBefore = club->fx.count(QStringLiteral("DatiGare"));

        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        fillHeader(editor, QStringLiteral("VELMORA"), QStringLiteral("L'AQUILA"),
                   QStringLiteral("2"), QStringLiteral("1"));
        QVERIFY(drive::choose(*editor.ComboRec, QStringLiteral("4")));
        addGoal(editor, name(9), QStringLiteral("23°"));
        addGoal(editor, name(3), QStringLiteral("81°"));
        QVERIFY(drive::choose(*editor.ComboGio, name(5)));
        editor.BtnAddAE_0->click();
        addSubstitution(editor, name(12), name(1), QStringLiteral("46°"));
        addSubstitution(editor, name(13), name(2), QStringLiteral("60°"));
        addSubstitution(editor, name(14), name(3), QStringLiteral("75°"));
        MsgRecorder rec;
        editor.BtnSalva->click();

        QCOMPARE(rec.texts(), QStringList{"Nuova GARA inserita con successo"});
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        QCOMPARE(rec.last().title, QString());
        QVERIFY(!editor.isVisible());
        const int game = newestGame();
        QCOMPARE(gameRow(game), QStringLiteral("2010|%1|2010-09-26|VELMORA|L'AQUILA|2|1|4|"
                                               "integer|integer|integer")
                                    .arg(club->camp));
        // The five free rows were taken first, so the rows stand in the order written.
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare"), QStringLiteral("Valid=0")), 0);
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare")), rowsBefore - 5 + 27);
        QStringList expected;
        const auto id = [&](int i) { return QString::number(club->players.at(i - 1)); };
        for (int i = 1; i <= 11; ++i)
            expected << "TIT " + id(i);
        for (int i = 12; i <= 18; ++i)
            expected << "RIS " + id(i);
        expected << "RETE " + id(9) + " 23"
                 << "RETE " + id(3) + " 81"
                 << "AMM " + id(5) << "SF " + id(12) + " 46"
                 << "SA " + id(1) + " 46"
                 << "SF " + id(13) + " 60"
                 << "SA " + id(2) + " 60"
                 << "SF " + id(14) + " 75"
                 << "SA " + id(3) + " 75";
        QCOMPARE(club->rows(game), expected);
        // A reused row's old minute does not survive on a line-up row.
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare"),
                                QStringLiteral("IdGara=? AND Tipo='TIT' AND Min IS NOT NULL"),
                                {game}),
                 0);
    }

    void newGameWithNothingButItsHeader()
    {
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        fillHeader(editor, QStringLiteral("VELMORA"), QStringLiteral("ASTI"), "0", "0");
        MsgRecorder rec;
        editor.BtnSalva->click();
        QCOMPARE(rec.texts(), QStringList{"Nuova GARA inserita con successo"});
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 1);
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare")), 0);
        // An added time left unchosen is stored as 0.
        QVERIFY(gameRow(newestGame()).contains(QStringLiteral("|0|0|0|integer")));
    }

    // A store made by another tool, where IdGara is no row key, and old game rows whose
    // game has gone: the new game still gets a number of its own and only its own rows.
    void newGameNumberIsNeverInUse()
    {
        club->fx.sql(QStringLiteral("DROP TABLE Gare"));
        club->fx.sql(QStringLiteral("CREATE TABLE Gare (IdGara INTEGER, Stagione INTEGER, "
                                    "Camp INTEGER, Data DATE, SqA TEXT, SqB TEXT, GolA INTEGER, "
                                    "GolB INTEGER, Recupero INTEGER)"));
        club->fx.sql(
            QStringLiteral("INSERT INTO Gare VALUES (5,2010,?,'2010-09-01','A','B',0,0,0)"),
            {club->camp});
        club->fx.addGameRow(7, club->players.at(0), QStringLiteral("RETE"), 10);
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        fillHeader(editor, QStringLiteral("VELMORA"), QStringLiteral("ASTI"), "0", "0");
        MsgRecorder rec;
        editor.BtnSalva->click();
        QCOMPARE(rec.texts(), QStringList{"Nuova GARA inserita con successo"});
        QCOMPARE(newestGame(), 8);
        QVERIFY(club->rows(8).isEmpty());
    }

    void existingGameUnchangedWritesNothing()
    {
        const int game = club->game();
        club->fx.addGameRow(game, club->players.at(0), QStringLiteral("TIT"));
        const QString before = gameRow(game);
        club->fx.sql(QStringLiteral("CREATE TRIGGER untouched BEFORE UPDATE ON Gare "
                                    "BEGIN SELECT RAISE(ABORT,'riscritta'); END"));
        FrmGare editor;
        editor.Carica(game);
        QVERIFY(drive::activate(editor));
        MsgRecorder rec;
        editor.BtnSalva->click();
        QVERIFY(rec.calls.isEmpty());
        QVERIFY(!editor.isVisible());
        QCOMPARE(gameRow(game), before);
    }

    // A retyped date rewrites the game's row, with the current selection, and nothing else.
    void retypedDateRewritesTheGameOnly()
    {
        const int game = club->game(QStringLiteral("2010-09-05"));
        club->fx.sql(QStringLiteral("UPDATE Gare SET Camp=99 WHERE IdGara=?"), {game});
        club->fx.addGameRow(game, club->players.at(0), QStringLiteral("RETE"), 12);
        const QStringList rows = club->rows(game);
        FrmGare editor;
        editor.Carica(game);
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtData, QStringLiteral("6/9/10"));
        MsgRecorder rec;
        editor.BtnSalva->click();
        QCOMPARE(rec.texts(), QStringList{"GARA modificata con successo"});
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        QVERIFY(!editor.isVisible());
        QCOMPARE(gameRow(game), QStringLiteral("2010|%1|2010-09-06|CASA|OSPITI|0|0|4|"
                                               "integer|integer|integer")
                                    .arg(club->camp));
        QCOMPARE(club->rows(game), rows);
    }

    void existingGameGoneMeanwhile()
    {
        const int game = club->game();
        FrmGare editor;
        editor.Carica(game);
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtSqB, QStringLiteral("PAVIA"));
        club->fx.sql(QStringLiteral("DELETE FROM Gare"));
        MsgRecorder rec;
        editor.BtnSalva->click();
        QCOMPARE(rec.texts(), QStringList{"Durante il salvataggio"});
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::None);
        QVERIFY(!editor.isVisible());
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 0);
    }

    // The store fails on the tenth row of the new game: nothing of it is kept, the editor
    // stays open with everything it holds, and a second "&SALVA" stores it all.
    void failedSaveLeavesNoTraceAndCanBeRepeated()
    {
        for (int i = 0; i < 11; ++i)
            club->fx.addFormation(club->players.at(i), QStringLiteral("TIT"));
        club->fx.sql(
            QStringLiteral("CREATE TRIGGER tenth BEFORE INSERT ON DatiGare "
                           "WHEN (SELECT count(*) FROM DatiGare WHERE IdGara=NEW.IdGara) >= 9 "
                           "BEGIN SELECT RAISE(ABORT,'database or disk is full'); END"));
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        fillHeader(editor, QStringLiteral("VELMORA"), QStringLiteral("ASTI"), "3", "0");
        addGoal(editor, name(4), QStringLiteral("12°"));
        MsgRecorder rec;
        editor.BtnSalva->click();
        QCOMPARE(rec.texts(), QStringList{"database or disk is full"});
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QVERIFY(editor.isVisible());
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 0);
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare")), 0);
        QCOMPARE(entries(*editor.ListMar), QStringList{name(4) + " (12°)"});
        QCOMPARE(editor.ComboSost2->count(), 11);

        club->fx.sql(QStringLiteral("DROP TRIGGER tenth"));
        editor.BtnSalva->click();
        QCOMPARE(rec.last().text, QStringLiteral("Nuova GARA inserita con successo"));
        QVERIFY(!editor.isVisible());
        QCOMPARE(club->rows(newestGame()).size(), 12);
    }

    // A game entered from the main window counts in the figures as soon as the games list
    // closes: the same figures an independent count of its rows gives.
    void figuresCountTheNewGame()
    {
        club->fx.addFormation(club->players.at(0), QStringLiteral("TIT")); // GIOCATORE 01
        club->fx.addFormation(club->players.at(1), QStringLiteral("TIT")); // GIOCATORE 02
        club->fx.addFormation(club->players.at(2), QStringLiteral("RIS")); // GIOCATORE 03
        Form1 form;
        QVERIFY(drive::activate(form));
        MsgRecorder rec;
        ModalHook modal;
        modal.on<FrmGare>([&](FrmGare &editor) {
            QVERIFY(drive::activate(editor));
            fillHeader(editor, QStringLiteral("VELMORA"), QStringLiteral("ASTI"), "1", "0");
            QVERIFY(drive::choose(*editor.ComboRec, QStringLiteral("3")));
            addGoal(editor, name(1), QStringLiteral("23°"));
            QVERIFY(drive::choose(*editor.ComboGio, name(2)));
            editor.BtnAddAE_0->click();
            addSubstitution(editor, name(3), name(1), QStringLiteral("60°"));
            editor.BtnSalva->click();
        });
        modal.on<FormGare>([&](FormGare &list) {
            QVERIFY(drive::activate(list));
            list.BtnInsGara->click();
            QCOMPARE(list.Fgrid->Rows(), 2);
            list.close();
        });
        form.BtnGare->click();
        QCOMPARE(rec.texts(), QStringList{"Nuova GARA inserita con successo"});

        // Pres, Reti, Amm, Esp, S.av, S.fa, Min.g.: the starter who scored went off at 60,
        // the reserve came on at 60 of 90 + 3.
        const auto figures = [&](int row) {
            QStringList cells{form.Fgrid->TextMatrix(row, 2)};
            for (int c : {5, 6, 7, 8, 10, 11, 12})
                cells << form.Fgrid->TextMatrix(row, c);
            return cells.join(u' ');
        };
        QCOMPARE(figures(1), name(1) + " 1 1 0 0 1 0 60");
        QCOMPARE(figures(2), name(2) + " 1 0 1 0 0 0 90");
        QCOMPARE(figures(3), name(3) + " 1 0 0 0 0 1 33");
        QCOMPARE(figures(4), name(4) + " 0 0 0 0 0 0 0");
        form.close();
    }
};

VELMORA_TEST(GameSaveTest)
#include "tst_gamesave.moc"
