// Values with units. The unit is found at the end of the text among every unit any quantity takes,
// longest first, so that "kW" is not read as "W" after a stray "k", and a unit of another quantity is
// named as such rather than as a number that is not one.
#include "QuantityValue.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

#include "NumText.h"
#include "TextTemplate.h"
#include "Translation.h"

namespace {

enum class Family { Power, Torque, Current, Speed, Slip };

struct Unit {
    const char* text;
    Family family;
    int powerOfTen;     // the value is the number times 10^powerOfTen …
    long double factor; // … times this (1 but for the horsepower)
};

// 1 hp = 745,7 W, the mechanical horsepower as motor plates round it.
constexpr long double WattsPerHorsepower = 745.7L;

constexpr std::array<Unit, 17> Units{{
    {"W", Family::Power, 0, 1},
    {"kW", Family::Power, 3, 1},
    {"MW", Family::Power, 6, 1},
    {"hp", Family::Power, 0, WattsPerHorsepower},
    {"N·m", Family::Torque, 0, 1},
    {"Nm", Family::Torque, 0, 1},
    {"N⋅m", Family::Torque, 0, 1},
    {"kN·m", Family::Torque, 3, 1},
    {"kNm", Family::Torque, 3, 1},
    {"kN⋅m", Family::Torque, 3, 1},
    {"A", Family::Current, 0, 1},
    {"kA", Family::Current, 3, 1},
    {"1/min", Family::Speed, 0, 1},
    {"min⁻¹", Family::Speed, 0, 1},
    {"min-1", Family::Speed, 0, 1},
    {"rpm", Family::Speed, 0, 1},
    {"%", Family::Slip, -2, 1},
}};

// The units as a message names them: one spelling of each (the "⋅" and "min-1" ones are accepted only).
constexpr const char* ShownUnits[] = {"W, kW, MW, hp", "N·m, Nm, kN·m", "A, kA", "1/min, min⁻¹, rpm", "%"};

Family FamilyOf(OperatingQuantity quantity)
{
    switch (quantity) {
    case OperatingQuantity::Output:
    case OperatingQuantity::Input: return Family::Power;
    case OperatingQuantity::Torque: return Family::Torque;
    case OperatingQuantity::Current: return Family::Current;
    case OperatingQuantity::Speed: return Family::Speed;
    case OperatingQuantity::Slip: break;
    }
    return Family::Slip;
}

// Spaces, no-break spaces, narrow and thin spaces at either end.
std::string_view Trimmed(std::string_view s)
{
    static constexpr const char* Blanks[] = {" ", "\t", "\u00A0", "\u202F", "\u2009"};
    for (bool again = true; again;) {
        again = false;
        for (const char* b : Blanks) {
            const std::size_t n = std::strlen(b);
            if (s.size() >= n && s.substr(0, n) == b) {
                s.remove_prefix(n);
                again = true;
            }
            if (s.size() >= n && s.substr(s.size() - n) == b) {
                s.remove_suffix(n);
                again = true;
            }
        }
    }
    return s;
}

// The value of `text` read with `unit` (none: a plain number), and a number text that converts to it.
std::optional<std::pair<long double, std::string>> Number(std::string_view text, const Unit* unit)
{
    try {
        std::string number(text);
        if (!unit || (unit->powerOfTen == 0 && unit->factor == 1))
            return std::pair{TextToNumber(number), number};
        long double value = 0;
        if (unit->factor != 1) {
            value = TextToNumber(number) * unit->factor;
        } else if (number.find_first_of("eE") == std::string::npos) {
            // A decimal prefix moves the decimal point before the one rounding of the text.
            number += "e" + std::to_string(unit->powerOfTen);
            return std::pair{TextToNumber(number), number};
        } else {
            value = ScaleByPowerOfTen(TextToNumber(number), unit->powerOfTen);
        }
        std::string exact;
        AppendRoundTripText(exact, value);
        if (const std::size_t point = exact.find('.'); point != std::string::npos)
            exact.replace(point, 1, SeparatorText(DecimalSeparator));
        return std::pair{value, exact};
    } catch (const EConvertError&) {
        return std::nullopt;
    }
}

} // namespace

QuantityValue ReadQuantityValue(OperatingQuantity quantity, std::string_view text)
{
    text = Trimmed(text);
    QuantityValue read;
    const Unit* unit = nullptr;
    for (const Unit& u : Units) {
        const std::size_t n = std::strlen(u.text);
        if (text.size() > n && text.substr(text.size() - n) == u.text && (!unit || n > std::strlen(unit->text)))
            unit = &u;
    }
    std::string_view number = text;
    if (unit) {
        number = Trimmed(text.substr(0, text.size() - std::strlen(unit->text)));
        read.unit = unit->text;
    } else if (!Number(text, nullptr)) {
        // An unknown unit after a number: what follows its last digit.
        const std::size_t last = text.find_last_of("0123456789");
        if (last != std::string_view::npos && last + 1 < text.size() &&
            Number(Trimmed(text.substr(0, last + 1)), nullptr)) {
            read.unit = std::string(Trimmed(text.substr(last + 1)));
            read.unitFits = false;
        }
        return read;
    }
    if (unit && unit->family != FamilyOf(quantity)) {
        read.unitFits = Number(number, nullptr) == std::nullopt;
        return read;
    }
    if (const auto n = Number(number, unit)) {
        read.value = n->first;
        read.number = n->second;
    }
    return read;
}

std::string UnitsOf(OperatingQuantity quantity)
{
    return ShownUnits[static_cast<int>(FamilyOf(quantity))];
}

std::string RefusalText(OperatingQuantity quantity, std::string_view text, const QuantityValue& read)
{
    if (!read.unitFits)
        return translation::Fill(
            ORBITEK_TR("QuantityValue", "Jednotka „%1“ nepatří k veličině %2; ta se zadává v %3."),
            {read.unit, translation::Text("OperatingPointSolver", TextsOf(quantity).name), UnitsOf(quantity)});
    return translation::Fill(ORBITEK_TR("QuantityValue", "Hodnota „%1“ není číslo."), {std::string(text)});
}
