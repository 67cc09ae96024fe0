#include "data/Roster.h"

#include "data/Sql.h"

#include <QStringList>

namespace data {

QSqlQuery rosterQuery(int season, int camp, RosterOrder order)
{
    QString sort = QStringLiteral("Nome");
    if (order == RosterOrder::Age)
        sort = QStringLiteral("DataNas DESC");
    else if (order == RosterOrder::Role)
        sort = QStringLiteral("Ruolo DESC");
    return run(QStringLiteral("SELECT IdGio,Nome,DataNas,Ruolo,'','','','',Squalifiche,'','','' "
                              "FROM Giocatori G,Anagrafica A "
                              "WHERE G.IdAna=A.IdAna AND Stagione=? AND Camp=? "
                              "ORDER BY %1")
                   .arg(sort),
               {season, camp});
}

QHash<int, PlayerFigures> playerFigures(const QList<int> &idGios)
{
    QHash<int, PlayerFigures> result;
    if (idGios.isEmpty())
        return result;
    // One statement for the whole roster; a Null minute reads as 0, and so does a game
    // without added time.
    const QStringList marks(idGios.size(), QStringLiteral("?"));
    QVariantList ids;
    for (int id : idGios)
        ids << id;
    QSqlQuery q = run(
        QStringLiteral(
            "SELECT D.IdGio,"
            " SUM(D.Tipo='TIT' OR D.Tipo='SF'), SUM(D.Tipo='RETE'), SUM(D.Tipo='AMM'),"
            " SUM(D.Tipo='ESP'), SUM(D.Tipo='SA'), SUM(D.Tipo='SF'),"
            " SUM(CASE D.Tipo WHEN 'TIT' THEN 90"
            "  WHEN 'SF' THEN IFNULL(G.Recupero,0)+90-IFNULL(D.Min,0)"
            "  WHEN 'SA' THEN IFNULL(D.Min,0)-90 ELSE 0 END) "
            "FROM DatiGare D JOIN Gare G ON G.IdGara=D.IdGara "
            "WHERE D.Valid=1 AND D.IdGio IN (%1) "
            "GROUP BY D.IdGio")
            .arg(marks.join(u',')),
        ids);
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
    return result;
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
    run(QStringLiteral("UPDATE Giocatori SET Ruolo=IFNULL(?,Ruolo),Peso=?,Altezza=?,"
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
