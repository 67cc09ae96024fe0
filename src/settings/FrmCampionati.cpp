#include "settings/FrmCampionati.h"

FrmCampionati::FrmCampionati(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmCampionati"));
    setWindowTitle(QStringLiteral("VELMORA - CAMPIONATI"));
}
