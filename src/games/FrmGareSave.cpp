// Saving the game editor: the checks in the order the user meets them, then the game
// written in one piece.
#include "games/FrmGare.h"

#include "app/Module1.h"
#include "core/Dates.h"
#include "core/Numbers.h"
#include "data/Games.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

void FrmGare::BtnSalva_Click()
{
    if (!validate())
        return;
    // A store error keeps the editor open with everything in it, so that the user can
    // save again; any other outcome closes it.
    if (m_modified && !saveGame())
        return;
    accept();
}

bool FrmGare::validate()
{
    const auto refuse = [](const QString &text, QWidget *where) {
        ui::msgBox(text, ui::Exclamation, QString());
        where->setFocus();
        return false;
    };
    if (TxtData->text().isEmpty())
        return refuse(QStringLiteral("Inserire DATA della Gara"), TxtData);
    if (!core::parseGameDate(TxtData->text()).isValid())
        return refuse(ui::texts::invalidDate, TxtData);
    if (TxtSqA->text().isEmpty())
        return refuse(QStringLiteral("Inserire Nome 1° SQUADRA"), TxtSqA);
    if (TxtSqB->text().isEmpty())
        return refuse(QStringLiteral("Inserire Nome 2° SQUADRA"), TxtSqB);
    if (ComboGolA->currentText().isEmpty() || ComboGolB->currentText().isEmpty())
        return refuse(QStringLiteral("Inserire RISULTATO"),
                      ComboGolA->currentText().isEmpty() ? ComboGolA : ComboGolB);
    return true;
}

data::GameDraft FrmGare::draft() const
{
    data::GameDraft d;
    d.season = Module1::selectedSeason;
    d.camp = Module1::selectedChampionship;
    d.date = core::parseGameDate(TxtData->text());
    d.teamA = TxtSqA->text();
    d.teamB = TxtSqB->text();
    d.goalsA = core::wholeNumber(ComboGolA->currentText());
    d.goalsB = core::wholeNumber(ComboGolB->currentText());
    d.addedTime = core::wholeNumber(ComboRec->currentText());

    for (int i = 0; i < ComboSost2->count(); ++i)
        d.starters << ComboSost2->itemData(i).toInt();
    for (int i = 0; i < ComboSost1->count(); ++i)
        d.reserves << ComboSost1->itemData(i).toInt();
    for (int i = 0; i < ListMar->count(); ++i) {
        const QListWidgetItem *goal = ListMar->item(i);
        d.goals.append({goal->data(Qt::UserRole).toInt(), goal->data(Qt::UserRole + 1).toInt()});
    }
    for (int r = 0; r < Fgrid1->Rows(); ++r)
        d.cards.append({core::wholeNumber(Fgrid1->TextMatrix(r, 1)), Fgrid1->TextMatrix(r, 3)});
    for (int r = 1; r < Fgrid2->Rows(); ++r)
        d.substitutions.append({core::wholeNumber(Fgrid2->TextMatrix(r, 1)),
                                core::wholeNumber(Fgrid2->TextMatrix(r, 2)),
                                core::wholeNumber(Fgrid2->TextMatrix(r, 3))});
    return d;
}

// False only when the store refused the write; nothing of the game is then written.
bool FrmGare::saveGame()
{
    const data::GameDraft game = draft();
    if (!isExistingGame()) {
        if (!ui::guard([&] { data::insertGame(game); }))
            return false;
        ui::msgBox(QStringLiteral("Nuova GARA inserita con successo"), ui::Information, QString());
        return true;
    }
    bool found = false;
    if (!ui::guard([&] { found = data::updateGame(m_idGara, game); }))
        return false;
    if (found)
        ui::msgBox(QStringLiteral("GARA modificata con successo"), ui::Information, QString());
    else
        ui::msgBox(QStringLiteral("Durante il salvataggio"), ui::OkOnly, ui::texts::errorTitle);
    return true;
}
