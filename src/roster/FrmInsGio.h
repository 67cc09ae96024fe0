#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

// Enrols a registry person in the selected season and championship.
class FrmInsGio : public QDialog {
    Q_OBJECT
public:
    explicit FrmInsGio(QWidget *parent = nullptr);

    QLabel *Label1 = nullptr;
    QComboBox *ComboGio = nullptr;
    QComboBox *ComboId = nullptr; // hidden: the IdAna of each ComboGio entry
    QPushButton *BtnOK = nullptr;
    QPushButton *BtnAnnulla = nullptr;

private:
    void BtnOK_Click();
    void BtnAnnulla_Click();
    void Form_Load();
    void fillCandidates();
};
