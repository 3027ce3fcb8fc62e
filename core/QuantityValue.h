// A value typed for an operating quantity, with an optional unit after the number: "37,3 kW", "50 hp",
// "1,2 kN·m", "720 rpm", "4 %". The number keeps the locale's form; one parser for every place that
// takes such a value.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "OperatingPointSolver.h"

struct QuantityValue {
    // In the quantity's own unit (W, Nm, A, 1/min; the slip as a fraction); empty where refused.
    std::optional<long double> value;
    std::string unit;     // the unit as typed, or empty
    std::string number;   // the value as a number in the locale's form that converts to its very bits
    bool unitFits = true; // false: the number was read but the unit is not one of the quantity's
};

QuantityValue ReadQuantityValue(OperatingQuantity quantity, std::string_view text);

// The units a quantity takes, as they are typed: "W, kW, MW, hp"; for the slip "%".
std::string UnitsOf(OperatingQuantity quantity);

// Why `read` was refused, in the language of the texts: "Hodnota „15 Nm“ není číslo." or
// "Jednotka „Nm“ nepatří k veličině Výkon; ta se zadává v W, kW, MW, hp."
std::string RefusalText(OperatingQuantity quantity, std::string_view text, const QuantityValue& read);
