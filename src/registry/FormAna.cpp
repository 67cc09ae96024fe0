#include "registry/FormAna.h"

FormAna::FormAna(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormAna"));
    setWindowTitle(QStringLiteral("VELMORA - ANAGRAFICA"));
}
