#include "EditorDriving.h"
#include "Pictures.h"
#include "app/Module1.h"
#include "core/Dates.h"
#include "registry/FormCarica.h"
#include "registry/FrmAna.h"
#include "registry/FrmMedica.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace editor;

class FrmAnaTest : public EditorTest {
    Q_OBJECT

    QVariant clothing(int idGio)
    {
        return fx->scalar(QStringLiteral("SELECT Vestiario FROM Giocatori WHERE IdGio=?"), {idGio});
    }

private slots:
    // The number shown is the one the person is stored under, also in a store that never
    // hands out a number twice (as one made by another tool may).
    void newPersonGetsThePredictedNumber_data()
    {
        QTest::addColumn<int>("greatest");
        QTest::addColumn<bool>("noReuse");
        QTest::addColumn<QString>("shown");
        QTest::newRow("empty registry") << 0 << false << "0001";
        QTest::newRow("after a gap") << 41 << false << "0042";
        QTest::newRow("store that does not reuse numbers") << 41 << true << "0042";
    }
    void newPersonGetsThePredictedNumber()
    {
        QFETCH(int, greatest);
        QFETCH(bool, noReuse);
        QFETCH(QString, shown);
        if (noReuse) {
            fx->sql(QStringLiteral("DROP TABLE Anagrafica"));
            fx->sql(QStringLiteral(
                "CREATE TABLE Anagrafica (IdAna INTEGER PRIMARY KEY AUTOINCREMENT, Nome TEXT, "
                "DataNas TEXT, LuogoNas TEXT, Paese TEXT, Documento TEXT)"));
            fx->sql(QStringLiteral("INSERT INTO Anagrafica (IdAna,Nome) VALUES (?,'Y')"),
                    {greatest + 1});
            fx->sql(QStringLiteral("DELETE FROM Anagrafica"));
        }
        if (greatest > 0)
            fx->sql(QStringLiteral("INSERT INTO Anagrafica (IdAna,Nome) VALUES (?,'X')"),
                    {greatest});
        QDir(QStringLiteral("Dati/Foto")).removeRecursively();
        FrmAna w;
        QVERIFY(QDir(QStringLiteral("Dati/Foto")).exists());
        QVERIFY(open(w, QString()));
        QCOMPARE(w.TxtId->text(), shown);
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - ANAGRAFICA"));
        QVERIFY(w.BtnMedSan->isHidden());
        QVERIFY(!w.TxtAbb->isEnabled());
        QCOMPARE(w.LblAbb->text(), QString());

        drive::type(*w.TxtNome, QStringLiteral("nuovo"));
        MsgRecorder msg;
        w.BtnSalva->click();
        QCOMPARE(msg.texts(), QStringList{"Nuovo GIOCATORE inserito con successo"});
        QCOMPARE(msg.last().icon, ui::Icon::Information);
        QCOMPARE(column(greatest + 1, QStringLiteral("Nome")).toString(), QStringLiteral("NUOVO"));
        QVERIFY(!w.isVisible());
    }

    // Name, place and country in capitals; an empty date is Null, an empty place empty text.
    void savesANewPerson_data()
    {
        QTest::addColumn<QString>("typedDate");
        QTest::addColumn<QVariant>("storedDate");
        QTest::addColumn<QString>("place");
        QTest::newRow("full") << "1/2/1990" << QVariant("1990-02-01") << "roma";
        QTest::newRow("empty date and place") << "" << QVariant() << "";
    }
    void savesANewPerson()
    {
        QFETCH(QString, typedDate);
        QFETCH(QVariant, storedDate);
        QFETCH(QString, place);
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QString()));
        drive::type(*w.TxtNome, QStringLiteral("d'amico luca"));
        drive::type(*w.TxtData, typedDate);
        drive::type(*w.TxtLuogo, place);
        drive::type(*w.TxtPaese, QStringLiteral("italia"));
        drive::type(*w.TxtDoc, QStringLiteral("ca 12345 b"));
        w.BtnSalva->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(msg.texts(), QStringList{"Nuovo GIOCATORE inserito con successo"});
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 1);
        QCOMPARE(column(1, QStringLiteral("Nome")).toString(), QStringLiteral("D'AMICO LUCA"));
        const QVariant born = column(1, QStringLiteral("DataNas"));
        QCOMPARE(born.isNull(), storedDate.isNull());
        QCOMPARE(born.toString(), storedDate.toString());
        const QVariant storedPlace = column(1, QStringLiteral("LuogoNas"));
        QVERIFY(!storedPlace.isNull());
        QCOMPARE(storedPlace.toString(), place.toUpper());
        QCOMPARE(column(1, QStringLiteral("Paese")).toString(), QStringLiteral("ITALIA"));
        QCOMPARE(column(1, QStringLiteral("Documento")).toString(), QStringLiteral("ca 12345 b"));
    }

    // Return saves from a box; on a button that has the focus, that button answers it.
    void returnSavesUnlessAnotherButtonHasTheFocus_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("stored");
        QTest::newRow("in a box") << "TxtDoc" << 1;
        QTest::newRow("on ANNULLA") << "BtnAnnulla" << 0;
    }
    void returnSavesUnlessAnotherButtonHasTheFocus()
    {
        QFETCH(QString, focus);
        QFETCH(int, stored);
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QString()));
        drive::type(*w.TxtNome, QStringLiteral("bruno carlo"));
        w.findChild<QWidget *>(focus)->setFocus(Qt::TabFocusReason);
        drive::key(Qt::Key_Return);
        QVERIFY(!w.isVisible());
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), stored);
    }

    void loadsAnExistingPerson()
    {
        MsgRecorder msg;
        const int id =
            fx->addPerson(QStringLiteral("ROSSI MARIO"), QStringLiteral("1990-02-01"),
                          QStringLiteral("ROMA"), QStringLiteral("ITALIA"), QStringLiteral("AB1"));
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QCOMPARE(w.windowTitle(), QStringLiteral("VELMORA - ANAGRAFICA - ROSSI MARIO"));
        QCOMPARE(w.TxtId->text(), QStringLiteral("%1").arg(id, 4, 10, QLatin1Char('0')));
        QCOMPARE(w.TxtNome->text(), QStringLiteral("ROSSI MARIO"));
        QCOMPARE(w.TxtData->text(), QStringLiteral("01/02/1990"));
        QCOMPARE(w.TxtLuogo->text(), QStringLiteral("ROMA"));
        QCOMPARE(w.TxtPaese->text(), QStringLiteral("ITALIA"));
        QCOMPARE(w.TxtDoc->text(), QStringLiteral("AB1"));
        QVERIFY(!w.BtnMedSan->isHidden());
        w.BtnAnnulla->click();
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QVERIFY(msg.calls.isEmpty());
    }

    // Passing through the boxes changes nothing: the date shown is rewritten to itself.
    void saveWithoutChangeWritesNothing()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"), QStringLiteral("1990-02-01"),
                                     QVariant(), QStringLiteral("ITALIA"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        drive::enterAndLeave(*w.TxtNome);
        drive::enterAndLeave(*w.TxtData);
        w.BtnSalva->click();
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QVERIFY(msg.calls.isEmpty());
        // A write would have turned the Null place into empty text.
        QVERIFY(column(id, QStringLiteral("LuogoNas")).isNull());
    }

    void smallLettersAreWrittenInCapitals()
    {
        const int id = fx->addPerson(QStringLiteral("rossi mario"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("rossi mario")));
        w.BtnSalva->click();
        QCOMPARE(msg.texts(), QStringList{"GIOCATORE modificato con successo"});
        QCOMPARE(column(id, QStringLiteral("Nome")).toString(), QStringLiteral("ROSSI MARIO"));
    }

    // Letter case does not count: a name another tool stored in small letters blocks the
    // same name typed in capitals.
    void nameMustBeUnique_data()
    {
        QTest::addColumn<QString>("other");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("another person's name") << "BIANCHI ANNA"
                                               << "ROSSI MARIO"
                                               << "bianchi anna" << true;
        QTest::newRow("new person, taken name") << "BIANCHI ANNA"
                                                << ""
                                                << "Bianchi Anna" << true;
        QTest::newRow("stored in small letters, typed in capitals") << "bianchi anna"
                                                                    << ""
                                                                    << "BIANCHI ANNA" << true;
        QTest::newRow("stored in small letters, renamed to it") << "bianchi anna"
                                                                << "ROSSI MARIO"
                                                                << "BIANCHI ANNA" << true;
        QTest::newRow("own name kept") << "BIANCHI ANNA"
                                       << "ROSSI MARIO"
                                       << "ROSSI MARIO" << false;
    }
    void nameMustBeUnique()
    {
        QFETCH(QString, other);
        QFETCH(QString, opened);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        fx->sql(QStringLiteral("INSERT INTO Anagrafica (Nome) VALUES (?)"), {other});
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, opened));
        drive::type(*w.TxtNome, typed);
        drive::type(*w.TxtDoc, QStringLiteral("X9"));
        w.BtnSalva->click();
        QCOMPARE(w.TxtNome->text(), typed.toUpper());
        if (refused) {
            QCOMPARE(msg.texts(), QStringList{"Giocatore 'BIANCHI ANNA' gia esistente"});
            QCOMPARE(msg.last().icon, ui::Icon::Critical);
            QCOMPARE(msg.last().title, QString());
            QVERIFY(w.isVisible());
            QCOMPARE(w.TxtDoc->text(), QStringLiteral("X9"));
            QCOMPARE(fx->count(QStringLiteral("Anagrafica"), QStringLiteral("Documento='X9'")), 0);
            w.close();
        } else {
            QCOMPARE(msg.texts(), QStringList{"GIOCATORE modificato con successo"});
            QCOMPARE(fx->count(QStringLiteral("Anagrafica"), QStringLiteral("Documento='X9'")), 1);
        }
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 2);
    }

    void refusesEmptyNameAndInvalidDate_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("empty name") << ""
                                    << ""
                                    << "Inserire NOME del Giocatore"
                                    << "TxtNome";
        QTest::newRow("blanks only") << "   "
                                     << ""
                                     << "Inserire NOME del Giocatore"
                                     << "TxtNome";
        QTest::newRow("impossible date") << "ROSSI MARIO"
                                         << "31/02/1990"
                                         << "DATA non valida"
                                         << "TxtData";
        QTest::newRow("not a date") << "ROSSI MARIO"
                                    << "ieri"
                                    << "DATA non valida"
                                    << "TxtData";
    }
    void refusesEmptyNameAndInvalidDate()
    {
        QFETCH(QString, name);
        QFETCH(QString, date);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QString()));
        drive::type(*w.TxtNome, name);
        drive::type(*w.TxtData, date);
        w.BtnSalva->click();
        QCOMPARE(msg.texts(), QStringList{message});
        QCOMPARE(msg.last().icon, ui::Icon::Exclamation);
        QCOMPARE(msg.last().title, QString());
        QVERIFY(QApplication::focusWidget());
        QCOMPARE(QApplication::focusWidget()->objectName(), focus);
        QVERIFY(w.isVisible());
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), 0);
        w.close();
    }

    // Typing past a box's length adds nothing.
    void boxesTakeNoMoreThanTheirLength_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<int>("length");
        QTest::newRow("name") << "TxtNome" << 100;
        QTest::newRow("place") << "TxtLuogo" << 50;
        QTest::newRow("country") << "TxtPaese" << 50;
        QTest::newRow("document") << "TxtDoc" << 50;
    }
    void boxesTakeNoMoreThanTheirLength()
    {
        QFETCH(QString, box);
        QFETCH(int, length);
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QString()));
        QLineEdit *edit = w.findChild<QLineEdit *>(box);
        QVERIFY(edit);
        drive::type(*edit, QString(length + 5, QLatin1Char('x')));
        QCOMPARE(edit->text().size(), length);
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    void dateIsRewrittenOnLeavingTheBox_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("byClick");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short form") << "1/2/1990" << false << "01/02/1990";
        QTest::newRow("left by a click") << "1/2/1990" << true << "01/02/1990";
        QTest::newRow("two-digit year") << "5.6.85" << false << "05/06/1985";
        // Nobody is born in the future: on 10/12/2026, "26" is this year and "27" is 1927.
        QTest::newRow("this year") << "1/2/26" << false << "01/02/2026";
        QTest::newRow("next year's digits") << "1/2/27" << false << "01/02/1927";
        QTest::newRow("not a date stays") << "ieri" << false << "ieri";
    }
    void dateIsRewrittenOnLeavingTheBox()
    {
        QFETCH(QString, typed);
        QFETCH(bool, byClick);
        QFETCH(QString, shown);
        MsgRecorder msg;
        core::setToday(QDate(2026, 12, 10));
        FrmAna w;
        QVERIFY(open(w, QString()));
        drive::type(*w.TxtData, typed, !byClick);
        if (byClick) {
            QCOMPARE(w.TxtData->text(), typed);
            QTest::mouseClick(w.TxtLuogo, Qt::LeftButton);
        }
        QCOMPARE(w.TxtData->text(), shown);
        QVERIFY(!w.TxtData->hasFocus());
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    // Clothing and the medical card exist only for a person enrolled in the selected season.
    void clothingOnlyWhenEnrolledInTheSeason_data()
    {
        QTest::addColumn<int>("enrolledIn");
        QTest::addColumn<int>("selected");
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enrolled") << 2008 << 2008 << true;
        QTest::newRow("other season") << 2007 << 2008 << false;
        QTest::newRow("no season selected") << 2008 << 0 << false;
    }
    void clothingOnlyWhenEnrolledInTheSeason()
    {
        QFETCH(int, enrolledIn);
        QFETCH(int, selected);
        QFETCH(bool, enabled);
        MsgRecorder msg;
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        const int idGio = fx->enrol(id, enrolledIn, serieA);
        fx->sql(QStringLiteral("UPDATE Giocatori SET Vestiario='2 tute' WHERE IdGio=?"), {idGio});
        Module1::selectedSeason = selected;
        Module1::selectedSeasonName = selected ? QStringLiteral("2008-09") : QString();
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QCOMPARE(w.TxtAbb->isEnabled(), enabled);
        QCOMPARE(w.BtnMedSan->isEnabled(), enabled);
        QVERIFY(!w.BtnMedSan->isHidden());
        QCOMPARE(w.LblAbb->text(),
                 enabled ? QStringLiteral("VESTIARIO CONSEGNATO (2008-09)") : QString());
        QCOMPARE(w.TxtAbb->toPlainText(), enabled ? QStringLiteral("2 tute") : QString());
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    // The clothing lives on the person's first enrolment of the season by IdGio, here in
    // the championship that is not the selected one.
    void clothingLivesOnTheSeasonsFirstEnrolment_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::newRow("text with line breaks") << "2 tute\n1 borsa";
        QTest::newRow("empty is Null") << "";
    }
    void clothingLivesOnTheSeasonsFirstEnrolment()
    {
        QFETCH(QString, typed);
        const int coppa = fx->addChampionship(QStringLiteral("COPPA"));
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        const int first = fx->enrol(id, 2008, coppa);
        const int second = fx->enrol(id, 2008, serieA);
        fx->sql(QStringLiteral("UPDATE Giocatori SET Vestiario=? WHERE IdGio=?"),
                {QStringLiteral("primo"), first});
        fx->sql(QStringLiteral("UPDATE Giocatori SET Vestiario=? WHERE IdGio=?"),
                {QStringLiteral("secondo"), second});
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QCOMPARE(w.TxtAbb->toPlainText(), QStringLiteral("primo"));
        drive::typeLines(*w.TxtAbb, typed);
        QCOMPARE(w.TxtAbb->toPlainText(), typed);
        w.BtnSalva->click();
        QCOMPARE(msg.texts(), QStringList{"GIOCATORE modificato con successo"});
        const QVariant stored = clothing(first);
        QCOMPARE(stored.isNull(), typed.isEmpty());
        QCOMPARE(stored.toString(), typed);
        QCOMPARE(clothing(second).toString(), QStringLiteral("secondo"));
    }

    void rowsVanishedBeforeSaving_data()
    {
        QTest::addColumn<QString>("vanished");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("storedName");
        QTest::newRow("person") << "Anagrafica"
                                << "Errore"
                                << ""
                                << "";
        QTest::newRow("enrolment") << "Giocatori"
                                   << "Durante lettura vestiario"
                                   << "Errore"
                                   << "ROSSI MARIA";
    }
    void rowsVanishedBeforeSaving()
    {
        QFETCH(QString, vanished);
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, storedName);
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->enrol(id, 2008, serieA);
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        fx->sql(QStringLiteral("DELETE FROM ") + vanished);
        drive::type(*w.TxtNome, QStringLiteral("ROSSI MARIA"));
        drive::typeLines(*w.TxtAbb, QStringLiteral("2 tute"));
        w.BtnSalva->click();
        QCOMPARE(msg.texts(), QStringList{message});
        QCOMPARE(msg.last().title, title);
        QCOMPARE(msg.last().icon, ui::Icon::None);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(column(id, QStringLiteral("Nome")).toString(), storedName);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), storedName.isEmpty() ? 0 : 1);
    }

    // Person and clothing are written together or not at all: when the store refuses the
    // clothing, the person row stays as it was and the editor keeps what was typed.
    void refusedClothingWritesNothing()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        const int idGio = fx->enrol(id, 2008, serieA);
        fx->sql(QStringLiteral("CREATE TRIGGER Rifiuta BEFORE UPDATE OF Vestiario ON Giocatori "
                               "BEGIN SELECT RAISE(ABORT, 'vestiario bloccato'); END"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        drive::type(*w.TxtNome, QStringLiteral("rossi maria"));
        drive::typeLines(*w.TxtAbb, QStringLiteral("2 tute"));
        w.BtnSalva->click();
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QVERIFY2(msg.last().text.contains(QStringLiteral("vestiario bloccato")),
                 qPrintable(msg.last().text));
        QVERIFY(w.isVisible());
        QCOMPARE(w.TxtNome->text(), QStringLiteral("ROSSI MARIA"));
        QCOMPARE(w.TxtAbb->toPlainText(), QStringLiteral("2 tute"));
        QCOMPARE(column(id, QStringLiteral("Nome")).toString(), QStringLiteral("ROSSI MARIO"));
        QVERIFY(clothing(idGio).isNull());

        // Once the store accepts it, the same press writes both.
        fx->sql(QStringLiteral("DROP TRIGGER Rifiuta"));
        w.BtnSalva->click();
        QCOMPARE(msg.last().text, QStringLiteral("GIOCATORE modificato con successo"));
        QCOMPARE(column(id, QStringLiteral("Nome")).toString(), QStringLiteral("ROSSI MARIA"));
        QCOMPARE(clothing(idGio).toString(), QStringLiteral("2 tute"));
        QVERIFY(!w.isVisible());
    }

    void unknownNameClosesTheWindowWhenShown()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        FrmAna w;
        QString name = QStringLiteral("NESSUNO");
        w.Carica(name);
        QCOMPARE(msg.texts(), QStringList{"Errore durante l'apertura"});
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QCOMPARE(msg.last().title, QString());
        QCOMPARE(w.TxtId->text(), QString());
        drive::activate(w);
        QTRY_VERIFY(!w.isVisible());
    }

    void medicalCardOpensForThePerson()
    {
        MsgRecorder msg;
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->enrol(id, 2008, serieA);
        ModalHook modal;
        QString title;
        modal.on<FrmMedica>([&](FrmMedica &card) { title = card.windowTitle(); });
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        drive::type(*w.TxtNome, QStringLiteral("ROSSI M."));
        w.BtnMedSan->click();
        QCOMPARE(modal.shown, QStringList{"FrmMedica"});
        QCOMPARE(title, QStringLiteral("SCHEDA MEDICO-SANITARIA - ROSSI M. (2008-09)"));
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    // " &ANAGRAFICA" and the roster's double click hand the card's player to the editor.
    void mainWindowOpensTheEditor_data()
    {
        QTest::addColumn<bool>("doubleClick");
        QTest::newRow("button") << false;
        QTest::newRow("double click") << true;
    }
    void mainWindowOpensTheEditor()
    {
        QFETCH(bool, doubleClick);
        fx->addSeason(2008);
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        fx->enrol(id, 2008, serieA);
        MsgRecorder msg;
        ModalHook modal;
        QString title;
        modal.on<FrmAna>([&](FrmAna &w) {
            title = w.windowTitle();
            QVERIFY(drive::activate(w));
            drive::type(*w.TxtNome, QStringLiteral("ROSSI MARIA"));
            w.BtnSalva->click();
        });
        Form1 main;
        QVERIFY(drive::activate(main));
        if (doubleClick) {
            QVERIFY(drive::doubleClickRow(*main.Fgrid, 1));
        } else {
            QVERIFY(drive::clickRow(*main.Fgrid, 1));
            main.BtnAna->click();
        }
        QCOMPARE(modal.shown, QStringList{"FrmAna"});
        QCOMPARE(title, QStringLiteral("VELMORA - ANAGRAFICA - ROSSI MARIO"));
        QCOMPARE(msg.texts(), QStringList{"GIOCATORE modificato con successo"});
        QCOMPARE(main.Fgrid->TextMatrix(1, 2), QStringLiteral("ROSSI MARIA"));
        main.close();
    }
};

VELMORA_TEST(FrmAnaTest)
#include "tst_frmana.moc"
