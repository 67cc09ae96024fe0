#pragma once

#include <QDate>
#include <QString>

namespace core {

// Reads a date as an Italian user writes it: day first, d/m/yy or d/m/yyyy with "/", "-"
// or "." between the parts; two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999.
// The stored form yyyy-mm-dd is read too, with or without a time after it (as other
// SQLite tools may write it). Impossible dates (31/02/2009) give an invalid
// QDate.
QDate parseDate(const QString &text);

QString formatDate(const QDate &date);      // dd/mm/yyyy
QString formatDateShort(const QDate &date); // dd/mm/yy
QString storeDate(const QDate &date);       // yyyy-MM-dd, the form kept in the database

// Today's date; tests may fix it with setToday() and restore it with an invalid date.
QDate today();
void setToday(const QDate &date);

} // namespace core
