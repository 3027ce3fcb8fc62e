// The grouped text written the straightforward way, digit by digit from the whole 18-digit expansion:
// the oracle that the fast NumberToGroupedText must match byte for byte. Shared by the property test
// and the formatter fuzz target.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>

#include "NumText.h"
#include "NumTextParts.h"

namespace reference {

using namespace numtext;

constexpr int Precision = 8;
constexpr int Decimals = 4;

// |x| ≈ 0.digits × 10^exponent, digits 18 long; zero and denormals give no digits.
struct DecimalExpansion {
    int exponent = 0;
    bool negative = false;
    int count = 0;
    char digits[ExpansionDigits];
};

inline DecimalExpansion Expand(long double x)
{
    DecimalExpansion d;
    const int field = ExponentField(x);
    if (field == 0)
        return d;
    d.exponent = DecimalExponentEstimate(field - ExponentBias) + 1;
    long double y = RoundHalfEven(ScaleByPowerOfTen(std::fabs(x), ExpansionDigits - d.exponent));
    if (y >= TenTo18) {
        y = y / 10;
        ++d.exponent;
    }
    y = RoundHalfEven(y); // below 10^18: the estimate of E is never more than one too small
    d.negative = SignBit(x);
    WriteDigits(d.digits, IntegralValue(y), ExpansionDigits);
    d.count = ExpansionDigits;
    return d;
}

// Keeps the digits a text of 4 decimals and 8 significant digits can show, rounded half up.
inline void RoundForDisplay(DecimalExpansion& d)
{
    if (d.exponent + Decimals < 0) {
        d = DecimalExpansion{};
        return;
    }
    if (d.count == 0)
        return;
    const int n = std::min(d.exponent + Decimals, Precision);
    const bool roundUp = d.digits[n] >= '5';
    d.count = n;
    if (roundUp && (n == 0 || IncrementDigits(d.digits, n - 1))) {
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
    }
    while (d.count > 0 && d.digits[d.count - 1] == '0')
        --d.count;
}

inline std::string ExponentForm(const DecimalExpansion& d)
{
    TextBuffer out;
    if (d.negative)
        out.Put('-');
    out.Put(d.count == 0 ? '0' : d.digits[0]);
    if (d.count > 1) {
        out.Put(Encode(DecimalSeparator));
        out.Put(d.digits + 1, static_cast<std::size_t>(d.count - 1));
    }
    out.Put('E');
    const std::string exponent = std::to_string(d.exponent - 1);
    out.Put(exponent.data(), exponent.size());
    return out.PaddedTo(0);
}

inline std::string GroupedForm(const DecimalExpansion& d)
{
    const SeparatorBytes thousands = Encode(ThousandSeparator);
    int next = 0; // next digit of the expansion to write
    auto take = [&]() { return next < d.count ? d.digits[next++] : (++next, '0'); };

    TextBuffer out;
    if (d.negative)
        out.Put('-');
    if (d.exponent <= 0) {
        out.Put('0');
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            if (i > 0 && (d.exponent - i) % 3 == 0)
                out.Put(thousands);
            out.Put(take());
        }
    }
    out.Put(Encode(DecimalSeparator));
    int written = 0;
    if (d.exponent < 0)
        for (; written < std::min(-d.exponent, Decimals); ++written)
            out.Put('0');
    for (; written < Decimals; ++written)
        out.Put(take());
    return out.PaddedTo(0);
}

inline std::string GroupedText(long double value)
{
    if (std::isinf(value))
        return "INF";
    if (std::isnan(value))
        return "NAN";
    DecimalExpansion d = Expand(value);
    RoundForDisplay(d);
    return d.exponent > Precision ? ExponentForm(d) : GroupedForm(d);
}

} // namespace reference
