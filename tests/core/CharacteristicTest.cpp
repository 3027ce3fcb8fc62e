// The characteristic points and operating characteristics: the default motor against an independent
// high-precision computation, the properties every accepted motor must show, and degenerate records.
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "Characteristic.h"
#include "RandomMotors.h"

namespace {

struct CommaSeparator {
    char32_t saved = DecimalSeparator;
    CommaSeparator() { DecimalSeparator = U','; }
    ~CommaSeparator() { DecimalSeparator = saved; }
};

TKonstrukce Accepted(const TypedInput& z)
{
    const CommaSeparator comma;
    TKonstrukce k{};
    EXPECT_FALSE(AcceptInput(z, k).has_value()) << z.PrNapr;
    return k;
}

// The default motor, typed as the input dialog shows it.
TKonstrukce DefaultMotor()
{
    const CommaSeparator comma;
    return Accepted(DefaultInput());
}

long double Get(const OptionalValue& v)
{
    EXPECT_TRUE(v.has_value());
    return v.value_or(NAN);
}

// The default motor's values from tests/core/golden/characteristic_defaults.py: the construction redone
// from the typed inputs in 50-digit arithmetic (mpmath), each maximum found by a root of the derivative
// over the circle's angle and each row's point by a root of slip − s, not by the closed forms used here.
// Every value of a characteristic point as its 80 bits in hex, empty values as "-", for comparing.
std::string Bits(const std::optional<OperatingPoint>& o)
{
    if (!o)
        return "none";
    std::string text;
    auto add = [&text](const OptionalValue& v) {
        unsigned char bytes[10] = {};
        if (v)
            std::memcpy(bytes, &*v, sizeof bytes);
        char hex[24];
        for (int i = 0; i < 10; ++i)
            std::snprintf(hex + 2 * i, 3, "%02x", bytes[9 - i]);
        text += v ? std::string(hex) + " " : std::string("- ");
    };
    for (const OptionalValue& v : {OptionalValue(o->point.x), OptionalValue(o->point.y), o->slip, o->torque, o->output,
                                   o->input, o->current, o->powerFactor, o->efficiency, o->omega})
        add(v);
    return text;
}

TEST(Characteristic, DefaultMotorAgreesWithAnIndependentComputation)
{
    const TKonstrukce k = DefaultMotor();
    const CharacteristicPoints c = ReadCharacteristicPoints(k);
    ASSERT_TRUE(c.maxTorque && c.maxOutput && c.maxEfficiency && c.maxPowerFactor && c.maxInput && c.efficiencyPole);
    const OperatingPoint &torque = *c.maxTorque, &output = *c.maxOutput, &efficiency = *c.maxEfficiency;
    const OperatingPoint &powerFactor = *c.maxPowerFactor, &input = *c.maxInput;
    const OperatingPoint &row1 = c.operating[1], &row20 = c.operating[20];
    const struct {
        const char* name;
        long double value, expected;
    } cases[] = {
        {"max torque", Get(torque.torque), 604.004109541625L},
        {"max torque slip", Get(torque.slip), 0.245784010843403L},
        {"max torque x", torque.point.x, 84.9251534284067L},
        {"max torque y", torque.point.y, 89.7438222189553L},
        {"max torque omega", Get(torque.omega), 59.2359852688581L},
        {"starting torque", Get(c.startingTorque), 310.68633L},
        {"torque ratio", Get(c.torqueRatio), 1.94409618711459L},
        {"max output", Get(output.output), 37419.1316680763L},
        {"max output slip", Get(output.slip), 0.185067020520438L},
        {"max output x", output.point.x, 65.9415911169073L},
        {"max output y", output.point.y, 83.0452321338322L},
        {"max efficiency", Get(efficiency.efficiency), 0.874684666899362L},
        {"max efficiency slip", Get(efficiency.slip), 0.0331091477194108L},
        {"max efficiency output", Get(efficiency.output), 14037.3829859111L},
        {"max efficiency x", efficiency.point.x, 17.7956873988196L},
        {"max efficiency y", efficiency.point.y, 24.3159196733837L},
        {"efficiency pole x", c.efficiencyPole->x, 11.4998540952983L},
        {"max power factor", Get(powerFactor.powerFactor), 0.866288333870191L},
        {"max power factor current", Get(powerFactor.current), 54.0496507708591L},
        {"max power factor slip", Get(powerFactor.slip), 0.0719962969407652L},
        {"max power factor x", powerFactor.point.x, 27.000195767699L},
        {"max power factor y", powerFactor.point.y, 46.8225819125533L},
        {"max input", Get(input.input), 60771.200697604L},
        {"max input slip", Get(input.slip), 0.328381444844788L},
        {"max input x", input.point.x, 105.336550622296L},
        {"max input y", input.point.y, 92.0775768145515L},
        {"row 1 current", Get(row1.current), 40.6779189628176L},
        {"row 1 power factor", Get(row1.powerFactor), 0.853797994570804L},
        {"row 1 input", Get(row1.input), 22922.2789182865L},
        {"row 1 output", Get(row1.output), 19831.0039175463L},
        {"row 1 efficiency", Get(row1.efficiency), 0.865141026694599L},
        {"row 20 output", Get(row20.output), 0.0L},
    };
    for (const auto& t : cases)
        EXPECT_NEAR(t.value, t.expected, 0.5e-4L) << t.name;
}

long double Distance(const Point& a, const Point& b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// The cosine of the angle at `vertex` between the rays to a and b: zero where they are perpendicular.
long double CosineAt(const Point& vertex, const Point& a, const Point& b)
{
    const long double ax = a.x - vertex.x, ay = a.y - vertex.y, bx = b.x - vertex.x, by = b.y - vertex.y;
    return (ax * bx + ay * by) / (std::hypot(ax, ay) * std::hypot(bx, by));
}

// The sine of the same angle: zero where the rays are parallel.
long double SineAt(const Point& vertex, const Point& a, const Point& b)
{
    const long double ax = a.x - vertex.x, ay = a.y - vertex.y, bx = b.x - vertex.x, by = b.y - vertex.y;
    return (ax * by - ay * bx) / (std::hypot(ax, ay) * std::hypot(bx, by));
}

long double AngleAroundCentre(const TKonstrukce& k, const Point& p)
{
    return std::atan2(p.y - k.Ao.y, p.x - k.StredKruznice.x);
}

constexpr int PropertyMotors = 3000;
constexpr std::uint64_t PropertySeed = 20261211;
constexpr long double Tight = 1e-12L;

TEST(Characteristic, EveryAcceptedMotorKeepsTheDiagramsRules)
{
    std::mt19937_64 random(PropertySeed);
    int slipAboveOne = 0, powerFactorAtAnEnd = 0;
    for (int n = 0; n < PropertyMotors;) {
        const TypedInput z = random_motors::RandomMotor(random);
        TKonstrukce k{};
        {
            const CommaSeparator comma;
            if (AcceptInput(z, k))
                continue;
        }
        ++n;
        SCOPED_TRACE(z.PrNapr + " " + z.UcNapr + " " + z.PrNakr + " " + z.UcNakr + " " + z.FazoveNapeti + " " + z.R1f +
                     " " + std::to_string(z.SpotrebicIndex) + " " + std::to_string(z.SynchrOtackyIndex));
        const CharacteristicPoints c = ReadCharacteristicPoints(k);
        ASSERT_TRUE(c.maxTorque && c.maxOutput && c.maxEfficiency && c.maxPowerFactor && c.maxInput &&
                    c.efficiencyPole);
        // The batch reads the maxima without rows 1..19: they must not depend on those rows.
        const CharacteristicPoints fast = ReadCharacteristicPoints(k, OperatingRows::LastOnly);
        for (auto maximum :
             {&CharacteristicPoints::maxTorque, &CharacteristicPoints::maxOutput, &CharacteristicPoints::maxEfficiency,
              &CharacteristicPoints::maxPowerFactor, &CharacteristicPoints::maxInput})
            EXPECT_EQ(Bits(c.*maximum), Bits(fast.*maximum));
        const Point centre{k.StredKruznice.x, k.Ao.y};
        const long double R = k.Polomer;
        auto relative = [](long double v) { return Tight * std::max(1.0L, std::fabs(v)); };

        const OperatingPoint& top = *c.maxTorque;
        const long double maxTorque = Get(top.torque);
        const long double topSlip = Get(top.slip);
        int bestRow = 1;
        for (int i = 1; i <= SlipCount; ++i) {
            const OperatingPoint& row = c.operating[i];
            const Point p{k.KruzniceX[i], k.KruzniceY[i]};
            const long double s = static_cast<long double>(i) * SlipStep;
            EXPECT_LE(k.MomentSkluzu[i], maxTorque + relative(maxTorque)) << i;
            if (k.MomentSkluzu[i] > k.MomentSkluzu[bestRow])
                bestRow = i;
            EXPECT_NEAR(Get(OperatingPointAt(k, p).slip), s, 1e-9L) << i;
            // The point at a slip comes out where the construction put the table's row.
            const std::optional<OperatingPoint> atSlip = OperatingPointAtSlip(k, s);
            ASSERT_TRUE(atSlip) << i;
            EXPECT_LT(Distance(atSlip->point, p), 1e-9L * R) << i;
            EXPECT_NEAR(Get(atSlip->torque), k.MomentSkluzu[i], 1e-9L * std::max(1.0L, maxTorque)) << i;

            const long double efficiency = Get(row.efficiency);
            if (i < SlipCount) {
                EXPECT_GE(efficiency, 0.0L) << i;
                EXPECT_LT(efficiency, 1.0L) << i;
            } else {
                EXPECT_LE(std::fabs(efficiency), 1e-15L);
            }
            EXPECT_GT(Get(row.powerFactor), 0.0L) << i;
            EXPECT_LE(Get(row.powerFactor), 1.0L) << i;
            // Each maximum on the motoring arc is at least what every row of the table gives.
            EXPECT_LE(efficiency, Get(c.maxEfficiency->efficiency) + Tight) << i;
            EXPECT_LE(Get(row.powerFactor), Get(c.maxPowerFactor->powerFactor) + Tight) << i;
            EXPECT_LE(Get(row.output), Get(c.maxOutput->output) + relative(Get(row.output))) << i;
            EXPECT_LE(Get(row.input), Get(c.maxInput->input) + relative(Get(row.input))) << i;
        }
        // On the motoring arc the maximum lies between the two rows around its slip, and the table's
        // largest torque is one of them.
        if (topSlip <= 1) {
            const int below = static_cast<int>(topSlip / SlipStep);
            const long double angle = AngleAroundCentre(k, top.point);
            const Point before = below == 0 ? k.Ao : Point{k.KruzniceX[below], k.KruzniceY[below]};
            EXPECT_LE(angle, AngleAroundCentre(k, before) + Tight);
            if (below < SlipCount) {
                EXPECT_GE(angle, AngleAroundCentre(k, {k.KruzniceX[below + 1], k.KruzniceY[below + 1]}) - Tight);
                EXPECT_TRUE(bestRow == below || bestRow == below + 1) << bestRow << " " << topSlip;
            }
        } else {
            ++slipAboveOne;
        }

        // Tangency: each point lies on the circle, and the radius to it is perpendicular to its line.
        const Point& pole = *c.efficiencyPole;
        EXPECT_NEAR(Distance(top.point, centre), R, Tight * R);
        EXPECT_NEAR(CosineAt(centre, top.point, {centre.x + k.AInf.x - k.Ao.x, centre.y + k.AInf.y - k.Ao.y}), 0,
                    Tight);
        EXPECT_NEAR(Distance(c.maxOutput->point, centre), R, Tight * R);
        EXPECT_NEAR(CosineAt(centre, c.maxOutput->point, {centre.x + k.Ak.x - k.Ao.x, centre.y + k.Ak.y - k.Ao.y}), 0,
                    Tight);
        EXPECT_NEAR(pole.y, 0, Tight);
        EXPECT_NEAR(SineAt(k.Ao, pole, k.Ak), 0, Tight) << "T′ on the power line";
        EXPECT_LT(CosineAt(k.Ao, pole, k.Ak), 0) << "T′ beyond Ao";
        EXPECT_NEAR(Distance(c.maxEfficiency->point, centre), R, Tight * R);
        EXPECT_NEAR(CosineAt(c.maxEfficiency->point, centre, pole), 0, Tight);
        // The other maxima are maxima over the motoring arc.
        for (const auto* o : {&c.maxOutput, &c.maxEfficiency, &c.maxPowerFactor, &c.maxInput}) {
            EXPECT_GE(Get((*o)->slip), 0.0L);
            EXPECT_LE(Get((*o)->slip), 1.0L);
        }
        const OperatingPoint& pf = *c.maxPowerFactor;
        if (Get(pf.slip) > 0 && Get(pf.slip) < 1) {
            EXPECT_NEAR(Distance(pf.point, centre), R, Tight * R);
            EXPECT_NEAR(CosineAt(pf.point, centre, {0, 0}), 0, Tight);
        } else {
            ++powerFactorAtAnEnd;
        }
    }
    // The share of motors whose special cases the rules above must cover at all.
    EXPECT_GT(slipAboveOne, PropertyMotors / 10);
    EXPECT_GT(powerFactorAtAnEnd, PropertyMotors / 10);
}

void ExpectFinite(const OperatingPoint& o, const char* what)
{
    EXPECT_TRUE(std::isfinite(o.point.x) && std::isfinite(o.point.y)) << what;
    for (const OptionalValue* v :
         {&o.slip, &o.torque, &o.output, &o.input, &o.current, &o.powerFactor, &o.efficiency, &o.omega})
        EXPECT_TRUE(!*v || std::isfinite(**v)) << what;
}

// Records no acceptance would commit: values are left empty, never NaN or infinite, and nothing faults.
TEST(Characteristic, DegenerateGeometryGivesEmptyValues)
{
    const TKonstrukce defaults = DefaultMotor();
    TKonstrukce huge = defaults;
    huge.Ao = {1e4000L, 1e4000L};
    TKonstrukce nan = defaults;
    nan.Polomer = NAN;
    for (const TKonstrukce& k : {TKonstrukce{}, huge, nan}) {
        const CharacteristicPoints c = ReadCharacteristicPoints(k);
        for (const auto* o : {&c.maxTorque, &c.maxOutput, &c.maxEfficiency, &c.maxPowerFactor, &c.maxInput})
            if (*o)
                ExpectFinite(**o, "characteristic point");
        for (int i = 1; i <= SlipCount; ++i)
            ExpectFinite(c.operating[i], "row");
        for (long double s : {0.0L, 0.5L, 1.0L, 1e30L, (long double)NAN})
            if (const auto o = OperatingPointAtSlip(k, s))
                ExpectFinite(*o, "at slip");
    }
    const CharacteristicPoints zero = ReadCharacteristicPoints(TKonstrukce{});
    EXPECT_FALSE(zero.maxTorque || zero.maxOutput || zero.maxEfficiency || zero.maxPowerFactor);
    EXPECT_FALSE(zero.operating[1].powerFactor || zero.operating[1].efficiency || zero.operating[1].output);

    // A∞: the line from Ao runs parallel to the slip line, so there is no slip; Ao itself has slip 0.
    const OperatingPoint infinite = OperatingPointAt(defaults, defaults.AInf);
    EXPECT_FALSE(infinite.slip || infinite.omega);
    EXPECT_NEAR(Get(infinite.torque), 0, 1e-12L);
    const std::optional<OperatingPoint> start = OperatingPointAtSlip(defaults, 0);
    ASSERT_TRUE(start);
    EXPECT_EQ(start->point.x, defaults.Ao.x);
    EXPECT_EQ(Get(start->slip), 0);
    EXPECT_EQ(Get(start->omega), defaults.OmegaSynchr);
    EXPECT_EQ(Get(OperatingPointAt(defaults, defaults.Ao).slip), 0);
}

} // namespace
