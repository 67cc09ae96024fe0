#include "registry/FrmMedica.h"

#include "app/Module1.h"
#include "data/Persons.h"
#include "data/Sql.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString designTitle = QStringLiteral("SCHEDA MEDICO-SANITARIA");

void notFound()
{
    ui::msgBox(QStringLiteral("Durante lettura dati"), ui::OkOnly, ui::texts::errorTitle);
}

QPlainTextEdit *textBox(const char *name)
{
    auto *box = new QPlainTextEdit;
    box->setObjectName(QLatin1String(name));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setTabChangesFocus(true);
    return box;
}

} // namespace

FrmMedica::FrmMedica(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmMedica"));
    setWindowTitle(designTitle);

    LblInf = new QLabel(QStringLiteral("INFORTUNI"));
    LblInf->setObjectName(QStringLiteral("LblInf"));
    TxtInf = textBox("TxtInf");
    LblCure = new QLabel(QStringLiteral("CURE"));
    LblCure->setObjectName(QStringLiteral("LblCure"));
    TxtCure = textBox("TxtCure");
    BtnAnnulla = ui::button("BtnAnnulla", ui::texts::cancelCaption);
    BtnSalva = ui::button("BtnSalva", ui::texts::saveCaption);

    auto *layout = new QGridLayout(this);
    layout->addWidget(LblInf, 0, 0);
    layout->addWidget(LblCure, 0, 1);
    layout->addWidget(TxtInf, 1, 0);
    layout->addWidget(TxtCure, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnAnnulla);
    buttons->addWidget(BtnSalva);
    layout->addLayout(buttons, 2, 0, 1, 2);

    connect(BtnSalva, &QPushButton::clicked, this, &FrmMedica::BtnSalva_Click);
    connect(BtnAnnulla, &QPushButton::clicked, this, &FrmMedica::BtnAnnulla_Click);

    ui::makeDefault(BtnSalva); // Return saves: it loses nothing
    Form_Load();
}

void FrmMedica::Form_Load()
{
    resize(ui::px(9000), ui::px(6000));
    ui::centre(*this);
}

void FrmMedica::Carica(int Id, const QString &Nome)
{
    m_id = Id;
    setWindowTitle(designTitle + QStringLiteral(" - ") + Nome + QStringLiteral(" (") +
                   Module1::selectedSeasonName + QStringLiteral(")"));
    ui::guard([&] {
        const std::optional<data::MedicalRecord> record =
            data::medicalRecord(m_id, Module1::selectedSeason);
        if (!record) {
            notFound();
            return;
        }
        if (!record->injuries.isNull())
            TxtInf->setPlainText(record->injuries.toString());
        if (!record->treatments.isNull())
            TxtCure->setPlainText(record->treatments.toString());
    });
}

void FrmMedica::BtnSalva_Click()
{
    bool saved = false;
    const data::MedicalRecord record{data::textOrNull(TxtInf->toPlainText()),
                                     data::textOrNull(TxtCure->toPlainText())};
    if (!ui::guard([&] { saved = data::saveMedicalRecord(m_id, Module1::selectedSeason, record); }))
        return;
    if (!saved) {
        notFound();
        return;
    }
    accept();
}

void FrmMedica::BtnAnnulla_Click()
{
    reject();
}
