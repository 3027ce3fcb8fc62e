// Checked extended arithmetic: each fault kind is raised, the left operand's fault wins over the
// right one's, and underflow, denormals and inexact results pass.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "CheckedMath.h"
#include "Errors.h"

namespace {

using namespace fpcheck;

TEST(CheckedMath, RaisesTheFirstFaultInReadingOrder)
{
    const long double zero = 0, huge = 1e4000L, tiny = 1e-4940L;
    const struct {
        const char* name;
        std::function<long double()> formula;
        const char* message; // nullptr: no fault
    } cases[] = {
        {"division by zero", [&] { return X(1.0L) / zero; }, "Floating point division by zero"},
        {"zero by zero", [&] { return X(zero) / zero; }, "Invalid floating point operation"},
        {"square root of a negative", [&] { return Sqrt(X(-1.0L)); }, "Invalid floating point operation"},
        {"overflow", [&] { return X(huge) * huge; }, "Floating point overflow"},
        {"left zero divide before right overflow", [&] { return X(1.0L) / zero + X(huge) * huge; },
         "Floating point division by zero"},
        {"left overflow before right zero divide", [&] { return X(huge) * huge + X(1.0L) / zero; },
         "Floating point overflow"},
        {"overflow not hidden by the invalid operation it causes", [&] { return Sqrt(X(1.0L) - X(huge) * huge); },
         "Floating point overflow"},
        {"underflow to a denormal", [&] { return X(tiny) * 1e-3L; }, nullptr},
        {"underflow to zero", [&] { return X(tiny) * tiny; }, nullptr},
        {"inexact", [&] { return X(1.0L) / 3.0L; }, nullptr},
    };
    for (const auto& c : cases) {
        try {
            c.formula();
            EXPECT_EQ(c.message, nullptr) << c.name << ": no fault raised";
        } catch (const EMathError& e) {
            EXPECT_STREQ(e.what(), c.message ? c.message : "(none)") << c.name;
        }
    }
}

} // namespace

// The construction's angle arccos x = atan2(√(1 − x²), x) must be the same bits on every processor:
// the x87 instruction behind atan2l is off by an ulp for some of these on some processors. Expected
// values are the correctly rounded angles (60-digit reference, then one rounding to 64 bits).
TEST(CheckedMath, Atan2IsRoundedAlikeEverywhere)
{
    const struct {
        const char* powerFactor;
        std::uint16_t exponent;
        std::uint64_t significand;
    } cases[] = {
        {"0.018", 0x3FFF, 0xC6C1FF88CED958C7ULL}, {"0.028", 0x3FFF, 0xC57A3AE849548F94ULL},
        {"0.108", 0x3FFF, 0xBB35FE7494448E0FULL}, {"0.256", 0x3FFF, 0xA7ECCEBC1285D9F3ULL},
        {"0.487", 0x3FFF, 0x87F45BB3B004AE01ULL}, {"0.560", 0x3FFE, 0xF9F60A500CB5E5F9ULL},
        {"0.800", 0x3FFE, 0xA4BC7D1934F70924ULL}, {"0.850", 0x3FFE, 0x8E08188A1C009EBAULL},
        {"0.999", 0x3FFA, 0xB731A72B3514D574ULL},
    };
    for (const auto& c : cases) {
        const long double x = std::strtold(c.powerFactor, nullptr);
        const long double angle = Atan2(Sqrt(X(1.0L) - X(x) * x), x);
        std::uint64_t significand = 0;
        std::uint16_t exponent = 0;
        std::memcpy(&significand, &angle, sizeof significand);
        std::memcpy(&exponent, reinterpret_cast<const char*>(&angle) + sizeof significand, sizeof exponent);
        EXPECT_EQ(exponent, c.exponent) << c.powerFactor;
        EXPECT_EQ(significand, c.significand) << c.powerFactor;
    }
}
