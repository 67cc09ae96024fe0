#include "registry/FrmAna.h"

#include "app/Module1.h"
#include "core/Dates.h"
#include "core/Numbers.h"
#include "data/Database.h"
#include "data/Persons.h"
#include "data/PhotoFiles.h"
#include "data/Sql.h"
#include "registry/FormCarica.h"
#include "registry/FrmMedica.h"
#include "registry/Photo.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QString clothingCaption = QStringLiteral("VESTIARIO CONSEGNATO");
const QSize photoFrame(145, 205);

QLineEdit *textBox(const char *name, int maxLength = 0)
{
    auto *box = new QLineEdit;
    box->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    return box;
}

// Capitals, written back only when they change the text: a change counts as a change.
void toCapitals(QLineEdit *box)
{
    const QString upper = box->text().toUpper();
    if (upper != box->text())
        box->setText(upper);
}

QString fourDigits(int number)
{
    return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0'));
}

} // namespace

FrmAna::FrmAna(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAna"));
    setWindowTitle(ui::texts::registryTitle);
    buildWindow();
    ui::makeDefault(BtnSalva); // Return saves: it loses nothing
    Form_Load();
}

FrmAna::~FrmAna()
{
    discardUnsavedPhoto();
}

void FrmAna::buildWindow()
{
    TxtId = textBox("TxtId");
    TxtId->setReadOnly(true);
    TxtId->setFocusPolicy(Qt::ClickFocus);
    TxtNome = textBox("TxtNome", 100);
    TxtData = textBox("TxtData");
    TxtLuogo = textBox("TxtLuogo", 50);
    TxtPaese = textBox("TxtPaese", 50);
    TxtDoc = textBox("TxtDoc", 50);
    LblAbb = new QLabel(clothingCaption);
    LblAbb->setObjectName(QStringLiteral("LblAbb"));
    TxtAbb = new QPlainTextEdit;
    TxtAbb->setObjectName(QStringLiteral("TxtAbb"));
    TxtAbb->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    TxtAbb->setTabChangesFocus(true);
    TxtAbb->setEnabled(false);

    // The photo frame: Image1 grows from its top left corner, Image2 covers it all.
    auto *frame = new QWidget;
    frame->setFixedSize(photoFrame);
    Image1 = new QLabel(frame);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setFrameShape(QFrame::Box);
    Image1->setGeometry(QRect(QPoint(0, 0), photoFrame));
    Image2 = new QWidget(frame);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(QRect(QPoint(0, 0), photoFrame));
    Image2->setToolTip(QStringLiteral("Click x inserire FOTO"));
    Image2->setCursor(Qt::PointingHandCursor);
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->hide();

    BtnMedSan = ui::button("BtnMedSan", QStringLiteral("&SCHEDA Medico-Sanitaria"));
    BtnMedSan->hide();
    BtnFoto = ui::button("BtnFoto", QStringLiteral("-> &FOTO"));
    BtnAnnulla = ui::button("BtnAnnulla", ui::texts::cancelCaption);
    BtnSalva = ui::button("BtnSalva", ui::texts::saveCaption);

    auto *fields = new QGridLayout;
    const std::pair<const char *, QLineEdit *> lines[] = {
        {"ID.ANA", TxtId},           {"NOME", TxtNome},          {"DATA NASCITA", TxtData},
        {"LUOGO NASCITA", TxtLuogo}, {"NAZIONALITA'", TxtPaese}, {"DOCUMENTO", TxtDoc}};
    int row = 0;
    for (const auto &[caption, box] : lines) {
        fields->addWidget(new QLabel(QString::fromUtf8(caption)), row, 0);
        fields->addWidget(box, row, 1);
        ++row;
    }
    TxtId->setMaximumWidth(ui::px(1000));
    TxtData->setMaximumWidth(ui::px(1500));
    TxtNome->setMinimumWidth(ui::px(4500));
    fields->setRowStretch(row, 1);

    auto *photo = new QVBoxLayout;
    photo->addWidget(frame);
    photo->addWidget(BtnFoto);
    photo->addStretch();

    auto *top = new QHBoxLayout;
    top->addLayout(fields, 1);
    top->addLayout(photo);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(BtnMedSan);
    bottom->addStretch();
    bottom->addWidget(BtnAnnulla);
    bottom->addWidget(BtnSalva);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(LblAbb);
    layout->addWidget(TxtAbb, 1);
    layout->addLayout(bottom);

    for (QLineEdit *box : {TxtNome, TxtData, TxtLuogo, TxtPaese, TxtDoc})
        connect(box, &QLineEdit::textChanged, this, [this] { m_modified = true; });
    connect(TxtAbb, &QPlainTextEdit::textChanged, this, [this] { m_modified = true; });
    connect(BtnSalva, &QPushButton::clicked, this, &FrmAna::BtnSalva_Click);
    connect(BtnAnnulla, &QPushButton::clicked, this, &FrmAna::BtnAnnulla_Click);
    connect(BtnMedSan, &QPushButton::clicked, this, &FrmAna::BtnMedSan_Click);
    connect(BtnFoto, &QPushButton::clicked, this, &FrmAna::BtnFoto_Click);
    TxtData->installEventFilter(this);
    Image2->installEventFilter(this);
}

void FrmAna::Form_Load()
{
    resize(ui::px(9000), ui::px(7000));
    ui::centre(*this);
    QDir().mkpath(data::photoFolder());
}

void FrmAna::Carica(QString &Nome)
{
    m_openedName = Nome;
    if (Nome.isEmpty()) {
        prepareNewPerson();
        return;
    }
    setWindowTitle(windowTitle() + QStringLiteral(" - ") + Nome);
    BtnMedSan->show();
    loadPerson(Nome);
}

void FrmAna::prepareNewPerson()
{
    ui::guard([&] {
        m_number = data::nextPersonNumber();
        TxtId->setText(fourDigits(m_number));
    });
    LblAbb->clear();
    if (m_number > 0) {
        if (const QString failure = data::freePhotoNumber(m_number); !failure.isEmpty())
            ui::showError(failure);
    }
}

void FrmAna::loadPerson(const QString &name)
{
    ui::guard([&] {
        const std::optional<data::Person> person = data::findPerson(name);
        if (!person) {
            ui::msgBox(QStringLiteral("Errore durante l'apertura"), ui::Critical, QString());
            return;
        }
        m_number = person->idAna;
        TxtId->setText(fourDigits(m_number));
        TxtNome->setText(person->name);
        if (!person->born.isNull()) {
            // Stored as yyyy-MM-dd; anything else unreadable is shown as it is.
            const QDate born = core::parseBirthDate(person->born.toString());
            TxtData->setText(born.isValid() ? core::formatDate(born) : person->born.toString());
        }
        TxtLuogo->setText(data::text(person->place));
        TxtPaese->setText(data::text(person->country));
        TxtDoc->setText(data::text(person->document));

        const std::optional<QVariant> clothing =
            data::seasonClothing(m_number, Module1::selectedSeason);
        if (!clothing) {
            LblAbb->clear();
            BtnMedSan->setEnabled(false);
        } else {
            TxtAbb->setEnabled(true);
            LblAbb->setText(clothingCaption + QStringLiteral(" (") + Module1::selectedSeasonName +
                            QStringLiteral(")"));
            if (!clothing->isNull())
                TxtAbb->setPlainText(clothing->toString());
        }
        showPhoto();
    });
    m_modified = false;
}

void FrmAna::showPhoto()
{
    const QString file = registry::photoFile(core::wholeNumber(TxtId->text()));
    if (!QFileInfo(file).isFile()) {
        // The frame keeps its last size.
        Image1->clear();
        return;
    }
    const registry::Picture read = registry::readPicture(file);
    const QImage &picture = read.image;
    if (picture.isNull()) {
        Image1->clear();
        ui::msgBox(QStringLiteral("Impossibile leggere la foto %1:\n%2")
                       .arg(QDir::toNativeSeparators(file), read.reason),
                   ui::Exclamation, ui::texts::errorTitle);
        return;
    }
    Picture1->setPixmap(QPixmap::fromImage(picture));
    Picture1->adjustSize();
    Image1->resize(registry::fitInto(picture.size(), photoFrame));
    Image1->setPixmap(Picture1->pixmap());
}

void FrmAna::BtnFoto_Click()
{
    changePhoto();
}

void FrmAna::Image2_Click()
{
    changePhoto();
}

// Photo changes reach the disk at once; they are not part of saving.
void FrmAna::changePhoto()
{
    const QString file = registry::photoFile(core::wholeNumber(TxtId->text()));
    {
        FormCarica picker(this);
        ui::showModal(picker);
    }

    if (Module1::photoRemoval && QFile::exists(file)) {
        if (ui::msgBox(QStringLiteral("Eliminare FOTO ?"),
                       ui::YesNo | ui::Question | ui::DefaultSecond,
                       ui::texts::confirmTitle) != ui::Answer::Yes)
            return;
        registry::removeFile(file);
        showPhoto();
    }

    if (!Module1::chosenImagePath.isEmpty()) {
        if (!storePhoto(Module1::chosenImagePath, file))
            return;
        if (m_openedName.isEmpty())
            m_photoStored = true;
        showPhoto();
    }
}

// Written beside the target first: the old photo goes only once the new one is safely
// there, and a picture chosen from the photo folder itself survives its own replacement.
bool FrmAna::storePhoto(const QString &source, const QString &target)
{
    if (const QString failure = data::replaceFile(source, target); !failure.isEmpty()) {
        ui::showError(failure);
        return false;
    }
    return true;
}

void FrmAna::TxtData_LostFocus()
{
    if (TxtData->text().isEmpty())
        return;
    const QDate date = core::parseBirthDate(TxtData->text());
    if (date.isValid())
        TxtData->setText(core::formatDate(date));
}

void FrmAna::BtnSalva_Click()
{
    // Blanks around a name would make a twin that the duplicate check cannot see.
    if (const QString trimmed = TxtNome->text().trimmed(); trimmed != TxtNome->text())
        TxtNome->setText(trimmed);
    if (TxtNome->text().isEmpty()) {
        ui::msgBox(QStringLiteral("Inserire NOME del Giocatore"), ui::Exclamation, QString());
        TxtNome->setFocus();
        return;
    }
    toCapitals(TxtNome);

    bool taken = false;
    if (!ui::guard([&] { taken = data::nameTakenByOther(TxtNome->text(), m_number); }))
        return;
    if (taken) {
        ui::msgBox(QStringLiteral("Giocatore '") + TxtNome->text() +
                       QStringLiteral("' gia esistente"),
                   ui::Critical, QString());
        return;
    }

    if (!TxtData->text().isEmpty() && !core::parseBirthDate(TxtData->text()).isValid()) {
        ui::msgBox(QStringLiteral("DATA non valida"), ui::Exclamation, QString());
        TxtData->setFocus();
        return;
    }
    toCapitals(TxtLuogo);
    toCapitals(TxtPaese);

    // An engine error keeps the window open with what the user typed.
    if (m_modified && !ui::guard([&] { writePerson(); }))
        return;
    accept();
}

void FrmAna::writePerson()
{
    const QDate born = core::parseBirthDate(TxtData->text());
    data::PersonDraft draft;
    draft.person = {m_number,
                    TxtNome->text(),
                    TxtData->text().isEmpty() ? QVariant() : core::storeDate(born),
                    TxtLuogo->text(),
                    TxtPaese->text(),
                    TxtDoc->text()};
    draft.isNew = m_openedName.isEmpty();
    draft.season = Module1::selectedSeason;
    if (TxtAbb->isEnabled())
        draft.clothing = data::textOrNull(TxtAbb->toPlainText());

    const data::PersonSaved saved = data::savePerson(draft);
    if (saved == data::PersonSaved::PersonMissing) {
        ui::msgBox(QStringLiteral("Errore"), ui::OkOnly, QString());
        return;
    }
    m_written = true;
    if (saved == data::PersonSaved::ClothingMissing) {
        ui::msgBox(QStringLiteral("Durante lettura vestiario"), ui::OkOnly, ui::texts::errorTitle);
        return;
    }
    ui::msgBox(draft.isNew ? QStringLiteral("Nuovo GIOCATORE inserito con successo")
                           : QStringLiteral("GIOCATORE modificato con successo"),
               ui::Information, QString());
}

void FrmAna::BtnAnnulla_Click()
{
    reject();
}

void FrmAna::BtnMedSan_Click()
{
    FrmMedica card(this);
    card.Carica(m_number, TxtNome->text());
    ui::showModal(card);
}

// A window whose person could not be loaded closes as soon as it comes up.
void FrmAna::Form_Activate()
{
    if (TxtId->text().isEmpty() && isVisible())
        reject();
}

// A new person's photo is stored under the predicted number at once; if the person is
// never written, that file would turn up on the next new person.
void FrmAna::discardUnsavedPhoto()
{
    if (m_photoStored && !m_written)
        registry::removeFile(registry::photoFile(m_number));
    m_photoStored = false;
}

void FrmAna::done(int result)
{
    discardUnsavedPhoto();
    QDialog::done(result);
}

bool FrmAna::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate)
        QMetaObject::invokeMethod(this, &FrmAna::Form_Activate, Qt::QueuedConnection);
    return QDialog::event(event);
}

bool FrmAna::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == TxtData && event->type() == QEvent::FocusOut)
        TxtData_LostFocus();
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease) {
        Image2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
