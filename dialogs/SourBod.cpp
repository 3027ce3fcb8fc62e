// The construction coordinates dialog.
#include "SourBod.h"

TSouradniceDlg* SouradniceDlg = nullptr;

TSouradniceDlg::TSouradniceDlg(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Souřadnice bodů pro konstrukci"));
    SetDesignClientSize(576, 272);
}
