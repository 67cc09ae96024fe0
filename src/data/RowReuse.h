#pragma once

#include <QString>
#include <QVariant>

namespace data {

// DatiGare and Formazione never lose a row: a removed entry gets Valid = 0, and the next
// entry written takes the first such free row (in rowid order) before any row is appended.

struct GameRow {
    int idGara = 0;
    int season = 0;
    int camp = 0;
    int idGio = 0;
    QString tipo;
};

// An event ("RETE", "AMM", "ESP", "SF", "SA"): Min is written, Null when minute is Null.
qint64 writeGameEvent(const GameRow &row, const QVariant &minute);

// A line-up entry ("TIT", "RIS"): Min is not written, a reused row keeps its old value.
qint64 writeGameLineup(const GameRow &row);

// A season formation entry ("TIT", "RIS").
qint64 writeFormationRow(int idGio, const QString &tipo);

// Marks a row free; its other columns keep their values.
void freeGameRow(qint64 rowid);
void freeFormationRow(qint64 rowid);

} // namespace data
