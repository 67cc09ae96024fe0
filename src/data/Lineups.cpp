#include "data/Lineups.h"

#include "data/RowReuse.h"
#include "data/Sql.h"

namespace data {

namespace {

// Players with the same role and name keep a fixed order by IdGio.
const QString byRoleAndName = QStringLiteral(" ORDER BY Ruolo DESC,Nome,G.IdGio");

QList<LineupPlayer> players(const QString &sql, const QVariantList &values)
{
    QList<LineupPlayer> result;
    QSqlQuery q = run(sql, values);
    while (q.next())
        result.append({q.value(0).toInt(), text(q.value(1)), text(q.value(2))});
    return result;
}

} // namespace

QList<LineupPlayer> seasonPlayers(int season, int camp)
{
    return players(QStringLiteral("SELECT G.IdGio,Ruolo,Nome FROM Anagrafica A,Giocatori G "
                                  "WHERE G.IdAna=A.IdAna AND G.Stagione=? AND G.Camp=?") +
                       byRoleAndName,
                   {season, camp});
}

QList<LineupPlayer> gameLineup(int idGara, int season, int camp, const QString &tipo)
{
    return players(QStringLiteral("SELECT D.IdGio,Ruolo,Nome "
                                  "FROM Anagrafica A,Giocatori G,DatiGare D "
                                  "WHERE G.IdAna=A.IdAna AND G.IdGio=D.IdGio "
                                  "AND D.Stagione=? AND D.Camp=? AND D.IdGara=? "
                                  "AND D.Valid=1 AND D.Tipo=?") +
                       byRoleAndName,
                   {season, camp, idGara, tipo});
}

QList<LineupPlayer> formation(int season, int camp, const QString &tipo)
{
    return players(QStringLiteral("SELECT F.IdGio,Ruolo,Nome "
                                  "FROM Anagrafica A,Giocatori G,Formazione F "
                                  "WHERE G.IdAna=A.IdAna AND F.IdGio=G.IdGio "
                                  "AND F.Valid=1 AND F.Tipo=? "
                                  "AND G.Stagione=? AND G.Camp=?") +
                       byRoleAndName,
                   {tipo, season, camp});
}

bool withdrawFromGame(int idGara, int season, int camp, int idGio, const QString &tipo)
{
    // Season and championship as the list reads them, so that the row freed is one it shows.
    Transaction tx;
    const QVariant rowid = scalar(QStringLiteral("SELECT rowid FROM DatiGare WHERE IdGara=? "
                                                 "AND IdGio=? AND Valid=1 AND Tipo=? "
                                                 "AND Stagione=? AND Camp=? "
                                                 "ORDER BY rowid LIMIT 1"),
                                  {idGara, idGio, tipo, season, camp});
    if (rowid.isNull())
        return false;
    freeGameRow(rowid.toLongLong());
    tx.commit();
    return true;
}

bool withdrawFromFormation(int idGio, const QString &tipo)
{
    Transaction tx;
    const QVariant rowid =
        scalar(QStringLiteral("SELECT rowid FROM Formazione WHERE IdGio=? AND Valid=1 "
                              "AND Tipo=? ORDER BY rowid LIMIT 1"),
               {idGio, tipo});
    if (rowid.isNull())
        return false;
    freeFormationRow(rowid.toLongLong());
    tx.commit();
    return true;
}

} // namespace data
