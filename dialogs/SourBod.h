// The construction coordinates dialog.
#pragma once

#include "ModalDialog.h"

class TSouradniceDlg : public ModalDialog {
    Q_OBJECT
public:
    explicit TSouradniceDlg(QWidget* parent = nullptr);
};

extern TSouradniceDlg* SouradniceDlg;
