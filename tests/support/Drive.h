#pragma once

#include <QString>

class Grid;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QWidget;

// Driving windows the way a user does: by the mouse and the keyboard, so that a missing
// connection or event filter shows up as a failing test.
namespace drive {

// Shows the window and makes it the active one, as it is while the user works in it.
// Returns false when the platform did not activate it.
bool activate(QWidget &window);

// A click (or double click) on a grid cell, by the grid's own row numbers (the header row
// is row 0 where the grid has one). col -1 means the first visible column after the fixed
// one; col 0 is the fixed column. Returns false when the cell is not on screen.
bool clickRow(Grid &grid, int row, int col = -1);
bool doubleClickRow(Grid &grid, int row, int col = -1);

// A click (or double click) on the first list entry with this text.
bool clickEntry(QListWidget &list, const QString &text);
bool doubleClickEntry(QListWidget &list, const QString &text);
bool clickEntry(QListWidget &list, int index);

// Opens the drop-down list and clicks the entry with this text.
bool choose(QComboBox &combo, const QString &text);

// Clicks into the box, replaces its text by typing, and (with leave) leaves it by Tab.
void type(QLineEdit &box, const QString &text, bool leave = true);

// Clicks into a widget and leaves it by Tab, as a user passing through it.
void enterAndLeave(QWidget &box);

// Presses a key in the widget that has the focus in the active window.
void key(int key, int modifiers = 0);

// A mouse click on a widget's middle.
void clickWidget(QWidget &widget, int button = 1 /* Qt::LeftButton */);

// A double click on the list entry at this index.
bool doubleClickEntry(QListWidget &list, int index);

// Clicks into a multi-line box and replaces its text by typing; line breaks are typed as
// Enter. The focus stays in the box.
void typeLines(QPlainTextEdit &box, const QString &text);

} // namespace drive
