#include "data/Database.h"

#include "data/Schema.h"
#include "data/Sql.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace data {

namespace {
const QString probeName = QStringLiteral("velmora-probe");

QString sqlErrorText(const QSqlError &e)
{
    return explained(e.nativeErrorCode(), e.databaseText().isEmpty() ? e.text() : e.databaseText());
}

// Reads the schema through a read-only connection: a file that is no database is thus
// reported without a single byte of it being written.
QString probe(const QString &path)
{
    QString reason;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probeName);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            reason = sqlErrorText(db.lastError());
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                reason = sqlErrorText(q.lastError());
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(probeName);
    return reason;
}
} // namespace

QString storePath()
{
    return QStringLiteral("Dati/Velmora.mdb");
}

QString photoFolder()
{
    return QStringLiteral("Dati/Foto");
}

QString engineVersion()
{
    return scalar(QStringLiteral("SELECT sqlite_version()")).toString();
}

QSqlDatabase connection()
{
    return QSqlDatabase::database(QLatin1String(QSqlDatabase::defaultConnection), false);
}

QString openStore(const QString &path)
{
    closeStore();
    const QFileInfo info(path);
    if (info.exists()) {
        if (!info.isFile())
            return QStringLiteral("non è un file");
        if (const QString reason = probe(path); !reason.isEmpty())
            return reason;
    } else if (!QDir().mkpath(info.absolutePath())) {
        return QStringLiteral("impossibile creare la cartella %1").arg(info.absolutePath());
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open()) {
        const QString reason = sqlErrorText(db.lastError());
        closeStore();
        return reason;
    }
    try {
        ensureSchema();
    } catch (const DbError &e) {
        closeStore();
        return e.text();
    }
    return {};
}

void closeStore()
{
    if (!QSqlDatabase::contains(QLatin1String(QSqlDatabase::defaultConnection)))
        return;
    forgetKeptStatements(); // they belong to this connection
    {
        QSqlDatabase db = connection();
        db.close();
    }
    QSqlDatabase::removeDatabase(QLatin1String(QSqlDatabase::defaultConnection));
}

} // namespace data
