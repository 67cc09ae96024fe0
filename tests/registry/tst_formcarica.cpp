#include "Pictures.h"
#include "app/Module1.h"
#include "registry/FormCarica.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <cerrno>
#include <cstring>
#include <memory>

namespace {

// The Dir1 entry that leads to a subfolder of the current folder, double-clicked.
[[nodiscard]] bool openFolder(FormCarica &w, const QString &name)
{
    for (int i = 0; i < w.Dir1->count(); ++i)
        if (w.Dir1->item(i)->text().trimmed() == name)
            return drive::doubleClickEntry(*w.Dir1, i);
    return false;
}

// The folder Dir1 marks as the current one, as it reads.
QString shownFolder(const FormCarica &w)
{
    const QListWidgetItem *item = w.Dir1->currentItem();
    return item ? item->text().trimmed() : QString();
}

// A root of the drive list other than the one shown, that can be opened.
QString anotherDrive(const FormCarica &w)
{
    for (int i = 0; i < w.Drive1->count(); ++i) {
        const QString root = w.Drive1->itemText(i);
        if (i != w.Drive1->currentIndex() && QFileInfo(root).isReadable() &&
            QFileInfo(root).isExecutable())
            return root;
    }
    return {};
}

} // namespace

class FormCaricaTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    QString pics; // a folder of pictures below the working folder

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        pics = QDir(fx->dir()).filePath(QStringLiteral("foto"));
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/largo.jpg"), 640, 480));
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/alto.jpg"), 100, 400, Qt::red));
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void opensEmptyAtTheWorkingFolder()
    {
        MsgRecorder msg;
        Module1::chosenImagePath = QStringLiteral("old.jpg");
        Module1::photoRemoval = true;
        FormCarica w;
        QCOMPARE(w.windowTitle(), QStringLiteral("Carica Immagine"));
        QCOMPARE(Module1::chosenImagePath, QString());
        QVERIFY(!Module1::photoRemoval);
        QCOMPARE(w.dirPath(), QDir(fx->dir()).canonicalPath());
        QVERIFY(!w.CmdOk->isEnabled());
        QCOMPARE(w.LabelRis->text(), QString());
        QVERIFY(w.Image1->pixmap().isNull());
        QVERIFY(w.Drive1->findText(QStringLiteral("/")) >= 0);
        QVERIFY(w.Drive1->currentIndex() >= 0);
        QVERIFY(msg.calls.isEmpty());
    }

    void listsOnlyJpgFiles()
    {
        MsgRecorder msg;
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/MAIUSCOLO.JPG"), 10, 10));
        for (const char *other : {"/foto.png", "/foto.jpeg", "/foto.jpg.txt"})
            QVERIFY(pictures::writeJpeg(pics + QLatin1String(other), 10, 10));
        QDir(pics).mkdir(QStringLiteral("cartella.jpg"));
        FormCarica w;
        QVERIFY(drive::activate(w));
        QCOMPARE(entries(*w.File1), QStringList());
        QVERIFY(openFolder(w, QStringLiteral("foto")));
        QCOMPARE(w.dirPath(), QDir(pics).canonicalPath());
        QCOMPARE(shownFolder(w), QStringLiteral("foto"));
        QCOMPARE(entries(*w.File1), (QStringList{"MAIUSCOLO.JPG", "alto.jpg", "largo.jpg"}));
        const QStringList folders = entries(*w.Dir1);
        QVERIFY(!folders.isEmpty());
        QCOMPARE(folders.last().trimmed(), QStringLiteral("cartella.jpg"));
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    // The preview fills the largest 161 x 233 box that keeps the picture's proportions.
    void previewKeepsProportions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("natural");
        QTest::addColumn<QSize>("preview");
        QTest::newRow("wide") << "largo.jpg"
                              << "640 x 480" << QSize(161, 120);
        QTest::newRow("tall") << "alto.jpg"
                              << "100 x 400" << QSize(58, 233);
    }
    void previewKeepsProportions()
    {
        QFETCH(QString, file);
        QFETCH(QString, natural);
        QFETCH(QSize, preview);
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        QVERIFY(openFolder(w, QStringLiteral("foto")));
        QVERIFY(drive::clickEntry(*w.File1, file));
        QCOMPARE(w.LabelRis->text(), natural);
        QCOMPARE(w.Image1->size(), preview);
        QCOMPARE(w.Image1->pos(), QPoint(0, 0));
        QVERIFY(!w.Image1->pixmap().isNull());
        QVERIFY(w.CmdOk->isEnabled());
        QCOMPARE(Module1::chosenImagePath, QDir(pics).filePath(file));
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    // Moving through the file list by keyboard shows each picture in turn.
    void arrowKeysPreviewTheNextFile()
    {
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        QVERIFY(openFolder(w, QStringLiteral("foto")));
        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("alto.jpg")));
        QCOMPARE(w.LabelRis->text(), QStringLiteral("100 x 400"));
        drive::key(Qt::Key_Down);
        QCOMPARE(w.LabelRis->text(), QStringLiteral("640 x 480"));
        QCOMPARE(Module1::chosenImagePath, QDir(pics).filePath(QStringLiteral("largo.jpg")));
        w.CmdOk->click();
        QVERIFY(msg.calls.isEmpty());
    }

    // Every way of closing, after two files were clicked.
    void closingResults_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<bool>("chosen");
        QTest::addColumn<bool>("removal");
        QTest::newRow("ok") << "ok" << true << false;
        QTest::newRow("double click") << "double click" << true << false;
        QTest::newRow("enter") << "enter" << true << false;
        QTest::newRow("preview click") << "preview" << true << false;
        QTest::newRow("annulla") << "annulla" << false << false;
        QTest::newRow("return on a focused annulla") << "return on annulla" << false << false;
        QTest::newRow("escape") << "escape" << false << false;
        QTest::newRow("escape in the folder list") << "escape elsewhere" << false << false;
        QTest::newRow("cancella") << "cancella" << false << true;
        QTest::newRow("close box") << "close box" << false << false;
    }
    void closingResults()
    {
        QFETCH(QString, how);
        QFETCH(bool, chosen);
        QFETCH(bool, removal);
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        QVERIFY(openFolder(w, QStringLiteral("foto")));
        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("largo.jpg")));
        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("alto.jpg")));
        if (how == "ok") {
            w.CmdOk->click();
        } else if (how == "double click") {
            QVERIFY(drive::doubleClickEntry(*w.File1, QStringLiteral("alto.jpg")));
        } else if (how == "enter") {
            drive::key(Qt::Key_Return);
        } else if (how == "preview") {
            drive::clickWidget(*w.Image2);
        } else if (how == "annulla") {
            w.CmdAnnulla->click();
        } else if (how == "return on annulla") {
            w.CmdAnnulla->setFocus(Qt::TabFocusReason);
            drive::key(Qt::Key_Return);
        } else if (how == "escape") {
            drive::key(Qt::Key_Escape);
        } else if (how == "escape elsewhere") {
            QVERIFY(drive::clickEntry(*w.Dir1, w.Dir1->currentRow()));
            QVERIFY(w.Dir1->hasFocus());
            drive::key(Qt::Key_Escape);
        } else if (how == "cancella") {
            w.CmdCancella->click();
        } else {
            w.close();
        }
        QVERIFY(!w.isVisible());
        QCOMPARE(w.result(), int(chosen || removal ? QDialog::Accepted : QDialog::Rejected));
        QCOMPARE(Module1::chosenImagePath,
                 chosen ? QDir(pics).filePath(QStringLiteral("alto.jpg")) : QString());
        QCOMPARE(Module1::photoRemoval, removal);
        QCOMPARE(Module1::lastPickerFolder, QDir(pics).canonicalPath());
        QVERIFY(msg.calls.isEmpty());
    }

    void closeBoxWithoutClickChangesNothing()
    {
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(Module1::chosenImagePath, QString());
        QVERIFY(!Module1::photoRemoval);
        QVERIFY(msg.calls.isEmpty());
    }

    void remembersTheFolderWhileItExists()
    {
        MsgRecorder msg;
        {
            FormCarica w;
            QVERIFY(drive::activate(w));
            QVERIFY(openFolder(w, QStringLiteral("foto")));
            w.CmdAnnulla->click();
        }
        {
            FormCarica w;
            QCOMPARE(w.dirPath(), QDir(pics).canonicalPath());
            QCOMPARE(entries(*w.File1), (QStringList{"alto.jpg", "largo.jpg"}));
        }
        QVERIFY(QDir(pics).removeRecursively());
        FormCarica w;
        QCOMPARE(w.dirPath(), QDir(fx->dir()).canonicalPath());
        QVERIFY(msg.calls.isEmpty());
    }

    // A camera's full-size picture is previewed, read smaller, with its own size told.
    void largePictureIsPreviewed()
    {
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/grande.jpg"), 8000, 6000));
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        QVERIFY(openFolder(w, QStringLiteral("foto")));
        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("grande.jpg")));
        QCOMPARE(msg.texts(), QStringList());
        QCOMPARE(w.LabelRis->text(), QStringLiteral("8000 x 6000"));
        QVERIFY(!w.Image1->pixmap().isNull());
        QCOMPARE(Module1::chosenImagePath, QDir(pics).filePath(QStringLiteral("grande.jpg")));
        w.close();
    }

    // A file that is no picture shows nothing and leaves the earlier choice in place; a box
    // says which file and why.
    void brokenPictureChangesNothing()
    {
        MsgRecorder msg;
        QFile broken(pics + QStringLiteral("/rotto.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8\xFF\xE0 not really a picture");
        broken.close();
        FormCarica w;
        QVERIFY(drive::activate(w));
        QVERIFY(openFolder(w, QStringLiteral("foto")));
        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("rotto.jpg")));
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        const QString told = QStringLiteral("Impossibile leggere l'immagine %1:\n")
                                 .arg(QDir::toNativeSeparators(QDir(pics).filePath("rotto.jpg")));
        QVERIFY2(msg.last().text.startsWith(told) && msg.last().text.size() > told.size(),
                 qPrintable(msg.last().text));
        QCOMPARE(Module1::chosenImagePath, QString());
        QVERIFY(!w.CmdOk->isEnabled());
        QVERIFY(w.Image1->pixmap().isNull());
        QCOMPARE(w.LabelRis->text(), QString());

        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("largo.jpg")));
        QVERIFY(drive::clickEntry(*w.File1, QStringLiteral("rotto.jpg")));
        QCOMPARE(Module1::chosenImagePath, QDir(pics).filePath(QStringLiteral("largo.jpg")));
        QCOMPARE(w.LabelRis->text(), QStringLiteral("640 x 480"));
        QVERIFY(w.CmdOk->isEnabled());
        w.close();
        QCOMPARE(msg.calls.size(), 2);
    }

    // Reset and a drive chosen from the list both go to a root.
    void rootsFromResetAndDriveList_data()
    {
        QTest::addColumn<bool>("reset");
        QTest::newRow("reset") << true;
        QTest::newRow("drive list") << false;
    }
    void rootsFromResetAndDriveList()
    {
        QFETCH(bool, reset);
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        const QString root = reset ? QStringLiteral("/") : anotherDrive(w);
        QVERIFY(!root.isEmpty());
        if (reset)
            w.CmdReset->click();
        else
            QVERIFY(drive::choose(*w.Drive1, root));
        QCOMPARE(w.dirPath(), root);
        QCOMPARE(w.Drive1->currentText(), root);
        QCOMPARE(shownFolder(w), QDir(root).isRoot() ? root : QFileInfo(root).fileName());
        QCOMPARE(entries(*w.File1),
                 QDir(root).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name));
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    void driveThatCannotBeOpenedIsReported()
    {
        MsgRecorder msg;
        FormCarica w;
        QVERIFY(drive::activate(w));
        const QString before = w.dirPath();
        const int drive = w.Drive1->currentIndex();
        // A drive that went away after the list was made.
        const QString gone = fx->dir() + QStringLiteral("/sparito");
        w.Drive1->addItem(gone);
        QVERIFY(!drive::choose(*w.Drive1, gone));
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().text, QString::fromLocal8Bit(std::strerror(ENOENT)));
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Exclamation);
        QCOMPARE(w.dirPath(), before);
        QCOMPARE(w.Drive1->currentIndex(), drive);
        w.close();
    }
};

VELMORA_TEST(FormCaricaTest)
#include "tst_formcarica.moc"
