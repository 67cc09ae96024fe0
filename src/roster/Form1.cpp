#include "roster/Form1.h"

#include "app/Module1.h"
#include "app/Version.h"
#include "core/Numbers.h"
#include "core/Season.h"
#include "data/Championships.h"
#include "data/Roster.h"
#include "data/Seasons.h"
#include "games/FormGare.h"
#include "lineups/FrmFormazione.h"
#include "printing/FormStampa.h"
#include "registry/FormAna.h"
#include "registry/FrmAna.h"
#include "roster/FrmInsGio.h"
#include "settings/FrmCampionati.h"
#include "settings/FrmStagioni.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    buildMenus();
    buildWindow();
    connectControls();
    Form_Load();
}

void Form1::buildMenus()
{
    mnuImpostazioni = menuBar()->addMenu(QStringLiteral("&Impostazioni"));
    mnuImpostazioni->setObjectName(QStringLiteral("mnuImpostazioni"));
    mnuStag = ui::named(mnuImpostazioni->addAction(QStringLiteral("&Stagioni")), "mnuStag");
    mnuCamp = ui::named(mnuImpostazioni->addAction(QStringLiteral("&Campionati")), "mnuCamp");
    mnuSchede = menuBar()->addMenu(QStringLiteral("&Schede"));
    mnuSchede->setObjectName(QStringLiteral("mnuSchede"));
    mnuAna = ui::named(mnuSchede->addAction(QStringLiteral("&Anagrafica")), "mnuAna");
    mnuFormazione = ui::named(mnuSchede->addAction(QStringLiteral("&Formazione")), "mnuFormazione");
}

void Form1::buildWindow()
{
    auto *central = new QWidget(this);
    setCentralWidget(central);
    auto *outer = new QVBoxLayout(central);

    // Top: the selection on the left, the roster buttons on the right.
    ComboStag = ui::named(new QComboBox, "ComboStag");
    ComboCamp = ui::named(new QComboBox, "ComboCamp");
    ComboIdCamp = ui::named(new QComboBox(central), "ComboIdCamp");
    ComboIdCamp->hide();
    ComboStag->setMinimumWidth(ui::px(1500));
    ComboCamp->setMinimumWidth(ui::px(2700));
    auto *lblStag = ui::named(new QLabel(QStringLiteral("STAGIONE")), "LblStag");
    auto *lblCamp = ui::named(new QLabel(QStringLiteral("CAMPIONATO")), "LblCamp");
    BtnInsGio = ui::button("BtnInsGio", ui::texts::insertCaption,
                           QStringLiteral("Inserisci Giocatore in questa stagione"));
    BtnElimina = ui::button("BtnElimina", ui::texts::deleteCaption,
                            QStringLiteral("Elimina Giocatore da questa stagione"));
    BtnImporta = ui::button("BtnImporta", QStringLiteral("&Importa"),
                            QStringLiteral("Importa Giocatore da altra stagione"));
    BtnImporta->setEnabled(false);

    auto *top = new QHBoxLayout;
    auto *stagBox = new QVBoxLayout;
    stagBox->addWidget(lblStag);
    stagBox->addWidget(ComboStag);
    auto *campBox = new QVBoxLayout;
    campBox->addWidget(lblCamp);
    campBox->addWidget(ComboCamp);
    top->addLayout(stagBox);
    top->addLayout(campBox);
    top->addStretch();
    top->addWidget(BtnInsGio, 0, Qt::AlignBottom);
    top->addWidget(BtnElimina, 0, Qt::AlignBottom);
    top->addWidget(BtnImporta, 0, Qt::AlignBottom);
    outer->addLayout(top);

    // Middle: the card on the left, sort options and roster on the right.
    Opt_0 = ui::named(new QRadioButton(QStringLiteral("Per nome")), "Opt_0");
    Opt_1 = ui::named(new QRadioButton(QStringLiteral("Per età")), "Opt_1");
    Opt_2 = ui::named(new QRadioButton(QStringLiteral("Per ruolo")), "Opt_2");
    Opt_0->setProperty("tag", QStringLiteral("nome"));
    Opt_1->setProperty("tag", QStringLiteral("datanas"));
    Opt_2->setProperty("tag", QStringLiteral("ruolo"));
    Opt_0->setChecked(true);
    Fgrid = ui::named(new Grid(1, 1), "Fgrid");

    auto *options = new QHBoxLayout;
    options->addWidget(Opt_0);
    options->addWidget(Opt_1);
    options->addWidget(Opt_2);
    options->addStretch();
    auto *right = new QVBoxLayout;
    right->addLayout(options);
    right->addWidget(Fgrid, 1);
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildCard());
    middle->addLayout(right, 1);
    outer->addLayout(middle, 1);

    // Bottom row.
    BtnAna = ui::button("BtnAna", QStringLiteral(" &ANAGRAFICA"));
    BtnGare = ui::button("BtnGare", QStringLiteral("&GARE"));
    BtnAnt = ui::button("BtnAnt", QString(), QStringLiteral("Anteprima di Stampa"));
    BtnAnt->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    BtnStampa = ui::button("BtnStampa", QStringLiteral("&STAMPA"));
    BtnSalva = ui::button("BtnSalva", ui::texts::saveCaption);
    BtnSalva->setEnabled(false);
    BtnEsci = ui::button("BtnEsci", QStringLiteral("&ESCI"));
    auto *bottom = new QHBoxLayout;
    for (QPushButton *b : {BtnAna, BtnGare, BtnAnt, BtnStampa, BtnSalva})
        bottom->addWidget(b);
    bottom->addStretch();
    bottom->addWidget(BtnEsci);
    outer->addLayout(bottom);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

QWidget *Form1::buildCard()
{
    auto *card = ui::named(new QWidget, "Card");
    card->setFixedWidth(ui::px(3600));
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;

    auto box = [](const char *name, bool editable, int maxLength = 0) {
        auto *t = ui::named(new QLineEdit, name);
        t->setReadOnly(!editable);
        if (!editable)
            t->setFocusPolicy(Qt::ClickFocus);
        if (maxLength > 0)
            t->setMaxLength(maxLength);
        return t;
    };
    auto addLine = [&](const QString &label, QWidget *field, QWidget *second = nullptr) {
        grid->addWidget(new QLabel(label), line, 0);
        if (second) {
            auto *pair = new QHBoxLayout;
            pair->addWidget(field);
            pair->addWidget(second);
            grid->addLayout(pair, line, 1);
        } else {
            grid->addWidget(field, line, 1);
        }
        ++line;
    };

    TxtId = box("TxtId", false);
    TxtId->setParent(card);
    TxtId->hide();
    TxtNome = box("TxtNome", false);
    ComboRuolo = ui::named(new QComboBox, "ComboRuolo");
    TxtData = box("TxtData", false);
    TxtLuogo = box("TxtLuogo", false);
    TxtPeso = box("TxtPeso", true, 3);
    TxtAltezza = box("TxtAltezza", true, 3);
    TxtPaese = box("TxtPaese", false);
    TxtDoc = box("TxtDoc", false);
    TxtScadenza = box("TxtScadenza", true, 30);
    TxtSocieta = box("TxtSocieta", true, 50);
    TxtPresenze = box("TxtPresenze", false);
    TxtReti = box("TxtReti", false);
    TxtAmm = box("TxtAmm", false);
    TxtEsp = box("TxtEsp", false);
    TxtSqual = box("TxtSqual", true, 2);
    TxtSostA = box("TxtSostA", false);
    TxtSostF = box("TxtSostF", false);
    TxtMin = box("TxtMin", false);

    addLine(QStringLiteral("Nome"), TxtNome);
    addLine(QStringLiteral("Ruolo"), ComboRuolo);
    addLine(QStringLiteral("Data Nascita"), TxtData);
    addLine(QStringLiteral("Luogo Nascita"), TxtLuogo);
    addLine(QStringLiteral("Peso ed altezza"), TxtPeso, TxtAltezza);
    addLine(QStringLiteral("Nazionalità"), TxtPaese);
    addLine(QStringLiteral("Documento"), TxtDoc);
    addLine(QStringLiteral("Scad.contratto"), TxtScadenza);
    addLine(QStringLiteral("Società preced."), TxtSocieta);
    // Presences and goals share one line, each with its own label.
    {
        auto *pair = new QHBoxLayout;
        pair->addWidget(TxtPresenze);
        pair->addWidget(new QLabel(QStringLiteral("Reti")));
        pair->addWidget(TxtReti);
        grid->addWidget(new QLabel(QStringLiteral("Presenze")), line, 0);
        grid->addLayout(pair, line, 1);
        ++line;
    }
    addLine(QStringLiteral("Ammonizioni"), TxtAmm);
    addLine(QStringLiteral("Espulsioni"), TxtEsp);
    addLine(QStringLiteral("Squalifiche"), TxtSqual);
    addLine(QStringLiteral("Sost.avute"), TxtSostA);
    addLine(QStringLiteral("Sost.fatte"), TxtSostF);
    addLine(QStringLiteral("Min.gioc."), TxtMin);
    grid->setRowStretch(line, 1);
    return card;
}

void Form1::connectControls()
{
    connect(ComboStag, &QComboBox::currentIndexChanged, this, &Form1::ComboStag_Click);
    connect(ComboCamp, &QComboBox::currentIndexChanged, this, &Form1::ComboCamp_Click);
    for (QRadioButton *o : {Opt_0, Opt_1, Opt_2})
        connect(o, &QRadioButton::toggled, this, &Form1::Opt_Click);
    connect(Fgrid, &Grid::Click, this, &Form1::Fgrid_Click);
    connect(Fgrid, &Grid::DblClick, this, &Form1::Fgrid_DblClick);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);

    connect(BtnAna, &QPushButton::clicked, this, &Form1::BtnAna_Click);
    connect(BtnGare, &QPushButton::clicked, this, &Form1::BtnGare_Click);
    connect(BtnInsGio, &QPushButton::clicked, this, &Form1::BtnInsGio_Click);
    connect(BtnElimina, &QPushButton::clicked, this, &Form1::BtnElimina_Click);
    connect(BtnAnt, &QPushButton::clicked, this, &Form1::BtnAnt_Click);
    connect(BtnStampa, &QPushButton::clicked, this, &Form1::BtnStampa_Click);
    connect(BtnSalva, &QPushButton::clicked, this, &Form1::BtnSalva_Click);
    connect(BtnEsci, &QPushButton::clicked, this, &Form1::BtnEsci_Click);
    connect(mnuAna, &QAction::triggered, this, &Form1::mnuAna_Click);
    connect(mnuStag, &QAction::triggered, this, &Form1::mnuStag_Click);
    connect(mnuCamp, &QAction::triggered, this, &Form1::mnuCamp_Click);
    connect(mnuFormazione, &QAction::triggered, this, &Form1::mnuFormazione_Click);

    // One mark for the whole card: any change of an editable box or of the role.
    for (QLineEdit *box : {TxtPeso, TxtAltezza, TxtScadenza, TxtSocieta, TxtSqual})
        connect(box, &QLineEdit::textChanged, this, &Form1::markCardModified);
    connect(ComboRuolo, &QComboBox::currentIndexChanged, this, &Form1::markCardModified);
}

void Form1::Form_Load()
{
    resize(ui::px(12000), ui::px(9000));
    ui::centre(*this);
    setWindowTitle(QStringLiteral("VELMORA - Versione ") + app::version());

    Module1::selectedSeason = 0;
    Module1::selectedChampionship = 0;
    Module1::selectedSeasonName.clear();
    Module1::selectedChampionshipName.clear();

    ComboRuolo->addItems(
        {QStringLiteral("P"), QStringLiteral("D"), QStringLiteral("C"), QStringLiteral("A")});
    ComboRuolo->setCurrentIndex(-1);

    fillSeasonSelector();
    fillChampionshipSelector();
    m_cardModified = false;
    Timer1->start();
}

void Form1::fillSeasonSelector()
{
    QList<int> seasons;
    if (!ui::guard([&] { seasons = data::seasons(); }))
        return;
    {
        const QSignalBlocker block(ComboStag);
        ComboStag->clear();
        for (int season : seasons)
            ComboStag->addItem(core::seasonLabel(season));
        ComboStag->setCurrentIndex(-1);
    }
    if (ComboStag->count() == 0) {
        // No season left: nothing may go on pointing at one that no longer exists.
        Module1::selectedSeasonName.clear();
        Module1::selectedSeason = 0;
        refreshRoster();
        return;
    }
    {
        const QSignalBlocker block(ComboStag);
        ComboStag->setCurrentIndex(ComboStag->count() - 1);
    }
    ComboStag_Click();
    Module1::selectedSeasonName = ComboStag->currentText();
    Module1::selectedSeason = core::seasonNumber(Module1::selectedSeasonName);
    refreshRoster();
}

void Form1::fillChampionshipSelector()
{
    QList<data::Championship> list;
    if (!ui::guard([&] { list = data::championships(); }))
        return;
    {
        const QSignalBlocker block(ComboCamp);
        ComboCamp->clear();
        ComboIdCamp->clear();
        for (const data::Championship &c : list) {
            ComboIdCamp->addItem(QString::number(c.id));
            ComboCamp->addItem(c.name);
        }
        ComboCamp->setCurrentIndex(-1);
    }
    if (ComboIdCamp->count() == 0) {
        // No championship left: enrolments and games must not go to a deleted id.
        Module1::selectedChampionshipName.clear();
        Module1::selectedChampionship = 0;
        refreshRoster();
        return;
    }
    {
        const QSignalBlocker block(ComboCamp);
        ComboCamp->setCurrentIndex(0);
    }
    ComboCamp_Click();
    ComboIdCamp->setCurrentIndex(0);
    Module1::selectedChampionshipName = ComboCamp->currentText();
    Module1::selectedChampionship = core::wholeNumber(ComboIdCamp->currentText());
    refreshRoster();
}

void Form1::refreshRoster()
{
    data::RosterOrder order = data::RosterOrder::Name;
    if (Opt_1->isChecked())
        order = data::RosterOrder::Age;
    else if (Opt_2->isChecked())
        order = data::RosterOrder::Role;

    ui::guard([&] {
        showRoster(data::roster(Module1::selectedSeason, Module1::selectedChampionship, order));
        setRosterHeaders();
    });
    clearCard();
}

void Form1::setRosterHeaders()
{
    struct Column {
        int col;
        const char *header; // nullptr: not written
        int width;
    };
    static const Column columns[] = {
        {0, "", 350},        {1, nullptr, 0},  {2, "Nome", 2300}, {3, "Nato il", 1100},
        {4, "R.", 250},      {5, "Pres", 450}, {6, "Reti", 450},  {7, "Amm", 450},
        {8, "Esp.", 450},    {9, "Squ.", 450}, {10, "S.av", 450}, {11, "S.fa", 450},
        {12, "Min.g.", 550},
    };
    for (const Column &c : columns) {
        if (c.header)
            Fgrid->SetTextMatrix(0, c.col, QString::fromUtf8(c.header));
        Fgrid->ColWidthTwips(c.col, c.width);
    }
}

bool Form1::askSaveCard()
{
    if (TxtId->text().isEmpty() || !m_cardModified)
        return false;
    if (ui::msgBox(ui::texts::saveChanges, ui::YesNo | ui::Question, ui::texts::noticeTitle) ==
        ui::Answer::Yes)
        saveCard();
    return true;
}

void Form1::ComboStag_Click()
{
    if (ComboStag->currentIndex() < 0)
        return;
    Module1::selectedSeasonName = ComboStag->currentText();
    Module1::selectedSeason = core::seasonNumber(Module1::selectedSeasonName);
    askSaveCard();
    refreshRoster();
}

void Form1::ComboCamp_Click()
{
    if (ComboCamp->currentIndex() < 0)
        return;
    ComboIdCamp->setCurrentIndex(ComboCamp->currentIndex());
    Module1::selectedChampionshipName = ComboCamp->currentText();
    Module1::selectedChampionship = core::wholeNumber(ComboIdCamp->currentText());
    askSaveCard();
    refreshRoster();
}

// Only the option that becomes selected refreshes, not the one it replaces.
void Form1::Opt_Click(bool selected)
{
    if (selected)
        refreshRoster();
}

void Form1::Fgrid_Click()
{
    if (Fgrid->Rows() == 1)
        return;
    const int row = Fgrid->Row();
    askSaveCard();
    loadCard(row);
}

void Form1::Fgrid_DblClick()
{
    BtnAna_Click();
}

void Form1::Timer1_Timer()
{
    BtnSalva->setEnabled(!TxtId->text().isEmpty() && m_cardModified);
}

void Form1::BtnAna_Click()
{
    if (Fgrid->Rows() == 1) {
        ui::msgBox(ui::texts::noPlayers, ui::Information, ui::texts::noticeTitle);
        return;
    }
    if (TxtNome->text().isEmpty()) {
        ui::msgBox(ui::texts::choosePlayerFirst, ui::Information, ui::texts::noticeTitle);
        return;
    }
    FrmAna editor(this);
    QString name = TxtNome->text();
    editor.Carica(name);
    ui::showModal(editor);
    refreshRoster();
}

void Form1::mnuAna_Click()
{
    FormAna registry(this);
    ui::showModal(registry);
    refreshRoster();
}

void Form1::BtnGare_Click()
{
    // Games stored under season or championship 0 would show nowhere else.
    if (!selectionMade())
        return;
    FormGare games(this);
    ui::showModal(games);
    refreshRoster();
}

// Rows written under season or championship 0 would show in no window: the windows that
// work in one season and championship ask for both first.
bool Form1::selectionMade()
{
    if (Module1::selectedSeason != 0 && Module1::selectedChampionship != 0)
        return true;
    ui::msgBox(ui::texts::chooseSeasonAndChampionship, ui::Information, ui::texts::noticeTitle);
    return false;
}

void Form1::BtnInsGio_Click()
{
    if (!selectionMade())
        return;
    FrmInsGio insert(this);
    ui::showModal(insert);
    refreshRoster();
}

void Form1::mnuStag_Click()
{
    FrmStagioni seasons(this);
    ui::showModal(seasons);
    fillSeasonSelector();
}

void Form1::mnuCamp_Click()
{
    FrmCampionati championships(this);
    ui::showModal(championships);
    fillChampionshipSelector();
}

void Form1::mnuFormazione_Click()
{
    // Without both there is no roster whose formation could be kept.
    if (!selectionMade())
        return;
    FrmFormazione formation(this);
    ui::showModal(formation);
}

void Form1::BtnAnt_Click()
{
    Module1::reportKind = QStringLiteral("Giocatori");
    Module1::printFlag = false;
    FormStampa preview(*Fgrid, this);
    ui::showModal(preview);
}

void Form1::BtnStampa_Click()
{
    Module1::reportKind = QStringLiteral("Giocatori");
    Module1::printFlag = true;
    // The window prints while it loads; it is never shown and goes when this returns.
    FormStampa print(*Fgrid, this);
}

void Form1::BtnSalva_Click()
{
    saveCard();
}

void Form1::BtnElimina_Click()
{
    removePlayer();
}

void Form1::BtnEsci_Click()
{
    askSaveCard();
    close();
}
