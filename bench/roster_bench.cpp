// Measures the main window's roster refresh (with the players' figures) on a large club
// against the floor: the fastest statement found that computes the same figures, and
// checks that both give every player the same figures.
//
//   build/bench/velmora_bench [runs]
#include "app/Module1.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"
#include "roster/Form1.h"
#include "ui/Grid.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QHash>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMicros(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        work();
        times.push_back(double(t.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The fastest statement found that computes the seven figures of the selected roster:
// one pass over the roster's valid rows with filtered counts, prepared once, as the
// refresh's own statements are. Returns the figures by IdGio, in grid column order.
using Figures = QHash<int, QStringList>;
Figures floorStatement()
{
    static const QString sql = QStringLiteral(
        "SELECT P.IdGio,"
        " count(*) FILTER (WHERE D.Tipo IN ('TIT','SF')), count(*) FILTER (WHERE D.Tipo='RETE'),"
        " count(*) FILTER (WHERE D.Tipo='AMM'), count(*) FILTER (WHERE D.Tipo='ESP'),"
        " count(*) FILTER (WHERE D.Tipo='SA'), count(*) FILTER (WHERE D.Tipo='SF'),"
        " 90*(count(*) FILTER (WHERE D.Tipo IN ('TIT','SF'))-count(*) FILTER (WHERE D.Tipo='SA'))"
        " +COALESCE(sum(COALESCE(G.Recupero,0)-COALESCE(D.Min,0)) FILTER (WHERE D.Tipo='SF'),0)"
        " +COALESCE(sum(COALESCE(D.Min,0)) FILTER (WHERE D.Tipo='SA'),0) "
        "FROM Giocatori P JOIN DatiGare D ON D.IdGio=P.IdGio JOIN Gare G ON G.IdGara=D.IdGara "
        "WHERE P.Stagione=? AND P.Camp=? AND D.Valid=1 GROUP BY P.IdGio");
    QSqlQuery &q = data::runKept(sql, {Module1::selectedSeason, Module1::selectedChampionship});
    Figures figures;
    while (q.next()) {
        QStringList f;
        for (int c = 1; c <= 7; ++c)
            f << q.value(c).toString();
        figures.insert(q.value(0).toInt(), f);
    }
    q.finish();
    return figures;
}

// The figures the refresh wrote into the grid: Pres, Reti, Amm, Esp, S.av, S.fa, Min.g.
Figures gridFigures(const Form1 &form)
{
    Figures figures;
    for (int r = 1; r < form.Fgrid->Rows(); ++r) {
        QStringList f;
        for (int c : {5, 6, 7, 8, 10, 11, 12})
            f << form.Fgrid->TextMatrix(r, c);
        figures.insert(form.Fgrid->TextMatrix(r, 1).toInt(), f);
    }
    return figures;
}

// Every player's figures must be the same both ways; a player without valid rows is
// missing from the floor and shows zeros in the grid.
bool sameFigures(const Figures &grid, const Figures &floor)
{
    const QStringList zeros(7, QStringLiteral("0"));
    for (auto it = grid.begin(); it != grid.end(); ++it) {
        if (floor.value(it.key(), zeros) != it.value()) {
            std::fprintf(stderr, "IdGio %d: grid %s, floor %s\n", it.key(),
                         qPrintable(it.value().join(u' ')),
                         qPrintable(floor.value(it.key(), zeros).join(u' ')));
            return false;
        }
    }
    for (auto it = floor.begin(); it != floor.end(); ++it)
        if (!grid.contains(it.key()))
            return false;
    return true;
}

struct Result {
    double refresh;
    double floor;
    int players;
    bool same;
};

Result measure(const demo::Options &options, int runs)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    if (const QString e = data::openStore(data::storePath()); !e.isEmpty()) {
        std::fprintf(stderr, "store: %s\n", qPrintable(e));
        std::exit(1);
    }
    QElapsedTimer built;
    built.start();
    if (const QString e = demo::buildClub(options); !e.isEmpty()) {
        std::fprintf(stderr, "demo: %s\n", qPrintable(e));
        std::exit(1);
    }
    const int rows = data::scalar(QStringLiteral("SELECT count(*) FROM DatiGare")).toInt();
    const int free =
        data::scalar(QStringLiteral("SELECT count(*) FROM DatiGare WHERE Valid=0")).toInt();
    std::printf("  club: %d seasons x %d championships x %d games, %d players a roster; "
                "DatiGare %d rows, %d free (built in %.1f s)\n",
                options.seasons, options.championships, options.games, options.players, rows, free,
                double(built.elapsed()) / 1000.0);

    Result r{};
    {
        Form1 form;
        form.show();
        QApplication::processEvents();
        r.players = data::scalar(QStringLiteral("SELECT count(*) FROM Giocatori WHERE "
                                                "Stagione=? AND Camp=?"),
                                 {Module1::selectedSeason, Module1::selectedChampionship})
                        .toInt();
        // A click on the other sort option refreshes the roster, as it does for the user.
        bool byName = true;
        const auto refresh = [&] {
            byName = !byName;
            (byName ? form.Opt_0 : form.Opt_2)->click();
        };
        for (int i = 0; i < 20; ++i) { // warm up caches and the page cache
            refresh();
            floorStatement();
        }
        // Alternate the two so that both see the same machine state.
        std::vector<double> refreshTimes, floor;
        for (int i = 0; i < 5; ++i) {
            refreshTimes.push_back(medianMicros(runs / 5, refresh));
            floor.push_back(medianMicros(runs / 5, floorStatement));
        }
        r.same = sameFigures(gridFigures(form), floorStatement());
        std::sort(refreshTimes.begin(), refreshTimes.end());
        std::sort(floor.begin(), floor.end());
        r.refresh = refreshTimes[2];
        r.floor = floor[2];
        form.close();
    }
    data::closeStore();
    QDir::setCurrent(QDir::tempPath());
    return r;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 500;

    demo::Options large;
    large.seasons = 20;
    large.championships = 6;
    large.games = 40;
    large.players = 30;
    demo::Options oneSeason = large;
    oneSeason.seasons = 1;
    oneSeason.championships = 1;

    std::printf("Roster refresh with figures, median of %d runs each\n", runs);
    std::printf("Large club:\n");
    const Result big = measure(large, runs);
    std::printf("One-season club:\n");
    const Result one = measure(oneSeason, runs);

    std::printf("\n%-44s %10s\n", "", "median us");
    std::printf("%-44s %10.1f\n", "refresh, large club", big.refresh);
    std::printf("%-44s %10.1f\n", "floor: fastest figures statement, large club", big.floor);
    std::printf("%-44s %10.1f\n", "refresh, one-season club", one.refresh);
    std::printf("%-44s %10.1f\n", "floor, one-season club", one.floor);
    std::printf("\nroster: %d players (large), %d (one season)\n", big.players, one.players);
    std::printf("figures of floor and refresh:         %s\n",
                big.same && one.same ? "identical for every player" : "DIFFERENT");
    std::printf("refresh / floor (large club):         %.2f  (target <= 1.5)\n",
                big.refresh / big.floor);
    std::printf("refresh large / refresh one-season:   %.2f  (target ~ 1)\n",
                big.refresh / one.refresh);
    return big.same && one.same ? 0 : 1;
}
