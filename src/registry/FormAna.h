#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

// The registry list: every person by name, the door to the person editor, and the
// deletion of a person who is enrolled nowhere.
class FormAna : public QDialog {
    Q_OBJECT
public:
    explicit FormAna(QWidget *parent = nullptr);

    QListWidget *List1 = nullptr;
    QPushButton *BtnApri = nullptr;
    QPushButton *BtnElimina = nullptr;
    QPushButton *BtnNuovo = nullptr;
    QPushButton *BtnChiudi = nullptr;

private:
    void BtnApri_Click();
    void List1_DblClick();
    void BtnNuovo_Click();
    void BtnElimina_Click();
    void BtnChiudi_Click();

    void Form_Load();
    void refreshList();
    QString selectedName() const; // empty when no entry is selected
    QStringList allNames() const;
    void openEditor(QString name);
};
