// Measures the start on a large club (the process begins, opens the store, tidies the
// photos, builds, shows and paints the main window and starts the quick check) against
// the start of a process that shows an empty Qt window, and prints their ratio.
//
//   build/bench/velmora_start_bench [runs]
#include "app/Module1.h"
#include "app/Start.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"
#include "roster/Form1.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Shown and painted once, as the user first sees it.
void showAndPaint(QWidget &window)
{
    window.show();
    QApplication::processEvents();
    window.repaint();
    // The parent's clock stops here.
    std::fputs("shown\n", stdout);
    std::fflush(stdout);
}

// One start in a process of its own, as the user meets it: the process begins, the
// window is shown and painted, then the process ends.
int startOnce(QApplication &app, bool velmora)
{
    (void)app;
    if (!velmora) {
        QMainWindow window;
        window.resize(800, 600);
        showAndPaint(window);
        return 0;
    }
    if (!app::openTheStore())
        return 1;
    {
        Form1 window;
        showAndPaint(window);
        // The quick check runs beside the window; the window waits for it before it goes.
        app::startChecks(window);
    }
    data::closeStore();
    return 0;
}

// From the process's beginning to its window shown and painted.
double medianStart(int runs, const QString &mode)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QProcess p;
        QElapsedTimer t;
        t.start();
        p.start(QCoreApplication::applicationFilePath(), {mode});
        if (!p.waitForReadyRead(60000))
            std::exit(1);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        p.waitForFinished(60000);
        if (p.exitCode() != 0)
            std::exit(1);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString first = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (first == QLatin1String("--empty") || first == QLatin1String("--velmora"))
        return startOnce(app, first == QLatin1String("--velmora"));
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    if (const QString e = data::openStore(data::storePath()); !e.isEmpty()) {
        std::fprintf(stderr, "store: %s\n", qPrintable(e));
        return 1;
    }
    demo::Options large;
    large.seasons = 20;
    large.championships = 6;
    large.games = 40;
    if (const QString e = demo::buildClub(large); !e.isEmpty()) {
        std::fprintf(stderr, "demo: %s\n", qPrintable(e));
        return 1;
    }
    std::printf("club: %d seasons x %d championships x %d games, DatiGare %d rows\n", large.seasons,
                large.championships, large.games,
                data::scalar(QStringLiteral("SELECT count(*) FROM DatiGare")).toInt());
    data::closeStore();

    // Each start is a process of its own, from its beginning to the window shown.
    const double empty = medianStart(runs, QStringLiteral("--empty"));
    const double start = medianStart(runs, QStringLiteral("--velmora"));
    // The same window on a store with nothing in it: what the club's size costs the start.
    QTemporaryDir bare;
    QDir::setCurrent(bare.path());
    const double bareStart = medianStart(runs, QStringLiteral("--velmora"));
    std::printf("empty Qt window: %.1f ms (median of %d process starts)\n", empty, runs);
    std::printf("Velmora on the large club: %.1f ms (median of %d process starts)\n", start, runs);
    std::printf("Velmora on an empty store: %.1f ms (median of %d process starts)\n", bareStart,
                runs);
    std::printf("ratio to the empty window: %.2f (target 1.5 or less)\n", start / empty);
    std::printf("large club / empty store: %.2f\n", start / bareStart);
    return 0;
}
