// The game editor's goals, cards and substitutions. An existing game's change is written
// first: when the store refuses it, the lists stay as they were.
#include "games/FrmGare.h"

#include "app/Module1.h"
#include "core/Numbers.h"
#include "data/Games.h"
#include "data/RowReuse.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QListWidget>

namespace {

const QString chooseMinute = QStringLiteral("Selezionare MINUTO");

// A missing choice: say so, and put the user where the choice is made.
void missing(const QString &text, QWidget *where)
{
    ui::msgBox(text, ui::Exclamation, QString());
    where->setFocus();
}

void notFound()
{
    ui::msgBox(ui::texts::duringDeletion, ui::OkOnly, ui::texts::errorTitle);
}

int chosenId(const QComboBox *list)
{
    return list->currentData().toInt();
}

} // namespace

void FrmGare::BtnAddGol_Click()
{
    if (ComboGio->currentIndex() < 0) {
        missing(ui::texts::choosePlayerFirst, ComboGio);
        return;
    }
    if (ComboMin1->currentIndex() < 0) {
        missing(chooseMinute, ComboMin1);
        return;
    }
    const QString minuteText = ComboMin1->currentText();
    const int minute = core::wholeNumber(minuteText);
    const int id = chosenId(ComboGio);
    if (isExistingGame() && !ui::guard([&] {
            data::writeGameEvent({m_idGara, Module1::selectedSeason, Module1::selectedChampionship,
                                  id, QStringLiteral("RETE")},
                                 minute);
        }))
        return;
    auto *goal =
        new QListWidgetItem(ComboGio->currentText() + QStringLiteral(" (") + minuteText + ")");
    goal->setData(Qt::UserRole, id);
    goal->setData(Qt::UserRole + 1, minute);
    ListMar->addItem(goal);
}

void FrmGare::BtnAddAE_Click(int Index)
{
    if (ComboGio->currentIndex() < 0) {
        missing(ui::texts::choosePlayerFirst, ComboGio);
        return;
    }
    const int id = chosenId(ComboGio);
    const QString code = Index == 0 ? QStringLiteral("AMM") : QStringLiteral("ESP");
    if (isExistingGame() && !ui::guard([&] {
            data::writeGameEvent(
                {m_idGara, Module1::selectedSeason, Module1::selectedChampionship, id, code},
                QVariant());
        }))
        return;
    Fgrid1->AddItem({QString(), QString::number(id), ComboGio->currentText(), code});
    if (Fgrid1->Row() < 0)
        Fgrid1->SetRow(0); // the row that "<- &REM" acts on is always shown
}

void FrmGare::BtnAddSost_Click()
{
    if (ComboSost1->currentIndex() < 0) {
        missing(ui::texts::choosePlayer, ComboSost1);
        return;
    }
    if (ComboSost2->currentIndex() < 0) {
        missing(ui::texts::choosePlayer, ComboSost2);
        return;
    }
    if (ComboMin2->currentIndex() < 0) {
        missing(chooseMinute, ComboMin2);
        return;
    }
    const int in = chosenId(ComboSost1);
    const int out = chosenId(ComboSost2);
    const QString minuteText = ComboMin2->currentText();
    if (isExistingGame() && !ui::guard([&] {
            data::writeSubstitution(
                {m_idGara, Module1::selectedSeason, Module1::selectedChampionship}, in, out,
                core::wholeNumber(minuteText));
        }))
        return;
    Fgrid2->AddItem({QString(), QString::number(in), QString::number(out), minuteText,
                     ComboSost1->currentText(), ComboSost2->currentText()});
}

void FrmGare::BtnRemGol_Click()
{
    const QList<QListWidgetItem *> selected = ListMar->selectedItems();
    if (selected.isEmpty()) {
        missing(QStringLiteral("Selezionare prima una MARCATURA"), ListMar);
        return;
    }
    QListWidgetItem *goal = selected.first();
    const int id = goal->data(Qt::UserRole).toInt();
    const int minute = goal->data(Qt::UserRole + 1).toInt();
    bool found = true;
    if (isExistingGame() && !ui::guard([&] {
            found = data::freeGameEvent(m_idGara, id, QStringLiteral("RETE"), minute);
        }))
        return;
    delete ListMar->takeItem(ListMar->row(goal));
    if (!found)
        notFound();
}

void FrmGare::BtnRemAE_Click()
{
    if (Fgrid1->Rows() == 0)
        return;
    const int r = qMax(0, Fgrid1->Row());
    const int id = core::wholeNumber(Fgrid1->TextMatrix(r, 1));
    const QString code = Fgrid1->TextMatrix(r, 3);
    bool found = true;
    if (isExistingGame() &&
        !ui::guard([&] { found = data::freeGameEvent(m_idGara, id, code, std::nullopt); }))
        return;
    Fgrid1->RemoveItem(r);
    if (!found)
        notFound();
}

void FrmGare::BtnRemSost_Click()
{
    const int r = Fgrid2->Row();
    if (Fgrid2->Rows() <= 1 || r < 1)
        return;
    const int in = core::wholeNumber(Fgrid2->TextMatrix(r, 1));
    const int out = core::wholeNumber(Fgrid2->TextMatrix(r, 2));
    const int minute = core::wholeNumber(Fgrid2->TextMatrix(r, 3));
    std::pair<bool, bool> found{true, true};
    if (isExistingGame() &&
        !ui::guard([&] { found = data::freeSubstitution(m_idGara, in, out, minute); }))
        return;
    Fgrid2->RemoveItem(r);
    if (!found.first)
        notFound();
    if (!found.second)
        notFound();
}
