// The about box.
#pragma once

#include "ModalDialog.h"

class TAboutBox : public ModalDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);
};

extern TAboutBox* AboutBox;
