#pragma once

#include <QMainWindow>

class Grid;

namespace data {
struct RosterRow;
}

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTimer;

// The main window: the shared selection of season and championship, the season roster
// with each player's figures, and the player's season card on the left.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1(QWidget *parent = nullptr);

    // Selectors and roster.
    QComboBox *ComboStag = nullptr;
    QComboBox *ComboCamp = nullptr;
    QComboBox *ComboIdCamp = nullptr; // hidden: the Campionati.Id of each ComboCamp entry
    QRadioButton *Opt_0 = nullptr;
    QRadioButton *Opt_1 = nullptr;
    QRadioButton *Opt_2 = nullptr;
    Grid *Fgrid = nullptr;

    QPushButton *BtnInsGio = nullptr;
    QPushButton *BtnElimina = nullptr;
    QPushButton *BtnImporta = nullptr;
    QPushButton *BtnAna = nullptr;
    QPushButton *BtnGare = nullptr;
    QPushButton *BtnAnt = nullptr;
    QPushButton *BtnStampa = nullptr;
    QPushButton *BtnSalva = nullptr;
    QPushButton *BtnEsci = nullptr;
    QTimer *Timer1 = nullptr;

    QMenu *mnuImpostazioni = nullptr;
    QAction *mnuStag = nullptr;
    QAction *mnuCamp = nullptr;
    QMenu *mnuSchede = nullptr;
    QAction *mnuAna = nullptr;
    QAction *mnuFormazione = nullptr;
    QMenu *mnuAiuto = nullptr;
    QAction *mnuInfo = nullptr;
    QLabel *LblInizio = nullptr; // how to begin, while there is no season or championship

    // The player's season card.
    QLineEdit *TxtId = nullptr; // hidden: IdGio of the loaded player, empty for none
    QLineEdit *TxtNome = nullptr;
    QComboBox *ComboRuolo = nullptr;
    QLineEdit *TxtData = nullptr;
    QLineEdit *TxtLuogo = nullptr;
    QLineEdit *TxtPeso = nullptr;
    QLineEdit *TxtAltezza = nullptr;
    QLineEdit *TxtPaese = nullptr;
    QLineEdit *TxtDoc = nullptr;
    QLineEdit *TxtScadenza = nullptr;
    QLineEdit *TxtSocieta = nullptr;
    QLineEdit *TxtPresenze = nullptr;
    QLineEdit *TxtReti = nullptr;
    QLineEdit *TxtAmm = nullptr;
    QLineEdit *TxtEsp = nullptr;
    QLineEdit *TxtSqual = nullptr;
    QLineEdit *TxtSostA = nullptr;
    QLineEdit *TxtSostF = nullptr;
    QLineEdit *TxtMin = nullptr;

    // The card has changes that are not saved yet.
    bool cardModified() const { return m_cardModified; }

private:
    void Fgrid_Click();
    void Fgrid_DblClick();
    void ComboStag_Click();
    void ComboCamp_Click();
    void Opt_Click(bool selected);
    void Timer1_Timer();

    void BtnAna_Click();
    void mnuAna_Click();
    void BtnGare_Click();
    void BtnInsGio_Click();
    void mnuStag_Click();
    void mnuCamp_Click();
    void mnuFormazione_Click();
    void BtnAnt_Click();
    void BtnStampa_Click();
    void BtnSalva_Click();
    void BtnElimina_Click();
    void BtnEsci_Click();

    void Form_Load();
    void buildMenus();
    QWidget *buildCard();
    void buildWindow();
    void connectControls();

    void fillSeasonSelector();
    void fillChampionshipSelector();
    void refreshRoster();
    void setRosterHeaders();
    void showRoster(const QList<data::RosterRow> &players);
    bool leaveCard();
    int rowOf(const QString &idGio) const;
    void mnuInfo_Click();
    void restoreWindowPlace();
    void rememberWindowPlace();
    bool selectionMade();

    // The season card.
    void clearCard();
    void loadCard(int row);
    bool saveCard();
    void setCardEditable(bool editable);
    void showSavedInRoster(int idGio);
    void removePlayer();
    void markCardModified();

    bool m_cardModified = false;
    QRadioButton *m_sortOption = nullptr; // the order the roster is in

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

    // The Archivio menu: backups, restoring one, exports (Form1Archive.cpp).
public:
    QMenu *mnuArchivio = nullptr;
    QAction *mnuBackup = nullptr;
    QAction *mnuRipristina = nullptr;
    QAction *mnuEsportaCsv = nullptr;
    QAction *mnuEsportaPdf = nullptr;
    QAction *mnuEsportaGare = nullptr;

private:
    void buildArchiveMenu();
    void mnuBackup_Click();
    void mnuRipristina_Click();
    void mnuEsportaCsv_Click();
    void mnuEsportaPdf_Click();
    void mnuEsportaGare_Click();
};
