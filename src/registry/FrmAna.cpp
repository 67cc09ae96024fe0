#include "registry/FrmAna.h"

FrmAna::FrmAna(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmAna"));
    setWindowTitle(QStringLiteral("VELMORA - ANAGRAFICA"));
}

void FrmAna::Carica(QString &Nome)
{
    Q_UNUSED(Nome);
}
