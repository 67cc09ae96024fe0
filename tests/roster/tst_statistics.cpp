#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include <memory>

using Rows = QList<QPair<QString, QVariant>>; // Tipo, Min

class StatisticsTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int camp = 0;

    // The roster's seven figures of row 1: Pres, Reti, Amm, Esp., S.av, S.fa, Min.g.
    static QStringList figures(const Form1 &form, int row = 1)
    {
        QStringList f;
        for (int c : {5, 6, 7, 8, 10, 11, 12})
            f << form.Fgrid->TextMatrix(row, c);
        return f;
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        fx->addSeason(2010);
        camp = fx->addChampionship(QStringLiteral("Serie D"));
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void oneGame_data()
    {
        QTest::addColumn<Rows>("rows");
        QTest::addColumn<int>("addedTime");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("starter") << Rows{{"TIT", {}}} << 4
                                 << QStringList{"1", "0", "0", "0", "0", "0", "90"};
        QTest::newRow("starter off at 70") << Rows{{"TIT", {}}, {"SA", 70}} << 4
                                           << QStringList{"1", "0", "0", "0", "1", "0", "70"};
        QTest::newRow("on at 70") << Rows{{"SF", 70}} << 4
                                  << QStringList{"1", "0", "0", "0", "0", "1", "24"};
        QTest::newRow("on at 60, off at 80")
            << Rows{{"SF", 60}, {"SA", 80}} << 3 << QStringList{"1", "0", "0", "0", "1", "1", "23"};
        QTest::newRow("two goals and both cards")
            << Rows{{"TIT", {}}, {"RETE", 10}, {"RETE", 55}, {"AMM", {}}, {"ESP", {}}} << 4
            << QStringList{"1", "2", "1", "1", "0", "0", "90"};
        QTest::newRow("bench only")
            << Rows{{"RIS", {}}} << 4 << QStringList{"0", "0", "0", "0", "0", "0", "0"};
        QTest::newRow("on with no minute")
            << Rows{{"SF", {}}} << 5 << QStringList{"1", "0", "0", "0", "0", "1", "95"};
        QTest::newRow("off with no minute")
            << Rows{{"TIT", {}}, {"SA", {}}} << 4 << QStringList{"1", "0", "0", "0", "1", "0", "0"};
        QTest::newRow("codes are case-sensitive") << Rows{{"tit", {}}, {"Rete", 3}} << 4
                                                  << QStringList{"0", "0", "0", "0", "0", "0", "0"};
    }
    void oneGame()
    {
        QFETCH(Rows, rows);
        QFETCH(int, addedTime);
        QFETCH(QStringList, expected);
        const int gio = fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        const int game = fx->addGame(2010, camp, QStringLiteral("2010-09-05"), addedTime);
        for (const auto &[tipo, minute] : rows)
            fx->addGameRow(game, gio, tipo, minute);

        Form1 form;
        QVERIFY(drive::activate(form));
        QCOMPARE(figures(form), expected);
        // The card copies the figures from the roster.
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        const QStringList card{form.TxtPresenze->text(), form.TxtReti->text(),
                               form.TxtAmm->text(),      form.TxtEsp->text(),
                               form.TxtSostA->text(),    form.TxtSostF->text(),
                               form.TxtMin->text()};
        QCOMPARE(card, expected);
    }

    // Only this enrolment's valid rows count, over every game.
    void onlyValidRowsOfThisEnrolmentCount()
    {
        const int person = fx->addPerson(QStringLiteral("ROSSI"), QStringLiteral("1990-01-31"));
        const int gio = fx->enrol(person, 2010, camp);
        const int other = fx->addChampionship(QStringLiteral("Coppa"));
        const int sameManElsewhere = fx->enrol(person, 2010, other);
        const int g1 = fx->addGame(2010, camp, QStringLiteral("2010-09-05"), 2);
        const int g2 = fx->addGame(2010, camp, QStringLiteral("2010-09-12"), 6);
        const int cup = fx->addGame(2010, other, QStringLiteral("2010-09-15"), 0);

        fx->addGameRow(g1, gio, QStringLiteral("TIT"));
        fx->addGameRow(g1, gio, QStringLiteral("RETE"), 30);
        fx->addGameRow(g2, gio, QStringLiteral("SF"), 46); // 90 + 6 - 46 = 50
        fx->addGameRow(g2, gio, QStringLiteral("RETE"), 80);
        fx->addGameRow(g2, gio, QStringLiteral("TIT"), QVariant(), 0); // freed: never counted
        fx->addGameRow(g2, gio, QStringLiteral("ESP"), QVariant(), 0);
        fx->addGameRow(cup, sameManElsewhere, QStringLiteral("TIT"));
        fx->addGameRow(cup, sameManElsewhere, QStringLiteral("AMM"));

        Form1 form;
        QVERIFY(drive::activate(form));
        QCOMPARE(figures(form), (QStringList{"2", "2", "0", "0", "0", "1", "140"}));
        QCOMPARE(form.Fgrid->TextMatrix(1, 3), QStringLiteral("31/01/1990"));
        QVERIFY(drive::choose(*form.ComboCamp, QStringLiteral("Coppa")));
        QCOMPARE(figures(form), (QStringList{"1", "0", "1", "0", "0", "0", "90"}));
    }

    void playerNeverLinedUpShowsZeros()
    {
        fx->enrol(fx->addPerson(QStringLiteral("BIANCHI"), QStringLiteral("2001-07-05")), 2010,
                  camp);
        fx->enrol(fx->addPerson(QStringLiteral("VERDI")), 2010, camp);
        Form1 form;
        QCOMPARE(figures(form, 1), QStringList(7, "0"));
        QCOMPARE(figures(form, 2), QStringList(7, "0"));
        QCOMPARE(form.Fgrid->TextMatrix(1, 3), QStringLiteral("05/07/2001"));
        QCOMPARE(form.Fgrid->TextMatrix(2, 3), QString());
        QCOMPARE(form.Fgrid->TextMatrix(1, 9), QString()); // suspensions never saved
    }

    // The roster's figures follow the rows at every refresh.
    void refreshRecomputes()
    {
        const int gio = fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp);
        const int game = fx->addGame(2010, camp);
        Form1 form;
        QCOMPARE(form.Fgrid->TextMatrix(1, 5), QStringLiteral("0"));
        fx->addGameRow(game, gio, QStringLiteral("TIT"));
        form.Opt_1->click();
        QCOMPARE(form.Fgrid->TextMatrix(1, 5), QStringLiteral("1"));
        QCOMPARE(form.Fgrid->TextMatrix(1, 12), QStringLiteral("90"));
    }
};

VELMORA_TEST(StatisticsTest)
#include "tst_statistics.moc"
