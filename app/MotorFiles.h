// The window's motor files: asking for one, reading it, writing it whole, and what names it.
#pragma once

#include <QString>
#include <optional>

#include "MotorFile.h"

class QWidget;

// The motor the window shows: as its file holds it, the file it was opened from or saved to (empty for
// one typed in), and whether it was edited since.
struct CurrentMotor {
    MotorFile motor;
    QString path;
    bool edited = false;
};

// Asks for a motor file to open, or for the name to save one under (`suggested`: the file it came from,
// or empty). The dialogs start in the folder used last for motors. Nothing when the user cancels.
std::optional<QString> AskMotorToOpen(QWidget* parent);
std::optional<QString> AskMotorToSave(QWidget* parent, const QString& suggested);

// The folder of a motor file opened or saved by any way: where both motor dialogs start next.
void RememberMotorFolder(const QString& path);

// Reads the motor at `path`; raises EMotorFileError whose message names the file as the user knows it.
MotorFile ReadMotorFile(const QString& path);
// Writes the motor whole or not at all; the reason of a failure, or nothing.
std::optional<QString> WriteMotorFile(const QString& path, const MotorFile& motor);
// The message of a save that failed.
QString SaveMotorErrorText(const QString& path, const QString& reason);

// Whether a dropped or named file is taken for a motor: by its name's ending.
bool IsMotorFileName(const QString& path);

// What the corner box and the title block say of the motor: its name and its file ("Cvičení 3
// (cviceni3.orbitek)", ", upraveno" once edited); empty for a motor typed in and never saved.
QString MotorTitle(const CurrentMotor& current);
