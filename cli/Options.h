// Command-line options of the headless calculator and their parsing.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "Acceptance.h"
#include "CircuitOptions.h"
#include "Language.h"
#include "Measured.h"
#include "OperatingPointSolver.h"
#include "OutputFormat.h"
#include "PageChoices.h"

// --at Q=V: the operating point where the quantity has that value.
struct AtOption {
    OperatingQuantity quantity;
    long double value;
    std::string typed; // the value as typed, for a motor file
    bool line = false; // "IL=": a line current, `value` and `typed` of it; the quantity is the current
};

struct CalcOptions {
    TypedInput input; // texts and radio indices, exactly as the input dialog would hand them over
    OutputFormat format = OutputFormat::Text;
    std::optional<std::string> batchFile;     // --batch: one motor per line of this file, "-" for standard input
    bool formatGiven = false;                 // --format named: the tables are printed also when drawing
    std::string diagramFile;                  // --diagram: where to draw the diagram; empty for nowhere
    std::optional<diagram::Scale> scale;      // --scale: amperes per millimetre, forced
    std::optional<MeasuredReadings> measured; // the motor given as its tests' readings instead of `input`
    std::optional<diagram::Paper> paper;      // --paper: A4 to A0; A4 when not given
    int jobs = 0;                             // --jobs: threads of a batch; 0 for one per core
    Language language = Language::Czech;      // --lang: of the tables' captions and the messages

    // --at in the order given, and --torque-line.
    std::vector<AtOption> at;
    TorqueLine torqueLine = TorqueLine::Axis;
    // --start-torque: the starting torque (Nm) to find the added rotor resistance for.
    std::optional<long double> startTorque;

    // --motor: the motor of a file, whose options come before the ones given; --save-motor: where to
    // write the motor of the options. The file's name and note go on to the file written.
    std::optional<std::string> motorFile;
    std::optional<std::string> saveMotorFile;
    std::string motorName, motorNote;

    // --circuit and its settings, --load-point.
    CircuitOptions circuit;
};

// The most threads --jobs takes: far more than the cores of any machine the batch runs on.
constexpr int MaxJobs = 256;

struct HelpRequested {};
struct VersionRequested {};

struct UsageError {
    std::string message; // one line, without the usage text
};

using ParseResult = std::variant<CalcOptions, HelpRequested, VersionRequested, UsageError>;

// The options that give the input dialog's six texts, in its order.
struct TextOption {
    std::string_view name;
    std::string TypedInput::*field;
};

constexpr std::array<TextOption, 6> TextOptions{{
    {"--i0", &TypedInput::PrNapr},
    {"--cos0", &TypedInput::UcNapr},
    {"--ik", &TypedInput::PrNakr},
    {"--cosk", &TypedInput::UcNakr},
    {"--uf", &TypedInput::FazoveNapeti},
    {"--r1", &TypedInput::R1f},
}};

// The index of the option after argv[i]: the next but one, or the next after a flag (--circuit).
int NextOptionIndex(int i, const char* const argv[]);

// Reads argv[1..argc-1]. Option values are taken verbatim from the next argument, so negative
// numbers and texts the acceptance will reject still reach it; a repeated option keeps its last value,
// but every --at counts.
ParseResult ParseOptions(int argc, const char* const argv[]);

// The language the last --lang names, read before anything else so that every message follows it;
// Czech without one. A wrong value is ParseOptions' usage error.
Language LanguageArgument(int argc, const char* const argv[]);

// Synopsis, option meanings, defaults and exit statuses, in the form help2man reads; ends with a newline.
std::string UsageText();

// "orbitek-calc" and the project's version, one line.
std::string VersionText();
