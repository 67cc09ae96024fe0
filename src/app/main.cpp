#include "app/Velmora.h"

#include <QApplication>
#include <QDir>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // Started from the desktop menu the working folder means nothing to the user: the data
    // then lives in a folder of the user's own.
    if (QApplication::arguments().contains(QStringLiteral("--cartella-utente"))) {
        const QString folder = QDir::home().filePath(QStringLiteral("Velmora"));
        if (!QDir().mkpath(folder) || !QDir::setCurrent(folder))
            return 1;
    }
    return runVelmora(app);
}
