// The window program's command line, read before Qt starts: a motor file, --lang, --help, --version,
// Qt's own options; and the one line that replaces Qt's abort when there is no display.
#pragma once

#include <optional>
#include <string>

// What the command line asks for when the window is to start.
struct StartRequest {
    std::string motorFile; // empty: none
    std::string language;  // "--lang": "cs" or "en" for this run; empty: the one chosen in the menu
};

// --help and --version print to standard output and give 0; an unknown option or a second file prints
// the usage to standard error and gives 64. Nothing when the window is to start, with `request` filled.
// Qt's own options (-platform xcb, -style=fusion, ...) are left for Qt.
std::optional<int> ReadCommandLine(int argc, const char* const argv[], StartRequest& request);

std::string WindowUsageText();

// While one lives, a display that cannot be opened (Qt's fatal message while the application object is
// made) ends the program with one line on standard error and status 1 instead of an abort; Qt's other
// messages meanwhile wait and are passed on when it goes.
class NoDisplayExit {
public:
    NoDisplayExit();
    ~NoDisplayExit();
    NoDisplayExit(const NoDisplayExit&) = delete;
    NoDisplayExit& operator=(const NoDisplayExit&) = delete;
};

constexpr int NoDisplayStatus = 1;
