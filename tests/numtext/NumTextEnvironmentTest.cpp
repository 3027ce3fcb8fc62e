// The conversions leave the caller's floating-point state exactly as it was, whatever that state is,
// and the fixed text shows a × 10^17 rounded half to even.
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "FpEnvironment.h"
#include "NumText.h"

namespace {

using Environment = FpEnvironment;

TEST(TextToNumberEnvironment, EveryCallerStateComesBackUnchanged)
{
    const struct {
        const char* name;
        Environment caller;
    } callers[] = {
        {"default", {DefaultControl, 0, DefaultMxcsr}},
        {"inexact already up", {DefaultControl, 0x20, DefaultMxcsr}},
        {"overflow already up", {DefaultControl, 0x28, DefaultMxcsr}},
        {"invalid and zero divide up", {DefaultControl, 0x05, DefaultMxcsr}},
        // Unmasked faults, double precision, upward: the text's value must not depend on any of it.
        {"unmasked, 53 bits, upward", {0x0A72, 0, DefaultMxcsr}},
        {"toward zero, 24 bits", {0x0C7F, 0x10, DefaultMxcsr}},
        // SSE state the conversion never touches: flags up, toward zero, flush to zero.
        {"SSE flags and modes", {DefaultControl, 0, 0xFFBF & (DefaultMxcsr | 0x6000 | 0x8000 | 0x3D)}},
    };
    const struct {
        const char* text;
        bool valid;
    } texts[] = {
        {"15", true},                             // exact: raises nothing
        {"0.1", true},                            // inexact
        {"1e-4940", true},                        // underflows to a denormal
        {"1e4999", false},                        // overflows
        {"999999999999999999999999999999", true}, // longer than the exact digits
    };
    DecimalSeparator = U'.';
    for (const auto& t : texts) {
        FpEnvironment{DefaultControl, 0, DefaultMxcsr}.Install();
        long double expected = 0;
        if (t.valid)
            expected = TextToNumber(t.text);
        for (const auto& c : callers) {
            c.caller.Install();
            long double value = 0;
            bool accepted = true;
            try {
                value = TextToNumber(t.text);
            } catch (const EConvertError&) {
                accepted = false;
            }
            const Environment after = FpEnvironment::Capture();
            FpEnvironment{DefaultControl, 0, DefaultMxcsr}.Install();
            EXPECT_EQ(after, c.caller) << c.name << " / " << t.text;
            EXPECT_EQ(accepted, t.valid) << c.name << " / " << t.text;
            if (t.valid) {
                EXPECT_EQ(value, expected) << c.name << " / " << t.text;
            }
        }
    }
}

// Mantissas around the end of the exactly representable range, where the digits stop being exact.
TEST(TextToNumberEnvironment, LongMantissasMatchTheCorrectlyRoundedValue)
{
    const char* const texts[] = {
        "999999999999999999",    "9999999999999999999",     "18446744073709551615",
        "18446744073709551616",  "12345678901234567890123", "0.0000000000000000000000123456789",
        "1000000000000000000.5",
    };
    DecimalSeparator = U'.';
    for (const char* text : texts) {
        // At most 19 digits accumulate exactly, and one more rounding is allowed for each digit after.
        const long double value = TextToNumber(text);
        const long double exact = std::strtold(text, nullptr);
        EXPECT_LE(std::fabs(value - exact), std::fabs(exact) * 1e-18L) << text;
    }
    EXPECT_EQ(TextToNumber("9999999999999999999"), 9999999999999999999.0L);
    EXPECT_EQ(TextToNumber("18446744073709551615"), 18446744073709551615.0L);
}

// a × 10^17 lands exactly halfway between two integers: the digits must be those of the even one.
TEST(NumberToFixedTextRounding, HalfwayProductsGoToEven)
{
    std::mt19937_64 random(11);
    int halfway = 0;
    for (int i = 0; i < 200000 && halfway < 500; ++i) {
        const long double a = 1 + std::ldexp(static_cast<long double>(random() >> 1), -63) * 8; // 1 ≤ a < 9
        const long double product = a * 1e17L;
        if (product - std::floor(product) != 0.5L)
            continue;
        ++halfway;
        const unsigned long long even = static_cast<unsigned long long>(roundevenl(product));
        const std::string digits = std::to_string(even);
        const std::string expected = digits.substr(0, 1) + "." + digits.substr(1);
        EXPECT_EQ(NumberToFixedText(a, 0, 17), expected) << static_cast<double>(a);
    }
    EXPECT_GT(halfway, 100); // the search must really have met halfway cases
}

} // namespace
