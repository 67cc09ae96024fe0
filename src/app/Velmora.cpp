#include "app/Velmora.h"

#include "app/Start.h"

#include "data/Database.h"
#include "roster/Form1.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QLockFile>
#include <QTranslator>

void installItalian(QApplication &app)
{
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    static QTranslator qtbase;
    if (qtbase.isEmpty() &&
        qtbase.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        app.installTranslator(&qtbase);
}

namespace {

// One copy of the application per data folder: two would hand two new persons the same
// number, and one person's photo would land on the other. A lock left by a run that
// crashed is recognised by its process id and taken over.
bool lockDataFolder(QLockFile &lock)
{
    QDir().mkpath(QFileInfo(data::storePath()).path());
    lock.setStaleLockTime(0);
    if (lock.tryLock(100))
        return true;
    ui::msgBox(QStringLiteral("Velmora è già aperto su questa cartella:\n%1\n\n"
                              "Usare la finestra già aperta, oppure chiuderla prima di "
                              "riaprire Velmora.")
                   .arg(QDir::toNativeSeparators(
                       QDir::current().absoluteFilePath(QFileInfo(data::storePath()).path()))),
               ui::OkOnly | ui::Exclamation, QStringLiteral("AVVISO"));
    return false;
}

} // namespace

int runVelmora(QApplication &app)
{
    installItalian(app);
    QApplication::setApplicationName(QStringLiteral("Velmora"));
    QApplication::setOrganizationName(QStringLiteral("Velmora"));

    QLockFile lock(QFileInfo(data::storePath()).path() + QStringLiteral("/Velmora.lock"));
    if (!lockDataFolder(lock))
        return 1;

    if (!app::openTheStore())
        return 1;

    int status = 0;
    {
        Form1 window;
        window.show();
        app::startChecks(window);
        app::startBackup(window);
        status = app.exec();
    }
    data::closeStore();
    return status;
}
