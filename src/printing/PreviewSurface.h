#pragma once

#include "printing/PainterSurface.h"

namespace printing {

// The preview window's surface: a millimetre is as many pixels as at 96 dpi, where a pixel
// is 15 twips as everywhere else in the windows.
class PreviewSurface : public PainterSurface {
public:
    explicit PreviewSurface(QPainter &painter);

    bool isPaper() const override { return false; }
    bool newPage() override { return true; }
    bool endDocument() override { return true; }
};

} // namespace printing
