// The application object: the last safety net for errors and the separators' re-reading.
#include "OrbitekApplication.h"

#include "ErrorDisplay.h"
#include "LoadNumberSeparators.h"

#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

OrbitekApplication::OrbitekApplication(int& argc, char** argv) : QApplication(argc, argv)
{
    // Docks match the window to the installed desktop entry by this id: Wayland ones by the
    // desktop file name, X11 ones by the instance part of the class hint, which Qt reads from
    // RESOURCE_NAME when it creates the first window. The class part stays the application title.
    setDesktopFileName(QStringLiteral(ORBITEK_APP_ID));
    if (!qEnvironmentVariableIsSet("RESOURCE_NAME"))
        qputenv("RESOURCE_NAME", ORBITEK_APP_ID);
    setApplicationVersion(QStringLiteral(ORBITEK_VERSION));
}

bool OrbitekApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        ShowUnhandledError(error);
        return true;
    }
}

bool OrbitekApplication::event(QEvent* event)
{
    // The user changed the regional settings: typed and shown numbers follow the new separators.
    if (event->type() == QEvent::LocaleChange)
        LoadNumberSeparators();
    return QApplication::event(event);
}

void SetApplicationTitle()
{
    QCoreApplication::setApplicationName(
        QCoreApplication::translate("OrbitekApplication", "Orbitek pro Windows 95/NT"));
}

namespace {

bool endingOnSignal = false;

void EndOnSignal()
{
    endingOnSignal = true;
    // exit(), not quit(): quit() first asks every window to close and gives up when one refuses, which a
    // dialog in its modal loop does. exit() ends every running loop at once, each dialog's nested one
    // included (the dialog then returns Cancel), and a loop a handler would start on the way out returns
    // at once. No close handler runs, so nothing is asked.
    QCoreApplication::exit(0);
}

} // namespace

bool EndingOnSignal()
{
    return endingOnSignal;
}

void QuitOnTerminationSignals()
{
    // The handler may only write to a descriptor; the loop reads the byte and ends the program.
    static int fds[2] = {-1, -1};
    if (fds[0] < 0) {
        if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) != 0)
            return;
        auto* notifier = new QSocketNotifier(fds[1], QSocketNotifier::Read, QCoreApplication::instance());
        QObject::connect(notifier, &QSocketNotifier::activated, notifier, [] {
            char signal = 0;
            [[maybe_unused]] const ssize_t n = ::read(fds[1], &signal, 1);
            EndOnSignal();
        });
    }
    struct sigaction action {};
    action.sa_handler = [](int) {
        const int saved = errno;
        [[maybe_unused]] const ssize_t n = ::write(fds[0], "q", 1);
        errno = saved;
    };
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND; // a second signal is not asked twice
    for (const int signal : {SIGTERM, SIGINT})
        ::sigaction(signal, &action, nullptr);
}
