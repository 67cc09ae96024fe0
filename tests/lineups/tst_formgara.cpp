#include "app/Module1.h"
#include "lineups/FrmFormGara.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include "Club.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// The line-up of one game: what Carica loads and which rows it leaves alone.
class FrmFormGaraTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<Club> club;
    std::unique_ptr<MsgRecorder> msgs;

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

    void caricaShowsThisGamesLineupOnly()
    {
        const int other = fx->addGame(2024, club->serieD, QStringLiteral("2024-08-25"));
        fx->addGameRow(club->game, club->rossi, QStringLiteral("TIT"));
        fx->addGameRow(club->game, club->conti, QStringLiteral("RIS"));
        fx->addGameRow(club->game, club->amato, QStringLiteral("RETE"), 20);
        fx->addGameRow(club->game, club->esposito, QStringLiteral("TIT"), {}, 0);
        fx->addGameRow(other, club->bianchi, QStringLiteral("TIT"));
        fx->addGameRow(other, club->zanetti, QStringLiteral("RIS"));

        FrmFormGara w;
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - FORMAZIONE: "));
        QCOMPARE(w.lblGio->text(), QStringLiteral("GIOCATORI"));
        QCOMPARE(w.lblTit->text(), QStringLiteral("TITOLARI"));
        QCOMPARE(w.lblRis->text(), QStringLiteral("RISERVE"));
        w.Carica(club->game, QStringLiteral("CASA - OSPITI"));
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - FORMAZIONE: CASA - OSPITI"));
        QCOMPARE(entries(*w.List1), Club::roster());
        QCOMPARE(entries(*w.ListTit), QStringList{"A - ROSSI MARIO"});
        QCOMPARE(entries(*w.ListRis), QStringList{"C - CONTI PAOLO"});
        QCOMPARE(w.lblTit->text(), QStringLiteral("TITOLARI (1)"));
        QCOMPARE(w.lblRis->text(), QStringLiteral("RISERVE (1)"));
        QVERIFY(msgs->calls.isEmpty());
    }

    // A row of this game written under another season is not in the list, so withdrawing
    // must not take it in place of the one shown.
    void withdrawLeavesRowsTheListDoesNotShow()
    {
        fx->sql(QStringLiteral("INSERT INTO DatiGare (Valid,IdGara,Stagione,Camp,IdGio,Tipo) "
                               "VALUES (1,?,2023,?,?,'TIT')"),
                {club->game, club->serieD, club->conti});
        fx->addGameRow(club->game, club->conti, QStringLiteral("TIT"));
        QStringList expected = Club::rows(QStringLiteral("DatiGare"));
        expected[1] = Club::freed(expected[1]);

        FrmFormGara w;
        w.Carica(club->game, QStringLiteral("CASA - OSPITI"));
        QVERIFY(drive::activate(w));
        QCOMPARE(entries(*w.ListTit), QStringList{"C - CONTI PAOLO"});
        QVERIFY(drive::doubleClickEntry(*w.ListTit, QStringLiteral("C - CONTI PAOLO")));
        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(Club::rows(QStringLiteral("DatiGare")), expected);
        QCOMPARE(w.ListTit->count(), 0);
        w.close();
    }
};

VELMORA_TEST(FrmFormGaraTest)
#include "tst_formgara.moc"
