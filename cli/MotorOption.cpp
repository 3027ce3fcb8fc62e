// The calculator's motor files: a file's motor turned into the options that give it, and the options'
// motor written as a file.
#include "MotorOption.h"

#include <algorithm>
#include <iostream>
#include <string_view>
#include <utility>

#include "ExitStatus.h"
#include "LineCurrent.h"
#include "MeasuredCalc.h"
#include "NumText.h"
#include "TextTemplate.h"
#include "Translation.h"
#include "WorkingPoints.h"

namespace {

namespace text {
constexpr const char* CannotSave = ORBITEK_TR_NOOP("MotorOption", "Motor se nepodařilo uložit do souboru „%1“: %2.");
constexpr const char* NotWithInputValues = " does not go with the input values of ";
constexpr const char* NotWithReadings = " does not go with the measured readings of ";
} // namespace text

using OptionValue = std::pair<std::string, std::string>;

constexpr std::string_view ResistanceOptions[] = {
    "--r1", "--r1-terminals", "--rotor-loss-share", "--rotor-stator-ratio", "--r2", "--turns-ratio"};
// A test's power and its power factor stand aside for each other.
constexpr std::pair<std::string_view, std::string_view> PowerOrFactor[] = {{"--no-load-power", "--no-load-pf"},
                                                                           {"--locked-power", "--locked-pf"}};

bool IsResistanceOption(std::string_view option)
{
    return std::find(std::begin(ResistanceOptions), std::end(ResistanceOptions), option) != std::end(ResistanceOptions);
}

// Options that give a value only the first form has, and only the measured form.
bool IsInputValueOption(std::string_view option)
{
    return option != "--r1" &&
        std::any_of(TextOptions.begin(), TextOptions.end(), [option](const TextOption& t) { return t.name == option; });
}

bool IsReadingOption(std::string_view option)
{
    MeasuredOptions probe;
    return TakeMeasuredOption(probe, option, {});
}

// The options given on the command line, in their order: every one takes a value.
std::vector<std::string> GivenOptions(int argc, const char* const argv[])
{
    std::vector<std::string> given;
    for (int i = 1; i + 1 < argc; i += 2)
        given.emplace_back(argv[i]);
    return given;
}

std::vector<OptionValue> MotorOptionValues(const MotorFile& motor)
{
    std::vector<OptionValue> options;
    if (const auto* form = std::get_if<InputForm>(&motor.input)) {
        const TypedInput typed = TypedInputOf(*form);
        for (const TextOption& t : TextOptions)
            options.emplace_back(t.name, typed.*(t.field));
        options.emplace_back("--phases", std::to_string(form->phases));
        options.emplace_back("--poles", std::to_string(form->poles));
    } else {
        const MeasuredReadings typed = TypedReadingsOf(std::get<MeasuredForm>(motor.input));
        for (const ReadingColumn& c : ReadingColumns) {
            const std::string& value = typed.*(c.text);
            const std::string_view option = OptionOfReading(c.text, typed.r1kind);
            if (!value.empty() && !option.empty())
                options.emplace_back(option, value);
        }
    }
    if (motor.at)
        options.emplace_back("--at",
                             std::string(TextsOf(motor.at->quantity).symbol) + "=" + TypedNumber(motor.at->value));
    if (motor.torqueLine)
        options.emplace_back("--torque-line", TorqueLineWord(*motor.torqueLine));
    return options;
}

// The value last given to `option` on the command line, or nothing.
std::optional<std::string_view> GivenValue(int argc, const char* const argv[], std::string_view option)
{
    std::optional<std::string_view> value;
    for (int i = 1; i + 1 < argc; i += 2)
        if (option == argv[i])
            value = argv[i + 1];
    return value;
}

// Whether an option the file gives stands aside for the ones given: the same option, any other way of
// giving the stator resistance, the connection when a phase count other than three is given (three
// phases keep the file's connection).
bool GivenInstead(std::string_view fileOption, const std::vector<std::string>& given, int argc,
                  const char* const argv[])
{
    auto named = [&given](std::string_view option) {
        return std::find(given.begin(), given.end(), option) != given.end();
    };
    if (named(fileOption))
        return true;
    if (IsResistanceOption(fileOption))
        return std::any_of(std::begin(ResistanceOptions), std::end(ResistanceOptions), named);
    for (const auto& [power, factor] : PowerOrFactor)
        if (fileOption == power || fileOption == factor)
            return named(power) || named(factor);
    return fileOption == "--connection" && named("--phases") && GivenValue(argc, argv, "--phases") != "3";
}

} // namespace

std::vector<std::string> MotorArguments(const MotorFile& motor)
{
    std::vector<std::string> args;
    for (auto& [option, value] : MotorOptionValues(motor)) {
        args.push_back(std::move(option));
        args.push_back(std::move(value));
    }
    return args;
}

int TakeMotorFile(int argc, const char* const argv[], ParseResult& parsed, std::optional<std::string>* fileText)
{
    // Found by itself, not from `parsed`: the options beside the file may not make a motor on their own.
    std::optional<std::string> file;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--help" || option == "--version")
            return 0;
        if (option == "--motor")
            file = argv[i + 1];
    }
    if (!file)
        return 0;
    const std::string& path = *file;
    MotorFile motor;
    try {
        if (fileText && *fileText) {
            motor = ParseMotorFile(**fileText, path);
        } else {
            std::string bytes = ReadMotorFileBytes(path, path);
            motor = ParseMotorFile(bytes, path);
            if (fileText)
                *fileText = std::move(bytes);
        }
    } catch (const EMotorFileError& e) {
        std::cerr << e.what() << '\n';
        return e.kind == EMotorFileError::Kind::CannotOpen ? ExitNoInput : ExitMalformedInput;
    }

    const std::vector<std::string> given = GivenOptions(argc, argv);
    const bool readings = std::holds_alternative<MeasuredForm>(motor.input);
    for (const std::string& option : given)
        if (readings ? IsInputValueOption(option) : IsReadingOption(option)) {
            parsed = UsageError{option + (readings ? text::NotWithReadings : text::NotWithInputValues) + path};
            return 0;
        }

    // The file's options first: a repeated option keeps its last value, and the ones given come last.
    std::vector<std::string> args{argv[0]};
    for (auto& [option, value] : MotorOptionValues(motor))
        if (!GivenInstead(option, given, argc, argv)) {
            args.push_back(std::move(option));
            args.push_back(std::move(value));
        }
    args.insert(args.end(), argv + 1, argv + argc);
    std::vector<const char*> combined;
    for (const std::string& a : args)
        combined.push_back(a.c_str());
    parsed = ParseOptions(static_cast<int>(combined.size()), combined.data());
    if (auto* options = std::get_if<CalcOptions>(&parsed)) {
        options->motorName = motor.name;
        options->motorNote = motor.note;
    }
    return 0;
}

MotorFile MotorOfOptions(const CalcOptions& options)
{
    MotorFile motor;
    motor.name = options.motorName;
    motor.note = options.motorNote;
    if (options.measured)
        motor.input = MeasuredFormOf(*options.measured);
    else
        motor.input = InputFormOf(options.input);
    if (!options.at.empty()) {
        const AtOption& at = options.at.front();
        if (const std::optional<long double> factor = LineFactorOf(options); at.line && factor) {
            // The file keeps the phase current the line current gives, to its very bits.
            std::string phase;
            AppendRoundTripText(phase, PhaseCurrentOfLine(at.value, *factor));
            motor.at = AskedValue{at.quantity, phase};
        } else {
            motor.at = AskedValue{at.quantity, FileNumber(at.typed)};
        }
    }
    motor.torqueLine = options.torqueLine;
    return motor;
}

int SaveMotorOption(const CalcOptions& options)
{
    if (!options.saveMotorFile)
        return 0;
    const std::string& path = *options.saveMotorFile;
    if (const std::optional<std::string> error = SaveMotorFile(path, MotorOfOptions(options))) {
        std::cerr << translation::Fill(translation::Text("MotorOption", text::CannotSave), {path, *error}) << '\n';
        return ExitCannotWrite;
    }
    return 0;
}
