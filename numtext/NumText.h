// Conversions between numbers and the texts the user types and reads, with the locale's separators.
#pragma once

#include <cfloat>
#include <cstdint>
#include <string>

#include "Errors.h"

static_assert(LDBL_MANT_DIG == 64, "the calculation needs the 80-bit extended format");

// Process-wide separators, one Unicode character each; LoadNumberSeparators sets them from the locale.
extern char32_t DecimalSeparator;  // '.' until loaded
extern char32_t ThousandSeparator; // ',' until loaded

// The value of a typed text; raises EConvertError for anything but a plain decimal number.
long double TextToNumber(const std::string& text);

// Whether TextToNumber refused a text too long for its message to quote (the message then says only that).
bool TooLongToQuote(const EConvertError& e);
// The message of a number `typed` that TextToNumber refused with `e`: its own, or, for a text too long for
// that message to quote, the text's start and its length. Control characters escaped either way.
std::string RejectedNumberText(const EConvertError& e, const std::string& typed);

// At most 8 significant digits, exactly 4 decimals, grouped with the locale's separators.
std::string NumberToGroupedText(long double value);
// The same text appended to `out`, for rows built in one reused string.
void AppendGroupedText(std::string& out, long double value);

// A value with 21 significant digits, rounded exactly, half to even, in the form of printf's
// "%.21Lg" in the C locale (1.5, 0.0001, 1e-05, 1.23e+25, inf, -nan): enough digits to read back the same
// value.
void AppendRoundTripText(std::string& out, long double value);

// Plain fixed-point form with '.', right-aligned in at least `width` characters.
std::string NumberToFixedText(long double value, int width, int decimals);
std::string NumberToFixedText(std::int32_t value, int width);

// value × 10^n with the correctly rounded extended powers of ten, at most three roundings.
long double ScaleByPowerOfTen(long double value, int n);

// UTF-8 bytes of one separator character.
std::string SeparatorText(char32_t separator);
