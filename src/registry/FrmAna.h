#pragma once

#include <QDialog>

// Placeholder until the person editor is built.
class FrmAna : public QDialog {
    Q_OBJECT
public:
    explicit FrmAna(QWidget *parent = nullptr);
    void Carica(QString &Nome);
};
