#include "Pictures.h"
#include "app/Module1.h"
#include "registry/FormAna.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QAction>
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

// A double click with Ctrl held on the selected entry: the press takes the selection away
// before the double click arrives.
bool ctrlDoubleClickSelected(QListWidget &list, const QString &text)
{
    if (!drive::clickEntry(list, text))
        return false;
    const QPoint at = list.visualItemRect(list.findItems(text, Qt::MatchExactly).first()).center();
    QTest::mouseClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    return list.selectedItems().isEmpty();
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
        MsgRecorder msg;
        for (const QString &n : names)
            fx->addPerson(n);
        FormAna w;
        QCOMPARE(w.windowTitle(), title);
        names.sort();
        QCOMPARE(entries(*w.List1), names);
        QVERIFY(w.List1->selectedItems().isEmpty());
        QVERIFY(msg.calls.isEmpty());
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
        QVERIFY(drive::activate(w));
        if (button.isEmpty())
            QVERIFY(ctrlDoubleClickSelected(*w.List1, QStringLiteral("ROSSI MARIO")));
        else
            w.findChild<QPushButton *>(button)->click();
        QCOMPARE(msg.texts(), QStringList{"Selezionare prima un GIOCATORE"});
        QCOMPARE(msg.last().icon, ui::Icon::Exclamation);
        QCOMPARE(msg.last().title, QString());
        QVERIFY(modal.shown.isEmpty());
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
        w.close();
    }

    // The person is found by the name as stored: an apostrophe needs no care, and a twin
    // that differs only in letter case is another person.
    void deletesPersonAndPhoto_data()
    {
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QString>("deleted");
        QTest::addColumn<QString>("question");
        QTest::newRow("apostrophe") << "BIANCHI ANNA"
                                    << "d'Amico Luca"
                                    << "Giocatore 'D'AMICO LUCA' ?";
        QTest::newRow("letter case twin") << "ROSSI MARIO"
                                          << "rossi mario"
                                          << "Giocatore 'ROSSI MARIO' ?";
    }
    void deletesPersonAndPhoto()
    {
        QFETCH(QString, kept);
        QFETCH(QString, deleted);
        QFETCH(QString, question);
        const int keep = fx->addPerson(kept);
        const int gone = fx->addPerson(deleted);
        makePhoto(keep);
        makePhoto(gone);
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, deleted));
        w.BtnElimina->click();

        QCOMPARE(msg.calls.size(), 2);
        QCOMPARE(msg.calls[0].text, question);
        QCOMPARE(msg.calls[0].title, QStringLiteral("CONFERMI ELIMINAZIONE"));
        QVERIFY(msg.calls[0].defaultSecond);
        QCOMPARE(msg.calls[0].icon, ui::Icon::Question);
        QCOMPARE(msg.calls[0].buttons, ui::Buttons::YesNo);
        QCOMPARE(msg.calls[1].text, QStringLiteral("Eliminazione effettuata con successo"));
        QCOMPARE(msg.calls[1].icon, ui::Icon::Information);
        QCOMPARE(msg.calls[1].title, QString());

        QCOMPARE(fx->count(QStringLiteral("Anagrafica"), QStringLiteral("IdAna=?"), {gone}), 0);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica"), QStringLiteral("IdAna=?"), {keep}), 1);
        QVERIFY(!photoExists(gone));
        QVERIFY(photoExists(keep));
        QCOMPARE(entries(*w.List1), QStringList{kept});
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - ANAGRAFICA (1 giocatore)"));
        w.close();
    }

    // The person is gone, but a photo that stays behind is no success.
    void photoThatCannotBeRemovedIsReported()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        // A folder with something in it is a photo path that cannot be removed.
        QVERIFY(QDir().mkpath(pictures::photo(id) + QStringLiteral("/dentro")));
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
        w.BtnElimina->click();
        QCOMPARE(msg.calls.size(), 2);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QVERIFY2(msg.last().text.startsWith(pictures::photo(id) + QStringLiteral(": ")),
                 qPrintable(msg.last().text));
        QVERIFY(msg.last().text.size() > pictures::photo(id).size() + 2);
        QVERIFY(!msg.has(QStringLiteral("Eliminazione effettuata con successo")));
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 0);
        QVERIFY(QFileInfo(pictures::photo(id)).isDir());
        QCOMPARE(entries(*w.List1), QStringList());
        w.close();
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
        const int serieA = fx->addChampionship(QStringLiteral("SERIE A"));
        const int camp = fx->addChampionship(QStringLiteral("COPPA"));
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->enrol(id, season, otherChampionship ? camp : serieA);
        Module1::selectedSeason = 2008;
        Module1::selectedChampionship = serieA;
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
        w.BtnElimina->click();
        QCOMPARE(msg.texts(), QStringList{"Il Giocatore è già inserito in una Stagione"});
        QCOMPARE(msg.last().title, QStringLiteral("Impossibile eliminarlo"));
        QCOMPARE(msg.last().icon, ui::Icon::Information);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
        w.close();
    }

    void answeringNoKeepsEverything()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        makePhoto(id);
        MsgRecorder msg;
        msg.answers = {ui::Answer::No};
        FormAna w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
        w.BtnElimina->click();
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
        QVERIFY(photoExists(id));
        QCOMPARE(w.List1->count(), 1);
        w.close();
    }

    void vanishedRowIsReported()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        FormAna w;
        QVERIFY(drive::activate(w));
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
        fx->sql(QStringLiteral("DELETE FROM Anagrafica"));
        w.BtnElimina->click();
        QCOMPARE(msg.last().text, QStringLiteral("Errore durante l'eliminazione"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QCOMPARE(msg.last().title, QString());
        // The list is left as it was.
        QCOMPARE(entries(*w.List1), QStringList{"ROSSI MARIO"});
        w.close();
    }

    // The editor gets the selected name, or none for a new person; the list is read again
    // when it closes, and the user is back on the list, on the person just written or opened.
    void opensEditorThenRefreshes_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("written"); // what the editor writes; empty for nothing
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("selected");
        QTest::newRow("apri") << "BtnApri"
                              << "VELMORA - ANAGRAFICA - ROSSI MARIO"
                              << "" << QStringList{"BIANCHI ANNA", "ROSSI MARIO"} << "ROSSI MARIO";
        QTest::newRow("double click, renamed")
            << ""
            << "VELMORA - ANAGRAFICA - ROSSI MARIO"
            << "ROSSI MARIO G." << QStringList{"BIANCHI ANNA", "ROSSI MARIO G."}
            << "ROSSI MARIO G.";
        QTest::newRow("nuovo") << "BtnNuovo"
                               << "VELMORA - ANAGRAFICA"
                               << "ALBERTI GINO"
                               << QStringList{"ALBERTI GINO", "BIANCHI ANNA", "ROSSI MARIO"}
                               << "ALBERTI GINO";
    }
    void opensEditorThenRefreshes()
    {
        QFETCH(QString, how);
        QFETCH(QString, title);
        QFETCH(QString, written);
        QFETCH(QStringList, names);
        QFETCH(QString, selected);
        fx->addPerson(QStringLiteral("BIANCHI ANNA"));
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        ModalHook modal;
        QString seen;
        modal.on(QStringLiteral("FrmAna"), [&](QDialog &d) {
            seen = d.windowTitle();
            if (how == "BtnNuovo")
                fx->addPerson(written);
            else if (!written.isEmpty())
                fx->sql(QStringLiteral("UPDATE Anagrafica SET Nome=? WHERE Nome='ROSSI MARIO'"),
                        {written});
        });
        FormAna w;
        QVERIFY(drive::activate(w));
        if (how.isEmpty()) {
            QVERIFY(drive::doubleClickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
        } else {
            QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
            drive::clickWidget(*w.findChild<QPushButton *>(how)); // the button takes the focus
        }
        QCOMPARE(modal.shown, QStringList{"FrmAna"});
        QCOMPARE(seen, title);
        QCOMPARE(entries(*w.List1), names);
        QCOMPARE(w.List1->selectedItems().size(), 1);
        QCOMPARE(w.List1->selectedItems().first()->text(), selected);
        QVERIFY(w.List1->hasFocus());

        w.BtnChiudi->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(modal.shown.size(), 1);
    }

    // Return opens the selected name, and does nothing while no name is selected.
    void returnOpensTheSelectedName()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        ModalHook modal;
        QString seen;
        modal.on(QStringLiteral("FrmAna"), [&](QDialog &d) { seen = d.windowTitle(); });
        FormAna w;
        QVERIFY(drive::activate(w));
        w.List1->setFocus();
        drive::key(Qt::Key_Return);
        QVERIFY(modal.shown.isEmpty());
        QVERIFY(w.isVisible());
        QVERIFY(drive::clickEntry(*w.List1, QStringLiteral("ROSSI MARIO")));
        drive::key(Qt::Key_Return);
        QCOMPARE(seen, QStringLiteral("VELMORA - ANAGRAFICA - ROSSI MARIO"));
        QVERIFY(msg.calls.isEmpty());
        w.close();
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
