// The operating point at a given value and the textbook torque line: against an independent 60-digit
// evaluation (golden/operating_points.py), and the properties every accepted motor must show.
#include <cmath>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "OperatingPointSolver.h"
#include "RandomMotors.h"
#include "RecordBits.h"
#include "SpoctiKonstrukci.h"

namespace {

struct CommaSeparator {
    char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    CommaSeparator()
    {
        DecimalSeparator = U',';
        ThousandSeparator = U' ';
    }
    ~CommaSeparator()
    {
        DecimalSeparator = decimal;
        ThousandSeparator = thousand;
    }
};

std::optional<TKonstrukce> Accepted(const TypedInput& z, TorqueLine line)
{
    const CommaSeparator comma;
    TKonstrukce k{};
    k.torqueLine = line;
    if (AcceptInput(z, k))
        return std::nullopt;
    return k;
}

constexpr long double Tight = 1e-12L;

// Within 1e-12 of the larger of 1 and the value, or of `scale` when one is given (powers: m · Uf · R).
void ExpectClose(long double actual, long double expected, const std::string& what, long double scale = 0)
{
    const long double unit = scale > 0 ? scale : std::max(1.0L, std::fabs(expected));
    EXPECT_LE(std::fabs(actual - expected), Tight * unit) << what << ": " << actual << " vs " << expected;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string s; std::getline(in, s, '\t');)
        f.push_back(s);
    return f;
}

long double Number(const std::string& text)
{
    return std::strtold(text.c_str(), nullptr);
}

long double RecordValue(const TKonstrukce& k, const std::string& name)
{
    if (name == "BodPomeru.y")
        return k.BodPomeru.y;
    if (name == "AInf.x")
        return k.AInf.x;
    if (name == "AInf.y")
        return k.AInf.y;
    if (name == "PrimkaSkluzu.zacatek.y")
        return k.PrimkaSkluzu.zacatek.y;
    const int i = std::stoi(name.substr(name.find('[') + 1));
    const std::string array = name.substr(0, name.find('['));
    return array == "KruzniceX" ? k.KruzniceX[i] : array == "KruzniceY" ? k.KruzniceY[i] : k.MomentSkluzu[i];
}

TEST(OperatingPoint, AgreesWithAnIndependentEvaluation)
{
    std::ifstream file(GOLDEN_OPERATING_POINTS);
    ASSERT_TRUE(file) << GOLDEN_OPERATING_POINTS;
    std::optional<TKonstrukce> k;
    std::string motor;
    int solved = 0, offArc = 0;
    for (std::string line; std::getline(file, line);) {
        const std::vector<std::string> f = Fields(line);
        if (f[0] == "motor") {
            ASSERT_EQ(f.size(), 10u) << line;
            motor = line;
            k = Accepted({f[1], f[2], f[3], f[4], f[5], f[6], std::stoi(f[7]), std::stoi(f[8])},
                         f[9] == "no-load" ? TorqueLine::NoLoadLine : TorqueLine::Axis);
            ASSERT_TRUE(k) << motor;
            continue;
        }
        if (f[0] == "record") {
            ExpectClose(RecordValue(*k, f[1]), Number(f[2]), motor + " " + f[1]);
            continue;
        }
        if (f[0] != "solve")
            continue;
        const std::optional<OperatingQuantity> q = QuantityOfSymbol(f[1]);
        ASSERT_TRUE(q) << line;
        const std::string what = motor + " " + f[1] + "=" + f[2];
        const OperatingPointSolution s = SolveOperatingPoint(*k, *q, Number(f[2]));
        const long double powers = k->Spotrebic * k->FazoveNapeti * k->Polomer;
        const bool power = *q == OperatingQuantity::Output || *q == OperatingQuantity::Input;
        ASSERT_TRUE(s.reachable) << what;
        ExpectClose(s.reachable->min, Number(f[3]), what + " min", power ? powers : 0);
        ExpectClose(s.reachable->max, Number(f[4]), what + " max", power ? powers : 0);
        if (f[5] == "none") {
            EXPECT_FALSE(s.point) << what;
            ++offArc;
            continue;
        }
        ASSERT_TRUE(s.point) << what;
        ASSERT_EQ(f.size(), 20u) << line;
        const PointValues& p = *s.point;
        const OperatingPoint& o = p.values;
        const struct {
            const char* name;
            OptionalValue value;
            bool power;
        } values[] = {
            {"x", o.point.x, false},
            {"y", o.point.y, false},
            {"slip", o.slip, false},
            {"speed", p.speed, false},
            {"current", o.current, false},
            {"power factor", o.powerFactor, false},
            {"input", o.input, true},
            {"output", o.output, true},
            {"efficiency", o.efficiency, false},
            {"torque", o.torque, false},
            {"omega", o.omega, false},
            {"air-gap power", p.airGapPower, true},
            {"rotor copper", p.rotorCopperLoss, true},
            {"stator copper", p.statorCopperLoss, true},
            {"no-load", p.noLoadLoss, true},
        };
        for (std::size_t i = 0; i < std::size(values); ++i) {
            ASSERT_TRUE(values[i].value) << what << " " << values[i].name;
            ExpectClose(*values[i].value, Number(f[5 + i]), what + " " + values[i].name, values[i].power ? powers : 0);
        }
        ++solved;
    }
    EXPECT_GT(solved, 1000);
    EXPECT_GT(offArc, 500);
}

constexpr int PropertyMotors = 300;
constexpr std::uint64_t PropertySeed = 20261221;

// Solving for a value and reading the quantity back gives the value, at the smallest slip that has
// it; the segments add up; values beyond the range give no point but the same range.
TEST(OperatingPoint, EveryAcceptedMotorSolvesBothWays)
{
    std::mt19937_64 random(PropertySeed);
    int torqueBeyondAk = 0;
    for (int n = 0; n < PropertyMotors;) {
        const TypedInput z = random_motors::RandomMotor(random);
        for (TorqueLine line : {TorqueLine::Axis, TorqueLine::NoLoadLine}) {
            const std::optional<TKonstrukce> k = Accepted(z, line);
            if (!k)
                break;
            n += line == TorqueLine::Axis;
            SCOPED_TRACE(z.PrNapr + " " + z.UcNapr + " " + z.PrNakr + " " + z.UcNakr + " " + z.FazoveNapeti + " " +
                         z.R1f + (line == TorqueLine::Axis ? " axis" : " no-load"));
            const long double mUf = k->Spotrebic * k->FazoveNapeti;
            for (const OperatingQuantityTexts& t : OperatingQuantities) {
                const QuantityRange r = SolveOperatingPoint(*k, t.quantity, 0).reachable.value();
                const long double unit = std::max({1.0L, std::fabs(r.max), mUf * k->Polomer});
                torqueBeyondAk += t.quantity == OperatingQuantity::Torque &&
                    SolveOperatingPoint(*k, t.quantity, r.max).point->values.point.x == k->Ak.x;
                for (int step = 0; step <= 20; ++step) {
                    const long double value = r.min + (r.max - r.min) * step / 20;
                    const OperatingPointSolution s = SolveOperatingPoint(*k, t.quantity, value);
                    ASSERT_TRUE(s.point) << t.symbol << "=" << value;
                    const PointValues& p = *s.point;
                    const OperatingPoint& o = p.values;
                    const long double slip = o.slip.value();
                    const OptionalValue back = t.quantity == OperatingQuantity::Speed ? p.speed
                        : t.quantity == OperatingQuantity::Slip                       ? o.slip
                        : t.quantity == OperatingQuantity::Output                     ? o.output
                        : t.quantity == OperatingQuantity::Torque                     ? o.torque
                        : t.quantity == OperatingQuantity::Current                    ? o.current
                                                                                      : o.input;
                    EXPECT_NEAR(back.value(), value, Tight * unit) << t.symbol << "=" << value;
                    EXPECT_GE(slip, -Tight);
                    EXPECT_LE(slip, 1 + Tight);
                    // No smaller slip reaches the value: the quantity rises up to the point.
                    if (step > 0 && step < 20 && t.quantity != OperatingQuantity::Slip &&
                        t.quantity != OperatingQuantity::Speed) {
                        const long double before = SolveOperatingPoint(*k, t.quantity, value - (r.max - r.min) / 40)
                                                       .point->values.slip.value();
                        EXPECT_LT(before, slip) << t.symbol << "=" << value;
                    }
                    EXPECT_NEAR(o.output.value() + p.rotorCopperLoss.value() + p.statorCopperLoss.value() +
                                    p.noLoadLoss.value(),
                                o.input.value(), Tight * mUf * k->Polomer);
                    EXPECT_NEAR(p.airGapPower.value() * k->MeritkoMomentu / mUf, o.torque.value(), Tight * unit);
                }
                for (long double off : {r.max + 1e-9L * unit, r.min - 1e-9L * unit, (long double)NAN}) {
                    const OperatingPointSolution s = SolveOperatingPoint(*k, t.quantity, off);
                    EXPECT_FALSE(s.point) << t.symbol << "=" << off;
                    EXPECT_EQ(s.reachable->max, r.max);
                }
            }
            // The ends: s = 0 is Ao itself, s = 1 the short-circuit point with the starting torque.
            const PointValues start = *SolveOperatingPoint(*k, OperatingQuantity::Slip, 0).point;
            EXPECT_EQ(start.values.point.x, k->Ao.x);
            EXPECT_EQ(start.speed.value(), k->SynchrOtacky);
            const PointValues end = *SolveOperatingPoint(*k, OperatingQuantity::Speed, 0).point;
            EXPECT_EQ(end.values.slip.value(), 1);
            EXPECT_NEAR(end.values.point.x, k->Ak.x, Tight * k->Ak.x);
            EXPECT_NEAR(end.values.torque.value(), k->MomentSkluzu[SlipCount], 1e-9L * k->MomentSkluzu[SlipCount]);
        }
    }
    EXPECT_GT(torqueBeyondAk, PropertyMotors / 20) << "motors whose torque still rises at Ak";
}

// The window switches the line on the motor it has: switching back gives the same bits.
TEST(OperatingPoint, SwitchingTheTorqueLineBackRestoresTheRecord)
{
    std::mt19937_64 random(PropertySeed);
    for (int n = 0; n < 100;) {
        const std::optional<TKonstrukce> axis = Accepted(random_motors::RandomMotor(random), TorqueLine::Axis);
        if (!axis)
            continue;
        ++n;
        TKonstrukce k = *axis;
        k.torqueLine = TorqueLine::NoLoadLine;
        SpoctiKonstrukci(k);
        EXPECT_GT(k.BodPomeru.y, k.Ao.y) << "the textbook T always lies above Ao";
        EXPECT_NE(DifferingValue(k, *axis), -1);
        k.torqueLine = TorqueLine::Axis;
        SpoctiKonstrukci(k);
        EXPECT_TRUE(SameBits(k, *axis));
    }
}

TEST(OperatingPoint, TextsSayWhyThereIsNoPoint)
{
    const CommaSeparator comma;
    const TKonstrukce k = *Accepted(DefaultInput(), TorqueLine::Axis);
    const struct {
        OperatingQuantity quantity;
        long double value;
        const char* text;
    } cases[] = {
        {OperatingQuantity::Output, 40000, "Výkon větší než maximální 37 419,1320 W."},
        {OperatingQuantity::Current, 10, "Proud menší než minimální 15,0000 A."},
        {OperatingQuantity::Slip, 1.5L, "Skluz větší než maximální 1,0000."},
        {OperatingQuantity::Speed, NAN, "Otáčky mimo rozsah 0,0000 až 750,0000 1/min."},
        {OperatingQuantity::Torque, 300, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NoPointText(c.quantity, c.value, SolveOperatingPoint(k, c.quantity, c.value)), c.text);
    EXPECT_EQ(
        NoPointText(OperatingQuantity::Output, 1, SolveOperatingPoint(TKonstrukce{}, OperatingQuantity::Output, 1)),
        "Diagram ještě není spočten.");
}

} // namespace
