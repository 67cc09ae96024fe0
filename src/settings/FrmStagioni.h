#pragma once

#include <QDialog>

class QComboBox;
class QListWidget;
class QPushButton;

// The seasons window: adds a season chosen from the offered years and removes a season
// in which no player is enrolled. Every change is stored at once.
class FrmStagioni : public QDialog {
    Q_OBJECT
public:
    explicit FrmStagioni(QWidget *parent = nullptr);

    QComboBox *ComboStag = nullptr; // the seasons that can be added
    QPushButton *BtnAdd = nullptr;
    QListWidget *List1 = nullptr; // the stored seasons, as labels
    QPushButton *BtnElimina = nullptr;
    QPushButton *BtnChiudi = nullptr;

private:
    void BtnAdd_Click();
    void BtnElimina_Click();
    void BtnChiudi_Click();
    void buildWindow();
    void Form_Load();
    void fillChoiceList();
    void refreshList();
};
