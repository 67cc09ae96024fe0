#include "printing/Pdf.h"

#include "app/Module1.h"
#include "data/Games.h"
#include "demo/DemoClub.h"
#include "roster/Form1.h"
#include "support/CsvReader.h"
#include "support/Drive.h"
#include "support/Dump.h"
#include "support/Fixture.h"
#include "support/TestMain.h"
#include "support/Widgets.h"
#include "ui/FileDialogs.h"
#include "ui/Grid.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

#include <unistd.h>

#include <memory>

namespace {

// Answers the file and folder dialogs from a script and keeps every call.
struct FileAnswers {
    QList<ui::FileCall> calls;
    QStringList answers;
    FileAnswers()
    {
        ui::setFileHandler([this](const ui::FileCall &call) {
            calls << call;
            return answers.isEmpty() ? QString() : answers.takeFirst();
        });
    }
    ~FileAnswers() { ui::setFileHandler({}); }
};

QByteArray contents(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the main window shows of the roster: name, birth date, role and the eight figures.
QList<QStringList> shownRoster(const Grid &grid)
{
    QList<QStringList> rows;
    for (int r = 1; r < grid.Rows(); ++r) {
        QStringList row;
        for (int c = 2; c <= 12; ++c)
            row << grid.TextMatrix(r, c);
        rows << row;
    }
    return rows;
}

const QStringList rosterHeader{
    "Nome",          "Data di nascita", "Ruolo",       "Presenze",           "Reti",
    "Ammonizioni",   "Espulsioni",      "Squalifiche", "Sostituzioni avute", "Sostituzioni fatte",
    "Minuti giocati"};

} // namespace

class ArchiveTest : public QObject {
    Q_OBJECT
    std::unique_ptr<Fixture> fx;
    int camp = 0;

    // A season and championship with players whose names a CSV must quote, and one game.
    void club()
    {
        fx->addSeason(2024);
        camp = fx->addChampionship(QStringLiteral("SERIE D"));
        const QStringList names{"ROSSI; MARIO", "\"IL BOMBER\" NERI", "D'ANGELO NICCOLÒ",
                                "ÈLIA CORRÀ", "DUE\nRIGHE"};
        QList<int> players;
        for (int i = 0; i < names.size(); ++i)
            players << fx->enrol(
                fx->addPerson(names.at(i), QStringLiteral("199%1-02-0%2").arg(i).arg(i + 1)), 2024,
                camp, QStringLiteral("C"));
        const int game = fx->addGame(2024, camp, QStringLiteral("2024-09-08"), 3);
        fx->addGameRow(game, players.at(0), QStringLiteral("TIT"));
        fx->addGameRow(game, players.at(0), QStringLiteral("RETE"), 12);
        fx->addGameRow(game, players.at(1), QStringLiteral("AMM"), 40);
        // Another championship's game stays out of this one's export.
        const int other = fx->addChampionship(QStringLiteral("COPPA"));
        fx->addGame(2024, other, QStringLiteral("2024-10-01"));
    }

private slots:
    void init() { fx = std::make_unique<Fixture>(); }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }

    void menuComesFirst()
    {
        Form1 form;
        const QList<QAction *> menus = form.menuBar()->actions();
        QVERIFY(!menus.isEmpty());
        QCOMPARE(menus.first()->menu(), form.mnuArchivio);
        QCOMPARE(form.mnuArchivio->objectName(), QStringLiteral("mnuArchivio"));
        QCOMPARE(form.mnuArchivio->title(), QStringLiteral("&Archivio"));
        QStringList texts;
        for (QAction *a : form.mnuArchivio->actions())
            if (!a->isSeparator())
                texts << a->objectName() + QLatin1Char('=') + a->text();
        QCOMPARE(texts,
                 (QStringList{"mnuBackup=&Backup...", "mnuRipristina=&Ripristina...",
                              "mnuEsportaCsv=&Esporta rosa CSV...", "mnuEsportaPdf=Esporta &PDF...",
                              "mnuEsportaGare=Esporta &gare CSV..."}));
    }

    void exportsNeedASelection_data()
    {
        QTest::addColumn<QString>("action");
        for (const char *a : {"mnuEsportaCsv", "mnuEsportaPdf", "mnuEsportaGare"})
            QTest::newRow(a) << a;
    }
    void exportsNeedASelection()
    {
        QFETCH(QString, action);
        fx->addSeason(2024); // a season, but no championship
        Form1 form;
        MsgRecorder msgs;
        FileAnswers files;
        form.findChild<QAction *>(action)->trigger();
        QCOMPARE(msgs.texts(), QStringList{"Selezionare prima STAGIONE e CAMPIONATO"});
        QCOMPARE(msgs.last().title, QStringLiteral("AVVISO"));
        QVERIFY(files.calls.isEmpty());
    }

    // The file holds what the window shows, in its order, and reads back whole.
    void rosterCsvReadsBackAsShown()
    {
        club();
        Form1 form;
        QVERIFY(drive::activate(form));
        drive::clickWidget(*form.Opt_1); // by age: the file follows the window's order
        const QList<QStringList> shown = shownRoster(*form.Fgrid);
        QCOMPARE(shown.size(), 5);
        QVERIFY(shown.contains(QStringList{"ROSSI; MARIO", "01/02/1990", "C", "1", "1", "0", "0",
                                           "", "0", "0", "90"}));

        MsgRecorder msgs;
        FileAnswers files;
        const QString path = fx->dir() + QStringLiteral("/rosa.csv");
        files.answers << path;
        form.mnuEsportaCsv->trigger();

        QCOMPARE(files.calls.size(), 1);
        QCOMPARE(QFileInfo(files.calls.first().start).fileName(),
                 QStringLiteral("Rosa 2024-25 SERIE D.csv"));
        const QByteArray bytes = contents(path);
        QVERIFY(bytes.startsWith("\xEF\xBB\xBF"
                                 "Nome;Data di nascita;Ruolo;Presenze;"));
        QVERIFY(bytes.contains("\"ROSSI; MARIO\";01/02/1990;C;1;1;0;0;;0;0;90\r\n"));
        QCOMPARE(readCsv(bytes), QList<QStringList>{rosterHeader} + shown);
        QCOMPARE(msgs.calls.size(), 1);
        QCOMPARE(msgs.last().icon, ui::Icon::Information);
        QVERIFY2(msgs.last().text.contains(QDir::toNativeSeparators(path)),
                 qPrintable(msgs.last().text));
        QCOMPARE(QDir(fx->dir()).entryList(QDir::Files), QStringList{"rosa.csv"});
        form.close();
    }

    void gamesCsvHoldsTheSelectionsGames()
    {
        club();
        Form1 form;
        MsgRecorder msgs;
        FileAnswers files;
        const QString path = fx->dir() + QStringLiteral("/gare.csv");
        files.answers << path;
        form.mnuEsportaGare->trigger();

        QCOMPARE(QFileInfo(files.calls.value(0).start).fileName(),
                 QStringLiteral("Gare 2024-25 SERIE D.csv"));
        const QList<QStringList> rows = readCsv(contents(path));
        QCOMPARE(rows, data::gamesTable(2024, camp));
        const QStringList game{"08/09/2024", "CASA", "OSPITI", "0", "0", "3"};
        QCOMPARE(rows.mid(1),
                 (QList<QStringList>{
                     game + QStringList{"Rete", "12", "ROSSI; MARIO", ""},
                     game + QStringList{"Ammonizione", "40", "\"IL BOMBER\" NERI", ""}}));
        QCOMPARE(msgs.last().icon, ui::Icon::Information);
    }

    // The report drawn as for printing, read back from the file as a viewer shows it.
    void pdfHoldsTheReport()
    {
        club();
        Form1 form;
        MsgRecorder msgs;
        FileAnswers files;
        const QString path = fx->dir() + QStringLiteral("/rosa.pdf");
        files.answers << path;
        form.mnuEsportaPdf->trigger();

        QCOMPARE(QFileInfo(files.calls.value(0).start).fileName(),
                 QStringLiteral("Rosa 2024-25 SERIE D.pdf"));
        QCOMPARE(pdf::info(path).value(QStringLiteral("Pages")), QStringLiteral("1"));
        const QString text = pdf::text(path).simplified();
        QVERIFY2(text.contains(QStringLiteral("STAGIONE 2024-25 - SERIE D")), qPrintable(text));
        for (const QString &name : QStringList{"ROSSI; MARIO", "D'ANGELO NICCOLÒ", "ÈLIA CORRÀ"})
            QVERIFY2(text.contains(name), qPrintable(name));
        QCOMPARE(msgs.last().icon, ui::Icon::Information);
        QCOMPARE(QDir(fx->dir()).entryList(QDir::Files), QStringList{"rosa.pdf"});
    }

    // A file that cannot be written: the reason in an "Errore" box, and no file at all.
    void failedExportLeavesNothing_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("obstacle");
        for (const char *a : {"mnuEsportaCsv", "mnuEsportaPdf", "mnuEsportaGare"})
            for (const char *o : {"under a file", "name taken by a folder", "read-only folder"})
                QTest::addRow("%s, %s", a, o) << a << o;
    }
    void failedExportLeavesNothing()
    {
        QFETCH(QString, action);
        QFETCH(QString, obstacle);
        club();
        const QString folder = fx->dir() + QStringLiteral("/esporta");
        QVERIFY(QDir().mkpath(folder));
        QString path = folder + QStringLiteral("/rosa.out");
        if (obstacle == "under a file") {
            QFile blocker(folder + QStringLiteral("/file"));
            QVERIFY(blocker.open(QIODevice::WriteOnly));
            path = blocker.fileName() + QStringLiteral("/rosa.out");
        } else if (obstacle == "name taken by a folder") {
            QVERIFY(QDir().mkpath(path));
        } else {
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
            if (::access(QFile::encodeName(folder).constData(), W_OK) == 0) {
                QFile::setPermissions(folder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("the folder stays writable for this user");
            }
        }
        const QStringList before =
            QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);

        Form1 form;
        MsgRecorder msgs;
        FileAnswers files;
        files.answers << path;
        form.findChild<QAction *>(action)->trigger();
        QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        QCOMPARE(msgs.calls.size(), 1);
        QCOMPARE(msgs.last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs.last().icon, ui::Icon::Critical);
        QVERIFY2(msgs.last().text.contains(QDir::toNativeSeparators(path) + QStringLiteral(": ")),
                 qPrintable(msgs.last().text));
        QVERIFY2(!msgs.last().text.endsWith(QStringLiteral(": ")), qPrintable(msgs.last().text));
        QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 before);
        QVERIFY(!QFileInfo(path).isFile());
    }

    // A backup from the menu, changes, then the restore from the menu: every table and photo
    // as at the backup, and the window showing the restored seasons.
    void backupThenRestoreGivesTheDataBack()
    {
        demo::Options small;
        small.seasons = 2;
        small.players = 18;
        small.games = 3;
        QCOMPARE(demo::buildClub(small), QString());
        writePhoto(1, "foto di uno");
        writePhoto(2, "foto di due");
        const QString before = storeDump();

        Form1 form;
        QVERIFY(drive::activate(form));
        const QStringList seasons = entries(*form.ComboStag);
        const QStringList championships = entries(*form.ComboCamp);
        ModalHook hook;
        MsgRecorder msgs;
        FileAnswers files;
        const QString chosen = fx->dir() + QStringLiteral("/chiavetta");
        QVERIFY(QDir().mkpath(chosen));
        files.answers << chosen;
        form.mnuBackup->trigger();

        QCOMPARE(files.calls.value(0).kind, ui::FileCall::Kind::Folder);
        const QStringList made = QDir(chosen).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(made.size(), 1);
        QVERIFY2(made.first().startsWith(QStringLiteral("Velmora backup ")),
                 qPrintable(made.first()));
        const QString backup = chosen + QLatin1Char('/') + made.first();
        QCOMPARE(msgs.calls.size(), 1);
        QCOMPARE(msgs.last().icon, ui::Icon::Information);
        QVERIFY(msgs.last().text.contains(QDir::toNativeSeparators(backup)));

        fx->sql(QStringLiteral("DELETE FROM DatiGare WHERE rowid % 2 = 0"));
        fx->sql(QStringLiteral("UPDATE Anagrafica SET Nome='CAMBIATO' WHERE IdAna=1"));
        fx->addSeason(2040);
        QVERIFY(QFile::remove(QStringLiteral("Dati/Foto/1.jpg")));
        writePhoto(2, "un'altra foto");
        writePhoto(7, "foto in più");
        fx->sql(QStringLiteral("UPDATE Campionati SET Nome='RINOMINATO'"));
        // The windows close at once; the selectors now show the changes.
        form.mnuStag->trigger();
        form.mnuCamp->trigger();
        QCOMPARE(form.ComboStag->currentText(), QStringLiteral("2040-41"));
        QCOMPARE(form.ComboCamp->currentText(), QStringLiteral("RINOMINATO"));

        msgs.clear();
        msgs.answers << ui::Answer::Yes;
        files.answers << backup;
        form.mnuRipristina->trigger();

        QCOMPARE(msgs.calls.size(), 2);
        const ui::MsgCall question = msgs.calls.first();
        QCOMPARE(question.buttons, ui::Buttons::YesNo);
        QCOMPARE(question.icon, ui::Icon::Question);
        QVERIFY(question.defaultSecond);
        QVERIFY2(
            question.text.contains(QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"))),
            qPrintable(question.text));
        QCOMPARE(msgs.last().icon, ui::Icon::Information);
        QCOMPARE(storeDump(), before);
        QCOMPARE(photo(1), QByteArray("foto di uno"));
        QCOMPARE(photo(2), QByteArray("foto di due"));
        QVERIFY(!QFile::exists(QStringLiteral("Dati/Foto/7.jpg")));
        // The window shows the restored club, from its newest season on.
        QCOMPARE(entries(*form.ComboStag), seasons);
        QCOMPARE(form.ComboStag->currentText(), seasons.last());
        QCOMPARE(Module1::selectedSeasonName, seasons.last());
        QCOMPARE(entries(*form.ComboCamp), championships);
        QCOMPARE(Module1::selectedChampionshipName, championships.first());
        QCOMPARE(form.Fgrid->Rows(), 1 + small.players);
        // What was there before is kept in a backup of its own.
        const QStringList kept =
            QDir(QStringLiteral("Dati/Backup"))
                .entryList({QStringLiteral("prima del ripristino *")}, QDir::Dirs);
        QCOMPARE(kept.size(), 1);
        form.close();
    }

    // A backup that fails a check, or a No to the question: nothing changes.
    void refusedRestoreChangesNothing_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason"); // empty: the question is asked and answered No
        QTest::newRow("not a backup") << "no store"
                                      << "non contiene un backup";
        QTest::newRow("damaged store") << "text"
                                       << "non è utilizzabile";
        QTest::newRow("answered No") << ""
                                     << "";
    }
    void refusedRestoreChangesNothing()
    {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        club();
        writePhoto(1, "foto di uno");
        Form1 form;
        ModalHook hook;
        MsgRecorder msgs;
        FileAnswers files;
        const QString chosen = fx->dir() + QStringLiteral("/copie");
        QVERIFY(QDir().mkpath(chosen));
        files.answers << chosen;
        form.mnuBackup->trigger();
        const QString backup = chosen + QLatin1Char('/') +
                               QDir(chosen).entryList(QDir::Dirs | QDir::NoDotAndDotDot).value(0);
        if (damage == "no store") {
            QVERIFY(QFile::remove(backup + QStringLiteral("/Velmora.mdb")));
        } else if (damage == "text") {
            QFile f(backup + QStringLiteral("/Velmora.mdb"));
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write("solo testo");
        }
        fx->addSeason(2030);
        writePhoto(1, "foto nuova");
        form.mnuStag->trigger();
        const QString dumped = storeDump();
        const QStringList seasons = entries(*form.ComboStag);

        msgs.clear();
        files.answers << backup;
        form.mnuRipristina->trigger(); // with no answer scripted, the question gets No

        QCOMPARE(msgs.calls.size(), 1);
        if (reason.isEmpty()) {
            QCOMPARE(msgs.last().buttons, ui::Buttons::YesNo);
            QVERIFY(msgs.last().defaultSecond);
        } else {
            QCOMPARE(msgs.last().title, QStringLiteral("Errore"));
            QCOMPARE(msgs.last().icon, ui::Icon::Critical);
            QVERIFY2(msgs.last().text.contains(reason), qPrintable(msgs.last().text));
        }
        QCOMPARE(storeDump(), dumped);
        QCOMPARE(photo(1), QByteArray("foto nuova"));
        QCOMPARE(entries(*form.ComboStag), seasons);
        QVERIFY(!QFileInfo::exists(QStringLiteral("Dati/Backup")));
    }

    // The card's changes are offered for saving before the data under them is replaced;
    // cancelling stays with the card and asks for no backup.
    void restoreLeavesTheCardFirst()
    {
        club();
        Form1 form;
        QVERIFY(drive::activate(form));
        QVERIFY(drive::clickRow(*form.Fgrid, 1));
        drive::type(*form.TxtPeso, QStringLiteral("82"));
        QVERIFY(form.cardModified());
        MsgRecorder msgs;
        FileAnswers files;
        msgs.answers << ui::Answer::Cancel;
        form.mnuRipristina->trigger();
        QCOMPARE(msgs.texts(), QStringList{"Salvare le modifiche apportate ?"});
        QVERIFY(files.calls.isEmpty());
        QVERIFY(form.cardModified());
        QCOMPARE(form.TxtPeso->text(), QStringLiteral("82"));

        msgs.answers << ui::Answer::No;
        form.close();
    }

    void failedBackupIsReported()
    {
        club();
        QFile blocker(fx->dir() + QStringLiteral("/file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        Form1 form;
        MsgRecorder msgs;
        FileAnswers files;
        files.answers << blocker.fileName();
        form.mnuBackup->trigger();
        QCOMPARE(msgs.calls.size(), 1);
        QCOMPARE(msgs.last().title, QStringLiteral("Errore"));
        QCOMPARE(msgs.last().icon, ui::Icon::Critical);
        QVERIFY2(msgs.last().text.startsWith(QStringLiteral("Backup non riuscito.\n\n")) &&
                     msgs.last().text.size() > 30,
                 qPrintable(msgs.last().text));
        QCOMPARE(QDir(fx->dir()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                 (QStringList{"Dati", "file"}));
    }
};

VELMORA_TEST(ArchiveTest)
#include "tst_archive.moc"
