#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The championships window: adds a championship by its name and removes one in which no
// player is enrolled. Every change is stored at once.
class FrmCampionati : public QDialog {
    Q_OBJECT
public:
    explicit FrmCampionati(QWidget *parent = nullptr);

    QListWidget *List1 = nullptr; // the names, in order of Id
    QListWidget *List2 = nullptr; // hidden: the Id of each List1 entry, same position
    QPushButton *BtnInserisci = nullptr;
    QPushButton *BtnElimina = nullptr;
    QPushButton *BtnChiudi = nullptr;

private:
    void BtnInserisci_Click();
    void BtnElimina_Click();
    void BtnChiudi_Click();
    void buildWindow();
    void Form_Load();
    void refreshLists();
};
