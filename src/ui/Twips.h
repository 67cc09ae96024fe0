#pragma once

class QWidget;

namespace ui {

// Sizes are given in twips; at 96 dpi a pixel is 15 twips.
constexpr int px(int twips)
{
    return twips / 15;
}

// Puts a window in the middle of its screen.
void centre(QWidget &window);

} // namespace ui
