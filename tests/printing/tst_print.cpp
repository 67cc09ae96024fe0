#include "Pdf.h"
#include "PrinterStub.h"
#include "Rosters.h"

#include "app/Module1.h"
#include "printing/FormStampa.h"
#include "printing/PreviewArea.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

constexpr double pointsPerMm = 72 / 25.4;

// The lines of the PDF's text, blanks between words made single.
QStringList lines(const QString &text)
{
    QStringList list;
    for (const QString &line : text.split(QRegularExpression(QStringLiteral("[\n\f]"))))
        list << line.simplified();
    return list;
}

const pdf::Word *find(const QList<pdf::Word> &words, const QString &text)
{
    for (const pdf::Word &w : words)
        if (w.text == text)
            return &w;
    return nullptr;
}

} // namespace

class PrintTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int camp = 0;

    // A roster of players with figures from one game, in the main window's roster grid.
    void enrolPlayers(int count)
    {
        const int game = fx->addGame(2010, camp);
        for (int i = 1; i <= count; ++i) {
            const int gio = fx->enrol(
                fx->addPerson(QStringLiteral("GIOCATORE %1").arg(i, 3, 10, QLatin1Char('0'))), 2010,
                camp, QStringLiteral("C"));
            fx->addGameRow(game, gio, i % 2 ? QStringLiteral("TIT") : QStringLiteral("RIS"));
            if (i % 5 == 0)
                fx->addGameRow(game, gio, QStringLiteral("RETE"), i);
            if (i % 7 == 0)
                fx->addGameRow(game, gio, QStringLiteral("AMM"));
        }
    }

    // Every player of the grid on a line of his own with his role and figures.
    static void verifyRows(const QString &text, const Grid &grid)
    {
        const QStringList printed = lines(text);
        for (int r = 1; r < grid.Rows(); ++r) {
            QStringList cells = printedCells(grid, r);
            cells.removeAll(QString());
            const QString row = cells.join(QLatin1Char(' '));
            QVERIFY2(printed.contains(row), qPrintable(QStringLiteral("missing: ") + row));
        }
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        fx->addSeason(2010);
        camp = fx->addChampionship(QStringLiteral("Serie D"));
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // "STAMPA" goes to the default printer at full size, whatever the preview showed.
    void printsOnTheDefaultPrinter()
    {
        enrolPlayers(61);
        const QString out = fx->dir() + QStringLiteral("/printer.pdf");
        PrinterStub printer(out);
        Form1 main;
        MsgRecorder rec;
        ModalHook hook;
        hook.on<FormStampa>([](FormStampa &preview) {
            QVERIFY(drive::activate(preview));
            QTest::mouseClick(preview.Preview, Qt::RightButton, {}, QPoint(200, 300));
            QTest::mouseClick(preview.Preview, Qt::LeftButton, {}, QPoint(200, 300));
            QCOMPARE(preview.zoom(), 1.0f);
            QCOMPARE(preview.shift(), -150.0f);
            preview.close();
        });
        main.BtnAnt->click();
        QCOMPARE(printer.asked, 0);

        main.BtnStampa->click();
        QCOMPARE(printer.asked, 1);
        QVERIFY2(rec.calls.isEmpty(), qPrintable(rec.texts().join(QLatin1Char('|'))));
        QCOMPARE(hook.shown, QStringList{"FormStampa"}); // the print window is never shown
        QCOMPARE(Module1::printFlag, true);

        const QHash<QString, QString> info = pdf::info(out);
        QCOMPARE(info.value(QStringLiteral("Pages")), QStringLiteral("2"));
        QCOMPARE(info.value(QStringLiteral("Title")), QStringLiteral("Rosa 2010-11 Serie D"));
        QVERIFY2(info.value(QStringLiteral("Page size")).contains(QStringLiteral("(A4)")),
                 qPrintable(info.value(QStringLiteral("Page size"))));

        const QString text = pdf::text(out);
        const QStringList printed = lines(text);
        QCOMPARE(printed.count(QStringLiteral("STAGIONE 2010-11 - Serie D")), 2);
        QCOMPARE(printed.count(QStringLiteral(
                     "Giocatore Ruolo Pres. Reti Amm. Esp. Squ. Sost. Sost. Minuti")),
                 2);
        QCOMPARE(printed.count(QStringLiteral("Avute Fatte Giocati")), 2);
        QVERIFY(printed.contains(QStringLiteral("1/2")));
        QVERIFY(printed.contains(QStringLiteral("2/2")));
        verifyRows(text, *main.Fgrid);
        // The last player is alone on the second page.
        const QStringList second = lines(text.section(QLatin1Char('\f'), 1, 1));
        QVERIFY(second.contains(QStringLiteral("GIOCATORE 061 C 1 0 0 0 0 0 90")));
        QVERIFY(!second.contains(QStringLiteral("GIOCATORE 060 C 0 1 0 0 0 0 0")));

        // Where the words stand on paper: the layout's millimetres, at zoom 1 and shift 1.
        const QList<pdf::Word> words = pdf::wordsOfFirstPage(out);
        const struct {
            const char *word;
            double x, y;
        } expected[] = {{"STAGIONE", 10, 6},
                        {"Giocatore", 12, 17.7},
                        {"Avute", 147, 22.7},
                        {"001", 0, 30.7},
                        {"1/2", 105, 271}};
        for (const auto &e : expected) {
            const pdf::Word *w = find(words, QString::fromLatin1(e.word));
            QVERIFY2(w, e.word);
            if (e.x > 0)
                QVERIFY2(std::abs(w->xMin - e.x * pointsPerMm) < 0.5, e.word);
            QVERIFY2(std::abs(w->yMin - e.y * pointsPerMm) < 1.5, e.word);
        }
    }

    // With no printer installed the report is kept as a PDF in Dati/Stampe, and the box says
    // where; a second print in the same minute does not overwrite the first.
    void withoutPrinterSavesAPdf()
    {
        fx->sql(QStringLiteral("UPDATE Campionati SET Nome='Under 17/B' WHERE Id=?"), {camp});
        enrolPlayers(3);
        PrinterStub none;
        Form1 main;
        MsgRecorder rec;
        const QDir folder(fx->dir() + QStringLiteral("/Dati/Stampe"));
        QVERIFY(!folder.exists());

        main.BtnStampa->click();
        main.BtnStampa->click();
        QCOMPARE(none.asked, 2);
        QCOMPARE(rec.calls.size(), 2);
        const QString lead =
            QStringLiteral("Nessuna stampante installata: la stampa è stata salvata nel file ");
        QStringList paths;
        for (const ui::MsgCall &call : rec.calls) {
            QCOMPARE(call.icon, ui::Icon::Information);
            QCOMPARE(call.title, QStringLiteral("AVVISO"));
            QVERIFY2(call.text.startsWith(lead), qPrintable(call.text));
            paths << call.text.mid(lead.size());
        }
        QVERIFY(paths[0] != paths[1]);
        const QRegularExpression name(QStringLiteral(
            "^Rosa 2010-11 Under 17-B \\d{4}-\\d\\d-\\d\\d \\d{4}( \\(2\\))?\\.pdf$"));
        for (const QString &path : paths) {
            const QFileInfo file(path);
            QVERIFY(file.isAbsolute());
            QCOMPARE(file.canonicalPath(), folder.canonicalPath());
            QVERIFY2(name.match(file.fileName()).hasMatch(), qPrintable(file.fileName()));
            QCOMPARE(pdf::info(path).value(QStringLiteral("Pages")), QStringLiteral("1"));
            const QString text = pdf::text(path);
            QVERIFY(lines(text).contains(QStringLiteral("STAGIONE 2010-11 - Under 17/B")));
            verifyRows(text, *main.Fgrid);
        }
        QCOMPARE(folder.entryList(QDir::Files).size(), 2);
    }

    // A print that cannot be made says why in an "Errore" box; the main window stays as it was.
    void failureIsReported_data()
    {
        QTest::addColumn<bool>("printerInstalled");
        QTest::addColumn<QString>("lead");
        QTest::newRow("printer refuses the document") << true << "Impossibile scrivere il file ";
        QTest::newRow("folder for the PDF cannot be made")
            << false << "Impossibile creare la cartella ";
    }
    void failureIsReported()
    {
        QFETCH(bool, printerInstalled);
        QFETCH(QString, lead);
        enrolPlayers(2);
        // A printer whose output cannot be opened; a file where the PDF folder should be.
        PrinterStub printer(printerInstalled ? fx->dir() + QStringLiteral("/nowhere/out.pdf")
                                             : QString());
        QFile blocker(fx->dir() + QStringLiteral("/Dati/Stampe"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        Form1 main;
        QVERIFY(drive::activate(main));
        QVERIFY(drive::clickRow(*main.Fgrid, 2));
        const QStringList names = entries(*main.Fgrid, 2);
        MsgRecorder rec;
        main.BtnStampa->click();

        QCOMPARE(rec.calls.size(), 1);
        QCOMPARE(rec.last().title, QStringLiteral("Errore"));
        QCOMPARE(rec.last().icon, ui::Icon::Critical);
        QVERIFY2(rec.last().text.startsWith(lead), qPrintable(rec.last().text));
        QVERIFY2(rec.last().text.size() > lead.size() + 10, qPrintable(rec.last().text));
        QVERIFY(!QFileInfo::exists(fx->dir() + QStringLiteral("/nowhere")));
        QVERIFY(main.isVisible());
        QCOMPARE(entries(*main.Fgrid, 2), names);
        QCOMPARE(main.TxtNome->text(), names[1]);
        main.close();
    }
};

VELMORA_TEST(PrintTest)
#include "tst_print.moc"
