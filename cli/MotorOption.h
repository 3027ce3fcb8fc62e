// The calculator's motor files: --motor reads one, --save-motor writes the motor of the options.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "MotorFile.h"
#include "Options.h"

// With --motor FILE on the command line: reads the file and parses the options again with the file's motor
// given first, so that a motor gives the same output from a file as from options and the options
// given beside it win. Options of the other form than the file's make `parsed` a usage error. Returns
// 0, or the exit status (66 the file cannot be opened, 65 it holds no motor) with the message written
// to standard error. With `fileText` the file's bytes are kept there when it holds none, and taken from
// there instead of the file when it holds them (the drawing program gets them from the calculator).
int TakeMotorFile(int argc, const char* const argv[], ParseResult& parsed,
                  std::optional<std::string>* fileText = nullptr);

// A motor file's options as one would type them, numbers in the locale's form.
std::vector<std::string> MotorArguments(const MotorFile& motor);

// The motor of the options as a file: its values as typed, the first --at, the torque line, and the
// name and note of the file it came from.
MotorFile MotorOfOptions(const CalcOptions& options);

// With --save-motor FILE, once acceptance has taken the motor: writes it whole or not at all. 0, or the
// exit status with the message written to standard error.
int SaveMotorOption(const CalcOptions& options);
