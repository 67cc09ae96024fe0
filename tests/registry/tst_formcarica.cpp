#include "Pictures.h"
#include "app/Module1.h"
#include "registry/FormCarica.h"
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

void clickFile(FormCarica &w, const QString &name)
{
    const auto found = w.File1->findItems(name, Qt::MatchExactly);
    QVERIFY(!found.isEmpty());
    w.File1->setCurrentItem(found.first());
}

// The Dir1 entry that leads to a subfolder of the current folder.
void openFolder(FormCarica &w, const QString &name)
{
    for (int i = 0; i < w.Dir1->count(); ++i) {
        if (w.Dir1->item(i)->text().trimmed() == name) {
            emit w.Dir1->itemActivated(w.Dir1->item(i));
            return;
        }
    }
    QFAIL("folder not listed");
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
    }

    void listsOnlyJpgFiles()
    {
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/MAIUSCOLO.JPG"), 10, 10));
        for (const char *other : {"/foto.png", "/foto.jpeg", "/foto.jpg.txt"})
            QVERIFY(pictures::writeJpeg(pics + QLatin1String(other), 10, 10));
        QDir(pics).mkdir(QStringLiteral("cartella.jpg"));
        FormCarica w;
        openFolder(w, QStringLiteral("foto"));
        QCOMPARE(w.dirPath(), QDir(pics).canonicalPath());
        QCOMPARE(entries(*w.File1), (QStringList{"MAIUSCOLO.JPG", "alto.jpg", "largo.jpg"}));
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
        Module1::lastPickerFolder = pics;
        FormCarica w;
        clickFile(w, file);
        QCOMPARE(w.LabelRis->text(), natural);
        QCOMPARE(w.Image1->size(), preview);
        QCOMPARE(w.Image1->pos(), QPoint(0, 0));
        QVERIFY(!w.Image1->pixmap().isNull());
        QVERIFY(w.CmdOk->isEnabled());
        QCOMPARE(Module1::chosenImagePath, QDir(pics).filePath(file));
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
        QTest::newRow("escape") << "escape" << false << false;
        QTest::newRow("cancella") << "cancella" << false << true;
        QTest::newRow("close box") << "close box" << false << false;
    }
    void closingResults()
    {
        QFETCH(QString, how);
        QFETCH(bool, chosen);
        QFETCH(bool, removal);
        Module1::lastPickerFolder = pics;
        FormCarica w;
        w.show();
        clickFile(w, QStringLiteral("largo.jpg"));
        clickFile(w, QStringLiteral("alto.jpg"));
        if (how == "ok")
            w.CmdOk->click();
        else if (how == "double click")
            emit w.File1->itemDoubleClicked(w.File1->currentItem());
        else if (how == "enter")
            QTest::keyClick(w.File1, Qt::Key_Return);
        else if (how == "preview")
            QTest::mouseClick(w.Image2, Qt::LeftButton);
        else if (how == "annulla")
            w.CmdAnnulla->click();
        else if (how == "escape")
            QTest::keyClick(w.File1, Qt::Key_Escape);
        else if (how == "cancella")
            w.CmdCancella->click();
        else
            w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(Module1::chosenImagePath,
                 chosen ? QDir(pics).filePath(QStringLiteral("alto.jpg")) : QString());
        QCOMPARE(Module1::photoRemoval, removal);
        QCOMPARE(Module1::lastPickerFolder, QDir(pics).canonicalPath());
    }

    void closeBoxWithoutClickChangesNothing()
    {
        FormCarica w;
        w.show();
        w.close();
        QVERIFY(!w.isVisible());
        QCOMPARE(Module1::chosenImagePath, QString());
        QVERIFY(!Module1::photoRemoval);
    }

    void remembersTheFolderWhileItExists()
    {
        {
            FormCarica w;
            w.show();
            openFolder(w, QStringLiteral("foto"));
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
    }

    // A file that is no picture shows nothing and leaves the earlier choice in place.
    void brokenPictureChangesNothing()
    {
        QFile broken(pics + QStringLiteral("/rotto.jpg"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8\xFF\xE0 not really a picture");
        broken.close();
        Module1::lastPickerFolder = pics;
        FormCarica w;
        clickFile(w, QStringLiteral("rotto.jpg"));
        QCOMPARE(Module1::chosenImagePath, QString());
        QVERIFY(!w.CmdOk->isEnabled());
        QVERIFY(w.Image1->pixmap().isNull());
        QCOMPARE(w.LabelRis->text(), QString());

        clickFile(w, QStringLiteral("largo.jpg"));
        clickFile(w, QStringLiteral("rotto.jpg"));
        QCOMPARE(Module1::chosenImagePath, QDir(pics).filePath(QStringLiteral("largo.jpg")));
        QCOMPARE(w.LabelRis->text(), QStringLiteral("640 x 480"));
        QVERIFY(w.CmdOk->isEnabled());
    }

    void resetGoesToTheRoot()
    {
        FormCarica w;
        w.CmdReset->click();
        QCOMPARE(w.dirPath(), QStringLiteral("/"));
        QCOMPARE(w.Drive1->currentText(), QStringLiteral("/"));
        QVERIFY(entries(*w.Dir1).contains(QStringLiteral("/")));
    }

    void driveThatCannotBeOpenedIsReported()
    {
        MsgRecorder msg;
        FormCarica w;
        const QString before = w.dirPath();
        const int drive = w.Drive1->currentIndex();
        w.Drive1->addItem(fx->dir() + QStringLiteral("/sparito"));
        w.Drive1->setCurrentIndex(w.Drive1->count() - 1);
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().text, QString::fromLocal8Bit(std::strerror(ENOENT)));
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Exclamation);
        QCOMPARE(w.dirPath(), before);
        QCOMPARE(w.Drive1->currentIndex(), drive);
    }
};

VELMORA_TEST(FormCaricaTest)
#include "tst_formcarica.moc"
