#include "printing/PrinterSurface.h"

#include <QPainter>
#include <QPrinter>

namespace printing {

namespace {

constexpr double mmPerInch = 25.4;
constexpr double lineMm = 0.2; // thin, but visible on any printer

} // namespace

PrinterSurface::PrinterSurface(QPrinter &printer, QPainter &painter)
    : PainterSurface(painter, printer.resolution() / mmPerInch, 1.0,
                     lineMm * printer.resolution() / mmPerInch),
      m_printer(printer)
{
}

bool PrinterSurface::newPage()
{
    return m_printer.newPage() && m_printer.printerState() != QPrinter::Error;
}

bool PrinterSurface::endDocument()
{
    return painter().end() && m_printer.printerState() != QPrinter::Error;
}

} // namespace printing
