#include "core/Dates.h"
#include "settings/FrmStagioni.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// The stored season numbers, oldest first, as "2010,2011".
QString storedSeasons(Fixture &fx)
{
    return fx
        .scalar(QStringLiteral(
            "SELECT group_concat(Nome, ',') FROM (SELECT Nome FROM Stagioni ORDER BY Nome)"))
        .toString();
}

} // namespace

class SeasonsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<MsgRecorder> msgs;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(fx->isOpen());
        msgs = std::make_unique<MsgRecorder>();
        core::setToday(QDate(2026, 5, 10));
    }
    void cleanup()
    {
        msgs.reset();
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void choiceListRunsToNextYearsSeason_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("count");
        QTest::newRow("new year's day") << QDate(2026, 1, 1) << "2027-28" << 20;
        QTest::newRow("new year's eve") << QDate(2026, 12, 31) << "2027-28" << 20;
        QTest::newRow("first years") << QDate(2009, 6, 1) << "2010-11" << 3;
    }
    void choiceListRunsToNextYearsSeason()
    {
        QFETCH(QDate, today);
        QFETCH(QString, last);
        QFETCH(int, count);
        core::setToday(today);
        FrmStagioni w;
        const QStringList offered = entries(*w.ComboStag);
        QCOMPARE(offered.size(), count);
        QCOMPARE(offered.first(), QStringLiteral("2008-09"));
        QCOMPARE(offered.last(), last);
        QStringList sorted = offered;
        sorted.sort();
        QCOMPARE(offered, sorted);
        QCOMPARE(w.ComboStag->currentIndex(), -1);
        QCOMPARE(w.ComboStag->currentText(), QString());
    }

    void windowShowsStoredSeasons()
    {
        fx->addSeason(2099);
        fx->addSeason(2008);
        fx->addSeason(1999);
        FrmStagioni w;
        QCOMPARE(w.objectName(), QStringLiteral("FrmStagioni"));
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - STAGIONI"));
        QCOMPARE(entries(*w.List1), QStringList({"1999-00", "2008-09", "2099-100"}));
        QVERIFY(drive::activate(w));
        w.BtnChiudi->click();
        QVERIFY(!w.isVisible());
    }

    void addStoresTheSeasonNumber_data()
    {
        QTest::addColumn<QList<int>>("before");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QStringList>("listed");
        QTest::newRow("empty table") << QList<int>{} << "2008-09" << QStringList{"2008-09"};
        QTest::newRow("between two")
            << QList<int>{2020, 2010} << "2015-16" << QStringList{"2010-11", "2015-16", "2020-21"};
        QTest::newRow("next year's season")
            << QList<int>{2025} << "2027-28" << QStringList{"2025-26", "2027-28"};
    }
    void addStoresTheSeasonNumber()
    {
        QFETCH(QList<int>, before);
        QFETCH(QString, chosen);
        QFETCH(QStringList, listed);
        for (int season : before)
            fx->addSeason(season);
        FrmStagioni w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::choose(*w.ComboStag, chosen));
        w.BtnAdd->click();

        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(fx->count(QStringLiteral("Stagioni"), QStringLiteral("Nome=?"),
                           {chosen.left(4).toInt()}),
                 1);
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), before.size() + 1);
        QCOMPARE(entries(*w.List1), listed);
        QCOMPARE(w.ComboStag->currentText(), chosen);
    }

    void addWithoutChoiceAsksForOne()
    {
        FrmStagioni w;
        QVERIFY(drive::activate(w));
        drive::clickWidget(*w.BtnAdd);
        QCOMPARE(msgs->calls.size(), 1);
        QCOMPARE(msgs->last().text, QStringLiteral("Selezionare una STAGIONE"));
        QCOMPARE(msgs->last().title, QString());
        QCOMPARE(msgs->last().icon, ui::Icon::Information);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(QApplication::focusWidget(), w.ComboStag); // where the choice is made
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 0);
    }

    void duplicateRefusedBeforeTheStore()
    {
        fx->addSeason(2010);
        FrmStagioni w;
        // Any statement now fails loudly, so a refusal with no "Errore" never reached it.
        fx->sql(QStringLiteral("DROP TABLE Stagioni"));
        QVERIFY(drive::activate(w));
        QVERIFY(drive::choose(*w.ComboStag, QStringLiteral("2010-11")));
        w.BtnAdd->click();
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("STAGIONE già esistente")});
        QCOMPARE(msgs->last().title, QString());
        QCOMPARE(msgs->last().icon, ui::Icon::Exclamation);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(entries(*w.List1), QStringList{"2010-11"});
    }

    void deleteGuardedByEnrolmentsOnly_data()
    {
        QTest::addColumn<bool>("enrolled");
        QTest::addColumn<bool>("withGame");
        QTest::newRow("nothing refers to it") << false << false;
        QTest::newRow("only a game") << false << true;
        QTest::newRow("a player enrolled") << true << false;
    }
    void deleteGuardedByEnrolmentsOnly()
    {
        QFETCH(bool, enrolled);
        QFETCH(bool, withGame);
        fx->addSeason(2010);
        fx->addSeason(2011);
        const int camp = fx->addChampionship(QStringLiteral("SERIE D"));
        if (enrolled)
            fx->enrol(fx->addPerson(QStringLiteral("ROSSI MARIO")), 2011, camp);
        if (withGame)
            fx->addGame(2011, camp);
        FrmStagioni w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("2011-12")));
        w.BtnElimina->click();

        if (enrolled) {
            QCOMPARE(msgs->calls.size(), 1);
            QCOMPARE(msgs->last().text,
                     QStringLiteral("Ci sono Giocatori inseriti nella Stagione"));
            QCOMPARE(msgs->last().title, QStringLiteral("Impossibile eliminarla"));
            QCOMPARE(msgs->last().icon, ui::Icon::Information);
            QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
            QCOMPARE(storedSeasons(*fx), QStringLiteral("2010,2011"));
            QCOMPARE(w.List1->currentItem()->text(), QStringLiteral("2011-12"));
        } else {
            QVERIFY(msgs->calls.isEmpty());
            QCOMPARE(storedSeasons(*fx), QStringLiteral("2010"));
            QCOMPARE(entries(*w.List1), QStringList{"2010-11"});
            QVERIFY(w.List1->selectedItems().isEmpty());
        }
    }

    void deleteAllowedOnceTheEnrolmentIsGone()
    {
        fx->addSeason(2012);
        const int camp = fx->addChampionship(QStringLiteral("ECCELLENZA"));
        const int idGio = fx->enrol(fx->addPerson(QStringLiteral("BIANCHI LUCA")), 2012, camp);
        FrmStagioni w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("2012-13")));
        w.BtnElimina->click();
        QCOMPARE(msgs->calls.size(), 1);
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);

        fx->sql(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {idGio});
        msgs->clear();
        w.BtnElimina->click();
        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 0);
        QCOMPARE(w.List1->count(), 0);
    }

    void deleteWithoutSelectionAsksForOne()
    {
        fx->addSeason(2010);
        FrmStagioni w;
        QVERIFY(drive::activate(w));
        drive::clickWidget(*w.BtnElimina);
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("Selezionare una STAGIONE")});
        QCOMPARE(msgs->last().title, QString());
        QCOMPARE(msgs->last().icon, ui::Icon::Information);
        QCOMPARE(QApplication::focusWidget(), w.List1); // where the choice is made
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
    }

    // A season stored twice, as another tool may leave it, goes one row at a time.
    void deleteTakesOneRowOfASeasonStoredTwice()
    {
        fx->addSeason(2010);
        fx->addSeason(2010);
        FrmStagioni w;
        QVERIFY(drive::activate(w));
        QCOMPARE(entries(*w.List1), QStringList(2, "2010-11"));
        QVERIFY(drive::clickEntry(*w.List1, 1));
        w.BtnElimina->click();
        QVERIFY(msgs->calls.isEmpty());
        QCOMPARE(storedSeasons(*fx), QStringLiteral("2010"));
        QCOMPARE(entries(*w.List1), QStringList{"2010-11"});
    }

    void deleteOfAVanishedRowReportsAndRefreshes()
    {
        fx->addSeason(2010);
        fx->addSeason(2011);
        FrmStagioni w;
        fx->sql(QStringLiteral("DELETE FROM Stagioni WHERE Nome=2010"));
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("2010-11")));
        w.BtnElimina->click();
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("Durante eliminazione")});
        QCOMPARE(msgs->last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs->last().icon, ui::Icon::Critical);
        QCOMPARE(entries(*w.List1), QStringList{"2011-12"});
    }

    void engineErrorIsShownAndTheListKept()
    {
        fx->addSeason(2010);
        FrmStagioni w;
        fx->sql(QStringLiteral("DROP TABLE Giocatori"));
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("2010-11")));
        w.BtnElimina->click();
        QCOMPARE(msgs->calls.size(), 1);
        QCOMPARE(msgs->last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs->last().icon, ui::Icon::Critical);
        QVERIFY(msgs->last().text.contains(QStringLiteral("Giocatori")));
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
        QCOMPARE(entries(*w.List1), QStringList{"2010-11"});
    }
};

VELMORA_TEST(SeasonsTest)
#include "tst_seasons.moc"
