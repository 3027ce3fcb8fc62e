// Command-line options of the headless calculator and their parsing.
#pragma once

#include <optional>
#include <string>
#include <variant>

#include "Acceptance.h"
#include "DiagramGeometry.h"

enum class OutputFormat { Text, Csv, Json };

struct CalcOptions {
    TypedInput input; // texts and radio indices, exactly as the input dialog would hand them over
    OutputFormat format = OutputFormat::Text;
    bool formatGiven = false;            // --format named: the tables are printed also when drawing
    std::string diagramFile;             // --diagram: where to draw the diagram; empty for nowhere
    std::optional<diagram::Scale> scale; // --scale: amperes per millimetre, forced
};

struct HelpRequested {};

struct UsageError {
    std::string message; // one line, without the usage text
};

using ParseResult = std::variant<CalcOptions, HelpRequested, UsageError>;

// The input dialog's defaults, with the fractional texts in the current DecimalSeparator.
TypedInput DefaultInput();

// Reads argv[1..argc-1]. Option values are taken verbatim from the next argument, so negative
// numbers and texts the acceptance will reject still reach it; a repeated option keeps its last value.
ParseResult ParseOptions(int argc, const char* const argv[]);

// Synopsis, option meanings and defaults; ends with a newline.
std::string UsageText();
