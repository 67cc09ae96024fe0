#pragma once

#include "Pictures.h"
#include "app/Module1.h"
#include "registry/FormCarica.h"
#include "registry/FrmAna.h"
#include "support/Drive.h"
#include "support/Fixture.h"

#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <memory>

// Driving the person editor and its picture picker, for the editor's tests.
namespace editor {

// Loads as the callers do, then brings the editor in front of the user.
[[nodiscard]] inline bool open(FrmAna &w, const QString &name)
{
    QString n = name;
    w.Carica(n);
    return drive::activate(w);
}

// Walks the picker's folder list down from where it opened, one double click a folder.
[[nodiscard]] inline bool openFolders(FormCarica &p, const QStringList &folders)
{
    for (const QString &folder : folders) {
        int found = -1;
        for (int i = 0; i < p.Dir1->count() && found < 0; ++i)
            if (p.Dir1->item(i)->text().trimmed() == folder)
                found = i;
        if (found < 0 || !drive::doubleClickEntry(*p.Dir1, found))
            return false;
    }
    return true;
}

// Drives the picker: the file relative to the working folder, or the removal when empty.
inline void pick(ModalHook &modal, const QString &file)
{
    modal.on<FormCarica>([file](FormCarica &p) {
        QVERIFY(drive::activate(p));
        if (file.isEmpty()) {
            p.CmdCancella->click();
            return;
        }
        const QStringList parts = file.split(QLatin1Char('/'));
        QVERIFY(openFolders(p, parts.mid(0, parts.size() - 1)));
        QVERIFY(drive::clickEntry(*p.File1, parts.last()));
        p.CmdOk->click();
    });
}

// A folder with something in it: a path that QFile::remove cannot remove.
inline bool makeStuckPath(const QString &path)
{
    QFile::remove(path);
    return QDir().mkpath(path + QStringLiteral("/dentro"));
}

} // namespace editor

// Where every test of the editor starts: a championship selected in season 2008-09 and two
// pictures to choose from below the working folder.
class EditorTest : public QObject {
    Q_OBJECT

protected:
    std::unique_ptr<Fixture> fx;
    int serieA = 0;
    const QString pics = QStringLiteral("scelte"); // below the working folder

    QVariant column(int idAna, const QString &name)
    {
        return fx->scalar(QStringLiteral("SELECT %1 FROM Anagrafica WHERE IdAna=?").arg(name),
                          {idAna});
    }

private slots:
    void init()
    {
        fx = std::make_unique<Fixture>();
        serieA = fx->addChampionship(QStringLiteral("SERIE A"));
        Module1::selectedSeason = 2008;
        Module1::selectedSeasonName = QStringLiteral("2008-09");
        Module1::selectedChampionship = serieA;
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/largo.jpg"), 290, 100, Qt::green));
        QVERIFY(pictures::writeJpeg(pics + QStringLiteral("/alto.jpg"), 100, 410, Qt::red));
    }
    void cleanup()
    {
        QVERIFY(fx->noWindowsLeft());
        fx.reset();
    }
};
