// The two ways TextToNumber computes a value, apart so that tests can hold one against the other.
// Internal to numtext; the public interface is NumText.h.
#pragma once

#include <cstddef>
#include <string>

namespace numtext {

// What the grammar found in an accepted text; the digits stay in the text.
struct ParsedNumber {
    bool negative = false;
    const char* integerDigits = nullptr;
    std::size_t integerCount = 0;
    const char* fractionDigits = nullptr;
    std::size_t fractionCount = 0;
    long long scale = 0; // exponent minus the number of fraction digits
};

// False when the text is not a number in the grammar (with the current DecimalSeparator).
bool ParseNumberText(const std::string& text, ParsedNumber& out);

// The digit steps and the scaling on the x87 unit, masked, extended, to nearest; false when they
// overflowed or were invalid. The caller's control word and flags come back unchanged.
bool ValueOnX87(const ParsedNumber& number, long double& value);

// The same value where those steps round only once (the digits fit in 64 bits and the scale needs
// one table entry): that one rounding done in integers, touching no floating-point state. False,
// with `value` untouched, where the steps would round more than once.
bool ValueInOneRounding(const ParsedNumber& number, long double& value);

} // namespace numtext
