// Batch mode of the calculator: many motors from a TAB-separated file, one result row each.
#pragma once

#include <cstdio>
#include <string>

#include "Options.h"

// Reads motors from `in` and writes one row per motor to `out` in the file's order, computing them on
// `jobs` threads (at least one) in constant memory. Messages go to `err`. Returns the exit status
// (ExitStatus.h). `name` names the input in messages.
int RunBatch(std::FILE* in, std::FILE* out, std::FILE* err, OutputFormat format, const std::string& name, int jobs);

// The same on a file, "-" being standard input, to standard output; `jobs` 0 for one per processor.
int RunBatch(const std::string& path, OutputFormat format, int jobs);
