// The calculation gives the caller's floating-point flags back, also after a fault, and a flag the
// caller left up is never taken for a fault of the calculation.
#include <cstdint>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "CheckedMath.h"
#include "Errors.h"
#include "FpEnvironment.h"
#include "RecordBits.h"
#include "SpoctiKonstrukci.h"

namespace {

using FlagState = FpEnvironment;

TKonstrukce ConstructionInputs()
{
    TKonstrukce k{};
    k.PrNapr = 15, k.UcNapr = 0.11L, k.PrNakr = 177, k.UcNakr = 0.41L;
    k.FazoveNapeti = 220, k.R1f = 0.25L, k.R21f = 0.25L, k.Spotrebic = 3, k.SynchrOtacky = 750;
    return k;
}

const FlagState Callers[] = {
    {DefaultControl, 0, DefaultMxcsr},
    {DefaultControl, 0x20, DefaultMxcsr},               // inexact
    {DefaultControl, 0x08 | 0x20, DefaultMxcsr},        // overflow: must not be reported as the calculation's
    {DefaultControl, 0x01 | 0x04, DefaultMxcsr | 0x3F}, // invalid and zero divide in both units
};

TEST(FloatingPointState, ConstructionGivesTheCallersFlagsBack)
{
    FlagState{DefaultControl, 0, DefaultMxcsr}.Install();
    TKonstrukce clean = ConstructionInputs();
    SpoctiKonstrukci(clean);

    const struct {
        const char* name;
        std::function<void()> run;
    } runs[] = {
        {"construction",
         [&] {
             TKonstrukce k = ConstructionInputs();
             SpoctiKonstrukci(k);
             EXPECT_TRUE(SameBits(k, clean));
         }},
        {"construction with a fault",
         [] {
             TKonstrukce k = ConstructionInputs();
             k.SynchrOtacky = 0;
             EXPECT_THROW(SpoctiKonstrukci(k), EZeroDivide);
         }},
        {"acceptance",
         [&] {
             DecimalSeparator = U',';
             TKonstrukce k;
             EXPECT_FALSE(AcceptInput(DefaultInput(), k).has_value());
             EXPECT_EQ(k.Polomer, clean.Polomer);
         }},
        {"acceptance with a bad text",
         [] {
             DecimalSeparator = U',';
             TypedInput z = DefaultInput();
             z.UcNapr = "x";
             TKonstrukce k;
             EXPECT_THROW(AcceptInput(z, k), EConvertError);
         }},
    };
    for (const auto& r : runs)
        for (const FlagState& caller : Callers) {
            caller.Install();
            r.run();
            const FlagState after = FpEnvironment::Capture();
            FlagState{DefaultControl, 0, DefaultMxcsr}.Install();
            EXPECT_EQ(after, caller) << r.name << ", caller flags " << caller.flags;
        }
}

// Outside any calculation the helpers meet whatever flags are up; a left-over flag is no fault.
TEST(FloatingPointState, LeftOverFlagsAreNoFaultOfTheHelpers)
{
    FlagState{DefaultControl, 0, DefaultMxcsr}.Install();
    Point expected;
    CurrentPoint(expected, 15, 0.11L);
    const long double crossing = PrusecikSKruznici(1, 1, 3, 2, 2, 1, 1);
    for (const FlagState& caller : Callers) {
        caller.Install();
        Point b;
        EXPECT_NO_THROW(CurrentPoint(b, 15, 0.11L)) << caller.flags;
        EXPECT_EQ(b.x, expected.x);
        EXPECT_EQ(b.y, expected.y);
        long double x = 0;
        EXPECT_NO_THROW(x = PrusecikSKruznici(1, 1, 3, 2, 2, 1, 1)) << caller.flags;
        EXPECT_EQ(x, crossing);
        EXPECT_THROW(static_cast<void>(static_cast<long double>(fpcheck::Sqrt(fpcheck::X(-1.0L)) + 0.0L)), EInvalidOp)
            << caller.flags;
        FlagState{DefaultControl, 0, DefaultMxcsr}.Install();
    }
}

} // namespace
