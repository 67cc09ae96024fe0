#pragma once

#include <QLatin1String>
#include <QPushButton>
#include <QString>

namespace ui {

// A control carries its given name as objectName, so that it can be found by it.
template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A named button. Enter does not press it unless it is made the default on purpose.
inline QPushButton *button(const char *name, const QString &caption, const QString &tip = {})
{
    auto *b = named(new QPushButton(caption), name);
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

// Return presses this button, except while another button has the focus: that one answers
// Return itself, as on every desktop. Call once the window's buttons are in place.
inline void makeDefault(QPushButton *button)
{
    for (QPushButton *other : button->window()->findChildren<QPushButton *>())
        if (other != button)
            other->setAutoDefault(true);
    button->setDefault(true);
}

} // namespace ui
