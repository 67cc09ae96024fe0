#include "app/Velmora.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// One copy of the application per data folder.
class InstanceTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

    // Starts the application and leaves it by "&ESCI" as soon as its window is up.
    static int startAndLeave(bool &started)
    {
        started = false;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets())
                if (auto *form = qobject_cast<Form1 *>(w)) {
                    started = true;
                    form->BtnEsci->click();
                }
        });
        return runVelmora(*qApp);
    }

private slots:
    void init() { fx = std::make_unique<Fixture>(false); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // Another copy holds the folder: the second start says so and touches nothing.
    void secondStartOnTheSameFolderEnds()
    {
        QDir().mkpath(QStringLiteral("Dati"));
        QLockFile other(QStringLiteral("Dati/Velmora.lock"));
        QVERIFY(other.tryLock());
        MsgRecorder rec;
        bool started = false;
        QCOMPARE(startAndLeave(started), 1);
        QVERIFY(!started);
        QCOMPARE(rec.calls.size(), 1);
        QVERIFY2(
            rec.last().text.startsWith(QStringLiteral("Velmora è già aperto su questa cartella")),
            qPrintable(rec.last().text));
        QVERIFY(rec.last().text.contains(
            QDir::toNativeSeparators(QDir::current().absoluteFilePath("Dati"))));
        QVERIFY(!QFile::exists(QStringLiteral("Dati/Velmora.mdb")));

        // Once the other copy has closed, the folder is free again, and free after us.
        other.unlock();
        rec.clear();
        QCOMPARE(startAndLeave(started), 0);
        QVERIFY(started);
        QVERIFY(rec.calls.isEmpty());
        QVERIFY(other.tryLock());
    }

    // A copy that crashed leaves its lock behind; the next start takes it over.
    void lockOfACrashedRunIsTakenOver()
    {
        QProcess gone;
        gone.start(QStringLiteral("sleep"), {QStringLiteral("0.1")});
        QVERIFY(gone.waitForStarted());
        const qint64 pid = gone.processId();
        QVERIFY(gone.waitForFinished());
        QDir().mkpath(QStringLiteral("Dati"));
        // The lock as a run leaves it, but naming a process that no longer exists.
        QByteArray content;
        {
            QLockFile ours(QStringLiteral("Dati/Velmora.lock"));
            QVERIFY(ours.tryLock());
            QFile f(QStringLiteral("Dati/Velmora.lock"));
            QVERIFY(f.open(QIODevice::ReadOnly));
            content = f.readAll();
        }
        content = QByteArray::number(pid) + content.mid(content.indexOf('\n'));
        QFile stale(QStringLiteral("Dati/Velmora.lock"));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write(content);
        stale.close();
        MsgRecorder rec;
        bool started = false;
        QCOMPARE(startAndLeave(started), 0);
        QVERIFY(started);
        QVERIFY(rec.calls.isEmpty());
    }
};

VELMORA_TEST(InstanceTest)
#include "tst_instance.moc"
