#include "data/RowReuse.h"

#include "data/Sql.h"

#include <QStringList>

namespace data {

namespace {

// The find and the write are one transaction, so two writers never take the same row.
qint64 reuseOrAppend(const QString &table, const QStringList &columns, const QVariantList &values)
{
    Transaction tx;
    const QVariant free = scalar(
        QStringLiteral("SELECT rowid FROM %1 WHERE Valid=0 ORDER BY rowid LIMIT 1").arg(table));
    qint64 rowid = 0;
    if (!free.isNull()) {
        rowid = free.toLongLong();
        QStringList sets;
        for (const QString &c : columns)
            sets << c + QStringLiteral("=?");
        QVariantList bound = values;
        bound << rowid;
        run(QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(table, sets.join(u',')), bound);
    } else {
        const QStringList marks(columns.size(), QStringLiteral("?"));
        QSqlQuery q = run(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                              .arg(table, columns.join(u','), marks.join(u',')),
                          values);
        rowid = q.lastInsertId().toLongLong();
    }
    tx.commit();
    return rowid;
}

} // namespace

qint64 writeGameEvent(const GameRow &row, const QVariant &minute)
{
    return reuseOrAppend(QStringLiteral("DatiGare"),
                         {"Valid", "IdGara", "Stagione", "Camp", "Tipo", "Min", "IdGio"},
                         {1, row.idGara, row.season, row.camp, row.tipo,
                          minute.isNull() ? QVariant() : QVariant(minute.toInt()), row.idGio});
}

qint64 writeGameLineup(const GameRow &row)
{
    return reuseOrAppend(QStringLiteral("DatiGare"),
                         {"IdGara", "Valid", "Stagione", "Camp", "IdGio", "Tipo"},
                         {row.idGara, 1, row.season, row.camp, row.idGio, row.tipo});
}

qint64 writeFormationRow(int idGio, const QString &tipo)
{
    return reuseOrAppend(QStringLiteral("Formazione"), {"Valid", "IdGio", "Tipo"},
                         {1, idGio, tipo});
}

void freeGameRow(qint64 rowid)
{
    run(QStringLiteral("UPDATE DatiGare SET Valid=0 WHERE rowid=?"), {rowid});
}

void freeFormationRow(qint64 rowid)
{
    run(QStringLiteral("UPDATE Formazione SET Valid=0 WHERE rowid=?"), {rowid});
}

} // namespace data
