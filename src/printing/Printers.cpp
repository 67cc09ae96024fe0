#include "printing/Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace printing {

namespace {
PrinterChoice printerChoice;
}

std::unique_ptr<QPrinter> defaultPrinter()
{
    if (printerChoice)
        return printerChoice();
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        // A queue that nobody made the default still beats no paper at all.
        const QList<QPrinterInfo> installed = QPrinterInfo::availablePrinters();
        if (installed.isEmpty())
            return nullptr;
        info = installed.first();
    }
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void setPrinterChoice(PrinterChoice choice)
{
    printerChoice = std::move(choice);
}

} // namespace printing
