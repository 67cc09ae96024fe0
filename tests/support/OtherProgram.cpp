#include "support/OtherProgram.h"

#include <QSqlError>

OtherProgram::OtherProgram(const QString &path, const QString &lock)
{
    static int counter = 0;
    m_name = QStringLiteral("other-program-%1").arg(++counter);
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    db.setDatabaseName(path);
    if (!db.open())
        return;
    QSqlQuery q(db);
    m_holds = q.exec(lock);
    // A read-only lock is taken by the first read.
    if (m_holds && lock.startsWith(QStringLiteral("BEGIN")) && !lock.contains("EXCLUSIVE") &&
        !lock.contains("IMMEDIATE"))
        m_holds = q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
}

OtherProgram::~OtherProgram()
{
    letGo();
    QSqlDatabase::removeDatabase(m_name);
}

void OtherProgram::letGo()
{
    if (!QSqlDatabase::contains(m_name))
        return;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (m_holds) {
        QSqlQuery q(db);
        q.exec(QStringLiteral("ROLLBACK"));
    }
    m_holds = false;
    db.close();
}
