#pragma once

#include <QDialog>

// Placeholder until the window is built.
class FormAna : public QDialog {
    Q_OBJECT
public:
    explicit FormAna(QWidget *parent = nullptr);
};
