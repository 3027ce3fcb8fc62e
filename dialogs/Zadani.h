// The input dialog: the motor's test data.
#pragma once

#include "ModalDialog.h"

class TZadaniDlg : public ModalDialog {
    Q_OBJECT
public:
    explicit TZadaniDlg(QWidget* parent = nullptr);
};

extern TZadaniDlg* ZadaniDlg;
