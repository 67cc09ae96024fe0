#include "app/Velmora.h"
#include "data/Database.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>
#include <QTimer>

#include <memory>

class StartTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(false); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void startInEmptyFolder()
    {
        QString title;
        QSize size;
        QPoint centreOffset;
        QTimer::singleShot(0, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (auto *form = qobject_cast<Form1 *>(w)) {
                    title = form->windowTitle();
                    size = form->size();
                    const QRect screen = form->screen()->geometry();
                    centreOffset = form->geometry().center() - screen.center();
                    form->BtnEsci->click();
                }
            }
        });
        QCOMPARE(runVelmora(*qApp), 0);
        QCOMPARE(title, QStringLiteral("VELMORA - Versione 1.0.0"));
        QCOMPARE(size, QSize(800, 600));
        // Within the width of the frame, which the platform adds around the window.
        QVERIFY2(
            qAbs(centreOffset.x()) <= 4 && qAbs(centreOffset.y()) <= 4,
            qPrintable(QStringLiteral("offset %1,%2").arg(centreOffset.x()).arg(centreOffset.y())));
        QVERIFY(QFileInfo(QStringLiteral("Dati/Velmora.mdb")).isFile());

        // The file is an ordinary SQLite database with the seven tables.
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "check");
            db.setDatabaseName(QStringLiteral("Dati/Velmora.mdb"));
            QVERIFY(db.open());
            QSqlQuery q(db);
            QVERIFY(q.exec(
                QStringLiteral("SELECT group_concat(name) FROM (SELECT name FROM sqlite_master "
                               "WHERE type='table' ORDER BY name)")));
            QVERIFY(q.next());
            QCOMPARE(q.value(0).toString(),
                     QStringLiteral("Anagrafica,Campionati,DatiGare,Formazione,Gare,Giocatori,"
                                    "Stagioni"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("check"));
    }

    void standardButtonsSpeakItalian()
    {
        installItalian(*qApp);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Sì"));
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"),
                 QStringLiteral("Annulla"));
    }

    void damagedStoreEndsWithAMessage()
    {
        QDir().mkpath(QStringLiteral("Dati"));
        QFile f(QStringLiteral("Dati/Velmora.mdb"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("non un database, solo testo");
        f.close();

        MsgRecorder rec;
        QCOMPARE(runVelmora(*qApp), 1);
        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QVERIFY(rec.last().text.contains(QDir::current().absoluteFilePath("Dati/Velmora.mdb")));
        QVERIFY2(rec.last().text.contains(QStringLiteral("not a database")),
                 qPrintable(rec.last().text));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("non un database, solo testo"));
    }
};

VELMORA_TEST(StartTest)
#include "tst_start.moc"
