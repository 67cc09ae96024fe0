// Crash trials: runs one of the store's multi-step writes over and over in a child
// process, kills it with SIGKILL at a random moment, then checks the store and the photos
// as the next start finds them.

#include "data/Consistency.h"
#include "data/Database.h"
#include "data/Enrolment.h"
#include "data/Games.h"
#include "data/Persons.h"
#include "data/PhotoFiles.h"
#include "data/Sql.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <map>

namespace {

const int season = 2024;
const int photoOwner = 1; // the person whose photo the replacement trial keeps changing
const QStringList operations = {"gioco", "elimina-gioco",   "persona",
                                "foto",  "elimina-persona", "iscrizione"};

void say(const QString &text)
{
    std::fputs(qPrintable(text + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

// A photo's content names its person and its version; large enough that a kill often
// lands in the middle of writing it.
QString writeSource(int number, qint64 version)
{
    const QString path = QStringLiteral("sorgenti/%1-%2.jpg").arg(number).arg(version % 2);
    QDir().mkpath(QStringLiteral("sorgenti"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        f.write(QStringLiteral("%1:%2\n").arg(number).arg(version).toLatin1());
        f.write(QByteArray(256 * 1024, 'x'));
    }
    return path;
}

int ownerOf(const QString &photo)
{
    QFile f(photo);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    return f.readLine().split(':').value(0).toInt();
}

data::GameDraft gameDraft(const QList<int> &players)
{
    data::GameDraft g;
    g.season = season;
    g.camp = 1;
    g.date = QDate(2024, 9, 1);
    g.teamA = QStringLiteral("CASA");
    g.teamB = QStringLiteral("OSPITI");
    g.goalsA = 2;
    g.addedTime = 3;
    g.starters = players.mid(0, 11);
    g.reserves = players.mid(11, 7);
    g.goals = {{players[0], 10}, {players[1], 70}};
    g.cards = {{players[2], QStringLiteral("AMM")}};
    g.substitutions = {{players[11], players[3], 60}};
    return g;
}

QList<int> enrolled()
{
    QList<int> ids;
    for (int i = 1; i <= 20; ++i)
        ids << i; // the first 20 enrolments, made by the set-up
    return ids;
}

// Unique across the children, so that a deletion finds only its own person.
QString newName(qint64 k)
{
    return QStringLiteral("N%1-%2").arg(QCoreApplication::applicationPid()).arg(k);
}

// A new person as the editor makes one: whatever waits under the number is put aside,
// the photo is stored under the number, then the person is written.
int newPerson(qint64 k)
{
    const int number = data::nextPersonNumber();
    data::freePhotoNumber(number);
    data::replaceFile(writeSource(number, k), data::photoPath(number));
    data::PersonDraft d;
    d.isNew = true;
    d.person.name = newName(k);
    d.person.place = d.person.name;
    d.person.document = d.person.name;
    data::savePerson(d);
    return number;
}

// The child: one operation, over and over, until it is killed.
int child(const QString &operation)
{
    if (!data::openStore(data::storePath()).isEmpty())
        return 2;
    say(QStringLiteral("pronto"));
    const QList<int> players = enrolled();
    for (qint64 k = 1;; ++k) {
        try {
            if (operation == "gioco") {
                data::insertGame(gameDraft(players));
            } else if (operation == "elimina-gioco") {
                const int game = data::insertGame(gameDraft(players));
                data::deleteGame(game);
            } else if (operation == "persona") {
                newPerson(k);
                // And an enrolled person's texts with the season's clothing, as one save.
                const int id = players[int(k % players.size())] + 0;
                data::PersonDraft d;
                d.person.idAna = id;
                d.person.name = QStringLiteral("T%1-%2").arg(id).arg(k);
                d.person.place = d.person.name;
                d.person.document = d.person.name;
                d.season = season;
                d.clothing = d.person.name;
                data::savePerson(d);
            } else if (operation == "foto") {
                data::replaceFile(writeSource(photoOwner, k), data::photoPath(photoOwner));
            } else if (operation == "elimina-persona") {
                const int number = newPerson(k);
                // As the registry list does: the enrolled are refused, the photo goes after
                // the row.
                if (!data::isEnrolled(newName(k)) && data::deletePerson(newName(k)))
                    QFile::remove(data::photoPath(number));
            } else if (operation == "iscrizione") {
                const int number = newPerson(k);
                data::enrol(number, season, 1);
            }
        } catch (const data::DbError &e) {
            say(e.text());
        }
    }
}

// The club every trial works on: 30 persons with photos, 20 of them enrolled.
bool setUp()
{
    if (!data::openStore(data::storePath()).isEmpty())
        return false;
    data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (?)"), {season});
    data::run(QStringLiteral("INSERT INTO Campionati (Nome) VALUES ('SERIE A')"));
    for (int i = 1; i <= 30; ++i) {
        data::Person p;
        p.name = QStringLiteral("T%1-0").arg(i);
        p.place = p.name;
        p.document = p.name;
        const int id = data::insertPerson(p);
        data::replaceFile(writeSource(id, 0), data::photoPath(id));
        if (i <= 20) {
            data::enrol(id, season, 1);
            data::saveSeasonClothing(id, season, p.name);
        }
    }
    data::closeStore();
    return true;
}

struct Figures {
    int trials = 0;
    int integrity = 0;
    int inconsistencies = 0;
    int putAside = 0;
};

// The store and the photos as the next start finds them, once it has put strays aside.
QStringList check(int rowsPerGame, int *putAside)
{
    QStringList problems;
    // Opened as the start opens it, which rolls back a write cut short.
    if (const QString reason = data::openStore(data::storePath()); !reason.isEmpty())
        return {QStringLiteral("integrity: ") + reason};
    const QString path = QDir::current().absoluteFilePath(data::storePath());
    if (const QString found = data::integrityCheck(path); !found.isEmpty()) {
        data::closeStore();
        return {QStringLiteral("integrity: ") + found};
    }
    const QSet<int> persons = data::personNumbers();
    *putAside = int(data::tidyPhotoFolder(persons).moved.size());

    if (const int n = data::validRowsWithoutGame(); n > 0)
        problems << QStringLiteral("%1 game rows without their game").arg(n);
    const QMap<int, int> rows = data::validRowsByGame();
    for (auto it = rows.begin(); it != rows.end(); ++it)
        if (it.value() != rowsPerGame)
            problems << QStringLiteral("game %1 has %2 of its %3 rows")
                            .arg(it.key())
                            .arg(it.value())
                            .arg(rowsPerGame);
    if (const int n = data::enrolmentsWithoutPerson(); n > 0)
        problems << QStringLiteral("%1 enrolments without their person").arg(n);
    for (const QString &name : data::personNames()) {
        const std::optional<data::Person> p = data::findPerson(name);
        if (!p || p->place.toString() != name || p->document.toString() != name)
            problems << QStringLiteral("person %1 half written").arg(name);
        if (p) {
            const std::optional<QVariant> clothing = data::seasonClothing(p->idAna, season);
            if (clothing && !clothing->isNull() && clothing->toString() != name)
                problems << QStringLiteral("clothing of %1 from another save").arg(name);
        }
    }
    const QDir folder(data::photoFolder());
    for (const QString &file : folder.entryList(QDir::Files)) {
        if (data::isLeftover(file))
            problems << QStringLiteral("temporary file %1 left").arg(file);
        const int number = QFileInfo(file).baseName().toInt();
        if (!persons.contains(number) || ownerOf(folder.filePath(file)) != number)
            problems << QStringLiteral("photo %1 is not its person's").arg(file);
    }
    if (ownerOf(data::photoPath(photoOwner)) != photoOwner)
        problems << QStringLiteral("person %1 lost the photo").arg(photoOwner);
    data::closeStore();
    return problems;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Crash trials of the store's writes"));
    parser.addHelpOption();
    const QCommandLineOption trialsOption("trials", "Number of trials.", "n", "30");
    const QCommandLineOption seedOption("seed", "Seed of the kill moments.", "n");
    const QCommandLineOption childOption("child", "Internal: run one operation.", "operation");
    const QCommandLineOption folderOption("folder", "Working folder (kept).", "path");
    parser.addOptions({trialsOption, seedOption, childOption, folderOption});
    parser.process(app);

    QTemporaryDir temporary;
    const QString folder =
        parser.isSet(folderOption) ? parser.value(folderOption) : temporary.path();
    QDir().mkpath(folder);
    QDir::setCurrent(folder);
    if (parser.isSet(childOption))
        return child(parser.value(childOption));

    const int trials = parser.value(trialsOption).toInt();
    const quint32 seed = parser.isSet(seedOption) ? parser.value(seedOption).toUInt()
                                                  : QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    say(QStringLiteral("velmora_crash: %1 trials, seed %2, in %3")
            .arg(trials)
            .arg(seed)
            .arg(folder));

    // A game as insertGame writes it, to know how many rows a whole one has.
    if (!setUp())
        return 2;
    data::openStore(data::storePath());
    const int sample = data::insertGame(gameDraft(enrolled()));
    const int rowsPerGame = data::validRowsByGame().value(sample);
    data::closeStore();

    std::map<QString, Figures> byOperation;
    Figures total;
    for (int i = 0; i < trials; ++i) {
        const QString operation = operations[i % operations.size()];
        QProcess process;
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QCoreApplication::applicationFilePath(),
                      {"--child", operation, "--folder", folder});
        if (!process.waitForReadyRead(30000)) {
            say(QStringLiteral("the child did not start: ") + process.errorString());
            return 2;
        }
        QThread::usleep(random.bounded(1, 80000));
        process.kill(); // SIGKILL
        process.waitForFinished();

        int putAside = 0;
        const QStringList problems = check(rowsPerGame, &putAside);
        Figures &f = byOperation[operation];
        ++f.trials;
        ++total.trials;
        f.putAside += putAside;
        total.putAside += putAside;
        for (const QString &p : problems) {
            const bool integrity = p.startsWith(QStringLiteral("integrity: "));
            (integrity ? f.integrity : f.inconsistencies) += 1;
            (integrity ? total.integrity : total.inconsistencies) += 1;
            say(QStringLiteral("trial %1 (%2): %3").arg(i + 1).arg(operation, p));
        }
        if (!problems.isEmpty()) {
            // Start again from a sound club, so that one fault is counted once.
            data::closeStore();
            QDir(data::photoFolder()).removeRecursively();
            QFile::remove(data::storePath());
            if (!setUp())
                return 2;
        }
    }

    say(QStringLiteral("%1 %2 %3 %4 %5")
            .arg(QStringLiteral("operation"), -16)
            .arg(QStringLiteral("trials"), 7)
            .arg(QStringLiteral("integrity"), 10)
            .arg(QStringLiteral("inconsistent"), 13)
            .arg(QStringLiteral("put aside"), 10));
    for (const QString &operation : operations) {
        const Figures &f = byOperation[operation];
        say(QStringLiteral("%1 %2 %3 %4 %5")
                .arg(operation, -16)
                .arg(f.trials, 7)
                .arg(f.integrity, 10)
                .arg(f.inconsistencies, 13)
                .arg(f.putAside, 10));
    }
    say(QStringLiteral("trials: %1").arg(total.trials));
    say(QStringLiteral("integrity failures: %1").arg(total.integrity));
    say(QStringLiteral("inconsistencies: %1").arg(total.inconsistencies));
    say(QStringLiteral("put aside at start (leftovers, photos of persons gone): %1")
            .arg(total.putAside));
    return total.integrity + total.inconsistencies == 0 ? 0 : 1;
}
