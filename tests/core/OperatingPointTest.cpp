// The operating point at a given value and the textbook torque line: against an independent 60-digit
// evaluation (golden/operating_points.py), and the properties every accepted motor must show.
#include <cmath>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "GridTexts.h"
#include "OperatingPointSolver.h"
#include "RandomMotors.h"
#include "RecordBits.h"
#include "SpoctiKonstrukci.h"

namespace {

struct CommaSeparator {
    char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
    CommaSeparator() { DecimalSeparator = U',', ThousandSeparator = U' '; }
    ~CommaSeparator() { DecimalSeparator = decimal, ThousandSeparator = thousand; }
};

std::optional<TKonstrukce> Accepted(const TypedInput& z, TorqueLine line)
{
    const CommaSeparator comma;
    TKonstrukce k{};
    k.torqueLine = line;
    return AcceptInput(z, k) ? std::nullopt : std::optional(k);
}

constexpr long double Tight = 1e-12L;

// Within 1e-12 of the larger of 1 and the value, or of `scale` when one is given (powers: m · Uf · R).
void ExpectClose(const OptionalValue& actual, const std::string& expected, const std::string& what,
                 long double scale = 0)
{
    const long double e = std::strtold(expected.c_str(), nullptr);
    ASSERT_TRUE(actual) << what;
    EXPECT_LE(std::fabs(*actual - e), Tight * (scale > 0 ? scale : std::max(1.0L, std::fabs(e))))
        << what << ": " << *actual << " vs " << expected;
}

TEST(OperatingPoint, AgreesWithAnIndependentEvaluation)
{
    std::ifstream file(GOLDEN_OPERATING_POINTS);
    ASSERT_TRUE(file) << GOLDEN_OPERATING_POINTS;
    std::optional<TKonstrukce> k;
    std::string motor;
    int solved = 0, offArc = 0;
    for (std::string line; std::getline(file, line);) {
        std::vector<std::string> f;
        std::istringstream in(line);
        for (std::string field; std::getline(in, field, '\t');)
            f.push_back(field);
        if (f[0] == "motor") {
            motor = line;
            k = Accepted({f[1], f[2], f[3], f[4], f[5], f[6], std::stoi(f[7]), std::stoi(f[8])},
                         f[9] == "no-load" ? TorqueLine::NoLoadLine : TorqueLine::Axis);
            ASSERT_TRUE(k) << motor;
        } else if (f[0] == "points") {
            const long double values[] = {k->BodPomeru.y, k->AInf.x, k->AInf.y, k->PrimkaSkluzu.zacatek.y};
            for (int i = 0; i < 4; ++i)
                ExpectClose(values[i], f[1 + i], motor + " T, A∞, P: " + std::to_string(i));
        } else if (f[0] == "row") {
            const int i = std::stoi(f[1]);
            for (const auto& [value, text] : {std::pair{k->KruzniceX[i], f[2]}, std::pair{k->KruzniceY[i], f[3]},
                                              std::pair{k->MomentSkluzu[i], f[4]}})
                ExpectClose(value, text, motor + " row " + f[1]);
        } else if (f[0] == "solve") {
            const OperatingQuantity q = QuantityOfSymbol(f[1]).value();
            const std::string what = motor + " " + f[1] + "=" + f[2];
            const OperatingPointSolution s = SolveOperatingPoint(*k, q, std::strtold(f[2].c_str(), nullptr));
            const long double powers = k->Spotrebic * k->FazoveNapeti * k->Polomer;
            const bool power = q == OperatingQuantity::Output || q == OperatingQuantity::Input;
            ASSERT_TRUE(s.reachable) << what;
            ExpectClose(s.reachable->min, f[3], what + " min", power ? powers : 0);
            ExpectClose(s.reachable->max, f[4], what + " max", power ? powers : 0);
            EXPECT_EQ(s.point.has_value(), f[5] != "none") << what;
            if (!s.point || f[5] == "none") {
                offArc += !s.point;
                continue;
            }
            ++solved;
            const PointValues& p = *s.point;
            const OperatingPoint& o = p.values;
            // x, y, s, n, I, cos φ, P1, P2, η, M, ω, Pδ, ΔPCu2, ΔPCu1, ΔP0; the powers are marked.
            const std::pair<OptionalValue, bool> values[] = {
                {o.point.x, false},        {o.point.y, false},         {o.slip, false},     {p.speed, false},
                {o.current, false},        {o.powerFactor, false},     {o.input, true},     {o.output, true},
                {o.efficiency, false},     {o.torque, false},          {o.omega, false},    {p.airGapPower, true},
                {p.rotorCopperLoss, true}, {p.statorCopperLoss, true}, {p.noLoadLoss, true}};
            // Where the torque line lies below the no-load line the copper segments (12, 13) are no losses.
            const long double statorSegment = std::strtold(f.at(5 + 13).c_str(), nullptr);
            EXPECT_EQ(p.copperSplitUndetermined, statorSegment < -Tight * powers) << what;
            for (std::size_t i = 0; i < std::size(values); ++i) {
                if (p.copperSplitUndetermined && (i == 12 || i == 13)) {
                    EXPECT_FALSE(values[i].first) << what << " value " << i;
                } else {
                    ExpectClose(values[i].first, f.at(5 + i), what + " value " + std::to_string(i),
                                values[i].second ? powers : 0);
                }
            }
        }
    }
    EXPECT_GT(solved, 1000);
    EXPECT_GT(offArc, 500);
}

OptionalValue ValueOf(const PointValues& p, OperatingQuantity q)
{
    const OperatingPoint& o = p.values;
    const OptionalValue values[] = {o.output, o.torque, o.current, o.input, o.slip, p.speed};
    return values[static_cast<int>(q)];
}

// Solving for a value and reading the quantity back gives the value, at the smallest slip that has
// it; the segments add up; values beyond the range give no point but the same range; the ends.
TEST(OperatingPoint, EveryAcceptedMotorSolvesBothWays)
{
    std::mt19937_64 random(20261221);
    int torqueBeyondAk = 0, undetermined = 0;
    for (int n = 0; n < 300;) {
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
                long double previousSlip = -1;
                for (int step = 0; step <= 20; ++step) {
                    const long double value = r.min + (r.max - r.min) * step / 20;
                    const PointValues p = SolveOperatingPoint(*k, t.quantity, value).point.value();
                    const long double slip = p.values.slip.value();
                    EXPECT_NEAR(ValueOf(p, t.quantity).value(), value, Tight * unit) << t.symbol << "=" << value;
                    // Rising values on the stable side: the slip grows with them (falls for the speed).
                    EXPECT_TRUE(t.quantity == OperatingQuantity::Speed ? slip < previousSlip || step == 0
                                                                       : slip > previousSlip)
                        << t.symbol << "=" << value;
                    EXPECT_GE(slip, 0.0L);
                    EXPECT_LE(slip, 1 + Tight);
                    previousSlip = slip;
                    if (!p.copperSplitUndetermined) {
                        EXPECT_NEAR(p.values.output.value() + p.rotorCopperLoss.value() + p.statorCopperLoss.value() +
                                        p.noLoadLoss.value(),
                                    p.values.input.value(), Tight * mUf * k->Polomer);
                    }
                    undetermined += p.copperSplitUndetermined;
                    EXPECT_TRUE(line == TorqueLine::Axis || !p.copperSplitUndetermined);
                    // No loss printed below zero: the grid's power and loss cells (P1 … ΔP0) carry no minus
                    // sign, and an open split shows "—" with the note.
                    const WideGridRow row = WorkingPointRows({{t.quantity, value, {p, r}, false, std::nullopt}}).at(1);
                    for (std::size_t c = 6; c <= 13; ++c)
                        EXPECT_TRUE(row[c].find('-') == std::string::npos && row[c].find("−") == std::string::npos)
                            << t.symbol << "=" << value << " column " << c << ": " << row[c];
                    EXPECT_EQ(row[12] == "—", p.copperSplitUndetermined);
                    EXPECT_EQ(row[14], p.copperSplitUndetermined ? CopperSplitNote() : "");
                    EXPECT_NEAR(p.airGapPower.value() * k->MeritkoMomentu / mUf, p.values.torque.value(), Tight * unit);
                }
                for (long double off : {r.max + 1e-9L * unit, r.min - 1e-9L * unit, (long double)NAN}) {
                    const OperatingPointSolution s = SolveOperatingPoint(*k, t.quantity, off);
                    EXPECT_FALSE(s.point) << t.symbol << "=" << off;
                    EXPECT_EQ(s.reachable->max, r.max);
                }
            }
            // s = 0 is Ao itself; n = 0 is slip 1, the short-circuit point with the starting torque.
            EXPECT_EQ(SolveOperatingPoint(*k, OperatingQuantity::Slip, 0).point->values.point.x, k->Ao.x);
            const PointValues end = *SolveOperatingPoint(*k, OperatingQuantity::Speed, 0).point;
            EXPECT_EQ(end.values.slip.value(), 1);
            EXPECT_NEAR(end.values.point.x, k->Ak.x, Tight * k->Ak.x);
            EXPECT_NEAR(end.values.torque.value(), k->MomentSkluzu[SlipCount], 1e-9L * k->MomentSkluzu[SlipCount]);
        }
    }
    EXPECT_GT(torqueBeyondAk, 15) << "motors whose torque still rises at Ak";
    EXPECT_GT(undetermined, 100) << "points where the axis line lies below the no-load line";
}

// The smallest slips and the speeds just under synchronous are on the arc: each has its point, and the
// points come no farther from Ao as the slip shrinks, however close to zero (the chord from Ao is then all
// but the tangent, where the rounding of Ao's place on the circle once refused them).
TEST(OperatingPoint, TheSmallestSlipsAndSpeedsInRangeAreSolved)
{
    std::mt19937_64 random(20261208);
    for (int n = 0; n < 200;) {
        const TypedInput z = random_motors::RandomMotor(random);
        const std::optional<TKonstrukce> k = Accepted(z, n % 2 == 0 ? TorqueLine::Axis : TorqueLine::NoLoadLine);
        if (!k)
            continue;
        ++n;
        SCOPED_TRACE(z.PrNapr + " " + z.UcNapr + " " + z.PrNakr + " " + z.UcNakr + " " + z.FazoveNapeti + " " + z.R1f);
        const long double sync = k->SynchrOtacky;
        const long double slips[] = {
            1e-6L, 1e-9L, 1e-10L, 1e-12L, 1e-300L, 1e-4900L, std::numeric_limits<long double>::denorm_min()};
        const long double speeds[] = {sync * (1 - 1e-6L), sync - 1e-10L, std::nextafter(sync, 0.0L)};
        for (const OperatingQuantity q : {OperatingQuantity::Slip, OperatingQuantity::Speed}) {
            long double farthest = INFINITY;
            for (const long double value : q == OperatingQuantity::Slip
                     ? std::vector(std::begin(slips), std::end(slips))
                     : std::vector(std::begin(speeds), std::end(speeds))) {
                const OperatingPointSolution s = SolveOperatingPoint(*k, q, value);
                ASSERT_TRUE(s.point) << TextsOf(q).symbol << "=" << value << ": " << NoPointText(q, value, s);
                const Point x = s.point->values.point;
                const long double distance = std::hypot(x.x - k->Ao.x, x.y - k->Ao.y);
                EXPECT_LE(distance, farthest + Tight * k->Polomer) << TextsOf(q).symbol << "=" << value;
                farthest = distance;
            }
        }
    }
}

// The window switches the line on the motor it has: switching back gives the same bits.
TEST(OperatingPoint, SwitchingTheTorqueLineBackRestoresTheRecord)
{
    std::mt19937_64 random(20261221);
    for (int n = 0; n < 100;) {
        const std::optional<TKonstrukce> axis = Accepted(random_motors::RandomMotor(random), TorqueLine::Axis);
        if (!axis)
            continue;
        ++n;
        TKonstrukce k = *axis;
        k.torqueLine = TorqueLine::NoLoadLine;
        SpoctiKonstrukci(k);
        EXPECT_GT(k.BodPomeru.y, k.Ao.y) << "the textbook T always lies above Ao";
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
    EXPECT_EQ(NoPointText(OperatingQuantity::Output, 1, SolveOperatingPoint({}, OperatingQuantity::Output, 1)),
              "Diagram ještě není spočten.");
}

} // namespace
