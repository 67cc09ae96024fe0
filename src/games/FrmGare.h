#pragma once

#include <QDialog>

class Grid;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace data {
struct GameDraft;
}

// The game editor: one game's date, teams, score and added time, and its goals, cards and
// substitutions among the players of its line-up. A new game lives in the window until it
// is saved; an existing game's events are written as they are entered. The caller calls
// Carica, then shows the window.
//
// The players' ids travel with the entries of the lists (their item data), so that an
// entry and its id can never part: ComboGio, ComboSost1, ComboSost2 hold the IdGio, and
// ListMar the scorer's IdGio and the minute.
class FrmGare : public QDialog {
    Q_OBJECT
public:
    explicit FrmGare(QWidget *parent = nullptr);

    // 0 opens a new game, any other id the game with that IdGara.
    void Carica(int IdGara);

    // True once the user has changed the date, a team or the score.
    bool isModified() const { return m_modified; }

    QLineEdit *TxtData = nullptr;
    QLineEdit *TxtSqA = nullptr;
    QLineEdit *TxtSqB = nullptr;
    QComboBox *ComboGolA = nullptr;
    QComboBox *ComboGolB = nullptr;
    QComboBox *ComboRec = nullptr;

    QComboBox *ComboGio = nullptr;  // every player of the line-up
    QComboBox *ComboMin1 = nullptr; // minute of a goal
    QPushButton *BtnAddGol = nullptr;
    QPushButton *BtnRemGol = nullptr;
    QListWidget *ListMar = nullptr;    // the goals
    QPushButton *BtnAddAE_0 = nullptr; // caution
    QPushButton *BtnAddAE_1 = nullptr; // sending-off
    Grid *Fgrid1 = nullptr;            // the cards
    QPushButton *BtnRemAE = nullptr;

    QComboBox *ComboSost1 = nullptr; // the reserves, who may come on
    QComboBox *ComboSost2 = nullptr; // the starters, who may go off
    QComboBox *ComboMin2 = nullptr;  // minute of a substitution
    QPushButton *BtnAddSost = nullptr;
    Grid *Fgrid2 = nullptr; // the substitutions
    QPushButton *BtnRemSost = nullptr;

    QPushButton *BtnAnnulla = nullptr;
    QPushButton *BtnSalva = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildWindow();
    QLayout *buildHeader();
    QLayout *buildEvents();
    QLayout *buildSubstitutions();
    void connectControls();
    void Form_Load();
    void fillNumberLists();
    void setUpGrids();

    // Loading.
    void fillPlayerLists();
    void loadGame();
    void showEvents();

    void TxtData_LostFocus();
    void BtnAnnulla_Click();

    // Events (FrmGareEvents.cpp).
    void BtnAddGol_Click();
    void BtnAddAE_Click(int Index);
    void BtnAddSost_Click();
    void BtnRemGol_Click();
    void BtnRemAE_Click();
    void BtnRemSost_Click();
    bool isExistingGame() const { return m_idGara != 0; }

    // Saving (FrmGareSave.cpp).
    void BtnSalva_Click();
    bool validate();
    data::GameDraft draft() const;
    bool saveGame();

    int m_idGara = 0;
    bool m_modified = false;
};
