#pragma once

#include "lineups/LineupWindow.h"

// The starters and reserves of one game, kept as its "TIT" and "RIS" rows in DatiGare.
// The caller calls Carica, then shows the window.
class FrmFormGara : public LineupWindow {
    Q_OBJECT
public:
    explicit FrmFormGara(QWidget *parent = nullptr);

    // desGara: the two team names joined by " - ", shown in the title.
    void Carica(int idGara, const QString &desGara);

protected:
    QList<data::LineupPlayer> readList(const QString &tipo) override;
    void writeEntry(int idGio, const QString &tipo) override;
    bool freeEntry(int idGio, const QString &tipo) override;

private:
    int m_idGara = 0;
};
