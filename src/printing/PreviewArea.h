#pragma once

#include <QWidget>

#include <functional>

namespace printing {

class DrawingSurface;

// The preview window's drawing surface: paints what the drawing function draws on a
// PreviewSurface every time it is painted, and reports each mouse button pressed on it.
class PreviewArea : public QWidget {
    Q_OBJECT
public:
    explicit PreviewArea(QWidget *parent = nullptr);

    using Drawing = std::function<void(DrawingSurface &)>;
    void setDrawing(Drawing drawing) { m_drawing = std::move(drawing); }

signals:
    void MouseDown(Qt::MouseButton button);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    Drawing m_drawing;
};

} // namespace printing
