// Command-line options of the headless calculator and their parsing.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "Acceptance.h"
#include "DiagramGeometry.h"

enum class OutputFormat { Text, Csv, Json };

struct CalcOptions {
    TypedInput input; // texts and radio indices, exactly as the input dialog would hand them over
    OutputFormat format = OutputFormat::Text;
    std::optional<std::string> batchFile; // --batch: one motor per line of this file, "-" for standard input
    bool formatGiven = false;             // --format named: the tables are printed also when drawing
    std::string diagramFile;              // --diagram: where to draw the diagram; empty for nowhere
    std::optional<diagram::Scale> scale;  // --scale: amperes per millimetre, forced
    std::optional<diagram::Paper> paper;  // --paper: A4 to A0; A4 when not given
};

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
