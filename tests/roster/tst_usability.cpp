#include "app/Version.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <memory>

// The main window as the keyboard and the desktop meet it.
class UsabilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int camp = 0;
    const QStringList names{"ALFA", "BETA", "GAMMA", "DELTA", "EPSILON"};

    void club()
    {
        fx->addSeason(2010);
        camp = fx->addChampionship(QStringLiteral("Serie D"));
        for (const QString &n : names)
            fx->enrol(fx->addPerson(n), 2010, camp);
    }

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // Moving the highlight by the keyboard loads the card, and "&Elimina" proposes that player.
    void keysMoveTheCardWithTheRow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("name"); // from DELTA; by name: ALFA BETA DELTA EPSILON GAMMA
        QTest::newRow("down") << int(Qt::Key_Down) << "EPSILON";
        QTest::newRow("up") << int(Qt::Key_Up) << "BETA";
        QTest::newRow("home") << int(Qt::Key_Home) << "ALFA";
        QTest::newRow("end") << int(Qt::Key_End) << "GAMMA";
        QTest::newRow("page down") << int(Qt::Key_PageDown) << "GAMMA";
        QTest::newRow("page up") << int(Qt::Key_PageUp) << "ALFA";
    }
    void keysMoveTheCardWithTheRow()
    {
        QFETCH(int, key);
        QFETCH(QString, name);
        club();
        Form1 form;
        MsgRecorder rec;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 3));
        QCOMPARE(form.TxtNome->text(), QStringLiteral("DELTA"));
        drive::key(key);
        QCOMPARE(form.TxtNome->text(), name);
        QCOMPARE(form.Fgrid->TextMatrix(form.Fgrid->Row(), 2), name);
        QVERIFY(form.TxtPeso->isEnabled());

        rec.answers << ui::Answer::No;
        form.BtnElimina->click();
        QCOMPARE(rec.texts(), QStringList{QStringLiteral("Eliminazione Giocatore %1 ?").arg(name)});
    }

    // Tab leaves the grid for the next control, Shift+Tab comes back; every button is on the
    // way round.
    void tabGoesRoundTheWindow()
    {
        club();
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 2));
        drive::type(*form.TxtPeso, QStringLiteral("70"), false); // "&SALVA" becomes reachable
        form.Fgrid->setFocus(Qt::TabFocusReason);
        drive::key(Qt::Key_Tab);
        QVERIFY(!form.Fgrid->hasFocus());
        QCOMPARE(form.Fgrid->TextMatrix(form.Fgrid->Row(), 2), QStringLiteral("BETA"));
        drive::key(Qt::Key_Backtab);
        QVERIFY(form.Fgrid->hasFocus());

        QSet<QString> visited;
        for (int i = 0; i < 60; ++i) {
            drive::key(Qt::Key_Tab);
            if (QWidget *w = QApplication::focusWidget())
                visited << w->objectName();
        }
        for (const QPushButton *b : form.findChildren<QPushButton *>())
            if (b->isVisible() && b->isEnabled())
                QVERIFY2(visited.contains(b->objectName()), qPrintable(b->objectName()));
        QVERIFY(visited.contains(QStringLiteral("Fgrid")));
        QVERIFY(visited.contains(QStringLiteral("TxtPeso")));
        QVERIFY(!visited.contains(QStringLiteral("TxtPresenze"))); // read-only: not a stop
        MsgRecorder rec;
        rec.answers << ui::Answer::No;
        form.close();
    }

    // Return presses the focused button, as Space does.
    void returnPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void returnPressesTheFocusedButton()
    {
        QFETCH(int, key);
        club();
        Form1 form;
        ModalHook hook;
        QVERIFY(drive::activate(form));
        form.BtnInsGio->setFocus(Qt::TabFocusReason);
        drive::key(key);
        QCOMPARE(hook.shown, QStringList{"FrmInsGio"});
        form.close();
    }

    // Until there is a season and a championship, the roster area says how to begin.
    void hintUntilThereIsSomethingToShow()
    {
        {
            Form1 form;
            QVERIFY(drive::activate(form));
            QVERIFY(form.LblInizio->isVisible());
            QVERIFY(form.LblInizio->text().contains(QStringLiteral("Stagioni")));
            QVERIFY(form.LblInizio->text().contains(QStringLiteral("Campionati")));
            QVERIFY(form.LblInizio->text().contains(QStringLiteral("Anagrafica")));
            QVERIFY(form.LblInizio->text().contains(QStringLiteral("Inserisci")));
            form.close();
        }
        club();
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(!form.LblInizio->isVisible());
        form.close();
    }

    void infoBoxTellsVersionFolderAndEngines()
    {
        Form1 form;
        MsgRecorder rec;
        const QList<QAction *> menus = form.menuBar()->actions();
        QCOMPARE(menus.last()->menu(), form.mnuAiuto);
        QCOMPARE(form.mnuAiuto->title(), QStringLiteral("&?"));
        QCOMPARE(form.mnuInfo->text(), QStringLiteral("&Informazioni su Velmora"));
        form.mnuInfo->trigger();
        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(rec.last().title, QStringLiteral("Informazioni su Velmora"));
        QCOMPARE(rec.last().icon, ui::Icon::Information);
        const QString text = rec.last().text;
        QVERIFY2(text.contains(app::version()), qPrintable(text));
        QVERIFY2(text.contains(QDir::toNativeSeparators(QDir::current().absoluteFilePath("Dati"))),
                 qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())),
                 qPrintable(text));
        QVERIFY2(text.contains(QRegularExpression(QStringLiteral("SQLite 3\\.\\d+"))),
                 qPrintable(text));
    }

    // Size and place come back on the next run; a place on no screen is not used.
    void windowPlaceIsRemembered()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QRect place;
        {
            Form1 form;
            QVERIFY(drive::activate(form));
            form.resize(screen.width() / 2 + 33, screen.height() / 2 + 17);
            form.move(screen.topLeft() + QPoint(21, 13));
            place = form.geometry();
            form.close();
        }
        {
            Form1 form;
            QCOMPARE(form.size(), place.size());
            QVERIFY(drive::activate(form));
            QCOMPARE(form.geometry(), place);
            form.move(screen.right() + 5000, screen.bottom() + 5000);
            form.close();
        }
        Form1 form;
        QVERIFY(screen.intersects(form.frameGeometry()));
    }

    // The name column takes the width the window gains; a width the user drags stays when
    // the roster is read again; the figures explain themselves.
    void rosterColumnsReadWell()
    {
        club();
        fx->addChampionship(QStringLiteral("Coppa"));
        Form1 form;
        QVERIFY(drive::activate(form));
        QHeaderView *header = form.Fgrid->horizontalHeader();
        const int nameCol = form.Fgrid->cellSpot(1, 2).rect.isValid()
                                ? header->logicalIndexAt(form.Fgrid->cellSpot(1, 2).rect.center())
                                : -1;
        QVERIFY(nameCol >= 0);
        const int before = header->sectionSize(nameCol);
        QWidget *card = form.findChild<QWidget *>(QStringLiteral("Card"));
        const int cardBefore = card->width();
        form.resize(form.width() + 600, form.height());
        QTRY_VERIFY(header->sectionSize(nameCol) > before + 100);
        QVERIFY(card->width() > cardBefore + 20); // long names and documents get room too

        // Drag the right edge of the birth date column 40 pixels wider.
        const int dateCol = nameCol + 1;
        const int edge =
            header->sectionViewportPosition(dateCol) + header->sectionSize(dateCol) - 1;
        const int width = header->sectionSize(dateCol);
        const QPoint from(edge, header->height() / 2);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
        QTest::mouseMove(header->viewport(), from + QPoint(20, 0));
        QTest::mouseMove(header->viewport(), from + QPoint(40, 0));
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, from + QPoint(40, 0));
        QCOMPARE(header->sectionSize(dateCol), width + 40);
        QVERIFY(drive::choose(*form.ComboCamp, QStringLiteral("Coppa")));
        QCOMPARE(header->sectionSize(dateCol), width + 40);

        const QStringList tips{"Presenze",           "Reti",          "Ammonizioni",
                               "Espulsioni",         "Squalifiche",   "Sostituzioni avute",
                               "Sostituzioni fatte", "Minuti giocati"};
        for (int i = 0; i < tips.size(); ++i)
            QCOMPARE(form.Fgrid->horizontalHeaderItem(dateCol + 2 + i)->toolTip(), tips.at(i));
        form.close();
    }
};

VELMORA_TEST(UsabilityTest)
#include "tst_usability.moc"
