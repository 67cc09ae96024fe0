#include "registry/FormAna.h"

#include "data/Persons.h"
#include "registry/FrmAna.h"
#include "registry/Photo.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QGridLayout>
#include <QListWidget>
#include <QPushButton>

namespace {

QString countText(int count)
{
    return count == 1 ? QStringLiteral("1 giocatore")
                      : QString::number(count) + QStringLiteral(" giocatori");
}

} // namespace

FormAna::FormAna(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAna"));
    setWindowTitle(ui::texts::registryTitle);

    List1 = new QListWidget;
    List1->setObjectName(QStringLiteral("List1"));
    QFont bold = List1->font();
    bold.setBold(true);
    List1->setFont(bold);
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setMinimumSize(ui::px(4500), ui::px(6000));
    BtnApri = ui::button("BtnApri", QStringLiteral("&APRI"));
    BtnElimina = ui::button("BtnElimina", QStringLiteral("&ELIMINA"));
    BtnNuovo = ui::button("BtnNuovo", QStringLiteral("Nuovo &GIOCATORE"));
    BtnChiudi = ui::button("BtnChiudi", ui::texts::closeCaption);

    auto *layout = new QGridLayout(this);
    layout->addWidget(List1, 0, 0, 3, 1);
    layout->addWidget(BtnApri, 0, 1);
    layout->addWidget(BtnElimina, 1, 1);
    layout->setRowStretch(2, 1);
    layout->addWidget(BtnNuovo, 3, 0, Qt::AlignLeft);
    layout->addWidget(BtnChiudi, 3, 1);

    connect(BtnApri, &QPushButton::clicked, this, &FormAna::BtnApri_Click);
    connect(List1, &QListWidget::itemDoubleClicked, this, &FormAna::List1_DblClick);
    connect(BtnNuovo, &QPushButton::clicked, this, &FormAna::BtnNuovo_Click);
    connect(BtnElimina, &QPushButton::clicked, this, &FormAna::BtnElimina_Click);
    connect(BtnChiudi, &QPushButton::clicked, this, &FormAna::BtnChiudi_Click);
    // Return opens the selected name, and does nothing while none is selected.
    connect(List1, &QListWidget::itemSelectionChanged, this,
            [this] { BtnApri->setDefault(!selectedName().isEmpty()); });

    Form_Load();
}

void FormAna::Form_Load()
{
    adjustSize();
    ui::centre(*this);
    refreshList();
}

void FormAna::refreshList()
{
    List1->clear();
    QStringList names;
    ui::guard([&] { names = data::personNames(); });
    List1->addItems(names);
    List1->setCurrentRow(-1);
    setWindowTitle(ui::texts::registryTitle + QStringLiteral(" (") + countText(List1->count()) +
                   QStringLiteral(")"));
}

QString FormAna::selectedName() const
{
    const QListWidgetItem *item = List1->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void FormAna::openEditor(QString name)
{
    const QStringList before = allNames();
    FrmAna editor(this);
    editor.Carica(name);
    ui::showModal(editor);
    refreshList();

    // The user goes on where they were: on the person just written (new or renamed), else on
    // the name that was opened.
    QString current = name;
    for (const QString &n : allNames())
        if (!before.contains(n))
            current = n;
    const QList<QListWidgetItem *> found = List1->findItems(current, Qt::MatchExactly);
    if (!current.isEmpty() && !found.isEmpty()) {
        List1->setCurrentItem(found.first());
        List1->scrollToItem(found.first());
    }
    List1->setFocus();
}

QStringList FormAna::allNames() const
{
    QStringList names;
    for (int i = 0; i < List1->count(); ++i)
        names << List1->item(i)->text();
    return names;
}

void FormAna::BtnApri_Click()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        ui::msgBox(ui::texts::choosePlayerFirst, ui::Exclamation, QString());
        return;
    }
    openEditor(name);
}

void FormAna::List1_DblClick()
{
    BtnApri_Click();
}

void FormAna::BtnNuovo_Click()
{
    openEditor(QString());
}

void FormAna::BtnElimina_Click()
{
    const QString name = selectedName();
    if (name.isEmpty()) {
        ui::msgBox(ui::texts::choosePlayerFirst, ui::Exclamation, QString());
        return;
    }

    bool enrolled = false;
    if (!ui::guard([&] { enrolled = data::isEnrolled(name); }))
        return;
    if (enrolled) {
        ui::msgBox(QStringLiteral("Il Giocatore è già inserito in una Stagione"), ui::Information,
                   QStringLiteral("Impossibile eliminarlo"));
        return;
    }

    if (ui::msgBox(QStringLiteral("Giocatore '") + name.toUpper() + QStringLiteral("' ?"),
                   ui::YesNo | ui::Question | ui::DefaultSecond,
                   ui::texts::confirmDeletionTitle) != ui::Answer::Yes)
        return;

    std::optional<int> idAna;
    if (!ui::guard([&] { idAna = data::deletePerson(name); }))
        return;
    if (!idAna) {
        ui::msgBox(QStringLiteral("Errore durante l'eliminazione"), ui::Critical, QString());
        return;
    }
    // New persons are numbered greatest + 1: a photo left behind would turn up on the
    // next person created. The person is gone either way; success is told only when the
    // photo went too.
    const bool photoRemoved = registry::removeFile(registry::photoFile(*idAna));
    refreshList();
    if (photoRemoved)
        ui::msgBox(QStringLiteral("Eliminazione effettuata con successo"), ui::Information,
                   QString());
}

void FormAna::BtnChiudi_Click()
{
    accept();
}
