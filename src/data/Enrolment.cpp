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
    QSqlQuery q = run(QStringLiteral("INSERT INTO Giocatori (IdAna,Stagione,Camp) VALUES (?,?,?)"),
                      {idAna, season, camp});
    return q.lastInsertId().toInt();
}

} // namespace data
