// Where TextToNumber computes in integers, its bits are those of the x87 steps, text for text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <ios>
#include <random>
#include <string>

#include "NumText.h"
#include "TextToNumberPaths.h"

namespace {

using numtext::ParsedNumber;

// A few million texts; under AddressSanitizer each costs ten times as much.
#if defined(__SANITIZE_ADDRESS__)
constexpr int RandomTexts = 200'000;
#else
constexpr int RandomTexts = 2'000'000;
#endif

bool SameBits(long double a, long double b)
{
    return std::memcmp(&a, &b, 10) == 0;
}

// Texts across every limit of the integer path: mantissas of up to 24 digits (2^64 lies between 19
// and 20), leading zeros, zero, scales across ±31 and out to the denormals and the overflow.
std::string RandomText(std::mt19937_64& random)
{
    std::string text(random() % 3, ' ');
    const char* const signs[] = {"", "+", "-"};
    text += signs[random() % 3];
    std::string digits(random() % 4 == 0 ? random() % 5 : 0, '0');
    if (random() % 2 == 0) {
        digits += std::to_string(random() >> (random() % 64)); // the whole 64-bit range, evenly by size
    } else {
        for (int n = static_cast<int>(random() % 25); n > 0; --n)
            digits += static_cast<char>('0' + random() % 10);
    }
    const int point = digits.empty() || random() % 3 == 0 ? -1 : static_cast<int>(random() % (digits.size() + 1));
    const int fraction = point < 0 ? 0 : static_cast<int>(digits.size()) - point;
    text += point < 0 ? (digits.empty() ? "." : digits) : digits.substr(0, point) + "." + digits.substr(point);
    if (random() % 3 != 0) {
        const int scale = random() % 8 == 0 ? static_cast<int>(random() % 9998) - 4999
                                            : static_cast<int>(random() % 81) - 40;
        const int exponent = std::clamp(scale + fraction, -4999, 4999);
        text += random() % 2 ? 'e' : 'E';
        if (exponent < 0)
            text += '-';
        else if (random() % 2)
            text += '+';
        if (exponent != 0 || random() % 2)
            text += std::to_string(exponent < 0 ? -exponent : exponent);
    }
    text += std::string(random() % 3, ' ');
    return text;
}

TEST(TextToNumberPaths, IntegerPathGivesTheBitsOfTheX87Steps)
{
    DecimalSeparator = U'.';
    std::mt19937_64 random(20260611);
    int oneRounding = 0;
    for (int i = 0; i < RandomTexts; ++i) {
        const std::string text = RandomText(random);
        ParsedNumber number;
        ASSERT_TRUE(numtext::ParseNumberText(text, number)) << text;
        long double x87 = 0;
        const bool accepted = numtext::ValueOnX87(number, x87);
        long double integer = 0;
        if (numtext::ValueInOneRounding(number, integer)) {
            ++oneRounding;
            ASSERT_TRUE(accepted && SameBits(integer, x87))
                << text << ": " << std::hexfloat << integer << " vs " << x87;
        }
        long double value = 0;
        try {
            value = TextToNumber(text);
        } catch (const EConvertError&) {
            ASSERT_FALSE(accepted) << text;
            continue;
        }
        ASSERT_TRUE(accepted && SameBits(value, x87)) << text << ": " << std::hexfloat << value << " vs " << x87;
    }
    EXPECT_GT(oneRounding, RandomTexts / 2); // the generator really reaches the integer path
}

} // namespace
