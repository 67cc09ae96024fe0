#include "roster/FrmInsGio.h"

FrmInsGio::FrmInsGio(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmInsGio"));
    setWindowTitle(QStringLiteral("INSERIMENTO IN STAGIONE"));
}
