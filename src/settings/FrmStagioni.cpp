#include "settings/FrmStagioni.h"

FrmStagioni::FrmStagioni(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmStagioni"));
    setWindowTitle(QStringLiteral("VELMORA - STAGIONI"));
}
