#include "data/Integrity.h"

#include "data/Sql.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>

namespace data {

QString checkStore(const QString &path, const QString &pragma)
{
    static QAtomicInteger<int> counter;
    const QString name = QStringLiteral("velmora-check-%1").arg(counter.fetchAndAddRelaxed(1));
    QStringList found;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            found << explained(db.lastError().nativeErrorCode(), db.lastError().text());
        } else {
            QSqlQuery q(db);
            if (!q.exec(pragma)) {
                found << explained(q.lastError().nativeErrorCode(), q.lastError().databaseText());
            } else {
                while (q.next())
                    found << q.value(0).toString();
                if (found == QStringList{QStringLiteral("ok")})
                    found.clear();
            }
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return found.join(QLatin1Char('\n'));
}

QString quickCheck(const QString &path)
{
    return checkStore(path, QStringLiteral("PRAGMA quick_check"));
}

} // namespace data
