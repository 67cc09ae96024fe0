#include "Recorder.h"
#include "Rosters.h"

#include "app/Module1.h"
#include "printing/RosterReport.h"
#include "roster/Form1.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>

#include <cmath>

namespace {

bool near(const QPointF &a, const QPointF &b)
{
    return std::abs(a.x() - b.x()) < 1e-6 && std::abs(a.y() - b.y()) < 1e-6;
}

QString where(const QPointF &p)
{
    return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
}

#define COMPARE_AT(actual, expected)                                                               \
    QVERIFY2(near(actual, expected),                                                               \
             qPrintable(where(actual) + QStringLiteral(" != ") + where(expected)))

printing::SurfaceFont arial(double size, bool bold = false)
{
    return {QStringLiteral("Arial"), size, bold, false, false};
}

bool sameFont(const printing::SurfaceFont &a, const printing::SurfaceFont &b)
{
    return a.name == b.name && std::abs(a.size - b.size) < 1e-6 && a.bold == b.bold &&
           a.underline == b.underline && a.italic == b.italic;
}

// Player rows are the texts in the report's small font below the header band.
QList<Recorder::Text> rowCells(const QList<Recorder::Text> &page, double zoom)
{
    QList<Recorder::Text> cells;
    for (const Recorder::Text &t : page)
        if (std::abs(t.font.size - 8 * zoom) < 1e-6 &&
            !t.text.contains(QRegularExpression(QStringLiteral("^\\d+/\\d+$"))))
            cells << t;
    return cells;
}

QStringList namesOn(const QList<Recorder::Text> &page, double zoom = 1)
{
    QStringList names;
    for (const Recorder::Text &t : rowCells(page, zoom))
        if (std::abs(t.at.x() - 12 * zoom) < 1e-6)
            names << t.text;
    return names;
}

} // namespace

class RosterReportTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        Module1::selectedSeasonName = QStringLiteral("2010-11");
        Module1::selectedChampionshipName = QStringLiteral("Serie D");
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void layoutOfAPage()
    {
        const auto grid = rosterGrid(2);
        Recorder paper(true);
        QVERIFY(printing::drawRosterReport(paper, *grid, 1.0f, 1.0f));

        const QList<Recorder::Text> t = paper.texts;
        QCOMPARE(t.size(), 1 + 10 + 3 + 2 * 10 + 1);
        QCOMPARE(t[0].text, QStringLiteral("STAGIONE 2010-11 - Serie D"));
        COMPARE_AT(t[0].at, QPointF(10, 6));
        QVERIFY(sameFont(t[0].font, arial(18)));

        QCOMPARE(paper.boxes.size(), 1);
        COMPARE_AT(paper.boxes[0].from, QPointF(10, 16));
        COMPARE_AT(paper.boxes[0].to, QPointF(195, 28));
        QCOMPARE(paper.boxes[0].colour, QColor(Qt::black));
        QVERIFY(!paper.boxes[0].filled);

        const QStringList first{"Giocatore", "Ruolo", "Pres.", "Reti",  "Amm.",
                                "Esp.",      "Squ.",  "Sost.", "Sost.", "Minuti"};
        const double xs[] = {12, 57, 72, 87, 102, 117, 132, 147, 162, 177};
        for (int i = 0; i < 10; ++i) {
            QCOMPARE(t[1 + i].text, first[i]);
            COMPARE_AT(t[1 + i].at, QPointF(xs[i], 17.7));
            QVERIFY(sameFont(t[1 + i].font, arial(10, true)));
        }
        const QStringList second{"Avute", "Fatte", "Giocati"};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(t[11 + i].text, second[i]);
            COMPARE_AT(t[11 + i].at, QPointF(xs[7 + i], 22.7));
            QVERIFY(sameFont(t[11 + i].font, arial(10, true)));
        }
        for (int r = 0; r < 2; ++r) {
            const QStringList cells = printedCells(*grid, r + 1);
            for (int i = 0; i < 10; ++i) {
                const Recorder::Text &cell = t[14 + r * 10 + i];
                QCOMPARE(cell.text, cells[i]);
                COMPARE_AT(cell.at, QPointF(xs[i], 30.7 + 4 * r));
                QVERIFY(sameFont(cell.font, arial(8)));
            }
        }
        QCOMPARE(t.last().text, QStringLiteral("1/1"));
        COMPARE_AT(t.last().at, QPointF(105, 271));
        QVERIFY(sameFont(t.last().font, arial(8)));

        QCOMPARE(paper.newPages, 0);
        QCOMPARE(paper.ends, 1);
        QCOMPARE(paper.calls.last(), QStringLiteral("end"));
    }

    // Every position and font size follows the zoom; the shift moves every y.
    void zoomAndShift_data()
    {
        QTest::addColumn<float>("zoom");
        QTest::addColumn<float>("shift");
        QTest::newRow("small") << 0.49f << 1.0f;
        QTest::newRow("medium, shifted") << 0.68f << 0.68f * -150;
        QTest::newRow("full size, shifted") << 1.0f << -150.0f;
    }
    void zoomAndShift()
    {
        QFETCH(float, zoom);
        QFETCH(float, shift);
        const double z = zoom;
        const double s = shift;
        const auto grid = rosterGrid(3);
        Recorder screen(false);
        QVERIFY(printing::drawRosterReport(screen, *grid, zoom, shift));

        const QList<Recorder::Text> t = screen.texts;
        COMPARE_AT(t[0].at, QPointF(10 * z, (5 + s) * z));
        QVERIFY(sameFont(t[0].font, arial(18 * z)));
        COMPARE_AT(t[1].at, QPointF(12 * z, (16.7 + s) * z));
        QVERIFY(sameFont(t[1].font, arial(10 * z, true)));
        COMPARE_AT(t[11].at, QPointF(147 * z, (21.7 + s) * z));
        const QList<Recorder::Text> cells = rowCells(t, z);
        QCOMPARE(cells.size(), 30);
        COMPARE_AT(cells[0].at, QPointF(12 * z, (29.7 + s) * z));
        COMPARE_AT(cells[29].at, QPointF(177 * z, (37.7 + s) * z));
        COMPARE_AT(t.last().at, QPointF(105 * z, (270 + s) * z));
        QVERIFY(sameFont(t.last().font, arial(8 * z)));

        // The grey and the white page stay in place; only the content moves.
        QCOMPARE(screen.boxes.size(), 4);
        const Recorder::Box &grey = screen.boxes[0];
        QVERIFY(grey.filled);
        QCOMPARE(grey.colour, QColor(0xAA, 0xAA, 0xAA));
        COMPARE_AT(grey.from, QPointF(0, 0));
        COMPARE_AT(grey.to, QPointF(210, 294));
        const Recorder::Box &white = screen.boxes[1];
        QVERIFY(white.filled);
        QCOMPARE(white.colour, QColor(Qt::white));
        COMPARE_AT(white.to, QPointF(210 * z, 294 * z));
        const Recorder::Box &band = screen.boxes[2];
        COMPARE_AT(band.from, QPointF(10 * z, (15 + s) * z));
        COMPARE_AT(band.to, QPointF(195 * z, (27 + s) * z));
        const Recorder::Box &outline = screen.boxes[3];
        QVERIFY(!outline.filled);
        QCOMPARE(outline.colour, QColor(Qt::black));
        COMPARE_AT(outline.from, QPointF(0, 0));
        COMPARE_AT(outline.to, QPointF(210 * z, 294 * z));
        QCOMPARE(screen.calls.last(), QStringLiteral("rectangle"));
        QCOMPARE(screen.newPages + screen.ends, 0);
    }

    void pages_data()
    {
        QTest::addColumn<int>("players");
        QTest::addColumn<QList<int>>("rowsPerPage");
        QTest::newRow("empty roster") << 0 << QList<int>{0};
        QTest::newRow("one") << 1 << QList<int>{1};
        QTest::newRow("60 fit one page") << 60 << QList<int>{60};
        QTest::newRow("61 take two") << 61 << QList<int>{60, 1};
        QTest::newRow("120") << 120 << QList<int>{60, 60};
        QTest::newRow("121") << 121 << QList<int>{60, 60, 1};
    }
    void pages()
    {
        QFETCH(int, players);
        QFETCH(QList<int>, rowsPerPage);
        const int count = int(rowsPerPage.size());
        QCOMPARE(printing::rosterPages(players), count);
        const auto grid = rosterGrid(players);

        Recorder paper(true);
        QVERIFY(printing::drawRosterReport(paper, *grid, 1.0f, 1.0f));
        QCOMPARE(paper.pages(), count);
        QCOMPARE(paper.newPages, count - 1);
        QCOMPARE(paper.ends, 1);
        int player = 0;
        for (int p = 0; p < count; ++p) {
            const QList<Recorder::Text> page = paper.onPage(p);
            QCOMPARE(page.first().text, QStringLiteral("STAGIONE 2010-11 - Serie D"));
            QCOMPARE(page.size(), 1 + 13 + rowsPerPage[p] * 10 + 1);
            const QString number =
                QString::number(p + 1) + QLatin1Char('/') + QString::number(count);
            QCOMPARE(page.last().text, number);
            COMPARE_AT(page.last().at, QPointF(105, 271));
            const QStringList names = namesOn(page);
            QCOMPARE(names.size(), rowsPerPage[p]);
            for (int i = 0; i < names.size(); ++i)
                QCOMPARE(names[i], grid->TextMatrix(++player, 2));
            if (!names.isEmpty())
                COMPARE_AT(rowCells(page, 1).first().at, QPointF(12, 30.7));
            if (rowsPerPage[p] == 60)
                COMPARE_AT(rowCells(page, 1).last().at, QPointF(177, 30.7 + 59 * 4));
        }
        QCOMPARE(player, players);

        // The preview paints the pages over each other and ends on the last one.
        Recorder screen(false);
        QVERIFY(printing::drawRosterReport(screen, *grid, 0.49f, 1.0f));
        QCOMPARE(screen.pages(), count);
        QCOMPARE(screen.calls.count(QStringLiteral("fill")), 2 * count);
        QCOMPARE(screen.newPages + screen.ends, 0);
        QCOMPARE(screen.texts.last().text,
                 QString::number(count) + QLatin1Char('/') + QString::number(count));
    }

    // Paper that refuses a new page stops the report there, without ending the document.
    void refusedPageStops()
    {
        const auto grid = rosterGrid(61);
        Recorder paper(true);
        paper.refuseNewPage = 0;
        QVERIFY(!printing::drawRosterReport(paper, *grid, 1.0f, 1.0f));
        QCOMPARE(paper.pages(), 1);
        QCOMPARE(paper.texts.last().text, QStringLiteral("1/2"));
        QCOMPARE(paper.ends, 0);
    }

    // The rows come from the main window's grid, in the order it shows them, with its figures.
    void rowsFollowTheRosterGrid()
    {
        fx->addSeason(2010);
        const int camp = fx->addChampionship(QStringLiteral("Juniores"));
        const int rossi =
            fx->enrol(fx->addPerson(QStringLiteral("ROSSI")), 2010, camp, QStringLiteral("A"));
        fx->enrol(fx->addPerson(QStringLiteral("BIANCHI")), 2010, camp, QStringLiteral("D"));
        fx->enrol(fx->addPerson(QStringLiteral("NERI")), 2010, camp, QStringLiteral("P"));
        const int game = fx->addGame(2010, camp);
        fx->addGameRow(game, rossi, QStringLiteral("TIT"));
        fx->addGameRow(game, rossi, QStringLiteral("RETE"), 30);

        Form1 form;
        form.Opt_2->click();
        Recorder paper(true);
        QVERIFY(printing::drawRosterReport(paper, *form.Fgrid, 1.0f, 1.0f));
        QCOMPARE(paper.texts.first().text, QStringLiteral("STAGIONE 2010-11 - Juniores"));
        QCOMPARE(namesOn(paper.texts), (QStringList{"NERI", "BIANCHI", "ROSSI"}));
        QCOMPARE(namesOn(paper.texts), entries(*form.Fgrid, 2));
        const QList<Recorder::Text> cells = rowCells(paper.texts, 1);
        QStringList rossiRow;
        for (int i = 20; i < 30; ++i)
            rossiRow << cells[i].text;
        QCOMPARE(rossiRow, (QStringList{"ROSSI", "A", "1", "1", "0", "0", "", "0", "0", "90"}));
        QCOMPARE(rossiRow, printedCells(*form.Fgrid, 3));
    }
};

VELMORA_TEST(RosterReportTest)
#include "tst_report.moc"
