#pragma once

#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <initializer_list>
#include <stdexcept>

class QSqlError;

namespace data {

// An engine error, carrying the driver's own text. Windows show it in an "Errore" box.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &text, const QString &code = {});
    QString text() const { return m_text; }
    // Another program holds the store: trying again later may succeed.
    bool busy() const;
    // The store takes no writes.
    bool readOnly() const;

private:
    QString m_text;
    int m_primary = 0; // SQLite's primary result code, 0 when unknown
};

// The engine's text, preceded by what it means in Italian for the kinds of failure a user
// meets (locked, read-only, full, damaged, disk errors), told apart by SQLite's result code.
QString explained(const QString &code, const QString &engineText);

// The error of a statement or a connection, explained, carrying its result code.
DbError dbError(const QSqlError &error);

// Prepares a statement on the store's connection; values are always bound, never glued in.
QSqlQuery prepare(const QString &sql);

// Executes a prepared statement; throws DbError with the driver's text on failure.
void exec(QSqlQuery &query);

// prepare + bind the values in order (for "?" placeholders) + exec.
QSqlQuery run(const QString &sql, std::initializer_list<QVariant> values = {});
QSqlQuery run(const QString &sql, const QVariantList &values);

// The first column of the first row, or a Null QVariant when there is no row.
// Also for "INSERT ... RETURNING": the statement is finished before this returns.
QVariant scalar(const QString &sql, std::initializer_list<QVariant> values = {});
QVariant scalar(const QString &sql, const QVariantList &values);

// For the statements that run on every refresh: prepared once and kept until the store
// closes, then bound and executed like run(). The query stays valid until the next call
// with the same text; finish() it once read, so that it holds no read lock.
QSqlQuery &runKept(const QString &sql, const QVariantList &values = {});
void forgetKeptStatements();

// True when the statement yields at least one row.
bool exists(const QString &sql, std::initializer_list<QVariant> values = {});

// Text as typed, or Null when it is empty: the rule for optional text columns.
QVariant textOrNull(const QString &text);

// A Null or missing value reads as empty text.
QString text(const QVariant &value);

// All or nothing for writes that span several statements. Nests: an inner one is a
// savepoint inside the outer one. Rolled back unless commit() was called.
class Transaction {
public:
    Transaction();
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;
    void commit();

private:
    QString m_name;
    bool m_done = false;
};

} // namespace data
