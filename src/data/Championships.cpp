#include "data/Championships.h"

#include "data/Sql.h"

namespace data {

QList<Championship> championships()
{
    QList<Championship> result;
    QSqlQuery q = run(QStringLiteral("SELECT Id,Nome FROM Campionati ORDER BY Id"));
    while (q.next())
        result.append({q.value(0).toInt(), text(q.value(1))});
    return result;
}

int addChampionship(const QString &name)
{
    // Games survive their championship's deletion: a new championship takes a number that
    // no game or enrolment still carries, or those games would reappear under it.
    return scalar(QStringLiteral(
                      "INSERT INTO Campionati (Id,Nome) VALUES ((SELECT max(n)+1 FROM ("
                      "SELECT IFNULL(max(Id),0) AS n FROM Campionati "
                      "UNION ALL SELECT IFNULL(max(Camp),0) FROM Gare "
                      "UNION ALL SELECT IFNULL(max(Camp),0) FROM Giocatori "
                      "UNION ALL SELECT IFNULL(max(Camp),0) FROM DatiGare)),?) RETURNING Id"),
                  {name})
        .toInt();
}

bool championshipInUse(int id)
{
    return exists(QStringLiteral("SELECT 1 FROM Giocatori WHERE Camp=? LIMIT 1"), {id});
}

bool deleteChampionship(int id)
{
    QSqlQuery q = run(QStringLiteral("DELETE FROM Campionati WHERE Id=?"), {id});
    return q.numRowsAffected() > 0;
}

} // namespace data
