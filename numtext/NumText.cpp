// Number text conversions: typed text to extended numbers, and results to the two table forms.
#include "NumText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <fpu_control.h>
#include <limits>
#include <math.h>
#include <string>

#include "FpState.h"

char32_t DecimalSeparator = U'.';
char32_t ThousandSeparator = U',';

namespace {

// Extended values nearest to the powers of ten; up to 10^27 they are exact.
// clang-format off
constexpr std::array<long double, 32> kUnits = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};
// Index j holds 10^(32·j); entry 0 is never used.
constexpr std::array<long double, 16> kTens = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};
// Index k holds 10^(512·k); entry 0 is never used.
constexpr std::array<long double, 10> kHundreds = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};
// clang-format on

constexpr int kScaleLimit = 5120; // 10^±5120 lies beyond the extended range
constexpr int kExponentBias = 16383;
constexpr int kLog10Of2Times65536 = 19728; // floor(log10(2) · 2^16)
constexpr int kExponentDigitStop = 500;
constexpr std::size_t kMaxMessageLength = 4096;
constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 216;
constexpr int kMaxExponentDigits = 35; // beyond 10^36 the fixed form switches to scientific
constexpr long double kTenTo17 = 1e17L;
constexpr long double kTenTo18 = 1e18L;

// Binary exponent of a finite value, taken from its exponent field (0 for zero and denormals).
int ExponentField(long double x)
{
    unsigned char bytes[sizeof(long double)];
    std::memcpy(bytes, &x, sizeof bytes);
    return ((bytes[9] & 0x7F) << 8) | bytes[8];
}

bool SignBit(long double x)
{
    return std::signbit(x);
}

// floor(k · log10 2) with the 16-bit approximation; >> is a true floor for negative k.
int DecimalExponentEstimate(int k)
{
    return (k * kLog10Of2Times65536) >> 16;
}

// UTF-8 bytes of one separator character, at most four.
struct SeparatorBytes {
    char bytes[4];
    std::size_t size;
};

SeparatorBytes Encode(char32_t separator)
{
    char32_t c = separator;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD; // not a character: never write broken UTF-8
    if (c < 0x80)
        return {{static_cast<char>(c)}, 1};
    if (c < 0x800)
        return {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))}, 2};
    if (c < 0x10000)
        return {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
                 static_cast<char>(0x80 | (c & 0x3F))},
                3};
    return {{static_cast<char>(0xF0 | (c >> 18)), static_cast<char>(0x80 | ((c >> 12) & 0x3F)),
             static_cast<char>(0x80 | ((c >> 6) & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))},
            4};
}

// Significand and sign-and-exponent field of an extended value.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

ExtendedBits BitsOf(long double x)
{
    ExtendedBits b;
    std::memcpy(&b.significand, &x, sizeof b.significand);
    std::memcpy(&b.signAndExponent, reinterpret_cast<const char*>(&x) + sizeof b.significand, sizeof b.signAndExponent);
    return b;
}

// The nearest integer, halves to even, exactly as roundevenl gives it for finite values, but read off
// the bits without a library call and whatever the rounding mode.
long double RoundHalfEven(long double x)
{
    const ExtendedBits b = BitsOf(x);
    const int e = (b.signAndExponent & 0x7FFF) - kExponentBias;
    if (e >= 63)
        return x; // integral already (or not finite)
    std::uint64_t integral = 0;
    if (e == -1) {
        integral = b.significand != (1ULL << 63) ? 1 : 0; // 0.5 goes to 0, anything above to 1
    } else if (e >= 0) {
        const int fractionBits = 63 - e;
        integral = b.significand >> fractionBits;
        const std::uint64_t fraction = b.significand << (64 - fractionBits);
        constexpr std::uint64_t half = 1ULL << 63;
        if (fraction > half || (fraction == half && (integral & 1) != 0))
            ++integral;
    }
    const long double r = static_cast<long double>(integral); // exact: at most 2^63
    return (b.signAndExponent & 0x8000) != 0 ? -r : r;
}

// The value of an integral extended 0 ≤ y < 2^64, without the slow x87 integer conversion.
std::uint64_t IntegralValue(long double y)
{
    const ExtendedBits b = BitsOf(y);
    const int e = (b.signAndExponent & 0x7FFF) - kExponentBias;
    if (e < 0)
        return 0;
    return b.significand >> (63 - e);
}

// Exactly `count` decimal digits of an integral value below 10^count, written to `out`.
void WriteDigits(char* out, unsigned long long value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// A text under construction in a fixed buffer; every form here is bounded well below its size.
class TextBuffer {
public:
    void Put(char c) { text_[size_++] = c; }
    void Put(const char* p, std::size_t n)
    {
        std::memcpy(text_ + size_, p, n);
        size_ += n;
    }
    void Put(const SeparatorBytes& s) { Put(s.bytes, s.size); }
    void PutDigits(unsigned long long value, int count)
    {
        WriteDigits(text_ + size_, value, count);
        size_ += static_cast<std::size_t>(count);
    }
    // Right-aligned in at least `width` characters.
    std::string PaddedTo(int width) const
    {
        const std::size_t padding = width > static_cast<int>(size_) ? width - size_ : 0;
        std::string out(padding + size_, ' ');
        std::memcpy(out.data() + padding, text_, size_);
        return out;
    }

private:
    char text_[2 * 256];
    std::size_t size_ = 0;
};

// Adds one to the decimal digit at `pos`, carrying leftwards; returns true if the carry ran out at 0.
bool IncrementDigits(char* digits, int pos)
{
    for (int i = pos; i >= 0; --i) {
        if (digits[i] != '9') {
            ++digits[i];
            return false;
        }
        digits[i] = '0';
    }
    return true;
}

} // namespace

std::string SeparatorText(char32_t separator)
{
    const SeparatorBytes s = Encode(separator);
    return std::string(s.bytes, s.size);
}

long double ScaleByPowerOfTen(long double value, int n)
{
    if (n == 0)
        return value;
    if (n >= kScaleLimit)
        return std::numeric_limits<long double>::infinity();
    if (n <= -kScaleLimit)
        return 0.0L;
    const bool up = n > 0;
    const int m = up ? n : -n;
    // Units, then tens, then hundreds: each step rounded on its own, in this order.
    long double v = up ? value * kUnits[m % 32] : value / kUnits[m % 32];
    if (const int j = (m / 32) % 16; j != 0)
        v = up ? v * kTens[j] : v / kTens[j];
    if (const int k = m / 512; k != 0)
        v = up ? v * kHundreds[k] : v / kHundreds[k];
    return v;
}

// ---------------------------------------------------------------------------------------------
// Text to number

namespace {

// What the grammar found in an accepted text; the digits stay in the text.
struct ParsedNumber {
    bool negative = false;
    const char* integerDigits = nullptr;
    std::size_t integerCount = 0;
    const char* fractionDigits = nullptr;
    std::size_t fractionCount = 0;
    long long scale = 0; // exponent minus the number of fraction digits
};

bool Blank(char c)
{
    return c == ' ';
}
bool Digit(char c)
{
    return c >= '0' && c <= '9';
}

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
        while (p != end && Digit(*p) && exponent < kExponentDigitStop)
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
    constexpr std::uint64_t kExactBelow = 1'000'000'000'000'000'000ULL; // u·10 + 9 < 10^19
    std::size_t i = 0;
    for (; i < count && u < kExactBelow; ++i)
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
    if (scale > kScaleLimit)
        scale = kScaleLimit;
    if (scale < -kScaleLimit)
        scale = -kScaleLimit;
    v = ScaleByPowerOfTen(v, static_cast<int>(scale));
    return number.negative ? -v : v;
}

constexpr std::uint16_t kFaultBits = 0x01 | 0x08; // invalid, overflow: the text is no number
constexpr std::uint16_t kExtendedNearestMasked = _FPU_DEFAULT;

// Runs ValueOf masked, extended, to nearest, and tells whether it overflowed or was invalid; leaves
// the caller's control word and flags exactly as they were (ValueOf uses no SSE arithmetic, so MXCSR
// is left alone). Flags only accumulate, so the work need not start from clear flags unless the
// caller already has one of the two it looks for; and when the work raised nothing new (or the
// caller had nothing) restoring them is cheap.
bool ComputeMasked(const ParsedNumber& number, long double& result)
{
    const std::uint16_t callerControl = fpstate::ControlWord();
    const std::uint16_t callerFlags = fpstate::Flags();
    const bool cleared = (callerFlags & kFaultBits) != 0;
    if (cleared)
        fpstate::ClearFlags();
    // Loading the control word stalls the unit: skip it when the caller's is the one needed.
    const bool switched = callerControl != kExtendedNearestMasked;
    if (switched)
        fpstate::SetControlWord(kExtendedNearestMasked);
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
    return (flags & kFaultBits) == 0;
}

[[noreturn]] void RejectNumberText(const std::string& text)
{
    static const std::string tail = "' is not a valid floating point value";
    if (1 + text.size() + tail.size() > kMaxMessageLength)
        throw EConvertError("Format result longer than 4096 characters");
    throw EConvertError("'" + text + tail);
}

} // namespace

long double TextToNumber(const std::string& text)
{
    ParsedNumber number;
    long double value = 0.0L;
    if (!ParseNumberText(text, number) || !ComputeMasked(number, value))
        RejectNumberText(text);
    return value;
}

// ---------------------------------------------------------------------------------------------
// Grouped text: at most 8 significant digits, 4 decimals

namespace {

constexpr int kPrecision = 8;
constexpr int kDecimals = 4;
constexpr int kExpansionDigits = 18;

// |x| ≈ 0.digits × 10^exponent, digits 18 long; zero and denormals give no digits.
struct DecimalExpansion {
    int exponent = 0;
    bool negative = false;
    int count = 0;
    char digits[kExpansionDigits];
};

DecimalExpansion Expand(long double x)
{
    DecimalExpansion d;
    const int field = ExponentField(x);
    if (field == 0)
        return d;
    d.exponent = DecimalExponentEstimate(field - kExponentBias) + 1;
    long double y = RoundHalfEven(ScaleByPowerOfTen(std::fabs(x), kExpansionDigits - d.exponent));
    if (y >= kTenTo18) {
        y = y / 10;
        ++d.exponent;
    }
    y = RoundHalfEven(y); // below 10^18: the estimate of E is never more than one too small
    d.negative = SignBit(x);
    WriteDigits(d.digits, IntegralValue(y), kExpansionDigits);
    d.count = kExpansionDigits;
    return d;
}

// Keeps the digits a text of 4 decimals and 8 significant digits can show, rounded half up.
void RoundForDisplay(DecimalExpansion& d)
{
    if (d.exponent + kDecimals < 0) {
        d = DecimalExpansion{};
        return;
    }
    if (d.count == 0)
        return;
    const int n = std::min(d.exponent + kDecimals, kPrecision);
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

std::string ExponentForm(const DecimalExpansion& d)
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

std::string GroupedForm(const DecimalExpansion& d)
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
        for (; written < std::min(-d.exponent, kDecimals); ++written)
            out.Put('0');
    for (; written < kDecimals; ++written)
        out.Put(take());
    return out.PaddedTo(0);
}

} // namespace

std::string NumberToGroupedText(long double value)
{
    if (std::isinf(value))
        return "INF";
    if (std::isnan(value))
        return "NAN";
    DecimalExpansion d = Expand(value);
    RoundForDisplay(d);
    return d.exponent > kPrecision ? ExponentForm(d) : GroupedForm(d);
}

// ---------------------------------------------------------------------------------------------
// Fixed text: '.' as the point, at least `width` characters

namespace {

// Brings a to 1 ≤ a < 16 (or leaves zero) and returns the decimal exponent taken out of it.
int ScaleToUnits(long double& a)
{
    int p = 0;
    while (a != 0.0L) {
        const int t = DecimalExponentEstimate(ExponentField(a) - kExponentBias);
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
    static constexpr int kLength = kExpansionDigits + 1;
    char b[kLength + kMaxExponentDigits + 1 + kMaxDecimals];

    explicit DigitString(long double a)
    {
        long double v = RoundHalfEven(a * kTenTo17);
        b[0] = '0';
        if (v >= kTenTo18) {
            b[0] = '1';
            v = v - kTenTo18;
        }
        WriteDigits(b + 1, IntegralValue(v), kExpansionDigits);
    }
};

std::string ScientificForm(long double a, bool negative, int p, int width)
{
    const int g = std::clamp(width - 8, 2, 18);
    DigitString digits(a);
    char* const b = digits.b;
    int start = b[0] == '1' ? 0 : 1;
    const int after = start + g;
    if (after < DigitString::kLength && b[after] >= '5') {
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
    width = std::min(width, kMaxWidth);
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
    decimals = std::min(decimals, kMaxDecimals);
    const int p = a < 10 ? 0 : ScaleToUnits(a);
    if (p > kMaxExponentDigits)
        return ScientificForm(a, negative, p, width);

    DigitString digits(a);
    char* const b = digits.b;
    const int m = p + 1 + decimals;
    if (m >= kExpansionDigits)
        std::memset(b + DigitString::kLength, '0', static_cast<std::size_t>(m - kExpansionDigits));
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
    return body.PaddedTo(std::min(width, kMaxWidth));
}
