#include "data/Integrity.h"

#include "data/Sql.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace data {

ReadOnlyRows readOnlyRows(const QString &path, const QString &statement)
{
    static QAtomicInteger<int> counter;
    const QString name = QStringLiteral("velmora-check-%1").arg(counter.fetchAndAddRelaxed(1));
    ReadOnlyRows rows;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            rows.error = explained(db.lastError().nativeErrorCode(), db.lastError().text());
        } else {
            QSqlQuery q(db);
            if (!q.exec(statement))
                rows.error =
                    explained(q.lastError().nativeErrorCode(), q.lastError().databaseText());
            while (q.next())
                rows.values << q.value(0).toString();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

QString checkStore(const QString &path, const QString &pragma)
{
    const ReadOnlyRows rows = readOnlyRows(path, pragma);
    if (!rows.error.isEmpty())
        return rows.error;
    return rows.values == QStringList{QStringLiteral("ok")} ? QString()
                                                            : rows.values.join(QLatin1Char('\n'));
}

QString quickCheck(const QString &path)
{
    return checkStore(path, QStringLiteral("PRAGMA quick_check"));
}

} // namespace data
