#include "printing/PreviewSurface.h"

#include <QPaintDevice>
#include <QPainter>

namespace printing {

namespace {

constexpr double screenDpi = 1440.0 / 15; // twips per inch over twips per pixel
constexpr double mmPerInch = 25.4;

// Fonts follow the same 96 dpi as the positions, whatever the screen reports.
double pointScale(const QPainter &painter)
{
    const int dpi = painter.device() ? painter.device()->logicalDpiY() : 0;
    return dpi > 0 ? screenDpi / dpi : 1.0;
}

} // namespace

PreviewSurface::PreviewSurface(QPainter &painter)
    : PainterSurface(painter, screenDpi / mmPerInch, pointScale(painter), 1.0)
{
}

} // namespace printing
