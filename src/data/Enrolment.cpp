#include "data/Enrolment.h"

#include "data/Sql.h"

namespace data {

QList<Candidate> enrolmentCandidates(int season, int camp)
{
    QList<Candidate> result;
    QSqlQuery q = run(QStringLiteral("SELECT IdAna,Nome FROM Anagrafica A "
                                     "WHERE NOT EXISTS (SELECT 1 FROM Giocatori G "
                                     "WHERE G.IdAna=A.IdAna AND Stagione=? AND Camp=?) "
                                     "ORDER BY Nome"),
                      {season, camp});
    while (q.next())
        result.append({q.value(0).toInt(), text(q.value(1))});
    return result;
}

int enrol(int idAna, int season, int camp)
{
    // IdGio is given explicitly so that a store made by other tools, where it is no row
    // key, still numbers its players.
    return scalar(QStringLiteral("INSERT INTO Giocatori (IdGio,IdAna,Stagione,Camp) VALUES "
                                 "((SELECT IFNULL(Max(IdGio),0)+1 FROM Giocatori),?,?,?) "
                                 "RETURNING IdGio"),
                  {idAna, season, camp})
        .toInt();
}

} // namespace data
