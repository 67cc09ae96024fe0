#include "Pictures.h"
#include "app/Module1.h"
#include "data/Database.h"
#include "registry/FormCarica.h"
#include "registry/FrmAna.h"
#include "support/Drive.h"
#include "support/Fixture.h"
#include "support/OtherProgram.h"
#include "support/TestMain.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

[[nodiscard]] bool open(FrmAna &w, const QString &name)
{
    QString n = name;
    w.Carica(n);
    return drive::activate(w);
}

// The picker chooses "scelte/<file>" below the working folder.
void pick(ModalHook &modal, const QString &file)
{
    modal.on<FormCarica>([file](FormCarica &p) {
        QVERIFY(drive::activate(p));
        for (int i = 0; i < p.Dir1->count(); ++i)
            if (p.Dir1->item(i)->text().trimmed() == QStringLiteral("scelte")) {
                QVERIFY(drive::doubleClickEntry(*p.Dir1, i));
                break;
            }
        QVERIFY(drive::clickEntry(*p.File1, file));
        p.CmdOk->click();
    });
}

QByteArray contentOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList photoFolderFiles()
{
    return QDir(QStringLiteral("Dati/Foto")).entryList(QDir::Files, QDir::Name);
}

} // namespace

// A person's photo stays with that person: replaced in one step, never handed to another.
class PhotoKeepingTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        QVERIFY(pictures::writeJpeg(QStringLiteral("scelte/largo.jpg"), 290, 100, Qt::green));
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    // What a replacement cut short left beside the photo does not stand in the way of the
    // next one, and the replacement leaves nothing of its own behind.
    void leftoversDoNotBlockTheReplacement()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(pictures::writeJpeg(pictures::photo(id), 30, 40));
        QVERIFY(QDir().mkpath(pictures::photo(id) + QStringLiteral(".new/dentro")));
        MsgRecorder msg;
        ModalHook modal;
        pick(modal, QStringLiteral("largo.jpg"));
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        w.BtnFoto->click();
        QCOMPARE(msg.texts(), QStringList());
        QCOMPARE(contentOf(pictures::photo(id)), contentOf(QStringLiteral("scelte/largo.jpg")));
        QCOMPARE(photoFolderFiles(), QStringList{QStringLiteral("%1.jpg").arg(id)});
        w.close();
    }

    // A photo already under the number a new person is about to take belongs to nobody:
    // it is put aside, next to any earlier one of the same name, and is not shown.
    void waitingPhotoIsPutAside()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(pictures::writeJpeg(pictures::photo(2), 50, 50, Qt::red));
        QVERIFY(pictures::writeJpeg(QStringLiteral("Dati/Foto/orfane/2.jpg"), 20, 20));
        const QByteArray waiting = contentOf(pictures::photo(2));
        const QByteArray earlier = contentOf(QStringLiteral("Dati/Foto/orfane/2.jpg"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QString()));
        QCOMPARE(w.TxtId->text(), QStringLiteral("0002"));
        QVERIFY(!QFile::exists(pictures::photo(2)));
        QCOMPARE(contentOf(QStringLiteral("Dati/Foto/orfane/2_2.jpg")), waiting);
        QCOMPARE(contentOf(QStringLiteral("Dati/Foto/orfane/2.jpg")), earlier);
        QVERIFY(w.Image1->pixmap().isNull());
        QCOMPARE(msg.texts(), QStringList());
        w.close();
    }

    // A camera's full-size picture passes the memory Qt allows one picture unless it is
    // read smaller; the editor shows it all the same.
    void largePhotoIsShown()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(pictures::writeJpeg(pictures::photo(id), 8000, 6000));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QVERIFY(!w.Image1->pixmap().isNull());
        QCOMPARE(w.Image1->size(), QSize(145, 108));
        QCOMPARE(msg.texts(), QStringList());
        w.close();
    }

    void unreadablePhotoIsReported()
    {
        const int id = fx->addPerson(QStringLiteral("ROSSI MARIO"));
        QVERIFY(QDir().mkpath(QStringLiteral("Dati/Foto")));
        QFile broken(pictures::photo(id));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("\xFF\xD8\xFF\xE0 non una foto");
        broken.close();
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        const QString told = QStringLiteral("Impossibile leggere la foto %1:\n")
                                 .arg(QDir::toNativeSeparators(pictures::photo(id)));
        QVERIFY2(msg.last().text.startsWith(told) && msg.last().text.size() > told.size(),
                 qPrintable(msg.last().text));
        QVERIFY(w.Image1->pixmap().isNull());
        QVERIFY(QFile::exists(pictures::photo(id)));
        w.close();
    }
};

VELMORA_TEST(PhotoKeepingTest)

// Names as the user types them, blanks and all.
class PersonNameTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void blanksAroundTheNameDoNotCount_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("told");
        QTest::addColumn<QString>("stored"); // empty when nothing is written
        QTest::newRow("blanks only") << "   " << QStringList{"Inserire NOME del Giocatore"} << "";
        QTest::newRow("twin with blanks")
            << "  rossi mario " << QStringList{"Giocatore 'ROSSI MARIO' gia esistente"} << "";
        QTest::newRow("new name with blanks")
            << " bianchi anna  " << QStringList{"Nuovo GIOCATORE inserito con successo"}
            << "BIANCHI ANNA";
    }
    void blanksAroundTheNameDoNotCount()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, told);
        QFETCH(QString, stored);
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QString()));
        drive::type(*w.TxtNome, typed);
        w.BtnSalva->click();
        QCOMPARE(msg.texts(), told);
        QCOMPARE(fx->count(QStringLiteral("Anagrafica")), stored.isEmpty() ? 1 : 2);
        if (stored.isEmpty()) {
            QVERIFY(w.isVisible());
            w.close();
        } else {
            QCOMPARE(
                fx->scalar(QStringLiteral("SELECT Nome FROM Anagrafica WHERE IdAna=2")).toString(),
                stored);
        }
    }
};

VELMORA_TEST(PersonNameTest)

// Another program holds the store while the editor saves.
class EditorBusyTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;

private slots:
    void init()
    {
        data::setBusyTimeout(200);
        fx = std::make_unique<Fixture>();
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
        data::setBusyTimeout(3000);
    }

    // The write waits a moment, then tells why it did not go through; what the user typed
    // stays for a second try, which succeeds once the other program has let go.
    void blockedSaveKeepsTheWindow()
    {
        fx->addPerson(QStringLiteral("ROSSI MARIO"));
        MsgRecorder msg;
        FrmAna w;
        QVERIFY(open(w, QStringLiteral("ROSSI MARIO")));
        drive::type(*w.TxtDoc, QStringLiteral("CA 123"));
        OtherProgram other(QDir::current().absoluteFilePath(data::storePath()));
        QVERIFY(other.holds());
        w.BtnSalva->click();
        QCOMPARE(msg.calls.size(), 1);
        QCOMPARE(msg.last().title, QStringLiteral("Errore"));
        QVERIFY2(msg.last().text.startsWith(
                     QStringLiteral("Il database è in uso da un altro programma")),
                 qPrintable(msg.last().text));
        QVERIFY(w.isVisible());
        QCOMPARE(w.TxtDoc->text(), QStringLiteral("CA 123"));

        other.letGo();
        w.BtnSalva->click();
        QCOMPARE(msg.last().text, QStringLiteral("GIOCATORE modificato con successo"));
        QCOMPARE(fx->scalar(QStringLiteral("SELECT Documento FROM Anagrafica")).toString(),
                 QStringLiteral("CA 123"));
    }
};

VELMORA_TEST(EditorBusyTest)
#include "tst_keeping.moc"
