#include "ui/FileDialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSettings>

namespace ui {

namespace {

FileHandler fileHandler;
const QString lastFolderKey = QStringLiteral("cartelle/ultima");

QString lastFolder()
{
    const QString folder = QSettings().value(lastFolderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

QString remembered(const QString &chosen, const QString &folder)
{
    if (!chosen.isEmpty())
        QSettings().setValue(lastFolderKey, folder);
    return chosen;
}

} // namespace

QString saveFileName(const QString &caption, const QString &suggestedName, const QString &filter)
{
    const FileCall call{FileCall::Kind::SaveFile, caption,
                        QDir(lastFolder()).filePath(suggestedName), filter};
    const QString chosen = fileHandler ? fileHandler(call)
                                       : QFileDialog::getSaveFileName(QApplication::activeWindow(),
                                                                      caption, call.start, filter);
    return remembered(chosen, QFileInfo(chosen).absolutePath());
}

QString existingFolder(const QString &caption)
{
    const FileCall call{FileCall::Kind::Folder, caption, lastFolder(), QString()};
    const QString chosen =
        fileHandler
            ? fileHandler(call)
            : QFileDialog::getExistingDirectory(QApplication::activeWindow(), caption, call.start);
    return remembered(chosen, chosen);
}

void setFileHandler(FileHandler handler)
{
    fileHandler = std::move(handler);
}

} // namespace ui
