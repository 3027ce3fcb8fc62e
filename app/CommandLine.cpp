// The window program's command line and its exit without a display.
#include "CommandLine.h"

#include <QString>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

constexpr int UsageStatus = 64; // as the calculator's usage errors

constexpr const char* NoDisplay = "orbitek: there is no display to open the window on; orbitek-calc computes the "
                                  "same tables without one\n";

// Qt's command-line options (QGuiApplication, the xcb platform, QApplication), taken with one dash or
// two; the first ones take the next argument, or "=value".
constexpr std::array<std::string_view, 14> QtOptionsWithValue{
    "platform", "platformpluginpath", "platformtheme", "plugin",  "qwindowgeometry", "qwindowicon", "qwindowtitle",
    "display",  "geometry",           "title",         "session", "style",           "stylesheet",  "name"};
constexpr std::array<std::string_view, 6> QtFlags{"reverse", "widgetcount", "nograb",
                                                  "dograb",  "sync",        "qmljsdebugger"};

bool Contains(const auto& list, std::string_view word)
{
    return std::find(list.begin(), list.end(), word) != list.end();
}

int Usage(std::FILE* to, int status, const std::string& message = {})
{
    if (!message.empty())
        std::fprintf(to, "orbitek: %s\n", message.c_str());
    std::fputs(WindowUsageText().c_str(), to);
    return status;
}

// Qt's messages while the display is being opened, and the handler before ours.
QtMessageHandler previousHandler = nullptr;
struct HeldMessage {
    QtMsgType type;
    QString text;
};
std::vector<HeldMessage>* heldMessages = nullptr;

// The plugin name in Qt's warning that it found no platform plugin of that name, or empty: a name
// mistyped in -platform or QT_QPA_PLATFORM is no missing display.
QString MissingPlugin()
{
    static const QString notFound = QStringLiteral("Could not find the Qt platform plugin \"");
    for (const HeldMessage& m : *heldMessages)
        if (const qsizetype at = m.text.indexOf(notFound); at >= 0) {
            const qsizetype start = at + notFound.size();
            const qsizetype end = m.text.indexOf(u'"', start);
            if (end > start)
                return m.text.mid(start, end - start);
        }
    return {};
}

void HoldOrExit(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg) {
        // The platform plugin could not start: no display, or no plugin of the name asked for. Qt would
        // abort next.
        if (const QString plugin = MissingPlugin(); !plugin.isEmpty())
            std::fprintf(stderr,
                         "orbitek: the platform plugin '%s' could not be loaded (named by -platform or "
                         "QT_QPA_PLATFORM)\n",
                         qUtf8Printable(plugin));
        else
            std::fputs(NoDisplay, stderr);
        std::fflush(stderr);
        std::_Exit(NoDisplayStatus);
    }
    heldMessages->push_back({type, message});
}

} // namespace

std::string WindowUsageText()
{
    return "Usage: orbitek [FILE.orbitek]\n"
           "\n"
           "Computes and draws the circle diagram and the torque characteristic of an\n"
           "induction motor; the user interface is Czech unless English is chosen\n"
           "(Help > Jazyk / Language, or --lang en). FILE is a motor saved by Orbitek,\n"
           "opened at start. orbitek-calc computes the same without a window.\n"
           "\n"
           "Options:\n"
           "  --lang LANG  the interface's language for this run: cs or en\n"
           "  --help       show this help and exit\n"
           "  --version    show the version and exit\n"
           "Qt's own options, such as -platform NAME or -style NAME, are taken too.\n"
           "\n"
           "Exit status: 0 when the window is closed, 1 without a display, 64 for a usage error.\n";
}

std::optional<int> ReadCommandLine(int argc, const char* const argv[], StartRequest& request)
{
    bool optionsEnd = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnd || arg.empty() || arg[0] != '-' || arg == "-") {
            if (!request.motorFile.empty())
                return Usage(stderr, UsageStatus, "one motor file at a time");
            request.motorFile = arg;
            continue;
        }
        if (arg == "--") {
            optionsEnd = true;
        } else if (arg == "--help" || arg == "-h") {
            return Usage(stdout, 0);
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            const bool joined = arg.size() > 6; // "--lang=en"
            if (!joined && ++i >= argc)
                return Usage(stderr, UsageStatus, "missing value for --lang");
            const std::string_view code = joined ? arg.substr(7) : std::string_view(argv[i]);
            if (code != "cs" && code != "en")
                return Usage(stderr, UsageStatus, "unknown language '" + std::string(code) + "' (cs or en)");
            request.language = code;
        } else if (arg == "--version") {
            std::printf("orbitek %s\n", ORBITEK_VERSION);
            return 0;
        } else {
            std::string_view name = arg.substr(arg.starts_with("--") ? 2 : 1);
            const std::size_t equals = name.find('=');
            const bool withValue = equals != std::string_view::npos;
            name = name.substr(0, equals);
            if (Contains(QtOptionsWithValue, name)) {
                if (!withValue && ++i >= argc)
                    return Usage(stderr, UsageStatus, "missing value for " + std::string(arg));
            } else if (!Contains(QtFlags, name)) {
                return Usage(stderr, UsageStatus, "unknown option '" + std::string(arg) + "'");
            }
        }
    }
    return std::nullopt;
}

NoDisplayExit::NoDisplayExit()
{
    heldMessages = new std::vector<HeldMessage>;
    previousHandler = qInstallMessageHandler(HoldOrExit);
}

NoDisplayExit::~NoDisplayExit()
{
    qInstallMessageHandler(previousHandler);
    const std::vector<HeldMessage> held = std::move(*heldMessages);
    delete heldMessages;
    heldMessages = nullptr;
    for (const HeldMessage& m : held)
        previousHandler(m.type, QMessageLogContext(), m.text);
}
