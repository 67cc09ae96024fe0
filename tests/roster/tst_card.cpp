#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

class CardTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int camp = 0;
    int dAngelo = 0; // IdGio of D'ANGELO, row 1 by name
    int rossi = 0;   // IdGio of ROSSI, row 2

    QVariant stored(const char *column, int idGio)
    {
        return fx->scalar(
            QStringLiteral("SELECT %1 FROM Giocatori WHERE IdGio=?").arg(QLatin1String(column)),
            {idGio});
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        fx->addSeason(2009);
        fx->addSeason(2010);
        camp = fx->addChampionship(QStringLiteral("Serie D"));
        const int a = fx->addPerson(QStringLiteral("D'ANGELO LUCA"), QStringLiteral("1992-04-09"),
                                    QStringLiteral("L'AQUILA"), QStringLiteral("ITALIA"),
                                    QStringLiteral("CI AB123"));
        dAngelo = fx->enrol(a, 2010, camp);
        rossi = fx->enrol(fx->addPerson(QStringLiteral("ROSSI MARIO")), 2010, camp,
                          QStringLiteral("A"));
        fx->sql(QStringLiteral("UPDATE Giocatori SET Peso=78,Altezza=181,Scadenza='30/06/2012',"
                               "SocPre='Pro Vercelli',Squalifiche=1 WHERE IdGio=?"),
                {rossi});
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // A click on a row, on one of its cells or on its fixed cell, loads the card.
    void loadShowsRegistryAndSeasonData_data()
    {
        QTest::addColumn<int>("col");
        QTest::newRow("on a cell") << -1;
        QTest::newRow("on the fixed cell") << 0;
    }
    void loadShowsRegistryAndSeasonData()
    {
        QFETCH(int, col);
        Form1 form;
        MsgRecorder rec;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1, col));
        QCOMPARE(form.TxtId->text(), QString::number(dAngelo));
        QCOMPARE(form.TxtNome->text(), QStringLiteral("D'ANGELO LUCA"));
        QCOMPARE(form.TxtData->text(), QStringLiteral("09/04/1992"));
        QCOMPARE(form.TxtLuogo->text(), QStringLiteral("L'AQUILA"));
        QCOMPARE(form.TxtPaese->text(), QStringLiteral("ITALIA"));
        QCOMPARE(form.TxtDoc->text(), QStringLiteral("CI AB123"));
        QCOMPARE(form.ComboRuolo->currentIndex(), -1);
        QCOMPARE(form.TxtPeso->text(), QString());
        QCOMPARE(form.TxtSqual->text(), QStringLiteral("0")); // Null suspensions show 0
        QVERIFY(!form.cardModified());

        QVERIFY(drive::clickRow(*form.Fgrid, 2, col));
        QCOMPARE(form.Fgrid->Row(), 2);
        QCOMPARE(form.TxtNome->text(), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(form.ComboRuolo->currentText(), QStringLiteral("A"));
        QCOMPARE(form.TxtPeso->text(), QStringLiteral("78"));
        QCOMPARE(form.TxtAltezza->text(), QStringLiteral("181"));
        QCOMPARE(form.TxtScadenza->text(), QStringLiteral("30/06/2012"));
        QCOMPARE(form.TxtSocieta->text(), QStringLiteral("Pro Vercelli"));
        QCOMPARE(form.TxtSqual->text(), QStringLiteral("1"));
        QCOMPARE(form.TxtLuogo->text(), QString()); // Null place
        QVERIFY(!form.cardModified());
        QVERIFY(rec.calls.isEmpty());
    }

    // What the user types or chooses in each box of the card, and what saving it stores.
    // Display boxes take nothing; the others keep as many characters as their column holds.
    void boxesTakeWhatTheUserTypes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");  // empty: the box keeps what the load put there
        QTest::addColumn<QString>("column"); // empty: the card stays unchanged
        QTest::addColumn<QString>("expected");
        const QString longText = QStringLiteral("Unione Sportiva Dilettantistica Pro Vercelli "
                                                "1892 Calcio");
        QTest::newRow("weight") << "TxtPeso"
                                << "1234"
                                << "123"
                                << "Peso"
                                << "123";
        QTest::newRow("height") << "TxtAltezza"
                                << "1855"
                                << "185"
                                << "Altezza"
                                << "185";
        QTest::newRow("contract") << "TxtScadenza" << longText << longText.left(30) << "Scadenza"
                                  << longText.left(30);
        QTest::newRow("previous club") << "TxtSocieta" << longText + longText << longText.left(50)
                                       << "SocPre" << longText.left(50);
        QTest::newRow("suspensions") << "TxtSqual"
                                     << "123"
                                     << "12"
                                     << "Squalifiche"
                                     << "12";
        QTest::newRow("role") << "ComboRuolo"
                              << "C"
                              << "C"
                              << "Ruolo"
                              << "C";
        for (const char *box :
             {"TxtNome", "TxtData", "TxtLuogo", "TxtPaese", "TxtDoc", "TxtReti", "TxtMin"})
            QTest::newRow(box) << box << "99" << QString() << QString() << QString();
    }
    void boxesTakeWhatTheUserTypes()
    {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(QString, column);
        QFETCH(QString, expected);
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        if (auto *combo = form.findChild<QComboBox *>(box)) {
            QVERIFY(drive::choose(*combo, typed));
            QCOMPARE(combo->currentText(), shown);
        } else {
            auto *line = form.findChild<QLineEdit *>(box);
            QVERIFY(line);
            const QString before = line->text();
            drive::type(*line, typed);
            QCOMPARE(line->text(), shown.isEmpty() ? before : shown);
        }
        QCOMPARE(form.cardModified(), !column.isEmpty());

        // Leaving the player asks for the changes, and only then.
        MsgRecorder rec;
        rec.answers << ui::Answer::Yes;
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        QCOMPARE(form.TxtNome->text(), QStringLiteral("D'ANGELO LUCA"));
        if (column.isEmpty()) {
            QVERIFY(rec.calls.isEmpty());
            QCOMPARE(stored("Peso", rossi).toInt(), 78);
        } else {
            QCOMPARE(rec.texts(), QStringList{"Salvare le modifiche apportate ?"});
            QCOMPARE(stored(column.toLatin1().constData(), rossi).toString(), expected);
        }
    }

    void saveWritesByTheRules_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("suspensions");
        QTest::addColumn<QString>("club");
        QTest::addColumn<QVariant>("storedWeight");
        QTest::addColumn<int>("storedSuspensions");
        QTest::addColumn<QVariant>("storedClub");
        QTest::newRow("numbers") << "75"
                                 << "3"
                                 << "Nuova Pro Patria" << QVariant(75.0) << 3
                                 << QVariant("Nuova Pro Patria");
        QTest::newRow("empty boxes") << ""
                                     << ""
                                     << "" << QVariant() << 0 << QVariant();
        // The number boxes take digits only; a suspension box left with none stores 0.
        QTest::newRow("other characters")
            << "7.5"
            << "2x"
            << "L'Aquila Calcio" << QVariant(75.0) << 2 << QVariant("L'Aquila Calcio");
        QTest::newRow("no digits") << "ab"
                                   << "-"
                                   << " " << QVariant(78.0) << 1 << QVariant(" ");
    }
    void saveWritesByTheRules()
    {
        QFETCH(QString, weight);
        QFETCH(QString, suspensions);
        QFETCH(QString, club);
        QFETCH(QVariant, storedWeight);
        QFETCH(int, storedSuspensions);
        QFETCH(QVariant, storedClub);
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        drive::type(*form.TxtPeso, weight);
        drive::type(*form.TxtSqual, suspensions);
        drive::type(*form.TxtSocieta, club);
        drive::type(*form.TxtScadenza, QString());
        QTRY_VERIFY_WITH_TIMEOUT(form.BtnSalva->isEnabled(), 3000);
        form.BtnSalva->click();
        QVERIFY(!form.cardModified());

        const QVariant w = stored("Peso", rossi);
        QCOMPARE(w.isNull(), storedWeight.isNull());
        if (!w.isNull())
            QCOMPARE(w.toDouble(), storedWeight.toDouble());
        QCOMPARE(stored("Squalifiche", rossi).toInt(), storedSuspensions);
        QVERIFY(!stored("Squalifiche", rossi).isNull());
        QCOMPARE(stored("SocPre", rossi).isNull(), storedClub.isNull());
        QCOMPARE(stored("SocPre", rossi).toString(), storedClub.toString());
        QVERIFY(stored("Scadenza", rossi).isNull());
        QCOMPARE(stored("Ruolo", rossi).toString(), QStringLiteral("A")); // untouched
        QCOMPARE(stored("Altezza", rossi).toInt(), 181);
        // The roster row shows what was saved at once.
        QCOMPARE(form.Fgrid->TextMatrix(2, 9), QString::number(storedSuspensions));
        QCOMPARE(form.Fgrid->TextMatrix(2, 4), QStringLiteral("A"));
    }

    // A card that shows no role never clears or changes the stored one.
    void saveWithoutARoleKeepsTheStoredRole_data()
    {
        QTest::addColumn<QVariant>("before"); // the role when the card is loaded
        QTest::addColumn<QVariant>("after");  // the role when the card is saved
        QTest::newRow("none stored") << QVariant() << QVariant();
        QTest::newRow("stored meanwhile") << QVariant() << QVariant("D");
        QTest::newRow("a code the list lacks") << QVariant("X") << QVariant("X");
    }
    void saveWithoutARoleKeepsTheStoredRole()
    {
        QFETCH(QVariant, before);
        QFETCH(QVariant, after);
        fx->sql(QStringLiteral("UPDATE Giocatori SET Ruolo=? WHERE IdGio=?"), {before, dAngelo});
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        QCOMPARE(form.ComboRuolo->currentIndex(), -1);
        fx->sql(QStringLiteral("UPDATE Giocatori SET Ruolo=? WHERE IdGio=?"), {after, dAngelo});
        drive::type(*form.TxtPeso, QStringLiteral("70"));
        QTRY_VERIFY_WITH_TIMEOUT(form.BtnSalva->isEnabled(), 3000);
        form.BtnSalva->click();

        QCOMPARE(stored("Peso", dAngelo).toInt(), 70);
        QCOMPARE(stored("Squalifiche", dAngelo).toInt(), 0);
        QCOMPARE(stored("Ruolo", dAngelo).isNull(), after.isNull());
        QCOMPARE(stored("Ruolo", dAngelo).toString(), after.toString());
    }

    // Whatever replaces or clears a changed card asks first: "Sì" saves, "No" drops the change,
    // "Annulla" leaves the card and the window as they were.
    void saveQuestion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<int>("answer");
        const int yes = int(ui::Answer::Yes), no = int(ui::Answer::No),
                  cancel = int(ui::Answer::Cancel);
        for (const char *how : {"grid", "season", "exit"}) {
            QTest::addRow("%s, yes", how) << how << yes;
            QTest::addRow("%s, no", how) << how << no;
        }
        for (const char *how :
             {"grid", "fixed", "key", "double", "sort", "season", "camp", "insert", "person",
              "registry", "seasons", "championships", "games", "exit", "close", "ctrl+q"})
            QTest::addRow("%s, cancel", how) << how << cancel;
    }
    void saveQuestion()
    {
        QFETCH(QString, how);
        QFETCH(int, answer);
        fx->addChampionship(QStringLiteral("Coppa"));
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        drive::type(*form.TxtPeso, QStringLiteral("90"));

        MsgRecorder rec;
        ModalHook hook;
        rec.answers << ui::Answer(answer) << ui::Answer(answer);
        if (how == "grid")
            QVERIFY(drive::clickRow(*form.Fgrid, 1));
        else if (how == "fixed")
            QVERIFY(drive::clickRow(*form.Fgrid, 1, 0));
        else if (how == "key") {
            form.Fgrid->setFocus();
            drive::key(Qt::Key_Up);
        } else if (how == "double")
            QVERIFY(drive::doubleClickRow(*form.Fgrid, 1));
        else if (how == "sort")
            drive::clickWidget(*form.Opt_1);
        else if (how == "season")
            drive::choose(*form.ComboStag, QStringLiteral("2009-10"));
        else if (how == "camp")
            drive::choose(*form.ComboCamp, QStringLiteral("Coppa"));
        else if (how == "insert")
            form.BtnInsGio->click();
        else if (how == "person")
            form.BtnAna->click();
        else if (how == "registry")
            form.mnuAna->trigger();
        else if (how == "seasons")
            form.mnuStag->trigger();
        else if (how == "championships")
            form.mnuCamp->trigger();
        else if (how == "games")
            form.BtnGare->click();
        else if (how == "exit")
            form.BtnEsci->click();
        else if (how == "close")
            form.close();
        else
            drive::key(Qt::Key_Q, Qt::ControlModifier);

        QVERIFY(!rec.calls.isEmpty());
        QCOMPARE(rec.last().text, QStringLiteral("Salvare le modifiche apportate ?"));
        QCOMPARE(rec.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(rec.last().icon, ui::Icon::Question);
        QCOMPARE(rec.last().buttons, ui::Buttons::YesNoCancel);
        QCOMPARE(stored("Peso", rossi).toInt(), answer == int(ui::Answer::Yes) ? 90 : 78);
        if (answer != int(ui::Answer::Cancel)) {
            if (how == "grid")
                QCOMPARE(form.TxtNome->text(), QStringLiteral("D'ANGELO LUCA"));
            if (how == "season")
                QCOMPARE(form.ComboStag->currentText(), QStringLiteral("2009-10"));
            if (how == "exit")
                QVERIFY(!form.isVisible());
            else
                QVERIFY(!form.cardModified());
            return;
        }
        // Cancelled: the same card, still changed, in the same window, nothing opened.
        QVERIFY(form.isVisible());
        QVERIFY(hook.shown.isEmpty());
        QCOMPARE(form.TxtNome->text(), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(form.TxtPeso->text(), QStringLiteral("90"));
        QVERIFY(form.cardModified());
        QVERIFY(form.BtnSalva->isEnabled());
        QCOMPARE(form.Fgrid->Row(), 2);
        QCOMPARE(form.ComboStag->currentText(), QStringLiteral("2010-11"));
        QCOMPARE(form.ComboCamp->currentText(), QStringLiteral("Serie D"));
        QVERIFY(form.Opt_0->isChecked());
        QVERIFY(!form.Opt_1->isChecked());
    }

    // Unchanged or saved cards ask nothing; without a player nothing can be typed into the card.
    void noQuestionWithoutChanges()
    {
        Form1 form;
        MsgRecorder rec;
        ModalHook hook;
        QVERIFY(drive::activate(form));
        for (QWidget *w :
             std::initializer_list<QWidget *>{form.TxtPeso, form.TxtAltezza, form.TxtScadenza,
                                              form.TxtSocieta, form.TxtSqual, form.ComboRuolo})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        QVERIFY(!form.BtnSalva->isEnabled());
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        QVERIFY(form.TxtPeso->isEnabled());
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        form.mnuAna->trigger(); // the refresh clears the card
        QCOMPARE(form.TxtId->text(), QString());
        QVERIFY(!form.TxtPeso->isEnabled());

        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        drive::type(*form.TxtPeso, QStringLiteral("72"));
        form.BtnSalva->click();
        form.close();
        QVERIFY(rec.calls.isEmpty());
        QVERIFY(!form.isVisible());
        QCOMPARE(stored("Peso", dAngelo).toInt(), 72);
    }

    // "&SALVA" is enabled as soon as a loaded card changes, so Alt+S right after typing saves;
    // after saving the focus is back on the roster.
    void saveIsEnabledByTheFirstChange()
    {
        Form1 form;
        MsgRecorder rec;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        QVERIFY(!form.BtnSalva->isEnabled());
        drive::type(*form.TxtAltezza, QStringLiteral("182"), false);
        QVERIFY(form.BtnSalva->isEnabled());
        drive::key(Qt::Key_S, Qt::AltModifier);
        QCOMPARE(stored("Altezza", rossi).toInt(), 182);
        QVERIFY(!form.BtnSalva->isEnabled());
        QTRY_VERIFY(form.Fgrid->hasFocus());

        // A role chosen is a change of the card too.
        QVERIFY(drive::choose(*form.ComboRuolo, QStringLiteral("P")));
        QVERIFY(form.BtnSalva->isEnabled());
        rec.answers << ui::Answer::No;
        QVERIFY(drive::clickRow(*form.Fgrid, 1)); // the other player, unchanged
        QCOMPARE(rec.texts(), QStringList{"Salvare le modifiche apportate ?"});
        QVERIFY(!form.BtnSalva->isEnabled());
        QCOMPARE(stored("Ruolo", rossi).toString(), QStringLiteral("A"));
    }

    void removalIsRefusedWhileRowsReferToThePlayer()
    {
        const int game = fx->addGame(2010, camp);
        fx->addFormation(rossi, QStringLiteral("TIT"));
        fx->addGameRow(game, rossi, QStringLiteral("TIT"));
        fx->addFormation(dAngelo, QStringLiteral("RIS"), 0); // freed rows do not count
        fx->addGameRow(game, dAngelo, QStringLiteral("RIS"), QVariant(), 0);
        Form1 form;
        MsgRecorder rec;
        QVERIFY(drive::activate(form));

        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(rec.texts(), (QStringList{"Eliminazione Giocatore ROSSI MARIO ?",
                                           "Il Giocatore è presente nella Formazione"}));
        QCOMPARE(rec.calls.at(0).title, QStringLiteral("CONFERMI"));
        QVERIFY(rec.calls.at(0).defaultSecond); // Return answers "No"
        QCOMPARE(rec.calls.at(0).icon, ui::Icon::Question);
        QCOMPARE(rec.calls.at(0).buttons, ui::Buttons::YesNo);
        QCOMPARE(rec.last().title, QStringLiteral("Impossibile procedere"));
        QCOMPARE(rec.last().icon, ui::Icon::Information);

        fx->sql(QStringLiteral("UPDATE Formazione SET Valid=0 WHERE IdGio=?"), {rossi});
        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(rec.last().text, QStringLiteral("Il Giocatore è presente nelle GARE"));

        fx->sql(QStringLiteral("UPDATE DatiGare SET Valid=0 WHERE IdGio=?"), {rossi});
        rec.answers << ui::Answer::No;
        form.BtnElimina->click();
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), 2);

        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(fx->count(QStringLiteral("Giocatori")), 1);
        QCOMPARE(form.Fgrid->Rows(), 2);
        QCOMPARE(form.Fgrid->TextMatrix(1, 2), QStringLiteral("D'ANGELO LUCA"));
        QCOMPARE(form.TxtId->text(), QString());
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 2); // the person stays
    }

    // Right after a refresh the grid's first row is proposed, though the card is empty.
    void removalProposesTheCurrentRow()
    {
        Form1 form;
        MsgRecorder rec;
        QCOMPARE(form.TxtId->text(), QString());
        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(rec.texts(), QStringList{"Eliminazione Giocatore D'ANGELO LUCA ?"});
        QCOMPARE(form.Fgrid->Rows(), 2);
    }

    void removalOfARowGoneMeanwhile()
    {
        Form1 form;
        MsgRecorder rec;
        fx->sql(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {dAngelo});
        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(rec.last().text, QStringLiteral("Durante l'eliminazione"));
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::None);
    }

    void cardRowsGoneMeanwhile()
    {
        Form1 form;
        MsgRecorder rec;
        QVERIFY(drive::activate(form));
        fx->sql(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {rossi});
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        QCOMPARE(rec.texts(), QStringList{"Durante lettura dati giocatore"});
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::None);
        QVERIFY(!form.TxtPeso->isEnabled()); // nothing to type into a card that did not load

        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        fx->sql(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {dAngelo});
        drive::type(*form.TxtPeso, QStringLiteral("1"));
        form.BtnSalva->click();
        QCOMPARE(rec.last().text, QStringLiteral("Durante salvataggio dati giocatore"));
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QVERIFY(form.cardModified());
        QCOMPARE(form.TxtPeso->text(), QStringLiteral("1"));
    }

    // The registry row is read by name: without it the card stops before the season data.
    void personGoneMeanwhile()
    {
        Form1 form;
        MsgRecorder rec;
        QVERIFY(drive::activate(form));
        fx->sql(QStringLiteral("UPDATE Anagrafica SET Nome='ROSSI M.' WHERE Nome='ROSSI MARIO'"));
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        QCOMPARE(rec.texts(), QStringList{"Durante lettura dati anagrafici"});
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::None);
        QCOMPARE(form.TxtNome->text(), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(form.TxtPeso->text(), QString());
    }
};

VELMORA_TEST(CardTest)
#include "tst_card.moc"
