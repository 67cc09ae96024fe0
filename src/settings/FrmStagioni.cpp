#include "settings/FrmStagioni.h"

#include "core/Dates.h"
#include "core/Season.h"
#include "data/Seasons.h"
#include "settings/Deletion.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

namespace {

const QString chooseSeason = QStringLiteral("Selezionare una STAGIONE");

// The first season the club keeps records of.
constexpr int firstOfferedSeason = 2008;

} // namespace

FrmStagioni::FrmStagioni(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmStagioni"));
    setWindowTitle(QStringLiteral("VELMORA - STAGIONI"));
    buildWindow();
    Form_Load();
}

void FrmStagioni::buildWindow()
{
    ComboStag = new QComboBox(this);
    ComboStag->setObjectName(QStringLiteral("ComboStag"));
    ComboStag->setEditable(false);
    ComboStag->setMinimumWidth(ui::px(1500));
    BtnAdd = new QPushButton(QStringLiteral("&ADD ->"), this);
    BtnAdd->setObjectName(QStringLiteral("BtnAdd"));
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setFixedSize(ui::px(1800), ui::px(2700));
    BtnElimina = new QPushButton(ui::texts::deleteCaption, this);
    BtnElimina->setObjectName(QStringLiteral("BtnElimina"));
    BtnChiudi = new QPushButton(ui::texts::closeCaption, this);
    BtnChiudi->setObjectName(QStringLiteral("BtnChiudi"));

    // Choice, button and list side by side; "Elimina" under the list, "CHIUDI" bottom right.
    auto *grid = new QGridLayout(this);
    grid->addWidget(ComboStag, 0, 0, Qt::AlignTop);
    grid->addWidget(BtnAdd, 0, 1, Qt::AlignTop);
    grid->addWidget(List1, 0, 2);
    grid->addWidget(BtnElimina, 1, 2);
    grid->setRowMinimumHeight(2, ui::px(240));
    grid->addWidget(BtnChiudi, 3, 2, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnAdd, &QPushButton::clicked, this, &FrmStagioni::BtnAdd_Click);
    connect(BtnElimina, &QPushButton::clicked, this, &FrmStagioni::BtnElimina_Click);
    connect(BtnChiudi, &QPushButton::clicked, this, &FrmStagioni::BtnChiudi_Click);
}

void FrmStagioni::Form_Load()
{
    adjustSize();
    ui::centre(*this);
    fillChoiceList();
    refreshList();
}

void FrmStagioni::fillChoiceList()
{
    // Up to the season that starts next year, so the coming season can be set up early.
    // The label rule is the list's own, so that the duplicate test compares like with like.
    ComboStag->clear();
    const int last = core::today().year() + 1;
    for (int year = firstOfferedSeason; year <= last; ++year)
        ComboStag->addItem(core::seasonLabel(year));
    ComboStag->setCurrentIndex(-1);
}

void FrmStagioni::refreshList()
{
    QList<int> seasons;
    if (!ui::guard([&] { seasons = data::seasons(); }))
        return;
    List1->clear();
    for (int season : seasons)
        List1->addItem(core::seasonLabel(season));
}

void FrmStagioni::BtnAdd_Click()
{
    const QString chosen = ComboStag->currentText();
    if (chosen.isEmpty()) {
        ui::msgBox(chooseSeason, ui::OkOnly | ui::Information, QString());
        ComboStag->setFocus();
        return;
    }
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->text() == chosen) {
            ui::msgBox(QStringLiteral("STAGIONE già esistente"), ui::OkOnly | ui::Exclamation,
                       QString());
            return;
        }
    }
    if (!ui::guard([&] { data::addSeason(core::seasonNumber(chosen)); }))
        return;
    refreshList();
}

void FrmStagioni::BtnElimina_Click()
{
    const int row = settings::chosenRow(*List1, chooseSeason);
    if (row < 0)
        return;
    const int season = core::seasonNumber(List1->item(row)->text());
    settings::deleteEntry({
        .inUse = QStringLiteral("Ci sono Giocatori inseriti nella Stagione"),
        .inUseTitle = QStringLiteral("Impossibile eliminarla"),
        .enrolled = [season] { return data::seasonInUse(season); },
        .remove = [season] { return data::deleteSeason(season); },
        .refresh = [this] { refreshList(); },
    });
}

void FrmStagioni::BtnChiudi_Click()
{
    close();
}
