// The about box.
#include "Info.h"

TAboutBox* AboutBox = nullptr;

TAboutBox::TAboutBox(QWidget* parent) : ModalDialog(parent)
{
    setWindowTitle(QStringLiteral("Copyright"));
    SetDesignClientSize(400, 190);
}
