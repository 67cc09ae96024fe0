#include "app/Velmora.h"

#include "data/Database.h"
#include "roster/Form1.h"
#include "ui/Dialogs.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
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

int runVelmora(QApplication &app)
{
    installItalian(app);
    QApplication::setApplicationName(QStringLiteral("Velmora"));

    const QString path = data::storePath();
    if (const QString reason = data::openStore(path); !reason.isEmpty()) {
        ui::msgBox(QStringLiteral("Impossibile aprire il database %1:\n%2")
                       .arg(QDir::current().absoluteFilePath(path), reason),
                   ui::OkOnly | ui::Critical, QStringLiteral("Errore"));
        return 1;
    }

    int status = 0;
    {
        Form1 window;
        window.show();
        status = app.exec();
    }
    data::closeStore();
    return status;
}
