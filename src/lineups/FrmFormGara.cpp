#include "lineups/FrmFormGara.h"

#include "app/Module1.h"
#include "data/Lineups.h"
#include "data/RowReuse.h"

namespace {
const QString title = QStringLiteral("VELMORA - FORMAZIONE: ");
}

FrmFormGara::FrmFormGara(QWidget *parent) : LineupWindow(parent)
{
    setObjectName(QStringLiteral("FrmFormGara"));
    setWindowTitle(title);
}

void FrmFormGara::Carica(int idGara, const QString &desGara)
{
    m_idGara = idGara;
    setWindowTitle(title + desGara);
    loadSeasonPlayers();
    loadList(QStringLiteral("TIT"));
    loadList(QStringLiteral("RIS"));
}

QList<data::LineupPlayer> FrmFormGara::readList(const QString &tipo)
{
    return data::gameLineup(m_idGara, Module1::selectedSeason, Module1::selectedChampionship, tipo);
}

void FrmFormGara::writeEntry(int idGio, const QString &tipo)
{
    data::writeGameLineup(
        {m_idGara, Module1::selectedSeason, Module1::selectedChampionship, idGio, tipo});
}

bool FrmFormGara::freeEntry(int idGio, const QString &tipo)
{
    return data::withdrawFromGame(m_idGara, Module1::selectedSeason, Module1::selectedChampionship,
                                  idGio, tipo);
}
