#include "roster/Form1.h"

#include "app/Module1.h"
#include "app/Version.h"
#include "core/Numbers.h"
#include "core/Season.h"
#include "data/Championships.h"
#include "data/Database.h"
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

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSettings>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

Form1::Form1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Form1"));
    buildMenus();
    buildWindow();
    connectControls();
    qApp->installEventFilter(this); // Alt+S, whichever control has the focus
    Form_Load();
}

void Form1::connectControls()
{
    connect(ComboStag, &QComboBox::currentIndexChanged, this, &Form1::ComboStag_Click);
    connect(ComboCamp, &QComboBox::currentIndexChanged, this, &Form1::ComboCamp_Click);
    for (QRadioButton *o : {Opt_0, Opt_1, Opt_2})
        connect(o, &QRadioButton::toggled, this, &Form1::Opt_Click);
    connect(Fgrid, &Grid::Click, this, &Form1::Fgrid_Click);
    connect(Fgrid, &Grid::KeyMove, this, &Form1::Fgrid_Click);
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
    connect(mnuInfo, &QAction::triggered, this, &Form1::mnuInfo_Click);

    // One mark for the whole card: any change of an editable box or of the role.
    for (QLineEdit *box : {TxtPeso, TxtAltezza, TxtScadenza, TxtSocieta, TxtSqual})
        connect(box, &QLineEdit::textChanged, this, &Form1::markCardModified);
    connect(ComboRuolo, &QComboBox::currentIndexChanged, this, &Form1::markCardModified);
}

void Form1::Form_Load()
{
    resize(ui::px(12000), ui::px(9000));
    ui::centre(*this);
    restoreWindowPlace();
    setWindowTitle(QStringLiteral("VELMORA - Versione ") + app::version());
    // Headers and widths once: widths the user drags then stay while the application runs.
    Fgrid->SetCols(13);
    setRosterHeaders();

    Module1::selectedSeason = 0;
    Module1::selectedChampionship = 0;
    Module1::selectedSeasonName.clear();
    Module1::selectedChampionshipName.clear();

    m_sortOption = Opt_0;
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
    });
    LblInizio->setVisible(Module1::selectedSeason == 0 || Module1::selectedChampionship == 0);
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
    Fgrid->StretchCol(2); // the name takes the room the window has to spare
    const std::pair<int, const char *> tips[] = {{2, "Nome"},
                                                 {3, "Data di nascita"},
                                                 {4, "Ruolo"},
                                                 {5, "Presenze"},
                                                 {6, "Reti"},
                                                 {7, "Ammonizioni"},
                                                 {8, "Espulsioni"},
                                                 {9, "Squalifiche"},
                                                 {10, "Sostituzioni avute"},
                                                 {11, "Sostituzioni fatte"},
                                                 {12, "Minuti giocati"}};
    for (const auto &[col, tip] : tips)
        Fgrid->SetColTip(col, QString::fromUtf8(tip));
}

// Before anything replaces or clears a card with changes: the user saves them, leaves them,
// or stays. False when the card must stay as it is (cancelled, or the save failed).
bool Form1::leaveCard()
{
    if (TxtId->text().isEmpty() || !m_cardModified)
        return true;
    switch (ui::msgBox(ui::texts::saveChanges, ui::YesNoCancel | ui::Question,
                       ui::texts::noticeTitle)) {
    case ui::Answer::Yes:
        return saveCard();
    case ui::Answer::No:
        m_cardModified = false;
        BtnSalva->setEnabled(false);
        return true;
    default:
        return false;
    }
}

void Form1::ComboStag_Click()
{
    if (ComboStag->currentIndex() < 0)
        return;
    if (!leaveCard()) {
        // The user stays with the card: the selection goes back to the season it belongs to.
        const QSignalBlocker block(ComboStag);
        ComboStag->setCurrentIndex(ComboStag->findText(Module1::selectedSeasonName));
        return;
    }
    Module1::selectedSeasonName = ComboStag->currentText();
    Module1::selectedSeason = core::seasonNumber(Module1::selectedSeasonName);
    refreshRoster();
}

void Form1::ComboCamp_Click()
{
    if (ComboCamp->currentIndex() < 0)
        return;
    if (!leaveCard()) {
        const QSignalBlocker block(ComboCamp);
        ComboCamp->setCurrentIndex(ComboIdCamp->currentIndex());
        return;
    }
    ComboIdCamp->setCurrentIndex(ComboCamp->currentIndex());
    Module1::selectedChampionshipName = ComboCamp->currentText();
    Module1::selectedChampionship = core::wholeNumber(ComboIdCamp->currentText());
    refreshRoster();
}

// Only the option that becomes selected refreshes, not the one it replaces.
void Form1::Opt_Click(bool selected)
{
    if (!selected)
        return;
    if (!leaveCard()) {
        const QSignalBlocker blockOld(m_sortOption);
        const QSignalBlocker block0(Opt_0), block1(Opt_1), block2(Opt_2);
        m_sortOption->setChecked(true);
        return;
    }
    m_sortOption = Opt_0->isChecked() ? Opt_0 : Opt_1->isChecked() ? Opt_1 : Opt_2;
    refreshRoster();
}

// A click on a row, or a move of the keyboard onto it.
void Form1::Fgrid_Click()
{
    if (Fgrid->Rows() == 1)
        return;
    const int row = Fgrid->Row();
    if (!leaveCard()) {
        // The highlight goes back to the player whose card stays.
        Fgrid->SetRow(rowOf(TxtId->text()));
        return;
    }
    loadCard(row);
}

int Form1::rowOf(const QString &idGio) const
{
    for (int r = 1; r < Fgrid->Rows(); ++r)
        if (Fgrid->TextMatrix(r, 1) == idGio)
            return r;
    return 0;
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
    if (!leaveCard())
        return;
    FrmAna editor(this);
    QString name = TxtNome->text();
    editor.Carica(name);
    ui::showModal(editor);
    refreshRoster();
}

void Form1::mnuAna_Click()
{
    if (!leaveCard())
        return;
    FormAna registry(this);
    ui::showModal(registry);
    refreshRoster();
}

void Form1::BtnGare_Click()
{
    // Games stored under season or championship 0 would show nowhere else.
    if (!selectionMade() || !leaveCard())
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
    if (!selectionMade() || !leaveCard())
        return;
    FrmInsGio insert(this);
    ui::showModal(insert);
    refreshRoster();
}

void Form1::mnuStag_Click()
{
    if (!leaveCard())
        return;
    FrmStagioni seasons(this);
    ui::showModal(seasons);
    fillSeasonSelector();
}

void Form1::mnuCamp_Click()
{
    if (!leaveCard())
        return;
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
    if (saveCard())
        Fgrid->setFocus(); // back to the roster, the next player is one key away
}

void Form1::BtnElimina_Click()
{
    removePlayer();
}

void Form1::BtnEsci_Click()
{
    close();
}

// "&ESCI", Ctrl+Q and the close box all come here.
void Form1::closeEvent(QCloseEvent *event)
{
    if (!leaveCard()) {
        event->ignore();
        return;
    }
    rememberWindowPlace();
    event->accept();
}

// "&SALVA", "&STAMPA" and "&Schede" share Alt+S, and an ambiguous mnemonic only moves the
// focus. While the card has changes to save, Alt+S anywhere in this window saves them.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    const bool key = event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (!key || !BtnSalva->isEnabled() || !watched->isWidgetType() ||
        static_cast<QWidget *>(watched)->window() != this)
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    if (press->key() != Qt::Key_S || press->modifiers() != Qt::AltModifier)
        return false;
    event->accept();
    if (event->type() == QEvent::KeyPress)
        BtnSalva->click();
    return true;
}

void Form1::mnuInfo_Click()
{
    ui::msgBox(QStringLiteral("Velmora versione %1\n\nCartella dei dati:\n%2\n\nQt %3, SQLite %4")
                   .arg(app::version(),
                        QDir::toNativeSeparators(
                            QDir::current().absoluteFilePath(QFileInfo(data::storePath()).path())),
                        QString::fromLatin1(qVersion()), data::engineVersion()),
               ui::Information, QStringLiteral("Informazioni su Velmora"));
}

namespace {
const QString windowPlaceKey = QStringLiteral("finestra/principale");
const QString windowMaximizedKey = QStringLiteral("finestra/ingrandita");
} // namespace

// Where the user left the window last time, unless that is on no screen now.
void Form1::restoreWindowPlace()
{
    const QSettings settings;
    const QRect place = settings.value(windowPlaceKey).toRect();
    if (!place.isValid())
        return;
    for (const QScreen *screen : QGuiApplication::screens())
        if (screen->availableGeometry().intersects(place)) {
            setGeometry(place);
            break;
        }
    if (settings.value(windowMaximizedKey).toBool())
        setWindowState(windowState() | Qt::WindowMaximized);
}

void Form1::rememberWindowPlace()
{
    QSettings settings;
    settings.setValue(windowPlaceKey, normalGeometry());
    settings.setValue(windowMaximizedKey, isMaximized());
}
