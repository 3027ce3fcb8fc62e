// Start-up: title, separators, the six windows, the main window, the loop, what to remember, exit code 0.
#include "Main.h"
#include "OrbitekApplication.h"

int main(int argc, char** argv)
{
    OrbitekApplication app(argc, argv);
    if (StartUp())
        QApplication::exec();
    if (MainForm != nullptr)
        MainForm->SaveSettings();
    DestroyWindows();
    return 0;
}
