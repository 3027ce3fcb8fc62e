// Grouped text: at most 8 significant digits and exactly 4 decimals, with the locale's separators.
// A batch writes fourteen of these per motor, so the digits are kept as one integer and the text is
// written straight into the caller's string.
#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

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

// 5^0 … 5^27, all below 2^64: looked up rather than multiplied up for every value.
constexpr std::array<std::uint64_t, 28> PowersOfFive = [] {
    std::array<std::uint64_t, 28> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 5;
    return p;
}();

// |x| · 10^n rounded to 64 bits and then to an integer, both halves to even, exactly as the x87
// multiplication by the table's exact power and RoundHalfEven give it, on integers: for a normal x
// and 0 ≤ n ≤ 27, where 10^n = 5^n · 2^n is exact. False otherwise.
bool ScaledIntegerQuickly(const ExtendedBits& bits, int n, std::uint64_t& y)
{
    constexpr int ExactPowers = 27;
    constexpr std::uint64_t IntegerBit = 1ULL << 63;
    const int field = bits.signAndExponent & 0x7FFF;
    if (n < 0 || n > ExactPowers || field == 0 || field == 0x7FFF || (bits.significand & IntegerBit) == 0)
        return false;
    const std::uint64_t five = PowersOfFive[n];
    const unsigned __int128 product = static_cast<unsigned __int128>(bits.significand) * five;
    const auto high = static_cast<std::uint64_t>(product >> 64);
    int shift = high == 0 ? 0 : 64 - std::countl_zero(high); // bits below the 64 kept
    std::uint64_t q = static_cast<std::uint64_t>(product >> shift);
    if (shift > 0) {
        const unsigned __int128 rest = product & ((static_cast<unsigned __int128>(1) << shift) - 1);
        const unsigned __int128 half = static_cast<unsigned __int128>(1) << (shift - 1);
        if ((rest > half || (rest == half && (q & 1) != 0)) && ++q == 0) {
            q = IntegerBit;
            ++shift;
        }
    }
    // The rounded product is q · 2^e; its integer part and the part below it.
    const int e = shift + (field - ExponentBias - 63) + n;
    if (e >= 0) {
        if (e > 0)
            return false; // 2^64 or more: never an expansion's digits
        y = q;
        return true;
    }
    y = e < -64 ? 0 : RoundedMagnitude({q, static_cast<std::uint16_t>(ExponentBias + 63 + e)}); // below 1/2: 0
    return true;
}

// The first LeadingDigits digits of the 18-digit expansion of x, and its exponent.
std::uint64_t Expand(long double x, const ExtendedBits& bits, DisplayDigits& d)
{
    d.exponent = DecimalExponentEstimate((bits.signAndExponent & 0x7FFF) - ExponentBias) + 1;
    const int n = ExpansionDigits - d.exponent;
    std::uint64_t y;
    if (!ScaledIntegerQuickly(bits, n, y))
        y = RoundedMagnitude(BitsOf(ScaleByPowerOfTen(std::fabs(x), n)));
    if (y >= PowersOfTen[ExpansionDigits]) {
        // The estimate of E was one too small (never more): divided in extended, as the steps give it.
        y = RoundedMagnitude(BitsOf(static_cast<long double>(y) / 10));
        ++d.exponent;
    }
    d.negative = (bits.signAndExponent & 0x8000) != 0;
    return y / PowersOfTen[ExpansionDigits - LeadingDigits];
}

// leading / 10^(LeadingDigits − 1 − n): each divisor a constant, so no division instruction.
std::uint64_t KeepDigits(std::uint64_t leading, int n)
{
    switch (n) {
    case 0: return leading / 100000000;
    case 1: return leading / 10000000;
    case 2: return leading / 1000000;
    case 3: return leading / 100000;
    case 4: return leading / 10000;
    case 5: return leading / 1000;
    case 6: return leading / 100;
    case 7: return leading / 10;
    default: return leading;
    }
}

// Keeps the digits a text of 4 decimals and 8 significant digits can show, rounded half up on the
// digit after them, trailing zeros removed.
DisplayDigits Round(long double x)
{
    DisplayDigits d;
    const ExtendedBits bits = BitsOf(x);
    if ((bits.signAndExponent & 0x7FFF) == 0)
        return d;
    const std::uint64_t leading = Expand(x, bits, d);
    if (d.exponent + Decimals < 0)
        return DisplayDigits{};
    const int n = std::min(d.exponent + Decimals, Precision);
    const std::uint64_t withNext = KeepDigits(leading, n); // n digits and the next
    const bool roundUp = withNext % 10 >= 5;
    d.digits = withNext / 10;
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

// A separator's one to four bytes, without a call to memmove.
char* PutSeparator(const SeparatorBytes& s, char* p)
{
    for (std::size_t i = 0; i < s.size; ++i)
        *p++ = s.bytes[i];
    return p;
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
        p = PutSeparator(Encode(DecimalSeparator), p);
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
    char digits[Precision + Decimals + Precision];
    std::memset(digits, '0', sizeof digits);
    WriteDigits(digits, d.digits, d.count);
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
                p = PutSeparator(thousands, p);
            *p++ = *next++;
        }
    }
    p = PutSeparator(Encode(DecimalSeparator), p);
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
