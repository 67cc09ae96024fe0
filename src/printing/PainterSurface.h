#pragma once

#include "printing/DrawingSurface.h"

class QPainter;

namespace printing {

// The drawing operations over a QPainter: millimetres become device pixels, font sizes are
// scaled so that a point is a point at the surface's resolution.
class PainterSurface : public DrawingSurface {
public:
    PainterSurface(QPainter &painter, double pixelsPerMm, double pointScale, double linePixels);

    void setFont(const SurfaceFont &font) override;
    void text(const QPointF &at, const QString &text) override;
    void rectangle(const QPointF &from, const QPointF &to, const QColor &colour) override;
    void fillRectangle(const QPointF &from, const QPointF &to, const QColor &colour) override;

protected:
    QPainter &painter() { return m_painter; }

private:
    QPointF device(const QPointF &mm) const { return mm * m_pixelsPerMm; }

    QPainter &m_painter;
    double m_pixelsPerMm;
    double m_pointScale;
    double m_linePixels;
};

} // namespace printing
