#include "app/Module1.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

class CardTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int camp = 0;
    int dAngelo = 0; // IdGio of D'ANGELO, row 1 by name
    int rossi = 0;   // IdGio of ROSSI, row 2

    static void click(Form1 &form, int row)
    {
        form.Fgrid->SetRow(row);
        form.Fgrid_Click();
    }
    QVariant stored(const char *column, int idGio)
    {
        return fx->scalar(QStringLiteral("SELECT %1 FROM Giocatori WHERE IdGio=?")
                              .arg(QLatin1String(column)),
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

    void loadShowsRegistryAndSeasonData()
    {
        Form1 form;
        MsgRecorder rec;
        click(form, 1);
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

        click(form, 2);
        QCOMPARE(form.ComboRuolo->currentText(), QStringLiteral("A"));
        QCOMPARE(form.TxtPeso->text(), QStringLiteral("78"));
        QCOMPARE(form.TxtAltezza->text(), QStringLiteral("181"));
        QCOMPARE(form.TxtScadenza->text(), QStringLiteral("30/06/2012"));
        QCOMPARE(form.TxtSocieta->text(), QStringLiteral("Pro Vercelli"));
        QCOMPARE(form.TxtSqual->text(), QStringLiteral("1"));
        QCOMPARE(form.TxtLuogo->text(), QString()); // Null place
        QVERIFY(rec.calls.isEmpty());

        QCOMPARE(form.TxtPeso->maxLength(), 3);
        QCOMPARE(form.TxtAltezza->maxLength(), 3);
        QCOMPARE(form.TxtScadenza->maxLength(), 30);
        QCOMPARE(form.TxtSocieta->maxLength(), 50);
        QCOMPARE(form.TxtSqual->maxLength(), 2);
        QVERIFY(form.TxtNome->isReadOnly() && form.TxtMin->isReadOnly());
        QVERIFY(!form.TxtPeso->isReadOnly());
    }

    void saveWritesByTheRules_data()
    {
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("suspensions");
        QTest::addColumn<QString>("club");
        QTest::addColumn<QVariant>("storedWeight");
        QTest::addColumn<int>("storedSuspensions");
        QTest::addColumn<QVariant>("storedClub");
        QTest::newRow("numbers") << "75" << "3" << "Nuova Società"
                                 << QVariant(75.0) << 3 << QVariant("Nuova Società");
        QTest::newRow("empty boxes") << "" << "" << "" << QVariant() << 0 << QVariant();
        QTest::newRow("leading number") << "7.5" << "2x" << "L'Aquila Calcio"
                                        << QVariant(7.5) << 2 << QVariant("L'Aquila Calcio");
        QTest::newRow("no number") << "ab" << "-" << " " << QVariant(0.0) << 0 << QVariant(" ");
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
        click(form, 2);
        form.TxtPeso->setText(weight);
        form.TxtSqual->setText(suspensions);
        form.TxtSocieta->setText(club);
        form.TxtScadenza->clear();
        QVERIFY(form.cardModified());
        form.BtnSalva_Click();
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
        // The roster keeps the former suspensions until the next refresh.
        QCOMPARE(form.Fgrid->TextMatrix(2, 9), QStringLiteral("1"));
    }

    void roleIsWrittenOnlyWhenChosen()
    {
        Form1 form;
        click(form, 1);
        form.BtnSalva_Click();
        QVERIFY(stored("Ruolo", dAngelo).isNull());
        QCOMPARE(stored("Squalifiche", dAngelo).toInt(), 0);
        form.ComboRuolo->setCurrentIndex(0);
        form.BtnSalva_Click();
        QCOMPARE(stored("Ruolo", dAngelo).toString(), QStringLiteral("P"));
    }

    // The question before the card is replaced: by a grid click, a selector or "&ESCI".
    void saveQuestion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("yes");
        QTest::newRow("grid click, yes") << "grid" << true;
        QTest::newRow("grid click, no") << "grid" << false;
        QTest::newRow("season change, yes") << "season" << true;
        QTest::newRow("season change, no") << "season" << false;
        QTest::newRow("championship change, yes") << "camp" << true;
        QTest::newRow("exit, yes") << "exit" << true;
        QTest::newRow("exit, no") << "exit" << false;
    }
    void saveQuestion()
    {
        QFETCH(QString, how);
        QFETCH(bool, yes);
        fx->addChampionship(QStringLiteral("Coppa"));
        Form1 form;
        form.show();
        click(form, 2);
        form.TxtPeso->setText(QStringLiteral("90"));

        MsgRecorder rec;
        rec.answers << (yes ? ui::Answer::Yes : ui::Answer::No);
        if (how == "grid")
            click(form, 1);
        else if (how == "season")
            form.ComboStag->setCurrentIndex(0);
        else if (how == "camp")
            form.ComboCamp->setCurrentIndex(1);
        else
            form.BtnEsci->click();

        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(rec.last().text, QStringLiteral("Salvare le modifiche apportate ?"));
        QCOMPARE(rec.last().title, QStringLiteral("AVVISO"));
        QCOMPARE(rec.last().icon, ui::Icon::Question);
        QCOMPARE(rec.last().buttons, ui::Buttons::YesNo);
        QCOMPARE(stored("Peso", rossi).toInt(), yes ? 90 : 78);
        if (how == "grid")
            QCOMPARE(form.TxtNome->text(), QStringLiteral("D'ANGELO LUCA"));
        if (how == "exit")
            QVERIFY(!form.isVisible());
        else
            QVERIFY(!form.cardModified());
    }

    // Unchanged cards, and refreshes by the other buttons, ask nothing.
    void noQuestionWithoutChanges()
    {
        Form1 form;
        MsgRecorder rec;
        ModalHook hook;
        click(form, 2);
        click(form, 1);
        form.TxtPeso->setText(QStringLiteral("70"));
        form.mnuAna->trigger(); // the refresh drops the change
        QCOMPARE(form.TxtId->text(), QString());
        form.BtnEsci->click();
        QVERIFY(rec.calls.isEmpty());
        QVERIFY(stored("Peso", dAngelo).isNull());
    }

    void timerEnablesSaveForAChangedCard()
    {
        Form1 form;
        QCOMPARE(form.Timer1->interval(), 1000);
        QVERIFY(form.Timer1->isActive());
        form.Timer1_Timer(); // what the timer runs every second
        QVERIFY(!form.BtnSalva->isEnabled());
        click(form, 2);
        form.Timer1_Timer(); // what the timer runs every second
        QVERIFY(!form.BtnSalva->isEnabled());
        form.TxtAltezza->setText(QStringLiteral("182"));
        form.Timer1_Timer(); // what the timer runs every second
        QVERIFY(form.BtnSalva->isEnabled());
        form.BtnSalva->click();
        form.Timer1_Timer(); // what the timer runs every second
        QVERIFY(!form.BtnSalva->isEnabled());
        QCOMPARE(stored("Altezza", rossi).toInt(), 182);
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

        form.Fgrid->SetRow(2);
        rec.answers << ui::Answer::Yes;
        form.BtnElimina->click();
        QCOMPARE(rec.calls.at(0).text, QStringLiteral("Eliminazione Giocatore ROSSI MARIO ?"));
        QCOMPARE(rec.calls.at(0).title, QStringLiteral("CONFERMI"));
        QCOMPARE(rec.last().text, QStringLiteral("Il Giocatore è presente nella Formazione"));
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
        QCOMPARE(rec.calls.at(0).text, QStringLiteral("Eliminazione Giocatore D'ANGELO LUCA ?"));
        QCOMPARE(rec.calls.size(), 1);
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
        fx->sql(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {rossi});
        click(form, 2);
        QCOMPARE(rec.last().text, QStringLiteral("Durante lettura dati giocatore"));
        form.TxtPeso->setText(QStringLiteral("1"));
        form.BtnSalva_Click();
        QCOMPARE(rec.last().text, QStringLiteral("Durante salvataggio dati giocatore"));
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QVERIFY(form.cardModified());
    }
};

VELMORA_TEST(CardTest)
#include "tst_card.moc"
