// Number text conversions: typed text to extended numbers, and results to the two table forms.
#include "NumText.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <cstring>
#include <fpu_control.h>
#include <limits>
#include <math.h>
#include <string>

char32_t DecimalSeparator = U'.';
char32_t ThousandSeparator = U',';

namespace {

// Extended values nearest to the powers of ten; up to 10^27 they are exact.
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

constexpr int kScaleLimit = 5120;          // 10^±5120 lies beyond the extended range
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

bool SignBit(long double x) { return std::signbit(x); }

// floor(k · log10 2) with the 16-bit approximation; >> is a true floor for negative k.
int DecimalExponentEstimate(int k) { return (k * kLog10Of2Times65536) >> 16; }

// Exactly `count` decimal digits of an integral value below 10^count.
std::string DigitsOf(unsigned long long value, int count)
{
    std::string digits(count, '0');
    for (int i = count - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
    return digits;
}

std::string PadLeft(std::string body, int width)
{
    if (width > static_cast<int>(body.size()))
        body.insert(0, width - body.size(), ' ');
    return body;
}

// Adds one to the decimal digit at `pos`, carrying leftwards; returns true if the carry ran out at 0.
bool IncrementDigits(std::string& digits, int pos)
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
    char32_t c = separator;
    if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        c = 0xFFFD; // not a character: never write broken UTF-8
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
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

// What the grammar found in an accepted text.
struct ParsedNumber {
    bool negative = false;
    std::string digits;    // every mantissa digit, integer and fraction part, in order
    long long scale = 0;   // exponent minus the number of fraction digits
};

bool Blank(char c) { return c == ' '; }
bool Digit(char c) { return c >= '0' && c <= '9'; }

bool ParseNumberText(const std::string& text, ParsedNumber& out)
{
    // A zero byte ends the text as its end does.
    const std::size_t end = std::min(text.find('\0'), text.size());
    const std::string separator = SeparatorText(DecimalSeparator);
    std::size_t i = 0;
    while (i < end && Blank(text[i]))
        ++i;
    if (i < end && (text[i] == '+' || text[i] == '-'))
        out.negative = text[i++] == '-';

    bool mantissaSeen = false;
    while (i < end && Digit(text[i])) {
        out.digits += text[i++];
        mantissaSeen = true;
    }
    long long fractionDigits = 0;
    if (end - i >= separator.size() && text.compare(i, separator.size(), separator) == 0) {
        i += separator.size();
        mantissaSeen = true;
        while (i < end && Digit(text[i])) {
            out.digits += text[i++];
            ++fractionDigits;
        }
    }
    if (!mantissaSeen)
        return false;

    long long exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponentNegative = false;
        if (i < end && (text[i] == '+' || text[i] == '-'))
            exponentNegative = text[i++] == '-';
        // Once the exponent reaches 500 a further digit is not taken and so becomes a stray character.
        while (i < end && Digit(text[i]) && exponent < kExponentDigitStop)
            exponent = exponent * 10 + (text[i++] - '0');
        if (exponentNegative)
            exponent = -exponent;
    }
    while (i < end && Blank(text[i]))
        ++i;
    if (i != end)
        return false;
    out.scale = exponent - fractionDigits;
    return true;
}

// Kept out of line and opaque to the optimiser so that no step moves across the mode switches.
#if defined(__clang__)
__attribute__((noinline, optnone))
#else
__attribute__((noipa))
#endif
long double ValueOf(const ParsedNumber& number)
{
    long double v = 0.0L;
    for (char d : number.digits) {
        v = v * 10;                // two rounded operations per digit, in this order
        v = v + (d - '0');
    }
    long long scale = number.scale;
    if (scale > kScaleLimit)
        scale = kScaleLimit;
    if (scale < -kScaleLimit)
        scale = -kScaleLimit;
    v = ScaleByPowerOfTen(v, static_cast<int>(scale));
    return number.negative ? -v : v;
}

// Runs ValueOf masked, extended, to nearest, from clear flags; leaves the caller's environment as it was.
bool ComputeMasked(const ParsedNumber& number, long double& result)
{
    std::fenv_t caller;
    std::fegetenv(&caller);
    std::fesetenv(FE_DFL_ENV); // clears the flags and masks every exception in both units
    fpu_control_t extendedNearestMasked = _FPU_DEFAULT;
    _FPU_SETCW(extendedNearestMasked);
    volatile long double value = ValueOf(number);
    const bool faulted = std::fetestexcept(FE_OVERFLOW | FE_INVALID) != 0;
    std::fesetenv(&caller);
    result = value;
    return !faulted;
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
    std::string digits;
};

DecimalExpansion Expand(long double x)
{
    DecimalExpansion d;
    const int field = ExponentField(x);
    if (field == 0)
        return d;
    d.exponent = DecimalExponentEstimate(field - kExponentBias) + 1;
    long double y = ::roundevenl(ScaleByPowerOfTen(std::fabs(x), kExpansionDigits - d.exponent));
    if (y >= kTenTo18) {
        y = y / 10;
        ++d.exponent;
    }
    y = ::roundevenl(y); // below 10^18: the estimate of E is never more than one too small
    d.negative = SignBit(x);
    d.digits = DigitsOf(static_cast<unsigned long long>(y), kExpansionDigits);
    return d;
}

// Keeps the digits a text of 4 decimals and 8 significant digits can show, rounded half up.
void RoundForDisplay(DecimalExpansion& d)
{
    if (d.exponent + kDecimals < 0) {
        d = DecimalExpansion{};
        return;
    }
    if (d.digits.empty())
        return;
    const int n = std::min(d.exponent + kDecimals, kPrecision);
    const bool roundUp = d.digits[n] >= '5';
    d.digits.resize(n);
    if (roundUp && (n == 0 || IncrementDigits(d.digits, n - 1))) {
        d.digits = "1";
        ++d.exponent;
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
}

std::string ExponentForm(const DecimalExpansion& d)
{
    std::string out = d.negative ? "-" : "";
    out += d.digits.empty() ? '0' : d.digits[0];
    if (d.digits.size() > 1)
        out += SeparatorText(DecimalSeparator) + d.digits.substr(1);
    return out + 'E' + std::to_string(d.exponent - 1);
}

std::string GroupedForm(const DecimalExpansion& d)
{
    const std::string thousands = SeparatorText(ThousandSeparator);
    std::size_t next = 0; // next digit of the expansion to write
    auto take = [&]() { return next < d.digits.size() ? d.digits[next++] : (++next, '0'); };

    std::string out = d.negative ? "-" : "";
    if (d.exponent <= 0) {
        out += '0';
    } else {
        for (int i = 0; i < d.exponent; ++i) {
            if (i > 0 && (d.exponent - i) % 3 == 0)
                out += thousands;
            out += take();
        }
    }
    out += SeparatorText(DecimalSeparator);
    int written = 0;
    if (d.exponent < 0)
        for (; written < std::min(-d.exponent, kDecimals); ++written)
            out += '0';
    for (; written < kDecimals; ++written)
        out += take();
    return out;
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

// "0" or "1" followed by the 18 digits of a × 10^17 beyond 10^18; for 1 ≤ a < 16 that is 19 characters.
std::string DigitString(long double a)
{
    long double v = ::roundevenl(a * kTenTo17);
    std::string b = "0";
    if (v >= kTenTo18) {
        b = "1";
        v = v - kTenTo18;
    }
    return b + DigitsOf(static_cast<unsigned long long>(v), kExpansionDigits);
}

std::string ScientificForm(long double a, bool negative, int p, int width)
{
    const int g = std::clamp(width - 8, 2, 18);
    std::string b = DigitString(a);
    int start = b[0] == '1' ? 0 : 1;
    const int after = start + g;
    if (after < static_cast<int>(b.size()) && b[after] >= '5') {
        IncrementDigits(b, after - 1);
        if (b[0] != '0')
            start = 0;
    }
    if (start == 0)
        ++p;
    std::string body = negative ? "-" : " ";
    body += b[start];
    body += '.';
    body += b.substr(start + 1, g - 1);
    body += 'E';
    body += p >= 0 ? '+' : '-';
    body += DigitsOf(static_cast<unsigned long long>(std::abs(p)), 4);
    return PadLeft(body, width);
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

    std::string b = DigitString(a);
    const int m = p + 1 + decimals;
    if (m >= kExpansionDigits)
        b.append(m - kExpansionDigits, '0');
    else if (b[m + 1] >= '5')
        IncrementDigits(b, m);
    const int intStart = b[0] == '1' ? 0 : 1;
    std::string body = negative ? "-" : "";
    body += b.substr(intStart, p + 2 - intStart);
    if (decimals > 0)
        body += '.' + b.substr(p + 2, decimals);
    return PadLeft(body, width);
}

std::string NumberToFixedText(std::int32_t value, int width)
{
    const long long n = value;
    std::string body = (n < 0 ? "-" : "") + std::to_string(n < 0 ? -n : n);
    return PadLeft(body, std::min(width, kMaxWidth));
}
