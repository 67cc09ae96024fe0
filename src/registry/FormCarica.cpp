#include "registry/FormCarica.h"

#include "app/Module1.h"
#include "registry/Photo.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"
#include "ui/Twips.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QStorageInfo>
#include <QStyle>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {

const QSize previewFrame(161, 233);
constexpr int pathRole = Qt::UserRole;

// Why a folder cannot be opened, in the system's own words; empty when it can.
QString openFailure(const QString &folder)
{
    if (::access(QFile::encodeName(folder).constData(), R_OK | X_OK) == 0)
        return {};
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

FormCarica::FormCarica(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormCarica"));
    setWindowTitle(QStringLiteral("Carica Immagine"));
    buildWindow();
    ui::makeDefault(CmdOk); // Return confirms: it loses nothing
    Form_Load();
}

void FormCarica::buildWindow()
{
    Label1 = new QLabel(QStringLiteral("Nome File:"));
    Label1->setObjectName(QStringLiteral("Label1"));
    File1 = new QListWidget;
    File1->setObjectName(QStringLiteral("File1"));
    File1->setSelectionMode(QAbstractItemView::SingleSelection);
    Dir1 = new QListWidget;
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Drive1 = new QComboBox;
    Drive1->setObjectName(QStringLiteral("Drive1"));
    for (QWidget *w : {static_cast<QWidget *>(File1), static_cast<QWidget *>(Dir1),
                       static_cast<QWidget *>(Drive1)})
        w->setFixedWidth(ui::px(2800));
    File1->setMinimumHeight(ui::px(4000));

    // The preview frame: Image1 grows from its top left corner, Image2 covers it all.
    auto *frame = new QWidget;
    frame->setFixedSize(previewFrame);
    Image1 = new QLabel(frame);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setScaledContents(true);
    Image1->setGeometry(QRect(QPoint(0, 0), previewFrame));
    Image2 = new QWidget(frame);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setGeometry(QRect(QPoint(0, 0), previewFrame));
    LabelRis = new QLabel;
    LabelRis->setObjectName(QStringLiteral("LabelRis"));
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->hide();

    CmdAnnulla = ui::button("CmdAnnulla", QStringLiteral("&Annulla"));
    CmdCancella = ui::button("CmdCancella", QStringLiteral("&Cancella"));
    CmdReset = ui::button("CmdReset", QStringLiteral("&Reset"));
    CmdOk = ui::button("CmdOk", QStringLiteral("&Ok"));
    CmdOk->setEnabled(false);

    auto *layout = new QGridLayout(this);
    layout->addWidget(Label1, 0, 0);
    layout->addWidget(File1, 1, 0, 4, 1);
    layout->addWidget(Dir1, 1, 1);
    layout->addWidget(Drive1, 2, 1);
    layout->addWidget(CmdReset, 3, 1);
    layout->addWidget(frame, 1, 2, Qt::AlignTop | Qt::AlignLeft);
    layout->addWidget(LabelRis, 2, 2);
    layout->setRowStretch(4, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(CmdAnnulla);
    bottom->addWidget(CmdCancella);
    bottom->addStretch();
    bottom->addWidget(CmdOk);
    layout->addLayout(bottom, 5, 0, 1, 3);

    connect(Drive1, &QComboBox::currentIndexChanged, this, &FormCarica::Drive1_Change);
    connect(Dir1, &QListWidget::itemActivated, this, &FormCarica::Dir1_DblClick);
    // A click, and a move by keyboard, selects; focus alone does not.
    connect(File1, &QListWidget::itemSelectionChanged, this, &FormCarica::File1_Click);
    connect(File1, &QListWidget::itemDoubleClicked, this, &FormCarica::File1_DblClick);
    connect(CmdOk, &QPushButton::clicked, this, &FormCarica::CmdOk_Click);
    connect(CmdAnnulla, &QPushButton::clicked, this, &FormCarica::CmdAnnulla_Click);
    connect(CmdCancella, &QPushButton::clicked, this, &FormCarica::CmdCancella_Click);
    connect(CmdReset, &QPushButton::clicked, this, &FormCarica::CmdReset_Click);
    File1->installEventFilter(this);
    Image2->installEventFilter(this);
}

void FormCarica::Form_Load()
{
    Module1::chosenImagePath.clear();
    Module1::photoRemoval = false;
    fillDrives();
    const QString last = Module1::lastPickerFolder;
    setDirPath(!last.isEmpty() && QDir(last).exists() ? last : QDir::currentPath());
    adjustSize();
    ui::centre(*this);
}

void FormCarica::fillDrives()
{
    QStringList roots;
    for (const QFileInfo &drive : QDir::drives())
        roots << drive.absoluteFilePath();
    // Containers mount single files too; only folders can be browsed.
    for (const QStorageInfo &volume : QStorageInfo::mountedVolumes()) {
        if (volume.isValid() && volume.isReady() && QFileInfo(volume.rootPath()).isDir())
            roots << volume.rootPath();
    }
    roots.removeDuplicates();
    roots.sort();
    const QSignalBlocker block(Drive1);
    Drive1->clear();
    Drive1->addItems(roots);
}

// The drive list names the volume the folder lies on: the longest root that holds it.
void FormCarica::showDriveOf(const QString &folder)
{
    int best = -1;
    qsizetype bestLength = -1;
    for (int i = 0; i < Drive1->count(); ++i) {
        const QString root = Drive1->itemText(i);
        const QString prefix = root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/');
        const bool holds = folder == root || folder.startsWith(prefix);
        if (holds && root.size() > bestLength) {
            best = i;
            bestLength = root.size();
        }
    }
    const QSignalBlocker block(Drive1);
    Drive1->setCurrentIndex(best);
}

void FormCarica::setDirPath(const QString &path)
{
    m_dirPath = QDir::cleanPath(QDir(path).absolutePath());
    showDriveOf(m_dirPath);
    Dir1_Change();
}

void FormCarica::Drive1_Change()
{
    const QString root = Drive1->currentText();
    if (root.isEmpty())
        return;
    if (const QString failure = openFailure(root); !failure.isEmpty()) {
        ui::msgBox(failure, ui::Exclamation, ui::texts::errorTitle);
        showDriveOf(m_dirPath);
        return;
    }
    setDirPath(root);
}

void FormCarica::Dir1_Change()
{
    fillFolders();
    fillFiles();
}

void FormCarica::Dir1_DblClick(QListWidgetItem *item)
{
    if (item)
        setDirPath(item->data(pathRole).toString());
}

void FormCarica::fillFolders()
{
    Dir1->clear();
    const QIcon open = style()->standardIcon(QStyle::SP_DirOpenIcon);
    const QIcon closed = style()->standardIcon(QStyle::SP_DirIcon);

    // The path down from the root, each folder one step further in.
    QDir up(m_dirPath);
    QStringList path{up.absolutePath()};
    while (up.cdUp())
        path.prepend(up.absolutePath());
    int depth = 0;
    for (const QString &folder : path) {
        const QString name = QDir(folder).isRoot() ? folder : QFileInfo(folder).fileName();
        auto *item = new QListWidgetItem(open, QString(depth * 2, QLatin1Char(' ')) + name);
        item->setData(pathRole, folder);
        Dir1->addItem(item);
        ++depth;
    }
    Dir1->setCurrentRow(Dir1->count() - 1);

    const QDir current(m_dirPath);
    for (const QString &sub : current.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        auto *item = new QListWidgetItem(closed, QString(depth * 2, QLatin1Char(' ')) + sub);
        item->setData(pathRole, current.filePath(sub));
        Dir1->addItem(item);
    }
}

void FormCarica::fillFiles()
{
    const QSignalBlocker block(File1);
    File1->clear();
    // Letter case does not count: PHOTO.JPG is listed too.
    File1->addItems(QDir(m_dirPath).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name));
}

void FormCarica::File1_Click()
{
    const QListWidgetItem *item = File1->currentItem();
    if (!item || !item->isSelected())
        return;
    // filePath() puts one separator between folder and name, also at the root.
    const QString path = QDir(m_dirPath).filePath(item->text());
    const registry::Picture picture = registry::readPicture(path);
    if (picture.image.isNull()) {
        // The earlier choice stays; the user learns why this one was not taken.
        ui::msgBox(QStringLiteral("Impossibile leggere l'immagine %1:\n%2")
                       .arg(QDir::toNativeSeparators(path), picture.reason),
                   ui::Exclamation, ui::texts::errorTitle);
        return;
    }

    Picture1->setPixmap(QPixmap::fromImage(picture.image));
    Picture1->adjustSize();
    Module1::chosenImagePath = path;
    LabelRis->setText(QString::number(picture.natural.width()) + QStringLiteral(" x ") +
                      QString::number(picture.natural.height()));
    Image1->clear();
    Image1->resize(registry::fitInto(picture.image.size(), previewFrame));
    Image1->setPixmap(Picture1->pixmap());
    CmdOk->setEnabled(true);
}

void FormCarica::File1_DblClick()
{
    accept();
}

void FormCarica::CmdOk_Click()
{
    accept();
}

void FormCarica::Image2_Click()
{
    accept();
}

void FormCarica::CmdAnnulla_Click()
{
    Module1::chosenImagePath.clear();
    reject();
}

void FormCarica::CmdCancella_Click()
{
    Module1::chosenImagePath.clear();
    Module1::photoRemoval = true;
    accept();
}

void FormCarica::CmdReset_Click()
{
    setDirPath(QDir::rootPath());
}

void FormCarica::done(int result)
{
    Module1::lastPickerFolder = m_dirPath;
    QDialog::done(result);
}

void FormCarica::closeEvent(QCloseEvent *event)
{
    // The close box is a cancel: a picture merely looked at must not replace the photo.
    Module1::chosenImagePath.clear();
    QDialog::closeEvent(event);
}

void FormCarica::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        CmdAnnulla_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

bool FormCarica::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == File1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
        if (key == Qt::Key_Escape) {
            CmdAnnulla_Click();
            return true;
        }
    }
    if (watched == Image2 && event->type() == QEvent::MouseButtonRelease) {
        Image2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
