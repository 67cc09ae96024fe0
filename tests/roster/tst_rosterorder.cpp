#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/Grid.h"

#include <QRadioButton>
#include <QTest>

#include <memory>

// Players alike in the chosen order come by name.
class RosterOrderTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void tiesComeByName_data()
    {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("by role") << "Opt_2" << QStringList{"ALFA P",  "ZETA P", "BETA D", "DELTA D",
                                                           "GAMMA C", "ETA",    "OMEGA"};
        QTest::newRow("by age") << "Opt_1" << QStringList{"BETA D", "GAMMA C", "ALFA P", "DELTA D",
                                                          "ZETA P", "ETA",     "OMEGA"};
    }
    void tiesComeByName()
    {
        QFETCH(QString, option);
        QFETCH(QStringList, names);
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Serie D"));
        struct P {
            const char *name, *born, *role;
        };
        for (const P &p : {P{"ZETA P", "1990-01-01", "P"}, P{"DELTA D", "1990-01-01", "D"},
                           P{"GAMMA C", "1995-01-01", "C"}, P{"ALFA P", "1990-01-01", "P"},
                           P{"BETA D", "1995-01-01", "D"}, P{"OMEGA", nullptr, nullptr},
                           P{"ETA", nullptr, nullptr}})
            fx->enrol(
                fx->addPerson(QString::fromUtf8(p.name), p.born ? QVariant(p.born) : QVariant()),
                2010, camp, p.role ? QVariant(p.role) : QVariant());
        Form1 form;
        QVERIFY(drive::activate(form));
        form.findChild<QRadioButton *>(option)->click();
        QCOMPARE(entries(*form.Fgrid, 2), names);
        form.close();
    }
};

VELMORA_TEST(RosterOrderTest)
#include "tst_rosterorder.moc"
