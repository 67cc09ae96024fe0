#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The medical card: a person's injuries and treatments in the selected season.
class FrmMedica : public QDialog {
    Q_OBJECT
public:
    explicit FrmMedica(QWidget *parent = nullptr);

    // Loads the card of person Id; Nome is the name the editor shows. Call before showing.
    void Carica(int Id, const QString &Nome);

    QLabel *LblInf = nullptr;
    QPlainTextEdit *TxtInf = nullptr;
    QLabel *LblCure = nullptr;
    QPlainTextEdit *TxtCure = nullptr;
    QPushButton *BtnAnnulla = nullptr;
    QPushButton *BtnSalva = nullptr;

private:
    void BtnSalva_Click();
    void BtnAnnulla_Click();
    void Form_Load();

    int m_id = 0;
};
