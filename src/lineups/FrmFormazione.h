#pragma once

#include "lineups/LineupWindow.h"

// The standard formation of the selected season and championship, kept in Formazione.
// A new game's line-up starts from it. Loads itself when made; callers just show it.
class FrmFormazione : public LineupWindow {
    Q_OBJECT
public:
    explicit FrmFormazione(QWidget *parent = nullptr);

protected:
    QList<data::LineupPlayer> readList(const QString &tipo) override;
    void writeEntry(int idGio, const QString &tipo) override;
    bool freeEntry(int idGio, const QString &tipo) override;

private:
    void Form_Load();
};
