#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// The image picker: browse drives and folders for a JPEG file and preview it. The result
// goes to the picker values of Module1 when the window closes; no file is touched here.
class FormCarica : public QDialog {
    Q_OBJECT
public:
    explicit FormCarica(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QListWidget *File1 = nullptr; // the "*.jpg" files of the current folder
    QListWidget *Dir1 = nullptr;  // the path down to the current folder, then its subfolders
    QComboBox *Drive1 = nullptr;  // the file system roots and mounted volumes
    QLabel *Image1 = nullptr;
    QWidget *Image2 = nullptr; // transparent click target over Image1: it takes every click
    QLabel *LabelRis = nullptr;
    QLabel *Picture1 = nullptr; // hidden: holds the clicked picture at its natural size
    QPushButton *CmdAnnulla = nullptr;
    QPushButton *CmdCancella = nullptr;
    QPushButton *CmdReset = nullptr;
    QPushButton *CmdOk = nullptr;

    // The folder shown in Dir1 and File1.
    QString dirPath() const { return m_dirPath; }

protected:
    void done(int result) override;
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void Dir1_DblClick(QListWidgetItem *item);
    void File1_Click();
    void File1_DblClick();
    void CmdOk_Click();
    void Image2_Click();
    void CmdAnnulla_Click();
    void CmdCancella_Click();
    void CmdReset_Click();

    // Moves the folder list (and with it the file list) to a folder.
    void setDirPath(const QString &path);
    void buildWindow();
    void Form_Load();
    void fillDrives();
    void showDriveOf(const QString &folder);
    void fillFolders();
    void fillFiles();

    QString m_dirPath;
};
