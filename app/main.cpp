// Start-up: title, separators, the six windows, the main window centred, the loop, exit code 0.
#include "Fonts.h"
#include "LoadNumberSeparators.h"
#include "Main.h"
#include "OrbitekApplication.h"

#include <QScreen>

int main(int argc, char** argv)
{
    OrbitekApplication app(argc, argv);
    SetApplicationTitle();
    InstallFontSubstitutes();
    QApplication::setFont(DialogFont());
    LoadNumberSeparators();

    CreateWindows();
    if (MainForm != nullptr) {
        MainForm->PlaceForFirstShow();
        MainForm->show();
        QApplication::exec();
    }
    DestroyWindows();
    return 0;
}
