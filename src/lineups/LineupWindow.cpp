#include "lineups/LineupWindow.h"

#include "app/Module1.h"
#include "data/Lineups.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

const QString tit = QStringLiteral("TIT");
const QString ris = QStringLiteral("RIS");

QString entryText(const data::LineupPlayer &p)
{
    return p.role + QStringLiteral(" - ") + p.name;
}

void fill(QListWidget &list, const QList<data::LineupPlayer> &players)
{
    list.clear();
    for (const data::LineupPlayer &p : players) {
        auto *item = new QListWidgetItem(entryText(p), &list);
        item->setData(LineupWindow::IdRole, p.idGio);
    }
}

bool listed(const QListWidget &list, const QString &text)
{
    for (int i = 0; i < list.count(); ++i)
        if (list.item(i)->text() == text)
            return true;
    return false;
}

QListWidgetItem *selectedEntry(const QListWidget &list)
{
    const QList<QListWidgetItem *> selected = list.selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

QListWidget *newList(const char *name, int widthTwips, int heightTwips)
{
    auto *list = ui::named(new QListWidget, name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFixedSize(ui::px(widthTwips), ui::px(heightTwips));
    return list;
}

} // namespace

LineupWindow::LineupWindow(QWidget *parent) : QDialog(parent)
{
    buildWindow();
}

void LineupWindow::buildWindow()
{
    lblGio = ui::named(new QLabel(QStringLiteral("GIOCATORI")), "lblGio");
    lblTit = ui::named(new QLabel(QStringLiteral("TITOLARI")), "lblTit");
    lblRis = ui::named(new QLabel(QStringLiteral("RISERVE")), "lblRis");
    List1 = newList("List1", 4200, 6600);
    ListTit = newList("ListTit", 4200, 2900);
    ListRis = newList("ListRis", 4200, 2900);
    OptTit = ui::named(new QRadioButton(QStringLiteral("Titolare")), "OptTit");
    OptRis = ui::named(new QRadioButton(QStringLiteral("Riserva")), "OptRis");
    OptTit->setChecked(true);
    BtnAdd = ui::button("BtnAdd", QStringLiteral("&ADD ->"));
    BtnRem_0 = ui::button("BtnRem_0", ui::texts::removeCaption);
    BtnRem_1 = ui::button("BtnRem_1", ui::texts::removeCaption);
    BtnChiudi = ui::button("BtnChiudi", ui::texts::closeCaption);

    // Roster | choice and ADD | REM beside each list | starters over reserves.
    auto *choice = new QVBoxLayout;
    choice->addStretch();
    choice->addWidget(OptTit);
    choice->addWidget(OptRis);
    choice->addWidget(BtnAdd);
    choice->addStretch();

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblGio, 0, 0);
    grid->addWidget(List1, 1, 0, 3, 1);
    grid->addLayout(choice, 1, 1, 3, 1);
    grid->addWidget(lblTit, 0, 3);
    grid->addWidget(BtnRem_0, 1, 2, Qt::AlignVCenter);
    grid->addWidget(ListTit, 1, 3);
    grid->addWidget(lblRis, 2, 3, Qt::AlignBottom);
    grid->addWidget(BtnRem_1, 3, 2, Qt::AlignVCenter);
    grid->addWidget(ListRis, 3, 3);
    grid->addWidget(BtnChiudi, 4, 3, Qt::AlignRight);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    connect(BtnAdd, &QPushButton::clicked, this, &LineupWindow::BtnAdd_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &LineupWindow::BtnAdd_Click);
    connect(BtnRem_0, &QPushButton::clicked, this, [this] { BtnRem_Click(0); });
    connect(BtnRem_1, &QPushButton::clicked, this, [this] { BtnRem_Click(1); });
    connect(ListTit, &QListWidget::itemDoubleClicked, this, [this] { BtnRem_Click(0); });
    connect(ListRis, &QListWidget::itemDoubleClicked, this, [this] { BtnRem_Click(1); });
    connect(BtnChiudi, &QPushButton::clicked, this, &LineupWindow::BtnChiudi_Click);

    adjustSize();
    ui::centre(*this);
}

void LineupWindow::loadSeasonPlayers()
{
    QList<data::LineupPlayer> players;
    if (!ui::guard([&] {
            players = data::seasonPlayers(Module1::selectedSeason, Module1::selectedChampionship);
        }))
        return;
    fill(*List1, players);
    lblGio->setText(QStringLiteral("GIOCATORI (%1)").arg(players.size()));
}

void LineupWindow::loadList(const QString &tipo)
{
    QList<data::LineupPlayer> players;
    if (!ui::guard([&] { players = readList(tipo); }))
        return;
    if (tipo == tit) {
        fill(*ListTit, players);
        lblTit->setText(QStringLiteral("TITOLARI (%1)").arg(players.size()));
    } else {
        fill(*ListRis, players);
        lblRis->setText(QStringLiteral("RISERVE (%1)").arg(players.size()));
    }
}

void LineupWindow::BtnAdd_Click()
{
    const QListWidgetItem *chosen = selectedEntry(*List1);
    if (!chosen) {
        ui::msgBox(ui::texts::choosePlayerFirst, ui::OkOnly | ui::Exclamation, QString());
        List1->setFocus();
        return;
    }
    // By the text shown, not the id: the user cannot tell two such entries apart either.
    // These two boxes carry the application's own title.
    const QString text = chosen->text();
    if (listed(*ListTit, text)) {
        ui::msgBox(QStringLiteral("GIOCATORE già presente nei Titolari"), ui::OkOnly,
                   QCoreApplication::applicationName());
        return;
    }
    if (listed(*ListRis, text)) {
        ui::msgBox(QStringLiteral("GIOCATORE già presente nelle Riserve"), ui::OkOnly,
                   QCoreApplication::applicationName());
        return;
    }
    const QString tipo = OptTit->isChecked() ? tit : ris;
    const int idGio = chosen->data(IdRole).toInt();
    if (!ui::guard([&] { writeEntry(idGio, tipo); }))
        return;
    loadList(tipo);
}

void LineupWindow::BtnRem_Click(int index)
{
    QListWidget *list = index == 0 ? ListTit : ListRis;
    const QListWidgetItem *chosen = selectedEntry(*list);
    if (!chosen) {
        ui::msgBox(ui::texts::choosePlayerFirst, ui::OkOnly | ui::Exclamation, QString());
        list->setFocus();
        return;
    }
    const QString tipo = index == 0 ? tit : ris;
    const int idGio = chosen->data(IdRole).toInt();
    bool freed = false;
    if (!ui::guard([&] { freed = freeEntry(idGio, tipo); }))
        return;
    if (!freed)
        ui::msgBox(ui::texts::duringDeletion, ui::OkOnly, ui::texts::errorTitle);
    loadList(tipo);
}

void LineupWindow::BtnChiudi_Click()
{
    close();
}
