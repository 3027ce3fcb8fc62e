// Fixed text: '.' as the point whatever the locale, right-aligned in at least `width` characters.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "NumText.h"
#include "NumTextParts.h"

namespace {

using namespace numtext;

constexpr int MaxWidth = 255;
constexpr int MaxDecimals = 216;
constexpr int MaxExponentDigits = 35; // beyond 10^36 the fixed form switches to scientific
constexpr long double TenTo17 = 1e17L;

// Brings a to 1 ≤ a < 16 (or leaves zero) and returns the decimal exponent taken out of it.
int ScaleToUnits(long double& a)
{
    int p = 0;
    while (a != 0.0L) {
        const int t = DecimalExponentEstimate(ExponentField(a) - ExponentBias);
        if (t == 0)
            break;
        p += t;
        a = ScaleByPowerOfTen(a, -t);
    }
    return p;
}

// "0" or "1" followed by the 18 digits of a × 10^17 beyond 10^18; for 1 ≤ a < 16 that is 19 characters,
// and room follows for the zeros the widest fixed text appends.
struct DigitString {
    static constexpr int Length = ExpansionDigits + 1;
    char b[Length + MaxExponentDigits + 1 + MaxDecimals];

    explicit DigitString(long double a)
    {
        long double v = RoundHalfEven(a * TenTo17);
        b[0] = '0';
        if (v >= TenTo18) {
            b[0] = '1';
            v = v - TenTo18;
        }
        WriteDigits(b + 1, IntegralValue(v), ExpansionDigits);
    }
};

std::string ScientificForm(long double a, bool negative, int p, int width)
{
    const int g = std::clamp(width - 8, 2, 18);
    DigitString digits(a);
    char* const b = digits.b;
    int start = b[0] == '1' ? 0 : 1;
    const int after = start + g;
    if (after < DigitString::Length && b[after] >= '5') {
        IncrementDigits(b, after - 1);
        if (b[0] != '0')
            start = 0;
    }
    if (start == 0)
        ++p;
    TextBuffer body;
    body.Put(negative ? '-' : ' ');
    body.Put(b[start]);
    body.Put('.');
    body.Put(b + start + 1, static_cast<std::size_t>(g - 1));
    body.Put('E');
    body.Put(p >= 0 ? '+' : '-');
    body.PutDigits(static_cast<unsigned long long>(std::abs(p)), 4);
    return body.PaddedTo(width);
}

std::string PadLeft(const char* text, int width)
{
    TextBuffer body;
    body.Put(text, std::strlen(text));
    return body.PaddedTo(width);
}

} // namespace

std::string NumberToFixedText(long double value, int width, int decimals)
{
    width = std::min(width, MaxWidth);
    if (std::isinf(value))
        return PadLeft(value > 0 ? "+Inf" : "-Inf", width);
    if (std::isnan(value))
        return PadLeft("Nan", width);
    const bool negative = SignBit(value);
    long double a = std::fabs(value);
    if (decimals < 0) {
        const int p = ScaleToUnits(a);
        return ScientificForm(a, negative, p, width);
    }
    decimals = std::min(decimals, MaxDecimals);
    const int p = a < 10 ? 0 : ScaleToUnits(a);
    if (p > MaxExponentDigits)
        return ScientificForm(a, negative, p, width);

    DigitString digits(a);
    char* const b = digits.b;
    const int m = p + 1 + decimals;
    if (m >= ExpansionDigits)
        std::memset(b + DigitString::Length, '0', static_cast<std::size_t>(m - ExpansionDigits));
    else if (b[m + 1] >= '5')
        IncrementDigits(b, m);
    const int intStart = b[0] == '1' ? 0 : 1;
    TextBuffer body;
    if (negative)
        body.Put('-');
    body.Put(b + intStart, static_cast<std::size_t>(p + 2 - intStart));
    if (decimals > 0) {
        body.Put('.');
        body.Put(b + p + 2, static_cast<std::size_t>(decimals));
    }
    return body.PaddedTo(width);
}

std::string NumberToFixedText(std::int32_t value, int width)
{
    const long long n = value;
    const std::string digits = std::to_string(n < 0 ? -n : n);
    TextBuffer body;
    if (n < 0)
        body.Put('-');
    body.Put(digits.data(), digits.size());
    return body.PaddedTo(std::min(width, MaxWidth));
}
