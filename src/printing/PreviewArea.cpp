#include "printing/PreviewArea.h"

#include "printing/PreviewSurface.h"

#include <QMouseEvent>
#include <QPainter>

namespace printing {

PreviewArea::PreviewArea(QWidget *parent) : QWidget(parent)
{
    // The report's grey stops at 210 mm; the strip beyond it must not look different.
    QPalette grey = palette();
    grey.setColor(QPalette::Window, QColor(0xAA, 0xAA, 0xAA));
    setPalette(grey);
    setAutoFillBackground(true);
}

void PreviewArea::paintEvent(QPaintEvent *)
{
    if (!m_drawing)
        return;
    QPainter painter(this);
    PreviewSurface surface(painter);
    m_drawing(surface);
}

void PreviewArea::mousePressEvent(QMouseEvent *event)
{
    emit MouseDown(event->button());
    event->accept();
}

} // namespace printing
