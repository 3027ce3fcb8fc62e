// The torque characteristic dialog.
#pragma once

#include "ModalDialog.h"

class TTabulka1 : public ModalDialog {
    Q_OBJECT
public:
    explicit TTabulka1(QWidget* parent = nullptr);
};

extern TTabulka1* Tabulka1;
