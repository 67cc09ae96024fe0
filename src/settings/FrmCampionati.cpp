#include "settings/FrmCampionati.h"

#include "core/Numbers.h"
#include "data/Championships.h"
#include "settings/Deletion.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

FrmCampionati::FrmCampionati(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCampionati"));
    setWindowTitle(QStringLiteral("VELMORA - CAMPIONATI"));
    buildWindow();
    Form_Load();
}

void FrmCampionati::buildWindow()
{
    List1 = new QListWidget(this);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setFixedSize(ui::px(3600), ui::px(2700));
    List2 = new QListWidget(this);
    List2->setObjectName(QStringLiteral("List2"));
    List2->hide();
    BtnInserisci = new QPushButton(ui::texts::insertCaption, this);
    BtnInserisci->setObjectName(QStringLiteral("BtnInserisci"));
    BtnElimina = new QPushButton(ui::texts::deleteCaption, this);
    BtnElimina->setObjectName(QStringLiteral("BtnElimina"));
    BtnChiudi = new QPushButton(ui::texts::closeCaption, this);
    BtnChiudi->setObjectName(QStringLiteral("BtnChiudi"));

    // The list on the left, its two buttons beside it, "CHIUDI" bottom right.
    auto *grid = new QGridLayout(this);
    grid->addWidget(List1, 0, 0, 3, 1);
    grid->addWidget(BtnInserisci, 0, 1);
    grid->addWidget(BtnElimina, 1, 1);
    grid->setRowStretch(2, 1);
    grid->setRowMinimumHeight(3, ui::px(240));
    grid->addWidget(BtnChiudi, 4, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnInserisci, &QPushButton::clicked, this, &FrmCampionati::BtnInserisci_Click);
    connect(BtnElimina, &QPushButton::clicked, this, &FrmCampionati::BtnElimina_Click);
    connect(BtnChiudi, &QPushButton::clicked, this, &FrmCampionati::BtnChiudi_Click);
}

void FrmCampionati::Form_Load()
{
    adjustSize();
    ui::centre(*this);
    refreshLists();
}

void FrmCampionati::refreshLists()
{
    QList<data::Championship> list;
    if (!ui::guard([&] { list = data::championships(); }))
        return;
    // The two lists are linked only by position: always emptied and refilled together.
    List1->clear();
    List2->clear();
    for (const data::Championship &c : list) {
        List1->addItem(c.name);
        List2->addItem(QString::number(c.id));
    }
}

void FrmCampionati::BtnInserisci_Click()
{
    const QString name =
        ui::inputBox(QStringLiteral("Nome CAMPIONATO ?"), QStringLiteral("Inserimento"), QString());
    // A name of blanks only is no name at all: nobody could tell it apart in the lists.
    if (name.trimmed().isEmpty())
        return;
    const QString lowered = name.toLower();
    for (int i = 0; i < List1->count(); ++i) {
        if (List1->item(i)->text().toLower() == lowered) {
            ui::msgBox(QStringLiteral("CAMPIONATO già esistente"), ui::OkOnly | ui::Exclamation,
                       QString());
            return;
        }
    }
    if (!ui::guard([&] { data::addChampionship(name); }))
        return;
    refreshLists();
}

void FrmCampionati::BtnElimina_Click()
{
    const int row = settings::chosenRow(*List1, QStringLiteral("Selezionare un CAMPIONATO"));
    if (row < 0)
        return;
    const QString name = List1->item(row)->text();
    const int id = core::wholeNumber(List2->item(row)->text());
    settings::deleteEntry({
        .question = QStringLiteral("Eliminare '") + name + QStringLiteral("' ?"),
        .questionTitle = ui::texts::confirmTitle,
        .inUse = QStringLiteral("Ci sono Giocatori inseriti nel Campionato"),
        .inUseTitle = ui::texts::cannotDeleteItTitle,
        .enrolled = [id] { return data::championshipInUse(id); },
        .remove = [id] { return data::deleteChampionship(id); },
        .refresh = [this] { refreshLists(); },
    });
}

void FrmCampionati::BtnChiudi_Click()
{
    close();
}
