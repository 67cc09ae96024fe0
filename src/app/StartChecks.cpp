#include "app/Start.h"

#include "data/Database.h"
#include "data/Integrity.h"
#include "data/Persons.h"
#include "data/PhotoFiles.h"
#include "roster/Form1.h"
#include "ui/Dialogs.h"
#include "ui/Texts.h"

#include <QDir>
#include <QThread>

namespace app {

namespace {

const QString inUse =
    QStringLiteral("Il database è in uso da un altro programma:\n%1\n\n"
                   "Chiudere l'altro programma (o attendere che finisca), poi scegliere Riprova.\n"
                   "Esci chiude Velmora.");

// Photos of persons gone, and what a replacement cut short left: put aside, never
// deleted, so that no new person inherits them and nothing the user had is lost.
void tidyPhotos()
{
    QSet<int> persons;
    if (!ui::guard([&] { persons = data::personNumbers(); }))
        return;
    const data::Tidied tidied = data::tidyPhotoFolder(persons);
    if (!tidied.failures.isEmpty())
        ui::showError(QStringLiteral("Impossibile spostare in %1:\n%2")
                          .arg(QDir::toNativeSeparators(data::orphanFolder()),
                               tidied.failures.join(QLatin1Char('\n'))));
}

// The quick check reads the whole file: on a thread of its own, with a connection of its
// own, so that the window is usable meanwhile. It waits for the check before it goes.
class StoreCheck : public QThread {
public:
    StoreCheck(const QString &path, QObject *parent) : QThread(parent), m_path(path) {}
    ~StoreCheck() override { wait(); }
    QString found; // read once finished

protected:
    void run() override { found = data::quickCheck(m_path); }

private:
    QString m_path;
};

void reportDamage(const QString &found)
{
    ui::msgBox(QStringLiteral("Il controllo del database ha trovato dei danni:\n%1\n\n"
                              "Si consiglia di chiudere Velmora e ripristinare un backup. "
                              "Intanto i dati si possono consultare, ma le modifiche "
                              "potrebbero andare perse.")
                   .arg(found),
               ui::OkOnly | ui::Exclamation, ui::texts::noticeTitle);
}

} // namespace

bool openTheStore()
{
    const QString path = data::storePath();
    for (;;) {
        const data::Opening opened = data::open(path);
        if (opened.reason.isEmpty())
            break;
        const QString where = QDir::toNativeSeparators(QDir::current().absoluteFilePath(path));
        if (opened.busy) {
            if (ui::msgBox(inUse.arg(where), ui::RetryExit | ui::Exclamation,
                           ui::texts::noticeTitle) == ui::Answer::Retry)
                continue;
            return false;
        }
        ui::msgBox(
            QStringLiteral("Impossibile aprire il database %1:\n%2").arg(where, opened.reason),
            ui::OkOnly | ui::Critical, ui::texts::errorTitle);
        return false;
    }
    if (!data::isReadOnly())
        tidyPhotos();
    return true;
}

void startChecks(Form1 &window)
{
    if (data::isReadOnly())
        window.setWindowTitle(window.windowTitle() + QStringLiteral(" - sola lettura"));
    auto *check = new StoreCheck(QDir::current().absoluteFilePath(data::storePath()), &window);
    QObject::connect(check, &QThread::finished, &window, [check] {
        const QString found = check->found;
        check->deleteLater();
        if (!found.isEmpty())
            reportDamage(found);
    });
    check->start(QThread::LowPriority);
}

} // namespace app
