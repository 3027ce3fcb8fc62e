// The torque characteristic dialog.
#include "Moment.h"

TTabulka1* Tabulka1 = nullptr;

TTabulka1::TTabulka1(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Momentová charakteristika"));
    SetDesignClientSize(234, 445);
}
