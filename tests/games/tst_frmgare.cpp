#include "GameClub.h"
#include "core/Dates.h"
#include "games/FrmGare.h"
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

namespace {

QStringList gridRows(const Grid &grid, int from)
{
    QStringList rows;
    for (int r = from; r < grid.Rows(); ++r) {
        QStringList cells;
        for (int c = 1; c < grid.Cols(); ++c)
            cells << grid.TextMatrix(r, c);
        rows << cells.join(u'|');
    }
    return rows;
}

QStringList ids(const QComboBox &combo)
{
    QStringList list;
    for (int i = 0; i < combo.count(); ++i)
        list << combo.itemData(i).toString();
    return list;
}

} // namespace

class FrmGareTest : public QObject {
    Q_OBJECT
    std::unique_ptr<GameClub> club;
    int bianchi = 0, neri = 0, rossi = 0, verdi = 0;

    QString id(int idGio) { return QString::number(idGio); }

private slots:
    void init()
    {
        club = std::make_unique<GameClub>();
        bianchi = club->players.at(0);
        neri = club->players.at(1);
        rossi = club->players.at(2);
        verdi = club->players.at(3);
        core::setToday(QDate(2010, 9, 26));
    }
    void cleanup()
    {
        QVERIFY(club->fx.noWindowsLeft());
        club.reset();
    }

    void numberListsStartUnchosen()
    {
        FrmGare editor;
        editor.Carica(0);
        QCOMPARE(editor.ComboGolA->count(), 21);
        QCOMPARE(editor.ComboGolB->itemText(20), QStringLiteral("20"));
        QCOMPARE(entries(*editor.ComboRec).join(u','), QStringLiteral("0,1,2,3,4,5,6,7,8,9,10"));
        QCOMPARE(editor.ComboMin1->count(), 100);
        QCOMPARE(editor.ComboMin2->itemText(0), QStringLiteral("1°"));
        QCOMPARE(editor.ComboMin2->itemText(99), QStringLiteral("100°"));
        for (QComboBox *list : {editor.ComboGolA, editor.ComboGolB, editor.ComboRec,
                                editor.ComboMin1, editor.ComboMin2, editor.ComboGio})
            QCOMPARE(list->currentText(), QString());
        QCOMPARE(gridRows(*editor.Fgrid2, 0), QStringList{"||MIN.|Entra|Esce"});
        QCOMPARE(editor.Fgrid1->Rows(), 0);
        QCOMPARE(editor.TxtSqA->maxLength(), 50);
    }

    // A new game's players come from the season formation, as it is now.
    void newGameTakesTheFormation()
    {
        club->fx.addFormation(verdi, QStringLiteral("TIT"));
        club->fx.addFormation(neri, QStringLiteral("RIS"));
        club->fx.addFormation(bianchi, QStringLiteral("TIT"));
        club->fx.addFormation(rossi, QStringLiteral("TIT"), 0); // withdrawn
        // Another season's formation is not this one.
        const int other =
            club->fx.enrol(club->fx.addPerson(QStringLiteral("ALTRI")), 2009, club->camp);
        club->fx.addFormation(other, QStringLiteral("TIT"));

        FrmGare editor;
        editor.Carica(0);
        QCOMPARE(editor.windowTitle(), QStringLiteral("VELMORA - INSERIMENTO GARA"));
        QCOMPARE(entries(*editor.ComboGio), (QStringList{"BIANCHI", "NERI", "VERDI"}));
        QCOMPARE(ids(*editor.ComboGio), (QStringList{id(bianchi), id(neri), id(verdi)}));
        QCOMPARE(entries(*editor.ComboSost2), (QStringList{"BIANCHI", "VERDI"}));
        QCOMPARE(ids(*editor.ComboSost2), (QStringList{id(bianchi), id(verdi)}));
        QCOMPARE(entries(*editor.ComboSost1), QStringList{"NERI"});
        QCOMPARE(ids(*editor.ComboSost1), QStringList{id(neri)});
        QCOMPARE(editor.TxtData->text(), QStringLiteral("26/09/2010"));
        QVERIFY(editor.isModified());
    }

    void existingGameIsShown()
    {
        const int game = club->game(QStringLiteral("2010-09-12"));
        club->fx.sql(QStringLiteral("UPDATE Gare SET SqA='VELMORA',SqB='L''AQUILA',GolA=3,"
                                    "GolB=1,Recupero=5 WHERE IdGara=?"),
                     {game});
        club->fx.addGameRow(game, rossi, QStringLiteral("TIT"));
        club->fx.addGameRow(game, bianchi, QStringLiteral("TIT"));
        club->fx.addGameRow(game, verdi, QStringLiteral("RIS"));
        club->fx.addGameRow(game, neri, QStringLiteral("RIS"), QVariant(), 0); // freed
        club->fx.addGameRow(game, rossi, QStringLiteral("RETE"), 23);
        club->fx.addGameRow(game, bianchi, QStringLiteral("RETE"));
        club->fx.addGameRow(game, rossi, QStringLiteral("ESP"));
        club->fx.addGameRow(game, bianchi, QStringLiteral("AMM"));
        club->fx.addGameRow(game, verdi, QStringLiteral("SF"), 60);
        club->fx.addGameRow(game, rossi, QStringLiteral("SA"), 60);

        FrmGare editor;
        editor.Carica(game);
        QCOMPARE(editor.windowTitle(),
                 QStringLiteral("VELMORA - MODIFICA GARA ID N° %1").arg(game));
        QCOMPARE(editor.TxtData->text(), QStringLiteral("12/09/2010"));
        QCOMPARE(editor.TxtSqA->text(), QStringLiteral("VELMORA"));
        QCOMPARE(editor.TxtSqB->text(), QStringLiteral("L'AQUILA"));
        QCOMPARE(editor.ComboGolA->currentText(), QStringLiteral("3"));
        QCOMPARE(editor.ComboGolB->currentText(), QStringLiteral("1"));
        QCOMPARE(editor.ComboRec->currentText(), QStringLiteral("5"));
        QCOMPARE(entries(*editor.ComboGio), (QStringList{"BIANCHI", "ROSSI", "VERDI"}));
        QCOMPARE(entries(*editor.ComboSost2), (QStringList{"BIANCHI", "ROSSI"}));
        QCOMPARE(entries(*editor.ComboSost1), QStringList{"VERDI"});
        // A goal without a minute shows as minute 0, and comes first.
        QCOMPARE(entries(*editor.ListMar), (QStringList{"BIANCHI (0°)", "ROSSI (23°)"}));
        QCOMPARE(gridRows(*editor.Fgrid1, 0),
                 (QStringList{id(bianchi) + "|BIANCHI|AMM", id(rossi) + "|ROSSI|ESP"}));
        QCOMPARE(gridRows(*editor.Fgrid2, 1),
                 QStringList{id(verdi) + "|" + id(rossi) + "|60°|VERDI|ROSSI"});
        QVERIFY(!columnShown(*editor.Fgrid1, 1));
        QVERIFY(!columnShown(*editor.Fgrid2, 1));
        QVERIFY(!columnShown(*editor.Fgrid2, 2));
        QVERIFY(!editor.isModified());
    }

    // Two substitutions at one minute pair up in the order their rows were written, so
    // that each grid row shows one player coming on and one going off.
    void substitutionsPairByMinuteInWrittenOrder()
    {
        const int game = club->game();
        club->fx.addGameRow(game, neri, QStringLiteral("SF"), 75);
        club->fx.addGameRow(game, rossi, QStringLiteral("SA"), 75);
        club->fx.addGameRow(game, verdi, QStringLiteral("SF"), 75);
        club->fx.addGameRow(game, bianchi, QStringLiteral("SA"), 75);
        club->fx.addGameRow(game, verdi, QStringLiteral("SA"), 80); // nobody came on
        club->fx.addGameRow(game, neri, QStringLiteral("SF"), 85);  // nobody went off
        FrmGare editor;
        editor.Carica(game);
        QCOMPARE(gridRows(*editor.Fgrid2, 1),
                 (QStringList{id(neri) + "|" + id(rossi) + "|75°|NERI|ROSSI",
                              id(verdi) + "|" + id(bianchi) + "|75°|VERDI|BIANCHI",
                              "|" + id(verdi) + "|80°||VERDI"}));
    }

    // Rows written by other tools may hold Nulls: they load as empty boxes.
    void nullColumnsLoadEmpty()
    {
        club->fx.sql(QStringLiteral("INSERT INTO Gare (Stagione,Camp) VALUES (2010,?)"),
                     {club->camp});
        const int game = club->fx.scalar(QStringLiteral("SELECT max(IdGara) FROM Gare")).toInt();
        FrmGare editor;
        MsgRecorder rec;
        editor.Carica(game);
        QVERIFY(rec.calls.isEmpty());
        for (QLineEdit *box : {editor.TxtData, editor.TxtSqA, editor.TxtSqB})
            QCOMPARE(box->text(), QString());
        for (QComboBox *list : {editor.ComboGolA, editor.ComboGolB, editor.ComboRec})
            QCOMPARE(list->currentText(), QString());
    }

    void missingGame()
    {
        FrmGare editor;
        MsgRecorder rec;
        editor.Carica(4242);
        QCOMPARE(rec.texts(), QStringList{"Durante caricamento gara"});
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::Critical);
        QCOMPARE(editor.TxtSqA->text(), QString());
    }

    // Leaving the date box rewrites a date in the short form; the years follow the game
    // rule (on 26/09/2010 a game year "60" is 2060).
    void dateIsRewrittenOnLeavingTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("day first") << "5/3/2009"
                                   << "05/03/09";
        QTest::newRow("dots") << "5.3.2009"
                              << "05/03/09";
        QTest::newRow("short year") << "1/2/60"
                                    << "01/02/60";
        QTest::newRow("empty stays empty") << ""
                                           << "";
        QTest::newRow("no date stays") << "domenica"
                                       << "domenica";
    }
    void dateIsRewrittenOnLeavingTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtData, typed);
        QCOMPARE(editor.TxtData->text(), shown);
        QVERIFY(editor.TxtSqA->hasFocus());
        editor.close();
    }

    // Opening an existing game changes nothing; entering and leaving its date box rewrites
    // the four-digit year, which counts as a change; so does a team or a score.
    void changesMarkTheGameModified_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<bool>("modified");
        QTest::newRow("nothing") << "" << false;
        QTest::newRow("added time") << "recupero" << false;
        QTest::newRow("date box passed through") << "data" << true;
        QTest::newRow("team typed") << "squadra" << true;
        QTest::newRow("score chosen") << "gol" << true;
    }
    void changesMarkTheGameModified()
    {
        QFETCH(QString, change);
        QFETCH(bool, modified);
        const int game = club->game(QStringLiteral("2010-09-12"));
        FrmGare editor;
        editor.Carica(game);
        QVERIFY(drive::activate(editor));
        if (change == "recupero")
            QVERIFY(drive::choose(*editor.ComboRec, QStringLiteral("7")));
        else if (change == "data")
            drive::enterAndLeave(*editor.TxtData);
        else if (change == "squadra")
            drive::type(*editor.TxtSqB, QStringLiteral("PAVIA"));
        else if (change == "gol")
            QVERIFY(drive::choose(*editor.ComboGolB, QStringLiteral("4")));
        QCOMPARE(editor.isModified(), modified);
        if (change == "data")
            QCOMPARE(editor.TxtData->text(), QStringLiteral("12/09/10"));
        editor.close();
    }

    // Cancelling writes nothing, by the button or by the close box.
    void cancelWritesNothing_data()
    {
        QTest::addColumn<bool>("closeBox");
        QTest::newRow("ANNULLA") << false;
        QTest::newRow("close box") << true;
    }
    void cancelWritesNothing()
    {
        QFETCH(bool, closeBox);
        club->fx.addFormation(rossi, QStringLiteral("TIT"));
        FrmGare editor;
        editor.Carica(0);
        QVERIFY(drive::activate(editor));
        drive::type(*editor.TxtSqA, QStringLiteral("VELMORA"));
        drive::type(*editor.TxtSqB, QStringLiteral("ASTI"));
        QVERIFY(drive::choose(*editor.ComboGolA, QStringLiteral("1")));
        QVERIFY(drive::choose(*editor.ComboGolB, QStringLiteral("0")));
        if (closeBox)
            editor.close();
        else
            editor.BtnAnnulla->click();
        QVERIFY(!editor.isVisible());
        QCOMPARE(club->fx.count(QStringLiteral("Gare")), 0);
        QCOMPARE(club->fx.count(QStringLiteral("DatiGare")), 0);
    }
};

VELMORA_TEST(FrmGareTest)
#include "tst_frmgare.moc"
