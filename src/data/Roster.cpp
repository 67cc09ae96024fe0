#include "data/Roster.h"

#include "data/Sql.h"

namespace data {

namespace {

// One pass over the roster's valid rows. Minutes: 90 for each start and each coming on,
// less 90 for each going off, plus added time minus minute for each coming on and the
// minute of each going off.
const QString figuresStatement = QStringLiteral(
    "SELECT P.IdGio,"
    " count(*) FILTER (WHERE D.Tipo IN ('TIT','SF')), count(*) FILTER (WHERE D.Tipo='RETE'),"
    " count(*) FILTER (WHERE D.Tipo='AMM'), count(*) FILTER (WHERE D.Tipo='ESP'),"
    " count(*) FILTER (WHERE D.Tipo='SA'), count(*) FILTER (WHERE D.Tipo='SF'),"
    " 90*(count(*) FILTER (WHERE D.Tipo IN ('TIT','SF'))-count(*) FILTER (WHERE D.Tipo='SA'))"
    " +COALESCE(sum(COALESCE(G.Recupero,0)-COALESCE(D.Min,0)) FILTER (WHERE D.Tipo='SF'),0)"
    " +COALESCE(sum(COALESCE(D.Min,0)) FILTER (WHERE D.Tipo='SA'),0) "
    "FROM Giocatori P JOIN DatiGare D ON D.IdGio=P.IdGio JOIN Gare G ON G.IdGara=D.IdGara "
    "WHERE P.Stagione=? AND P.Camp=? AND D.Valid=1 GROUP BY P.IdGio");

QHash<int, PlayerFigures> figuresOf(int season, int camp)
{
    QHash<int, PlayerFigures> result;
    QSqlQuery &q = runKept(figuresStatement, {season, camp});
    while (q.next()) {
        PlayerFigures f;
        f.presences = q.value(1).toInt();
        f.goals = q.value(2).toInt();
        f.cautions = q.value(3).toInt();
        f.sendingsOff = q.value(4).toInt();
        f.substituted = q.value(5).toInt();
        f.cameOn = q.value(6).toInt();
        f.minutes = q.value(7).toInt();
        result.insert(q.value(0).toInt(), f);
    }
    q.finish();
    return result;
}

} // namespace

QList<RosterRow> roster(int season, int camp, RosterOrder order)
{
    // Players alike in the sort key come by name.
    QString sort = QStringLiteral("Nome");
    if (order == RosterOrder::Age)
        sort = QStringLiteral("DataNas DESC,Nome");
    else if (order == RosterOrder::Role)
        sort = QStringLiteral("Ruolo DESC,Nome");
    QSqlQuery &q = runKept(QStringLiteral("SELECT IdGio,Nome,DataNas,Ruolo,Squalifiche "
                                          "FROM Giocatori G,Anagrafica A "
                                          "WHERE G.IdAna=A.IdAna AND Stagione=? AND Camp=? "
                                          "ORDER BY %1")
                               .arg(sort),
                           {season, camp});
    QList<RosterRow> rows;
    while (q.next())
        rows.append(
            {q.value(0).toInt(), text(q.value(1)), q.value(2), text(q.value(3)), q.value(4), {}});
    q.finish();
    if (rows.isEmpty())
        return rows;
    const QHash<int, PlayerFigures> figures = figuresOf(season, camp);
    for (RosterRow &row : rows)
        row.figures = figures.value(row.idGio);
    return rows;
}

std::optional<PersonCard> personCard(const QString &name)
{
    QSqlQuery q = run(QStringLiteral("SELECT LuogoNas,Paese,Documento FROM Anagrafica "
                                     "WHERE Nome=? ORDER BY rowid LIMIT 1"),
                      {name});
    if (!q.next())
        return std::nullopt;
    return PersonCard{text(q.value(0)), text(q.value(1)), text(q.value(2))};
}

std::optional<SeasonData> seasonData(int idGio)
{
    QSqlQuery q = run(QStringLiteral("SELECT Ruolo,Peso,Altezza,Scadenza,SocPre,Squalifiche "
                                     "FROM Giocatori WHERE IdGio=? LIMIT 1"),
                      {idGio});
    if (!q.next())
        return std::nullopt;
    return SeasonData{q.value(0), q.value(1), q.value(2), q.value(3), q.value(4), q.value(5)};
}

bool saveSeasonData(int idGio, const SeasonData &v)
{
    Transaction tx;
    if (!exists(QStringLiteral("SELECT 1 FROM Giocatori WHERE IdGio=? LIMIT 1"), {idGio}))
        return false;
    run(QStringLiteral("UPDATE Giocatori SET Ruolo=COALESCE(?,Ruolo),Peso=?,Altezza=?,"
                       "Scadenza=?,SocPre=?,Squalifiche=? WHERE IdGio=?"),
        {v.role, v.weight, v.height, v.expiry, v.previousClub, v.suspensions, idGio});
    tx.commit();
    return true;
}

RemoveResult removeEnrolment(int idGio)
{
    Transaction tx;
    if (exists(QStringLiteral("SELECT 1 FROM Formazione WHERE Valid=1 AND IdGio=? LIMIT 1"),
               {idGio}))
        return RemoveResult::InFormation;
    if (exists(QStringLiteral("SELECT 1 FROM DatiGare WHERE Valid=1 AND IdGio=? LIMIT 1"), {idGio}))
        return RemoveResult::InGames;
    QSqlQuery q = run(QStringLiteral("DELETE FROM Giocatori WHERE IdGio=?"), {idGio});
    if (q.numRowsAffected() < 1)
        return RemoveResult::NotFound;
    tx.commit();
    return RemoveResult::Removed;
}

} // namespace data
