#include "roster/FrmInsGio.h"

#include "app/Module1.h"
#include "core/Numbers.h"
#include "data/Enrolment.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

FrmInsGio::FrmInsGio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmInsGio"));
    setWindowTitle(QStringLiteral("INSERIMENTO IN STAGIONE"));

    Label1 = new QLabel(QStringLiteral("Seleziona GIOCATORE da inserire"));
    Label1->setObjectName(QStringLiteral("Label1"));
    ComboGio = new QComboBox;
    ComboGio->setObjectName(QStringLiteral("ComboGio"));
    ComboGio->setMinimumWidth(ui::px(4500));
    ComboId = new QComboBox(this);
    ComboId->setObjectName(QStringLiteral("ComboId"));
    ComboId->hide();
    BtnOK = new QPushButton(QStringLiteral("&OK"));
    BtnOK->setObjectName(QStringLiteral("BtnOK"));
    BtnAnnulla = new QPushButton(ui::texts::cancelCaption);
    BtnAnnulla->setObjectName(QStringLiteral("BtnAnnulla"));
    BtnOK->setAutoDefault(false);
    BtnAnnulla->setAutoDefault(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0, 1, 2);
    layout->addWidget(ComboGio, 1, 0, 1, 2);
    layout->addWidget(BtnOK, 2, 0);
    layout->addWidget(BtnAnnulla, 2, 1);

    connect(BtnOK, &QPushButton::clicked, this, &FrmInsGio::BtnOK_Click);
    connect(BtnAnnulla, &QPushButton::clicked, this, &FrmInsGio::BtnAnnulla_Click);

    ui::makeDefault(BtnOK); // Return confirms: it loses nothing
    Form_Load();
}

void FrmInsGio::Form_Load()
{
    adjustSize();
    ui::centre(*this);
    fillCandidates();
}

void FrmInsGio::fillCandidates()
{
    ComboGio->clear();
    ComboId->clear();
    QList<data::Candidate> candidates;
    ui::guard([&] {
        candidates =
            data::enrolmentCandidates(Module1::selectedSeason, Module1::selectedChampionship);
    });
    for (const data::Candidate &c : candidates) {
        ComboId->addItem(QString::number(c.idAna));
        ComboGio->addItem(c.name);
    }
    // Nobody is chosen until the user picks a name.
    ComboGio->setCurrentIndex(-1);
    ComboId->setCurrentIndex(-1);
}

void FrmInsGio::BtnOK_Click()
{
    if (ComboGio->currentText().isEmpty()) {
        ui::msgBox(QStringLiteral("Selezionare un GIOCATORE"), ui::Information, QString());
        ComboGio->setFocus();
        return;
    }
    const int idAna = core::wholeNumber(ComboId->itemText(ComboGio->currentIndex()));
    if (!ui::guard(
            [&] { data::enrol(idAna, Module1::selectedSeason, Module1::selectedChampionship); }))
        return;
    accept();
}

void FrmInsGio::BtnAnnulla_Click()
{
    reject();
}
