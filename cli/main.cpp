// orbitek-calc: the circle-diagram calculation on the command line, with the dialogs' texts.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <iostream>
#include <string>

#include "Acceptance.h"
#include "Batch.h"
#include "BookOutput.h"
#include "DrawingProgram.h"
#include "ExitStatus.h"
#include "Language.h"
#include "LoadNumberSeparators.h"
#include "MeasuredCalc.h"
#include "MotorOption.h"
#include "Options.h"
#include "Render.h"
#include "ReplaceFile.h"
#include "WorkingPoints.h"

namespace {

// A usage error's second line: the help is long, and would push the error off the screen.
constexpr const char* TryHelp = "Try 'orbitek-calc --help'.";

int Fail(int status, const std::string& message)
{
    std::cerr << message << '\n';
    return status;
}

// The whole output is written at once and checked, so a full disk or closed pipe is never a success.
int Emit(const std::string& text)
{
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) != 0 || !written || std::ferror(stdout)) {
        const int error = errno != 0 ? errno : EIO;
        return Fail(ExitCannotWrite, std::string("orbitek-calc: cannot write the output: ") + std::strerror(error));
    }
    return 0;
}

// The dialogs' grids, then the grids we add: the measured form's derived values, the points asked for.
std::string Render(const CalcOptions& options, const TKonstrukce& k, const MeasuredResult* measured)
{
    const CharacteristicPoints points = ReadCharacteristicPoints(k);
    const ResultGrids grids = GridsOf(k, points);
    const std::vector<AskedPoint> asked = SolveAsked(k, options.at, LineFactorOf(options));
    std::string out;
    switch (options.format) {
    case OutputFormat::Csv: out = RenderCsv(grids); break;
    case OutputFormat::Json: out = RenderJson(k, points, grids, asked.empty() ? "" : WorkingPointsJson(asked)); break;
    case OutputFormat::Text: out = RenderText(grids); break;
    }
    if (measured)
        out = WithMeasured(std::move(out), options.format, *measured);
    if (options.format == OutputFormat::Csv)
        out += WorkingPointsCsv(asked);
    else if (options.format == OutputFormat::Text)
        out += WorkingPointsText(asked, k.torqueLine);
    // A textbook's answers: for a motor as measured, and wherever a starting torque is asked.
    BookQuestions book;
    book.torques = measured != nullptr;
    book.startTorque = options.startTorque;
    book.startingResistance = measured != nullptr || options.startTorque;
    if (measured)
        book.turnsRatio = measured->derived.TurnsRatio;
    if (options.format != OutputFormat::Json) {
        out += BookGrids(k, points, book, options.format);
    } else if (book.startingResistance) {
        constexpr std::string_view Closing = "\n}\n";
        if (out.size() >= Closing.size() && out.compare(out.size() - Closing.size(), Closing.size(), Closing) == 0)
            out.resize(out.size() - Closing.size());
        out += ",\n  \"StartingResistance\": " + StartingResistanceJson(k, points, book) + std::string(Closing);
    }
    return out;
}

int Run(const CalcOptions& options, const char* const argv[], const std::optional<std::string>& motorText)
{
    Konstrukce.torqueLine = options.torqueLine;
    MeasuredResult measured;
    if (options.measured) {
        if (const int status = AcceptMeasuredReadings(*options.measured, measured, stderr); status != 0)
            return status;
    } else {
        try {
            if (const auto rejection = AcceptInput(options.input, Konstrukce))
                return Fail(ExitRejected, rejection->message);
        } catch (const EFieldConvertError& e) {
            return Fail(ExitRejected,
                        RejectedNumberText(e, options.input.*(TextOptions[static_cast<int>(e.field)].field)));
        } catch (const EConvertError& e) {
            return Fail(ExitRejected, e.what());
        } catch (const EMathError& e) {
            return Fail(ExitMathFault, e.what());
        }
    }
    if (const int status = SaveMotorOption(options); status != 0)
        return status;
    if (!options.diagramFile.empty()) {
        if (const int status = RunDrawingProgram(argv, motorText ? &*motorText : nullptr); status != 0)
            return status;
        if (!options.formatGiven)
            return 0;
    }
    return Emit(Render(options, Konstrukce, options.measured ? &measured : nullptr));
}

} // namespace

int main(int argc, char* argv[])
{
    try {
        ReportFileSizeLimitAsError();
        // Never setlocale: only our separators follow the user's locale.
        LoadNumberSeparatorsWithoutQt();
        InstallLanguage(LanguageArgument(argc, argv));
        ParseResult parsed = ParseOptions(argc, argv);
        std::optional<std::string> motorText; // read once: the drawing program gets these very bytes
        if (const int status = TakeMotorFile(argc, argv, parsed, &motorText); status != 0)
            return status;
        if (std::holds_alternative<HelpRequested>(parsed))
            return Emit(UsageText());
        if (std::holds_alternative<VersionRequested>(parsed))
            return Emit(VersionText());
        if (const auto* error = std::get_if<UsageError>(&parsed))
            return Fail(ExitUsage, "orbitek-calc: " + error->message + "\n" + TryHelp);
        const CalcOptions& options = std::get<CalcOptions>(parsed);
        if (const std::optional<std::string> refusal = LineCurrentRefusal(options))
            return Fail(ExitUsage, "orbitek-calc: " + *refusal + "\n" + TryHelp);
        if (options.batchFile)
            return RunBatch(*options.batchFile, options.format, options.jobs, options.torqueLine);
        return Run(options, argv, motorText);
    } catch (const std::exception& e) {
        return Fail(ExitInternal, std::string("orbitek-calc: ") + e.what());
    }
}
