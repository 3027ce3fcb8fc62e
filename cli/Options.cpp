// Parses the calculator's command line into the same inputs the input dialog gives.
#include "Options.h"

#include <array>
#include <string_view>

#include "NumText.h"

namespace {

constexpr int ThreePhasesIndex = 1;
constexpr int SpeedIndexFor2p8 = 3; // 2p = 8 → 750 1/min

// Pole counts 2p in the order of the speed table's radio indices.
constexpr std::array<std::string_view, SpeedCount> PoleCounts{"2", "4", "6", "8", "10", "12", "14", "16", "18", "20"};
constexpr std::array<std::string_view, PhaseCount> PhaseCounts{"1", "3"};

std::string Fraction(const char* digits)
{
    return "0" + SeparatorText(DecimalSeparator) + digits;
}

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& table, std::string_view value)
{
    for (std::size_t i = 0; i < N; ++i)
        if (table[i] == value)
            return static_cast<int>(i);
    return -1;
}

using TextMember = std::string TypedInput::*;

struct TextOption {
    std::string_view name;
    TextMember field;
};

constexpr std::array<TextOption, 6> TextOptions{{
    {"--i0", &TypedInput::PrNapr},
    {"--cos0", &TypedInput::UcNapr},
    {"--ik", &TypedInput::PrNakr},
    {"--cosk", &TypedInput::UcNakr},
    {"--uf", &TypedInput::FazoveNapeti},
    {"--r1", &TypedInput::R1f},
}};

TextMember TextField(std::string_view option)
{
    for (const TextOption& t : TextOptions)
        if (t.name == option)
            return t.field;
    return nullptr;
}

bool TakesValue(std::string_view option)
{
    return option == "--phases" || option == "--poles" || option == "--format" || option == "--batch" ||
        TextField(option) != nullptr;
}

UsageError BadValue(std::string_view option, std::string_view value)
{
    return {"invalid value '" + std::string(value) + "' for " + std::string(option)};
}

} // namespace

TypedInput DefaultInput()
{
    TypedInput z;
    z.PrNapr = "15";
    z.UcNapr = Fraction("11");
    z.PrNakr = "177";
    z.UcNakr = Fraction("41");
    z.FazoveNapeti = "220";
    z.R1f = Fraction("25");
    z.Spotrebic = ThreePhasesIndex;
    z.SynchrOtacky = SpeedIndexFor2p8;
    return z;
}

int PhaseIndex(std::string_view phases)
{
    return IndexOf(PhaseCounts, phases);
}

int PoleIndex(std::string_view poles)
{
    return IndexOf(PoleCounts, poles);
}

ParseResult ParseOptions(int argc, const char* const argv[])
{
    CalcOptions o{DefaultInput(), OutputFormat::Text, std::nullopt};
    std::string_view motorOption; // the last option that describes the one motor
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--help")
            return HelpRequested{};
        if (option == "--version")
            return VersionRequested{};
        if (!TakesValue(option))
            return UsageError{"unknown option '" + std::string(option) + "'"};
        if (i + 1 >= argc)
            return UsageError{"missing value for " + std::string(option)};
        const std::string_view value = argv[++i];
        if (option != "--format" && option != "--batch")
            motorOption = option;

        if (option == "--batch") {
            o.batchFile = std::string(value);
        } else if (const TextMember field = TextField(option)) {
            o.input.*field = value;
        } else if (option == "--phases") {
            o.input.Spotrebic = IndexOf(PhaseCounts, value);
            if (o.input.Spotrebic < 0)
                return BadValue(option, value);
        } else if (option == "--poles") {
            o.input.SynchrOtacky = IndexOf(PoleCounts, value);
            if (o.input.SynchrOtacky < 0)
                return BadValue(option, value);
        } else if (value == "text") {
            o.format = OutputFormat::Text;
        } else if (value == "csv") {
            o.format = OutputFormat::Csv;
        } else if (value == "json") {
            o.format = OutputFormat::Json;
        } else {
            return BadValue(option, value);
        }
    }
    if (o.batchFile && !motorOption.empty())
        return UsageError{"--batch takes every motor from its file; " + std::string(motorOption) +
                          " does not go with it"};
    return o;
}

std::string UsageText()
{
    const TypedInput d = DefaultInput();
    return "Usage: orbitek-calc [OPTION]...\n"
           "\n"
           "Computes the circle diagram and the torque characteristic of an induction motor.\n"
           "Numbers are typed with the locale's decimal separator and no digit grouping.\n"
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
        "  --phases N     number of phases, 1 or 3 (default 3)\n"
        "  --poles 2P     number of poles 2p, giving the synchronous speed in 1/min (default 8):\n"
        "                 2: 3000, 4: 1500, 6: 1000, 8: 750, 10: 600, 12: 500, 14: 428.5,\n"
        "                 16: 375, 18: 333.333, 20: 300\n"
        "  --format F     text: the five result tables, cells separated by TAB (default);\n"
        "                 csv: the same tables as CSV with CRLF line ends;\n"
        "                 json: every computed quantity and the five tables\n"
        "  --batch FILE   compute every motor of FILE (- for standard input): a TAB-separated\n"
        "                 header line i0 cos0 ik cosk uf r1 phases poles, then one motor per\n"
        "                 line; writes one row per motor with its status and main results\n"
        "  --help         show this help and exit\n"
        "  --version      show the version and exit\n"
        "\n"
        "Exit status:\n"
        "  0   success\n"
        "  2   input rejected (the reason is on standard error); with --batch, any motor\n"
        "  3   floating-point fault in the calculation\n"
        "  64  usage error\n"
        "  65  a line of the batch file is not a motor\n"
        "  66  the batch file cannot be opened\n"
        "  70  internal error\n"
        "  74  the output could not be written, or the batch file not read\n";
}

std::string VersionText()
{
    return "orbitek-calc " ORBITEK_VERSION "\n";
}
