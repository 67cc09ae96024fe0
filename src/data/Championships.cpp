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
    QSqlQuery q = run(QStringLiteral("INSERT INTO Campionati (Nome) VALUES (?)"), {name});
    return q.lastInsertId().toInt();
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
