// The Archivio menu: a backup where the user wants it, restoring one, and the roster and the
// games written out for spreadsheets and as a PDF.
#include "roster/Form1.h"

#include "app/Module1.h"
#include "core/Csv.h"
#include "data/Backup.h"
#include "data/Games.h"
#include "printing/RosterPrint.h"
#include "ui/Controls.h"
#include "ui/Dialogs.h"
#include "ui/FileDialogs.h"
#include "ui/Grid.h"
#include "ui/Texts.h"

#include <QAction>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace {

const QString backupTitle = QStringLiteral("Backup");
const QString restoreTitle = QStringLiteral("Ripristino");
const QString exportTitle = QStringLiteral("Esportazione");

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

struct ExportTexts {
    QString caption, suggestedName, filter, done, failed;
};

// Asks where, writes there, and tells how it went. write returns the reason of a failure.
void exportTo(const ExportTexts &t, const std::function<QString(const QString &)> &write)
{
    const QString path = ui::saveFileName(t.caption, printing::fileSafe(t.suggestedName), t.filter);
    if (path.isEmpty())
        return;
    const QString error = write(path);
    if (!error.isEmpty()) {
        ui::msgBox(t.failed + QStringLiteral(".\n\n") + error, ui::OkOnly | ui::Critical,
                   ui::texts::errorTitle);
        return;
    }
    ui::msgBox(t.done + QStringLiteral(" nel file\n") + shown(path), ui::Information, exportTitle);
}

} // namespace

void Form1::buildArchiveMenu()
{
    mnuArchivio = menuBar()->addMenu(QStringLiteral("&Archivio"));
    mnuArchivio->setObjectName(QStringLiteral("mnuArchivio"));
    mnuBackup = ui::named(mnuArchivio->addAction(QStringLiteral("&Backup...")), "mnuBackup");
    mnuRipristina =
        ui::named(mnuArchivio->addAction(QStringLiteral("&Ripristina...")), "mnuRipristina");
    mnuArchivio->addSeparator();
    mnuEsportaCsv =
        ui::named(mnuArchivio->addAction(QStringLiteral("&Esporta rosa CSV...")), "mnuEsportaCsv");
    mnuEsportaPdf =
        ui::named(mnuArchivio->addAction(QStringLiteral("Esporta &PDF...")), "mnuEsportaPdf");
    mnuEsportaGare =
        ui::named(mnuArchivio->addAction(QStringLiteral("Esporta &gare CSV...")), "mnuEsportaGare");

    connect(mnuBackup, &QAction::triggered, this, &Form1::mnuBackup_Click);
    connect(mnuRipristina, &QAction::triggered, this, &Form1::mnuRipristina_Click);
    connect(mnuEsportaCsv, &QAction::triggered, this, &Form1::mnuEsportaCsv_Click);
    connect(mnuEsportaPdf, &QAction::triggered, this, &Form1::mnuEsportaPdf_Click);
    connect(mnuEsportaGare, &QAction::triggered, this, &Form1::mnuEsportaGare_Click);
}

// The same copy as the automatic one, into a new folder inside the one the user chooses.
void Form1::mnuBackup_Click()
{
    const QString parent = ui::existingFolder(QStringLiteral("Cartella in cui salvare il backup"));
    if (parent.isEmpty())
        return;
    const QDateTime now = QDateTime::currentDateTime();
    const QString folder = QDir(parent).filePath(QStringLiteral("Velmora backup ") +
                                                 now.toString(QStringLiteral("yyyy-MM-dd HHmmss")));
    const QString error = data::writeBackup(folder, now);
    if (!error.isEmpty()) {
        ui::msgBox(QStringLiteral("Backup non riuscito.\n\n") + error, ui::OkOnly | ui::Critical,
                   ui::texts::errorTitle);
        return;
    }
    ui::msgBox(QStringLiteral("Backup salvato nella cartella\n") + shown(folder), ui::Information,
               backupTitle);
}

void Form1::mnuRipristina_Click()
{
    // The card's changes are saved or dropped first: the data under them is about to go.
    if (!leaveCard())
        return;
    const QString folder =
        ui::existingFolder(QStringLiteral("Cartella del backup da ripristinare"));
    if (folder.isEmpty())
        return;
    const data::BackupCheck check = data::checkBackup(folder);
    if (!check.error.isEmpty()) {
        ui::msgBox(QStringLiteral("Ripristino non eseguito.\n\n") + check.error,
                   ui::OkOnly | ui::Critical, ui::texts::errorTitle);
        return;
    }
    const QString question =
        QStringLiteral("Ripristinare il backup del %1?\n\nI dati attuali e le foto saranno "
                       "sostituiti da quelli del backup; prima ne viene fatta una copia in %2.")
            .arg(check.taken.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm")),
                 QDir::toNativeSeparators(data::backupRoot()));
    if (ui::msgBox(question, ui::YesNo | ui::Question | ui::DefaultSecond,
                   ui::texts::confirmTitle) != ui::Answer::Yes)
        return;
    const QString error = data::restoreBackup(folder, QDateTime::currentDateTime());
    if (!error.isEmpty()) {
        ui::msgBox(QStringLiteral("Ripristino non eseguito.\n\n") + error,
                   ui::OkOnly | ui::Critical, ui::texts::errorTitle);
        return;
    }
    // Seasons, championships and rosters are those of the backup now.
    fillSeasonSelector();
    fillChampionshipSelector();
    ui::msgBox(QStringLiteral("Ripristino completato: i dati sono quelli del backup del ") +
                   check.taken.toString(QStringLiteral("dd/MM/yyyy 'alle' HH:mm")) +
                   QLatin1Char('.'),
               ui::Information, restoreTitle);
}

// The roster as the window shows it, in its order, for a spreadsheet.
void Form1::mnuEsportaCsv_Click()
{
    if (!selectionMade())
        return;
    QList<QStringList> rows{{"Nome", "Data di nascita", "Ruolo", "Presenze", "Reti", "Ammonizioni",
                             "Espulsioni", "Squalifiche", "Sostituzioni avute",
                             "Sostituzioni fatte", "Minuti giocati"}};
    for (int r = 1; r < Fgrid->Rows(); ++r) {
        QStringList row;
        for (int c = 2; c <= 12; ++c)
            row << Fgrid->TextMatrix(r, c);
        rows << row;
    }
    exportTo({QStringLiteral("Esporta rosa CSV"), printing::rosterReportName() + ".csv",
              QStringLiteral("File CSV (*.csv)"), QStringLiteral("Rosa esportata"),
              QStringLiteral("Rosa non esportata")},
             [&](const QString &path) { return core::writeCsv(path, rows); });
}

// The printed report, drawn by the same routine, into a file.
void Form1::mnuEsportaPdf_Click()
{
    if (!selectionMade())
        return;
    exportTo({QStringLiteral("Esporta PDF"), printing::rosterReportName() + ".pdf",
              QStringLiteral("File PDF (*.pdf)"), QStringLiteral("Stampa della rosa salvata"),
              QStringLiteral("Stampa della rosa non salvata")},
             [&](const QString &path) { return printing::writeRosterPdf(*Fgrid, path); });
}

// The games of the selection with their events, one row per goal, card or substitution.
void Form1::mnuEsportaGare_Click()
{
    if (!selectionMade())
        return;
    QList<QStringList> rows;
    if (!ui::guard([&] {
            rows = data::gamesTable(Module1::selectedSeason, Module1::selectedChampionship);
        }))
        return;
    exportTo({QStringLiteral("Esporta gare CSV"),
              QStringLiteral("Gare ") + Module1::selectedSeasonName + QLatin1Char(' ') +
                  Module1::selectedChampionshipName + QStringLiteral(".csv"),
              QStringLiteral("File CSV (*.csv)"), QStringLiteral("Gare esportate"),
              QStringLiteral("Gare non esportate")},
             [&](const QString &path) { return core::writeCsv(path, rows); });
}
