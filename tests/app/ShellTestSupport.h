// Helpers for the shell's window tests: real event loops and actions scheduled inside modal loops.
#pragma once

#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <functional>

// Runs a real event loop for `ms` milliseconds, so idle steps (aboutToBlock) happen.
inline void RunEventLoop(int ms = 30)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Runs `action` from the event loop after `ms` milliseconds (e.g. inside a modal dialog's loop),
// unless `context` (the test's dialog) is gone by then.
inline void Later(QObject* context, int ms, std::function<void()> action)
{
    QTimer::singleShot(ms, context, std::move(action));
}

// The caption of a menu item without its shortcut text, and the shortcut text the menu shows.
inline QString CaptionOf(const QString& text)
{
    return text.section(u'\t', 0, 0);
}
