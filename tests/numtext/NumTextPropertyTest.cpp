// Whole ranges against exact references: a wrong power of ten or a second rounding shows up here.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "NumText.h"

namespace {

// Position of a non-negative value among all extended values, so that neighbours differ by one.
__int128 Ordinal(long double x)
{
    unsigned long long significand;
    unsigned short field;
    std::memcpy(&significand, &x, sizeof significand);
    std::memcpy(&field, reinterpret_cast<const char*>(&x) + 8, sizeof field);
    field &= 0x7FFF;
    // Denormals count up from zero; each binade above adds 2^63 steps, its integer bit being implied.
    if (field == 0)
        return significand;
    return (static_cast<__int128>(field) << 63) + (significand & ~(1ULL << 63));
}

long long UlpDistance(long double a, long double b)
{
    const __int128 d = Ordinal(a) - Ordinal(b);
    return static_cast<long long>(d < 0 ? -d : d);
}

// Only one inexact factor takes part: the result must be the correctly rounded power itself.
bool SingleRounding(int n)
{
    const int m = std::abs(n);
    if (n < 0)
        return m <= 27; // 1 divided by an exact power
    return m < 32 || (m < 512 && m % 32 == 0) || m % 512 == 0;
}

TEST(TextToNumberProperty, EveryPowerOfTenIsCloseToCorrectlyRounded)
{
    long long worst = 0;
    for (int n = -4950; n <= 4932; ++n) {
        const std::string text = "1e" + std::to_string(n);
        const long double v = TextToNumber(text);
        const long double exact = std::strtold(text.c_str(), nullptr);
        const long long d = UlpDistance(v, exact);
        worst = std::max(worst, d);
        if (SingleRounding(n))
            EXPECT_EQ(d, 0) << text;
        else // up to three roundings of inexact factors; a wrong table entry is off by thousands
            EXPECT_LE(d, 3) << text;
    }
    RecordProperty("worst_ulp", static_cast<int>(worst));
}

TEST(TextToNumberProperty, IntegersAndShortScalesAreExactOrCorrectlyRounded)
{
    std::mt19937_64 random(20240611);
    for (int i = 0; i < 200000; ++i) {
        // Any mantissa below 2^64 accumulates exactly; one division or product by 10^0..10^27 then rounds once.
        const unsigned long long mantissa = random() >> (random() % 64);
        const std::string digits = std::to_string(mantissa);
        const int point = static_cast<int>(random() % (digits.size() + 1));
        const int fractionDigits = static_cast<int>(digits.size()) - point;
        const int exponent = static_cast<int>(random() % 55) - 27 + fractionDigits;
        const int scale = exponent - fractionDigits;
        const std::string text = digits.substr(0, point) + "." + digits.substr(point) + "e" + std::to_string(exponent);
        ASSERT_LE(std::abs(scale), 27);
        EXPECT_EQ(TextToNumber(text), std::strtold(text.c_str(), nullptr)) << text;
        EXPECT_EQ(TextToNumber(digits), static_cast<long double>(mantissa)) << digits;
    }
}

// m / 2^k with k <= 17 and a value below 10: every digit the steps produce is exact, so the text
// must be the exact decimal rounded half up.
TEST(NumberToFixedTextProperty, ShortBinaryFractionsMatchTheExactExpansion)
{
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const int k = static_cast<int>(random() % 18);
        const unsigned long long m = random() % (10ULL << k);
        const int decimals = static_cast<int>(random() % 31);
        const bool negative = random() % 2;
        long double value = std::ldexp(static_cast<long double>(m), -k);
        if (negative)
            value = -value;

        unsigned __int128 scaled = m;
        for (int d = 0; d < decimals; ++d)
            scaled *= 10;
        const unsigned __int128 rounded = (scaled * 2 + (static_cast<unsigned __int128>(1) << k)) >> (k + 1);
        std::string expanded;
        for (unsigned __int128 r = rounded; r != 0 || static_cast<int>(expanded.size()) <= decimals; r /= 10)
            expanded.insert(expanded.begin(), static_cast<char>('0' + static_cast<int>(r % 10)));
        std::string expected = negative ? "-" : "";
        expected += expanded.substr(0, expanded.size() - decimals);
        if (decimals > 0)
            expected += "." + expanded.substr(expanded.size() - decimals);

        ASSERT_EQ(NumberToFixedText(value, 1, decimals), expected) << m << " / 2^" << k;
    }
}

} // namespace
