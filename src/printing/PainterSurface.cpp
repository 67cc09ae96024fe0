#include "printing/PainterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

namespace printing {

PainterSurface::PainterSurface(QPainter &painter, double pixelsPerMm, double pointScale,
                               double linePixels)
    : m_painter(painter), m_pixelsPerMm(pixelsPerMm), m_pointScale(pointScale),
      m_linePixels(linePixels)
{
}

void PainterSurface::setFont(const SurfaceFont &font)
{
    QFont f(font.name);
    f.setPointSizeF(font.size * m_pointScale);
    f.setBold(font.bold);
    f.setUnderline(font.underline);
    f.setItalic(font.italic);
    m_painter.setFont(f);
}

void PainterSurface::text(const QPointF &at, const QString &text)
{
    if (text.isEmpty())
        return;
    // The position is the top of the line; Qt writes on the baseline.
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    m_painter.setPen(Qt::black);
    m_painter.drawText(device(at) + QPointF(0, metrics.ascent()), text);
}

void PainterSurface::rectangle(const QPointF &from, const QPointF &to, const QColor &colour)
{
    QPen pen(colour);
    pen.setWidthF(m_linePixels);
    m_painter.setPen(pen);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.drawRect(QRectF(device(from), device(to)).normalized());
}

void PainterSurface::fillRectangle(const QPointF &from, const QPointF &to, const QColor &colour)
{
    m_painter.fillRect(QRectF(device(from), device(to)).normalized(), colour);
}

} // namespace printing
