#include "data/Games.h"

#include "core/Dates.h"
#include "data/RowReuse.h"
#include "data/Sql.h"

namespace data {

QSqlQuery gamesQuery(int season, int camp)
{
    return run(QStringLiteral("SELECT IdGara,Data,SqA,SqB,GolA,GolB FROM Gare "
                              "WHERE Stagione=? AND Camp=? ORDER BY Data,IdGara"),
               {season, camp});
}

bool deleteGame(int idGara)
{
    Transaction tx;
    run(QStringLiteral("UPDATE DatiGare SET Valid=0 WHERE IdGara=?"), {idGara});
    QSqlQuery q = run(QStringLiteral("DELETE FROM Gare WHERE IdGara=?"), {idGara});
    const bool found = q.numRowsAffected() > 0;
    tx.commit();
    return found;
}

namespace {
QList<GamePlayer> gamePlayers(QSqlQuery q)
{
    QList<GamePlayer> players;
    while (q.next())
        players.append({q.value(0).toInt(), text(q.value(1)), text(q.value(2))});
    return players;
}
} // namespace

QList<GamePlayer> gameLineupPlayers(int idGara, int season, int camp)
{
    return gamePlayers(
        run(QStringLiteral("SELECT D.IdGio,Nome,Tipo FROM Anagrafica A,Giocatori G,DatiGare D "
                           "WHERE G.IdAna=A.IdAna AND G.IdGio=D.IdGio "
                           "AND D.Stagione=? AND D.Camp=? AND D.IdGara=? AND D.Valid=1 "
                           "AND (D.Tipo='TIT' OR D.Tipo='RIS') ORDER BY Nome,D.rowid"),
            {season, camp, idGara}));
}

QList<GamePlayer> formationPlayers(int season, int camp)
{
    return gamePlayers(
        run(QStringLiteral("SELECT F.IdGio,Nome,F.Tipo FROM Giocatori G,Anagrafica A,Formazione F "
                           "WHERE F.Valid=1 AND G.Stagione=? AND G.Camp=? "
                           "AND F.IdGio=G.IdGio AND G.IdAna=A.IdAna ORDER BY Nome,F.rowid"),
            {season, camp}));
}

std::optional<GameHeader> gameHeader(int idGara)
{
    QSqlQuery q = run(QStringLiteral("SELECT Data,SqA,SqB,GolA,GolB,Recupero FROM Gare "
                                     "WHERE IdGara=? LIMIT 1"),
                      {idGara});
    if (!q.next())
        return std::nullopt;
    return GameHeader{q.value(0), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5)};
}

QList<GameEvent> gameEvents(int idGara)
{
    QSqlQuery q = run(QStringLiteral("SELECT D.Tipo,D.Min,D.IdGio,A.Nome "
                                     "FROM DatiGare D,Giocatori G,Anagrafica A "
                                     "WHERE D.IdGio=G.IdGio AND G.IdAna=A.IdAna "
                                     "AND D.IdGara=? AND D.Valid=1 "
                                     "ORDER BY D.Min,D.Tipo,D.rowid"),
                      {idGara});
    QList<GameEvent> events;
    while (q.next())
        events.append({text(q.value(0)), q.value(1), q.value(2).toInt(), text(q.value(3))});
    return events;
}

QList<Substitution> substitutions(const QList<GameEvent> &events)
{
    QList<Substitution> list;
    const auto minuteOf = [](const GameEvent &e) {
        return e.minute.isNull() ? 0 : e.minute.toInt();
    };
    for (const GameEvent &e : events)
        if (e.tipo == QLatin1String("SA"))
            list.append({minuteOf(e), 0, QString(), e.idGio, e.name});
    for (const GameEvent &e : events) {
        if (e.tipo != QLatin1String("SF"))
            continue;
        for (Substitution &s : list) {
            if (s.minute == minuteOf(e) && s.idIn == 0) {
                s.idIn = e.idGio;
                s.nameIn = e.name;
                break;
            }
        }
    }
    return list;
}

QList<QStringList> gamesTable(int season, int camp)
{
    QList<QStringList> rows{{"Data", "Squadra 1", "Squadra 2", "Gol 1", "Gol 2", "Recupero",
                             "Evento", "Minuto", "Giocatore", "Sostituito"}};
    QSqlQuery games = gamesQuery(season, camp);
    struct Game {
        int id;
        QStringList cells;
    };
    QList<Game> list;
    while (games.next()) {
        const QString stored = text(games.value(1));
        const QDate date = core::parseGameDate(stored);
        list.append({games.value(0).toInt(),
                     {date.isValid() ? core::formatDate(date) : stored, text(games.value(2)),
                      text(games.value(3)), text(games.value(4)), text(games.value(5))}});
    }
    for (Game &game : list) {
        const std::optional<GameHeader> header = gameHeader(game.id);
        game.cells << (header ? text(header->addedTime) : QString());
        const QList<GameEvent> events = gameEvents(game.id);
        const QList<Substitution> subs = substitutions(events);
        qsizetype nextSub = 0;
        bool any = false;
        for (const GameEvent &e : events) {
            const QString minute =
                e.minute.isNull() ? QString() : QString::number(e.minute.toInt());
            QStringList event;
            if (e.tipo == QLatin1String("RETE"))
                event = {QStringLiteral("Rete"), minute, e.name, QString()};
            else if (e.tipo == QLatin1String("AMM"))
                event = {QStringLiteral("Ammonizione"), minute, e.name, QString()};
            else if (e.tipo == QLatin1String("ESP"))
                event = {QStringLiteral("Espulsione"), minute, e.name, QString()};
            else if (e.tipo == QLatin1String("SA") && nextSub < subs.size()) {
                const Substitution &s = subs.at(nextSub++);
                event = {QStringLiteral("Sostituzione"), minute, s.nameIn, s.nameOut};
            } else
                continue;
            rows << game.cells + event;
            any = true;
        }
        if (!any)
            rows << game.cells + QStringList{QString(), QString(), QString(), QString()};
    }
    return rows;
}

bool freeGameEvent(int idGara, int idGio, const QString &tipo, std::optional<int> minute)
{
    Transaction tx;
    QString sql = QStringLiteral("SELECT rowid FROM DatiGare "
                                 "WHERE Valid=1 AND IdGara=? AND IdGio=? AND Tipo=?");
    QVariantList values{idGara, idGio, tipo};
    if (minute) {
        sql += QStringLiteral(" AND COALESCE(Min,0)=?");
        values << *minute;
    }
    const QVariant rowid = scalar(sql + QStringLiteral(" ORDER BY rowid LIMIT 1"), values);
    if (rowid.isNull())
        return false;
    freeGameRow(rowid.toLongLong());
    tx.commit();
    return true;
}

void writeSubstitution(const GameKey &game, int idIn, int idOut, int minute)
{
    Transaction tx;
    writeGameEvent({game.idGara, game.season, game.camp, idIn, QStringLiteral("SF")}, minute);
    writeGameEvent({game.idGara, game.season, game.camp, idOut, QStringLiteral("SA")}, minute);
    tx.commit();
}

std::pair<bool, bool> freeSubstitution(int idGara, int idIn, int idOut, int minute)
{
    Transaction tx;
    const bool in = freeGameEvent(idGara, idIn, QStringLiteral("SF"), minute);
    const bool out = freeGameEvent(idGara, idOut, QStringLiteral("SA"), minute);
    tx.commit();
    return {in, out};
}

namespace {
QVariantList headerValues(const GameDraft &d)
{
    return {d.season, d.camp,     core::storeDate(d.date), d.teamA, d.teamB, d.goalsA,
            d.goalsB, d.addedTime};
}
} // namespace

int insertGame(const GameDraft &d)
{
    Transaction tx;
    // Numbered explicitly, also where another tool made IdGara no row key, and past every
    // number that game rows still carry: a new game never inherits an old game's rows.
    const int id = scalar(QStringLiteral("SELECT max(COALESCE((SELECT max(IdGara) FROM Gare),0),"
                                         "COALESCE((SELECT max(IdGara) FROM DatiGare),0))+1"))
                       .toInt();
    QVariantList values = headerValues(d);
    values.prepend(id);
    run(QStringLiteral("INSERT INTO Gare (IdGara,Stagione,Camp,Data,SqA,SqB,GolA,GolB,"
                       "Recupero) VALUES (?,?,?,?,?,?,?,?,?)"),
        values);
    const auto write = [&](int idGio, const QString &tipo, const QVariant &minute) {
        writeGameEvent({id, d.season, d.camp, idGio, tipo}, minute);
    };
    for (int idGio : d.starters)
        write(idGio, QStringLiteral("TIT"), QVariant());
    for (int idGio : d.reserves)
        write(idGio, QStringLiteral("RIS"), QVariant());
    for (const GameDraft::Goal &g : d.goals)
        write(g.idGio, QStringLiteral("RETE"), g.minute);
    for (const GameDraft::Card &c : d.cards)
        write(c.idGio, c.tipo, QVariant());
    for (const GameDraft::Substitution &s : d.substitutions) {
        write(s.idIn, QStringLiteral("SF"), s.minute);
        write(s.idOut, QStringLiteral("SA"), s.minute);
    }
    tx.commit();
    return id;
}

bool updateGame(int idGara, const GameDraft &d)
{
    QVariantList values = headerValues(d);
    values << idGara;
    QSqlQuery q = run(QStringLiteral("UPDATE Gare SET Stagione=?,Camp=?,Data=?,SqA=?,SqB=?,"
                                     "GolA=?,GolB=?,Recupero=? WHERE IdGara=?"),
                      values);
    return q.numRowsAffected() > 0;
}

} // namespace data
