// The calculation gives the caller's floating-point flags back, also after a fault, and a flag the
// caller left up is never taken for a fault of the calculation.
#include <cstdint>
#include <cstring>
#include <functional>

#include <gtest/gtest.h>

#include "CheckedMath.h"
#include "Errors.h"
#include "Prijeti.h"
#include "RecordBits.h"
#include "SpoctiKonstrukci.h"

namespace {

struct FlagState {
    std::uint16_t x87Flags;
    std::uint32_t mxcsr;
    bool operator==(const FlagState&) const = default;
};

FlagState Capture()
{
    std::uint16_t status;
    FlagState s;
    __asm__ volatile("fnstsw %0" : "=a"(status));
    __asm__ volatile("stmxcsr %0" : "=m"(s.mxcsr));
    s.x87Flags = status & 0x3F;
    return s;
}

void Install(const FlagState& s)
{
    struct {
        std::uint16_t control, unused1, status, unused2;
        std::uint32_t rest[5];
    } x87;
    __asm__ volatile("fnstenv %0" : "=m"(x87));
    x87.status = static_cast<std::uint16_t>((x87.status & ~0x3F) | s.x87Flags);
    __asm__ volatile("fldenv %0" : : "m"(x87));
    __asm__ volatile("ldmxcsr %0" : : "m"(s.mxcsr));
}

constexpr std::uint32_t kDefaultMxcsr = 0x1F80;

TKonstrukce WorkedExample()
{
    TKonstrukce k{};
    k.PrNapr = 15, k.UcNapr = 0.11L, k.PrNakr = 177, k.UcNakr = 0.41L;
    k.FazoveNapeti = 220, k.R1f = 0.25L, k.R21f = 0.25L, k.Spotrebic = 3, k.SynchrOtacky = 750;
    return k;
}

const FlagState kCallers[] = {
    {0, kDefaultMxcsr},
    {0x20, kDefaultMxcsr},               // inexact
    {0x08 | 0x20, kDefaultMxcsr},        // overflow: must not be reported as the calculation's
    {0x01 | 0x04, kDefaultMxcsr | 0x3F}, // invalid and zero divide in both units
};

TEST(FloatingPointState, ConstructionGivesTheCallersFlagsBack)
{
    Install({0, kDefaultMxcsr});
    TKonstrukce clean = WorkedExample();
    SpoctiKonstrukci(clean);

    const struct {
        const char* name;
        std::function<void()> run;
    } runs[] = {
        {"construction",
         [&] {
             TKonstrukce k = WorkedExample();
             SpoctiKonstrukci(k);
             EXPECT_TRUE(SameBits(k, clean));
         }},
        {"construction with a fault",
         [] {
             TKonstrukce k = WorkedExample();
             k.SynchrOtacky = 0;
             EXPECT_THROW(SpoctiKonstrukci(k), EZeroDivide);
         }},
        {"acceptance",
         [&] {
             DecimalSeparator = U',';
             TKonstrukce k;
             EXPECT_FALSE(PrijmiZadani({"15", "0,11", "177", "0,41", "220", "0,25", 1, 3}, k).has_value());
             EXPECT_EQ(k.Polomer, clean.Polomer);
         }},
        {"acceptance with a bad text",
         [] {
             DecimalSeparator = U',';
             TKonstrukce k;
             EXPECT_THROW(PrijmiZadani({"15", "x", "177", "0,41", "220", "0,25", 1, 3}, k), EConvertError);
         }},
    };
    for (const auto& r : runs)
        for (const FlagState& caller : kCallers) {
            Install(caller);
            r.run();
            const FlagState after = Capture();
            Install({0, kDefaultMxcsr});
            EXPECT_EQ(after, caller) << r.name << ", caller flags " << caller.x87Flags;
        }
}

// Outside any calculation the helpers meet whatever flags are up; a left-over flag is no fault.
TEST(FloatingPointState, LeftOverFlagsAreNoFaultOfTheHelpers)
{
    Install({0, kDefaultMxcsr});
    Bod expected;
    CurrentPoint(expected, 15, 0.11L);
    const long double crossing = PrusecikSKruznici(1, 1, 3, 2, 2, 1, 1);
    for (const FlagState& caller : kCallers) {
        Install(caller);
        Bod b;
        EXPECT_NO_THROW(CurrentPoint(b, 15, 0.11L)) << caller.x87Flags;
        EXPECT_EQ(b.x, expected.x);
        EXPECT_EQ(b.y, expected.y);
        long double x = 0;
        EXPECT_NO_THROW(x = PrusecikSKruznici(1, 1, 3, 2, 2, 1, 1)) << caller.x87Flags;
        EXPECT_EQ(x, crossing);
        EXPECT_THROW(static_cast<void>(static_cast<long double>(fpcheck::Sqrt(fpcheck::X(-1.0L)) + 0.0L)), EInvalidOp)
            << caller.x87Flags;
        Install({0, kDefaultMxcsr});
    }
}

} // namespace
