// The season card and the roster's figures: the parts of the main window that read and
// write one player's season.
#include "roster/Form1.h"

#include "core/Dates.h"
#include "core/Numbers.h"
#include "data/Roster.h"
#include "data/Sql.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// The roster with each player's figures, birth dates read as Italians read them.
void Form1::showRoster(const QList<data::RosterRow> &players)
{
    static const QStringList headers{"IdGio", "Nome", "Nato il", "R.",   "Pres", "Reti",
                                     "Amm",   "Esp.", "Squ.",    "S.av", "S.fa", "Min.g."};
    QList<QStringList> rows;
    rows.reserve(players.size());
    for (const data::RosterRow &p : players) {
        QString born = data::text(p.born);
        if (!born.isEmpty()) {
            const QDate date = core::parseBirthDate(born);
            if (date.isValid())
                born = core::formatDate(date);
        }
        const data::PlayerFigures &f = p.figures;
        rows.append({QString::number(p.idGio), p.name, born, p.role, QString::number(f.presences),
                     QString::number(f.goals), QString::number(f.cautions),
                     QString::number(f.sendingsOff), data::text(p.suspensions),
                     QString::number(f.substituted), QString::number(f.cameOn),
                     QString::number(f.minutes)});
    }
    Fgrid->FillRows(headers, rows);
}

void Form1::clearCard()
{
    TxtId->clear();
    TxtNome->clear();
    ComboRuolo->setCurrentIndex(-1);
    for (QLineEdit *box :
         {TxtData, TxtLuogo, TxtPeso, TxtAltezza, TxtPaese, TxtDoc, TxtScadenza, TxtSocieta,
          TxtPresenze, TxtReti, TxtAmm, TxtEsp, TxtSqual, TxtSostA, TxtSostF, TxtMin})
        box->clear();
    m_cardModified = false;
    BtnSalva->setEnabled(false);
    setCardEditable(false);
}

// The season data can be typed only while a player is loaded.
void Form1::setCardEditable(bool editable)
{
    for (QWidget *w : std::initializer_list<QWidget *>{ComboRuolo, TxtPeso, TxtAltezza, TxtScadenza,
                                                       TxtSocieta, TxtSqual})
        w->setEnabled(editable);
}

void Form1::loadCard(int row)
{
    TxtId->setText(Fgrid->TextMatrix(row, 1));
    TxtNome->setText(Fgrid->TextMatrix(row, 2));
    TxtData->setText(Fgrid->TextMatrix(row, 3));
    TxtPresenze->setText(Fgrid->TextMatrix(row, 5));
    TxtReti->setText(Fgrid->TextMatrix(row, 6));
    TxtAmm->setText(Fgrid->TextMatrix(row, 7));
    TxtEsp->setText(Fgrid->TextMatrix(row, 8));
    TxtSostA->setText(Fgrid->TextMatrix(row, 10));
    TxtSostF->setText(Fgrid->TextMatrix(row, 11));
    TxtMin->setText(Fgrid->TextMatrix(row, 12));

    ui::guard([&] {
        const std::optional<data::PersonCard> person = data::personCard(TxtNome->text());
        if (!person) {
            ui::msgBox(QStringLiteral("Durante lettura dati anagrafici"), ui::OkOnly,
                       ui::texts::errorTitle);
            return;
        }
        TxtLuogo->setText(person->place);
        TxtPaese->setText(person->country);
        TxtDoc->setText(person->document);

        const std::optional<data::SeasonData> season =
            data::seasonData(core::wholeNumber(TxtId->text()));
        if (!season) {
            ui::msgBox(QStringLiteral("Durante lettura dati giocatore"), ui::OkOnly,
                       ui::texts::errorTitle);
            return;
        }
        ComboRuolo->setCurrentIndex(ComboRuolo->findText(data::text(season->role)));
        TxtPeso->setText(data::text(season->weight));
        TxtAltezza->setText(data::text(season->height));
        TxtScadenza->setText(data::text(season->expiry));
        TxtSocieta->setText(data::text(season->previousClub));
        TxtSqual->setText(season->suspensions.isNull() ? QStringLiteral("0")
                                                       : season->suspensions.toString());
        m_cardModified = false;
        BtnSalva->setEnabled(false);
        setCardEditable(true);
    });
}

// True when the card's data are stored.
bool Form1::saveCard()
{
    const int id = core::wholeNumber(TxtId->text());
    if (id == 0)
        return false;

    auto number = [](const QLineEdit *box) {
        return box->text().isEmpty() ? QVariant() : QVariant(core::leadingNumber(box->text()));
    };
    data::SeasonData values;
    values.role =
        ComboRuolo->currentIndex() >= 0 ? QVariant(ComboRuolo->currentText()) : QVariant();
    values.weight = number(TxtPeso);
    values.height = number(TxtAltezza);
    values.expiry = data::textOrNull(TxtScadenza->text());
    values.previousClub = data::textOrNull(TxtSocieta->text());
    values.suspensions = core::wholeNumber(TxtSqual->text());

    bool saved = false;
    ui::guard([&] {
        if (!data::saveSeasonData(id, values)) {
            ui::msgBox(QStringLiteral("Durante salvataggio dati giocatore"), ui::OkOnly,
                       ui::texts::errorTitle);
            return;
        }
        saved = true;
        m_cardModified = false;
        BtnSalva->setEnabled(false);
        showSavedInRoster(id);
    });
    return saved;
}

// The roster row shows what was stored at once, without waiting for a refresh.
void Form1::showSavedInRoster(int idGio)
{
    const int row = rowOf(QString::number(idGio));
    const std::optional<data::SeasonData> stored = data::seasonData(idGio);
    if (row == 0 || !stored)
        return;
    Fgrid->SetTextMatrix(row, 4, data::text(stored->role));
    Fgrid->SetTextMatrix(row, 9, data::text(stored->suspensions));
}

void Form1::removePlayer()
{
    if (Fgrid->Rows() == 1) {
        ui::msgBox(ui::texts::noPlayers, ui::Information, ui::texts::noticeTitle);
        return;
    }
    const int row = qMax(1, Fgrid->Row());
    const QString name = Fgrid->TextMatrix(row, 2);
    if (ui::msgBox(QStringLiteral("Eliminazione Giocatore ") + name + QStringLiteral(" ?"),
                   ui::YesNo | ui::Question | ui::DefaultSecond,
                   QStringLiteral("CONFERMI")) != ui::Answer::Yes)
        return;
    const int id = core::wholeNumber(Fgrid->TextMatrix(row, 1));

    data::RemoveResult result = data::RemoveResult::NotFound;
    if (!ui::guard([&] { result = data::removeEnrolment(id); }))
        return; // the store refused: roster and card stay as they were
    const QString refused = QStringLiteral("Impossibile procedere");
    switch (result) {
    case data::RemoveResult::InFormation:
        ui::msgBox(QStringLiteral("Il Giocatore è presente nella Formazione"), ui::Information,
                   refused);
        break;
    case data::RemoveResult::InGames:
        ui::msgBox(QStringLiteral("Il Giocatore è presente nelle GARE"), ui::Information, refused);
        break;
    case data::RemoveResult::NotFound:
        ui::msgBox(ui::texts::duringTheDeletion, ui::OkOnly, ui::texts::errorTitle);
        break;
    case data::RemoveResult::Removed:
        refreshRoster();
        break;
    }
}

void Form1::markCardModified()
{
    m_cardModified = true;
    // At once, so that Alt+S right after typing saves.
    BtnSalva->setEnabled(!TxtId->text().isEmpty());
}
