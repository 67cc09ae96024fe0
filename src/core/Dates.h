#pragma once

#include <QDate>
#include <QString>

namespace core {

// Reads a date as an Italian user writes it: day first, d/m/yy or d/m/yyyy with "/", "-"
// or "." between the parts; a two-digit year is the one ending in those digits among the
// hundred years from firstYear on. The stored form yyyy-mm-dd is read too, with or
// without a time after it (as other SQLite tools may write it). Impossible dates
// (31/02/2009) give an invalid QDate.
QDate parseDate(const QString &text, int firstYear);

// A game date: two-digit years fall in the hundred years from today's year - 80, so that
// the short form the date box writes keeps meaning the same game as the years pass.
QDate parseGameDate(const QString &text);

// A birth date is never in the future: a two-digit year is the latest such year not
// after today's year.
QDate parseBirthDate(const QString &text);

QString formatDate(const QDate &date);      // dd/mm/yyyy
QString formatDateShort(const QDate &date); // dd/mm/yy
QString storeDate(const QDate &date);       // yyyy-MM-dd, the form kept in the database

// Today's date; tests may fix it with setToday() and restore it with an invalid date.
QDate today();
void setToday(const QDate &date);

} // namespace core
