#include "demo/DemoClub.h"

#include "core/Dates.h"
#include "data/RowReuse.h"
#include "data/Sql.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <algorithm>

namespace demo {

namespace {

// A small generator of our own, so that the data never depends on the library's
// distributions.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}
    quint64 next()
    {
        quint64 z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    int between(int low, int high) { return low + int(next() % quint64(high - low + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <typename T> const T &pick(const QList<T> &list)
    {
        return list.at(between(0, int(list.size()) - 1));
    }

private:
    quint64 m_state;
};

// Invented names: no real person is meant.
const QStringList firstNames{
    "ALBERTO",  "ANDREA",   "BRUNO",   "CARLO",   "DANIELE",  "DARIO",    "EDOARDO",  "ELIA",
    "EMANUELE", "FABIO",    "FILIPPO", "FRANCO",  "GABRIELE", "GIACOMO",  "GIANLUCA", "GIORGIO",
    "IVAN",     "LEONARDO", "LORENZO", "LUCA",    "MANUEL",   "MARCO",    "MATTEO",   "MICHELE",
    "NICOLA",   "OSCAR",    "PAOLO",   "PIETRO",  "RICCARDO", "ROBERTO",  "SAMUELE",  "SERGIO",
    "SIMONE",   "STEFANO",  "TOMMASO", "UMBERTO", "VALERIO",  "VITTORIO", "ZENO",     "ENEA"};
const QStringList surnames{"ALBERANI",   "BARDELLI",   "BENVEGNU'",   "BOSCAROLI",  "CANEVARI",
                           "CASTELDORO", "CIVOLANI",   "D'ALTERIO",   "DELL'ORBO",  "DONZELLINI",
                           "FARAGUNA",   "FERRINOLI",  "GALVANONI",   "GIRARDELLO", "LANZAVECCHI",
                           "LOMBRINI",   "MAGRINELLI", "MARZOCCHINI", "MENEGUZZI",  "MORANDELLO",
                           "NEROZZI",    "ORSOLANI",   "PAGANELLO",   "PELLIZZONI", "PIOVESANA",
                           "QUARTAROLI", "RAMPAZZINI", "ROVEGNO",     "SALVADEGO",  "SCARPELLINI",
                           "SOLDATINI",  "TAMBURRINI", "TESTOLINA",   "TORRICELLO", "VALDANESE",
                           "VENTRELLA",  "VIGNAROLI",  "ZANCANELLA",  "ZOPPELLINI", "D'ORAZIANI",
                           "BELLACOSA",  "CARBONESE",  "FIORINDI",    "GUERRACINO", "LOSCAVALLI",
                           "MASTROVITI", "PERAGALLO",  "RICCIOTTINI", "SPADONI",    "TROVARELLI"};
const QStringList places{"VERCELLI", "NOVARA",  "BIELLA",  "ASTI",    "CUNEO",    "PAVIA",
                         "LODI",     "CREMONA", "MANTOVA", "ROVIGO",  "L'AQUILA", "FORLI'",
                         "RIMINI",   "AREZZO",  "SIENA",   "VITERBO", "RIETI",    "CHIETI"};
const QStringList countries{"ITALIA",  "ITALIA",  "ITALIA",  "ITALIA",    "ITALIA",  "ITALIA",
                            "ALBANIA", "ROMANIA", "SENEGAL", "ARGENTINA", "SVIZZERA"};
const QStringList opponents{"ATLETICO BORGOFRANCO", "U.S. CASTELMARINO",  "POLISPORTIVA VALLEVERDE",
                            "A.C. SANTERAMO",       "REAL MONTECCHIO",    "SPORTING RIVALTA",
                            "F.C. PIANAGRANDE",     "OLIMPIA CORTEROSSA", "VIRTUS SELVAPIANA",
                            "S.S. MONTEALTO",       "AURORA FONTANELLE",  "PRO BORGOCASTELLO"};
const QStringList clubs{"U.S. CASTELMARINO", "F.C. PIANAGRANDE", "AURORA FONTANELLE",
                        "S.S. MONTEALTO", "VIRTUS SELVAPIANA"};
const QStringList championshipNames{"Serie D",
                                    "Coppa Italia Dilettanti",
                                    "Juniores Nazionali",
                                    "Allievi Regionali",
                                    "Giovanissimi",
                                    "Torneo Estivo"};
const QStringList clothing{
    "Tuta di rappresentanza", "Borsa", "K-way", "Due completi da gioco", "Scarpe da ginnastica",
    "Giaccone invernale"};
const QString ourTeam = QStringLiteral("VELMORA CALCIO");

QString championshipName(int i)
{
    return i < championshipNames.size() ? championshipNames.at(i)
                                        : QStringLiteral("Torneo %1").arg(i + 1);
}

// The n-th person's name: unique as long as there are enough pairs.
QString personName(int n)
{
    const int s = n % int(surnames.size());
    const int f = (n / int(surnames.size()) + n * 7) % int(firstNames.size());
    return surnames.at(s) + QLatin1Char(' ') + firstNames.at(f);
}

struct Player {
    int idGio;
    QString role;
};

QList<int> makePersons(int count, Random &rnd)
{
    QList<int> ids;
    for (int n = 0; n < count; ++n) {
        const QDate born(rnd.between(1984, 2008), rnd.between(1, 12), rnd.between(1, 28));
        const QVariant id = data::scalar(
            QStringLiteral("INSERT INTO Anagrafica (Nome,DataNas,LuogoNas,Paese,Documento) "
                           "VALUES (?,?,?,?,?) RETURNING IdAna"),
            {personName(n), core::storeDate(born), rnd.pick(places), rnd.pick(countries),
             QStringLiteral("CI %1%2")
                 .arg(QChar(u'A' + rnd.between(0, 25)))
                 .arg(rnd.between(1000000, 9999999))});
        ids << id.toInt();
    }
    return ids;
}

// Roles of a squad, goalkeepers first: about one in nine is a goalkeeper.
QString roleFor(int position, int size)
{
    const int keepers = std::max(2, size / 9);
    if (position < keepers)
        return QStringLiteral("P");
    const int rest = position - keepers;
    const int outfield = size - keepers;
    if (rest < outfield * 35 / 100)
        return QStringLiteral("D");
    if (rest < outfield * 70 / 100)
        return QStringLiteral("C");
    return QStringLiteral("A");
}

QList<Player> enrolRoster(const QList<int> &persons, int first, int size, int season, int camp,
                          Random &rnd)
{
    QList<Player> roster;
    for (int i = 0; i < size; ++i) {
        const int idAna = persons.at((first + i) % persons.size());
        const QString role = roleFor(i, size);
        QStringList handed;
        for (const QString &item : clothing)
            if (rnd.chance(30))
                handed << item;
        const QVariant id = data::scalar(
            QStringLiteral("INSERT INTO Giocatori (IdAna,Stagione,Camp,Ruolo,Peso,Altezza,"
                           "Scadenza,SocPre,Squalifiche,Vestiario,Infortuni,Cure) "
                           "VALUES (?,?,?,?,?,?,?,?,?,?,?,?) RETURNING IdGio"),
            {idAna, season, camp, role, rnd.between(62, 92), rnd.between(168, 196),
             QStringLiteral("30/06/%1").arg(season + rnd.between(1, 3)),
             rnd.chance(40) ? QVariant(rnd.pick(clubs)) : QVariant(),
             rnd.chance(80) ? QVariant(rnd.between(0, 2)) : QVariant(),
             data::textOrNull(handed.join(QLatin1Char('\n'))),
             rnd.chance(10) ? QVariant(QStringLiteral("Distorsione caviglia")) : QVariant(),
             rnd.chance(10) ? QVariant(QStringLiteral("Fisioterapia")) : QVariant()});
        roster << Player{id.toInt(), role};
    }
    return roster;
}

// The standard starters and reserves: one goalkeeper among the starters.
void splitSquad(const QList<Player> &roster, Random &rnd, QList<int> &starters,
                QList<int> &reserves)
{
    QList<int> keepers, others;
    for (const Player &p : roster)
        (p.role == QLatin1String("P") ? keepers : others) << p.idGio;
    // A fixed shuffle of the outfield players for this game.
    for (qsizetype i = others.size() - 1; i > 0; --i)
        others.swapItemsAt(i, rnd.between(0, int(i)));
    starters = {keepers.value(0)};
    starters += others.mid(0, 10);
    reserves = {keepers.value(1)};
    reserves += others.mid(10, 6);
}

struct GameRows {
    int idGara;
    QList<qint64> events; // goals and cards, which a later edit may remove
};

// A new game as the game editor saves it: line-up, goals, cards, then each substitution's
// coming on and going off, all in one transaction.
GameRows writeGame(int season, int camp, const QDate &date, const QList<Player> &roster,
                   Random &rnd)
{
    QList<int> starters, reserves;
    splitSquad(roster, rnd, starters, reserves);
    const bool home = rnd.chance(50);
    const int ours = rnd.between(0, 4);
    const int theirs = rnd.between(0, 3);
    const int added = rnd.between(0, 6);

    data::Transaction tx;
    const QVariant id = data::scalar(
        QStringLiteral("INSERT INTO Gare (Stagione,Camp,Data,SqA,SqB,GolA,GolB,Recupero) "
                       "VALUES (?,?,?,?,?,?,?,?) RETURNING IdGara"),
        {season, camp, core::storeDate(date), home ? ourTeam : rnd.pick(opponents),
         home ? rnd.pick(opponents) : ourTeam, home ? ours : theirs, home ? theirs : ours, added});
    GameRows game{id.toInt(), {}};
    const auto row = [&](int idGio, const char *tipo) {
        return data::GameRow{game.idGara, season, camp, idGio, QString::fromLatin1(tipo)};
    };

    for (int id : starters)
        data::writeGameEvent(row(id, "TIT"), QVariant());
    for (int id : reserves)
        data::writeGameEvent(row(id, "RIS"), QVariant());
    for (int g = 0; g < ours; ++g)
        game.events << data::writeGameEvent(row(starters.at(rnd.between(1, 10)), "RETE"),
                                            rnd.between(1, 90));
    const int cards = rnd.between(0, 3);
    for (int c = 0; c < cards; ++c)
        game.events << data::writeGameEvent(
            row(starters.at(rnd.between(0, 10)), rnd.chance(12) ? "ESP" : "AMM"), QVariant());
    const int substitutions = rnd.between(0, 5);
    for (int s = 0; s < substitutions; ++s) {
        const int minute = rnd.between(46, 89);
        data::writeGameEvent(row(reserves.at(1 + s), "SF"), minute);
        data::writeGameEvent(row(starters.at(10 - s), "SA"), minute);
    }
    tx.commit();
    return game;
}

// Deleting a game frees all its rows and removes the game.
void deleteGame(int idGara)
{
    data::Transaction tx;
    data::run(QStringLiteral("UPDATE DatiGare SET Valid=0 WHERE IdGara=?"), {idGara});
    data::run(QStringLiteral("DELETE FROM Gare WHERE IdGara=?"), {idGara});
    tx.commit();
}

} // namespace

QString buildClub(const Options &o)
{
    if (o.seasons < 1 || o.championships < 1 || o.players < 18 || o.games < 0)
        return QStringLiteral("at least 1 season, 1 championship and 18 players are needed");
    if (data::exists(QStringLiteral("SELECT 1 FROM Anagrafica LIMIT 1")))
        return QStringLiteral("the database already holds persons: nothing was written");
    const int pool = o.players * o.championships + 4 * o.seasons;
    if (pool > surnames.size() * firstNames.size())
        return QStringLiteral("too many players for the demo's names");

    Random rnd(0x56454c4d4f5241ULL);
    data::Transaction tx;
    const QList<int> persons = makePersons(pool, rnd);

    QList<int> camps;
    for (int c = 0; c < o.championships; ++c) {
        camps << data::scalar(QStringLiteral("INSERT INTO Campionati (Nome) VALUES (?) "
                                             "RETURNING Id"),
                              {championshipName(c)})
                     .toInt();
    }

    QList<int> cancelled;
    for (int s = 0; s < o.seasons; ++s) {
        const int season = o.lastSeason - o.seasons + 1 + s;
        data::run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (?)"), {season});
        for (int c = 0; c < o.championships; ++c) {
            // Each season a few players leave and others come, so careers span seasons.
            const QList<Player> roster =
                enrolRoster(persons, c * o.players + 4 * s, o.players, season, camps.at(c), rnd);
            QList<int> starters, reserves;
            splitSquad(roster, rnd, starters, reserves);
            for (int id : starters)
                data::writeFormationRow(id, QStringLiteral("TIT"));
            for (int id : reserves)
                data::writeFormationRow(id, QStringLiteral("RIS"));

            QDate date(season, 9, 1);
            for (int g = 0; g < o.games; ++g) {
                const GameRows game = writeGame(season, camps.at(c), date, roster, rnd);
                // Now and then a goal or card recorded by mistake is removed again.
                if (!game.events.isEmpty() && rnd.chance(15))
                    data::freeGameRow(game.events.at(rnd.between(0, int(game.events.size()) - 1)));
                // One game in ten is entered twice; the copy is deleted at the end.
                if (rnd.chance(10))
                    cancelled << writeGame(season, camps.at(c), date, roster, rnd).idGara;
                date = date.addDays(7);
            }
        }
    }
    for (int idGara : cancelled)
        deleteGame(idGara);
    tx.commit();
    return {};
}

} // namespace demo
