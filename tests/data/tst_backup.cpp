#include "data/Backup.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"
#include "support/Dump.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <memory>

class BackupTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    const QDateTime now{QDate(2026, 12, 10), QTime(15, 30)};

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        demo::Options small;
        small.seasons = 1;
        small.players = 18;
        small.games = 3;
        QCOMPARE(demo::buildClub(small), QString());
        writePhoto(1, "foto di uno");
        writePhoto(2, "foto di due");
    }
    void cleanup() { fx.reset(); }

    // A backup, then changes, then the restore: every table and photo as at the backup,
    // and what was there before the restore kept in a backup of its own.
    void restoreGivesBackTheEarlierData()
    {
        const QString before = storeDump();
        QCOMPARE(data::writeBackup(QStringLiteral("copia"), now), QString());
        QVERIFY(!QFileInfo::exists(QStringLiteral("copia.parziale")));

        fx->sql(QStringLiteral("DELETE FROM DatiGare WHERE rowid % 3 = 0"));
        fx->sql(QStringLiteral("UPDATE Anagrafica SET Nome='CAMBIATO' WHERE IdAna=1"));
        fx->addSeason(2040);
        QVERIFY(QFile::remove(QStringLiteral("Dati/Foto/1.jpg")));
        writePhoto(2, "un'altra foto");
        writePhoto(9, "foto in più");
        const QString changed = storeDump();
        QVERIFY(changed != before);

        const data::BackupCheck check = data::checkBackup(QStringLiteral("copia"));
        QCOMPARE(check.error, QString());
        QCOMPARE(check.taken, now);
        QCOMPARE(data::restoreBackup(QStringLiteral("copia"), now.addSecs(60)), QString());
        QCOMPARE(storeDump(), before);
        QCOMPARE(photo(1), QByteArray("foto di uno"));
        QCOMPARE(photo(2), QByteArray("foto di due"));
        QVERIFY(!QFile::exists(QStringLiteral("Dati/Foto/9.jpg")));
        QVERIFY(!QFileInfo::exists(QStringLiteral("Dati/Foto.prima")));

        const QString kept = QStringLiteral("Dati/Backup/prima del ripristino 2026-12-10 153100");
        QCOMPARE(data::checkBackup(kept).error, QString());
        QCOMPARE(data::restoreBackup(kept, now.addSecs(120)), QString());
        QCOMPARE(storeDump(), changed);
        QCOMPARE(photo(9), QByteArray("foto in più"));
    }

    // A backup that fails a check is refused with the reason, and nothing changes.
    void unusableBackupsAreRefused_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("no store") << "remove"
                                  << "non contiene un backup";
        QTest::newRow("not a database") << "text"
                                        << "non è utilizzabile";
        QTest::newRow("damaged pages") << "pages"
                                       << "non è utilizzabile";
        QTest::newRow("a table missing") << "table"
                                         << "mancano le tabelle Formazione";
    }
    void unusableBackupsAreRefused()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QCOMPARE(data::writeBackup(QStringLiteral("copia"), now), QString());
        const QString store = QStringLiteral("copia/Velmora.mdb");
        if (damage == "remove") {
            QVERIFY(QFile::remove(store));
        } else if (damage == "text") {
            QFile f(store);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("solo testo");
        } else if (damage == "pages") {
            QFile f(store);
            QVERIFY(f.open(QIODevice::ReadWrite));
            const qint64 size = f.size();
            for (qint64 at = 4096; at < size; at += 4096) { // every page but the first
                f.seek(at + 100);
                f.write(QByteArray(64, '\xA5'));
            }
        } else {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "damage");
            db.setDatabaseName(store);
            QVERIFY(db.open());
            QSqlQuery(db).exec(QStringLiteral("DROP TABLE Formazione"));
            db.close();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(QStringLiteral("damage"));
        }
        const QString before = storeDump();
        const data::BackupCheck check = data::checkBackup(QStringLiteral("copia"));
        QVERIFY2(check.error.contains(reason), qPrintable(check.error));
        const QString error = data::restoreBackup(QStringLiteral("copia"), now);
        QCOMPARE(error, check.error);
        QCOMPARE(storeDump(), before);
        QCOMPARE(photo(1), QByteArray("foto di uno"));
        QVERIFY(!QFileInfo::exists(QStringLiteral("Dati/Backup")));
    }

    // Once a day, ten kept: the eleventh removes the oldest.
    void dailyBackupsKeepTheNewestTen()
    {
        for (int d = 0; d < 10; ++d)
            QCOMPARE(data::writeBackup(QStringLiteral("Dati/Backup/%1")
                                           .arg(now.date().addDays(-10 + d).toString(Qt::ISODate)),
                                       now.addDays(-10 + d)),
                     QString());
        QCOMPARE(data::dailyBackup(now), QString());
        QStringList folders =
            QDir(QStringLiteral("Dati/Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 10);
        QVERIFY(folders.contains(QStringLiteral("2026-12-10")));
        QVERIFY(!folders.contains(QStringLiteral("2026-11-30")));
        QCOMPARE(data::checkBackup(QStringLiteral("Dati/Backup/2026-12-10")).error, QString());

        // Not due again the same day, whatever changes meanwhile.
        fx->addSeason(2041);
        QCOMPARE(data::dailyBackup(now.addSecs(3600)), QString());
        QCOMPARE(QDir(QStringLiteral("Dati/Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
                 folders);
    }

    // A backup is whole or absent: a failure leaves no half-written folder.
    void failedBackupLeavesNothing()
    {
        QCOMPARE(data::writeBackup(QStringLiteral("copia"), now), QString());
        QVERIFY(
            data::writeBackup(QStringLiteral("copia"), now).contains(QStringLiteral("esiste già")));
        QFile blocker(QStringLiteral("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(!data::writeBackup(QStringLiteral("file/copia"), now).isEmpty());
        QVERIFY(!QFileInfo::exists(QStringLiteral("file/copia.parziale")));
        // What a backup cut short left behind is cleared by the next one.
        QVERIFY(QDir().mkpath(QStringLiteral("altra.parziale/Foto")));
        QCOMPARE(data::writeBackup(QStringLiteral("altra"), now), QString());
        QVERIFY(!QFileInfo::exists(QStringLiteral("altra.parziale")));
        QCOMPARE(data::checkBackup(QStringLiteral("altra")).error, QString());
    }
};

VELMORA_TEST(BackupTest)
#include "tst_backup.moc"
