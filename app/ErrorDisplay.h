// The two ways errors reach the user: validation messages and errors that escape a handler.
#pragma once

#include <QString>
#include <exception>
#include <utility>

// Modal message dialog captioned "Error" with the stop icon and one "OK" button (Enter and Esc press it):
// the validation messages.
void ShowErrorMessage(const QString& text);

// The same dialog captioned in the interface's language, "Chyba" in Czech: the messages of the program's own commands
// (saving, printing, copying, the paper and scale panel).
inline const QString OwnErrorCaption = QStringLiteral("Chyba");
void ShowOwnErrorMessage(const QString& text);

// Message box captioned with the application title; the message gets a period by the program's rule.
void ShowUnhandledError(const std::exception& error);

// The text ShowUnhandledError shows for a message.
QString UnhandledErrorText(const QString& message);

// Runs one event handler; any error it raises is shown by ShowUnhandledError and the program goes on.
template <class Handler>
void GuardHandler(Handler&& handler)
{
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        ShowUnhandledError(error);
    }
}
