#pragma once

#include <QDialog>

// Placeholder until the window is built.
class FrmCampionati : public QDialog {
    Q_OBJECT
public:
    explicit FrmCampionati(QWidget *parent = nullptr);
};
