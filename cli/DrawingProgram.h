// The drawing program orbitek-diagram, which draws the diagram file for orbitek-calc --diagram: Qt
// and its drawing libraries are loaded only by it, so that every other run starts at once.
#pragma once

// Runs the drawing program with the calculator's own arguments and waits for it. Its messages go to
// standard error as it writes them; returns its exit status, or ExitInternal after a message when it
// cannot be run.
int RunDrawingProgram(const char* const argv[]);
