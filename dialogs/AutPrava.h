// The terms-of-use dialog.
#pragma once

#include "ModalDialog.h"

class TLicPodm : public ModalDialog {
    Q_OBJECT
public:
    explicit TLicPodm(QWidget* parent = nullptr);
};

extern TLicPodm* LicPodm;
