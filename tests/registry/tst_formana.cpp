#include "Pictures.h"
#include "app/Module1.h"
#include "registry/FormAna.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

void makePhoto(int idAna)
{
    QVERIFY(pictures::writeJpeg(pictures::photo(idAna), 40, 60));
}

bool photoExists(int idAna)
{
    return QFile::exists(pictures::photo(idAna));
}

} // namespace

class FormAnaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void listsNamesWithCountInTitle_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("title");
        QTest::newRow("none") << QStringList() << "VELMORA - ANAGRAFICA (0 giocatori)";
        QTest::newRow("one") << QStringList{"ROSSI MARIO"} << "VELMORA - ANAGRAFICA (1 giocatore)";
        QTest::newRow("several") << QStringList{"VERDI LUCA", "BIANCHI ANNA", "ROSSI MARIO"}
                                 << "VELMORA - ANAGRAFICA (3 giocatori)";
    }
    void listsNamesWithCountInTitle()
    {
        QFETCH(QStringList, names);
        QFETCH(QString, title);
        for (const QString &n : names)
            fx->addPerson(n);
        FormAna w;
        QCOMPARE(w.windowTitle(), title);
        names.sort();
        QCOMPARE(entries(*w.List1), names);
        QVERIFY(w.List1->selectedItems().isEmpty());
    }

    void actionsNeedASelection_data()
    {
        QTest::addColumn<QString>("button");
        QTest::newRow("apri") << "BtnApri";
        QTest::newRow("elimina") << "BtnElimina";
        QTest::newRow("double click") << "";
    }
    void actionsNeedASelection()
    {
        QFETCH(QString, button);
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        ModalHook modal;
        FormAna w;
        if (button.isEmpty())
            w.List1_DblClick();
        else
            w.findChild<QPushButton *>(button)->click();
        QCOMPARE(msg.texts(), QStringList{"Selezionare prima un GIOCATORE"});
        QCOMPARE(msg.last().icon, ui::Icon::Exclamation);
        QCOMPARE(msg.last().title, QString());
        QVERIFY(modal.shown.isEmpty());
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
    }

    void deletesPersonAndPhoto()
    {
        const int keep = fx->addPerson(QStringLiteral("BIANCHI ANNA"));
        const int gone = fx->addPerson(QStringLiteral("d'Amico Luca"));
        makePhoto(keep);
        makePhoto(gone);
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        w.List1->setCurrentRow(1);
        w.BtnElimina->click();

        QCOMPARE(msg.calls.size(), 2);
        QCOMPARE(msg.calls[0].text, QStringLiteral("Giocatore 'D'AMICO LUCA' ?"));
        QCOMPARE(msg.calls[0].title, QStringLiteral("CONFERMI ELIMINAZIONE"));
        QCOMPARE(msg.calls[0].icon, ui::Icon::Question);
        QCOMPARE(msg.calls[0].buttons, ui::Buttons::YesNo);
        QCOMPARE(msg.calls[1].text, QStringLiteral("Eliminazione effettuata con successo"));
        QCOMPARE(msg.calls[1].icon, ui::Icon::Information);
        QCOMPARE(msg.calls[1].title, QString());

        QCOMPARE(fx->count(QStringLiteral("Anagrafica"), QStringLiteral("IdAna=?"), {gone}), 0);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
        QVERIFY(!photoExists(gone));
        QVERIFY(photoExists(keep));
        QCOMPARE(entries(*w.List1), QStringList{"BIANCHI ANNA"});
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - ANAGRAFICA (1 giocatore)"));
    }

    void refusesEnrolledPersonBeforeAsking_data()
    {
        QTest::addColumn<int>("season");
        QTest::addColumn<bool>("otherChampionship");
        QTest::newRow("selected season") << 2008 << false;
        QTest::newRow("another season and championship") << 2005 << true;
    }
    void refusesEnrolledPersonBeforeAsking()
    {
        QFETCH(int, season);
        QFETCH(bool, otherChampionship);
        fx->addChampionship(QStringLiteral("SERIE A"));
        const int camp = fx->addChampionship(QStringLiteral("COPPA"));
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->enrol(id, season, otherChampionship ? camp : 1);
        Module1::selectedSeason = 2008;
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        w.List1->setCurrentRow(0);
        w.BtnElimina->click();
        QCOMPARE(msg.texts(), QStringList{"Il Giocatore è già inserito in una Stagione"});
        QCOMPARE(msg.last().title, QStringLiteral("Impossibile eliminarlo"));
        QCOMPARE(msg.last().icon, ui::Icon::Information);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
    }

    void answeringNoKeepsEverything()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        makePhoto(id);
        MsgRecorder msg;
        msg.answers = {ui::Answer::No};
        FormAna w;
        w.List1->setCurrentRow(0);
        w.BtnElimina->click();
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
        QVERIFY(photoExists(id));
        QCOMPARE(w.List1->count(), 1);
    }

    void vanishedRowIsReported()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        w.List1->setCurrentRow(0);
        fx->sql(QStringLiteral("DELETE FROM Anagrafica"));
        w.BtnElimina->click();
        QCOMPARE(msg.last().text, QStringLiteral("Errore durante l'eliminazione"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QCOMPARE(msg.last().title, QString());
        // The list is left as it was.
        QCOMPARE(entries(*w.List1), QStringList{"ROSSI MARIO"});
    }

    // The editor gets the selected name, or none for a new person; the list is read again
    // when it closes.
    void opensEditorThenRefreshes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        QTest::newRow("apri") << "BtnApri"
                              << "VELMORA - ANAGRAFICA - ROSSI MARIO";
        QTest::newRow("double click") << ""
                                      << "VELMORA - ANAGRAFICA - ROSSI MARIO";
        QTest::newRow("nuovo") << "BtnNuovo"
                               << "VELMORA - ANAGRAFICA";
    }
    void opensEditorThenRefreshes()
    {
        QFETCH(QString, how);
        QFETCH(QString, title);
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        ModalHook modal;
        QString seen;
        modal.on(QStringLiteral("FrmAna"), [&](QDialog &d) {
            seen = d.windowTitle();
            fx->addPerson(QStringLiteral("ALBERTI GINO"));
        });
        FormAna w;
        w.List1->setCurrentRow(0);
        if (how.isEmpty())
            w.List1_DblClick();
        else
            w.findChild<QPushButton *>(how)->click();
        QCOMPARE(modal.shown, QStringList{"FrmAna"});
        QCOMPARE(seen, title);
        QCOMPARE(entries(*w.List1), (QStringList{"ALBERTI GINO", "ROSSI MARIO"}));
        QVERIFY(w.List1->selectedItems().isEmpty());
    }

    void menuOpensListThenRefreshesRoster()
    {
        fx->addSeason(2008);
        const int camp = fx->addChampionship(QStringLiteral("SERIE A"));
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->enrol(id, 2008, camp);
        MsgRecorder msg;
        ModalHook modal;
        modal.on(QStringLiteral("FormAna"), [&](QDialog &) {
            fx->sql(QStringLiteral("UPDATE Anagrafica SET Nome='ROSSI MARIA'"));
        });
        Form1 main;
        QCOMPARE(main.Fgrid->TextMatrix(1, 2), QStringLiteral("ROSSI MARIO"));
        main.mnuAna->trigger();
        QCOMPARE(modal.shown, QStringList{"FormAna"});
        QCOMPARE(main.Fgrid->TextMatrix(1, 2), QStringLiteral("ROSSI MARIA"));
    }
};

VELMORA_TEST(FormAnaTest)
#include "tst_formana.moc"
