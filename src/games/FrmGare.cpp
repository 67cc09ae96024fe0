// The game editor's window and its loading.
#include "games/FrmGare.h"

#include "app/Module1.h"
#include "core/Dates.h"
#include "core/Numbers.h"
#include "data/Games.h"
#include "data/Sql.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString newGameTitle = QStringLiteral("VELMORA - INSERIMENTO GARA");
const QString degree = QStringLiteral("°");

QComboBox *dropDown(const char *name, int twips)
{
    auto *combo = ui::named(new QComboBox, name);
    combo->setEditable(false);
    combo->setFixedWidth(ui::px(twips));
    return combo;
}

QLabel *caption(const QString &text)
{
    return new QLabel(text);
}

// Shows a stored number in its list; a value the list lacks (a store written by another
// tool) is added rather than lost, and a Null leaves the list without a choice.
void showValue(QComboBox *combo, const QVariant &value)
{
    if (value.isNull()) {
        combo->setCurrentIndex(-1);
        return;
    }
    const QString text = value.toString();
    int index = combo->findText(text);
    if (index < 0) {
        combo->addItem(text);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

QString minuteText(const QVariant &minute)
{
    return QString::number(minute.isNull() ? 0 : minute.toInt()) + degree;
}

} // namespace

FrmGare::FrmGare(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmGare"));
    setWindowTitle(newGameTitle);
    buildWindow();
    connectControls();
    ui::makeDefault(BtnSalva); // Return saves: it loses nothing
    Form_Load();
}

void FrmGare::buildWindow()
{
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buildHeader());
    layout->addSpacing(ui::px(120));
    layout->addLayout(buildEvents());
    layout->addSpacing(ui::px(120));
    layout->addLayout(buildSubstitutions());

    BtnAnnulla = ui::button("BtnAnnulla", ui::texts::cancelCaption);
    BtnSalva = ui::button("BtnSalva", ui::texts::saveCaption);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnAnnulla);
    buttons->addWidget(BtnSalva);
    layout->addLayout(buttons);
}

QLayout *FrmGare::buildHeader()
{
    TxtData = ui::named(new QLineEdit, "TxtData");
    TxtData->setMaximumWidth(ui::px(1500));
    TxtSqA = ui::named(new QLineEdit, "TxtSqA");
    TxtSqB = ui::named(new QLineEdit, "TxtSqB");
    for (QLineEdit *team : {TxtSqA, TxtSqB}) {
        team->setMaxLength(50);
        team->setMinimumWidth(ui::px(3000));
    }
    ComboGolA = dropDown("ComboGolA", 900);
    ComboGolB = dropDown("ComboGolB", 900);
    ComboRec = dropDown("ComboRec", 900);

    auto *grid = new QGridLayout;
    grid->addWidget(caption(QStringLiteral("DATA")), 0, 0);
    grid->addWidget(TxtData, 0, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(caption(QStringLiteral("INCONTRO")), 1, 0);
    grid->addWidget(TxtSqA, 1, 1);
    grid->addWidget(caption(QStringLiteral("-")), 1, 2);
    grid->addWidget(TxtSqB, 1, 3);

    auto *score = new QHBoxLayout;
    score->addWidget(ComboGolA);
    score->addWidget(caption(QStringLiteral("-")));
    score->addWidget(ComboGolB);
    score->addStretch();
    score->addWidget(caption(QStringLiteral("MIN. RECUPERO")));
    score->addWidget(ComboRec);
    grid->addWidget(caption(QStringLiteral("RISULTATO")), 2, 0);
    grid->addLayout(score, 2, 1, 1, 3);
    grid->setColumnStretch(4, 1);
    return grid;
}

QLayout *FrmGare::buildEvents()
{
    ComboGio = dropDown("ComboGio", 3200);
    ComboMin1 = dropDown("ComboMin1", 1000);
    BtnAddGol = ui::button("BtnAddGol", QStringLiteral("ADD &Gol ->"));
    BtnRemGol = ui::button("BtnRemGol", ui::texts::removeCaption);
    ListMar = ui::named(new QListWidget, "ListMar");
    ListMar->setSelectionMode(QAbstractItemView::SingleSelection);
    ListMar->setFixedSize(ui::px(3300), ui::px(1800));
    BtnAddAE_0 = ui::button("BtnAddAE_0", QStringLiteral("ADD &Ammonizione ->"));
    BtnAddAE_1 = ui::button("BtnAddAE_1", QStringLiteral("ADD &Espulsione ->"));
    Fgrid1 = ui::named(new Grid(0, 1), "Fgrid1");
    Fgrid1->SetCols(4);
    Fgrid1->setFixedSize(ui::px(4200), ui::px(1800));
    BtnRemAE = ui::button("BtnRemAE", ui::texts::removeCaption);

    auto *players = new QVBoxLayout;
    players->addWidget(caption(QStringLiteral("GIOCATORI")));
    players->addWidget(ComboGio);
    players->addStretch();

    auto *minute = new QHBoxLayout;
    minute->addWidget(caption(QStringLiteral("MIN.")));
    minute->addWidget(ComboMin1);
    auto *goalButtons = new QVBoxLayout;
    goalButtons->addWidget(BtnAddGol);
    goalButtons->addLayout(minute);
    goalButtons->addWidget(BtnRemGol);
    goalButtons->addStretch();

    auto *cards = new QVBoxLayout;
    cards->addWidget(BtnAddAE_0);
    cards->addWidget(BtnAddAE_1);
    cards->addWidget(Fgrid1);
    cards->addWidget(BtnRemAE, 0, Qt::AlignLeft);

    auto *row = new QHBoxLayout;
    row->addLayout(players);
    row->addLayout(goalButtons);
    row->addWidget(ListMar, 0, Qt::AlignTop);
    row->addSpacing(ui::px(240));
    row->addLayout(cards);
    return row;
}

QLayout *FrmGare::buildSubstitutions()
{
    ComboSost1 = dropDown("ComboSost1", 3200);
    ComboSost2 = dropDown("ComboSost2", 3200);
    ComboMin2 = dropDown("ComboMin2", 1000);
    BtnAddSost = ui::button("BtnAddSost", QStringLiteral("ADD &Sost. ->"));
    Fgrid2 = ui::named(new Grid(1, 1), "Fgrid2");
    Fgrid2->SetCols(6);
    Fgrid2->setFixedSize(ui::px(5200), ui::px(1800));
    BtnRemSost = ui::button("BtnRemSost", ui::texts::removeCaption);

    auto *minute = new QHBoxLayout;
    minute->addWidget(BtnAddSost);
    minute->addWidget(caption(QStringLiteral("AL MINUTO")));
    minute->addWidget(ComboMin2);
    minute->addStretch();
    auto *choice = new QVBoxLayout;
    choice->addWidget(ComboSost1);
    choice->addWidget(caption(QStringLiteral("SOSTITUISCE")));
    choice->addWidget(ComboSost2);
    choice->addLayout(minute);
    choice->addStretch();

    auto *grid = new QVBoxLayout;
    grid->addWidget(Fgrid2);
    grid->addWidget(BtnRemSost, 0, Qt::AlignLeft);

    auto *row = new QHBoxLayout;
    row->addLayout(choice);
    row->addSpacing(ui::px(240));
    row->addLayout(grid);
    return row;
}

void FrmGare::connectControls()
{
    for (QLineEdit *box : {TxtData, TxtSqA, TxtSqB})
        connect(box, &QLineEdit::textChanged, this, [this] { m_modified = true; });
    for (QComboBox *score : {ComboGolA, ComboGolB})
        connect(score, &QComboBox::currentIndexChanged, this, [this] { m_modified = true; });
    TxtData->installEventFilter(this);

    connect(BtnAddGol, &QPushButton::clicked, this, &FrmGare::BtnAddGol_Click);
    connect(BtnRemGol, &QPushButton::clicked, this, &FrmGare::BtnRemGol_Click);
    connect(BtnAddAE_0, &QPushButton::clicked, this, [this] { BtnAddAE_Click(0); });
    connect(BtnAddAE_1, &QPushButton::clicked, this, [this] { BtnAddAE_Click(1); });
    connect(BtnRemAE, &QPushButton::clicked, this, &FrmGare::BtnRemAE_Click);
    connect(BtnAddSost, &QPushButton::clicked, this, &FrmGare::BtnAddSost_Click);
    connect(BtnRemSost, &QPushButton::clicked, this, &FrmGare::BtnRemSost_Click);
    connect(BtnAnnulla, &QPushButton::clicked, this, &FrmGare::BtnAnnulla_Click);
    connect(BtnSalva, &QPushButton::clicked, this, &FrmGare::BtnSalva_Click);
}

void FrmGare::Form_Load()
{
    fillNumberLists();
    setUpGrids();
    adjustSize();
    ui::centre(*this);
    // Not the date box: opening a game and saving it at once must change nothing.
    TxtSqA->setFocus();
}

void FrmGare::fillNumberLists()
{
    for (int goals = 0; goals <= 20; ++goals) {
        ComboGolA->addItem(QString::number(goals));
        ComboGolB->addItem(QString::number(goals));
    }
    for (int minutes = 0; minutes <= 10; ++minutes)
        ComboRec->addItem(QString::number(minutes));
    for (int minute = 1; minute <= 100; ++minute) {
        ComboMin1->addItem(QString::number(minute) + degree);
        ComboMin2->addItem(QString::number(minute) + degree);
    }
    // Nothing is chosen until the user chooses.
    for (QComboBox *list : {ComboGolA, ComboGolB, ComboRec, ComboMin1, ComboMin2})
        list->setCurrentIndex(-1);
    m_modified = false;
}

void FrmGare::setUpGrids()
{
    const int cards[] = {350, 0, 2600, 730};
    for (int c = 0; c < 4; ++c)
        Fgrid1->ColWidthTwips(c, cards[c]);

    Fgrid2->SetTextMatrix(0, 3, QStringLiteral("MIN."));
    Fgrid2->SetTextMatrix(0, 4, QStringLiteral("Entra"));
    Fgrid2->SetTextMatrix(0, 5, QStringLiteral("Esce"));
    const int substitutions[] = {350, 0, 0, 600, 1840, 1840};
    for (int c = 0; c < 6; ++c)
        Fgrid2->ColWidthTwips(c, substitutions[c]);
    Fgrid2->ClearRows();
}

void FrmGare::Carica(int IdGara)
{
    m_idGara = IdGara;
    fillPlayerLists();
    if (!isExistingGame()) {
        // The date box's change marks the game modified: a new game is always written.
        TxtData->setText(core::formatDate(core::today()));
        return;
    }
    setWindowTitle(QStringLiteral("VELMORA - MODIFICA GARA ID N° ") + QString::number(IdGara));
    loadGame();
}

// Every player of the line-up may score or be booked; reserves may come on, starters go
// off. An existing game takes its own line-up, a new one the season formation.
void FrmGare::fillPlayerLists()
{
    for (QComboBox *list : {ComboGio, ComboSost1, ComboSost2})
        list->clear();
    QList<data::GamePlayer> players;
    ui::guard([&] {
        players = isExistingGame() ? data::gameLineupPlayers(m_idGara, Module1::selectedSeason,
                                                             Module1::selectedChampionship)
                                   : data::formationPlayers(Module1::selectedSeason,
                                                            Module1::selectedChampionship);
    });
    for (const data::GamePlayer &p : players) {
        ComboGio->addItem(p.name, p.idGio);
        QComboBox *side = p.tipo == QLatin1String("RIS") ? ComboSost1 : ComboSost2;
        side->addItem(p.name, p.idGio);
    }
    for (QComboBox *list : {ComboGio, ComboSost1, ComboSost2})
        list->setCurrentIndex(-1);
}

void FrmGare::loadGame()
{
    ui::guard([&] {
        const std::optional<data::GameHeader> game = data::gameHeader(m_idGara);
        if (!game) {
            ui::msgBox(QStringLiteral("Durante caricamento gara"), ui::Critical,
                       ui::texts::errorTitle);
            return;
        }
        const QString stored = data::text(game->date);
        const QDate date = core::parseGameDate(stored);
        TxtData->setText(date.isValid() ? core::formatDate(date) : stored);
        TxtSqA->setText(data::text(game->teamA));
        TxtSqB->setText(data::text(game->teamB));
        showValue(ComboGolA, game->goalsA);
        showValue(ComboGolB, game->goalsB);
        showValue(ComboRec, game->addedTime);
        showEvents();
        m_modified = false;
    });
}

void FrmGare::showEvents()
{
    const QList<data::GameEvent> events = data::gameEvents(m_idGara);
    for (const data::GameEvent &e : events) {
        if (e.tipo == QLatin1String("RETE")) {
            auto *goal = new QListWidgetItem(e.name + QStringLiteral(" (") + minuteText(e.minute) +
                                             QStringLiteral(")"));
            goal->setData(Qt::UserRole, e.idGio);
            goal->setData(Qt::UserRole + 1, e.minute.isNull() ? 0 : e.minute.toInt());
            ListMar->addItem(goal);
        } else if (e.tipo == QLatin1String("AMM") || e.tipo == QLatin1String("ESP")) {
            Fgrid1->AddItem({QString(), QString::number(e.idGio), e.name, e.tipo});
        }
    }
    // Two substitutions at one minute pair up in the order their rows were written, so that
    // each grid row shows one player coming on and one going off.
    for (const data::Substitution &s : data::substitutions(events))
        Fgrid2->AddItem({QString(), s.idIn ? QString::number(s.idIn) : QString(),
                         QString::number(s.idOut), QString::number(s.minute) + degree, s.nameIn,
                         s.nameOut});
    if (Fgrid1->Rows() > 0)
        Fgrid1->SetRow(0);
}

void FrmGare::TxtData_LostFocus()
{
    if (TxtData->text().isEmpty())
        return;
    const QDate date = core::parseGameDate(TxtData->text());
    if (!date.isValid())
        return;
    const QString shortForm = core::formatDateShort(date);
    if (shortForm != TxtData->text())
        TxtData->setText(shortForm);
}

void FrmGare::BtnAnnulla_Click()
{
    reject();
}

// The box is left when the focus moves to another control of the window; a menu or a
// box popping up, or another window taking over, does not leave it.
bool FrmGare::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtData && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason)
            TxtData_LostFocus();
    }
    return QDialog::eventFilter(watched, event);
}
