// Batch mode of the calculator: many motors from a TAB-separated file, one result row each.
#pragma once

#include <cstdio>
#include <string>

#include "Konstrukce.h"
#include "OutputFormat.h"

// Reads motors from `in` and writes one row per motor to `out` as it goes, in constant memory.
// Messages go to `err`. Returns the exit status (ExitStatus.h). `name` names the input in messages.
// Every motor is constructed with the torque line `line`.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, OutputFormat format, const std::string& name,
             TorqueLine line = TorqueLine::Axis);

// The same on a file, "-" being standard input, to standard output.
int RunBatch(const std::string& path, OutputFormat format, TorqueLine line = TorqueLine::Axis);
