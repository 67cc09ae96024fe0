#pragma once

#include <QColor>
#include <QPointF>
#include <QString>

namespace printing {

struct SurfaceFont {
    QString name;
    double size = 10; // points
    bool bold = false;
    bool underline = false;
    bool italic = false;

    bool operator==(const SurfaceFont &) const = default;
};

// Where a report is drawn, in millimetres from the top-left corner of the page. The report
// routine draws through this only, so that the preview, the printer and the tests' recorder
// get the same calls.
class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // Paper takes new pages and is ended as a document; a screen shows one page, painted
    // over for each page drawn.
    virtual bool isPaper() const = 0;

    virtual void setFont(const SurfaceFont &font) = 0;
    // The text with the top of its line at the point.
    virtual void text(const QPointF &at, const QString &text) = 0;
    // Corners of the rectangle: outline only, or filled with the colour.
    virtual void rectangle(const QPointF &from, const QPointF &to, const QColor &colour) = 0;
    virtual void fillRectangle(const QPointF &from, const QPointF &to, const QColor &colour) = 0;

    // Paper only. False when the device refused: the drawing stops there.
    virtual bool newPage() = 0;
    virtual bool endDocument() = 0;
};

} // namespace printing
