// A home folder of this run only, for programs that keep settings: made before Qt starts, removed at exit.
#pragma once

#include <QDir>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtGlobal>

// Points HOME and XDG_CONFIG_HOME at a new empty folder and puts Qt in its test mode, so that nothing a
// test or a picture tool does reaches the user's own settings, and no earlier run's settings reach it.
class FreshHome {
public:
    FreshHome() : home_(QDir::tempPath() + QStringLiteral("/orbitek-home-XXXXXX"))
    {
        qputenv("HOME", home_.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", (home_.path() + QStringLiteral("/.config")).toLocal8Bit());
        QStandardPaths::setTestModeEnabled(true);
    }

private:
    QTemporaryDir home_;
};
