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

} // namespace data
