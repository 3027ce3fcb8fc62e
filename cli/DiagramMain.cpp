// orbitek-diagram: draws the circle diagram file for orbitek-calc --diagram, which runs it with its
// own arguments. The one part of the calculator that loads Qt.
#include <cstring>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <unistd.h>

#include "Acceptance.h"
#include "DiagramFile.h"
#include "ExitStatus.h"
#include "InputFile.h"
#include "Language.h"
#include "LoadNumberSeparators.h"
#include "Measured.h"
#include "MotorOption.h"
#include "Options.h"
#include "ReplaceFile.h"
#include "WorkingPoints.h"

namespace {

// As the window names a motor it opened: its name, then the file's name in brackets.
DiagramHeader Header(const CalcOptions& options)
{
    if (!options.motorFile)
        return {};
    const std::string file = std::filesystem::path(*options.motorFile).filename().string();
    const std::string name = options.motorName;
    return {name.empty() ? file : name + " (" + file + ')', options.motorNote};
}

bool HasMotorOption(int argc, const char* const argv[])
{
    for (int i = 1; i + 1 < argc; i += 2)
        if (std::string_view(argv[i]) == "--motor")
            return true;
    return false;
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        ReportFileSizeLimitAsError();
        // The calculator's own reading of the locale, so that the motor's texts mean what they meant there.
        LoadNumberSeparatorsWithoutQt();
        // The calculator's language, for the core's texts and, once Qt runs, the page's.
        InstallLanguage(LanguageArgument(argc, argv));
        ParseResult parsed = ParseOptions(argc, argv);
        // The calculator read the motor file and gives its bytes on standard input: the file is read once.
        std::optional<std::string> motorText;
        if (HasMotorOption(argc, argv)) {
            InputFile in{STDIN_FILENO, 0, {}};
            if (const int error = ReadRest(in, MaxMotorFileBytes + 1); error != 0) {
                std::cerr << "orbitek-calc: cannot read the motor from the calculator: " << std::strerror(error)
                          << '\n';
                return ExitInternal;
            }
            motorText = std::move(in.taken);
        }
        if (const int status = TakeMotorFile(argc, argv, parsed, &motorText); status != 0)
            return status;
        const CalcOptions* options = std::get_if<CalcOptions>(&parsed);
        if (!options || options->diagramFile.empty()) {
            std::cerr << "orbitek-diagram: draws the diagram for orbitek-calc --diagram; run that instead\n";
            return ExitUsage;
        }
        // The calculator accepted these very texts before it ran us; the same steps give the same record.
        TKonstrukce k{};
        k.torqueLine = options->torqueLine;
        const std::optional<std::string> rejection = options->measured
            ? [&] {
                  const MeasuredOutcome o = AcceptMeasured(*options->measured, k);
                  return o.rejection ? std::optional(o.rejection->message) : std::nullopt;
              }()
            : [&] {
                  const auto r = AcceptInput(options->input, k);
                  return r ? std::optional(r->message) : std::nullopt;
              }();
        if (rejection) {
            std::cerr << "orbitek-calc: " << *rejection << '\n';
            return ExitRejected;
        }
        const diagram::PageChoice page{options->paper.value_or(diagram::Paper::A4), options->scale};
        // The first --at is drawn; the others are rows of the tables only.
        std::optional<AskedPoint> point;
        if (!options->at.empty())
            point = SolveAsked(k, {options->at.front()}, LineFactorOf(*options)).front();
        return WriteDiagramFile(options->diagramFile, page, k, Header(*options), point);
    } catch (const std::exception& e) {
        std::cerr << "orbitek-calc: " << e.what() << '\n';
        return ExitInternal;
    }
}
