#include "app/Start.h"
#include "app/Velmora.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/OtherProgram.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

const QString inUse = QStringLiteral("Il database è in uso da un altro programma");

QByteArray digest(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

QString absoluteStore()
{
    return QDir::current().absoluteFilePath(data::storePath());
}

// Once the event loop runs: notes the main window's title and leaves by ESCI.
void leaveOnceShown(QString *title)
{
    QTimer::singleShot(0, [title] {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (auto *form = qobject_cast<Form1 *>(w)) {
                *title = form->windowTitle();
                form->BtnEsci->click();
            }
    });
}

// A store with some rows, closed again.
void makeStore()
{
    QVERIFY(data::openStore(data::storePath()).isEmpty());
    data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (2010)"));
    data::closeStore();
}

// Sets a header byte SQLite reads as "writers of a later format only": the store then
// takes no writes, whoever runs the program, root included.
bool makeReadOnly(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadWrite) && f.seek(18) && f.putChar(3);
}

} // namespace

// The store at start: held by another program, read-only, damaged, with stray photos.
class StoreStartTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init()
    {
        data::setBusyTimeout(100);
        fx = std::make_unique<Fixture>(false);
        QVERIFY(QDir().mkpath(QStringLiteral("Dati")));
    }
    void cleanup()
    {
        ui::setMsgHandler({});
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
        data::setBusyTimeout(3000);
    }

    // Whether the other program locks a finished store or the one whose tables we must
    // make, the user is told and chooses: Riprova tries again, Esci ends.
    void heldStoreAsksToRetryOrExit_data()
    {
        QTest::addColumn<QString>("lock");
        QTest::addColumn<bool>("schemaMissing");
        QTest::addColumn<bool>("retry");
        QTest::newRow("exclusive, exit") << "BEGIN EXCLUSIVE" << false << false;
        QTest::newRow("exclusive, retry") << "BEGIN EXCLUSIVE" << false << true;
        QTest::newRow("writer while tables are missing, exit")
            << "BEGIN IMMEDIATE" << true << false;
        QTest::newRow("writer while tables are missing, retry")
            << "BEGIN IMMEDIATE" << true << true;
    }
    void heldStoreAsksToRetryOrExit()
    {
        QFETCH(QString, lock);
        QFETCH(bool, schemaMissing);
        QFETCH(bool, retry);
        if (!schemaMissing)
            makeStore();
        auto other = std::make_unique<OtherProgram>(absoluteStore(), lock);
        QVERIFY(other->holds());
        QList<ui::MsgCall> calls;
        ui::setMsgHandler([&](const ui::MsgCall &call) {
            calls << call;
            if (call.buttons != ui::Buttons::RetryExit || !retry || calls.size() > 2)
                return ui::Answer::Exit;
            // The second time round, the other program has gone.
            if (calls.size() == 2)
                other.reset();
            return ui::Answer::Retry;
        });
        QString title;
        if (retry)
            leaveOnceShown(&title);
        QCOMPARE(runVelmora(*qApp), retry ? 0 : 1);
        QCOMPARE(calls.size(), retry ? 2 : 1);
        for (const ui::MsgCall &call : calls) {
            QVERIFY2(call.text.startsWith(inUse), qPrintable(call.text));
            QVERIFY(call.text.contains(QDir::toNativeSeparators(absoluteStore())));
            QCOMPARE(call.buttons, ui::Buttons::RetryExit);
            QCOMPARE(call.title, QStringLiteral("AVVISO"));
        }
        QCOMPARE(title.isEmpty(), !retry);
        if (retry) {
            QVERIFY(data::openStore(data::storePath()).isEmpty());
            QCOMPARE(data::scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE "
                                                 "type='table'"))
                         .toInt(),
                     7);
            data::closeStore();
        }
    }

    // A read-only store made by another tool, without the indexes ours would make, opens
    // for reading; the main window says so, and the file stays as it was.
    void readOnlyStoreOpensForReading()
    {
        makeStore();
        {
            QVERIFY(data::openStore(data::storePath()).isEmpty());
            QSqlQuery q = data::run(QStringLiteral("SELECT name FROM sqlite_master WHERE "
                                                   "type='index' AND sql IS NOT NULL"));
            QStringList indexes;
            while (q.next())
                indexes << q.value(0).toString();
            q.finish();
            QVERIFY(!indexes.isEmpty());
            for (const QString &index : indexes)
                data::run(QStringLiteral("DROP INDEX ") + index);
            data::closeStore();
        }
        QVERIFY(makeReadOnly(data::storePath()));
        const QByteArray before = digest(data::storePath());
        MsgRecorder msg;
        QString title;
        leaveOnceShown(&title);
        QCOMPARE(runVelmora(*qApp), 0);
        QCOMPARE(msg.texts(), QStringList());
        QCOMPARE(title, QStringLiteral("VELMORA - Versione 1.0.0 - sola lettura"));
        QCOMPARE(digest(data::storePath()), before);
    }

    // Photos of no person, and the leftovers of a replacement cut short, are put aside
    // when the store opens; nothing is deleted, nothing overwritten, other files stay.
    void strayPhotosArePutAside()
    {
        makeStore();
        QVERIFY(data::openStore(data::storePath()).isEmpty());
        data::run(QStringLiteral("INSERT INTO Anagrafica (IdAna,Nome) VALUES (1,'A'),(2,'B')"));
        data::closeStore();
        const QStringList files = {"1.jpg", "3.jpg", "2.jpg.Ab12Cd", "note.txt", "orfane/3.jpg"};
        for (const QString &name : files) {
            QVERIFY(QDir().mkpath(QFileInfo("Dati/Foto/" + name).path()));
            QFile f("Dati/Foto/" + name);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(name.toUtf8());
        }
        MsgRecorder msg;
        QVERIFY(app::openTheStore());
        data::closeStore();
        QCOMPARE(msg.texts(), QStringList());
        QCOMPARE(QDir("Dati/Foto").entryList(QDir::Files, QDir::Name),
                 (QStringList{"1.jpg", "note.txt"}));
        QCOMPARE(QDir("Dati/Foto/orfane").entryList(QDir::Files, QDir::Name),
                 (QStringList{"2.jpg.Ab12Cd", "3.jpg", "3_2.jpg"}));
        QFile moved("Dati/Foto/orfane/3_2.jpg");
        QVERIFY(moved.open(QIODevice::ReadOnly));
        QCOMPARE(moved.readAll(), QByteArray("3.jpg"));
    }

    // The quick check runs once the window is shown, beside it; damage is told with the
    // advice to restore a backup, and the store stays open for reading.
    void damageIsToldAfterTheStart_data()
    {
        QTest::addColumn<bool>("damaged");
        QTest::newRow("sound") << false;
        QTest::newRow("damaged index") << true;
    }
    void damageIsToldAfterTheStart()
    {
        QFETCH(bool, damaged);
        makeStore();
        QVERIFY(data::openStore(data::storePath()).isEmpty());
        {
            data::Transaction rows;
            for (int i = 1; i <= 200; ++i)
                data::run(QStringLiteral("INSERT INTO Formazione (Valid,IdGio,Tipo) VALUES "
                                         "(1,?,'TIT')"),
                          {i});
            rows.commit();
        }
        const int page = data::scalar(QStringLiteral("SELECT rootpage FROM sqlite_master "
                                                     "WHERE name='Formazione_IdGio'"))
                             .toInt();
        const int size = data::scalar(QStringLiteral("PRAGMA page_size")).toInt();
        data::closeStore();
        if (damaged) {
            QFile file(data::storePath());
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.seek(qint64(page - 1) * size));
            file.write(QByteArray(size, '\xA5'));
        }
        MsgRecorder msg;
        QVERIFY(app::openTheStore());
        {
            Form1 window;
            window.show();
            app::startChecks(window);
            QThread *check = window.findChild<QThread *>();
            QVERIFY(check);
            QVERIFY(check->wait(60000));
            QTRY_COMPARE(msg.calls.size(), damaged ? 1 : 0);
            QCoreApplication::processEvents();
            QCOMPARE(msg.calls.size(), damaged ? 1 : 0);
            if (damaged) {
                QVERIFY2(msg.last().text.contains(QStringLiteral("ripristinare un backup")),
                         qPrintable(msg.last().text));
                QCOMPARE(msg.last().title, QStringLiteral("AVVISO"));
            }
            QCOMPARE(data::scalar(QStringLiteral("SELECT count(*) FROM Stagioni")).toInt(), 1);
            window.close();
        }
        data::closeStore();
    }
};

VELMORA_TEST(StoreStartTest)
#include "tst_storestart.moc"
