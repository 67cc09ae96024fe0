#include "data/Database.h"
#include "data/RowReuse.h"
#include "data/Sql.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTest>

#include <unistd.h>

#include <memory>

namespace {
QStringList columnsOf(const QString &table)
{
    QStringList names;
    QSqlQuery q = data::run(QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
    while (q.next())
        names << q.value(0).toString();
    return names;
}

QByteArray digest(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class StoreTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void cleanup() { fx.reset(); }

    void freshStartCreatesTheSevenTables_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("columns");
        QTest::newRow("Stagioni") << "Stagioni" << QStringList{"Nome"};
        QTest::newRow("Campionati") << "Campionati" << QStringList{"Id", "Nome"};
        QTest::newRow("Anagrafica") << "Anagrafica"
                                    << QStringList{"IdAna",    "Nome",  "DataNas",
                                                   "LuogoNas", "Paese", "Documento"};
        QTest::newRow("Giocatori")
            << "Giocatori"
            << QStringList{"IdGio",  "IdAna",       "Stagione",  "Camp",      "Ruolo",
                           "Peso",   "Altezza",     "Scadenza",  "SocPre",    "Squalifiche",
                           "Vestiario", "Infortuni", "Cure"};
        QTest::newRow("Gare") << "Gare"
                              << QStringList{"IdGara", "Stagione", "Camp", "Data", "SqA",
                                             "SqB",    "GolA",     "GolB", "Recupero"};
        QTest::newRow("DatiGare") << "DatiGare"
                                  << QStringList{"Valid", "IdGara", "Stagione", "Camp",
                                                 "IdGio", "Tipo",   "Min"};
        QTest::newRow("Formazione") << "Formazione" << QStringList{"Valid", "IdGio", "Tipo"};
    }
    void freshStartCreatesTheSevenTables()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, columns);
        fx = std::make_unique<Fixture>(false);
        QVERIFY(!QFileInfo::exists(QStringLiteral("Dati")));
        QCOMPARE(data::openStore(data::storePath()), QString());
        QVERIFY(QFileInfo(QStringLiteral("Dati/Velmora.mdb")).isFile());
        QCOMPARE(columnsOf(table), columns);
        QCOMPARE(fx->count(QStringLiteral("sqlite_master"), QStringLiteral("type='table'")), 7);
    }

    void countersHandOutGreatestPlusOne()
    {
        fx = std::make_unique<Fixture>();
        QCOMPARE(fx->addPerson(QStringLiteral("A")), 1);
        QCOMPARE(fx->addPerson(QStringLiteral("B")), 2);
        fx->sql(QStringLiteral("INSERT INTO Anagrafica (IdAna,Nome) VALUES (40,'C')"));
        QCOMPARE(fx->addPerson(QStringLiteral("D")), 41);

    }

    void anExistingStoreIsReadAsItIs()
    {
        fx = std::make_unique<Fixture>();
        fx->addSeason(2011);
        data::closeStore();
        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
    }

    // A file that is no database is reported and left byte for byte as it was.
    void unusableFileIsReportedAndKept_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("questo non è un database\n");
        QTest::newRow("damaged header")
            << QByteArray("SQLite format 3\0", 16) + QByteArray(4080, '\xff');
    }
    void unusableFileIsReportedAndKept()
    {
        QFETCH(QByteArray, content);
        fx = std::make_unique<Fixture>(false);
        QDir().mkpath(QStringLiteral("Dati"));
        QFile f(data::storePath());
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(content);
        f.close();
        const QByteArray before = digest(data::storePath());

        const QString reason = data::openStore(data::storePath());
        QVERIFY2(!reason.isEmpty(), "a damaged file must not open");
        QCOMPARE(digest(data::storePath()), before);
        QCOMPARE(QFileInfo(data::storePath()).size(), content.size());
    }

    void aFolderInPlaceOfTheFileIsReported()
    {
        fx = std::make_unique<Fixture>(false);
        QDir().mkpath(data::storePath());
        QVERIFY(!data::openStore(data::storePath()).isEmpty());
        QVERIFY(QFileInfo(data::storePath()).isDir());
    }

    // A store the user may read but not write opens; writes fail with the engine's text.
    void readOnlyFileOpensAndRefusesWrites()
    {
        if (::geteuid() == 0)
            QSKIP("file permissions do not bind root");
        fx = std::make_unique<Fixture>();
        fx->addSeason(2010);
        data::closeStore();
        QFile::setPermissions(data::storePath(), QFile::ReadOwner | QFile::ReadGroup);
        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
        QVERIFY_THROWS_EXCEPTION(data::DbError, fx->addSeason(2011));
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
        QFile::setPermissions(data::storePath(), QFile::ReadOwner | QFile::WriteOwner);
    }

    void engineErrorsCarryTheDriversText()
    {
        fx = std::make_unique<Fixture>();
        try {
            data::run(QStringLiteral("SELECT Nothing FROM Stagioni"));
            QFAIL("no error");
        } catch (const data::DbError &e) {
            QVERIFY2(e.text().contains(QStringLiteral("Nothing")), qPrintable(e.text()));
        }
    }

    void transactionIsAllOrNothing()
    {
        fx = std::make_unique<Fixture>();
        try {
            data::Transaction outer;
            fx->addSeason(2010);
            {
                data::Transaction inner;
                fx->addSeason(2011);
                inner.commit();
            }
            data::run(QStringLiteral("INSERT INTO Nowhere VALUES (1)"));
            outer.commit();
        } catch (const data::DbError &) {
        }
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 0);
    }

    // Entries go to the first free row in rowid order; lineup entries keep the old minute.
    void freeRowsAreReusedFirst()
    {
        fx = std::make_unique<Fixture>();
        const int game = fx->addGame(2010, 1);
        for (int i = 0; i < 3; ++i)
            data::writeGameEvent({game, 2010, 1, 10 + i, QStringLiteral("RETE")}, 20 + i);
        data::freeGameRow(3);
        data::freeGameRow(2);

        QCOMPARE(data::writeGameLineup({game, 2010, 1, 99, QStringLiteral("TIT")}), 2);
        QCOMPARE(fx->scalar(QStringLiteral("SELECT Min FROM DatiGare WHERE rowid=2")).toInt(), 21);
        QCOMPARE(data::writeGameEvent({game, 2010, 1, 98, QStringLiteral("AMM")}, QVariant()), 3);
        QVERIFY(fx->scalar(QStringLiteral("SELECT Min FROM DatiGare WHERE rowid=3")).isNull());
        QCOMPARE(data::writeGameEvent({game, 2010, 1, 97, QStringLiteral("SF")}, 60), 4);
        QCOMPARE(fx->count(QStringLiteral("DatiGare"), QStringLiteral("Valid=1")), 4);

        QCOMPARE(data::writeFormationRow(5, QStringLiteral("TIT")), 1);
        data::freeFormationRow(1);
        QCOMPARE(data::writeFormationRow(6, QStringLiteral("RIS")), 1);
        QCOMPARE(fx->scalar(QStringLiteral("SELECT IdGio||Tipo FROM Formazione")).toString(),
                 QStringLiteral("6RIS"));
    }
};

VELMORA_TEST(StoreTest)
#include "tst_store.moc"
