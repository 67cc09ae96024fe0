#pragma once

#include <QDialog>

// Placeholder until the window is built.
class FrmStagioni : public QDialog {
    Q_OBJECT
public:
    explicit FrmStagioni(QWidget *parent = nullptr);
};
