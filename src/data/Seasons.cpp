#include "data/Seasons.h"

#include "data/Sql.h"

namespace data {

QList<int> seasons()
{
    QList<int> result;
    QSqlQuery q = run(QStringLiteral("SELECT Nome FROM Stagioni ORDER BY Nome"));
    while (q.next())
        result.append(q.value(0).toInt());
    return result;
}

void addSeason(int season)
{
    run(QStringLiteral("INSERT INTO Stagioni (Nome) VALUES (?)"), {season});
}

bool seasonInUse(int season)
{
    return exists(QStringLiteral("SELECT 1 FROM Giocatori WHERE Stagione=? LIMIT 1"), {season});
}

bool deleteSeason(int season)
{
    // Find and delete in one statement: only the first matching row goes.
    QSqlQuery q = run(QStringLiteral("DELETE FROM Stagioni WHERE rowid=(SELECT rowid FROM Stagioni "
                                     "WHERE Nome=? ORDER BY rowid LIMIT 1)"),
                      {season});
    return q.numRowsAffected() > 0;
}

} // namespace data
