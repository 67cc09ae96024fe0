#include "app/Velmora.h"
#include "core/Dates.h"
#include "data/Backup.h"
#include "data/Database.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QDate today(2031, 3, 15); // not the real one, which the start must not use

QStringList backups()
{
    return QDir(QStringLiteral("Dati/Backup")).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
}

// An automatic backup from days before today, written with the store as it is now.
void backupFrom(int daysBefore)
{
    QVERIFY(data::openStore(data::storePath()).isEmpty());
    const QDate day = today.addDays(-daysBefore);
    QCOMPARE(data::writeBackup(QStringLiteral("Dati/Backup/") + day.toString(Qt::ISODate),
                               QDateTime(day, QTime(9, 0))),
             QString());
    data::closeStore();
}

// Starts the application as a user does and leaves it as soon as the main window shows;
// returns what the status bar said.
QString start(int &status)
{
    QString shown;
    QTimer::singleShot(0, [&] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (auto *form = qobject_cast<Form1 *>(w); form && form->isVisible()) {
                shown = form->statusBar()->currentMessage();
                form->BtnEsci->click();
            }
        }
    });
    status = runVelmora(*qApp);
    return shown;
}

} // namespace

// The daily backup at start: written when due, never in the way of the start.
class StartBackupTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>(false);
        core::setToday(today);
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void writtenWhenDue_data()
    {
        QTest::addColumn<QList<int>>("before"); // days before today of the backups there
        QTest::addColumn<QStringList>("after");
        QTest::newRow("first start") << QList<int>{} << QStringList{"2031-03-15"};
        QTest::newRow("yesterday's is the newest")
            << QList<int>{1} << QStringList{"2031-03-14", "2031-03-15"};
        QTest::newRow("today's there already") << QList<int>{0} << QStringList{"2031-03-15"};
        QTest::newRow("the eleventh removes the oldest")
            << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 12}
            << QStringList{"2031-03-06", "2031-03-07", "2031-03-08", "2031-03-09", "2031-03-10",
                           "2031-03-11", "2031-03-12", "2031-03-13", "2031-03-14", "2031-03-15"};
    }
    void writtenWhenDue()
    {
        QFETCH(QList<int>, before);
        QFETCH(QStringList, after);
        for (int days : before)
            backupFrom(days);

        int status = -1;
        QCOMPARE(start(status), QString());
        QCOMPARE(status, 0);
        QCOMPARE(backups(), after);
        QVERIFY(data::checkBackup(QStringLiteral("Dati/Backup/2031-03-15")).error.isEmpty());
    }

    // A backup that cannot be written is said once in the status bar; the start goes on.
    void failureIsShownInTheStatusBar()
    {
        QVERIFY(QDir().mkpath(QStringLiteral("Dati")));
        QFile blocker(QStringLiteral("Dati/Backup"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        MsgRecorder msgs;

        int status = -1;
        const QString shown = start(status);
        QCOMPARE(status, 0);
        QVERIFY2(shown.startsWith(QStringLiteral("Backup automatico non riuscito: Impossibile "
                                                 "creare la cartella ")),
                 qPrintable(shown));
        QVERIFY(msgs.calls.isEmpty());
        QVERIFY(QFileInfo(QStringLiteral("Dati/Backup")).isFile());
        QVERIFY(QFileInfo(QStringLiteral("Dati/Velmora.mdb")).isFile());
    }
};

VELMORA_TEST(StartBackupTest)
#include "tst_startbackup.moc"
