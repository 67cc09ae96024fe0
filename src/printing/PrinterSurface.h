#pragma once

#include "printing/PainterSurface.h"

class QPrinter;

namespace printing {

// Paper: the printer's own resolution, new pages and the end of the document. The painter
// has begun on the printer; ending the document ends it.
class PrinterSurface : public PainterSurface {
public:
    PrinterSurface(QPrinter &printer, QPainter &painter);

    bool isPaper() const override { return true; }
    bool newPage() override;
    bool endDocument() override;

private:
    QPrinter &m_printer;
};

} // namespace printing
