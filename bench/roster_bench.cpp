// Measures the main window's roster refresh (with the players' figures) on a large club
// against the floor: one aggregate statement that computes the same figures directly.
//
//   build/bench/velmora_bench [runs]
#include "app/Module1.h"
#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"
#include "roster/Form1.h"

#include <QApplication>
#include <QRadioButton>
#include <QDir>
#include <QElapsedTimer>
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

// The same seven figures for the selected roster, in one statement.
void floorStatement()
{
    QSqlQuery q = data::run(
        QStringLiteral(
            "SELECT P.IdGio,"
            " SUM(D.Tipo='TIT' OR D.Tipo='SF'), SUM(D.Tipo='RETE'), SUM(D.Tipo='AMM'),"
            " SUM(D.Tipo='ESP'), SUM(D.Tipo='SA'), SUM(D.Tipo='SF'),"
            " SUM(CASE D.Tipo WHEN 'TIT' THEN 90"
            "  WHEN 'SF' THEN IFNULL(G.Recupero,0)+90-IFNULL(D.Min,0)"
            "  WHEN 'SA' THEN IFNULL(D.Min,0)-90 ELSE 0 END) "
            "FROM Giocatori P JOIN DatiGare D ON D.IdGio=P.IdGio "
            "JOIN Gare G ON G.IdGara=D.IdGara "
            "WHERE P.Stagione=? AND P.Camp=? AND D.Valid=1 GROUP BY P.IdGio"),
        {Module1::selectedSeason, Module1::selectedChampionship});
    int rows = 0;
    while (q.next())
        rows += q.value(7).toInt() >= 0;
    if (rows == 0)
        std::fprintf(stderr, "the floor statement found no rows\n");
}

struct Result {
    double refresh;
    double floor;
    int players;
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
    const int free = data::scalar(QStringLiteral("SELECT count(*) FROM DatiGare WHERE Valid=0"))
                         .toInt();
    std::printf("  club: %d seasons x %d championships x %d games, %d players a roster; "
                "DatiGare %d rows, %d free (built in %.1f s)\n",
                options.seasons, options.championships, options.games, options.players, rows,
                free, double(built.elapsed()) / 1000.0);

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
    std::printf("%-44s %10.1f\n", "floor: one aggregate statement, large club", big.floor);
    std::printf("%-44s %10.1f\n", "refresh, one-season club", one.refresh);
    std::printf("%-44s %10.1f\n", "floor, one-season club", one.floor);
    std::printf("\nroster: %d players (large), %d (one season)\n", big.players, one.players);
    std::printf("refresh / floor (large club):         %.2f  (target <= 2)\n",
                big.refresh / big.floor);
    std::printf("refresh large / refresh one-season:   %.2f  (target ~ 1)\n",
                big.refresh / one.refresh);
    return 0;
}
