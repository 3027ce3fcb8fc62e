// Start-up: title, separators, the six windows, the main window centred, the loop, exit code 0.
#include "Main.h"
#include "OrbitekApplication.h"

int main(int argc, char** argv)
{
    OrbitekApplication app(argc, argv);
    if (StartUp())
        QApplication::exec();
    DestroyWindows();
    return 0;
}
