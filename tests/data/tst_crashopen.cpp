#include "data/Database.h"
#include "data/Sql.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

// A store whose writer was killed in the middle of a transaction.
class CrashOpenTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup() { fx.reset(); }

    // The journal the writer left must be rolled back, which needs a writable connection:
    // the store opens, and nothing of the cut-short write is there.
    void writeCutShortIsRolledBack()
    {
        fx->addSeason(2010);
        data::closeStore();
        const QString path = QDir::current().absoluteFilePath(data::storePath());
        const pid_t pid = fork();
        QVERIFY(pid >= 0);
        if (pid == 0) {
            {
                QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "writer");
                db.setDatabaseName(path);
                db.open();
                QSqlQuery q(db);
                q.exec(QStringLiteral("PRAGMA cache_size=1")); // pages reach the file at once
                q.exec(QStringLiteral("BEGIN"));
                q.exec(QStringLiteral("UPDATE Stagioni SET Nome=2099"));
                for (int i = 0; i < 2000; ++i)
                    q.exec(QStringLiteral("INSERT INTO Formazione (Valid,IdGio,Tipo) VALUES "
                                          "(1,%1,'TIT')")
                               .arg(i));
                ::kill(::getpid(), SIGKILL);
            }
            ::_exit(1);
        }
        int status = 0;
        QCOMPARE(::waitpid(pid, &status, 0), pid);
        QVERIFY(WIFSIGNALED(status));
        QVERIFY(QFile::exists(path + QStringLiteral("-journal")));

        QCOMPARE(data::openStore(data::storePath()), QString());
        QVERIFY(!data::isReadOnly());
        QCOMPARE(fx->scalar(QStringLiteral("SELECT group_concat(Nome) FROM Stagioni")).toString(),
                 QStringLiteral("2010"));
        QCOMPARE(fx->count(QStringLiteral("Formazione")), 0);
    }
};

VELMORA_TEST(CrashOpenTest)
#include "tst_crashopen.moc"
