// The application object: the last safety net for errors and the separators' re-reading.
#pragma once

#include <QApplication>

class OrbitekApplication : public QApplication {
    Q_OBJECT
public:
    OrbitekApplication(int& argc, char** argv);

    // Errors that no handler's guard caught are shown and the event counts as handled.
    bool notify(QObject* receiver, QEvent* event) override;

protected:
    bool event(QEvent* event) override;
};
