// The terms-of-use dialog.
#pragma once

#include <array>

#include "ModalDialog.h"

class QFrame;
class QLabel;
class QPushButton;
class Panel;

class TLicPodm : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int ConditionCount = 4;

    explicit TLicPodm(QWidget* parent = nullptr);

    QFrame* Bevel1;
    QLabel* Heading;
    std::array<QLabel*, ConditionCount> Conditions;
    QLabel* Datum;
    Panel* Panel1;
    QPushButton* TlacitkoOK;
};

extern TLicPodm* LicPodm;
