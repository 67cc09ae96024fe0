#include "app/Module1.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

class Form1Test : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void selectorsAfterLoad()
    {
        for (int season : {2009, 1999, 2008})
            fx->addSeason(season);
        const int serieD = fx->addChampionship(QStringLiteral("Serie D"));
        fx->addChampionship(QStringLiteral("Coppa Italia"));

        Form1 form;
        QCOMPARE(entries(*form.ComboStag), (QStringList{"1999-00", "2008-09", "2009-10"}));
        QCOMPARE(form.ComboStag->currentText(), QStringLiteral("2009-10"));
        QCOMPARE(Module1::selectedSeasonName, QStringLiteral("2009-10"));
        QCOMPARE(Module1::selectedSeason, 2009);
        QCOMPARE(entries(*form.ComboCamp), (QStringList{"Serie D", "Coppa Italia"}));
        QCOMPARE(form.ComboCamp->currentIndex(), 0);
        QCOMPARE(form.ComboIdCamp->currentText(), QString::number(serieD));
        QCOMPARE(Module1::selectedChampionshipName, QStringLiteral("Serie D"));
        QCOMPARE(Module1::selectedChampionship, serieD);
        QVERIFY(form.ComboIdCamp->isHidden());
        QVERIFY(!form.BtnSalva->isEnabled());
        QVERIFY(!form.BtnImporta->isEnabled());
        QVERIFY(form.Opt_0->isChecked());
    }

    void emptyListsSelectNothing()
    {
        Form1 form;
        QCOMPARE(form.ComboStag->count(), 0);
        QCOMPARE(form.ComboCamp->count(), 0);
        QCOMPARE(Module1::selectedSeason, 0);
        QCOMPARE(Module1::selectedSeasonName, QString());
        QCOMPARE(Module1::selectedChampionship, 0);
        QCOMPARE(Module1::selectedChampionshipName, QString());
        QCOMPARE(form.Fgrid->Rows(), 1);
    }

    void rosterSortOrders_data()
    {
        QTest::addColumn<QStringList>("options"); // clicked in this order
        QTest::addColumn<QStringList>("names");
        const QStringList byName{"BIANCHI", "D'ANGELO", "NERI", "ROSSI", "VERDI"};
        QTest::newRow("by name") << QStringList{"Opt_0"} << byName;
        QTest::newRow("by age, youngest first")
            << QStringList{"Opt_1"} << QStringList{"VERDI", "ROSSI", "NERI", "BIANCHI", "D'ANGELO"};
        QTest::newRow("by role, goalkeepers first")
            << QStringList{"Opt_2"} << QStringList{"NERI", "BIANCHI", "VERDI", "ROSSI", "D'ANGELO"};
        QTest::newRow("back to by name") << QStringList{"Opt_1", "Opt_0"} << byName;
    }
    void rosterSortOrders()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, names);
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        struct P {
            const char *name, *born, *role;
        };
        // D'ANGELO has neither birth date nor role: last by age and by role.
        for (const P &p : {P{"ROSSI", "1995-03-01", "A"}, P{"BIANCHI", "1990-01-20", "D"},
                           P{"VERDI", "2001-07-15", "C"}, P{"NERI", "1993-11-30", "P"},
                           P{"D'ANGELO", nullptr, nullptr}}) {
            const int id =
                fx->addPerson(QString::fromUtf8(p.name), p.born ? QVariant(p.born) : QVariant());
            fx->enrol(id, 2010, camp, p.role ? QVariant(p.role) : QVariant());
        }
        Form1 form;
        QVERIFY(drive::activate(form));
        for (const QString &option : options)
            form.findChild<QRadioButton *>(option)->click();
        QCOMPARE(entries(*form.Fgrid, 2), names);
    }

    void rosterRowShowsThePlayer()
    {
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"), QStringLiteral("1995-03-01"));
        const int gio = fx->enrol(id, 2010, camp, QStringLiteral("A"));
        fx->sql(QStringLiteral("UPDATE Giocatori SET Squalifiche=2 WHERE IdGio=?"), {gio});

        Form1 form;
        QCOMPARE(form.Fgrid->Rows(), 2);
        const QStringList expected{"",
                                   QString::number(gio),
                                   "ROSSI MARIO",
                                   "01/03/1995",
                                   "A",
                                   "0",
                                   "0",
                                   "0",
                                   "0",
                                   "2",
                                   "0",
                                   "0",
                                   "0"};
        QStringList row;
        for (int c = 0; c < form.Fgrid->Cols(); ++c)
            row << form.Fgrid->TextMatrix(1, c);
        QCOMPARE(row, expected);
        const QStringList headers{"Nome", "Nato il", "R.",   "Pres", "Reti",  "Amm",
                                  "Esp.", "Squ.",    "S.av", "S.fa", "Min.g."};
        QStringList shown;
        for (int c = 2; c < form.Fgrid->Cols(); ++c)
            shown << form.Fgrid->TextMatrix(0, c);
        QCOMPARE(shown, headers);
        QVERIFY(form.Fgrid->isColumnHidden(0)); // IdGio, behind the fixed column
    }

    void selectionChangeRefreshesRoster()
    {
        fx->addSeason(2009);
        fx->addSeason(2010);
        const int a = fx->addChampionship(QStringLiteral("Serie D"));
        const int b = fx->addChampionship(QStringLiteral("Juniores"));
        fx->enrol(fx->addPerson(QStringLiteral("NUOVO")), 2010, a);
        fx->enrol(fx->addPerson(QStringLiteral("VECCHIO")), 2009, a);
        fx->enrol(fx->addPerson(QStringLiteral("GIOVANE")), 2010, b);
        // Enrolled under another championship's id in the other season: never shown here.
        fx->enrol(fx->addPerson(QStringLiteral("ALTRO")), 2009, b);

        Form1 form;
        QVERIFY(drive::activate(form));
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"NUOVO"});
        QVERIFY(drive::choose(*form.ComboStag, QStringLiteral("2009-10")));
        QCOMPARE(Module1::selectedSeason, 2009);
        QCOMPARE(Module1::selectedSeasonName, QStringLiteral("2009-10"));
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"VECCHIO"});
        QVERIFY(drive::choose(*form.ComboCamp, QStringLiteral("Juniores")));
        QCOMPARE(Module1::selectedChampionship, b);
        QCOMPARE(Module1::selectedChampionshipName, QStringLiteral("Juniores"));
        QCOMPARE(form.ComboIdCamp->currentText(), QString::number(b));
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"ALTRO"});
        QVERIFY(drive::choose(*form.ComboStag, QStringLiteral("2010-11")));
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"GIOVANE"});
        QVERIFY(drive::choose(*form.ComboCamp, QStringLiteral("Serie D")));
        QCOMPARE(Module1::selectedChampionship, a);
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"NUOVO"});
    }

    void emptyRosterButtonsReport()
    {
        fx->addSeason(2010);
        fx->addChampionship(QStringLiteral("Serie D"));
        Form1 form;
        MsgRecorder rec;
        ModalHook hook;
        QVERIFY(drive::activate(form));
        QCOMPARE(form.Fgrid->Rows(), 1);
        form.BtnAna->click();
        form.BtnElimina->click();
        drive::clickWidget(*form.Fgrid->viewport()); // nothing there to load
        QCOMPARE(rec.texts(),
                 QStringList(2, "Nessun GIOCATORE inserito in questa stagione/campionato"));
        QCOMPARE(rec.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        QVERIFY(hook.shown.isEmpty());
        QCOMPARE(form.TxtId->text(), QString());
    }

    void anagraficaNeedsAPlayerOnTheCard()
    {
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        Form1 form;
        MsgRecorder rec;
        ModalHook hook;
        QVERIFY(drive::activate(form));
        form.BtnAna->click();
        QCOMPARE(rec.texts(), QStringList{"Selezionare prima un GIOCATORE"});
        QCOMPARE(rec.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        QVERIFY(hook.shown.isEmpty());

        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        form.BtnAna->click();
        QCOMPARE(hook.shown, QStringList{"FrmAna"});
    }

    // The user reads the roster and picks whole rows; nothing he types changes a cell.
    void rosterIsReadOnlyAndPickedByRows()
    {
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        fx->enrol(fx->addPerson(QStringLiteral("BIANCHI")), 2010, camp);
        fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 2, 3));
        int shown = 0;
        for (int c = 1; c < form.Fgrid->Cols(); ++c)
            shown += columnShown(*form.Fgrid, c);
        const QList<QTableWidgetItem *> picked = form.Fgrid->selectedItems();
        QCOMPARE(picked.size(), shown);
        for (const QTableWidgetItem *cell : picked)
            QCOMPARE(cell->row(), picked.first()->row());
        QCOMPARE(form.Fgrid->Row(), 2);

        drive::key(Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("ZZ"));
        drive::key(Qt::Key_Return);
        QTRY_COMPARE(QApplication::focusWidget(), form.Fgrid); // an editor would commit first
        QCOMPARE(entries(*form.Fgrid, 2), (QStringList{"BIANCHI", "ROSSI"}));
        QCOMPARE(entries(*form.Fgrid, 3), (QStringList{"", ""}));
    }

    // A double click on a row, on a cell or on its fixed cell, opens the person editor with
    // that row's person; the roster is refreshed when it closes.
    void doubleClickOpensThePersonEditor_data()
    {
        QTest::addColumn<int>("col");
        QTest::newRow("on a cell") << -1;
        QTest::newRow("on the fixed cell") << 0;
    }
    void doubleClickOpensThePersonEditor()
    {
        QFETCH(int, col);
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        fx->enrol(fx->addPerson(QStringLiteral("BIANCHI")), 2010, camp);
        fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        Form1 form;
        MsgRecorder rec;
        ModalHook hook;
        QString shownName;
        hook.on(QStringLiteral("FrmAna"), [&](QDialog &editor) {
            shownName = editor.findChild<QLineEdit *>(QStringLiteral("TxtNome"))->text();
            fx->sql(QStringLiteral("UPDATE Anagrafica SET Nome='ROSSI MARIO' WHERE Nome='ROSSI'"));
        });
        QVERIFY(drive::activate(form));
        QVERIFY(drive::doubleClickRow(*form.Fgrid, 2, col));
        QCOMPARE(hook.shown, QStringList{"FrmAna"});
        QCOMPARE(shownName, QStringLiteral("ROSSI"));
        QCOMPARE(entries(*form.Fgrid, 2), (QStringList{"BIANCHI", "ROSSI MARIO"}));
        QCOMPARE(form.TxtId->text(), QString());
        QVERIFY(rec.calls.isEmpty());
    }

    // Every window the main window opens, and what it reloads once that window has closed:
    // a refresh leaves the card empty.
    void windowsOpenFromTheirControls_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("refreshed");
        QTest::newRow("ANAGRAFICA") << "BtnAna"
                                    << "FrmAna" << true;
        QTest::newRow("Anagrafica") << "mnuAna"
                                    << "FormAna" << true;
        QTest::newRow("GARE") << "BtnGare"
                              << "FormGare" << true;
        QTest::newRow("Inserisci") << "BtnInsGio"
                                   << "FrmInsGio" << true;
        QTest::newRow("Stagioni") << "mnuStag"
                                  << "FrmStagioni" << true;
        QTest::newRow("Campionati") << "mnuCamp"
                                    << "FrmCampionati" << true;
        QTest::newRow("Formazione") << "mnuFormazione"
                                    << "FrmFormazione" << false;
        QTest::newRow("preview") << "BtnAnt"
                                 << "FormStampa" << false;
    }
    void windowsOpenFromTheirControls()
    {
        QFETCH(QString, control);
        QFETCH(QString, window);
        QFETCH(bool, refreshed);
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        const int gio = fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        Form1 form;
        MsgRecorder rec;
        ModalHook hook;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        if (auto *button = form.findChild<QPushButton *>(control))
            button->click();
        else
            form.findChild<QAction *>(control)->trigger();

        QCOMPARE(hook.shown, QStringList{window});
        QVERIFY(rec.calls.isEmpty());
        QCOMPARE(form.TxtId->text(), refreshed ? QString() : QString::number(gio));
        QCOMPARE(entries(*form.Fgrid, 2), QStringList{"ROSSI"});
    }

    void menusAndTips()
    {
        Form1 form;
        QCOMPARE(form.mnuImpostazioni->title(), QStringLiteral("&Impostazioni"));
        QCOMPARE(form.mnuStag->text(), QStringLiteral("&Stagioni"));
        QCOMPARE(form.mnuCamp->text(), QStringLiteral("&Campionati"));
        QCOMPARE(form.mnuSchede->title(), QStringLiteral("&Schede"));
        QCOMPARE(form.mnuAna->text(), QStringLiteral("&Anagrafica"));
        QCOMPARE(form.mnuFormazione->text(), QStringLiteral("&Formazione"));
        QCOMPARE(form.BtnInsGio->toolTip(),
                 QStringLiteral("Inserisci Giocatore in questa stagione"));
        QCOMPARE(form.BtnAna->text(), QStringLiteral(" &ANAGRAFICA"));
        QCOMPARE(form.BtnAnt->toolTip(), QStringLiteral("Anteprima di Stampa"));
        QStringList roles;
        for (int i = 0; i < form.ComboRuolo->count(); ++i)
            roles << form.ComboRuolo->itemText(i);
        QCOMPARE(roles, (QStringList{"P", "D", "C", "A"}));
    }

    // A store that refuses writes: the error is shown, nothing is lost, the window goes on.
    void refusedWriteIsReported()
    {
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        const int gio = fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        drive::type(*form.TxtPeso, QStringLiteral("80"));
        QTRY_VERIFY_WITH_TIMEOUT(form.BtnSalva->isEnabled(), 3000);
        fx->sql(QStringLiteral("PRAGMA query_only=ON"));

        MsgRecorder rec;
        form.BtnSalva->click();
        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QVERIFY2(rec.last().text.contains(QStringLiteral("readonly")), qPrintable(rec.last().text));
        QVERIFY(form.cardModified());
        QCOMPARE(form.TxtPeso->text(), QStringLiteral("80"));

        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(rec.calls.size(), 3);
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(form.Fgrid->Rows(), 2);
        QCOMPARE(form.TxtId->text(), QString::number(gio));

        fx->sql(QStringLiteral("PRAGMA query_only=OFF"));
        QVERIFY(form.BtnSalva->isEnabled());
        form.BtnSalva->click();
        QCOMPARE(fx->scalar(QStringLiteral("SELECT Peso FROM Giocatori")).toInt(), 80);
    }
};

VELMORA_TEST(Form1Test)
#include "tst_form1.moc"
