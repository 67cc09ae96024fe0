#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QStringList>

namespace settingstest {

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

} // namespace settingstest
