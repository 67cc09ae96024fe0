#include "app/Module1.h"
#include "registry/FrmMedica.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

class FrmMedicaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int serieA = 0;
    int coppa = 0;
    int rossi = 0;

    void setTexts(int idGio, const QVariant &injuries, const QVariant &treatments)
    {
        fx->sql(QStringLiteral("UPDATE Giocatori SET Infortuni=?,Cure=? WHERE IdGio=?"),
                {injuries, treatments, idGio});
    }
    QVariant column(int idGio, const QString &name)
    {
        return fx->scalar(QStringLiteral("SELECT %1 FROM Giocatori WHERE IdGio=?").arg(name),
                          {idGio});
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        serieA = fx->addChampionship(QStringLiteral("SERIE A"));
        coppa = fx->addChampionship(QStringLiteral("COPPA"));
        rossi = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        Module1::selectedSeason = 2008;
        Module1::selectedSeasonName = QStringLiteral("2008-09");
        Module1::selectedChampionship = serieA;
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // The card is per season: it lives on the first enrolment of the selected season by
    // IdGio, here in the championship that is not the selected one.
    void showsTheSelectedSeasonsFirstRow_data()
    {
        QTest::addColumn<int>("season");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("injuries");
        QTest::newRow("2008") << 2008 << "2008-09"
                              << "distorsione";
        QTest::newRow("2007") << 2007 << "2007-08"
                              << "stiramento";
    }
    void showsTheSelectedSeasonsFirstRow()
    {
        QFETCH(int, season);
        QFETCH(QString, label);
        QFETCH(QString, injuries);
        setTexts(fx->enrol(rossi, 2007, serieA), QStringLiteral("stiramento"), {});
        setTexts(fx->enrol(rossi, 2008, coppa), QStringLiteral("distorsione"),
                 QStringLiteral("ghiaccio"));
        setTexts(fx->enrol(rossi, 2008, serieA), QStringLiteral("altro"), QStringLiteral("altro"));
        Module1::selectedSeason = season;
        Module1::selectedSeasonName = label;
        MsgRecorder msg;
        FrmMedica card;
        QCOMPARE(card.windowTitle(), QStringLiteral("SCHEDA MEDICO-SANITARIA"));
        card.Carica(rossi, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(card.windowTitle(),
                 QStringLiteral("SCHEDA MEDICO-SANITARIA - ROSSI MARIO (%1)").arg(label));
        QCOMPARE(card.TxtInf->toPlainText(), injuries);
        QCOMPARE(card.TxtCure->toPlainText(), season == 2008 ? "ghiaccio" : "");
        QVERIFY(msg.calls.isEmpty());
    }

    void savesTextsOnTheFirstRow_data()
    {
        QTest::addColumn<QString>("injuries");
        QTest::addColumn<QString>("treatments");
        QTest::newRow("line breaks kept") << "distorsione\ncaviglia dx\n"
                                          << "ghiaccio\nriposo";
        QTest::newRow("empty boxes are Null") << ""
                                              << "";
        QTest::newRow("one empty") << ""
                                   << "riposo";
    }
    void savesTextsOnTheFirstRow()
    {
        QFETCH(QString, injuries);
        QFETCH(QString, treatments);
        MsgRecorder msg;
        const int first = fx->enrol(rossi, 2008, coppa);
        const int second = fx->enrol(rossi, 2008, serieA);
        setTexts(first, QStringLiteral("vecchio"), QStringLiteral("vecchio"));
        FrmMedica card;
        card.Carica(rossi, QStringLiteral("ROSSI MARIO"));
        QVERIFY(drive::activate(card));
        QCOMPARE(card.TxtInf->toPlainText(), QStringLiteral("vecchio"));
        drive::typeLines(*card.TxtInf, injuries);
        drive::typeLines(*card.TxtCure, treatments);
        card.BtnSalva->click();
        QCOMPARE(card.result(), int(QDialog::Accepted));
        QVERIFY(!card.isVisible());

        const QVariant storedInjuries = column(first, QStringLiteral("Infortuni"));
        const QVariant storedTreatments = column(first, QStringLiteral("Cure"));
        QCOMPARE(storedInjuries.isNull(), injuries.isEmpty());
        QCOMPARE(storedInjuries.toString(), injuries);
        QCOMPARE(storedTreatments.isNull(), treatments.isEmpty());
        QCOMPARE(storedTreatments.toString(), treatments);
        QVERIFY(column(second, QStringLiteral("Infortuni")).isNull());

        FrmMedica again;
        again.Carica(rossi, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(again.TxtInf->toPlainText(), injuries);
        QCOMPARE(again.TxtCure->toPlainText(), treatments);
        QVERIFY(msg.calls.isEmpty());
    }

    // Return on the focused "&SALVA" saves, on the focused "&ANNULLA" cancels.
    void returnPressesTheFocusedButton_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<bool>("saved");
        QTest::newRow("SALVA") << "BtnSalva" << true;
        QTest::newRow("ANNULLA") << "BtnAnnulla" << false;
    }
    void returnPressesTheFocusedButton()
    {
        QFETCH(QString, focus);
        QFETCH(bool, saved);
        MsgRecorder msg;
        const int id = fx->enrol(rossi, 2008, serieA);
        FrmMedica card;
        card.Carica(rossi, QStringLiteral("ROSSI MARIO"));
        QVERIFY(drive::activate(card));
        drive::typeLines(*card.TxtInf, QStringLiteral("distorsione"));
        card.findChild<QWidget *>(focus)->setFocus(Qt::TabFocusReason);
        drive::key(Qt::Key_Return);
        QVERIFY(!card.isVisible());
        QCOMPARE(column(id, QStringLiteral("Infortuni")).isNull(), !saved);
    }

    void cancelWritesNothing()
    {
        MsgRecorder msg;
        const int id = fx->enrol(rossi, 2008, serieA);
        FrmMedica card;
        card.Carica(rossi, QStringLiteral("ROSSI MARIO"));
        QVERIFY(drive::activate(card));
        drive::typeLines(*card.TxtInf, QStringLiteral("distorsione"));
        card.BtnAnnulla->click();
        QVERIFY(!card.isVisible());
        QCOMPARE(card.result(), int(QDialog::Rejected));
        QVERIFY(column(id, QStringLiteral("Infortuni")).isNull());
        QVERIFY(msg.calls.isEmpty());
    }

    // Without an enrolment in the season the card opens empty and cannot be saved.
    void personNotEnrolledInTheSeason()
    {
        const int other = fx->enrol(rossi, 2007, serieA);
        MsgRecorder msg;
        FrmMedica card;
        card.Carica(rossi, QStringLiteral("ROSSI MARIO"));
        QCOMPARE(msg.texts(), QStringList{"Durante lettura dati"});
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::None);
        QCOMPARE(card.TxtInf->toPlainText(), QString());

        QVERIFY(drive::activate(card));
        drive::typeLines(*card.TxtInf, QStringLiteral("distorsione"));
        card.BtnSalva->click();
        QCOMPARE(msg.texts(), (QStringList{"Durante lettura dati", "Durante lettura dati"}));
        QVERIFY(card.isVisible());
        QVERIFY(column(other, QStringLiteral("Infortuni")).isNull());
        card.close();
    }
};

VELMORA_TEST(FrmMedicaTest)
#include "tst_frmmedica.moc"
