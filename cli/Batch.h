// Batch mode of the calculator: many motors from a TAB-separated file, one result row each.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

#include "Konstrukce.h"
#include "OutputFormat.h"

// The header of the second form: each motor as its tests were measured.
constexpr std::string_view MeasuredBatchHeader = "un\tconnection\tf\tpoles\tphases\tu0\ti0\tp0\tuk\tik\tpk\tr1\tr1kind";

// Reads motors from `in` and writes one row per motor to `out` in the file's order, computing them on
// `jobs` threads (at least one) in constant memory. Messages go to `err`. Returns the exit status
// (ExitStatus.h). `name` names the input in messages. Every motor is constructed with the torque line `line`.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, OutputFormat format, const std::string& name, int jobs,
             TorqueLine line = TorqueLine::Axis);

// The same on a file, "-" being standard input, to standard output; `jobs` 0 for one per processor.
int RunBatch(const std::string& path, OutputFormat format, int jobs, TorqueLine line = TorqueLine::Axis);
