#include "app/Module1.h"
#include "roster/Form1.h"
#include "roster/FrmInsGio.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <memory>

class FrmInsGioTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int serieA = 0;
    int coppa = 0;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        fx->addSeason(2008);
        serieA = fx->addChampionship(QStringLiteral("SERIE A"));
        coppa = fx->addChampionship(QStringLiteral("COPPA"));
        Module1::selectedSeason = 2008;
        Module1::selectedChampionship = serieA;
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // Only an enrolment in this very season and championship keeps a person out.
    void offersPersonsNotYetEnrolled()
    {
        const int here = fx->addPerson(QStringLiteral("ALFA"));
        const int otherCamp = fx->addPerson(QStringLiteral("BETA"));
        const int otherSeason = fx->addPerson(QStringLiteral("GAMMA"));
        const int nowhere = fx->addPerson(QStringLiteral("DELTA"));
        fx->enrol(here, 2008, serieA);
        fx->enrol(otherCamp, 2008, coppa);
        fx->enrol(otherSeason, 2007, serieA);

        FrmInsGio w;
        QCOMPARE(w.windowTitle(), QStringLiteral("INSERIMENTO IN STAGIONE"));
        QCOMPARE(entries(*w.ComboGio), (QStringList{"BETA", "DELTA", "GAMMA"}));
        QCOMPARE(entries(*w.ComboId),
                 (QStringList{QString::number(otherCamp), QString::number(nowhere),
                              QString::number(otherSeason)}));
        QVERIFY(w.ComboId->isHidden());
        QCOMPARE(w.ComboGio->currentIndex(), -1);
    }

    void okNeedsAChoice_data()
    {
        QTest::addColumn<bool>("everyoneEnrolled");
        QTest::newRow("empty list") << true;
        QTest::newRow("nothing chosen") << false;
    }
    void okNeedsAChoice()
    {
        QFETCH(bool, everyoneEnrolled);
        const int id = fx->addPerson(QStringLiteral("ALFA"));
        if (everyoneEnrolled)
            fx->enrol(id, 2008, serieA);
        const int before = fx->count(QStringLiteral("Giocatori"));
        MsgRecorder msg;
        FrmInsGio w;
        QVERIFY(drive::activate(w));
        QCOMPARE(w.ComboGio->count(), everyoneEnrolled ? 0 : 1);
        drive::clickWidget(*w.BtnOK);
        QCOMPARE(msg.texts(), QStringList{"Selezionare un GIOCATORE"});
        QCOMPARE(msg.last().icon, ui::Icon::Information);
        QCOMPARE(msg.last().title, QString());
        QCOMPARE(QApplication::focusWidget(), w.ComboGio); // where the choice is made
        QVERIFY(w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), before);
    }

    // Return in the list of persons confirms the choice, as "&OK" does.
    void returnEnrolsTheChosenPerson()
    {
        fx->addPerson(QStringLiteral("ALFA"));
        FrmInsGio w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::choose(*w.ComboGio, QStringLiteral("ALFA")));
        QVERIFY(w.ComboGio->hasFocus());
        drive::key(Qt::Key_Return);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), 1);
    }

    void okEnrolsTheChosenPerson()
    {
        fx->addPerson(QStringLiteral("ALFA"));
        const int beta = fx->addPerson(QStringLiteral("BETA"));
        FrmInsGio w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::choose(*w.ComboGio, QStringLiteral("BETA")));
        w.BtnOK->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(!w.isVisible());
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), 1);
        QCOMPARE(fx->count(QStringLiteral("Giocatori"),
                           QStringLiteral("IdAna=? AND Stagione=2008 AND Camp=? AND Ruolo IS NULL "
                                          "AND Peso IS NULL AND Altezza IS NULL AND Scadenza IS "
                                          "NULL AND SocPre IS NULL AND Squalifiche IS NULL"),
                           {beta, serieA}),
                 1);
    }

    // From the main window: the new player is in the roster with no role and no figures.
    void insertFromMainWindowRefreshesRoster()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        ModalHook modal;
        modal.on<FrmInsGio>([](FrmInsGio &w) {
            QVERIFY(drive::activate(w));
            QVERIFY(drive::choose(*w.ComboGio, QStringLiteral("ROSSI MARIO")));
            w.BtnOK->click();
        });
        Form1 main;
        QCOMPARE(main.Fgrid->Rows(), 1);
        main.BtnInsGio->click();
        QCOMPARE(modal.shown, QStringList{"FrmInsGio"});
        QVERIFY(msg.calls.isEmpty());
        QCOMPARE(main.Fgrid->Rows(), 2);
        QCOMPARE(main.Fgrid->TextMatrix(1, 2), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(main.Fgrid->TextMatrix(1, 4), QString());
        for (int col : {5, 6, 7, 8, 10, 11, 12})
            QCOMPARE(main.Fgrid->TextMatrix(1, col), QStringLiteral("0"));
    }

    void cancelWritesNothing()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        ModalHook modal;
        modal.on<FrmInsGio>([](FrmInsGio &w) {
            QVERIFY(drive::activate(w));
            QVERIFY(drive::choose(*w.ComboGio, QStringLiteral("ROSSI MARIO")));
            w.BtnAnnulla->click();
            QVERIFY(!w.isVisible());
            QCOMPARE(w.result(), int(QDialog::Rejected));
        });
        Form1 main;
        main.BtnInsGio->click();
        QCOMPARE(modal.shown, QStringList{"FrmInsGio"});
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), 0);
        QCOMPARE(main.Fgrid->Rows(), 1);
    }

    void refusedWithoutSeasonOrChampionship_data()
    {
        QTest::addColumn<bool>("noSeason");
        QTest::newRow("no season") << true;
        QTest::newRow("no championship") << false;
    }
    void refusedWithoutSeasonOrChampionship()
    {
        QFETCH(bool, noSeason);
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->sql(noSeason ? QStringLiteral("DELETE FROM Stagioni")
                         : QStringLiteral("DELETE FROM Campionati"));
        MsgRecorder msg;
        ModalHook modal;
        Form1 main;
        main.BtnInsGio->click();
        QVERIFY(modal.shown.isEmpty());
        QCOMPARE(msg.texts(), QStringList{"Selezionare prima STAGIONE e CAMPIONATO"});
        QCOMPARE(msg.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(msg.last().icon, ui::Icon::Information);
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), 0);
    }
};

VELMORA_TEST(FrmInsGioTest)
#include "tst_frminsgio.moc"
