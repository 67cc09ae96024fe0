#include "app/Start.h"

#include "core/Dates.h"
#include "data/Backup.h"
#include "roster/Form1.h"

#include <QDateTime>
#include <QStatusBar>

namespace app {

// A backup that cannot be written must not keep the user from working: the reason stays in
// the status bar, where it is seen without a box to answer.
void startBackup(Form1 &window)
{
    const QString error = data::dailyBackup(QDateTime(core::today(), QTime::currentTime()));
    if (!error.isEmpty())
        window.statusBar()->showMessage(QStringLiteral("Backup automatico non riuscito: ") + error);
}

} // namespace app
