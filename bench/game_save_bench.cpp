// Measures the save of a new game (18 line-up rows and 10 events) on a large club with a
// tenth of its game rows free and on an empty store, against the floor: the same 29 rows
// written by plain INSERT statements in one transaction.
//
//   build/bench/velmora_save_bench [runs]
#include "data/Database.h"
#include "data/Games.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int season = 2030; // no demo season: the new games stand apart
constexpr int camp = 1;

double medianMicros(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

data::GameDraft draft()
{
    data::GameDraft d;
    d.season = season;
    d.camp = camp;
    d.date = QDate(2030, 10, 6);
    d.teamA = QStringLiteral("VELMORA CALCIO");
    d.teamB = QStringLiteral("A.C. SANTERAMO");
    d.goalsA = 3;
    d.goalsB = 2;
    d.addedTime = 4;
    for (int i = 1; i <= 11; ++i)
        d.starters << i;
    for (int i = 12; i <= 18; ++i)
        d.reserves << i;
    d.goals = {{9, 12}, {10, 55}, {3, 88}};
    d.cards = {{4, QStringLiteral("AMM")}, {6, QStringLiteral("AMM")}, {2, QStringLiteral("ESP")}};
    d.substitutions = {{12, 1, 46}, {13, 7, 70}};
    return d; // 18 line-up rows and 3 + 3 + 2 x 2 = 10 event rows
}

// The floor: the game and its 28 rows, appended in one transaction.
int plainInsert(const data::GameDraft &d)
{
    data::Transaction tx;
    QSqlQuery g = data::run(QStringLiteral("INSERT INTO Gare (Stagione,Camp,Data,SqA,SqB,GolA,"
                                           "GolB,Recupero) VALUES (?,?,?,?,?,?,?,?)"),
                            {d.season, d.camp, QStringLiteral("2030-10-06"), d.teamA, d.teamB,
                             d.goalsA, d.goalsB, d.addedTime});
    const int id = g.lastInsertId().toInt();
    QSqlQuery row = data::prepare(QStringLiteral("INSERT INTO DatiGare (Valid,IdGara,Stagione,"
                                                 "Camp,Tipo,Min,IdGio) VALUES (1,?,?,?,?,?,?)"));
    const auto write = [&](const char *tipo, const QVariant &minute, int idGio) {
        row.bindValue(0, id);
        row.bindValue(1, d.season);
        row.bindValue(2, d.camp);
        row.bindValue(3, QString::fromLatin1(tipo));
        row.bindValue(4, minute);
        row.bindValue(5, idGio);
        data::exec(row);
    };
    for (int p : d.starters)
        write("TIT", QVariant(), p);
    for (int p : d.reserves)
        write("RIS", QVariant(), p);
    for (const auto &goal : d.goals)
        write("RETE", goal.minute, goal.idGio);
    for (const auto &card : d.cards)
        write(card.tipo == QLatin1String("AMM") ? "AMM" : "ESP", QVariant(), card.idGio);
    for (const auto &s : d.substitutions) {
        write("SF", s.minute, s.idIn);
        write("SA", s.minute, s.idOut);
    }
    tx.commit();
    return id;
}

struct Result {
    double save;
    double floor;
};

// Each save is undone untimed, so that every run meets the same table: on the club the
// game's rows are freed again (the free rows stay a tenth), the floor's rows removed.
Result measure(const demo::Options *club, int runs)
{
    QTemporaryDir dir;
    QDir::setCurrent(dir.path());
    if (const QString e = data::openStore(data::storePath()); !e.isEmpty()) {
        std::fprintf(stderr, "store: %s\n", qPrintable(e));
        std::exit(1);
    }
    if (club) {
        if (const QString e = demo::buildClub(*club); !e.isEmpty()) {
            std::fprintf(stderr, "demo: %s\n", qPrintable(e));
            std::exit(1);
        }
    }
    const auto count = [](const char *where) {
        return data::scalar(QStringLiteral("SELECT count(*) FROM DatiGare") +
                            QString::fromLatin1(where))
            .toInt();
    };
    std::printf("  DatiGare %d rows, %d free\n", count(""), count(" WHERE Valid=0"));

    const data::GameDraft game = draft();
    // Only the valid rows: a new game takes the number of the one deleted before it, whose
    // freed rows still carry it.
    const auto removeGame = [](int id) {
        data::run(QStringLiteral("DELETE FROM DatiGare WHERE IdGara=? AND Valid=1"), {id});
        data::run(QStringLiteral("DELETE FROM Gare WHERE IdGara=?"), {id});
    };
    const auto undoSave = [&](int id) {
        if (club)
            data::deleteGame(id);
        else
            removeGame(id);
    };
    for (int i = 0; i < 20; ++i) { // warm up caches
        undoSave(data::insertGame(game));
        removeGame(plainInsert(game));
    }
    // Alternate the two so that both see the same machine state.
    std::vector<double> save, floor;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const int saved = data::insertGame(game);
        save.push_back(double(t.nsecsElapsed()) / 1000.0);
        undoSave(saved);

        t.start();
        const int plain = plainInsert(game);
        floor.push_back(double(t.nsecsElapsed()) / 1000.0);
        removeGame(plain);
    }
    std::printf("  after the runs: DatiGare %d rows, %d free\n", count(""),
                count(" WHERE Valid=0"));
    data::closeStore();
    QDir::setCurrent(QDir::tempPath());
    return {medianMicros(save), medianMicros(floor)};
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(5, std::atoi(argv[1])) : 300;

    demo::Options large;
    large.seasons = 20;
    large.championships = 6;
    large.games = 40;
    large.players = 30;

    std::printf("Saving a new game (1 + 18 + 10 rows), median of %d runs each\n", runs);
    std::printf("Large club:\n");
    const Result big = measure(&large, runs);
    std::printf("Empty store:\n");
    const Result empty = measure(nullptr, runs);

    std::printf("\n%-44s %10s\n", "", "median us");
    std::printf("%-44s %10.1f\n", "save, large club", big.save);
    std::printf("%-44s %10.1f\n", "floor: plain INSERTs, large club", big.floor);
    std::printf("%-44s %10.1f\n", "save, empty store", empty.save);
    std::printf("%-44s %10.1f\n", "floor, empty store", empty.floor);
    std::printf("\nsave / floor (large club):   %.2f  (target <= 3)\n", big.save / big.floor);
    std::printf("save large / save empty:     %.2f  (target <= 1.5)\n", big.save / empty.save);
    return 0;
}
