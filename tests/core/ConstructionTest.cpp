// The circle-diagram construction: the values of the default motor, the geometric properties it must
// keep, the intersection helper's choice of root, and floating-point faults.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "GridTexts.h"
#include "SpoctiKonstrukci.h"

namespace {

class Construction : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = DecimalSeparator;
        DecimalSeparator = U',';
    }
    void TearDown() override { DecimalSeparator = saved_; }

    static TKonstrukce Accepted(TypedInput z)
    {
        TKonstrukce k{};
        EXPECT_FALSE(AcceptInput(z, k).has_value());
        return k;
    }

private:
    char32_t saved_ = U'.';
};

TEST_F(Construction, DefaultMotorGivesItsKnownValues)
{
    const TKonstrukce k = Accepted(DefaultInput());
    const struct {
        const char* name;
        long double value;
        const char* text;
    } cases[] = {
        {"Rf", k.Rf, "0,5096"},
        {"R21f", k.R21f, "0,2596"},
        {"Ao.x", k.Ao.x, "14,9090"},
        {"Ao.y", k.Ao.y, "1,6500"},
        {"Ak.x", k.Ak.x, "161,4391"},
        {"Ak.y", k.Ak.y, "72,5700"},
        {"dX", k.PrimkaVykonu.x, "146,5302"},
        {"dY", k.PrimkaVykonu.y, "70,9200"},
        {"L", k.DelkaPrimky, "162,7905"},
        {"T.x", k.BodPomeru.x, "161,4391"},
        {"T.y", k.BodPomeru.y, "35,6011"},
        {"M.x", k.StredPrimky.x, "88,1741"},
        {"M.y", k.StredPrimky.y, "37,1100"},
        {"S.x", k.StredKruznice.x, "105,3366"},
        {"R", k.Polomer, "90,4276"},
        {"R via Ak", k.PolomerPomociAk, "90,4276"},
        {"AInf.x", k.AInf.x, "186,5496"},
        {"AInf.y", k.AInf.y, "41,4192"},
        {"omega_s", k.OmegaSynchr, "78,5398"},
        {"kM", k.MeritkoMomentu, "8,4040"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NumberToGroupedText(c.value), c.text) << c.name;

    const GridRows torque = TorqueRows(k);
    EXPECT_EQ(torque[3], (GridRow{"0.05", "74.613", "265.805"}));
    EXPECT_EQ(torque[7], (GridRow{"0.25", "58.905", "603.933"}));
    EXPECT_EQ(torque[12], (GridRow{"0.50", "39.270", "497.321"}));
    EXPECT_EQ(torque[22], (GridRow{"1.00", "0.000", "310.686"}));
    EXPECT_EQ(CoordinateRows(k)[1], (GridRow{"Bod naprázdno Ao", "14,9090", "1,6500"}));
    // π · 750 · 0.02 · 5/3 rounded step by step in extended precision; π · 750 / 30 is one bit off.
    EXPECT_EQ(k.OmegaSynchr, 0x9.d1462ceaa19d7b9p+3L);
}

TEST_F(Construction, DefaultsKeepTheCircleGeometry)
{
    const TKonstrukce k = Accepted(DefaultInput());
    const long double eps = 1e-15L;
    EXPECT_NEAR(k.Polomer, k.PolomerPomociAk, eps * k.Polomer);
    EXPECT_EQ(k.PolomerPomociAk, k.StredKruznice.x - k.Ao.x);
    EXPECT_NEAR(k.KruzniceX[SlipCount], k.Ak.x, eps * k.Ak.x);
    EXPECT_NEAR(k.KruzniceY[SlipCount], k.Ak.y, eps * k.Ak.y);
    for (int i = 1; i <= SlipCount; ++i)
        EXPECT_NEAR(k.OmegaSkluzu[i], (SlipCount - i) * k.OmegaSynchr / SlipCount, eps * k.OmegaSynchr) << i;
    EXPECT_EQ(k.OmegaSkluzu[SlipCount], 0.0L);
}

TEST_F(Construction, SpeedIndexSixIs428AndAHalf)
{
    TypedInput z = DefaultInput();
    z.SynchrOtackyIndex = 6;
    EXPECT_EQ(NumberToGroupedText(Accepted(z).OmegaSynchr), "44,8724");
}

// Ak right of Ao but T below Ao: the slip line runs down to the right, and the line through its first
// division point meets the circle again within 1 % of Ao.x.
TEST_F(Construction, DescendingSlipLineEndsAtAk)
{
    const TKonstrukce k = Accepted({"100", "0,3", "177", "0,41", "220", "0,05", 1, 3});
    ASSERT_LT(k.BodPomeru.y, k.Ao.y);
    EXPECT_NEAR(k.SkluzX[SlipCount], k.Ak.x, 1e-15L * k.Ak.x);
    EXPECT_NEAR(k.SkluzY[SlipCount], k.Ak.y, 1e-15L * k.Ak.y);
    EXPECT_NEAR(k.KruzniceX[SlipCount], k.Ak.x, 1e-15L * k.Ak.x);
    EXPECT_LT((k.KruzniceX[1] - k.Ao.x) / k.Ao.x, 0.01L);
    for (int i : {1, 2}) {
        // The operating point is the far intersection: on the circle and clear of Ao.
        const long double x = k.KruzniceX[i], y = k.KruzniceY[i];
        EXPECT_GT(x - k.Ao.x, 0.2L) << i;
        const long double dx = x - k.StredKruznice.x, dy = y - k.Ao.y;
        EXPECT_NEAR(dx * dx + dy * dy, k.Polomer * k.Polomer, 1e-12L * k.Polomer * k.Polomer) << i;
        EXPECT_GT(k.MomentSkluzu[i], 0.0L) << i;
    }
}

TEST(PrusecikSKruznici, ReturnsTheIntersectionOtherThanP1)
{
    const long double steep = 1000 + 20.0L / 401; // second point of a slope-20 line on a circle of radius 10
    const struct {
        const char* name;
        long double x1, y1, x2, y2, xs, ys, r, expected;
    } cases[] = {
        {"larger root far from P1", 1, 0, 3, 0, 2, 0, 1, 3},
        {"smaller root far from P1", 3, 0, 1, 0, 2, 0, 1, 1},
        {"both within 1 %, larger root farther", 1000, 0, 1001, 20, 1010, 0, 10, steep},
        {"both within 1 %, smaller root farther", 1000, 0, 999, 20, 990, 0, 10, 2000 - steep},
        {"both within 1 % and equally far", 1000, 0, 1001, 0, 1000, 0, 1, 1001},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(PrusecikSKruznici(c.x1, c.y1, c.x2, c.y2, c.xs, c.ys, c.r), c.expected, 1e-12L) << c.name;
}

TEST(SpoctiKonstrukci, RaisesTheFirstFloatingPointFault)
{
    TKonstrukce base{};
    base.PrNapr = 15, base.UcNapr = 0.11L, base.PrNakr = 177, base.UcNakr = 0.41L;
    base.FazoveNapeti = 220, base.R1f = 0.25L, base.R21f = 0.25L, base.Spotrebic = 3, base.SynchrOtacky = 750;
    const long double untouched = -7;
    base.StredKruznice.x = untouched;

    const struct {
        const char* name;
        std::function<void(TKonstrukce&)> craft;
        const char* message;
    } cases[] = {
        // Ao.x = Ak.x = 0: the centre needs (M.y − Ao.y)² / 0.
        {"zero divide", [](TKonstrukce& k) { k.PrNapr = 1, k.UcNapr = 1, k.PrNakr = 2, k.UcNakr = 1; },
         "Floating point division by zero"},
        {"square root of a negative", [](TKonstrukce& k) { k.UcNapr = 2; }, "Invalid floating point operation"},
        // 1 − x² overflows first; the square root of −inf that would follow must not decide the message.
        {"overflow", [](TKonstrukce& k) { k.UcNapr = 1e3000L; }, "Floating point overflow"},
        {"zero speed", [](TKonstrukce& k) { k.SynchrOtacky = 0; }, "Floating point division by zero"},
    };
    for (const auto& c : cases) {
        TKonstrukce k = base;
        c.craft(k);
        try {
            SpoctiKonstrukci(k);
            ADD_FAILURE() << c.name << ": no fault";
        } catch (const EMathError& e) {
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
    }

    // Fields before the fault are new, fields after it keep their old values.
    TKonstrukce k = base;
    cases[0].craft(k);
    EXPECT_THROW(SpoctiKonstrukci(k), EZeroDivide);
    EXPECT_EQ(k.StredPrimky.y, 1.5L);
    EXPECT_EQ(k.StredKruznice.x, untouched);
}

} // namespace
