#include "data/Database.h"
#include "data/Integrity.h"
#include "data/RowReuse.h"
#include "data/Sql.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <atomic>
#include <memory>
#include <thread>

// Another program writing to the store at the same moment.
class ContentionTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup() { fx.reset(); }

    // The other holds the write lock for a moment: our write waits for it and goes through,
    // also where it reads before it writes (taking a free row does).
    void aWriteWaitsForAnotherWriter()
    {
        fx->addFormation(1, QStringLiteral("TIT"), 0); // a free row, found by a read
        std::atomic<bool> holding{false};
        std::thread other([&, path = QDir::current().absoluteFilePath(data::storePath())] {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other");
                db.setDatabaseName(path);
                db.open();
                QSqlQuery q(db);
                q.exec(QStringLiteral("BEGIN IMMEDIATE"));
                q.exec(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (2030)"));
                holding = true;
                std::this_thread::sleep_for(std::chrono::milliseconds(400));
                q.exec(QStringLiteral("COMMIT"));
                db.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("other"));
        });
        while (!holding)
            std::this_thread::yield();
        // Our connection has read already, as a window has before it writes.
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 0);
        QElapsedTimer waited;
        waited.start();
        QString error;
        try {
            data::writeFormationRow(7, QStringLiteral("RIS"));
        } catch (const data::DbError &e) {
            error = e.text();
        }
        other.join();
        QCOMPARE(error, QString());
        QVERIFY(waited.elapsed() >= 300);
        QCOMPARE(fx->count(QStringLiteral("Formazione"), QStringLiteral("Valid=1 AND IdGio=7")), 1);
        QCOMPARE(fx->count(QStringLiteral("Formazione")), 1);
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 1);
    }

    // The failures a user meets are told in Italian; the engine's own words stay as detail.
    void failuresAreExplainedInItalian()
    {
        fx->sql(QStringLiteral("PRAGMA query_only=ON"));
        QString error;
        try {
            data::writeFormationRow(7, QStringLiteral("RIS"));
        } catch (const data::DbError &e) {
            error = e.text();
        }
        fx->sql(QStringLiteral("PRAGMA query_only=OFF"));
        QCOMPARE(error,
                 QStringLiteral("Il database è in sola lettura: la modifica non è stata "
                                "salvata.\nDettaglio: attempt to write a readonly database"));

        // Extended result codes keep their primary code in the low byte; a trigger's own
        // message is the club's, and stays as it is.
        QVERIFY(data::explained(QStringLiteral("266"), QStringLiteral("disk I/O error"))
                    .startsWith(QStringLiteral("Errore di lettura o scrittura sul disco.")));
        QVERIFY(data::explained(QStringLiteral("13"), QStringLiteral("database or disk is full"))
                    .startsWith(QStringLiteral("Il disco è pieno")));
        QCOMPARE(data::explained(QStringLiteral("19"), QStringLiteral("partita bloccata")),
                 QStringLiteral("partita bloccata"));
        QCOMPARE(data::explained(QString(), QStringLiteral("Driver not loaded")),
                 QStringLiteral("Driver not loaded"));
    }

    // The quick check finds damage in a part that the first screens do not read.
    void quickCheckFindsDamage()
    {
        {
            data::Transaction rows;
            for (int i = 1; i <= 200; ++i)
                fx->addFormation(i, QStringLiteral("TIT"));
            rows.commit();
        }
        const QString path = QDir::current().absoluteFilePath(data::storePath());
        QCOMPARE(data::quickCheck(path), QString());
        const int page = fx->scalar(QStringLiteral("SELECT rootpage FROM sqlite_master "
                                                   "WHERE name='Formazione_IdGio'"))
                             .toInt();
        const int size = fx->scalar(QStringLiteral("PRAGMA page_size")).toInt();
        data::closeStore();
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(qint64(page - 1) * size));
            file.write(QByteArray(size, '\xA5'));
        }
        QVERIFY(!data::quickCheck(path).isEmpty());
        // The store still opens, for reading what is sound.
        QCOMPARE(data::openStore(data::storePath()), QString());
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 0);
    }

    // Nested units of work still commit and roll back as one.
    void nestedTransactionsAreOne()
    {
        {
            data::Transaction outer;
            data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (2001)"));
            {
                data::Transaction inner;
                data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (2002)"));
            } // rolled back alone
            data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (2003)"));
            outer.commit();
        }
        QCOMPARE(fx->scalar(QStringLiteral("SELECT group_concat(Nome) FROM Stagioni")).toString(),
                 QStringLiteral("2001,2003"));
        {
            data::Transaction outer;
            data::Transaction inner;
            data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (2004)"));
            inner.commit();
        } // the outer one rolls back what the inner one kept
        QCOMPARE(fx->count(QStringLiteral("Stagioni")), 2);
        // And the connection is out of any transaction again.
        data::Transaction next;
        next.commit();
    }
};

VELMORA_TEST(ContentionTest)
#include "tst_storeuse.moc"
