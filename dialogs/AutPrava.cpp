// The terms-of-use dialog.
#include "AutPrava.h"

TLicPodm* LicPodm = nullptr;

TLicPodm::TLicPodm(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Licenční ujednání"));
    SetDesignClientSize(481, 225);
}
