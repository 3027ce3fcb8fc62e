// The calculator's options of the equivalent circuit and the load test.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Circuit.h"
#include "LoadTest.h"

struct CircuitOptions {
    bool shown = false;                         // --circuit
    std::optional<DesignClass> designClass;     // --design-class
    std::optional<long double> share;           // --x1-share
    std::optional<long double> frictionWindage; // --friction-windage, W
    std::vector<LoadPointReadings> loadPoints;  // --load-point, in the order given
    std::vector<std::string_view> given;        // the options above as named, for the checks
    // As typed, for a motor file: --x1-share, --friction-windage and each --load-point.
    std::string shareText, frictionWindageText;
    std::vector<std::string> loadPointTexts;

    CircuitSettings Settings() const;
};

// --circuit: the one option of the calculator that takes no value.
bool IsFlagOption(std::string_view option);
bool IsCircuitOption(std::string_view option);
// Takes one option with its value (none for --circuit); returns the usage error's message, if any.
std::optional<std::string> TakeCircuitOption(CircuitOptions& o, std::string_view option, std::string_view value);
// The checks across options, once all are read.
std::optional<std::string> FinishCircuitOptions(const CircuitOptions& o);
