// Arbitrary command lines into the calculator's option parser: never a crash, the floating-point
// modes kept, the same answer twice, a usage error of one line, and options it lets through that
// the calculator can use as they are (table indices in range, a scale of the series, a drawable file
// name, no option with one that excludes it).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FpEnvironment.h"
#include "NumText.h"
#include "Options.h"

namespace {

// An argument of one byte below 0x20 stands for an option name, so that the fuzzer reaches every
// option without having to spell it.
constexpr std::string_view OptionNames[] = {
    "--i0",
    "--cos0",
    "--ik",
    "--cosk",
    "--uf",
    "--r1",
    "--phases",
    "--poles",
    "--format",
    "--batch",
    "--jobs",
    "--diagram",
    "--paper",
    "--scale",
    "--at",
    "--torque-line",
    "--rated-voltage",
    "--connection",
    "--frequency",
    "--no-load-voltage",
    "--no-load-current",
    "--no-load-power",
    "--locked-voltage",
    "--locked-current",
    "--locked-power",
    "--r1-terminals",
    "--rotor-loss-share",
    "--resistance-factor",
    "--help",
    "--version",
};

// The first byte chooses the decimal separator; the rest are the arguments, separated by NUL bytes.
std::vector<std::string> ArgumentsOf(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> arguments{"orbitek-calc"};
    std::string argument;
    auto finish = [&] {
        if (argument.size() == 1 && static_cast<unsigned char>(argument[0]) < 0x20)
            argument = OptionNames[static_cast<unsigned char>(argument[0]) % std::size(OptionNames)];
        arguments.push_back(argument);
        argument.clear();
    };
    for (std::size_t i = 1; i < size; ++i) {
        if (data[i] == 0)
            finish();
        else
            argument += static_cast<char>(data[i]);
    }
    finish();
    return arguments;
}

ParseResult Parse(const std::vector<std::string>& arguments)
{
    std::vector<const char*> argv;
    for (const std::string& a : arguments)
        argv.push_back(a.c_str());
    argv.push_back(nullptr);
    return ParseOptions(static_cast<int>(arguments.size()), argv.data());
}

// What the calculator relies on in options the parser let through.
bool Usable(const CalcOptions& o)
{
    const TypedInput& z = o.input;
    if (z.SpotrebicIndex < 0 || z.SpotrebicIndex >= PhaseCount || z.SynchrOtackyIndex < 0 ||
        z.SynchrOtackyIndex >= SpeedCount)
        return false;
    if (o.jobs < 0 || o.jobs > MaxJobs || (o.jobs != 0 && !o.batchFile))
        return false;
    if (o.batchFile && (!o.at.empty() || !o.diagramFile.empty() || o.measured))
        return false;
    if ((o.scale || o.paper) && o.diagramFile.empty())
        return false;
    if (!o.diagramFile.empty() && !diagram::FormatOfFileName(o.diagramFile))
        return false;
    if (o.scale && diagram::SeriesValue(diagram::ExactValue(*o.scale)) != o.scale)
        return false;
    for (const AtOption& at : o.at)
        if (!std::isfinite(at.value))
            return false;
    return true;
}

// The parts of a result that two parses must agree on.
std::string Summary(const ParseResult& r)
{
    if (const auto* error = std::get_if<UsageError>(&r))
        return "error " + error->message;
    if (const auto* o = std::get_if<CalcOptions>(&r))
        return "options " + o->input.PrNapr + '\0' + o->input.R1f + '\0' + o->diagramFile + '\0' +
            std::to_string(o->at.size()) + '\0' + std::to_string(o->jobs) + '\0' + o->batchFile.value_or("-");
    return "request " + std::to_string(r.index());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    DecimalSeparator = (data[0] & 1) ? U'.' : U',';
    ThousandSeparator = (data[0] & 1) ? U',' : U'\u00A0';
    const std::vector<std::string> arguments = ArgumentsOf(data, size);

    // The modes, not the flags: a scale's logarithm raises "inexact", and every calculation clears the
    // flags it reads.
    const FpEnvironment before = FpEnvironment::Capture();
    const ParseResult result = Parse(arguments);
    const FpEnvironment after = FpEnvironment::Capture();
    if (after.control != before.control || (after.mxcsr & ~fpstate::FlagBits) != (before.mxcsr & ~fpstate::FlagBits))
        std::abort();
    if (Summary(Parse(arguments)) != Summary(result))
        std::abort();
    if (const auto* error = std::get_if<UsageError>(&result))
        if (error->message.empty() || error->message.find('\n') != std::string::npos)
            std::abort();
    if (const auto* options = std::get_if<CalcOptions>(&result))
        if (!Usable(*options))
            std::abort();
    return 0;
}
