#pragma once

#include <QString>

class Grid;
class QDateTime;
class QPrinter;

namespace printing {

// The report's name, for the print job and for saved files: "Rosa 2009-10 Juniores".
QString rosterReportName();

// Prints the roster report at full size on the printer, A4 portrait, the job named after
// the report. Returns why it failed, or an empty text when the document went through.
QString printRoster(const Grid &roster, QPrinter &printer);

// The same report into a PDF file, put in place whole or not at all. Returns the reason of
// a failure, empty on success.
QString writeRosterPdf(const Grid &roster, const QString &path);

// The name with the characters some file system refuses in a file name replaced by "-".
QString fileSafe(QString name);

// Where a report goes when there is no printer: a new file in Dati/Stampe (made when
// missing) named after the report and the time. Empty, with the reason in error, when the
// folder cannot be made.
QString newPrintFile(const QDateTime &when, QString &error);

} // namespace printing
