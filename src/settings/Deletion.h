#pragma once

#include <QString>

#include <functional>

class QListWidget;

namespace settings {

// The entry the user selected in the list, -1 for none. With none the user is asked for a
// choice and the focus goes to the list. A current row alone is no choice: the list gets
// one on focus without the user picking anything.
int chosenRow(QListWidget &list, const QString &askForChoice);

// What the seasons and championships windows each say and do when one of their entries is
// deleted.
struct Deletion {
    QString question = {}; // asked first, yes or no; empty: deleted without asking
    QString questionTitle = {};
    QString inUse; // the refusal while players are enrolled
    QString inUseTitle;
    std::function<bool()> enrolled;
    std::function<bool()> remove; // false when the row was gone already
    std::function<void()> refresh;
};

// Confirms, refuses while players are enrolled, deletes, then refreshes the window's list.
// An engine error is shown and leaves the list as it was.
void deleteEntry(const Deletion &deletion);

} // namespace settings
