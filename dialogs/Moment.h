// The torque characteristic dialog.
#pragma once

#include "ModalDialog.h"

class QLabel;
class QPushButton;
class Panel;
class StringGrid;

class TTabulka1 : public ModalDialog {
    Q_OBJECT
public:
    explicit TTabulka1(QWidget* parent = nullptr);

    Panel* Panel1;
    QLabel* Label1;
    StringGrid* TabulkaM01;
    QPushButton* TlacitkoOK;

    // Activation: rows 0 to 22 afresh from Konstrukce.
    void Vlozeni();

protected:
    void Activate() override { Vlozeni(); }
    // The captions of the rows come in the interface's language.
    void changeEvent(QEvent* event) override;
};

extern TTabulka1* Tabulka1;
