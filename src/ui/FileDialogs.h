#pragma once

#include <QString>

#include <functional>

namespace ui {

// The only ways the application asks the user for a file or a folder, through Qt's standard
// dialogs. They open in the folder chosen last, which is remembered between runs; an empty
// answer means the user cancelled.
QString saveFileName(const QString &caption, const QString &suggestedName, const QString &filter);
QString existingFolder(const QString &caption);

// Seam for tests: the handler answers instead of the dialog; an empty one restores it.
struct FileCall {
    enum class Kind { SaveFile, Folder } kind = Kind::SaveFile;
    QString caption;
    QString start; // the folder, or the suggested file in it
    QString filter;
};
using FileHandler = std::function<QString(const FileCall &)>;
void setFileHandler(FileHandler handler);

} // namespace ui
