#include "PrinterStub.h"
#include "Rosters.h"

#include "app/Module1.h"
#include "printing/FormStampa.h"
#include "printing/PreviewArea.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"

#include <QImage>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

// Millimetres on the preview in pixels: 96 dpi.
int px(double mm)
{
    return int(mm * 96 / 25.4);
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 110;
}
bool isGrey(QRgb pixel)
{
    return qRed(pixel) == 0xAA && qGreen(pixel) == 0xAA && qBlue(pixel) == 0xAA;
}
bool isWhite(QRgb pixel)
{
    return qRed(pixel) == 0xFF && qGreen(pixel) == 0xFF && qBlue(pixel) == 0xFF;
}

// Some dark pixel in the rectangle, in pixels.
bool darkIn(const QImage &image, const QRect &area)
{
    const QRect r = area.intersected(image.rect());
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (isDark(image.pixel(x, y)))
                return true;
    return false;
}

// Counts the times a widget is painted.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget &widget) { widget.installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

struct State {
    float zoom;
    float shift;
};

} // namespace

Q_DECLARE_METATYPE(QList<State>)

class FormStampaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    std::unique_ptr<PrinterStub> printers;

    // What a user does on the preview: a mouse button on the page, or the zoom button.
    static void act(FormStampa &form, const QString &step)
    {
        if (step == QLatin1String("zoom"))
            form.BtnZoom->click();
        else if (step == QLatin1String("right"))
            QTest::mouseClick(form.Preview, Qt::RightButton, {}, QPoint(200, 300));
        else if (step == QLatin1String("left"))
            QTest::mouseClick(form.Preview, Qt::LeftButton, {}, QPoint(200, 300));
        else if (step == QLatin1String("middle"))
            QTest::mouseClick(form.Preview, Qt::MiddleButton, {}, QPoint(200, 300));
        else
            QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        printers = std::make_unique<PrinterStub>();
        Module1::reportKind = QStringLiteral("Giocatori");
        Module1::printFlag = false;
        Module1::selectedSeasonName = QStringLiteral("2010-11");
        Module1::selectedChampionshipName = QStringLiteral("Serie D");
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        // A preview never prints.
        QCOMPARE(printers->asked, 0);
        printers.reset();
        fx.reset();
    }

    void windowAtLoad()
    {
        const auto grid = rosterGrid(2);
        FormStampa form(*grid);
        QCOMPARE(form.objectName(), QStringLiteral("FormStampa"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Anteprima di stampa"));
        QCOMPARE(form.size(), QSize(800, 600));
        QCOMPARE(form.BtnChiudi->text(), QStringLiteral("&Chiudi"));
        QVERIFY(form.BtnZoom->text().isEmpty());
        QVERIFY(!form.BtnZoom->icon().isNull());
        QCOMPARE(form.BtnZoom->objectName(), QStringLiteral("BtnZoom"));
        QCOMPARE(form.BtnChiudi->objectName(), QStringLiteral("BtnChiudi"));
        QCOMPARE(form.zoom(), 0.49f);
        QCOMPARE(form.shift(), 1.0f);
    }

    // The zoom and the shift after each step, as single-precision numbers.
    void zoomAndShift_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<QList<State>>("after");
        const float medium = 0.68f;
        const float mediumShift = medium * -150;
        QTest::newRow("right cycles 1.0, 0.68, 0.49")
            << QStringList{"right", "right", "right", "right"}
            << QList<State>{{1.0f, 1}, {medium, 1}, {0.49f, 1}, {1.0f, 1}};
        QTest::newRow("zoom button toggles 0.68 and 0.49")
            << QStringList{"zoom", "zoom", "zoom"}
            << QList<State>{{medium, 1}, {0.49f, 1}, {medium, 1}};
        QTest::newRow("zoom button from 1.0")
            << QStringList{"right", "zoom"} << QList<State>{{1.0f, 1}, {medium, 1}};
        QTest::newRow("left at 0.49 never shifts")
            << QStringList{"left", "left"} << QList<State>{{0.49f, 1}, {0.49f, 1}};
        QTest::newRow("left at 0.68 alternates")
            << QStringList{"zoom", "left", "left", "left"}
            << QList<State>{{medium, 1}, {medium, mediumShift}, {medium, 1}, {medium, mediumShift}};
        QTest::newRow("left at 1.0 alternates") << QStringList{"right", "left", "left"}
                                                << QList<State>{{1.0f, 1}, {1.0f, -150}, {1.0f, 1}};
        QTest::newRow("any other button shifts as the left")
            << QStringList{"zoom", "middle"} << QList<State>{{medium, 1}, {medium, mediumShift}};
        QTest::newRow("right brings the content back")
            << QStringList{"zoom", "left", "right"}
            << QList<State>{{medium, 1}, {medium, mediumShift}, {0.49f, 1}};
        QTest::newRow("zoom button to 0.49 brings it back")
            << QStringList{"zoom", "left", "zoom"}
            << QList<State>{{medium, 1}, {medium, mediumShift}, {0.49f, 1}};
        QTest::newRow("zoom button from shifted 1.0 keeps the shift")
            << QStringList{"right", "left", "zoom"}
            << QList<State>{{1.0f, 1}, {1.0f, -150}, {medium, -150}};
    }
    void zoomAndShift()
    {
        QFETCH(QStringList, steps);
        QFETCH(QList<State>, after);
        const auto grid = rosterGrid(3);
        FormStampa form(*grid);
        QVERIFY(drive::activate(form));
        PaintCounter counter(*form.Preview);
        for (int i = 0; i < steps.size(); ++i) {
            const int paints = counter.paints;
            act(form, steps[i]);
            QCOMPARE(form.zoom(), after[i].zoom);
            QCOMPARE(form.shift(), after[i].shift);
            // Every change is drawn again.
            QTRY_VERIFY(counter.paints > paints);
        }
        form.close();
    }

    // What the preview shows: grey around the white page of 210 mm times the zoom, the page
    // outlined, the title and the header band on it, the rows where there are players.
    void previewShowsThePage_data()
    {
        QTest::addColumn<QStringList>("steps");
        QTest::addColumn<double>("zoom");
        QTest::addColumn<int>("players");
        QTest::newRow("0.49") << QStringList{} << 0.49 << 3;
        QTest::newRow("0.68") << QStringList{"zoom"} << 0.68 << 3;
        QTest::newRow("1.0") << QStringList{"right"} << 1.0 << 3;
        QTest::newRow("empty roster") << QStringList{} << 0.49 << 0;
    }
    void previewShowsThePage()
    {
        QFETCH(QStringList, steps);
        QFETCH(double, zoom);
        QFETCH(int, players);
        const auto grid = rosterGrid(players);
        FormStampa form(*grid);
        QVERIFY(drive::activate(form));
        for (const QString &step : steps)
            act(form, step);
        const QImage image = form.Preview->grab().toImage();

        const int edge = px(210 * zoom);
        const int y = 300;
        QVERIFY(isWhite(image.pixel(edge - 3, y)));
        QVERIFY(isGrey(image.pixel(edge + 3, y)));
        QVERIFY(darkIn(image, QRect(edge - 1, y, 3, 1)));
        QVERIFY(darkIn(image, QRect(px(10 * zoom), px(6 * zoom), px(40 * zoom), px(6 * zoom))));
        QVERIFY(darkIn(image, QRect(px(100 * zoom), px(16 * zoom) - 1, 1, 3)));
        const QRect firstRow(px(12 * zoom), px(30.7 * zoom), px(40 * zoom), px(3 * zoom));
        QCOMPARE(darkIn(image, firstRow), players > 0);
        form.close();
    }

    // A left click moves the content up and the next brings it back; the page stays.
    void shiftMovesTheContent()
    {
        const auto grid = rosterGrid(60);
        FormStampa form(*grid);
        QVERIFY(drive::activate(form));
        act(form, QStringLiteral("zoom"));
        const QImage unshifted = form.Preview->grab().toImage();
        const double z = 0.68;
        const QRect band(px(100 * z), px(16 * z) - 1, 1, 3);
        QVERIFY(darkIn(unshifted, band));

        act(form, QStringLiteral("left"));
        const QImage shifted = form.Preview->grab().toImage();
        QVERIFY(shifted != unshifted);
        QVERIFY(!darkIn(shifted, band));
        // The page number comes into view: (271 - 1 - 102) mm at 0.68.
        QVERIFY(darkIn(shifted, QRect(px(105 * z), px(168 * z), px(8 * z), px(3 * z))));
        QVERIFY(isWhite(shifted.pixel(px(210 * z) - 3, 300)));

        act(form, QStringLiteral("left"));
        QCOMPARE(form.Preview->grab().toImage(), unshifted);
        form.close();
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("Chiudi") << "button";
        QTest::newRow("Alt+C") << "mnemonic";
        QTest::newRow("close box") << "close";
    }
    void closing()
    {
        QFETCH(QString, how);
        const auto grid = rosterGrid(1);
        FormStampa form(*grid);
        QVERIFY(drive::activate(form));
        if (how == QLatin1String("button"))
            form.BtnChiudi->click();
        else if (how == QLatin1String("mnemonic"))
            drive::key(Qt::Key_C, Qt::AltModifier);
        else
            form.close();
        // A mnemonic presses the button as an animated click, a moment later.
        QTRY_VERIFY(!form.isVisible());
    }

    // The main window's preview button: the report of its own roster, modal, at 0.49.
    void previewFromTheMainWindow()
    {
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Juniores"));
        fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp, QStringLiteral("A"));
        Form1 main;
        ModalHook hook;
        MsgRecorder rec;
        bool driven = false;
        hook.on<FormStampa>([&](FormStampa &preview) {
            QVERIFY(drive::activate(preview));
            QCOMPARE(Module1::reportKind, QStringLiteral("Giocatori"));
            QCOMPARE(Module1::printFlag, false);
            QCOMPARE(preview.zoom(), 0.49f);
            QVERIFY(darkIn(preview.Preview->grab().toImage(),
                           QRect(px(12 * 0.49), px(30.7 * 0.49), px(20 * 0.49), px(3 * 0.49))));
            act(preview, QStringLiteral("right"));
            QCOMPARE(preview.zoom(), 1.0f);
            QVERIFY(isWhite(preview.Preview->grab().toImage().pixel(px(210) - 3, 300)));
            preview.BtnChiudi->click();
            driven = true;
        });
        main.BtnAnt->click();
        QVERIFY(driven);
        QCOMPARE(hook.shown, QStringList{"FormStampa"});
        QVERIFY(rec.calls.isEmpty());
    }
};

VELMORA_TEST(FormStampaTest)
#include "tst_formstampa.moc"
