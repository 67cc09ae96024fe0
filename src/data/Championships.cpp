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

} // namespace data
