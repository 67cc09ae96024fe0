#pragma once

#include <QDialog>

// Placeholder until the window is built.
class FrmInsGio : public QDialog {
    Q_OBJECT
public:
    explicit FrmInsGio(QWidget *parent = nullptr);
};
