// The calculator's measured form: a motor given as its tests' readings, its options and its output.
#pragma once

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Measured.h"
#include "OutputFormat.h"

// The options of the measured form as they are met; the shared --r1, --phases and --poles too.
struct MeasuredOptions {
    MeasuredReadings readings;
    std::vector<std::string> given; // the options named, in their order, each once
    bool selected = false;          // an option only the measured form has was named
};

// Notes one option with its value. False when it is not one of the measured form's own: the shared
// --r1, --phases and --poles, and the first form's values, are noted and still left to the first form.
bool TakeMeasuredOption(MeasuredOptions& m, std::string_view option, std::string_view value);

// Once every option is read: nothing when the measured form was not asked for or is complete (its
// readings are then in `readings`); otherwise why not, naming the option missing or in excess.
// --poles left out stays empty: the pole count not given.
std::optional<std::string> FinishMeasuredOptions(MeasuredOptions& m, std::optional<MeasuredReadings>& readings);

// The option that gives a reading, for r1 the one of its kind (--phases and --poles too); empty for none.
std::string_view OptionOfReading(std::string MeasuredReadings::*reading, std::string_view r1kind);

// The lines of --help for the measured form.
std::string MeasuredUsageText();

// What a motor entered as readings adds to the output.
struct MeasuredResult {
    MeasuredReadings readings;
    DerivedInputs derived;
    std::vector<std::string> warnings;
};

// Accepts the readings into Konstrukce. Warnings, and a refusal or fault with its message, go to
// `err`. Returns 0, or the exit status.
int AcceptMeasuredReadings(const MeasuredReadings& readings, MeasuredResult& result, std::FILE* err);

// `output` (tables as text or CSV, or the JSON object) with the measured form's part: the grid
// "Hodnoty odvozené z měření" after the tables; in JSON the members "Measured" and "Warnings".
std::string WithMeasured(std::string output, OutputFormat format, const MeasuredResult& m);
