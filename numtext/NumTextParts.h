// Pieces the three conversions share: the powers of ten, the bits of an extended value, digit buffers.
// Internal to numtext; the public interface is NumText.h.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

namespace numtext {

// Extended values nearest to the powers of ten; up to 10^27 they are exact.
// clang-format off
constexpr std::array<long double, 32> UnitsTable = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};
// Index j holds 10^(32·j); entry 0 is never used.
constexpr std::array<long double, 16> TensTable = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};
// Index k holds 10^(512·k); entry 0 is never used.
constexpr std::array<long double, 10> HundredsTable = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};
// clang-format on

constexpr int ScaleLimit = 5120; // 10^±5120 lies beyond the extended range
constexpr int ExponentBias = 16383;
constexpr int Log10Of2Times65536 = 19728; // floor(log10(2) · 2^16)
constexpr int ExpansionDigits = 18;       // digits of the decimal expansion behind both table forms
constexpr long double TenTo18 = 1e18L;

// Significand and sign-and-exponent field of an extended value.
struct ExtendedBits {
    std::uint64_t significand;
    std::uint16_t signAndExponent;
};

inline ExtendedBits BitsOf(long double x)
{
    ExtendedBits b;
    std::memcpy(&b.significand, &x, sizeof b.significand);
    std::memcpy(&b.signAndExponent, reinterpret_cast<const char*>(&x) + sizeof b.significand, sizeof b.signAndExponent);
    return b;
}

// The value with these bits, put together in memory: no x87 operation, so no flag and no mode.
inline long double FromBits(std::uint64_t significand, std::uint16_t signAndExponent)
{
    struct {
        std::uint64_t significand;
        std::uint16_t signAndExponent, padding[3];
    } raw{significand, signAndExponent, {}};
    static_assert(sizeof raw == sizeof(long double));
    long double x;
    std::memcpy(&x, &raw, sizeof x);
    return x;
}

// Binary exponent field of a value (0 for zero and denormals).
inline int ExponentField(long double x)
{
    return BitsOf(x).signAndExponent & 0x7FFF;
}

inline bool SignBit(long double x)
{
    return std::signbit(x);
}

// floor(k · log10 2) with the 16-bit approximation; >> is a true floor for negative k.
inline int DecimalExponentEstimate(int k)
{
    return (k * Log10Of2Times65536) >> 16;
}

// |x| rounded to the nearest integer, halves to even, read off the bits without a library call and
// whatever the rounding mode; for |x| < 2^64.
inline std::uint64_t RoundedMagnitude(const ExtendedBits& b)
{
    const int e = (b.signAndExponent & 0x7FFF) - ExponentBias;
    if (e >= 63)
        return b.significand; // integral already
    if (e < -1)
        return 0;
    if (e == -1)
        return b.significand != (1ULL << 63) ? 1 : 0; // 0.5 goes to 0, anything above to 1
    const int fractionBits = 63 - e;
    std::uint64_t integral = b.significand >> fractionBits;
    const std::uint64_t fraction = b.significand << (64 - fractionBits);
    constexpr std::uint64_t half = 1ULL << 63;
    if (fraction > half || (fraction == half && (integral & 1) != 0))
        ++integral;
    return integral;
}

// The nearest integer, halves to even, exactly as roundevenl gives it for finite values.
inline long double RoundHalfEven(long double x)
{
    const ExtendedBits b = BitsOf(x);
    if ((b.signAndExponent & 0x7FFF) - ExponentBias >= 63)
        return x;                                                        // integral already (or not finite)
    const long double r = static_cast<long double>(RoundedMagnitude(b)); // exact: at most 2^63
    return (b.signAndExponent & 0x8000) != 0 ? -r : r;
}

// The value of an integral extended 0 ≤ y < 2^64, without the slow x87 integer conversion.
inline std::uint64_t IntegralValue(long double y)
{
    const ExtendedBits b = BitsOf(y);
    const int e = (b.signAndExponent & 0x7FFF) - ExponentBias;
    if (e < 0)
        return 0;
    return b.significand >> (63 - e);
}

// UTF-8 bytes of one separator character, at most four.
struct SeparatorBytes {
    char bytes[4];
    std::size_t size;
};

SeparatorBytes EncodeMultibyte(char32_t separator);

// The usual separators are ASCII: those need no call.
inline SeparatorBytes Encode(char32_t separator)
{
    if (separator < 0x80)
        return {{static_cast<char>(separator)}, 1};
    return EncodeMultibyte(separator);
}

// Exactly `count` decimal digits of an integral value below 10^count, written to `out`.
inline void WriteDigits(char* out, unsigned long long value, int count)
{
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// Adds one to the decimal digit at `pos`, carrying leftwards; returns true if the carry ran out at 0.
inline bool IncrementDigits(char* digits, int pos)
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

} // namespace numtext
