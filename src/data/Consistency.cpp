#include "data/Consistency.h"

#include "data/Integrity.h"
#include "data/Sql.h"

namespace data {

QString integrityCheck(const QString &path)
{
    return checkStore(path, QStringLiteral("PRAGMA integrity_check"));
}

int validRowsWithoutGame()
{
    return scalar(QStringLiteral("SELECT count(*) FROM DatiGare D WHERE Valid=1 AND NOT EXISTS "
                                 "(SELECT 1 FROM Gare G WHERE G.IdGara=D.IdGara)"))
        .toInt();
}

int enrolmentsWithoutPerson()
{
    return scalar(QStringLiteral("SELECT count(*) FROM Giocatori G WHERE NOT EXISTS "
                                 "(SELECT 1 FROM Anagrafica A WHERE A.IdAna=G.IdAna)"))
        .toInt();
}

QMap<int, int> validRowsByGame()
{
    QMap<int, int> rows;
    QSqlQuery q = run(QStringLiteral("SELECT G.IdGara, (SELECT count(*) FROM DatiGare D "
                                     "WHERE D.IdGara=G.IdGara AND D.Valid=1) FROM Gare G"));
    while (q.next())
        rows.insert(q.value(0).toInt(), q.value(1).toInt());
    return rows;
}

} // namespace data
