// The drawing program orbitek-diagram, which draws the diagram file for orbitek-calc --diagram: Qt
// and its drawing libraries are loaded only by it, so that every other run starts at once.
#pragma once

#include <string>

// Runs the drawing program with the calculator's own arguments and waits for it. With --motor among
// them, `motorText` is the motor file's text the calculator read, given to the drawing program on its
// standard input, so that the file is read once (it may be a pipe, or change meanwhile). Its messages go
// to standard error as it writes them; returns its exit status, or ExitInternal after a message when it
// cannot be run.
int RunDrawingProgram(const char* const argv[], const std::string* motorText);
