#include "settings/Deletion.h"

#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QListWidget>

namespace settings {

int chosenRow(QListWidget &list, const QString &askForChoice)
{
    const QList<QListWidgetItem *> items = list.selectedItems();
    if (!items.isEmpty())
        return list.row(items.first());
    ui::msgBox(askForChoice, ui::OkOnly | ui::Information, QString());
    list.setFocus();
    return -1;
}

void deleteEntry(const Deletion &d)
{
    if (!d.question.isEmpty() &&
        ui::msgBox(d.question, ui::YesNo | ui::Question | ui::DefaultSecond, d.questionTitle) !=
            ui::Answer::Yes)
        return;

    bool enrolled = false;
    if (!ui::guard([&] { enrolled = d.enrolled(); }))
        return;
    if (enrolled) {
        ui::msgBox(d.inUse, ui::OkOnly | ui::Information, d.inUseTitle);
        return;
    }
    bool deleted = false;
    if (!ui::guard([&] { deleted = d.remove(); }))
        return;
    if (!deleted)
        ui::msgBox(ui::texts::duringDeletion, ui::OkOnly | ui::Critical, ui::texts::errorTitle);
    d.refresh();
}

} // namespace settings
