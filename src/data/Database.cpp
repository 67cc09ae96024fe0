#include "data/Database.h"

#include "data/Schema.h"
#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace data {

namespace {
const QString probeName = QStringLiteral("velmora-probe");
// A few seconds: long enough for another program's short write, short enough that the
// user is told soon what holds the store.
int busyMs = 3000;
bool readOnlyStore = false;

QString options(bool readOnly)
{
    QString o = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMs);
    if (readOnly)
        o += QStringLiteral(";QSQLITE_OPEN_READONLY");
    return o;
}

Opening failed(const DbError &e)
{
    return Opening{e.text(), e.busy(), false, e.readOnly()};
}

// Reads the schema through a read-only connection: a file that is no database is thus
// reported without a single byte of it being written.
Opening probe(const QString &path)
{
    Opening result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), probeName);
        db.setDatabaseName(path);
        db.setConnectOptions(options(true));
        if (!db.open()) {
            result = failed(dbError(db.lastError()));
        } else {
            QSqlQuery q(db);
            if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
                result = failed(dbError(q.lastError()));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(probeName);
    return result;
}

// A file we may not write, or one whose header asks writers of a later format to keep
// out (SQLite then opens it read-only whoever runs it).
bool takesNoWrites(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isWritable() || !file.open(QIODevice::ReadOnly))
        return true;
    const QByteArray header = file.read(19);
    return header.size() == 19 && quint8(header.at(18)) > 2;
}

Opening connect(const QString &path, bool readOnly, bool *refusedWrite = nullptr)
{
    Opening result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
        db.setDatabaseName(path);
        db.setConnectOptions(options(readOnly));
        if (!db.open())
            result = failed(dbError(db.lastError()));
    }
    if (!result.reason.isEmpty()) {
        closeStore();
        return result;
    }
    try {
        ensureSchema(readOnly);
    } catch (const DbError &e) {
        closeStore();
        if (refusedWrite)
            *refusedWrite = e.readOnly();
        return failed(e);
    }
    readOnlyStore = readOnly;
    return {QString(), false, readOnly};
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

void setBusyTimeout(int ms)
{
    busyMs = ms;
}

int busyTimeout()
{
    return busyMs;
}

bool isReadOnly()
{
    return readOnlyStore;
}

Opening open(const QString &path)
{
    closeStore();
    const QFileInfo info(path);
    bool readOnly = false;
    if (info.exists()) {
        if (!info.isFile())
            return {QStringLiteral("non è un file")};
        readOnly = takesNoWrites(path);
        // A store left in the middle of a write by a crash must be rolled back first,
        // which a read-only connection cannot do: that refusal still proves a database.
        const Opening probed = probe(path);
        if (!probed.reason.isEmpty() && (!probed.refusedWrite || readOnly))
            return probed;
    } else if (!QDir().mkpath(info.absolutePath())) {
        return {QStringLiteral("impossibile creare la cartella %1").arg(info.absolutePath())};
    }
    bool refusedWrite = false;
    const Opening result = connect(path, readOnly, &refusedWrite);
    // Some read-only stores look writable from outside (a read-only mount, say): the first
    // index that cannot be made tells.
    if (refusedWrite && !readOnly)
        return connect(path, true);
    return result;
}

QString openStore(const QString &path)
{
    return open(path).reason;
}

void closeStore()
{
    readOnlyStore = false;
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
