// The main window's menus, controls and their arrangement.
#include "roster/Form1.h"

#include "ui/Controls.h"
#include "ui/Grid.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTimer>
#include <QVBoxLayout>

void Form1::buildMenus()
{
    buildArchiveMenu(); // first in the menu bar
    mnuImpostazioni = menuBar()->addMenu(QStringLiteral("&Impostazioni"));
    mnuImpostazioni->setObjectName(QStringLiteral("mnuImpostazioni"));
    mnuStag = ui::named(mnuImpostazioni->addAction(QStringLiteral("&Stagioni")), "mnuStag");
    mnuCamp = ui::named(mnuImpostazioni->addAction(QStringLiteral("&Campionati")), "mnuCamp");
    mnuSchede = menuBar()->addMenu(QStringLiteral("&Schede"));
    mnuSchede->setObjectName(QStringLiteral("mnuSchede"));
    mnuAna = ui::named(mnuSchede->addAction(QStringLiteral("&Anagrafica")), "mnuAna");
    mnuFormazione = ui::named(mnuSchede->addAction(QStringLiteral("&Formazione")), "mnuFormazione");
    mnuAiuto = menuBar()->addMenu(QStringLiteral("&?"));
    mnuAiuto->setObjectName(QStringLiteral("mnuAiuto"));
    mnuInfo = ui::named(mnuAiuto->addAction(QStringLiteral("&Informazioni su Velmora")), "mnuInfo");

    // Ctrl+Q leaves as "&ESCI" does.
    auto *quit = ui::named(new QAction(this), "ActEsci");
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q)); // on every platform theme
    quit->setShortcutContext(Qt::WindowShortcut);
    addAction(quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
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
    // Where there is nothing to show yet, how to begin.
    LblInizio = ui::named(
        new QLabel(QStringLiteral(
            "Per iniziare: aggiungere una stagione (Impostazioni > Stagioni) e un campionato "
            "(Impostazioni > Campionati), poi le persone (Schede > Anagrafica), e inserirle "
            "nella rosa con «Inserisci».")),
        "LblInizio");
    LblInizio->setWordWrap(true);
    LblInizio->setAlignment(Qt::AlignCenter);
    LblInizio->hide();

    auto *options = new QHBoxLayout;
    options->addWidget(Opt_0);
    options->addWidget(Opt_1);
    options->addWidget(Opt_2);
    options->addStretch();
    auto *right = new QVBoxLayout;
    right->addLayout(options);
    right->addWidget(LblInizio);
    right->addWidget(Fgrid, 1);
    // The card grows with the window too, so that long names and documents show whole.
    auto *middle = new QHBoxLayout;
    middle->addWidget(buildCard(), 1);
    middle->addLayout(right, 2);
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
    // Return presses the button that has the focus, as Space does.
    for (QPushButton *b : findChildren<QPushButton *>())
        b->setAutoDefault(true);

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

QWidget *Form1::buildCard()
{
    auto *card = ui::named(new QWidget, "Card");
    card->setMinimumWidth(ui::px(3600));
    auto *grid = new QGridLayout(card);
    grid->setContentsMargins(0, 0, 0, 0);
    int line = 0;

    auto box = [](const char *name, bool editable, int maxLength = 0) {
        auto *t = ui::named(new QLineEdit, name);
        t->setReadOnly(!editable);
        if (!editable) {
            t->setFocusPolicy(Qt::ClickFocus);
            // What cannot be typed into does not look as if it could.
            QPalette shown = t->palette();
            shown.setColor(QPalette::Base, shown.color(QPalette::Window));
            t->setPalette(shown);
        }
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
    for (QLineEdit *number : {TxtPeso, TxtAltezza, TxtSqual})
        number->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), number));

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
