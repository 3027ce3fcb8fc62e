// The fast grouped text against the digit-by-digit oracle, and the 21-digit text against the C
// library's conversion: byte for byte over random bit patterns, every binade and the rounding edges.
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "GroupedTextReference.h"
#include "NumText.h"

namespace {

long double FromBits(std::uint64_t significand, std::uint16_t signAndExponent)
{
    return numtext::FromBits(significand, signAndExponent);
}

std::string Bits(long double x)
{
    const numtext::ExtendedBits b = numtext::BitsOf(x);
    char text[32];
    std::snprintf(text, sizeof text, "%04X %016llX", b.signAndExponent, static_cast<unsigned long long>(b.significand));
    return text;
}

// Values whose texts sit on an edge: a rounding digit of 5 with and without more behind it, nines
// that carry into a new digit, the switch to the exponent form, the smallest shown decimal.
std::vector<long double> EdgeValues()
{
    std::vector<long double> v = {
        0.0L,        -0.0L,           0.5L,      0.00005L,   -0.00003L,   -0.000003L,   0.00004999999999L,
        99999999.5L, 99999999.49999L, 100000000, 12345.678L, 9999.99995L, -9999.99995L, 1.5e36L,
        123456789,   1e-4940L};
    for (int e = -8; e <= 12; ++e)
        for (long double m : {1.0L, 5.0L, 9.99999995L, 9.999999949L, 4.99999995L})
            for (long double sign : {1.0L, -1.0L})
                v.push_back(sign * m * std::pow(10.0L, static_cast<long double>(e)));
    return v;
}

TEST(GroupedTextFast, MatchesTheDigitByDigitTextForEveryValue)
{
    struct Setting {
        char32_t decimal, thousand;
    };
    const char32_t savedDecimal = DecimalSeparator, savedThousand = ThousandSeparator;
    std::mt19937_64 random(20261208);
    for (const Setting s : {Setting{U',', U'\u00A0'}, Setting{U'.', U','}, Setting{U'\u066B', U'\u202F'}}) {
        DecimalSeparator = s.decimal;
        ThousandSeparator = s.thousand;
        for (long double v : EdgeValues())
            ASSERT_EQ(NumberToGroupedText(v), reference::GroupedText(v)) << Bits(v);
        for (int i = 0; i < 300000; ++i) {
            // Every encoding, and mostly the magnitudes results have (10^-6 to 10^10).
            const std::uint16_t field = i % 4 == 0
                ? static_cast<std::uint16_t>(random())
                : static_cast<std::uint16_t>((16363 + random() % 54) | (random() & 0x8000));
            const long double v = FromBits(random() | (i % 8 == 0 ? 0 : 1ULL << 63), field);
            ASSERT_EQ(NumberToGroupedText(v), reference::GroupedText(v)) << Bits(v);
        }
    }
    DecimalSeparator = savedDecimal;
    ThousandSeparator = savedThousand;
}

std::string LibraryText(long double v)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 21);
    return ec == std::errc{} ? std::string(buffer, end) : "to_chars failed";
}

std::string RoundTripText(long double v)
{
    std::string text;
    AppendRoundTripText(text, v);
    return text;
}

TEST(RoundTripText, MatchesTheLibrarysTwentyOneDigits)
{
    // Ties: (2^64 − 1) / 8 has 22 significant digits, the last a 5; the text must round it to even.
    const long double tie = 18446744073709551615.0L / 8;
    const long double edges[] = {
        0.0L,    -0.0L,    1,        -1,       0.1L,     tie,           -tie,   1e20L, 1e21L, 99999999999999999999.5L,
        0.0001L, 0.00001L, 1e-4940L, LDBL_MAX, LDBL_MIN, LDBL_TRUE_MIN, 1.5e36L};
    for (long double v : edges)
        EXPECT_EQ(RoundTripText(v), LibraryText(v)) << Bits(v);
    // Pseudo-denormals: the integer bit alone, and with a fraction.
    for (std::uint64_t significand : {1ULL << 63, (1ULL << 63) | 1, 3ULL << 62})
        EXPECT_EQ(RoundTripText(FromBits(significand, 0)), LibraryText(FromBits(significand, 0)));
    // Powers of two and their lower neighbours: every one where the quick path ends, a sample of the
    // rest (the exact path takes a while far out).
    for (int e = LDBL_MIN_EXP - LDBL_MANT_DIG; e <= LDBL_MAX_EXP - 1; e += std::abs(e) < 256 ? 1 : 61) {
        const long double p = std::ldexp(1.0L, e);
        ASSERT_EQ(RoundTripText(p), LibraryText(p)) << Bits(p);
        ASSERT_EQ(RoundTripText(std::nextafter(p, 0.0L)), LibraryText(std::nextafter(p, 0.0L))) << Bits(p);
    }
    std::mt19937_64 random(20261209);
    for (int i = 0; i < 1000000; ++i) {
        // Mostly the magnitudes results have; every encoding now and then (the exact path is slow).
        const bool anywhere = i % 1000 == 0;
        const std::uint16_t field = anywhere ? static_cast<std::uint16_t>(random() % 0x7FFF | (random() & 0x8000))
                                             : static_cast<std::uint16_t>(16383 - 70 + random() % 140);
        const long double v = FromBits(random() | (anywhere ? 0 : 1ULL << 63), field);
        ASSERT_EQ(RoundTripText(v), LibraryText(v)) << Bits(v);
    }
}

} // namespace
