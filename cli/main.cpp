// orbitek-calc: the circle-diagram calculation on the command line, with the dialogs' texts.
#include <cstdio>
#include <exception>
#include <iostream>
#include <string>

#include "Acceptance.h"
#include "Batch.h"
#include "DiagramFile.h"
#include "ExitStatus.h"
#include "LoadNumberSeparators.h"
#include "Options.h"
#include "Render.h"

namespace {

int Fail(int status, const std::string& message)
{
    std::cerr << message << '\n';
    return status;
}

// The whole output is written at once and checked, so a full disk or closed pipe is never a success.
int Emit(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) != 0 || !written || std::ferror(stdout))
        return Fail(ExitCannotWrite, "orbitek-calc: cannot write the output");
    return 0;
}

std::string Render(OutputFormat format, const TKonstrukce& k)
{
    const CharacteristicPoints points = ReadCharacteristicPoints(k);
    const ResultGrids grids = GridsOf(k, points);
    switch (format) {
    case OutputFormat::Csv: return RenderCsv(grids);
    case OutputFormat::Json: return RenderJson(k, points, grids);
    case OutputFormat::Text: break;
    }
    return RenderText(grids);
}

int Run(const CalcOptions& options)
{
    try {
        if (const auto rejection = AcceptInput(options.input, Konstrukce))
            return Fail(ExitRejected, rejection->message);
    } catch (const EConvertError& e) {
        return Fail(ExitRejected, e.what());
    } catch (const EMathError& e) {
        return Fail(ExitMathFault, e.what());
    }
    if (!options.diagramFile.empty()) {
        const diagram::PageChoice page{options.paper.value_or(diagram::Paper::A4), options.scale};
        if (const int status = WriteDiagramFile(options.diagramFile, page, Konstrukce); status != 0)
            return status;
        if (!options.formatGiven)
            return 0;
    }
    return Emit(Render(options.format, Konstrukce));
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        // Never setlocale (drawing puts "C" back after Qt): only our separators follow the user's locale.
        LoadNumberSeparators();
        const ParseResult parsed = ParseOptions(argc, argv);
        if (std::holds_alternative<HelpRequested>(parsed))
            return Emit(UsageText());
        if (std::holds_alternative<VersionRequested>(parsed))
            return Emit(VersionText());
        if (const auto* error = std::get_if<UsageError>(&parsed))
            return Fail(ExitUsage, "orbitek-calc: " + error->message + "\n" + UsageText());
        const CalcOptions& options = std::get<CalcOptions>(parsed);
        if (options.batchFile)
            return RunBatch(*options.batchFile, options.format);
        return Run(options);
    } catch (const std::exception& e) {
        return Fail(ExitInternal, std::string("orbitek-calc: ") + e.what());
    }
}
