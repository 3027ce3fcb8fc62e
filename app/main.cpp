// Start-up: the command line, title, language, separators, the six windows, the loop, what to remember, exit code 0.
#include "Main.h"
#include "CommandLine.h"
#include "OrbitekApplication.h"
#include "ReplaceFile.h"
#include "Settings.h"

#include <QFile>

#include <cstdio>

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
    if (const QString problem = settings::SetAsideOversizedStore(); !problem.isEmpty())
        std::fprintf(stderr, "orbitek: %s\n", problem.toLocal8Bit().constData());
    // A signal taken while the windows were made leaves no loop to end: then none is started.
    if (StartUp(QFile::decodeName(request.motorFile.c_str()), LanguageOfCode(request.language)) && !EndingOnSignal())
        QApplication::exec();
    if (MainForm != nullptr)
        MainForm->SaveSettings();
    DestroyWindows();
    return 0;
}
