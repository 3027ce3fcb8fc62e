// The application object: the last safety net for errors and the separators' re-reading.
#pragma once

#include <QApplication>

class OrbitekApplication : public QApplication {
    Q_OBJECT
public:
    // Also tells the desktop which installed entry and icon the windows belong to.
    OrbitekApplication(int& argc, char** argv);

    // Errors that no handler's guard caught are shown and the event counts as handled.
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
};

// Sets the application title, the program's taskbar text and the caption of the unhandled-error box.
// It is Qt's application name, which applicationDisplayName() also returns: setting the display
// name itself would make X11 append it to every window caption.
// In the interface's language: set again when it changes.
void SetApplicationTitle();

// SIGTERM and SIGINT end the program through its event loop, so that what it keeps is written and what it
// made in temporary folders is removed, whatever dialogs are open: each ends as Cancel ends it. Nothing is
// asked on the way. A second signal ends the program at once. Called again, arms the handlers again.
void QuitOnTerminationSignals();

// True once a termination signal has been taken: the program is ending and must not ask anything (a
// window's close handler that would ask about unsaved work checks this first).
bool EndingOnSignal();
