#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The person editor: one registry person, the photo, and the clothing handed out in the
// selected season. The caller calls Carica, then shows the window.
class FrmAna : public QDialog {
    Q_OBJECT
public:
    explicit FrmAna(QWidget *parent = nullptr);
    ~FrmAna() override;

    // Loads the person with this name; the empty name opens a new person.
    void Carica(QString &Nome);

    QLineEdit *TxtId = nullptr;
    QLineEdit *TxtNome = nullptr;
    QLineEdit *TxtData = nullptr;
    QLineEdit *TxtLuogo = nullptr;
    QLineEdit *TxtPaese = nullptr;
    QLineEdit *TxtDoc = nullptr;
    QLabel *LblAbb = nullptr;
    QPlainTextEdit *TxtAbb = nullptr;
    QLabel *Image1 = nullptr;   // the photo, stretched to the frame
    QWidget *Image2 = nullptr;  // transparent click target over the photo
    QLabel *Picture1 = nullptr; // hidden: holds the photo at its natural size
    QPushButton *BtnMedSan = nullptr;
    QPushButton *BtnFoto = nullptr;
    QPushButton *BtnAnnulla = nullptr;
    QPushButton *BtnSalva = nullptr;

protected:
    void done(int result) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BtnSalva_Click();
    void BtnAnnulla_Click();
    void BtnMedSan_Click();
    void BtnFoto_Click();
    void Image2_Click();
    void TxtData_LostFocus();
    void Form_Activate();

    void buildWindow();
    void Form_Load();
    void prepareNewPerson();
    void loadPerson(const QString &name);
    void showPhoto();
    void changePhoto();
    bool storePhoto(const QString &source, const QString &target);
    void writePerson();
    void discardUnsavedPhoto();

    QString m_openedName;
    int m_number = 0;
    bool m_modified = false;
    bool m_written = false;     // the person row was stored during this opening
    bool m_photoStored = false; // a photo was stored for the new person in this opening
};
