// The input dialog: the motor's test data.
#include "Zadani.h"

TZadaniDlg* ZadaniDlg = nullptr;

TZadaniDlg::TZadaniDlg(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Zadání vstupních hodnot"));
    SetDesignClientSize(401, 265);
}
