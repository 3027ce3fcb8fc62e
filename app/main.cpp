// Start-up: the command line, title, language, separators, the six windows, the loop, what to remember, exit code 0.
#include "Main.h"
#include "CommandLine.h"
#include "OrbitekApplication.h"
#include "ReplaceFile.h"

#include <QFile>

int main(int argc, char** argv)
{
    ReportFileSizeLimitAsError();
    StartRequest request;
    if (const std::optional<int> status = ReadCommandLine(argc, argv, request))
        return *status;
    std::optional<NoDisplayExit> noDisplay(std::in_place);
    OrbitekApplication app(argc, argv);
    noDisplay.reset();
    QuitOnTerminationSignals();
    if (StartUp(QFile::decodeName(request.motorFile.c_str()), LanguageOfCode(request.language)))
        QApplication::exec();
    if (MainForm != nullptr)
        MainForm->SaveSettings();
    DestroyWindows();
    return 0;
}
