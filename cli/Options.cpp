// Parses the calculator's command line into the same inputs the input dialog gives.
#include "Options.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "LineCurrent.h"
#include "MeasuredCalc.h"
#include "NumText.h"
#include "QuantityValue.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

// The value the command line gives for a table entry: the number of phases or of poles.
std::string PhasesText(const PhaseChoice& c)
{
    return std::to_string(c.phases);
}

std::string PolesText(const SpeedChoice& c)
{
    return std::to_string(c.poles);
}

// "2: 3000, 4: 1500, …" wrapped into lines of at most 80 columns, each starting with `indent`.
std::string SpeedList(const std::string& indent)
{
    constexpr std::size_t LineWidth = 80;
    std::string out, line = indent;
    for (std::size_t i = 0; i < SpeedTable.size(); ++i) {
        char speed[32];
        std::snprintf(speed, sizeof speed, "%Lg", SpeedTable[i].speed);
        std::string entry = PolesText(SpeedTable[i]) + ": " + speed + (i + 1 < SpeedTable.size() ? "," : "");
        if (line != indent && line.size() + 1 + entry.size() > LineWidth) {
            out += line + "\n";
            line = indent;
        }
        line += (line == indent ? "" : " ") + entry;
    }
    return out + line + "\n";
}

using TextMember = std::string TypedInput::*;

TextMember TextField(std::string_view option)
{
    for (const TextOption& t : TextOptions)
        if (t.name == option)
            return t.field;
    return nullptr;
}

bool TakesValue(std::string_view option)
{
    MeasuredOptions probe;
    return option == "--phases" || option == "--poles" || option == "--format" || option == "--batch" ||
        option == "--diagram" || option == "--scale" || option == "--paper" || option == "--jobs" || option == "--at" ||
        option == "--torque-line" || option == "--motor" || option == "--lang" || option == "--save-motor" ||
        option == "--start-torque" || IsCircuitOption(option) || TextField(option) != nullptr ||
        TakeMeasuredOption(probe, option, {});
}

// Options that say how to compute or what to write, not which motor.
bool DescribesMotor(std::string_view option)
{
    return option != "--format" && option != "--batch" && option != "--diagram" && option != "--scale" &&
        option != "--paper" && option != "--jobs" && option != "--at" && option != "--torque-line" &&
        option != "--save-motor" && option != "--lang" && option != "--start-torque" && !IsCircuitOption(option);
}

UsageError BadValue(std::string_view option, std::string_view value)
{
    return {"invalid value '" + std::string(value) + "' for " + std::string(option)};
}

// A scale typed like the motor data, in the locale's form; only values of the 1-2-5 series.
std::optional<diagram::Scale> ScaleOption(std::string_view value)
{
    try {
        return diagram::SeriesValue(TextToNumber(std::string(value)));
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

// "P2=15000", "P2=14,9 kW": a quantity's symbol, '=', and a number in the locale's form with an optional
// unit of the quantity.
std::variant<AtOption, UsageError> AtValue(std::string_view value)
{
    const std::size_t equals = value.find('=');
    const bool line = equals != std::string_view::npos && value.substr(0, equals) == LineCurrentSymbol;
    const std::optional<OperatingQuantity> quantity = equals == std::string_view::npos ? std::nullopt
        : line                                                                         ? OperatingQuantity::Current
               : QuantityOfSymbol(value.substr(0, equals));
    if (!quantity) {
        std::string symbols;
        for (const OperatingQuantityTexts& t : OperatingQuantities)
            symbols += (symbols.empty() ? "" : ", ") + std::string(t.symbol);
        symbols += std::string(", ") + LineCurrentSymbol;
        return UsageError{"invalid value '" + std::string(value) + "' for --at: Q=V with Q one of " + symbols};
    }
    const std::string_view typed = value.substr(equals + 1);
    const QuantityValue read = ReadQuantityValue(*quantity, typed);
    if (read.value)
        return AtOption{*quantity, *read.value, read.number, line};
    if (!read.unitFits)
        return UsageError{"invalid value '" + std::string(value) + "' for --at: '" + read.unit + "' is not a unit of " +
                          (line ? LineCurrentSymbol : TextsOf(*quantity).symbol) + ", which takes " +
                          UnitsOf(*quantity)};
    try {
        TextToNumber(std::string(typed)); // for its message, which names the separator expected
    } catch (const EConvertError& e) {
        const std::string typed(value.substr(equals + 1));
        const std::string reason = RejectedNumberText(e, typed);
        if (reason != translation::OneLine(e.what())) // a text too long to quote: the reason quotes its start
            return UsageError{"invalid value for --at " + std::string(value.substr(0, equals + 1)) + ": " + reason};
        return UsageError{"invalid value '" + std::string(value) + "' for --at: " + e.what()};
    }
    return UsageError{"invalid value '" + std::string(value) + "' for --at"};
}

// 1 to MaxJobs written in plain digits, or 0.
int JobsOption(std::string_view value)
{
    if (value.empty() || value.size() > 3 || value.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    const int jobs = std::stoi(std::string(value));
    return jobs <= MaxJobs ? jobs : 0;
}

ParseResult ParseArguments(int argc, const char* const argv[]);

} // namespace

ParseResult ParseOptions(int argc, const char* const argv[])
{
    ParseResult result = ParseArguments(argc, argv);
    if (auto* error = std::get_if<UsageError>(&result))
        error->message = translation::OneLine(error->message); // it quotes what was typed
    return result;
}

namespace {

ParseResult ParseArguments(int argc, const char* const argv[])
{
    CalcOptions o;
    o.input = DefaultInput();     // the input dialog's defaults
    std::string_view motorOption; // the last option that describes the one motor
    MeasuredOptions measured;     // the readings' options, noted apart
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help")
            return HelpRequested{};
        if (option == "--version")
            return VersionRequested{};
        if (!TakesValue(option))
            return UsageError{"unknown option '" + std::string(option) + "'"};
        if (IsFlagOption(option)) {
            if (auto error = TakeCircuitOption(o.circuit, option, {}))
                return UsageError{*error};
            continue;
        }
        if (i + 1 >= argc)
            return UsageError{"missing value for " + std::string(option)};
        const std::string_view value = argv[++i];
        if (DescribesMotor(option))
            motorOption = option;
        if (TakeMeasuredOption(measured, option, value))
            continue;
        if (IsCircuitOption(option)) {
            if (auto error = TakeCircuitOption(o.circuit, option, value))
                return UsageError{*error};
            continue;
        }

        if (option == "--batch") {
            o.batchFile = std::string(value);
        } else if (const TextMember field = TextField(option)) {
            o.input.*field = value;
        } else if (option == "--phases") {
            o.input.SpotrebicIndex = PhaseIndex(value);
            if (o.input.SpotrebicIndex < 0)
                return BadValue(option, value);
        } else if (option == "--poles") {
            o.input.SynchrOtackyIndex = PoleIndex(value);
            if (o.input.SynchrOtackyIndex < 0)
                return BadValue(option, value);
        } else if (option == "--diagram") {
            if (!diagram::FormatOfFileName(value))
                return UsageError{"cannot tell the diagram's format from '" + std::string(value) +
                                  "': name the file .pdf, .svg or .png"};
            o.diagramFile = value;
        } else if (option == "--scale") {
            o.scale = ScaleOption(value);
            if (!o.scale)
                return UsageError{"invalid value '" + std::string(value) +
                                  "' for --scale: amperes per millimetre, 1, 2 or 5 times a power of ten"};
        } else if (option == "--paper") {
            o.paper = diagram::PaperOfName(value);
            if (!o.paper)
                return UsageError{"invalid value '" + std::string(value) +
                                  "' for --paper: A5, A4, A3, A2, A1, A0, Letter or Legal"};
        } else if (option == "--at") {
            std::variant<AtOption, UsageError> at = AtValue(value);
            if (const auto* error = std::get_if<UsageError>(&at))
                return *error;
            o.at.push_back(std::get<AtOption>(at));
        } else if (option == "--start-torque") {
            try {
                o.startTorque = TextToNumber(std::string(value));
            } catch (const EConvertError& e) {
                return UsageError{"invalid value '" + std::string(value) + "' for --start-torque: " + e.what()};
            }
        } else if (option == "--torque-line") {
            if (value == "axis")
                o.torqueLine = TorqueLine::Axis;
            else if (value == "no-load")
                o.torqueLine = TorqueLine::NoLoadLine;
            else
                return BadValue(option, value);
        } else if (option == "--jobs") {
            o.jobs = JobsOption(value);
            if (o.jobs == 0)
                return UsageError{"invalid value '" + std::string(value) + "' for --jobs: a whole number from 1 to " +
                                  std::to_string(MaxJobs)};
        } else if (option == "--lang") {
            const std::optional<Language> language = LanguageOfName(value);
            if (!language)
                return UsageError{"invalid value '" + std::string(value) + "' for --lang: cs or en"};
            o.language = *language;
        } else if (option == "--motor") {
            o.motorFile = value;
        } else if (option == "--save-motor") {
            o.saveMotorFile = value;
        } else if (value == "text") {
            o.format = OutputFormat::Text;
            o.formatGiven = true;
        } else if (value == "csv") {
            o.format = OutputFormat::Csv;
            o.formatGiven = true;
        } else if (value == "json") {
            o.format = OutputFormat::Json;
            o.formatGiven = true;
        } else {
            return BadValue(option, value);
        }
    }
    if (o.batchFile && !motorOption.empty())
        return UsageError{"--batch takes every motor from its file; " + std::string(motorOption) +
                          " does not go with it"};
    if (o.batchFile && !o.at.empty())
        return UsageError{"--at asks about the one motor of the options; it does not go with --batch"};
    if (o.batchFile && !o.diagramFile.empty())
        return UsageError{"--diagram draws the one motor of the options; it does not go with --batch"};
    if (o.batchFile && o.saveMotorFile)
        return UsageError{"--save-motor writes the one motor of the options; it does not go with --batch"};
    if (o.batchFile && (o.circuit.shown || !o.circuit.loadPoints.empty()))
        return UsageError{"--circuit and --load-point ask about the one motor of the options; they do not go with "
                          "--batch"};
    if (auto error = FinishCircuitOptions(o.circuit))
        return UsageError{*error};
    if (o.scale && o.diagramFile.empty())
        return UsageError{"--scale needs --diagram"};
    if (o.paper && o.diagramFile.empty())
        return UsageError{"--paper needs --diagram"};
    if (o.jobs != 0 && !o.batchFile)
        return UsageError{"--jobs needs --batch"};
    if (auto error = FinishMeasuredOptions(measured, o.measured))
        return UsageError{*error};
    return o;
}

} // namespace

int NextOptionIndex(int i, const char* const argv[])
{
    return IsFlagOption(argv[i]) ? i + 1 : i + 2;
}

Language LanguageArgument(int argc, const char* const argv[])
{
    // Every option but --help and --version takes the next argument as its value, whatever it says.
    Language language = Language::Czech;
    for (int i = 1; i + 1 < argc; i = NextOptionIndex(i, argv)) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "--version")
            break;
        if (IsFlagOption(option))
            continue;
        if (option == "--lang")
            language = LanguageOfName(argv[i + 1]).value_or(language);
    }
    return language;
}

std::string UsageText()
{
    const TypedInput d = DefaultInput();
    return "Usage: orbitek-calc [OPTION]...\n"
           "\n"
           "Computes the circle diagram and the torque characteristic of an induction motor.\n"
           "Numbers are typed with the locale's decimal separator and no digit grouping:\n"
           "0.25 in the C or an English locale, 0,25 in a Czech one; the examples below\n"
           "are written as this locale has them.\n"
           "\n"
           "Options:\n"
           "  --i0 TEXT      no-load current I0 in A (default " +
        d.PrNapr +
        ")\n"
        "  --cos0 TEXT    no-load power factor cos phi0 (default " +
        d.UcNapr +
        ")\n"
        "  --ik TEXT      short-circuit current Ik in A (default " +
        d.PrNakr +
        ")\n"
        "  --cosk TEXT    short-circuit power factor cos phik (default " +
        d.UcNakr +
        ")\n"
        "  --uf TEXT      phase voltage Uf in V (default " +
        d.FazoveNapeti +
        ")\n"
        "  --r1 TEXT      stator resistance per phase R1f in ohms (default " +
        d.R1f +
        ")\n"
        "  --phases N     number of phases, " +
        PhasesText(PhaseTable.front()) + " or " + PhasesText(PhaseTable.back()) + " (default " +
        PhasesText(PhaseTable[d.SpotrebicIndex]) +
        ")\n"
        "  --poles 2P     number of poles 2p, giving the synchronous speed in 1/min (default " +
        PolesText(SpeedTable[d.SynchrOtackyIndex]) + "):\n" + SpeedList("                 ") + MeasuredUsageText() +
        "  --format F     text: the five result tables, cells separated by TAB (default);\n"
        "                 csv: the same tables as CSV with CRLF line ends;\n"
        "                 json: every computed quantity and the five tables\n"
        "  --batch FILE   compute every motor of FILE (- for standard input): a TAB-separated\n"
        "                 header line i0 cos0 ik cosk uf r1 phases poles, then one motor per\n"
        "                 line; writes one row per motor with its status and main results.\n"
        "                 Motors as measured take the header un connection f poles phases u0\n"
        "                 i0 p0 uk ik pk r1 r1kind (r1kind: phase, terminals, share, pair\n"
        "                 or ratio), optionally followed by pf0, pfk, r2, turns\n"
        "  --jobs N       compute the batch on N threads (default: one per processor); the rows\n"
        "                 come out in the file's order and the same for every N\n"
        "  --diagram FILE draw the circle diagram to true scale into FILE as the extension says:\n"
        "                 a PDF (with the characteristic curves on a second page), an SVG or a\n"
        "                 PNG page; the tables are then printed only with --format\n"
        "  --paper P      the diagram's paper, A5, A4, A3, A2, A1, A0, Letter or Legal, in any\n"
        "                 case (default A4), landscape unless portrait gives a finer scale\n"
        "  --scale A      amperes per millimetre of the diagram, 1, 2 or 5 times a power of ten\n"
        "                 (default: 1 A = 1 mm where the diagram fits the paper, else the finest\n"
        "                 scale that fits; finer where it would be under 100 mm across)\n"
        "  --at Q=V       also the operating point where Q has the value V, Q one of P2 (output,\n"
        "                 W), M (torque, Nm), I (phase current, A), P1 (input, W), s (slip),\n"
        "                 n (speed, 1/min), IL (line current, A; for a motor given as measured);\n"
        "                 V may end in a unit: kW, MW or hp (745" +
        SeparatorText(DecimalSeparator) +
        "7 W), kNm, kA, rpm, % for the\n"
        "                 slip; repeatable, one row each in a last grid (JSON: \"At\")\n"
        "  --start-torque M\n"
        "                 also the external rotor resistance per phase, referred to the stator,\n"
        "                 that makes the motor start with M Nm, and the one for its maximum\n"
        "                 torque at start (JSON: \"StartingResistance\")\n"
        "  --torque-line L\n"
        "                 axis: T divides Ak's ordinate from the x axis (default); no-load: only\n"
        "                 its part above the no-load line, as textbooks draw it; also for --batch\n"
        "  --circuit      also the equivalent circuit from the same two tests: the grids\n"
        "                 \"Náhradní schéma\" (R1, X1, R2', X2', Xm, Rfe) and \"Kružnice a náhradní\n"
        "                 schéma\" (the characteristic values and each --at point by the circle\n"
        "                 and by the circuit, with the difference in %) (JSON: \"Circuit\")\n"
        "  --design-class C\n"
        "                 the rotor's design class giving the share k = X1 / (X1 + X2'):\n"
        "                 A 0.5, B 0.4, C 0.3, D 0.5, wound 0.5 (default 0.5); needs --circuit\n"
        "  --x1-share K   the share k typed, 0 < K < 1, instead of a design class\n"
        "  --friction-windage W\n"
        "                 the friction and windage loss of all phases in W (default 0), taken\n"
        "                 off the no-load loss before the iron loss; needs --circuit\n"
        "  --load-point \"U;I;P1;n[;P2[;M]]\"\n"
        "                 a point of a load test: line voltage V, line current A, input W,\n"
        "                 speed 1/min, and the output W or (after an empty P2) the torque Nm;\n"
        "                 converted with the connection of the readings (values per phase for\n"
        "                 a motor given by the six values) and compared with the circle and\n"
        "                 the circuit at its slip; repeatable (JSON: \"LoadPoints\")\n"
        "  --motor FILE   the motor of FILE (Orbitek's .orbitek): its values, --at and\n"
        "                 --torque-line; options given beside it take their place\n"
        "  --save-motor FILE\n"
        "                 write the motor of the options to FILE when it is accepted, with the\n"
        "                 first --at and the torque line, then compute as usual\n"
        "  --lang L       the language of the captions, statuses and messages: cs, Czech\n"
        "                 (default), or en, English; numbers keep the locale's form, JSON\n"
        "                 keys and batch headers stay, and this help is English\n"
        "  --help         show this help and exit\n"
        "  --version      show the version and exit\n"
        "\n"
        "Exit status:\n"
        "  0   success\n"
        "  2   input rejected (the reason is on standard error); with --batch, any motor\n"
        "  3   floating-point fault in the calculation\n"
        "  64  usage error\n"
        "  65  a line of the batch file is not a motor, or the motor file is none\n"
        "  66  the batch file or the motor file cannot be opened\n"
        "  70  internal error\n"
        "  74  the output, the diagram or the motor file could not be written, or the\n"
        "      batch file not read\n";
}

std::string VersionText()
{
    return "orbitek-calc " ORBITEK_VERSION "\n";
}
