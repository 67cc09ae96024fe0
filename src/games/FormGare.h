#pragma once

#include <QDialog>

class Grid;
class QPushButton;

// The games list: the games of the selected season and championship, by date. From here
// a game is opened in the editor, its line-up is changed, or it is deleted.
class FormGare : public QDialog {
    Q_OBJECT
public:
    explicit FormGare(QWidget *parent = nullptr);

    Grid *Fgrid = nullptr;
    QPushButton *BtnInsGara = nullptr;
    QPushButton *BtnRicGara = nullptr;
    QPushButton *BtnEliGara = nullptr;
    QPushButton *BtnFormazione = nullptr;
    QPushButton *BtnChiudi = nullptr;

private:
    void buildWindow();
    void Form_Load();
    void refreshGames();
    int selectedGameRow();

    void BtnInsGara_Click();
    void BtnRicGara_Click();
    void BtnEliGara_Click();
    void BtnFormazione_Click();
    void BtnChiudi_Click();
    void Fgrid_DblClick();

    void showSeasonFormation();
    void openLineup(int idGara, const QString &description);
};
