#include "core/Dates.h"
#include "core/Numbers.h"
#include "core/Season.h"
#include "support/TestMain.h"

#include <QTest>

class ValuesTest : public QObject {
    Q_OBJECT
private slots:
    void seasonLabel_data()
    {
        QTest::addColumn<int>("season");
        QTest::addColumn<QString>("label");
        QTest::newRow("ordinary") << 2008 << "2008-09";
        QTest::newRow("next decade") << 2009 << "2009-10";
        QTest::newRow("century turn") << 1999 << "1999-00";
        QTest::newRow("three digits") << 2099 << "2099-100";
        QTest::newRow("current") << 2026 << "2026-27";
    }
    void seasonLabel()
    {
        QFETCH(int, season);
        QFETCH(QString, label);
        QCOMPARE(core::seasonLabel(season), label);
        QCOMPARE(core::seasonNumber(label), season);
    }

    void seasonNumberOfOddText()
    {
        QCOMPARE(core::seasonNumber(QString()), 0);
        QCOMPARE(core::seasonNumber(QStringLiteral("abcd-ef")), 0);
    }

    void leadingNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "75" << 75.0;
        QTest::newRow("decimal point") << "75.5" << 75.5;
        QTest::newRow("comma stops") << "75,5" << 75.0;
        QTest::newRow("trailing text") << "23°" << 23.0;
        QTest::newRow("leading blanks") << "  12kg" << 12.0;
        QTest::newRow("sign") << "-3" << -3.0;
        QTest::newRow("no number") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("only a point") << "." << 0.0;
    }
    void leadingNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(core::leadingNumber(text), value);
    }

    void wholeNumberRoundsAndStaysInRange()
    {
        QCOMPARE(core::wholeNumber(QStringLiteral("2.6")), 3);
        QCOMPARE(core::wholeNumber(QStringLiteral("99999999999999999999")),
                 std::numeric_limits<int>::max());
    }

    // Read on 10 December 2026: game years run 1946-2045, birth years 1927-2026.
    void parseDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("game");
        QTest::addColumn<QDate>("birth");
        QTest::newRow("full") << "12/05/1990" << QDate(1990, 5, 12) << QDate(1990, 5, 12);
        QTest::newRow("short parts") << "1/2/1990" << QDate(1990, 2, 1) << QDate(1990, 2, 1);
        QTest::newRow("dashes") << "1-2-1990" << QDate(1990, 2, 1) << QDate(1990, 2, 1);
        QTest::newRow("dots") << "01.02.1990" << QDate(1990, 2, 1) << QDate(1990, 2, 1);
        QTest::newRow("two-digit 26") << "1/2/26" << QDate(2026, 2, 1) << QDate(2026, 2, 1);
        QTest::newRow("two-digit 27") << "1/2/27" << QDate(2027, 2, 1) << QDate(1927, 2, 1);
        QTest::newRow("two-digit 45") << "1/2/45" << QDate(2045, 2, 1) << QDate(1945, 2, 1);
        QTest::newRow("two-digit 46") << "1/2/46" << QDate(1946, 2, 1) << QDate(1946, 2, 1);
        QTest::newRow("two-digit 00") << "5/6/00" << QDate(2000, 6, 5) << QDate(2000, 6, 5);
        QTest::newRow("one-digit 9") << "5/6/9" << QDate(2009, 6, 5) << QDate(2009, 6, 5);
        QTest::newRow("stored form") << "1990-05-12" << QDate(1990, 5, 12) << QDate(1990, 5, 12);
        QTest::newRow("stored with a time")
            << "1990-05-12 00:00:00" << QDate(1990, 5, 12) << QDate(1990, 5, 12);
        QTest::newRow("blanks around")
            << " 12/05/1990 " << QDate(1990, 5, 12) << QDate(1990, 5, 12);
        QTest::newRow("leap day") << "29/02/2008" << QDate(2008, 2, 29) << QDate(2008, 2, 29);
        QTest::newRow("no leap day") << "29/02/2009" << QDate() << QDate();
        QTest::newRow("31 February") << "31/02/2009" << QDate() << QDate();
        QTest::newRow("month 13") << "01/13/2009" << QDate() << QDate();
        QTest::newRow("mixed separators") << "1/2-1990" << QDate() << QDate();
        QTest::newRow("three-digit year") << "1/2/199" << QDate() << QDate();
        QTest::newRow("words") << "ieri" << QDate() << QDate();
        QTest::newRow("empty") << "" << QDate() << QDate();
    }
    void parseDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, game);
        QFETCH(QDate, birth);
        core::setToday(QDate(2026, 12, 10));
        QCOMPARE(core::parseGameDate(text), game);
        QCOMPARE(core::parseBirthDate(text), birth);
        core::setToday(QDate());
    }

    // The windows move with today: what "30" means in 2031 is not what it meant in 2026.
    void twoDigitYearsMoveWithToday_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("gameYear");
        QTest::addColumn<int>("birthYear");
        QTest::newRow("2026, 30") << QDate(2026, 1, 1) << "1/1/30" << 2030 << 1930;
        QTest::newRow("2031, 30") << QDate(2031, 1, 1) << "1/1/30" << 2030 << 2030;
        QTest::newRow("2031, 31") << QDate(2031, 6, 1) << "1/1/31" << 2031 << 2031;
        QTest::newRow("2031, 32") << QDate(2031, 6, 1) << "1/1/32" << 2032 << 1932;
        QTest::newRow("2031, 51") << QDate(2031, 6, 1) << "1/1/51" << 1951 << 1951;
        QTest::newRow("2031, 50") << QDate(2031, 6, 1) << "1/1/50" << 2050 << 1950;
        QTest::newRow("2099, 00") << QDate(2099, 6, 1) << "1/1/00" << 2100 << 2000;
    }
    void twoDigitYearsMoveWithToday()
    {
        QFETCH(QDate, today);
        QFETCH(QString, text);
        QFETCH(int, gameYear);
        QFETCH(int, birthYear);
        core::setToday(today);
        QCOMPARE(core::parseGameDate(text).year(), gameYear);
        QCOMPARE(core::parseBirthDate(text).year(), birthYear);
        core::setToday(QDate());
    }

    void formatsAndToday()
    {
        const QDate d(2009, 3, 7);
        QCOMPARE(core::formatDate(d), QStringLiteral("07/03/2009"));
        QCOMPARE(core::formatDateShort(d), QStringLiteral("07/03/09"));
        QCOMPARE(core::storeDate(d), QStringLiteral("2009-03-07"));
        QCOMPARE(core::formatDate(QDate()), QString());

        core::setToday(d);
        QCOMPARE(core::today(), d);
        core::setToday(QDate());
        QCOMPARE(core::today(), QDate::currentDate());
    }
};

VELMORA_TEST(ValuesTest)
#include "tst_values.moc"
