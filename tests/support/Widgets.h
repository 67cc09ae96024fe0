#pragma once

#include "ui/Grid.h"

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

// Reading lists and grids the way a user sees them.

inline QStringList entries(const QListWidget &list)
{
    QStringList texts;
    for (int i = 0; i < list.count(); ++i)
        texts << list.item(i)->text();
    return texts;
}

inline QStringList entries(const QComboBox &combo)
{
    QStringList texts;
    for (int i = 0; i < combo.count(); ++i)
        texts << combo.itemText(i);
    return texts;
}

// Selects the entry as a click does; false when the list has no such entry.
inline bool select(QListWidget &list, const QString &text)
{
    const QList<QListWidgetItem *> found = list.findItems(text, Qt::MatchExactly);
    if (found.isEmpty())
        return false;
    list.setCurrentItem(found.first());
    return true;
}

// The cells of one grid column below the header row.
inline QStringList entries(const Grid &grid, int col)
{
    QStringList cells;
    for (int r = 1; r < grid.Rows(); ++r)
        cells << grid.TextMatrix(r, col);
    return cells;
}

// Whether a grid column takes room on screen (a width of 0 hides it), seen on row 0.
inline bool columnShown(Grid &grid, int col)
{
    return grid.cellSpot(0, col).rect.width() > 0;
}
