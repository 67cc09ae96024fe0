#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// Another program holding the store: a connection of its own that takes a lock and keeps
// it until it is let go or destroyed.
class OtherProgram {
public:
    // lock is the statement that takes it: "BEGIN EXCLUSIVE", "BEGIN IMMEDIATE", ...
    explicit OtherProgram(const QString &path, const QString &lock = "BEGIN EXCLUSIVE");
    ~OtherProgram();
    bool holds() const { return m_holds; }
    void letGo();

private:
    QString m_name;
    bool m_holds = false;
};
