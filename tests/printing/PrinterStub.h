#pragma once

#include "printing/Printers.h"

#include <QPrinter>

#include <memory>

// Stands in for the machine's printers while it lives: "print" gets a printer that writes a
// PDF to pdfPath, or no printer at all when pdfPath is empty. The machine's printers are
// never asked.
class PrinterStub {
public:
    explicit PrinterStub(const QString &pdfPath = {}) : pdf(pdfPath)
    {
        printing::setPrinterChoice([this]() -> std::unique_ptr<QPrinter> {
            ++asked;
            if (pdf.isEmpty())
                return nullptr;
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return printer;
        });
    }
    ~PrinterStub() { printing::setPrinterChoice({}); }
    PrinterStub(const PrinterStub &) = delete;
    PrinterStub &operator=(const PrinterStub &) = delete;

    QString pdf;
    int asked = 0;
};
