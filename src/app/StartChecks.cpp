#include "app/Start.h"

#include "data/Database.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QDir>

namespace app {

bool openTheStore()
{
    const QString path = data::storePath();
    if (const QString reason = data::openStore(path); !reason.isEmpty()) {
        ui::msgBox(QStringLiteral("Impossibile aprire il database %1:\n%2")
                       .arg(QDir::current().absoluteFilePath(path), reason),
                   ui::OkOnly | ui::Critical, ui::texts::errorTitle);
        return false;
    }
    return true;
}

void startChecks(Form1 &)
{
}

} // namespace app
