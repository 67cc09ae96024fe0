#include "data/Championships.h"
#include "data/Database.h"
#include "data/Enrolment.h"
#include "data/RowReuse.h"
#include "data/Sql.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

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
        QTest::newRow("Anagrafica")
            << "Anagrafica"
            << QStringList{"IdAna", "Nome", "DataNas", "LuogoNas", "Paese", "Documento"};
        QTest::newRow("Giocatori")
            << "Giocatori"
            << QStringList{"IdGio",     "IdAna",     "Stagione", "Camp",   "Ruolo",
                           "Peso",      "Altezza",   "Scadenza", "SocPre", "Squalifiche",
                           "Vestiario", "Infortuni", "Cure"};
        QTest::newRow("Gare") << "Gare"
                              << QStringList{"IdGara", "Stagione", "Camp", "Data",    "SqA",
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

    void countersHandOutGreatestPlusOne_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("key");
        QTest::newRow("persons") << "Anagrafica"
                                 << "IdAna";
        QTest::newRow("enrolments") << "Giocatori"
                                    << "IdGio";
        QTest::newRow("games") << "Gare"
                               << "IdGara";
        QTest::newRow("championships") << "Campionati"
                                       << "Id";
    }
    void countersHandOutGreatestPlusOne()
    {
        QFETCH(QString, table);
        QFETCH(QString, key);
        fx = std::make_unique<Fixture>();
        const QString append =
            QStringLiteral("INSERT INTO %1 DEFAULT VALUES RETURNING %2").arg(table, key);
        QCOMPARE(data::scalar(append).toInt(), 1);
        QCOMPARE(data::scalar(append).toInt(), 2);
        fx->sql(QStringLiteral("INSERT INTO %1 (%2) VALUES (40)").arg(table, key));
        QCOMPARE(data::scalar(append).toInt(), 41);
    }

    // The new numbers the writers hand back are those of the rows they wrote.
    void writersReturnTheNewNumbers()
    {
        fx = std::make_unique<Fixture>();
        fx->addChampionship(QStringLiteral("A"));
        const int camp = data::addChampionship(QStringLiteral("B"));
        QCOMPARE(camp, 2);
        QCOMPARE(
            fx->scalar(QStringLiteral("SELECT Nome FROM Campionati WHERE Id=?"), {camp}).toString(),
            QStringLiteral("B"));
        const int person = fx->addPerson(QStringLiteral("ROSSI"));
        fx->enrol(person, 2010, 1);
        const int idGio = data::enrol(person, 2010, camp);
        QCOMPARE(idGio, 2);
        QCOMPARE(fx->count(QStringLiteral("Giocatori"),
                           QStringLiteral("IdGio=? AND IdAna=? AND Stagione=2010 AND Camp=?"),
                           {idGio, person, camp}),
                 1);
    }

    // Scalar reads give Null when there is no row; an existence test needs one row.
    void noRowReadsAsNull()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(data::scalar(QStringLiteral("SELECT Nome FROM Stagioni")).isNull());
        QVERIFY(!data::exists(QStringLiteral("SELECT 1 FROM Stagioni")));
        fx->addSeason(2010);
        QCOMPARE(data::scalar(QStringLiteral("SELECT Nome FROM Stagioni")).toInt(), 2010);
        QVERIFY(data::exists(QStringLiteral("SELECT 1 FROM Stagioni WHERE Nome=?"), {2010}));
        QVERIFY(!data::exists(QStringLiteral("SELECT 1 FROM Stagioni WHERE Nome=?"), {2011}));
    }

    // Optional text columns take the text as typed, Null for an empty one.
    void optionalTextIsNullWhenEmpty()
    {
        QVERIFY(data::textOrNull(QStringLiteral("")).isNull());
        QVERIFY(data::textOrNull(QString()).isNull());
        QCOMPARE(data::textOrNull(QStringLiteral(" ")), QVariant(QStringLiteral(" ")));
        QCOMPARE(data::text(QVariant()), QString());
        QCOMPARE(data::text(QVariant(12)), QStringLiteral("12"));
    }

    void anExistingStoreIsReadAsItIs()
    {
        fx = std::make_unique<Fixture>();
        fx->addSeason(2011);
        data::closeStore();
        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
    }

    // A store that lacks tables or indexes gets them, and keeps the rows it has.
    void missingTablesAndIndexesAreAdded()
    {
        fx = std::make_unique<Fixture>();
        const QString objects =
            QStringLiteral("SELECT group_concat(type||' '||name, ', ') FROM (SELECT type,name FROM "
                           "sqlite_master WHERE name NOT LIKE 'sqlite%' ORDER BY type,name)");
        const QString complete = fx->scalar(objects).toString();
        QSqlQuery indexes = data::run(QStringLiteral(
            "SELECT name FROM sqlite_master WHERE type='index' AND name NOT LIKE 'sqlite%'"));
        QStringList names;
        while (indexes.next())
            names << indexes.value(0).toString();
        QVERIFY(!names.isEmpty());
        for (const QString &name : names)
            fx->sql(QStringLiteral("DROP INDEX %1").arg(name));
        fx->sql(QStringLiteral("DROP TABLE Formazione"));
        fx->addSeason(2011);
        data::closeStore();

        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->scalar(objects).toString(), complete);
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
    }

    // Another tool may name the tables in another case: SQLite takes them as the same.
    void tablesNamedInAnotherCaseAreKept()
    {
        fx = std::make_unique<Fixture>(false);
        QDir().mkpath(QStringLiteral("Dati"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "byhand");
            db.setDatabaseName(data::storePath());
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("CREATE TABLE STAGIONI (Nome INTEGER)")));
            QVERIFY(q.exec(QStringLiteral("INSERT INTO STAGIONI VALUES (2010)")));
            QVERIFY(q.exec(QStringLiteral("CREATE TABLE datigare (Valid INTEGER, IdGara INTEGER, "
                                          "Stagione INTEGER, Camp INTEGER, IdGio INTEGER, "
                                          "Tipo TEXT, Min INTEGER)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("byhand"));
        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
        QCOMPARE(fx->count(QStringLiteral("sqlite_master"), QStringLiteral("type='table'")), 7);
    }

    // The lookups that every roster refresh and every game save make have an index of their
    // own, led by the column they look for.
    void hotLookupsHaveAnIndex_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("column");
        QTest::newRow("game rows of a player") << "DatiGare"
                                               << "IdGio";
        QTest::newRow("rows of a game") << "DatiGare"
                                        << "IdGara";
        QTest::newRow("free game rows") << "DatiGare"
                                        << "Valid";
        QTest::newRow("free formation rows") << "Formazione"
                                             << "Valid";
        QTest::newRow("a season's roster") << "Giocatori"
                                           << "Stagione";
    }
    void hotLookupsHaveAnIndex()
    {
        QFETCH(QString, table);
        QFETCH(QString, column);
        fx = std::make_unique<Fixture>();
        QVERIFY(data::exists(QStringLiteral("SELECT 1 FROM pragma_index_list(?) L "
                                            "WHERE (SELECT name FROM pragma_index_info(L.name) "
                                            "WHERE seqno=0)=?"),
                             {table, column}));
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
        QCOMPARE(data::openStore(data::storePath()), QStringLiteral("non è un file"));
        QVERIFY(QFileInfo(data::storePath()).isDir());
    }

    // A store the user may read but not write opens when it is complete; writes then fail
    // with the engine's text. One that would need a table cannot open. Neither is touched.
    // SQLite takes a file whose write version is above 2 as read-only, whoever runs it.
    void readOnlyStore_data()
    {
        QTest::addColumn<bool>("complete");
        QTest::newRow("complete") << true;
        QTest::newRow("a table missing") << false;
    }
    void readOnlyStore()
    {
        QFETCH(bool, complete);
        fx = std::make_unique<Fixture>();
        fx->addSeason(2010);
        if (!complete)
            fx->sql(QStringLiteral("DROP TABLE Formazione"));
        data::closeStore();
        {
            QFile f(data::storePath());
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.seek(18));
            QVERIFY(f.putChar(3));
        }
        const QByteArray before = digest(data::storePath());

        const QString reason = data::openStore(data::storePath());
        if (complete) {
            QCOMPARE(reason, QString());
            QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
            try {
                fx->addSeason(2011);
                QFAIL("a read-only store took a row");
            } catch (const data::DbError &e) {
                QVERIFY2(e.text().contains(QStringLiteral("readonly")), qPrintable(e.text()));
            }
            QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
            data::closeStore();
        } else {
            QVERIFY2(reason.contains(QStringLiteral("readonly")), qPrintable(reason));
        }
        QCOMPARE(digest(data::storePath()), before);
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

    // Nothing stays of a transaction that is not committed, nor of what was committed inside
    // it; an inner one that is not committed goes alone.
    void transactionIsAllOrNothing_data()
    {
        QTest::addColumn<bool>("innerCommits");
        QTest::addColumn<bool>("outerCommits");
        QTest::addColumn<QString>("kept");
        QTest::newRow("both commit") << true << true << "2010,2011";
        QTest::newRow("outer fails") << true << false << "";
        QTest::newRow("inner fails") << false << true << "2010";
    }
    void transactionIsAllOrNothing()
    {
        QFETCH(bool, innerCommits);
        QFETCH(bool, outerCommits);
        QFETCH(QString, kept);
        fx = std::make_unique<Fixture>();
        try {
            data::Transaction outer;
            fx->addSeason(2010);
            try {
                data::Transaction inner;
                fx->addSeason(2011);
                if (!innerCommits)
                    data::run(QStringLiteral("INSERT INTO Nowhere VALUES (1)"));
                inner.commit();
            } catch (const data::DbError &) {
            }
            if (!outerCommits)
                data::run(QStringLiteral("INSERT INTO Nowhere VALUES (1)"));
            outer.commit();
        } catch (const data::DbError &) {
        }
        // What was committed is in the file, for the next opening too.
        data::closeStore();
        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->scalar(QStringLiteral("SELECT group_concat(Nome, ',') FROM "
                                           "(SELECT Nome FROM Stagioni ORDER BY Nome)"))
                     .toString(),
                 kept);
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
        QCOMPARE(fx->scalar(QStringLiteral("SELECT IdGio||Tipo||Min FROM DatiGare WHERE rowid=2"))
                     .toString(),
                 QStringLiteral("11RETE21")); // a freed row keeps what it held

        QCOMPARE(data::writeGameLineup({game, 2010, 1, 99, QStringLiteral("TIT")}), 2);
        QCOMPARE(fx->scalar(QStringLiteral("SELECT Min FROM DatiGare WHERE rowid=2")).toInt(), 21);
        QCOMPARE(data::writeGameEvent({game, 2010, 1, 98, QStringLiteral("AMM")}, QVariant()), 3);
        QVERIFY(fx->scalar(QStringLiteral("SELECT Min FROM DatiGare WHERE rowid=3")).isNull());
        QCOMPARE(data::writeGameEvent({game, 2010, 1, 97, QStringLiteral("SF")}, 60), 4);
        QCOMPARE(fx->count(QStringLiteral("DatiGare"), QStringLiteral("Valid=1")), 4);

        QCOMPARE(data::writeFormationRow(5, QStringLiteral("TIT")), 1);
        data::freeFormationRow(1);
        QCOMPARE(fx->scalar(QStringLiteral("SELECT Valid||IdGio||Tipo FROM Formazione")).toString(),
                 QStringLiteral("05TIT"));
        QCOMPARE(data::writeFormationRow(6, QStringLiteral("RIS")), 1);
        QCOMPARE(fx->scalar(QStringLiteral("SELECT IdGio||Tipo FROM Formazione")).toString(),
                 QStringLiteral("6RIS"));
    }
};

VELMORA_TEST(StoreTest)
#include "tst_store.moc"
