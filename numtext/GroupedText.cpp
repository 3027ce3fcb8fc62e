// Grouped text: at most 8 significant digits and exactly 4 decimals, with the locale's separators.
// A batch writes fourteen of these per motor, so the digits are kept as one integer and the text is
// written straight into the caller's string.
#include <algorithm>
#include <cmath>
#include <iterator>

#include "NumText.h"
#include "NumTextParts.h"

namespace {

using namespace numtext;

constexpr int Precision = 8;
constexpr int Decimals = 4;
// Digits of the expansion that rounding to Precision digits looks at: the kept ones and the next.
constexpr int LeadingDigits = Precision + 1;

constexpr std::array<std::uint64_t, 20> PowersOfTen = [] {
    std::array<std::uint64_t, 20> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// |x| ≈ 0.S × 10^exponent, S the 18-digit expansion; `digits` holds its leading `count` digits as an
// integer once rounded for display. Zero and denormals give no digits.
struct DisplayDigits {
    int exponent = 0;
    bool negative = false;
    int count = 0;
    std::uint64_t digits = 0; // count digits, leading zeros included
};

// The first LeadingDigits digits of the 18-digit expansion, and its exponent.
std::uint64_t Expand(long double x, DisplayDigits& d)
{
    d.exponent = DecimalExponentEstimate(ExponentField(x) - ExponentBias) + 1;
    long double y = RoundHalfEven(ScaleByPowerOfTen(std::fabs(x), ExpansionDigits - d.exponent));
    if (y >= TenTo18) {
        y = y / 10;
        ++d.exponent;
    }
    y = RoundHalfEven(y); // below 10^18: the estimate of E is never more than one too small
    d.negative = SignBit(x);
    return IntegralValue(y) / PowersOfTen[ExpansionDigits - LeadingDigits];
}

// Keeps the digits a text of 4 decimals and 8 significant digits can show, rounded half up on the
// digit after them, trailing zeros removed.
DisplayDigits Round(long double x)
{
    DisplayDigits d;
    if (ExponentField(x) == 0)
        return d;
    const std::uint64_t leading = Expand(x, d);
    if (d.exponent + Decimals < 0)
        return DisplayDigits{};
    const int n = std::min(d.exponent + Decimals, Precision);
    const bool roundUp = leading / PowersOfTen[LeadingDigits - 1 - n] % 10 >= 5;
    d.digits = leading / PowersOfTen[LeadingDigits - n];
    d.count = n;
    if (roundUp && ++d.digits == PowersOfTen[n]) { // n = 0, or every kept digit was a 9
        d.digits = 1;
        d.count = 1;
        ++d.exponent;
    }
    while (d.count > 0 && d.digits % 10 == 0) {
        d.digits /= 10;
        --d.count;
    }
    return d;
}

// The text is bounded: sign, 8 integer digits, 2 group and 1 decimal separators of up to 4 bytes, 4 decimals.
constexpr std::size_t MaxText = 40;

std::size_t ExponentForm(const DisplayDigits& d, char* out)
{
    char* p = out;
    if (d.negative)
        *p++ = '-';
    char digits[Precision];
    WriteDigits(digits, d.digits, d.count);
    *p++ = d.count == 0 ? '0' : digits[0];
    if (d.count > 1) {
        const SeparatorBytes point = Encode(DecimalSeparator);
        p = std::copy_n(point.bytes, point.size, p);
        p = std::copy_n(digits + 1, d.count - 1, p);
    }
    *p++ = 'E';
    int e = d.exponent - 1; // above 7 here
    char reversed[8];
    int length = 0;
    do {
        reversed[length++] = static_cast<char>('0' + e % 10);
        e /= 10;
    } while (e != 0);
    while (length > 0)
        *p++ = reversed[--length];
    return static_cast<std::size_t>(p - out);
}

std::size_t GroupedForm(const DisplayDigits& d, char* out)
{
    // Digits past the expansion's end are zeros: the integer part and the decimals read from one
    // zero-padded run.
    char digits[Precision + Decimals + Precision] = {};
    WriteDigits(digits, d.digits, d.count);
    std::fill(digits + d.count, std::end(digits), '0');
    const char* next = digits;

    char* p = out;
    if (d.negative)
        *p++ = '-';
    if (d.exponent <= 0) {
        *p++ = '0';
    } else {
        const SeparatorBytes thousands = Encode(ThousandSeparator);
        for (int i = 0; i < d.exponent; ++i) {
            if (i > 0 && (d.exponent - i) % 3 == 0)
                p = std::copy_n(thousands.bytes, thousands.size, p);
            *p++ = *next++;
        }
    }
    const SeparatorBytes point = Encode(DecimalSeparator);
    p = std::copy_n(point.bytes, point.size, p);
    int written = 0;
    if (d.exponent < 0)
        for (; written < std::min(-d.exponent, Decimals); ++written)
            *p++ = '0';
    for (; written < Decimals; ++written)
        *p++ = *next++;
    return static_cast<std::size_t>(p - out);
}

} // namespace

void AppendGroupedText(std::string& out, long double value)
{
    if (std::isinf(value)) {
        out += "INF";
        return;
    }
    if (std::isnan(value)) {
        out += "NAN";
        return;
    }
    const DisplayDigits d = Round(value);
    char text[MaxText];
    const std::size_t size = d.exponent > Precision ? ExponentForm(d, text) : GroupedForm(d, text);
    out.append(text, size);
}

std::string NumberToGroupedText(long double value)
{
    std::string text;
    AppendGroupedText(text, value);
    return text;
}
