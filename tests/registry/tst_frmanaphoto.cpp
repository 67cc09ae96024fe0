#include "EditorDriving.h"
#include "Pictures.h"
#include "app/Module1.h"
#include "core/Dates.h"
#include "registry/FormCarica.h"
#include "registry/FrmAna.h"
#include "registry/FrmMedica.h"
#include "roster/Form1.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "ui/Grid.h"
#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace editor;

// The person editor's photo: shown, replaced, removed, and never left behind.
class FrmAnaPhotoTest : public EditorTest {
    Q_OBJECT

private slots:
    // The photo fills the largest 145 x 205 box that keeps its proportions.
    void photoKeepsProportions_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QSize>("shown");
        QTest::newRow("wide") << "largo.jpg" << QSize(145, 50);
        QTest::newRow("tall") << "alto.jpg" << QSize(50, 205);
    }
    void photoKeepsProportions()
    {
        QFETCH(QString, file);
        QFETCH(QSize, shown);
        MsgRecorder msg;
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(QDir().mkpath(QStringLiteral("Dati/Foto")));
        QVERIFY(QFile::copy(pics + QLatin1Char('/') + file, pictures::photo(id)));
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QCOMPARE(w.Image1->size(), shown);
        QCOMPARE(w.Image1->pos(), QPoint(0, 0));
        QVERIFY(!w.Image1->pixmap().isNull());
        QCOMPARE(w.Image2->size(), QSize(145, 205));
        QCOMPARE(w.Image2->toolTip(), QStringLiteral("Click x inserire FOTO"));
        w.close();
        QVERIFY(msg.calls.isEmpty());
    }

    void choosingReplacesThePhotoWithoutAQuestion_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("button") << "BtnFoto";
        QTest::newRow("photo frame") << "Image2";
    }
    void choosingReplacesThePhotoWithoutAQuestion()
    {
        QFETCH(QString, how);
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(pictures::writeJpeg(pictures::photo(id), 30, 30));
        MsgRecorder msg;
        ModalHook modal;
        pick(modal, pics + QStringLiteral("/largo.jpg"));
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        if (how == "BtnFoto")
            w.BtnFoto->click();
        else
            drive::clickWidget(*w.Image2);
        QCOMPARE(modal.shown, QStringList{"FormCarica"});
        QVERIFY(msg.calls.isEmpty());
        QCOMPARE(pictures::sizeOf(pictures::photo(id)), QSize(290, 100));
        QCOMPARE(w.Image1->size(), QSize(145, 50));
        QVERIFY(!QFile::exists(pictures::photo(id) + QStringLiteral(".new")));
        // Photo changes are not saving: the person's data stays unmodified.
        w.BtnSalva->click();
        QVERIFY(msg.calls.isEmpty());
    }

    // Choosing the very file that is the person's photo must not lose it.
    void choosingTheOwnPhotoKeepsIt()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(pictures::writeJpeg(pictures::photo(id), 30, 40));
        MsgRecorder msg;
        ModalHook modal;
        pick(modal, pictures::photo(id));
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        w.BtnFoto->click();
        QCOMPARE(modal.shown, QStringList{"FormCarica"});
        QVERIFY(msg.calls.isEmpty());
        QCOMPARE(pictures::sizeOf(pictures::photo(id)), QSize(30, 40));
        w.close();
    }

    // What is in the way of the new photo cannot be replaced: the box tells why, and it
    // stays as it was, with no temporary file beside it.
    void photoThatCannotBeReplacedStays()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        const QString photo = pictures::photo(id);
        QVERIFY(makeStuckPath(photo));
        MsgRecorder msg;
        ModalHook modal;
        pick(modal, pics + QStringLiteral("/largo.jpg"));
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        w.BtnFoto->click();
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QVERIFY2(msg.last().text.startsWith(photo + QStringLiteral(": ")),
                 qPrintable(msg.last().text));
        QVERIFY(QFileInfo(photo).isDir());
        QCOMPARE(QDir(QStringLiteral("Dati/Foto")).entryList(QDir::Files), QStringList());
        w.close();
    }

    void removingThePhotoAsksFirst_data()
    {
        QTest::addColumn<ui::Answer>("answer");
        QTest::newRow("yes") << ui::Answer::Yes;
        QTest::newRow("no") << ui::Answer::No;
    }
    void removingThePhotoAsksFirst()
    {
        QFETCH(ui::Answer, answer);
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(pictures::writeJpeg(pictures::photo(id), 30, 30));
        MsgRecorder msg;
        msg.answers = {answer};
        ModalHook modal;
        pick(modal, QString());
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QVERIFY(!w.Image1->pixmap().isNull());
        w.BtnFoto->click();
        QCOMPARE(msg.texts(), QStringList{"Eliminare FOTO ?"});
        QCOMPARE(msg.last().title, QStringLiteral("CONFERMA"));
        QCOMPARE(msg.last().icon, ui::Icon::Question);
        QCOMPARE(msg.last().buttons, ui::Buttons::YesNo);
        const bool removed = answer == ui::Answer::Yes;
        QCOMPARE(QFile::exists(pictures::photo(id)), !removed);
        QCOMPARE(w.Image1->pixmap().isNull(), removed);
        w.close();
    }

    void photoThatCannotBeRemovedIsReported()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(makeStuckPath(pictures::photo(id)));
        MsgRecorder msg;
        msg.answers = {ui::Answer::Yes};
        ModalHook modal;
        pick(modal, QString());
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        w.BtnFoto->click();
        QCOMPARE(msg.calls.size(), 2);
        QCOMPARE(msg.calls[0].text, QStringLiteral("Eliminare FOTO ?"));
        QVERIFY(msg.calls[0].defaultSecond);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QVERIFY2(msg.last().text.startsWith(pictures::photo(id) + QStringLiteral(": ")),
                 qPrintable(msg.last().text));
        QVERIFY(QFileInfo(pictures::photo(id)).isDir());
        w.close();
    }

    // A new person's photo stays only if the person is written; an existing person's
    // photo change is not undone by ANNULLA.
    void photoOfUnsavedNewPersonIsDiscarded_data()
    {
        QTest::addColumn<QString>("opened");
        QTest::addColumn<QString>("typedName");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<bool>("kept");
        QTest::newRow("new, annulla") << ""
                                      << "NUOVO"
                                      << "BtnAnnulla" << false;
        QTest::newRow("new, close box") << ""
                                        << "NUOVO"
                                        << "close" << false;
        QTest::newRow("new, window discarded") << ""
                                               << ""
                                               << "none" << false;
        QTest::newRow("new, saved") << ""
                                    << "NUOVO"
                                    << "BtnSalva" << true;
        QTest::newRow("existing, annulla") << "ROSSI MARIO"
                                           << ""
                                           << "BtnAnnulla" << true;
    }
    void photoOfUnsavedNewPersonIsDiscarded()
    {
        QFETCH(QString, opened);
        QFETCH(QString, typedName);
        QFETCH(QString, closing);
        QFETCH(bool, kept);
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        const int number = opened.isEmpty() ? 2 : 1;
        MsgRecorder msg;
        ModalHook modal;
        pick(modal, pics + QStringLiteral("/alto.jpg"));
        {
            FrmAna w;
            QVERIFY(open(w, opened));
            w.BtnFoto->click();
            QVERIFY(QFile::exists(pictures::photo(number)));
            QVERIFY(drive::activate(w));
            if (!typedName.isEmpty())
                drive::type(*w.TxtNome, typedName);
            if (closing == "close")
                w.close();
            else if (closing != "none")
                w.findChild<QPushButton *>(closing)->click();
        }
        QCOMPARE(QFile::exists(pictures::photo(number)), kept);
        if (closing == "BtnSalva")
            QCOMPARE(column(number, QStringLiteral("Nome")).toString(), typedName);
        QCOMPARE(msg.calls.size(), closing == "BtnSalva" ? 1 : 0);
    }

    void unsavedPhotoThatCannotBeDiscardedIsReported()
    {
        MsgRecorder msg;
        ModalHook modal;
        pick(modal, pics + QStringLiteral("/alto.jpg"));
        {
            FrmAna w;
            QVERIFY(open(w, QString()));
            w.BtnFoto->click();
            QVERIFY(makeStuckPath(pictures::photo(1)));
            QVERIFY(drive::activate(w));
            w.BtnAnnulla->click();
            QVERIFY(!w.isVisible());
        }
        // Told once, not again when the window goes.
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QCOMPARE(msg.last().icon, ui::Icon::Critical);
        QVERIFY2(msg.last().text.startsWith(pictures::photo(1) + QStringLiteral(": ")),
                 qPrintable(msg.last().text));
        QVERIFY(QFileInfo(pictures::photo(1)).isDir());
    }
};

VELMORA_TEST(FrmAnaPhotoTest)
#include "tst_frmanaphoto.moc"
