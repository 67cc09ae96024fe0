#include "games/FormGare.h"

#include "app/Module1.h"
#include "core/Dates.h"
#include "core/Numbers.h"
#include "data/Games.h"
#include "games/FrmGare.h"
#include "lineups/FrmFormGara.h"
#include "lineups/FrmFormazione.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

FormGare::FormGare(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormGare"));
    buildWindow();
    Form_Load();
}

void FormGare::buildWindow()
{
    Fgrid = ui::named(new Grid(1, 1), "Fgrid");
    BtnInsGara = ui::button("BtnInsGara", QStringLiteral("&Inserisci GARA"));
    BtnRicGara = ui::button("BtnRicGara", QStringLiteral("&Richiama GARA"));
    BtnEliGara = ui::button("BtnEliGara", QStringLiteral("&Elimina GARA"));
    BtnFormazione = ui::button("BtnFormazione", QStringLiteral("&Formazione &GARA"));
    BtnChiudi = ui::button("BtnChiudi", ui::texts::closeCaption);

    auto *buttons = new QVBoxLayout;
    for (QPushButton *b : {BtnInsGara, BtnRicGara, BtnEliGara, BtnFormazione})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(BtnChiudi);
    auto *layout = new QHBoxLayout(this);
    layout->addWidget(Fgrid, 1);
    layout->addLayout(buttons);

    connect(BtnInsGara, &QPushButton::clicked, this, &FormGare::BtnInsGara_Click);
    connect(BtnRicGara, &QPushButton::clicked, this, &FormGare::BtnRicGara_Click);
    connect(BtnEliGara, &QPushButton::clicked, this, &FormGare::BtnEliGara_Click);
    connect(BtnFormazione, &QPushButton::clicked, this, &FormGare::BtnFormazione_Click);
    connect(BtnChiudi, &QPushButton::clicked, this, &FormGare::BtnChiudi_Click);
    connect(Fgrid, &Grid::DblClick, this, &FormGare::Fgrid_DblClick);
}

void FormGare::Form_Load()
{
    resize(ui::px(9000), ui::px(6000));
    ui::centre(*this);
    setWindowTitle(QStringLiteral("VELMORA - GARE STAGIONE ") + Module1::selectedSeasonName +
                   QStringLiteral(" ") + Module1::selectedChampionshipName);
    refreshGames();
}

void FormGare::refreshGames()
{
    ui::guard([&] {
        QSqlQuery games = data::gamesQuery(Module1::selectedSeason, Module1::selectedChampionship);
        Fgrid->Fill(games);
    });
    const std::pair<int, const char *> headers[] = {
        {1, "ID"}, {2, "Data"}, {3, "Partita"}, {5, "RIS."}};
    for (const auto &[col, text] : headers)
        Fgrid->SetTextMatrix(0, col, QString::fromUtf8(text));
    const int widths[] = {350, 700, 1200, 3000, 0, 700, 0};
    for (int c = 0; c < 7; ++c)
        Fgrid->ColWidthTwips(c, widths[c]);

    for (int r = 1; r < Fgrid->Rows(); ++r) {
        // Stored as yyyy-mm-dd; shown the way Italian users read a date.
        const QDate date = core::parseGameDate(Fgrid->TextMatrix(r, 2));
        if (date.isValid())
            Fgrid->SetTextMatrix(r, 2, core::formatDate(date));
        Fgrid->SetTextMatrix(r, 3, Fgrid->TextMatrix(r, 3) + " - " + Fgrid->TextMatrix(r, 4));
        Fgrid->SetTextMatrix(r, 5, Fgrid->TextMatrix(r, 5) + " - " + Fgrid->TextMatrix(r, 6));
    }
}

// The grid's current row, or 0 with a message when no game is selected.
int FormGare::selectedGameRow()
{
    const int row = Fgrid->Rows() == 1 ? 0 : Fgrid->Row();
    if (row < 1) {
        ui::msgBox(QStringLiteral("Selezionare una GARA"), ui::Information, ui::texts::noticeTitle);
        return 0;
    }
    return row;
}

void FormGare::BtnInsGara_Click()
{
    showSeasonFormation();
    {
        FrmGare editor(this);
        editor.Carica(0);
        ui::showModal(editor);
    }
    refreshGames();
}

void FormGare::BtnRicGara_Click()
{
    const int row = selectedGameRow();
    if (row == 0)
        return;
    {
        FrmGare editor(this);
        editor.Carica(core::wholeNumber(Fgrid->TextMatrix(row, 1)));
        ui::showModal(editor);
    }
    refreshGames();
}

void FormGare::Fgrid_DblClick()
{
    BtnRicGara_Click();
}

void FormGare::BtnFormazione_Click()
{
    const int row = selectedGameRow();
    if (row == 0)
        return;
    openLineup(core::wholeNumber(Fgrid->TextMatrix(row, 1)), Fgrid->TextMatrix(row, 3));
}

void FormGare::BtnEliGara_Click()
{
    const int row = selectedGameRow();
    if (row == 0)
        return;
    const QString id = Fgrid->TextMatrix(row, 1);
    if (ui::msgBox(QStringLiteral("GARA ID N° ") + id + QStringLiteral(" ?"),
                   ui::YesNo | ui::Question | ui::DefaultSecond,
                   ui::texts::confirmDeletionTitle) != ui::Answer::Yes)
        return;
    bool found = false;
    if (!ui::guard([&] { found = data::deleteGame(core::wholeNumber(id)); }))
        return;
    // Refreshed either way: a game that has gone must not stay on the list.
    refreshGames();
    if (found)
        ui::msgBox(QStringLiteral("GARA eliminata con successo"), ui::Information, QString());
    else
        ui::msgBox(ui::texts::duringTheDeletion, ui::OkOnly, ui::texts::errorTitle);
}

void FormGare::BtnChiudi_Click()
{
    close();
}

// The season's standard formation is shown before every new game, so that the new game's
// line-up, which starts from it, can be adjusted first.
void FormGare::showSeasonFormation()
{
    FrmFormazione formation(this);
    ui::showModal(formation);
}

void FormGare::openLineup(int idGara, const QString &description)
{
    FrmFormGara lineup(this);
    lineup.Carica(idGara, description);
    ui::showModal(lineup);
}
