#pragma once

#include <QDialog>

class Grid;
class QPushButton;

namespace printing {
class DrawingSurface;
class PreviewArea;
} // namespace printing

// The print window: the roster report of the selected season and championship, drawn from
// the main window's roster grid. With the print flag set it prints while it loads and is
// never shown; otherwise it is a preview that zooms and shifts.
class FormStampa : public QDialog {
    Q_OBJECT
public:
    FormStampa(const Grid &roster, QWidget *parent = nullptr);

    printing::PreviewArea *Preview = nullptr; // the window's drawing surface
    QPushButton *BtnZoom = nullptr;
    QPushButton *BtnChiudi = nullptr;

    float zoom() const { return m_zoom; }
    float shift() const { return m_shift; }

private:
    void buildWindow();
    void Form_Load();
    void redraw();
    void drawPreview(printing::DrawingSurface &surface);
    void printReport();
    void saveInstead();

    void BtnZoom_Click();
    void BtnChiudi_Click();
    void Form_MouseDown(Qt::MouseButton button);

    const Grid &m_roster;
    bool m_toPrinter = false;
    float m_zoom = 1.0f;  // factor on every position and font size
    float m_shift = 1.0f; // mm the content is moved down; 1 is its own place
};
