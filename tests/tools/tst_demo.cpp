#include "app/Module1.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"

#include <QComboBox>
#include <QCryptographicHash>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <memory>

namespace {
demo::Options small()
{
    demo::Options o;
    o.seasons = 2;
    o.championships = 2;
    o.players = 25;
    o.games = 8;
    return o;
}

// Every row of every table, in a stable order.
QByteArray dump()
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (const char *table :
         {"Stagioni", "Campionati", "Anagrafica", "Giocatori", "Gare", "DatiGare", "Formazione"}) {
        QSqlQuery q =
            data::run(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(QLatin1String(table)));
        while (q.next())
            for (int c = 0; c < q.record().count(); ++c)
                hash.addData((q.value(c).toString() + QLatin1Char('|')).toUtf8());
    }
    return hash.result();
}
} // namespace

class DemoTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void makesAWholeClub()
    {
        QCOMPARE(demo::buildClub(small()), QString());
        QCOMPARE(fx->count("Stagioni"), 2);
        QCOMPARE(fx->count("Campionati"), 2);
        QCOMPARE(fx->count("Giocatori"), 2 * 2 * 25);
        QCOMPARE(fx->count("Gare"), 2 * 2 * 8);
        QCOMPARE(fx->count("Giocatori", "Stagione=2026 AND Camp=1"), 25);
        QCOMPARE(fx->count("Formazione", "Valid=1"), 2 * 2 * 18);
        QVERIFY(fx->count("DatiGare", "Valid=0") > 0);
        QCOMPARE(fx->count("DatiGare", "Valid=1 AND IdGara NOT IN (SELECT IdGara FROM Gare)"), 0);
        // Names are unique, as the registry requires.
        QCOMPARE(fx->scalar("SELECT count(DISTINCT Nome) FROM Anagrafica").toInt(),
                 fx->count("Anagrafica"));
    }

    void refusesAStoreWithPersons()
    {
        fx->addPerson(QStringLiteral("ROSSI"));
        QVERIFY(!demo::buildClub(small()).isEmpty());
        QCOMPARE(fx->count("Anagrafica"), 1);
        QCOMPARE(fx->count("Giocatori"), 0);
    }

    void sameOptionsSameData()
    {
        QCOMPARE(demo::buildClub(small()), QString());
        const QByteArray first = dump();
        Fixture other; // another folder, another store
        QCOMPARE(demo::buildClub(small()), QString());
        QCOMPARE(dump(), first);
    }

    // The main window's figures against a count made row by row from the tables.
    void rosterFiguresMatchTheRows()
    {
        QCOMPARE(demo::buildClub(small()), QString());
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::choose(*form.ComboCamp, form.ComboCamp->itemText(1)));
        QCOMPARE(form.Fgrid->Rows(), 26);
        int checked = 0;
        for (int r = 1; r < form.Fgrid->Rows(); ++r) {
            const int idGio = form.Fgrid->TextMatrix(r, 1).toInt();
            int pres = 0, goals = 0, amm = 0, esp = 0, sa = 0, sf = 0, minutes = 0;
            QSqlQuery q = data::run(QStringLiteral("SELECT Valid,IdGara,Tipo,Min FROM DatiGare "
                                                   "WHERE IdGio=?"),
                                    {idGio});
            while (q.next()) {
                if (q.value(0).toInt() != 1)
                    continue;
                const QVariant added =
                    fx->scalar("SELECT Recupero FROM Gare WHERE IdGara=?", {q.value(1)});
                if (added.isNull())
                    continue; // no such game
                const QString tipo = q.value(2).toString();
                const int m = q.value(3).toInt();
                if (tipo == "TIT") {
                    ++pres;
                    minutes += 90;
                } else if (tipo == "SF") {
                    ++pres;
                    ++sf;
                    minutes += 90 + added.toInt() - m;
                } else if (tipo == "SA") {
                    ++sa;
                    minutes += m - 90;
                } else if (tipo == "RETE") {
                    ++goals;
                } else if (tipo == "AMM") {
                    ++amm;
                } else if (tipo == "ESP") {
                    ++esp;
                }
            }
            const QStringList expected{QString::number(pres),   QString::number(goals),
                                       QString::number(amm),    QString::number(esp),
                                       QString::number(sa),     QString::number(sf),
                                       QString::number(minutes)};
            QStringList shown;
            for (int c : {5, 6, 7, 8, 10, 11, 12})
                shown << form.Fgrid->TextMatrix(r, c);
            QCOMPARE(shown, expected);
            checked += pres > 0;
        }
        QVERIFY(checked > 10);
    }
};

VELMORA_TEST(DemoTest)
#include "tst_demo.moc"
