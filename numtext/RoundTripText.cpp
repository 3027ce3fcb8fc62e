// 21 significant digits of an extended value, exactly rounded, written as printf's "%.21Lg" writes
// them in the C locale: the shortest text that always reads back to the same 80 bits. JSON output
// writes every number this way, so the usual magnitudes take a path of a few integer operations; the
// rest goes through an exact decimal expansion of the whole value.
#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <vector>

#include "NumText.h"
#include "NumTextParts.h"

namespace {

using namespace numtext;
using u128 = unsigned __int128;

constexpr int Digits = 21;

int BitWidth(u128 n)
{
    const auto high = static_cast<std::uint64_t>(n >> 64);
    return high != 0 ? 64 + std::bit_width(high) : std::bit_width(static_cast<std::uint64_t>(n));
}

constexpr u128 PowerOfTen(int n)
{
    u128 p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}
constexpr u128 LeastDigits = PowerOfTen(Digits - 1); // 10^20: the smallest 21-digit integer
constexpr u128 TooManyDigits = PowerOfTen(Digits);

constexpr int FiveToThe27Limit = 27; // 5^27 < 2^63: one factor of the quick path and of a bignum step
constexpr std::array<std::uint64_t, FiveToThe27Limit + 1> PowersOfFive = [] {
    std::array<std::uint64_t, FiveToThe27Limit + 1> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 5;
    return p;
}();

// value = significand · 2^exponent, exactly, for every encoding but the pseudo-denormals.
struct Binary {
    std::uint64_t significand;
    int exponent;
};

Binary BinaryOf(long double x)
{
    const ExtendedBits b = BitsOf(x);
    const int field = b.signAndExponent & 0x7FFF;
    constexpr int SignificandBits = 63; // below the integer bit
    // Denormals have the exponent of the smallest normal, 1 − bias.
    return {b.significand, (field == 0 ? 1 : field) - ExponentBias - SignificandBits};
}

// 21 digits: value ≈ digits · 10^(exponent − 20), 10^20 ≤ digits < 10^21.
struct Rounded {
    u128 digits;
    int exponent;
};

// The integer part and the part below it of value · 10^scale, both exact, compared with one half.
struct Scaled {
    u128 integral;
    int belowHalf; // −1 below one half, 0 exactly one half, +1 above (fraction zero: −1)
};

// value · 10^scale on 128-bit integers, when the operands fit: 0 ≤ scale ≤ 27 and the result of the
// shift stays in range, or −38 ≤ scale < 0 and the value is an integer below 2^128.
bool ScaleQuickly(const Binary& v, int scale, Scaled& out)
{
    if (scale >= 0) {
        if (scale > FiveToThe27Limit)
            return false;
        const u128 product = static_cast<u128>(v.significand) * PowersOfFive[scale]; // below 2^127
        const int shift = scale + v.exponent;                                        // and times 2^shift
        if (shift >= 0) {
            if (shift > 127 - BitWidth(product))
                return false;
            out = {product << shift, -1};
            return true;
        }
        if (shift <= -128)
            return false;
        const u128 fraction = product & ((static_cast<u128>(1) << -shift) - 1);
        const u128 half = static_cast<u128>(1) << (-shift - 1);
        out = {product >> -shift, fraction < half ? -1 : fraction == half ? 0 : 1};
        return true;
    }
    if (scale < -38 || v.exponent < 0 || v.exponent > 63)
        return false;
    const u128 value = static_cast<u128>(v.significand) << v.exponent;
    const u128 divisor = PowerOfTen(-scale);
    const u128 remainder = value % divisor;
    out = {value / divisor, remainder * 2 < divisor ? -1 : remainder * 2 == divisor ? 0 : 1};
    return true;
}

// Rounds the integer part half to even; a carry into a 22nd digit moves the exponent.
Rounded Finish(const Scaled& s, int exponent)
{
    u128 digits = s.integral;
    if (s.belowHalf > 0 || (s.belowHalf == 0 && (digits & 1) != 0))
        ++digits;
    if (digits == TooManyDigits) {
        digits = LeastDigits;
        ++exponent;
    }
    return {digits, exponent};
}

bool RoundQuickly(const Binary& v, Rounded& out)
{
    // floor(log10 value) to within one, from the position of the leading bit.
    const int leadingBit = v.exponent + std::bit_width(v.significand) - 1;
    int exponent = DecimalExponentEstimate(leadingBit);
    for (int attempt = 0; attempt < 3; ++attempt) {
        Scaled s;
        if (!ScaleQuickly(v, Digits - 1 - exponent, s))
            return false;
        if (s.integral >= TooManyDigits) {
            ++exponent;
        } else if (s.integral < LeastDigits) {
            --exponent;
        } else {
            out = Finish(s, exponent);
            return true;
        }
    }
    return false;
}

// Any value exactly: its decimal expansion as a big integer in limbs of 19 digits, least significant
// first; value = that integer · 10^pointShift.
class BigDecimal {
public:
    static constexpr std::uint64_t Base = 10'000'000'000'000'000'000ULL;
    static constexpr int LimbDigits = 19;

    explicit BigDecimal(std::uint64_t n) : limbs_{n % Base, n / Base} { Trim(); }

    void Multiply(std::uint64_t factor) // factor < 2^63
    {
        std::uint64_t carry = 0;
        for (std::uint64_t& limb : limbs_) {
            const u128 product = static_cast<u128>(limb) * factor + carry;
            limb = static_cast<std::uint64_t>(product % Base);
            carry = static_cast<std::uint64_t>(product / Base);
        }
        while (carry != 0) {
            limbs_.push_back(carry % Base);
            carry /= Base;
        }
    }

    std::string Text() const
    {
        std::string text = std::to_string(limbs_.back());
        for (std::size_t i = limbs_.size() - 1; i-- > 0;) {
            char digits[LimbDigits];
            WriteDigits(digits, limbs_[i], LimbDigits);
            text.append(digits, LimbDigits);
        }
        return text;
    }

private:
    void Trim()
    {
        while (limbs_.size() > 1 && limbs_.back() == 0)
            limbs_.pop_back();
    }

    std::vector<std::uint64_t> limbs_;
};

Rounded RoundExactly(const Binary& v)
{
    BigDecimal n(v.significand);
    int pointShift = 0;
    if (v.exponent >= 0) {
        for (int left = v.exponent; left > 0; left -= 62)
            n.Multiply(1ULL << std::min(left, 62));
    } else {
        // m · 2^−k = m · 5^k · 10^−k
        for (int left = -v.exponent; left > 0; left -= FiveToThe27Limit)
            n.Multiply(PowersOfFive[std::min(left, FiveToThe27Limit)]);
        pointShift = v.exponent;
    }
    const std::string text = n.Text();
    const int length = static_cast<int>(text.size());
    Scaled s{0, -1};
    for (int i = 0; i < Digits; ++i)
        s.integral = s.integral * 10 + static_cast<unsigned>(i < length ? text[i] - '0' : 0);
    if (length > Digits) {
        const bool restZero = text.find_first_not_of('0', Digits + 1) == std::string::npos;
        const char next = text[Digits];
        s.belowHalf = next < '5' ? -1 : next > '5' || !restZero ? 1 : 0;
    }
    return Finish(s, length - 1 + pointShift);
}

} // namespace

void AppendRoundTripText(std::string& out, long double value)
{
    if (SignBit(value))
        out += '-';
    if (!std::isfinite(value)) { // also the encodings the unit rejects, as the library writes them
        out += std::isinf(value) ? "inf" : "nan";
        return;
    }
    if (const ExtendedBits b = BitsOf(value); (b.signAndExponent & 0x7FFF) == 0 && (b.significand >> 63) != 0) {
        // A pseudo-denormal, which no arithmetic gives: the library reads these its own way (not
        // always as the unit does), so the text is the library's.
        char text[64];
        out.append(text,
                   std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::general, Digits).ptr);
        return;
    }
    const Binary v = BinaryOf(value);
    if (v.significand == 0) {
        out += '0';
        return;
    }
    Rounded r;
    if (!RoundQuickly(v, r))
        r = RoundExactly(v);

    char digits[Digits];
    WriteDigits(digits, static_cast<std::uint64_t>(r.digits / 100), Digits - 2);
    WriteDigits(digits + Digits - 2, static_cast<std::uint64_t>(r.digits % 100), 2);
    int significant = Digits; // without trailing zeros
    while (digits[significant - 1] == '0')
        --significant;

    char text[64];
    char* p = text;
    if (r.exponent < -4 || r.exponent >= Digits) {
        // d.ddde±XX, at least two exponent digits
        *p++ = digits[0];
        if (significant > 1) {
            *p++ = '.';
            p = std::copy_n(digits + 1, significant - 1, p);
        }
        *p++ = 'e';
        *p++ = r.exponent < 0 ? '-' : '+';
        const int e = r.exponent < 0 ? -r.exponent : r.exponent;
        const int width = e >= 1000 ? 4 : e >= 100 ? 3 : 2;
        WriteDigits(p, static_cast<unsigned>(e), width);
        p += width;
    } else if (r.exponent >= 0) {
        const int integral = r.exponent + 1;
        p = std::copy_n(digits, integral, p);
        if (significant > integral) {
            *p++ = '.';
            p = std::copy_n(digits + integral, significant - integral, p);
        }
    } else {
        *p++ = '0';
        *p++ = '.';
        p = std::fill_n(p, -r.exponent - 1, '0');
        p = std::copy_n(digits, significant, p);
    }
    out.append(text, static_cast<std::size_t>(p - text));
}
