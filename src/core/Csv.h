#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace core {

// Tables for spreadsheet programs as Italian users have them set up: UTF-8 with a byte
// order mark, ";" between fields, CRLF at the end of each line, and a field in double
// quotes (its quotes doubled) when it holds ";", a quote, a line break or blanks at an end.
QByteArray csvText(const QList<QStringList> &rows);

// Writes the table to path through a temporary file renamed into place, so that a failure
// (folder not writable, disk full) leaves no partial file. Returns the reason of a
// failure, empty on success.
QString writeCsv(const QString &path, const QList<QStringList> &rows);

} // namespace core
