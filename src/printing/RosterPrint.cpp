#include "printing/RosterPrint.h"

#include "app/Module1.h"
#include "data/Database.h"
#include "printing/PrinterSurface.h"
#include "printing/RosterReport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>

namespace printing {

namespace {

bool toFile(const QPrinter &printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat;
}

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

// Qt says only that the file could not be opened; the file system says why.
QString fileReason(const QString &path)
{
    const bool existed = QFileInfo::exists(path);
    QFile probe(path);
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append))
        return probe.errorString();
    probe.close();
    if (!existed)
        probe.remove();
    return QStringLiteral("il file non si apre in scrittura");
}

QString startFailure(const QPrinter &printer)
{
    if (toFile(printer))
        return QStringLiteral("Impossibile scrivere il file ") + shown(printer.outputFileName()) +
               QStringLiteral(": ") + fileReason(printer.outputFileName());
    return QStringLiteral("Stampa non riuscita: la stampante ") + printer.printerName() +
           QStringLiteral(" non ha accettato il documento");
}

QString endFailure(const QPrinter &printer)
{
    if (toFile(printer))
        return QStringLiteral("Il file ") + shown(printer.outputFileName()) +
               QStringLiteral(" non è stato scritto per intero");
    return QStringLiteral("Stampa non riuscita: la stampante ") + printer.printerName() +
           QStringLiteral(" ha interrotto il documento");
}

enum class Outcome { Printed, NotStarted, Interrupted };

Outcome printOn(const Grid &roster, QPrinter &printer)
{
    printer.setDocName(rosterReportName());
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    // The report's millimetres count from the corner of the sheet, not of the margins.
    printer.setFullPage(true);

    QPainter painter;
    if (!painter.begin(&printer))
        return Outcome::NotStarted;
    PrinterSurface surface(printer, painter);
    // Paper is always full size, whatever the preview last showed.
    if (drawRosterReport(surface, roster, 1.0f, 1.0f))
        return Outcome::Printed;
    if (painter.isActive()) {
        printer.abort();
        painter.end();
    }
    return Outcome::Interrupted;
}

} // namespace

QString fileSafe(QString name)
{
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('-');
    }
    return name;
}

QString rosterReportName()
{
    return (QStringLiteral("Rosa ") + Module1::selectedSeasonName + QLatin1Char(' ') +
            Module1::selectedChampionshipName)
        .simplified();
}

QString printRoster(const Grid &roster, QPrinter &printer)
{
    switch (printOn(roster, printer)) {
    case Outcome::Printed:
        break;
    case Outcome::NotStarted:
        return startFailure(printer);
    case Outcome::Interrupted:
        return endFailure(printer);
    }
    return {};
}

QString writeRosterPdf(const Grid &roster, const QString &path)
{
    // Drawn into a file of its own first, then put in place whole: a failure halfway (disk
    // full, folder not writable) leaves no partial report and keeps an earlier file.
    QTemporaryFile drawn(QDir::temp().filePath(QStringLiteral("velmora-XXXXXX.pdf")));
    if (!drawn.open())
        return QStringLiteral("Impossibile scrivere il file ") + shown(drawn.fileTemplate()) +
               QStringLiteral(": ") + drawn.errorString();
    drawn.close();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(drawn.fileName());
    switch (printOn(roster, printer)) {
    case Outcome::Printed:
        break;
    case Outcome::NotStarted:
        return startFailure(printer);
    case Outcome::Interrupted:
        return endFailure(printer);
    }
    const auto failed = [&](const QString &reason) {
        return QStringLiteral("Impossibile scrivere il file ") + shown(path) +
               QStringLiteral(": ") + reason;
    };
    if (!drawn.open())
        return failed(drawn.errorString());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed(file.errorString());
    const QByteArray bytes = drawn.readAll();
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failed(file.errorString());
    return {};
}

QString newPrintFile(const QDateTime &when, QString &error)
{
    const QString folder = QFileInfo(data::storePath()).path() + QStringLiteral("/Stampe");
    if (!QDir().mkpath(folder)) {
        error = QStringLiteral("Impossibile creare la cartella ") + shown(folder);
        return {};
    }
    const QString base = folder + QLatin1Char('/') + fileSafe(rosterReportName()) +
                         QLatin1Char(' ') + when.toString(QStringLiteral("yyyy-MM-dd HHmm"));
    // Two prints in the same minute must not overwrite each other.
    QString path = base + QStringLiteral(".pdf");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = base + QStringLiteral(" (") + QString::number(n) + QStringLiteral(").pdf");
    return QFileInfo(path).absoluteFilePath();
}

} // namespace printing
