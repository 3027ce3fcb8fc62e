// Text to number: the grammar of a typed number, and its value computed on the x87 unit or, where
// that rounds only once, in integers.
#include <algorithm>
#include <bit>
#include <cstdint>
#include <fpu_control.h>
#include <string_view>

#include "FpState.h"
#include "NumText.h"
#include "NumTextParts.h"
#include "TextTemplate.h"
#include "TextToNumberPaths.h"
#include "Translation.h"

namespace numtext {

namespace {

constexpr int ExponentDigitStop = 500;
constexpr std::size_t MaxMessageLength = 4096;

bool Blank(char c)
{
    return c == ' ';
}
bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool ParseNumberText(const std::string& text, ParsedNumber& out)
{
    // A zero byte ends the text as its end does: no rule takes one, so the scan stops there.
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const SeparatorBytes separator = Encode(DecimalSeparator);
    const char* p = begin;
    while (p != end && Blank(*p))
        ++p;
    if (p != end && (*p == '+' || *p == '-'))
        out.negative = *p++ == '-';

    out.integerDigits = p;
    while (p != end && Digit(*p))
        ++p;
    out.integerCount = static_cast<std::size_t>(p - out.integerDigits);
    out.fractionDigits = p; // none so far
    bool mantissaSeen = out.integerCount > 0;
    if (p != end && *p != '\0' && *p == separator.bytes[0] && static_cast<std::size_t>(end - p) >= separator.size &&
        std::equal(separator.bytes + 1, separator.bytes + separator.size, p + 1)) {
        p += separator.size;
        mantissaSeen = true;
        out.fractionDigits = p;
        while (p != end && Digit(*p))
            ++p;
        out.fractionCount = static_cast<std::size_t>(p - out.fractionDigits);
    }
    if (!mantissaSeen)
        return false;

    long long exponent = 0;
    if (p != end && (*p == 'E' || *p == 'e')) {
        ++p;
        bool exponentNegative = false;
        if (p != end && (*p == '+' || *p == '-'))
            exponentNegative = *p++ == '-';
        // Once the exponent reaches 500 a further digit is not taken and so becomes a stray character.
        while (p != end && Digit(*p) && exponent < ExponentDigitStop)
            exponent = exponent * 10 + (*p++ - '0');
        if (exponentNegative)
            exponent = -exponent;
    }
    while (p != end && Blank(*p))
        ++p;
    if (p != end && *p != '\0')
        return false;
    out.scale = exponent - static_cast<long long>(out.fractionCount);
    return true;
}

// ---------------------------------------------------------------------------------------------
// On the x87 unit: every text can go this way, and its bits are the value of the text.

namespace {

// v·10 + digit per digit: two rounded operations, in this order.
long double AppendDigits(long double v, const char* digits, std::size_t count)
{
    for (std::size_t i = 0; i < count; ++i) {
        v = v * 10;
        v = v + (digits[i] - '0');
    }
    return v;
}

// The same steps while the value stays below 10^19 < 2^64: there both operations are exact in the
// 64-bit significand, so whole numbers give the very same bits, raise no flag, and do not wait on the
// x87 unit for every digit. Returns how many digits it took.
std::size_t AppendExactDigits(std::uint64_t& u, const char* digits, std::size_t count)
{
    constexpr std::uint64_t ExactBelow = 1'000'000'000'000'000'000ULL; // u·10 + 9 < 10^19
    std::size_t i = 0;
    for (; i < count && u < ExactBelow; ++i)
        u = u * 10 + static_cast<std::uint64_t>(digits[i] - '0');
    return i;
}

// Kept out of line and opaque to the optimiser so that no step moves across the mode switches.
#if defined(__clang__)
__attribute__((noinline, optnone))
#else
__attribute__((noipa))
#endif
long double
ValueOf(const ParsedNumber& number)
{
    std::uint64_t u = 0;
    const std::size_t integerTaken = AppendExactDigits(u, number.integerDigits, number.integerCount);
    const std::size_t fractionTaken = integerTaken < number.integerCount
        ? 0
        : AppendExactDigits(u, number.fractionDigits, number.fractionCount);
    long double v = static_cast<long double>(u); // exact
    v = AppendDigits(v, number.integerDigits + integerTaken, number.integerCount - integerTaken);
    v = AppendDigits(v, number.fractionDigits + fractionTaken, number.fractionCount - fractionTaken);
    long long scale = number.scale;
    if (scale > ScaleLimit)
        scale = ScaleLimit;
    if (scale < -ScaleLimit)
        scale = -ScaleLimit;
    v = ScaleByPowerOfTen(v, static_cast<int>(scale));
    return number.negative ? -v : v;
}

constexpr std::uint16_t FaultBits = 0x01 | 0x08; // invalid, overflow: the text is no number
constexpr std::uint16_t ExtendedNearestMasked = _FPU_DEFAULT;

} // namespace

// ValueOf uses no SSE arithmetic, so MXCSR is left alone. Flags only accumulate, so the work need
// not start from clear flags unless the caller already has one of the two it looks for; and when
// the work raised nothing new (or the caller had nothing) restoring them is cheap.
bool ValueOnX87(const ParsedNumber& number, long double& result)
{
    const std::uint16_t callerControl = fpstate::ControlWord();
    const std::uint16_t callerFlags = fpstate::Flags();
    const bool cleared = (callerFlags & FaultBits) != 0;
    if (cleared)
        fpstate::ClearFlags();
    // Loading the control word stalls the unit: skip it when the caller's is the one needed.
    const bool switched = callerControl != ExtendedNearestMasked;
    if (switched)
        fpstate::SetControlWord(ExtendedNearestMasked);
    const long double value = ValueOf(number);
    const std::uint16_t flags = fpstate::Flags();
    if (!cleared && flags == callerFlags) {
        if (switched)
            fpstate::SetControlWord(callerControl);
    } else if (callerFlags == 0) {
        fpstate::ClearFlags(); // before the caller's control word may unmask what the work raised
        if (switched)
            fpstate::SetControlWord(callerControl);
    } else {
        fpstate::SetFlagsAndControlWord(callerFlags, callerControl);
    }
    result = value;
    return (flags & FaultBits) == 0;
}

// ---------------------------------------------------------------------------------------------
// In integers, where the x87 steps round once: a mantissa M < 2^64 accumulates exactly, and a scale
// of at most 31 multiplies or divides it by the one units-table entry T. That single rounding of M·T
// or M/T to 64 bits, to nearest with ties to even, is done here on exact integers and the value put
// together from its bits: nothing touches the floating-point state, so the caller's needs no saving.
// M·T < 2^168 and M/T > 2^-104 lie far inside the normal range: no overflow, no denormal.

namespace {

constexpr long long OneEntryScale = 31;    // 10^±31: UnitsTable alone, one product or quotient
constexpr std::uint16_t SignMask = 0x8000; // in the sign-and-exponent field
constexpr std::uint64_t TopBit = 1ULL << 63;

// The mantissa digits as one integer; false from 2^64 on, where the digit steps themselves round.
bool MantissaInteger(const ParsedNumber& number, std::uint64_t& m)
{
    constexpr std::size_t SafeDigits = 19; // 10^19 − 1 < 2^64
    const char* const parts[] = {number.integerDigits, number.fractionDigits};
    const std::size_t counts[] = {number.integerCount, number.fractionCount};
    std::uint64_t u = 0;
    if (counts[0] + counts[1] <= SafeDigits) {
        for (int k = 0; k < 2; ++k)
            for (std::size_t i = 0; i < counts[k]; ++i)
                u = u * 10 + static_cast<std::uint64_t>(parts[k][i] - '0');
    } else { // leading zeros may still leave it small
        for (int k = 0; k < 2; ++k)
            for (std::size_t i = 0; i < counts[k]; ++i)
                if (__builtin_mul_overflow(u, 10u, &u) ||
                    __builtin_add_overflow(u, static_cast<std::uint64_t>(parts[k][i] - '0'), &u))
                    return false;
    }
    m = u;
    return true;
}

// Adds one unit in the last place when rounding to nearest asks for it, carrying into the exponent.
void RoundUp(std::uint64_t& significand, int& exponent)
{
    if (++significand == 0) {
        significand = TopBit;
        ++exponent;
    }
}

long double Assemble(std::uint16_t sign, std::uint64_t significand, int exponent)
{
    return FromBits(significand, static_cast<std::uint16_t>(sign | (exponent + ExponentBias)));
}

// M·T with T = t·2^(e−63): the exact 128-bit product M·t, rounded to 64 bits.
long double Product(std::uint16_t sign, std::uint64_t m, const ExtendedBits& t)
{
    unsigned __int128 p = static_cast<unsigned __int128>(m) * t.significand;
    const auto high = static_cast<std::uint64_t>(p >> 64);
    const int zeros = high != 0 ? std::countl_zero(high) : 64 + std::countl_zero(static_cast<std::uint64_t>(p));
    p <<= zeros;
    std::uint64_t significand = static_cast<std::uint64_t>(p >> 64);
    const auto rest = static_cast<std::uint64_t>(p);
    int exponent = (t.signAndExponent & 0x7FFF) - ExponentBias + 64 - zeros;
    if (rest > TopBit || (rest == TopBit && (significand & 1) != 0))
        RoundUp(significand, exponent);
    return Assemble(sign, significand, exponent);
}

// (high·2^64 + low) / divisor; high < divisor keeps the quotient within 64 bits (else the CPU traps).
std::uint64_t Divide(std::uint64_t high, std::uint64_t low, std::uint64_t divisor, std::uint64_t& remainder)
{
    std::uint64_t quotient;
    __asm__("divq %[divisor]" : "=a"(quotient), "=d"(remainder) : [divisor] "rm"(divisor), "a"(low), "d"(high) : "cc");
    return quotient;
}

// M/T with T = t·2^(e−63): M is normalised to n in [2^63, 2^64), and n·2^63/t or n·2^64/t, whichever
// lies in [2^63, 2^64), gives 64 quotient bits; the remainder decides the rounding.
long double Quotient(std::uint16_t sign, std::uint64_t m, const ExtendedBits& t)
{
    const int zeros = std::countl_zero(m);
    const std::uint64_t n = m << zeros;
    const int e = (t.signAndExponent & 0x7FFF) - ExponentBias;
    std::uint64_t remainder;
    std::uint64_t significand;
    int exponent;
    if (n >= t.significand) {
        significand = Divide(n >> 1, n << 63, t.significand, remainder);
        exponent = 63 - zeros - e;
    } else {
        significand = Divide(n, 0, t.significand, remainder);
        exponent = 62 - zeros - e;
    }
    const std::uint64_t toNext = t.significand - remainder; // the remainder compared with half of t
    if (remainder > toNext || (remainder == toNext && (significand & 1) != 0))
        RoundUp(significand, exponent);
    return Assemble(sign, significand, exponent);
}

} // namespace

bool ValueInOneRounding(const ParsedNumber& number, long double& value)
{
    if (number.scale < -OneEntryScale || number.scale > OneEntryScale)
        return false;
    std::uint64_t m;
    if (!MantissaInteger(number, m))
        return false;
    const std::uint16_t sign = number.negative ? SignMask : 0;
    if (m == 0) {
        value = FromBits(0, sign); // zero times or over T, negated as the x87 steps do: -0 too
        return true;
    }
    const ExtendedBits t = BitsOf(UnitsTable[number.scale >= 0 ? number.scale : -number.scale]);
    value = number.scale >= 0 ? Product(sign, m, t) : Quotient(sign, m, t);
    return true;
}

} // namespace numtext

namespace {

// Characters as the reader of the message sees them: a well-formed UTF-8 sequence is one, and so is
// the longest start of one and every other stray byte (each shows as one replacement character).
std::size_t CharacterCount(const std::string& text)
{
    std::size_t count = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const auto* const end = p + text.size();
    while (p != end) {
        ++count;
        const unsigned char lead = *p++;
        // Bytes to follow, and the range of the first of them, which excludes overlong forms and surrogates.
        int more = 0;
        unsigned char low = 0x80, high = 0xBF;
        if (lead >= 0xC2 && lead <= 0xDF) {
            more = 1;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            more = 2;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            more = 3;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        }
        for (; more > 0 && p != end && *p >= low && *p <= high; --more, ++p)
            low = 0x80, high = 0xBF;
    }
    return count;
}

[[noreturn]] void RejectNumberText(const std::string& text)
{
    const std::string pattern = ORBITEK_TR("NumText", "'%1' is not a valid floating point value");
    // The slot's two characters give way to the text.
    if (CharacterCount(pattern) + CharacterCount(text) > numtext::MaxMessageLength + 2)
        throw EConvertError(ORBITEK_TR("NumText", "Format result longer than 4096 characters"));
    throw EConvertError(translation::Fill(pattern, {text}));
}

} // namespace

long double TextToNumber(const std::string& text)
{
    numtext::ParsedNumber number;
    if (!numtext::ParseNumberText(text, number))
        RejectNumberText(text);
    long double value = 0.0L;
    if (!numtext::ValueInOneRounding(number, value) && !numtext::ValueOnX87(number, value))
        RejectNumberText(text);
    return value;
}

bool TooLongToQuote(const EConvertError& e)
{
    return e.what() == std::string_view(ORBITEK_TR("NumText", "Format result longer than 4096 characters"));
}

std::string RejectedNumberText(const EConvertError& e, const std::string& typed)
{
    if (!TooLongToQuote(e))
        return translation::OneLine(e.what());
    constexpr std::size_t QuotedCharacters = 40;
    std::size_t characters = 0, cut = typed.size();
    for (std::size_t i = 0; i < typed.size(); ++i)
        if ((static_cast<unsigned char>(typed[i]) & 0xC0) != 0x80 && characters++ == QuotedCharacters)
            cut = std::min(cut, i);
    return translation::Fill(ORBITEK_TR("NumText", "„%1…“ není číslo (text o %2 znacích)"),
                             {translation::OneLine(typed.substr(0, cut)), std::to_string(characters)});
}
