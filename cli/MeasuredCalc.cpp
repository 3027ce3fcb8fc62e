// The calculator's measured form: reads the readings' options, accepts the motor through the
// conversion, and adds what the readings gave to the output.
#include "MeasuredCalc.h"

#include <algorithm>
#include <array>

#include "ExitStatus.h"
#include "NumText.h"
#include "Render.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

// The texts this unit writes, besides the --help lines: usage errors in English as the calculator's
// others are, and the warning's line in the language of the warnings.
namespace text {
constexpr const char* NotWithReadings = " does not go with the measured readings";
constexpr const char* ReadingsNeed = "the measured readings need ";
constexpr const char* OneResistance = "one of --r1, --r1-terminals, --rotor-loss-share, --rotor-stator-ratio";
constexpr const char* Or = " or ";
constexpr const char* Needs = " needs ";
constexpr const char* UseForPowerFactor = "a power factor is given with ";
constexpr const char* UseForPower = "a power in W is given with ";
constexpr const char* NotWith = " does not go with ";
constexpr const char* ConnectionNeeded = "three phases need --connection star or delta";
constexpr const char* InvalidValue = "invalid value '";
constexpr const char* ForOption = "' for ";
constexpr const char* WarningLine = ORBITEK_TR_NOOP("MeasuredCalc", "varování: %1");
} // namespace text

// Each option of the measured form and the reading it gives; the resistance options also its kind.
struct ReadingOption {
    std::string_view name;
    std::string MeasuredReadings::*reading;
    const char* kind; // r1kind for the resistance options, else nullptr
};

constexpr std::array<ReadingOption, 18> Options{{
    {"--rated-voltage", &MeasuredReadings::un, nullptr},
    {"--connection", &MeasuredReadings::connection, nullptr},
    {"--frequency", &MeasuredReadings::f, nullptr},
    {"--no-load-voltage", &MeasuredReadings::u0, nullptr},
    {"--no-load-current", &MeasuredReadings::i0, nullptr},
    {"--no-load-power", &MeasuredReadings::p0, nullptr},
    {"--locked-voltage", &MeasuredReadings::uk, nullptr},
    {"--locked-current", &MeasuredReadings::ik, nullptr},
    {"--locked-power", &MeasuredReadings::pk, nullptr},
    {"--r1-terminals", &MeasuredReadings::r1, choice::Terminals},
    {"--rotor-loss-share", &MeasuredReadings::r1, choice::Share},
    {"--resistance-factor", &MeasuredReadings::r1factor, nullptr},
    {"--r1", &MeasuredReadings::r1, choice::PerPhase}, // shared with the first form
    {"--no-load-pf", &MeasuredReadings::pf0, nullptr},
    {"--locked-pf", &MeasuredReadings::pfk, nullptr},
    {"--r2", &MeasuredReadings::r2, nullptr}, // makes --r1 the pair's R1
    {"--turns-ratio", &MeasuredReadings::turns, nullptr},
    {"--rotor-stator-ratio", &MeasuredReadings::r1, choice::Ratio},
}};

// The readings that must be given, in the order they are asked for.
constexpr std::string_view Required[] = {"--rated-voltage", "--no-load-voltage", "--no-load-current",
                                         "--no-load-power", "--locked-voltage",  "--locked-current",
                                         "--locked-power"};
// Each test's power and the power factor that may stand in for it: exactly one of each pair.
constexpr std::pair<std::string_view, std::string_view> PowerOrFactor[] = {{"--no-load-power", "--no-load-pf"},
                                                                           {"--locked-power", "--locked-pf"}};
constexpr std::string_view ResistanceOptions[] = {"--r1", "--r1-terminals", "--rotor-loss-share",
                                                  "--rotor-stator-ratio"};
// The first form's values, which the readings replace.
constexpr std::string_view FirstFormOptions[] = {"--i0", "--cos0", "--ik", "--cosk", "--uf"};

const ReadingOption* Find(std::string_view option)
{
    for (const ReadingOption& o : Options)
        if (o.name == option)
            return &o;
    return nullptr;
}

bool Given(const MeasuredOptions& m, std::string_view option)
{
    return std::find(m.given.begin(), m.given.end(), option) != m.given.end();
}

void Note(MeasuredOptions& m, std::string_view option)
{
    if (!Given(m, option))
        m.given.emplace_back(option);
}

// A grid's rows as text or CSV lines.
void AppendRows(std::string& out, const GridRows& rows, OutputFormat format)
{
    const bool csv = format == OutputFormat::Csv;
    for (const GridRow& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0)
                out += csv ? ',' : '\t';
            out += csv ? CsvField(row[c]) : row[c];
        }
        out += csv ? "\r\n" : "\n";
    }
}

std::string MeasuredJson(const MeasuredResult& m)
{
    std::string readings = "{";
    for (const ReadingColumn& c : ReadingColumns) {
        const std::string& typed = m.readings.*(c.text);
        if (IsOptionalReading(c.reading) && typed.empty())
            continue; // not given
        readings += (readings.size() > 1 ? ", " : "") + JsonString(c.name) + ": " + JsonString(typed);
    }
    const DerivedInputs& d = m.derived;
    const std::pair<const char*, OptionalValue> derived[] = {
        {"PrNapr", d.PrNapr},
        {"UcNapr", d.UcNapr},
        {"PrNakr", d.PrNakr},
        {"UcNakr", d.UcNakr},
        {"FazoveNapeti", d.FazoveNapeti},
        {"R1f", d.R1f},
        {"SynchrOtacky", d.SynchrOtacky},
    };
    std::string values = "{";
    for (const auto& [name, value] : derived)
        values += (values.size() > 1 ? ", " : "") + JsonString(name) + ": " + JsonNumber(value);
    return "{\n    \"Readings\": " + readings + "},\n    \"Derived\": " + values + "}\n  }";
}

std::string WarningsJson(const std::vector<std::string>& warnings)
{
    std::string out = "[";
    for (const std::string& w : warnings)
        out += (out.size() > 1 ? ", " : "") + JsonString(w);
    return out + "]";
}

} // namespace

bool TakeMeasuredOption(MeasuredOptions& m, std::string_view option, std::string_view value)
{
    const ReadingOption* o = Find(option);
    if (std::find(std::begin(FirstFormOptions), std::end(FirstFormOptions), option) != std::end(FirstFormOptions)) {
        Note(m, option); // only to refuse it beside the readings
        return false;
    }
    if (option == "--phases") {
        m.readings.phases = value;
    } else if (option == "--poles") {
        m.readings.poles = value;
    } else if (o == nullptr) {
        return false;
    } else {
        m.readings.*(o->reading) = value;
        if (o->kind != nullptr)
            m.readings.r1kind = o->kind;
    }
    Note(m, option);
    const bool shared = option == "--r1" || option == "--phases" || option == "--poles";
    m.selected = m.selected || !shared;
    return !shared;
}

std::optional<std::string> FinishMeasuredOptions(MeasuredOptions& m, std::optional<MeasuredReadings>& readings)
{
    if (!m.selected)
        return std::nullopt;
    MeasuredReadings& r = m.readings;
    for (std::string_view option : FirstFormOptions)
        if (Given(m, option))
            return std::string(option) + text::NotWithReadings;
    for (std::string_view option : Required) {
        const auto* pair = std::find_if(std::begin(PowerOrFactor), std::end(PowerOrFactor),
                                        [option](const auto& p) { return p.first == option; });
        if (pair == std::end(PowerOrFactor)) {
            if (!Given(m, option))
                return text::ReadingsNeed + std::string(option);
            continue;
        }
        if (Given(m, pair->first) && Given(m, pair->second))
            return std::string(pair->second) + text::NotWith + std::string(pair->first);
        if (!Given(m, pair->first) && !Given(m, pair->second))
            return text::ReadingsNeed + std::string(pair->first) + text::Or + std::string(pair->second);
    }
    std::vector<std::string_view> resistance;
    for (std::string_view option : ResistanceOptions)
        if (Given(m, option))
            resistance.push_back(option);
    if (resistance.empty())
        return std::string(text::ReadingsNeed) + text::OneResistance;
    if (resistance.size() > 1)
        return std::string(resistance[1]) + text::NotWith + std::string(resistance[0]);
    if (Given(m, "--resistance-factor") && (r.r1kind == choice::Share || r.r1kind == choice::Ratio))
        return std::string("--resistance-factor") + text::NotWith + std::string(resistance[0]);
    if (Given(m, "--r2") && r.r1kind != choice::PerPhase)
        return std::string("--r2") + text::NotWith + std::string(resistance[0]);
    if (Given(m, "--turns-ratio") && !Given(m, "--r2"))
        return std::string("--turns-ratio") + text::Needs + "--r2";
    if (Given(m, "--r2"))
        r.r1kind = choice::Pair; // --r1 and --r2: the pair R1, R2
    if (r.phases.empty())
        r.phases = "3";
    if (r.f.empty())
        r.f = choice::Hz50;
    // --poles left out stays "not given": the conversion computes 2p = 8 and says so.
    if (r.phases == "3" && !Given(m, "--connection"))
        return text::ConnectionNeeded;
    if (r.phases != "3" && Given(m, "--connection"))
        return std::string("--connection") + text::NotWith + "--phases " + r.phases;
    if (Given(m, "--connection") && r.connection != choice::Star && r.connection != choice::Delta)
        return text::InvalidValue + r.connection + text::ForOption + "--connection";
    if (r.f != choice::Hz50 && r.f != choice::Hz60)
        return text::InvalidValue + r.f + text::ForOption + "--frequency";
    readings = r;
    return std::nullopt;
}

std::string_view OptionOfReading(std::string MeasuredReadings::*reading, std::string_view r1kind)
{
    if (reading == &MeasuredReadings::phases)
        return "--phases";
    if (reading == &MeasuredReadings::poles)
        return "--poles";
    if (reading == &MeasuredReadings::r1 && r1kind == choice::Pair)
        return "--r1";
    for (const ReadingOption& o : Options)
        if (o.reading == reading && (o.kind == nullptr || r1kind == o.kind))
            return o.name;
    return {};
}

std::string MeasuredUsageText()
{
    return "Or give the motor as its tests were measured, with --phases and --poles as\n"
           "above (--poles may be left out: 2p = 8 then, with a warning); the output then\n"
           "ends with the values derived from the readings, and warnings go to standard\n"
           "error:\n"
           "  --rated-voltage U        rated line voltage in V\n"
           "  --connection C           star or delta (three phases only)\n"
           "  --frequency F            50 or 60 Hz (default 50)\n"
           "  --no-load-voltage U      line voltage of the no-load test in V\n"
           "  --no-load-current I      line current of the no-load test in A\n"
           "  --no-load-power P        power of all phases in the no-load test in W, or\n"
           "  --no-load-pf COS         its power factor\n"
           "  --locked-voltage U       line voltage of the locked-rotor test in V\n"
           "  --locked-current I       line current of the locked-rotor test in A\n"
           "  --locked-power P         power of all phases in the locked-rotor test in W, or\n"
           "  --locked-pf COS          its power factor\n"
           "  --r1 R                   the stator resistance per phase in ohms, or\n"
           "  --r1-terminals R         the resistance measured between two terminals, or\n"
           "  --rotor-loss-share Q     rotor's share of the copper loss at standstill (0-1), or\n"
           "  --rotor-stator-ratio R   rotor : stator copper-loss ratio (share R / (1 + R))\n"
           "  --r2 R                   with --r1: the rotor resistance per phase referred to\n"
           "                           the stator; the torque line keeps the ratio R1 : R2'\n"
           "  --turns-ratio A          with --r2: R2 is on the rotor's side, R2' = A^2 R2\n"
           "  --resistance-factor K    multiplies a measured resistance (for example 1" +
        SeparatorText(DecimalSeparator) + "1)\n";
}

int AcceptMeasuredReadings(const MeasuredReadings& readings, MeasuredResult& result, std::FILE* err)
{
    result.readings = readings;
    MeasuredOutcome outcome;
    try {
        outcome = AcceptMeasured(readings, Konstrukce);
    } catch (const EMathError& e) {
        std::fprintf(err, "%s\n", e.what());
        return ExitMathFault;
    }
    result.derived = outcome.conversion.derived;
    result.warnings = outcome.conversion.warnings;
    const std::string warningLine = translation::Text("MeasuredCalc", text::WarningLine);
    for (const std::string& w : result.warnings)
        std::fprintf(err, "%s\n", translation::Fill(warningLine, {w}).c_str());
    if (outcome.rejection) {
        std::fprintf(err, "%s\n", outcome.rejection->message.c_str());
        if (const std::optional<Reading> other = outcome.rejection->otherKind) {
            const bool factor = *other == Reading::Pf0 || *other == Reading::Pfk;
            const ReadingColumn& c = ReadingColumns[static_cast<std::size_t>(*other)];
            std::fprintf(err, "%s%s\n", factor ? text::UseForPowerFactor : text::UseForPower,
                         std::string(OptionOfReading(c.text, readings.r1kind)).c_str());
        }
        return ExitRejected;
    }
    return 0;
}

std::string WithMeasured(std::string output, OutputFormat format, const MeasuredResult& m)
{
    if (format != OutputFormat::Json) {
        output += format == OutputFormat::Csv ? "\r\n" : "\n"; // an empty line between two grids
        AppendRows(output, DerivedRows(m.derived), format);
        return output;
    }
    // The object's last members, before its closing brace.
    constexpr std::string_view Closing = "\n}\n";
    if (output.size() >= Closing.size() && output.compare(output.size() - Closing.size(), Closing.size(), Closing) == 0)
        output.resize(output.size() - Closing.size());
    return output + ",\n  \"Measured\": " + MeasuredJson(m) + ",\n  \"Warnings\": " + WarningsJson(m.warnings) +
        std::string(Closing);
}
