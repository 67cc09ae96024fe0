#include "app/Module1.h"
#include "lineups/FrmFormazione.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include "Club.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// The season formation: whose rows it shows, and the main window's "Formazione".
class FrmFormazioneTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<Club> club;
    std::unique_ptr<MsgRecorder> msgs;
    std::unique_ptr<ModalHook> hook;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(fx->isOpen());
        club = std::make_unique<Club>(*fx);
        msgs = std::make_unique<MsgRecorder>();
        hook = std::make_unique<ModalHook>();
    }
    void cleanup()
    {
        hook.reset();
        msgs.reset();
        club.reset();
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void showsTheSelectedRostersFormationOnly()
    {
        fx->addFormation(club->rossiCoppa, QStringLiteral("TIT"));
        fx->addFormation(club->conti, QStringLiteral("TIT"));
        fx->addFormation(club->galli2023, QStringLiteral("RIS"));
        fx->addFormation(club->ferriCoppa, QStringLiteral("RIS"));
        fx->addFormation(club->bianchi, QStringLiteral("RIS"));
        FrmFormazione w;
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - FORMAZIONE"));
        QCOMPARE(entries(*w.ListTit), QStringList{"C - CONTI PAOLO"});
        QCOMPARE(entries(*w.ListRis), QStringList{"P - BIANCHI LUCA"});
        QCOMPARE(w.lblTit->text(), QStringLiteral("TITOLARI (1)"));
        QCOMPARE(w.lblRis->text(), QStringLiteral("RISERVE (1)"));
    }

    void mainMenuShowsTheSelectedFormation()
    {
        fx->addFormation(club->ferriCoppa, QStringLiteral("TIT"));
        Form1 form;
        QVERIFY(drive::activate(form));
        QStringList starters;
        QList<int> roster;
        hook->on<FrmFormazione>([&](FrmFormazione &w) {
            QVERIFY(drive::activate(w));
            roster = ids(*w.List1);
            starters = entries(*w.ListTit);
            if (Module1::selectedChampionship == club->serieD)
                QVERIFY(drive::doubleClickEntry(*w.List1, QStringLiteral("A - ROSSI MARIO")));
            w.BtnChiudi->click();
        });
        form.mnuFormazione->trigger();
        QCOMPARE(hook->shown, QStringList{"FrmFormazione"});
        QCOMPARE(roster, (QList<int>{club->bianchi, club->amato, club->esposito, club->conti,
                                     club->rossi, club->zanetti}));
        QVERIFY(starters.isEmpty());
        QCOMPARE(Club::rows(QStringLiteral("Formazione")),
                 (QStringList{QStringLiteral("1:1:%1:TIT").arg(club->ferriCoppa),
                              QStringLiteral("2:1:%1:TIT").arg(club->rossi)}));

        // The same person in the other championship is another player with his own rows.
        QVERIFY(drive::choose(*form.ComboCamp, QStringLiteral("COPPA")));
        form.mnuFormazione->trigger();
        QCOMPARE(hook->shown, (QStringList{"FrmFormazione", "FrmFormazione"}));
        QCOMPARE(roster, (QList<int>{club->ferriCoppa, club->rossiCoppa}));
        QCOMPARE(starters, QStringList{"P - FERRI ALDO"});
        QVERIFY(msgs->calls.isEmpty());
        form.close();
    }

    void mainMenuNeedsSeasonAndChampionship_data()
    {
        QTest::addColumn<QString>("emptied");
        QTest::newRow("no season") << "Stagioni";
        QTest::newRow("no championship") << "Campionati";
    }
    void mainMenuNeedsSeasonAndChampionship()
    {
        QFETCH(QString, emptied);
        fx->sql(QStringLiteral("DELETE FROM %1").arg(emptied));
        Form1 form;
        QVERIFY(drive::activate(form));
        form.mnuFormazione->trigger();
        QCOMPARE(msgs->texts(), QStringList{"Selezionare prima STAGIONE e CAMPIONATO"});
        QCOMPARE(msgs->last().icon, ui::Icon::Information);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(msgs->last().title, QStringLiteral("AVVISO"));
        QVERIFY(hook->shown.isEmpty());
        QCOMPARE(fx->count(QStringLiteral("Formazione")), 0);
        form.close();
    }
};

VELMORA_TEST(FrmFormazioneTest)
#include "tst_formazione.moc"
