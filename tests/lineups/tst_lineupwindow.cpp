#include "app/Module1.h"
#include "lineups/FrmFormGara.h"
#include "lineups/FrmFormazione.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include "Club.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

// What the game's line-up and the season formation share: the lists, adding, withdrawing,
// the messages. Every test runs on both windows.
class LineupWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<Club> club;
    std::unique_ptr<MsgRecorder> msgs;

    bool isGame(const QString &kind) const { return kind == QLatin1String("FrmFormGara"); }
    QString table(const QString &kind) const
    {
        return isGame(kind) ? QStringLiteral("DatiGare") : QStringLiteral("Formazione");
    }

    std::unique_ptr<LineupWindow> open(const QString &kind)
    {
        if (!isGame(kind))
            return std::make_unique<FrmFormazione>();
        auto w = std::make_unique<FrmFormGara>();
        w->Carica(club->game, QStringLiteral("CASA - OSPITI"));
        return w;
    }

    // An entry of the line-up as it is before the window opens.
    void put(const QString &kind, int idGio, const QString &tipo, int valid = 1)
    {
        if (isGame(kind))
            fx->addGameRow(club->game, idGio, tipo, {}, valid);
        else
            fx->addFormation(idGio, tipo, valid);
    }

    // A row as the window writes it, for rows(): rowid, then the window's own columns.
    QString written(const QString &kind, int rowid, int idGio, const QString &tipo,
                    const QString &min = {}) const
    {
        QString row = QStringLiteral("%1:1:%2:%3").arg(rowid).arg(idGio).arg(tipo);
        if (isGame(kind))
            row += QStringLiteral(":%1:2024:%2:%3").arg(club->game).arg(club->serieD).arg(min);
        return row;
    }

    static void addKinds() { QTest::addColumn<QString>("kind"); }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(fx->isOpen());
        club = std::make_unique<Club>(*fx);
        msgs = std::make_unique<MsgRecorder>();
    }
    void cleanup()
    {
        msgs.reset();
        club.reset();
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void opensWithTheSeasonRoster_data()
    {
        addKinds();
        QTest::newRow("game") << "FrmFormGara";
        QTest::newRow("formation") << "FrmFormazione";
    }
    void opensWithTheSeasonRoster()
    {
        QFETCH(QString, kind);
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        QCOMPARE(w->objectName(), kind);
        // Goalkeepers first, then D, C, A by name; a player without a role comes last.
        QCOMPARE(entries(*w->List1), Club::roster());
        QCOMPARE(ids(*w->List1), (QList<int>{club->bianchi, club->amato, club->esposito,
                                             club->conti, club->rossi, club->zanetti}));
        QCOMPARE(w->lblGio->text(), QStringLiteral("GIOCATORI (6)"));
        QCOMPARE(w->lblTit->text(), QStringLiteral("TITOLARI (0)"));
        QCOMPARE(w->lblRis->text(), QStringLiteral("RISERVE (0)"));
        QCOMPARE(w->ListTit->count(), 0);
        QCOMPARE(w->ListRis->count(), 0);
        QVERIFY(w->OptTit->isChecked());
        QCOMPARE(w->OptTit->text(), QStringLiteral("Titolare"));
        QCOMPARE(w->OptRis->text(), QStringLiteral("Riserva"));
        QCOMPARE(w->BtnAdd->text(), QStringLiteral("&ADD ->"));
        QCOMPARE(w->BtnRem_0->text(), QStringLiteral("<- &REM"));
        QCOMPARE(w->BtnRem_1->text(), QStringLiteral("<- &REM"));
        QCOMPARE(w->BtnChiudi->text(), QStringLiteral("&CHIUDI"));
        QVERIFY(msgs->calls.isEmpty());
        w->close();
    }

    void opensWithTheStoredEntries_data()
    {
        addKinds();
        QTest::newRow("game") << "FrmFormGara";
        QTest::newRow("formation") << "FrmFormazione";
    }
    void opensWithTheStoredEntries()
    {
        QFETCH(QString, kind);
        put(kind, club->rossi, QStringLiteral("TIT"));
        put(kind, club->zanetti, QStringLiteral("TIT"));
        put(kind, club->bianchi, QStringLiteral("TIT"));
        put(kind, club->conti, QStringLiteral("TIT"), 0);
        put(kind, club->amato, QStringLiteral("RIS"));
        auto w = open(kind);
        QCOMPARE(entries(*w->ListTit),
                 (QStringList{"P - BIANCHI LUCA", "A - ROSSI MARIO", " - ZANETTI UGO"}));
        QCOMPARE(ids(*w->ListTit), (QList<int>{club->bianchi, club->rossi, club->zanetti}));
        QCOMPARE(entries(*w->ListRis), QStringList{"D - AMATO LINO"});
        QCOMPARE(ids(*w->ListRis), QList<int>{club->amato});
        QCOMPARE(w->lblTit->text(), QStringLiteral("TITOLARI (3)"));
        QCOMPARE(w->lblRis->text(), QStringLiteral("RISERVE (1)"));
    }

    void nothingChosenAsksForAPlayer_data()
    {
        addKinds();
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("emptyRoster");
        for (const char *kind : {"FrmFormGara", "FrmFormazione"}) {
            QTest::addRow("%s, add", kind) << kind << "BtnAdd" << false;
            QTest::addRow("%s, add from an empty roster", kind) << kind << "BtnAdd" << true;
            QTest::addRow("%s, withdraw a starter", kind) << kind << "BtnRem_0" << false;
            QTest::addRow("%s, withdraw a reserve", kind) << kind << "BtnRem_1" << false;
        }
    }
    void nothingChosenAsksForAPlayer()
    {
        QFETCH(QString, kind);
        QFETCH(QString, button);
        QFETCH(bool, emptyRoster);
        put(kind, club->rossi, QStringLiteral("TIT"));
        put(kind, club->conti, QStringLiteral("RIS"));
        if (emptyRoster)
            Module1::selectedSeason = 2025;
        const QStringList before = Club::rows(table(kind));
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        if (emptyRoster)
            QCOMPARE(w->lblGio->text(), QStringLiteral("GIOCATORI (0)"));
        w->BtnChiudi->setFocus();
        w->findChild<QPushButton *>(button)->click();

        QCOMPARE(msgs->texts(), QStringList{"Selezionare prima un GIOCATORE"});
        QCOMPARE(msgs->last().icon, ui::Icon::Exclamation);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(msgs->last().title, QString());
        QWidget *concerned = button == QLatin1String("BtnAdd")     ? w->List1
                             : button == QLatin1String("BtnRem_0") ? w->ListTit
                                                                   : w->ListRis;
        QCOMPARE(QApplication::focusWidget(), concerned);
        QCOMPARE(Club::rows(table(kind)), before);
        w->close();
    }

    void addStoresTheEntryAtOnce_data()
    {
        addKinds();
        QTest::addColumn<bool>("reserve");
        QTest::addColumn<bool>("doubleClick");
        for (const char *kind : {"FrmFormGara", "FrmFormazione"}) {
            QTest::addRow("%s, starter by button", kind) << kind << false << false;
            QTest::addRow("%s, reserve by button", kind) << kind << true << false;
            QTest::addRow("%s, starter by double click", kind) << kind << false << true;
            QTest::addRow("%s, reserve by double click", kind) << kind << true << true;
        }
    }
    void addStoresTheEntryAtOnce()
    {
        QFETCH(QString, kind);
        QFETCH(bool, reserve);
        QFETCH(bool, doubleClick);
        const QString tipo = reserve ? QStringLiteral("RIS") : QStringLiteral("TIT");
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        if (reserve)
            w->OptRis->click();
        for (const QString entry : {"C - CONTI PAOLO", " - ZANETTI UGO", "P - BIANCHI LUCA"}) {
            if (doubleClick) {
                QVERIFY(drive::doubleClickEntry(*w->List1, entry));
            } else {
                QVERIFY(drive::clickEntry(*w->List1, entry));
                w->BtnAdd->click();
            }
        }

        QVERIFY(msgs->calls.isEmpty());
        QListWidget *filled = reserve ? w->ListRis : w->ListTit;
        QListWidget *other = reserve ? w->ListTit : w->ListRis;
        QCOMPARE(entries(*filled),
                 (QStringList{"P - BIANCHI LUCA", "C - CONTI PAOLO", " - ZANETTI UGO"}));
        QCOMPARE(ids(*filled), (QList<int>{club->bianchi, club->conti, club->zanetti}));
        QCOMPARE(other->count(), 0);
        QCOMPARE((reserve ? w->lblRis : w->lblTit)->text(),
                 reserve ? QStringLiteral("RISERVE (3)") : QStringLiteral("TITOLARI (3)"));
        QCOMPARE((reserve ? w->lblTit : w->lblRis)->text(),
                 reserve ? QStringLiteral("TITOLARI (0)") : QStringLiteral("RISERVE (0)"));
        QCOMPARE(Club::rows(table(kind)), (QStringList{written(kind, 1, club->conti, tipo),
                                                       written(kind, 2, club->zanetti, tipo),
                                                       written(kind, 3, club->bianchi, tipo)}));
        // The roster and its selection stay as they were.
        QCOMPARE(entries(*w->List1), Club::roster());
        QCOMPARE(w->List1->selectedItems().size(), 1);
        QCOMPARE(w->List1->selectedItems().first()->text(), QStringLiteral("P - BIANCHI LUCA"));
        w->close();
    }

    void playerAlreadyListedIsRefused_data()
    {
        addKinds();
        QTest::addColumn<QString>("listedAs");
        QTest::addColumn<bool>("addAsReserve");
        QTest::addColumn<bool>("namesake"); // another player of the same role and name
        QTest::addColumn<QString>("message");
        const QString tit = QStringLiteral("GIOCATORE già presente nei Titolari");
        const QString ris = QStringLiteral("GIOCATORE già presente nelle Riserve");
        for (const char *kind : {"FrmFormGara", "FrmFormazione"}) {
            QTest::addRow("%s, starter as reserve", kind) << kind << "TIT" << true << false << tit;
            QTest::addRow("%s, starter again", kind) << kind << "TIT" << false << false << tit;
            QTest::addRow("%s, reserve as starter", kind) << kind << "RIS" << false << false << ris;
            QTest::addRow("%s, reserve again", kind) << kind << "RIS" << true << false << ris;
            QTest::addRow("%s, namesake of a starter", kind)
                << kind << "TIT" << true << true << tit;
        }
    }
    void playerAlreadyListedIsRefused()
    {
        QFETCH(QString, kind);
        QFETCH(QString, listedAs);
        QFETCH(bool, addAsReserve);
        QFETCH(bool, namesake);
        QFETCH(QString, message);
        int listed = club->conti;
        if (namesake)
            listed = club->player("CONTI PAOLO", "C");
        put(kind, listed, listedAs);
        const QStringList before = Club::rows(table(kind));
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        if (addAsReserve)
            w->OptRis->click();
        QVERIFY(drive::clickEntry(*w->List1, 3)); // the first "C - CONTI PAOLO"
        QCOMPARE(w->List1->selectedItems().first()->data(LineupWindow::IdRole).toInt(),
                 club->conti);
        w->BtnAdd->click();

        QCOMPARE(msgs->texts(), QStringList{message});
        QCOMPARE(msgs->last().icon, ui::Icon::None);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(msgs->last().title, QCoreApplication::applicationName());
        QCOMPARE(Club::rows(table(kind)), before);
        w->close();
    }

    // Any free row serves, whatever game, season or player it held; its other columns stay.
    void addReusesTheFirstFreeRowOfTheTable_data()
    {
        addKinds();
        QTest::newRow("game") << "FrmFormGara";
        QTest::newRow("formation") << "FrmFormazione";
    }
    void addReusesTheFirstFreeRowOfTheTable()
    {
        QFETCH(QString, kind);
        QStringList expected;
        if (isGame(kind)) {
            const int old = fx->addGame(2023, club->serieD);
            const int other = fx->addGame(2024, club->coppa);
            fx->addGameRow(old, club->galli2023, QStringLiteral("TIT"));
            fx->addGameRow(old, club->galli2023, QStringLiteral("RETE"), 37, 0);
            fx->addGameRow(other, club->ferriCoppa, QStringLiteral("RIS"));
            fx->addGameRow(other, club->ferriCoppa, QStringLiteral("SA"), 80, 0);
            expected = Club::rows(table(kind));
            expected[1] = written(kind, 2, club->conti, QStringLiteral("TIT"), "37");
            expected[3] = written(kind, 4, club->bianchi, QStringLiteral("RIS"), "80");
        } else {
            fx->addFormation(club->galli2023, QStringLiteral("TIT"));
            fx->addFormation(club->galli2023, QStringLiteral("RIS"), 0);
            fx->addFormation(club->ferriCoppa, QStringLiteral("TIT"));
            fx->addFormation(club->rossiCoppa, QStringLiteral("TIT"), 0);
            expected = Club::rows(table(kind));
            expected[1] = written(kind, 2, club->conti, QStringLiteral("TIT"));
            expected[3] = written(kind, 4, club->bianchi, QStringLiteral("RIS"));
        }
        expected << written(kind, 5, club->amato, QStringLiteral("RIS"));

        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        QVERIFY(drive::doubleClickEntry(*w->List1, QStringLiteral("C - CONTI PAOLO")));
        w->OptRis->click();
        QVERIFY(drive::doubleClickEntry(*w->List1, QStringLiteral("P - BIANCHI LUCA")));
        QVERIFY(drive::doubleClickEntry(*w->List1, QStringLiteral("D - AMATO LINO")));

        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(Club::rows(table(kind)), expected);
        QCOMPARE(entries(*w->ListTit), QStringList{"C - CONTI PAOLO"});
        QCOMPARE(entries(*w->ListRis), (QStringList{"P - BIANCHI LUCA", "D - AMATO LINO"}));
        w->close();
    }

    void withdrawFreesTheRowShown_data()
    {
        addKinds();
        QTest::addColumn<bool>("reserve");
        QTest::addColumn<bool>("doubleClick");
        for (const char *kind : {"FrmFormGara", "FrmFormazione"}) {
            QTest::addRow("%s, starter by button", kind) << kind << false << false;
            QTest::addRow("%s, reserve by button", kind) << kind << true << false;
            QTest::addRow("%s, starter by double click", kind) << kind << false << true;
            QTest::addRow("%s, reserve by double click", kind) << kind << true << true;
        }
    }
    void withdrawFreesTheRowShown()
    {
        QFETCH(QString, kind);
        QFETCH(bool, reserve);
        QFETCH(bool, doubleClick);
        const QString tipo = reserve ? QStringLiteral("RIS") : QStringLiteral("TIT");
        int shown = 0; // row number of the entry to withdraw
        if (isGame(kind)) {
            // His entry in another game and a freed one in this game come first; his goal
            // and caution in this game must stay.
            const int other = fx->addGame(2024, club->serieD, QStringLiteral("2024-08-25"));
            fx->addGameRow(other, club->conti, tipo);
            fx->addGameRow(club->game, club->conti, tipo, {}, 0);
            fx->addGameRow(club->game, club->conti, tipo);
            fx->addGameRow(club->game, club->conti, QStringLiteral("RETE"), 12);
            fx->addGameRow(club->game, club->conti, QStringLiteral("AMM"));
            fx->addGameRow(club->game, club->bianchi, tipo);
            shown = 3;
        } else {
            fx->addFormation(club->conti, tipo, 0);
            fx->addFormation(club->rossiCoppa, tipo);
            fx->addFormation(club->conti, tipo);
            fx->addFormation(club->bianchi, tipo);
            shown = 3;
        }
        QStringList expected = Club::rows(table(kind));
        expected[shown - 1] = Club::freed(expected[shown - 1]);

        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        QListWidget *list = reserve ? w->ListRis : w->ListTit;
        QCOMPARE(entries(*list), (QStringList{"P - BIANCHI LUCA", "C - CONTI PAOLO"}));
        if (doubleClick) {
            QVERIFY(drive::doubleClickEntry(*list, QStringLiteral("C - CONTI PAOLO")));
        } else {
            QVERIFY(drive::clickEntry(*list, QStringLiteral("C - CONTI PAOLO")));
            (reserve ? w->BtnRem_1 : w->BtnRem_0)->click();
        }

        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(Club::rows(table(kind)), expected);
        QCOMPARE(entries(*list), QStringList{"P - BIANCHI LUCA"});
        QCOMPARE(ids(*list), QList<int>{club->bianchi});
        QCOMPARE((reserve ? w->lblRis : w->lblTit)->text(),
                 reserve ? QStringLiteral("RISERVE (1)") : QStringLiteral("TITOLARI (1)"));
        w->close();
    }

    void withdrawOfARowGoneMeanwhileReports_data()
    {
        addKinds();
        QTest::newRow("game") << "FrmFormGara";
        QTest::newRow("formation") << "FrmFormazione";
    }
    void withdrawOfARowGoneMeanwhileReports()
    {
        QFETCH(QString, kind);
        put(kind, club->rossi, QStringLiteral("TIT"));
        put(kind, club->conti, QStringLiteral("TIT"));
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        fx->sql(QStringLiteral("UPDATE %1 SET Valid=0 WHERE IdGio=?").arg(table(kind)),
                {club->rossi});
        const QStringList before = Club::rows(table(kind));
        QVERIFY(drive::clickEntry(*w->ListTit, QStringLiteral("A - ROSSI MARIO")));
        w->BtnRem_0->click();

        QCOMPARE(msgs->texts(), QStringList{"Durante eliminazione"});
        QCOMPARE(msgs->last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs->last().icon, ui::Icon::None);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(Club::rows(table(kind)), before);
        // The list shows the table again.
        QCOMPARE(entries(*w->ListTit), QStringList{"C - CONTI PAOLO"});
        QCOMPARE(w->lblTit->text(), QStringLiteral("TITOLARI (1)"));
        w->close();
    }

    void engineErrorIsShownAndTheListsKept_data()
    {
        addKinds();
        QTest::addColumn<bool>("withdraw");
        for (const char *kind : {"FrmFormGara", "FrmFormazione"}) {
            QTest::addRow("%s, add", kind) << kind << false;
            QTest::addRow("%s, withdraw", kind) << kind << true;
        }
    }
    void engineErrorIsShownAndTheListsKept()
    {
        QFETCH(QString, kind);
        QFETCH(bool, withdraw);
        put(kind, club->rossi, QStringLiteral("TIT"));
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        fx->sql(QStringLiteral("DROP TABLE %1").arg(table(kind)));
        if (withdraw) {
            QVERIFY(drive::clickEntry(*w->ListTit, QStringLiteral("A - ROSSI MARIO")));
            w->BtnRem_0->click();
        } else {
            QVERIFY(drive::doubleClickEntry(*w->List1, QStringLiteral("C - CONTI PAOLO")));
        }
        QCOMPARE(msgs->calls.size(), 1);
        QCOMPARE(msgs->last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs->last().icon, ui::Icon::Critical);
        QVERIFY(msgs->last().text.contains(table(kind)));
        QCOMPARE(entries(*w->ListTit), QStringList{"A - ROSSI MARIO"});
        QCOMPARE(w->lblTit->text(), QStringLiteral("TITOLARI (1)"));
        QCOMPARE(entries(*w->List1), Club::roster());
        w->close();
    }

    void keyboardAddsAndCloses_data()
    {
        addKinds();
        QTest::newRow("game") << "FrmFormGara";
        QTest::newRow("formation") << "FrmFormazione";
    }
    void keyboardAddsAndCloses()
    {
        QFETCH(QString, kind);
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        QVERIFY(drive::clickEntry(*w->List1, QStringLiteral("D - ESPOSITO GINO")));
        // A mnemonic presses its button as an animated click, which ends a moment later.
        drive::key(Qt::Key_A, Qt::AltModifier);
        QTRY_COMPARE(entries(*w->ListTit), QStringList{"D - ESPOSITO GINO"});
        drive::key(Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!w->isVisible());
        QCOMPARE(Club::rows(table(kind)).size(), 1);
        QVERIFY(msgs->calls.isEmpty());
    }

    void closeWritesNothing_data()
    {
        addKinds();
        QTest::newRow("game") << "FrmFormGara";
        QTest::newRow("formation") << "FrmFormazione";
    }
    void closeWritesNothing()
    {
        QFETCH(QString, kind);
        put(kind, club->rossi, QStringLiteral("TIT"));
        put(kind, club->conti, QStringLiteral("RIS"), 0);
        const QStringList before = Club::rows(table(kind));
        auto w = open(kind);
        QVERIFY(drive::activate(*w));
        w->BtnChiudi->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(Club::rows(table(kind)), before);
        QVERIFY(msgs->calls.isEmpty());
    }
};

VELMORA_TEST(LineupWindowTest)
#include "tst_lineupwindow.moc"
