#pragma once

#include "data/Sql.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QTest>

// Every row of the seven tables, in rowid order, as text: two stores hold the same data
// when their dumps are equal.
inline QString storeDump()
{
    static const QStringList tables{"Stagioni", "Campionati", "Anagrafica", "Giocatori",
                                    "Gare",     "DatiGare",   "Formazione"};
    QString all;
    for (const QString &table : tables) {
        QSqlQuery q = data::run(QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table));
        all += table + QLatin1Char('\n');
        while (q.next()) {
            for (int c = 0; c < q.record().count(); ++c)
                all += q.value(c).toString() + QLatin1Char('|');
            all += QLatin1Char('\n');
        }
    }
    return all;
}

// A photo as the store keeps it, or "missing".
inline QByteArray photo(int idAna)
{
    QFile f(QStringLiteral("Dati/Foto/%1.jpg").arg(idAna));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("missing");
}

inline void writePhoto(int idAna, const QByteArray &bytes)
{
    QDir().mkpath(QStringLiteral("Dati/Foto"));
    QFile f(QStringLiteral("Dati/Foto/%1.jpg").arg(idAna));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
