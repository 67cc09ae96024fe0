#include "app/Module1.h"
#include "core/Dates.h"
#include "roster/Form1.h"
#include "settings/FrmCampionati.h"
#include "settings/FrmStagioni.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// The main window's "Impostazioni" menu: what its selectors show once a window has closed.
class SettingsMenuTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<MsgRecorder> msgs;
    std::unique_ptr<ModalHook> hook;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(fx->isOpen());
        msgs = std::make_unique<MsgRecorder>();
        hook = std::make_unique<ModalHook>();
        core::setToday(QDate(2026, 3, 1));
    }
    void cleanup()
    {
        hook.reset();
        msgs.reset();
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void seasonsWindowRefillsTheSeasonSelector_data()
    {
        QTest::addColumn<QString>("added");   // empty: none
        QTest::addColumn<QString>("deleted"); // empty: none
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("selected");
        QTest::newRow("added the newest")
            << "2026-27"
            << "" << QStringList{"2010-11", "2012-13", "2026-27"} << "2026-27";
        QTest::newRow("added an older one")
            << "2011-12"
            << "" << QStringList{"2010-11", "2011-12", "2012-13"} << "2012-13";
        QTest::newRow("deleted the newest") << ""
                                            << "2012-13" << QStringList{"2010-11"} << "2010-11";
        QTest::newRow("nothing changed") << ""
                                         << "" << QStringList{"2010-11", "2012-13"} << "2012-13";
    }
    void seasonsWindowRefillsTheSeasonSelector()
    {
        QFETCH(QString, added);
        QFETCH(QString, deleted);
        QFETCH(QStringList, offered);
        QFETCH(QString, selected);
        fx->addSeason(2010);
        fx->addSeason(2012);
        fx->addChampionship(QStringLiteral("SERIE D"));
        Form1 form;
        QVERIFY(drive::activate(form));
        // The user was looking at an older season.
        QVERIFY(drive::choose(*form.ComboStag, QStringLiteral("2010-11")));
        hook->on<FrmStagioni>([&](FrmStagioni &w) {
            QVERIFY(drive::activate(w));
            if (!added.isEmpty()) {
                QVERIFY(drive::choose(*w.ComboStag, added));
                w.BtnAdd->click();
            }
            if (!deleted.isEmpty()) {
                QVERIFY(drive::clickEntry(*w.List1, deleted));
                w.BtnElimina->click();
            }
            w.BtnChiudi->click();
            QVERIFY(!w.isVisible());
        });
        form.mnuStag->trigger();

        QCOMPARE(hook->shown, QStringList{"FrmStagioni"});
        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(entries(*form.ComboStag), offered);
        QCOMPARE(form.ComboStag->currentText(), selected);
        QCOMPARE(Module1::selectedSeasonName, selected);
        QCOMPARE(Module1::selectedSeason, selected.left(4).toInt());
        QCOMPARE(Module1::selectedChampionshipName, QStringLiteral("SERIE D"));
    }

    void championshipsWindowRefillsTheChampionshipSelector_data()
    {
        QTest::addColumn<QString>("added");   // empty: none
        QTest::addColumn<QString>("deleted"); // empty: none
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QString>("selected");
        QTest::newRow("added one") << "ALLIEVI"
                                   << "" << QStringList{"SERIE D", "COPPA", "ALLIEVI"} << "SERIE D";
        QTest::newRow("deleted the first") << ""
                                           << "SERIE D" << QStringList{"COPPA"} << "COPPA";
        QTest::newRow("nothing changed") << ""
                                         << "" << QStringList{"SERIE D", "COPPA"} << "SERIE D";
    }
    void championshipsWindowRefillsTheChampionshipSelector()
    {
        QFETCH(QString, added);
        QFETCH(QString, deleted);
        QFETCH(QStringList, offered);
        QFETCH(QString, selected);
        fx->addSeason(2024);
        fx->addChampionship(QStringLiteral("SERIE D"));
        fx->addChampionship(QStringLiteral("COPPA"));
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::choose(*form.ComboCamp, QStringLiteral("COPPA")));
        if (!added.isEmpty())
            msgs->inputAnswers << added;
        if (!deleted.isEmpty())
            msgs->answers << ui::Answer::Yes;
        hook->on<FrmCampionati>([&](FrmCampionati &w) {
            QVERIFY(drive::activate(w));
            if (!added.isEmpty())
                w.BtnInserisci->click();
            if (!deleted.isEmpty()) {
                QVERIFY(drive::clickEntry(*w.List1, deleted));
                w.BtnElimina->click();
            }
            w.BtnChiudi->click();
            QVERIFY(!w.isVisible());
        });
        form.mnuCamp->trigger();

        QCOMPARE(hook->shown, QStringList{"FrmCampionati"});
        QCOMPARE(entries(*form.ComboCamp), offered);
        QCOMPARE(form.ComboCamp->currentText(), selected);
        const int id =
            fx->scalar(QStringLiteral("SELECT Id FROM Campionati WHERE Nome=?"), {selected})
                .toInt();
        QCOMPARE(form.ComboIdCamp->currentText(), QString::number(id));
        QCOMPARE(Module1::selectedChampionshipName, selected);
        QCOMPARE(Module1::selectedChampionship, id);
        QCOMPARE(Module1::selectedSeasonName, QStringLiteral("2024-25"));
    }

    void changedCardIsOfferedForSavingOnReselection_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("save");
        QTest::newRow("seasons, yes") << "FrmStagioni" << true;
        QTest::newRow("seasons, no") << "FrmStagioni" << false;
        QTest::newRow("championships, yes") << "FrmCampionati" << true;
        QTest::newRow("championships, no") << "FrmCampionati" << false;
    }
    void changedCardIsOfferedForSavingOnReselection()
    {
        QFETCH(QString, window);
        QFETCH(bool, save);
        fx->addSeason(2024);
        const int camp = fx->addChampionship(QStringLiteral("SERIE D"));
        const int idGio = fx->enrol(fx->addPerson(QStringLiteral("ROSSI MARIO")), 2024, camp);
        fx->sql(QStringLiteral("UPDATE Giocatori SET Peso=75 WHERE IdGio=?"), {idGio});
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        QCOMPARE(form.TxtId->text(), QString::number(idGio));
        drive::type(*form.TxtPeso, QStringLiteral("82"));
        QVERIFY(form.cardModified());

        // Asked before the window opens, since its changes may reload the selectors.
        msgs->answers << (save ? ui::Answer::Yes : ui::Answer::No);
        if (window == QLatin1String("FrmStagioni"))
            form.mnuStag->trigger();
        else
            form.mnuCamp->trigger();

        QCOMPARE(hook->shown, QStringList{window});
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("Salvare le modifiche apportate ?")});
        QCOMPARE(msgs->last().title, QStringLiteral("AVVISO"));
        QCOMPARE(msgs->last().icon, ui::Icon::Question);
        QCOMPARE(msgs->last().buttons, ui::Buttons::YesNoCancel);
        const double weight =
            fx->scalar(QStringLiteral("SELECT Peso FROM Giocatori WHERE IdGio=?"), {idGio})
                .toDouble();
        QCOMPARE(weight, save ? 82.0 : 75.0);
        QVERIFY(form.TxtId->text().isEmpty());
        QVERIFY(!form.cardModified());
    }
};

VELMORA_TEST(SettingsMenuTest)
#include "tst_settingsmenu.moc"
