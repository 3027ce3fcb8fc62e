// Command-line options of the headless calculator and their parsing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "Acceptance.h"
#include "PageChoices.h"

enum class OutputFormat { Text, Csv, Json };

struct CalcOptions {
    TypedInput input; // texts and radio indices, exactly as the input dialog would hand them over
    OutputFormat format = OutputFormat::Text;
    std::optional<std::string> batchFile; // --batch: one motor per line of this file, "-" for standard input
    bool formatGiven = false;             // --format named: the tables are printed also when drawing
    std::string diagramFile;              // --diagram: where to draw the diagram; empty for nowhere
    std::optional<diagram::Scale> scale;  // --scale: amperes per millimetre, forced
    int jobs = 0;                         // --jobs: threads of a batch; 0 for one per core
};

// The most threads --jobs takes: far more than the cores of any machine the batch runs on.
constexpr int MaxJobs = 256;

struct HelpRequested {};
struct VersionRequested {};

struct UsageError {
    std::string message; // one line, without the usage text
};

using ParseResult = std::variant<CalcOptions, HelpRequested, VersionRequested, UsageError>;

// Reads argv[1..argc-1]. Option values are taken verbatim from the next argument, so negative
// numbers and texts the acceptance will reject still reach it; a repeated option keeps its last value.
ParseResult ParseOptions(int argc, const char* const argv[]);

// The radio index of a phase count ("1", "3") or pole count ("2" … "20"), -1 for any other text.
int PhaseIndex(std::string_view phases);
int PoleIndex(std::string_view poles);

// Synopsis, option meanings, defaults and exit statuses, in the form help2man reads; ends with a newline.
std::string UsageText();

// "orbitek-calc" and the project's version, one line.
std::string VersionText();
