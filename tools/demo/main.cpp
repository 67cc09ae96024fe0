// velmora-demo FOLDER [--seasons N] [--championships N] [--players N] [--games N]
// Fills FOLDER/Dati/Velmora.mdb with a fictional club.
#include "data/Database.h"
#include "data/Sql.h"
#include "demo/DemoClub.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Fills FOLDER/Dati/Velmora.mdb with a fictional club."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("working folder"));
    const demo::Options defaults;
    const QCommandLineOption seasons(QStringLiteral("seasons"), QStringLiteral("seasons"),
                                     QStringLiteral("N"), QString::number(defaults.seasons));
    const QCommandLineOption championships(QStringLiteral("championships"),
                                           QStringLiteral("championships"), QStringLiteral("N"),
                                           QString::number(defaults.championships));
    const QCommandLineOption players(QStringLiteral("players"),
                                     QStringLiteral("players of each roster"), QStringLiteral("N"),
                                     QString::number(defaults.players));
    const QCommandLineOption games(QStringLiteral("games"),
                                   QStringLiteral("games of each season and championship"),
                                   QStringLiteral("N"), QString::number(defaults.games));
    parser.addOptions({seasons, championships, players, games});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    demo::Options options;
    options.seasons = parser.value(seasons).toInt();
    options.championships = parser.value(championships).toInt();
    options.players = parser.value(players).toInt();
    options.games = parser.value(games).toInt();

    const QString folder = parser.positionalArguments().constFirst();
    if (!QDir().mkpath(folder) || !QDir::setCurrent(folder)) {
        std::fprintf(stderr, "velmora-demo: cannot use the folder %s\n", qPrintable(folder));
        return 1;
    }
    if (const QString reason = data::openStore(data::storePath()); !reason.isEmpty()) {
        std::fprintf(stderr, "velmora-demo: %s: %s\n", qPrintable(data::storePath()),
                     qPrintable(reason));
        return 1;
    }
    QString error;
    try {
        error = demo::buildClub(options);
    } catch (const data::DbError &e) {
        error = e.text();
    }
    data::closeStore();
    if (!error.isEmpty()) {
        std::fprintf(stderr, "velmora-demo: %s\n", qPrintable(error));
        return 1;
    }
    std::printf("Demo club written to %s\n",
                qPrintable(QDir::current().absoluteFilePath(data::storePath())));
    return 0;
}
