#pragma once

#include <QDialog>
#include <QList>

class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace data {
struct LineupPlayer;
}

// The window shared by a game's line-up and the season formation: the season roster on the
// left, starters and reserves on the right. Every add and withdraw is stored at once.
//
// Each entry carries its player's IdGio as item data (IdRole), so a list and its ids can
// never drift apart.
class LineupWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int IdRole = Qt::UserRole;

    QListWidget *List1 = nullptr;   // the season roster
    QListWidget *ListTit = nullptr; // starters
    QListWidget *ListRis = nullptr; // reserves
    QRadioButton *OptTit = nullptr;
    QRadioButton *OptRis = nullptr;
    QPushButton *BtnAdd = nullptr;
    QPushButton *BtnRem_0 = nullptr; // withdraws a starter
    QPushButton *BtnRem_1 = nullptr; // withdraws a reserve
    QLabel *lblGio = nullptr;
    QLabel *lblTit = nullptr;
    QLabel *lblRis = nullptr;
    QPushButton *BtnChiudi = nullptr;

protected:
    explicit LineupWindow(QWidget *parent);

    void loadSeasonPlayers();
    void loadList(const QString &tipo);

    // Where the entries live: the game's DatiGare rows or the Formazione rows.
    virtual QList<data::LineupPlayer> readList(const QString &tipo) = 0;
    virtual void writeEntry(int idGio, const QString &tipo) = 0;
    // False when the row the list shows is no longer there.
    virtual bool freeEntry(int idGio, const QString &tipo) = 0;

private:
    void buildWindow();
    void BtnAdd_Click();
    void BtnRem_Click(int index);
    void BtnChiudi_Click();
};
