#include "lineups/FrmFormazione.h"

#include "app/Module1.h"
#include "data/Lineups.h"
#include "data/RowReuse.h"

FrmFormazione::FrmFormazione(QWidget *parent) : LineupWindow(parent)
{
    setObjectName(QStringLiteral("FrmFormazione"));
    setWindowTitle(QStringLiteral("VELMORA - FORMAZIONE"));
    Form_Load();
}

void FrmFormazione::Form_Load()
{
    loadSeasonPlayers();
    loadList(QStringLiteral("TIT"));
    loadList(QStringLiteral("RIS"));
}

QList<data::LineupPlayer> FrmFormazione::readList(const QString &tipo)
{
    return data::formation(Module1::selectedSeason, Module1::selectedChampionship, tipo);
}

void FrmFormazione::writeEntry(int idGio, const QString &tipo)
{
    data::writeFormationRow(idGio, tipo);
}

bool FrmFormazione::freeEntry(int idGio, const QString &tipo)
{
    return data::withdrawFromFormation(idGio, tipo);
}
