#include "data/Sql.h"
#include "settings/FrmCampionati.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace {

// The table as "Id:Nome" in order of Id, for comparing with both lists at once.
QStringList storedRows()
{
    QStringList rows;
    QSqlQuery q = data::run(QStringLiteral("SELECT Id,Nome FROM Campionati ORDER BY Id"));
    while (q.next())
        rows << q.value(0).toString() + QLatin1Char(':') + q.value(1).toString();
    return rows;
}

QStringList listed(const FrmCampionati &w)
{
    QStringList rows;
    const QStringList names = entries(*w.List1);
    const QStringList ids = entries(*w.List2);
    for (int i = 0; i < names.size(); ++i)
        rows << ids.value(i) + QLatin1Char(':') + names[i];
    if (ids.size() != names.size())
        rows << QStringLiteral("lists of different length");
    return rows;
}

} // namespace

class ChampionshipsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<MsgRecorder> msgs;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(fx->isOpen());
        msgs = std::make_unique<MsgRecorder>();
    }
    void cleanup()
    {
        msgs.reset();
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void windowListsNamesWithTheirIds()
    {
        fx->addChampionship(QStringLiteral("SERIE D"));
        fx->addChampionship(QStringLiteral("COPPA"));
        fx->addChampionship(QStringLiteral("ALLIEVI"));
        fx->sql(QStringLiteral("DELETE FROM Campionati WHERE Nome='COPPA'"));
        FrmCampionati w;
        QCOMPARE(w.objectName(), QStringLiteral("FrmCampionati"));
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - CAMPIONATI"));
        QVERIFY(w.List2->isHidden());
        QCOMPARE(listed(w), QStringList({"1:SERIE D", "3:ALLIEVI"}));
        QVERIFY(drive::activate(w));
        w.BtnChiudi->click();
        QVERIFY(!w.isVisible());
    }

    void insertTakesTheNameAsTyped_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<QString>("message"); // empty: none
        QTest::addColumn<bool>("stored");
        QTest::newRow("new name") << "Eccellenza"
                                  << "" << true;
        QTest::newRow("apostrophe") << "Coppa d'Italia"
                                    << "" << true;
        QTest::newRow("trailing blank kept") << "Eccellenza "
                                             << "" << true;
        QTest::newRow("leading blank is another name") << " Serie D"
                                                       << "" << true;
        QTest::newRow("same name") << "Serie D"
                                   << "CAMPIONATO già esistente" << false;
        QTest::newRow("other case") << "sERIE d"
                                    << "CAMPIONATO già esistente" << false;
        QTest::newRow("cancelled or empty") << ""
                                            << "" << false;
        QTest::newRow("blanks only") << "   "
                                     << "" << false;
    }
    void insertTakesTheNameAsTyped()
    {
        QFETCH(QString, answer);
        QFETCH(QString, message);
        QFETCH(bool, stored);
        fx->addChampionship(QStringLiteral("Serie D"));
        FrmCampionati w;
        msgs->inputAnswers << answer;
        w.BtnInserisci->click();

        QCOMPARE(msgs->inputPrompts, QStringList{"Nome CAMPIONATO ? | Inserimento"});
        if (message.isEmpty()) {
            QVERIFY(msgs->calls.isEmpty());
        } else {
            QCOMPARE(msgs->texts(), QStringList{message});
            QCOMPARE(msgs->last().title, QString());
            QCOMPARE(msgs->last().icon, ui::Icon::Exclamation);
            QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        }
        QStringList expected{QStringLiteral("1:Serie D")};
        if (stored)
            expected << QStringLiteral("2:") + answer;
        QCOMPARE(storedRows(), expected);
        QCOMPARE(listed(w), expected);
    }

    void deleteAsksFirstThenTestsForPlayers_data()
    {
        QTest::addColumn<bool>("enrolled");
        QTest::addColumn<bool>("confirm");
        QTest::addColumn<QStringList>("messages");
        QTest::addColumn<bool>("deleted");
        const QString question = QStringLiteral("Eliminare 'SERIE D' ?");
        const QString refusal = QStringLiteral("Ci sono Giocatori inseriti nel Campionato");
        QTest::newRow("free, confirmed") << false << true << QStringList{question} << true;
        QTest::newRow("free, not confirmed") << false << false << QStringList{question} << false;
        QTest::newRow("in use, confirmed")
            << true << true << QStringList{question, refusal} << false;
        QTest::newRow("in use, not confirmed") << true << false << QStringList{question} << false;
    }
    void deleteAsksFirstThenTestsForPlayers()
    {
        QFETCH(bool, enrolled);
        QFETCH(bool, confirm);
        QFETCH(QStringList, messages);
        QFETCH(bool, deleted);
        fx->addSeason(2024);
        fx->addChampionship(QStringLiteral("ALLIEVI"));
        const int camp = fx->addChampionship(QStringLiteral("SERIE D"));
        fx->addGame(2024, camp); // games never protect a championship
        if (enrolled)
            fx->enrol(fx->addPerson(QStringLiteral("ROSSI MARIO")), 2024, camp);
        FrmCampionati w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("SERIE D")));
        msgs->answers << (confirm ? ui::Answer::Yes : ui::Answer::No);
        w.BtnElimina->click();

        QCOMPARE(msgs->texts(), messages);
        QCOMPARE(msgs->calls.at(0).title, QStringLiteral("CONFERMA"));
        QCOMPARE(msgs->calls.at(0).icon, ui::Icon::Question);
        QCOMPARE(msgs->calls.at(0).buttons, ui::Buttons::YesNo);
        QVERIFY(msgs->calls.at(0).defaultSecond);
        if (messages.size() > 1) {
            QCOMPARE(msgs->last().title, QStringLiteral("Impossibile eliminarlo"));
            QCOMPARE(msgs->last().icon, ui::Icon::Information);
            QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        }
        const QStringList remaining =
            deleted ? QStringList{"1:ALLIEVI"} : QStringList{"1:ALLIEVI", "2:SERIE D"};
        QCOMPARE(storedRows(), remaining);
        QCOMPARE(listed(w), remaining);
    }

    void deleteAllowedOnceTheEnrolmentIsGone()
    {
        fx->addSeason(2024);
        const int camp = fx->addChampionship(QStringLiteral("SERIE D"));
        const int idGio = fx->enrol(fx->addPerson(QStringLiteral("ROSSI MARIO")), 2024, camp);
        FrmCampionati w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("SERIE D")));
        msgs->answers << ui::Answer::Yes << ui::Answer::Yes;
        w.BtnElimina->click();
        QCOMPARE(fx->count(QStringLiteral("Campionati")), 1);

        fx->sql(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {idGio});
        msgs->clear();
        w.BtnElimina->click();
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("Eliminare 'SERIE D' ?")});
        QCOMPARE(fx->count(QStringLiteral("Campionati")), 0);
        QCOMPARE(w.List1->count(), 0);
        QCOMPARE(w.List2->count(), 0);
    }

    void insertAndDeleteInOneOpeningRemoveThatRow()
    {
        fx->addChampionship(QStringLiteral("A"));
        fx->addChampionship(QStringLiteral("B"));
        fx->addChampionship(QStringLiteral("C"));
        fx->sql(QStringLiteral("DELETE FROM Campionati WHERE Nome='B'"));
        FrmCampionati w;
        QVERIFY(drive::activate(w));
        msgs->inputAnswers << QStringLiteral("D");
        w.BtnInserisci->click();
        QCOMPARE(listed(w), QStringList({"1:A", "3:C", "4:D"}));

        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("D")));
        msgs->answers << ui::Answer::Yes;
        w.BtnElimina->click();
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("Eliminare 'D' ?")});
        QCOMPARE(storedRows(), QStringList({"1:A", "3:C"}));
        QCOMPARE(listed(w), QStringList({"1:A", "3:C"}));
    }

    // Games and enrolments may outlive their championship: a new one must not inherit them.
    void newChampionshipNeverTakesANumberStillInUse_data()
    {
        QTest::addColumn<QString>("row"); // a row that carries Camp 5
        QTest::newRow("a game") << "INSERT INTO Gare (Stagione,Camp) VALUES (2024,5)";
        QTest::newRow("an enrolment")
            << "INSERT INTO Giocatori (IdAna,Stagione,Camp) VALUES (1,2024,5)";
        QTest::newRow("a game row") << "INSERT INTO DatiGare (Valid,IdGara,Stagione,Camp,IdGio,"
                                       "Tipo) VALUES (0,1,2024,5,1,'TIT')";
    }
    void newChampionshipNeverTakesANumberStillInUse()
    {
        QFETCH(QString, row);
        fx->addChampionship(QStringLiteral("A"));
        fx->sql(row);
        FrmCampionati w;
        msgs->inputAnswers << QStringLiteral("C");
        w.BtnInserisci->click();
        QCOMPARE(listed(w), QStringList({"1:A", "6:C"}));
    }

    // Deleting a championship leaves its games; the next one is numbered past them.
    void aDeletedChampionshipsGamesStayItsOwn()
    {
        fx->addSeason(2024);
        fx->addChampionship(QStringLiteral("A"));
        const int b = fx->addChampionship(QStringLiteral("B"));
        fx->addGame(2024, b);
        FrmCampionati w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("B")));
        msgs->answers << ui::Answer::Yes;
        w.BtnElimina->click();
        msgs->inputAnswers << QStringLiteral("C");
        w.BtnInserisci->click();
        QCOMPARE(listed(w), QStringList({"1:A", "3:C"}));
        QCOMPARE(fx->count(QStringLiteral("Gare"), QStringLiteral("Camp=?"), {b}), 1);
    }

    void deleteWithoutSelectionAsksForOne()
    {
        FrmCampionati w;
        QCOMPARE(w.List1->count(), 0);
        QCOMPARE(w.List2->count(), 0);
        QVERIFY(drive::activate(w));
        drive::clickWidget(*w.BtnElimina);
        QCOMPARE(msgs->texts(), QStringList{QStringLiteral("Selezionare un CAMPIONATO")});
        QCOMPARE(msgs->last().title, QString());
        QCOMPARE(msgs->last().icon, ui::Icon::Information);
        QCOMPARE(msgs->last().buttons, ui::Buttons::Ok);
        QCOMPARE(QApplication::focusWidget(), w.List1); // where the choice is made
    }

    void deleteOfAVanishedRowReportsAndRefreshes()
    {
        fx->addChampionship(QStringLiteral("A"));
        fx->addChampionship(QStringLiteral("B"));
        FrmCampionati w;
        fx->sql(QStringLiteral("DELETE FROM Campionati WHERE Nome='A'"));
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("A")));
        msgs->answers << ui::Answer::Yes;
        w.BtnElimina->click();
        QCOMPARE(msgs->texts(), QStringList({QStringLiteral("Eliminare 'A' ?"),
                                             QStringLiteral("Durante eliminazione")}));
        QCOMPARE(msgs->last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs->last().icon, ui::Icon::Critical);
        QCOMPARE(listed(w), QStringList{"2:B"});
    }

    void engineErrorIsShownAndTheListsKept()
    {
        fx->addChampionship(QStringLiteral("A"));
        FrmCampionati w;
        fx->sql(QStringLiteral("DROP TABLE Campionati"));
        msgs->inputAnswers << QStringLiteral("B");
        w.BtnInserisci->click();
        QCOMPARE(msgs->calls.size(), 1);
        QCOMPARE(msgs->last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs->last().icon, ui::Icon::Critical);
        QVERIFY(msgs->last().text.contains(QStringLiteral("Campionati")));
        QCOMPARE(listed(w), QStringList{"1:A"});
    }
};

VELMORA_TEST(ChampionshipsTest)
#include "tst_championships.moc"
