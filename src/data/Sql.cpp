#include "data/Sql.h"

#include "data/Database.h"

#include <QHash>
#include <QSqlError>

namespace data {

namespace {
int savepointCounter = 0;
int transactionDepth = 0;

} // namespace

DbError dbError(const QSqlError &error)
{
    QString t = error.databaseText();
    if (t.isEmpty())
        t = error.driverText();
    if (t.isEmpty())
        t = error.text();
    return DbError(explained(error.nativeErrorCode(), t), error.nativeErrorCode());
}

QString explained(const QString &code, const QString &engineText)
{
    bool isNumber = false;
    const int primary = code.toInt(&isNumber) & 0xff; // extended codes keep it in the low byte
    QString meaning;
    if (isNumber) {
        switch (primary) {
        case 3:  // SQLITE_PERM
        case 23: // SQLITE_AUTH
            meaning = QStringLiteral("Permesso negato sul file del database.");
            break;
        case 5: // SQLITE_BUSY
        case 6: // SQLITE_LOCKED
            meaning = QStringLiteral("Il database è in uso da un altro programma: "
                                     "riprovare tra qualche istante.");
            break;
        case 8: // SQLITE_READONLY
            meaning = QStringLiteral("Il database è in sola lettura: la modifica non è stata "
                                     "salvata.");
            break;
        case 10: // SQLITE_IOERR
            meaning = QStringLiteral("Errore di lettura o scrittura sul disco.");
            break;
        case 11: // SQLITE_CORRUPT
        case 26: // SQLITE_NOTADB
            meaning = QStringLiteral("Il database è danneggiato o non è un database di "
                                     "Velmora: ripristinare un backup.");
            break;
        case 13: // SQLITE_FULL
            meaning = QStringLiteral("Il disco è pieno: liberare spazio e riprovare.");
            break;
        case 14: // SQLITE_CANTOPEN
            meaning = QStringLiteral("Impossibile aprire il file del database.");
            break;
        default:
            break;
        }
    }
    if (meaning.isEmpty())
        return engineText;
    return meaning + QStringLiteral("\nDettaglio: ") + engineText;
}

DbError::DbError(const QString &text, const QString &code)
    : std::runtime_error(text.toStdString()), m_text(text), m_primary(code.toInt() & 0xff)
{
}

bool DbError::busy() const
{
    return m_primary == 5 || m_primary == 6; // SQLITE_BUSY, SQLITE_LOCKED
}

bool DbError::readOnly() const
{
    return m_primary == 8; // SQLITE_READONLY
}

QSqlQuery prepare(const QString &sql)
{
    QSqlQuery query(connection());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw dbError(query.lastError());
    return query;
}

void exec(QSqlQuery &query)
{
    if (!query.exec())
        throw dbError(query.lastError());
}

QSqlQuery run(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    exec(query);
    return query;
}

QSqlQuery run(const QString &sql, std::initializer_list<QVariant> values)
{
    return run(sql, QVariantList(values));
}

namespace {
QHash<QString, QSqlQuery> &keptStatements()
{
    static QHash<QString, QSqlQuery> kept;
    return kept;
}
} // namespace

QSqlQuery &runKept(const QString &sql, const QVariantList &values)
{
    auto &kept = keptStatements();
    auto it = kept.find(sql);
    if (it == kept.end())
        it = kept.insert(sql, prepare(sql));
    QSqlQuery &query = it.value();
    query.finish();
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    exec(query);
    return query;
}

void forgetKeptStatements()
{
    keptStatements().clear();
}

QVariant scalar(const QString &sql, const QVariantList &values)
{
    QSqlQuery query = run(sql, values);
    const QVariant value = query.next() ? query.value(0) : QVariant();
    query.finish();
    return value;
}

QVariant scalar(const QString &sql, std::initializer_list<QVariant> values)
{
    return scalar(sql, QVariantList(values));
}

bool exists(const QString &sql, std::initializer_list<QVariant> values)
{
    QSqlQuery query = run(sql, values);
    return query.next();
}

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

QString text(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

// The outermost transaction begins as a writer: a lock another program holds is then waited
// for at the start, instead of failing at once when a read inside the transaction could not
// be turned into a write. Inner ones are savepoints.
Transaction::Transaction()
{
    if (transactionDepth == 0) {
        QSqlQuery q = prepare(QStringLiteral("BEGIN IMMEDIATE"));
        exec(q);
    } else {
        m_name = QStringLiteral("sp%1").arg(++savepointCounter);
        QSqlQuery q = prepare(QStringLiteral("SAVEPOINT ") + m_name);
        exec(q);
    }
    ++transactionDepth;
}

void Transaction::commit()
{
    QSqlQuery q =
        prepare(m_name.isEmpty() ? QStringLiteral("COMMIT") : QStringLiteral("RELEASE ") + m_name);
    exec(q);
    m_done = true;
    --transactionDepth;
}

Transaction::~Transaction()
{
    if (m_done)
        return;
    --transactionDepth;
    // Best effort: the error that got us here is the one worth reporting.
    QSqlQuery q(connection());
    if (m_name.isEmpty()) {
        q.exec(QStringLiteral("ROLLBACK"));
        return;
    }
    q.exec(QStringLiteral("ROLLBACK TO ") + m_name);
    q.exec(QStringLiteral("RELEASE ") + m_name);
}

} // namespace data
