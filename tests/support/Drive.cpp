#include "support/Drive.h"

#include "ui/Grid.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>

namespace drive {

namespace {

// Hidden columns have no width on screen.
int firstVisibleColumn(Grid &grid, int row)
{
    for (int c = 1; c < grid.Cols(); ++c)
        if (grid.cellSpot(row, c).rect.width() > 0)
            return c;
    return 1;
}

bool locate(Grid &grid, int row, int col, QWidget *&widget, QPoint &point)
{
    if (col < 0)
        col = firstVisibleColumn(grid, row);
    const Grid::Spot spot = grid.cellSpot(row, col);
    if (!spot.widget || !spot.rect.isValid())
        return false;
    widget = spot.widget;
    point = spot.rect.center();
    return widget->rect().contains(point);
}

QListWidgetItem *itemOf(QListWidget &list, const QString &text)
{
    const QList<QListWidgetItem *> found = list.findItems(text, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

bool clickItem(QListWidget &list, QListWidgetItem *item, bool twice)
{
    if (!item)
        return false;
    list.scrollToItem(item);
    const QPoint at = list.visualItemRect(item).center();
    if (!list.viewport()->rect().contains(at))
        return false;
    // A real double click starts with a single one; the view acts only on the entry pressed.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, at);
    if (twice)
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, at);
    return true;
}

} // namespace

bool activate(QWidget &window)
{
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return false;
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

bool clickRow(Grid &grid, int row, int col)
{
    QWidget *widget = nullptr;
    QPoint point;
    if (!locate(grid, row, col, widget, point))
        return false;
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    return true;
}

bool doubleClickRow(Grid &grid, int row, int col)
{
    QWidget *widget = nullptr;
    QPoint point;
    if (!locate(grid, row, col, widget, point))
        return false;
    // A real double click starts with a single one.
    QTest::mouseClick(widget, Qt::LeftButton, {}, point);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, point);
    return true;
}

bool clickEntry(QListWidget &list, const QString &text)
{
    return clickItem(list, itemOf(list, text), false);
}

bool doubleClickEntry(QListWidget &list, const QString &text)
{
    return clickItem(list, itemOf(list, text), true);
}

bool clickEntry(QListWidget &list, int index)
{
    return clickItem(list, list.item(index), false);
}

bool choose(QComboBox &combo, const QString &text)
{
    const int index = combo.findText(text, Qt::MatchExactly);
    if (index < 0 || !combo.isVisible())
        return false;
    combo.showPopup();
    QAbstractItemView *view = combo.view();
    if (!QTest::qWaitForWindowExposed(view->window()))
        return false;
    const QModelIndex item = combo.model()->index(index, combo.modelColumn());
    view->scrollTo(item);
    // An entry may be wider than the popup: click where it shows.
    const QRect shown = view->visualRect(item) & view->viewport()->rect();
    if (shown.isEmpty())
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, shown.center());
    if (view->isVisible())
        combo.hidePopup();
    return combo.currentIndex() == index;
}

void type(QLineEdit &box, const QString &text, bool leave)
{
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(&box, Qt::Key_Backspace);
    else
        QTest::keyClicks(&box, text);
    if (leave)
        QTest::keyClick(&box, Qt::Key_Tab);
}

void enterAndLeave(QWidget &box)
{
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_Tab);
}

void key(int k, int modifiers)
{
    QWidget *target = QApplication::focusWidget();
    if (!target)
        target = QApplication::activeWindow();
    if (target)
        QTest::keyClick(target, Qt::Key(k), Qt::KeyboardModifiers(modifiers));
}

void clickWidget(QWidget &widget, int button)
{
    QTest::mouseClick(&widget, Qt::MouseButton(button));
}

bool doubleClickEntry(QListWidget &list, int index)
{
    return clickItem(list, list.item(index), true);
}

void typeLines(QPlainTextEdit &box, const QString &text)
{
    QTest::mouseClick(box.viewport(), Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&box, Qt::Key_Delete);
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            QTest::keyClick(&box, Qt::Key_Return);
        QTest::keyClicks(&box, lines.at(i));
    }
}

} // namespace drive
