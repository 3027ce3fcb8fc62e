// The load test's points: the text form, the conversion with the connection, and the deviations of a
// point the circuit itself predicts, which must vanish.
#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "LoadTest.h"

namespace {

struct CommaSeparator {
    char32_t decimal = DecimalSeparator;
    CommaSeparator() { DecimalSeparator = U','; }
    ~CommaSeparator() { DecimalSeparator = decimal; }
};

TKonstrukce DefaultMotor()
{
    TKonstrukce k{};
    EXPECT_FALSE(AcceptValues({15, 0.11L, 177, 0.41L, 220, 0.25L, 3, 750}, k));
    return k;
}

TEST(LoadTest, ParsesTheTextForm)
{
    const CommaSeparator comma;
    const struct {
        const char* text;
        bool valid;
        long double i;
        bool p2, torque;
    } cases[] = {
        {"400;10,5;5800;1440", true, 10.5L, false, false},
        {"400; 10,5 ;5800;1440;5000", true, 10.5L, true, false},
        {"400;10,5;5800;1440;;32", true, 10.5L, false, true},
        {"400;10,5;5800;1440;5000;32", true, 10.5L, true, true},
        {"400;10,5;5800", false, 0, false, false},
        {"400;10,5;5800;1440;", false, 0, false, false},
        {"400;;5800;1440", false, 0, false, false},
        {"400;10.5;5800;1440", false, 0, false, false},
        {"400;10,5;5800;1440;1;2;3", false, 0, false, false},
    };
    for (const auto& t : cases) {
        const ParsedLoadPoint p = ParseLoadPoint(t.text);
        ASSERT_EQ(p.readings.has_value(), t.valid) << t.text;
        EXPECT_EQ(p.error.empty(), t.valid) << t.text;
        if (!t.valid)
            continue;
        EXPECT_EQ(p.readings->i, t.i) << t.text;
        EXPECT_EQ(p.readings->p2.has_value(), t.p2) << t.text;
        EXPECT_EQ(p.readings->torque.has_value(), t.torque) << t.text;
        // Written back and read again, the same bits.
        const ParsedLoadPoint again = ParseLoadPoint(LoadPointText(*p.readings));
        ASSERT_TRUE(again.readings) << LoadPointText(*p.readings);
        EXPECT_EQ(again.readings->u, p.readings->u);
        EXPECT_EQ(again.readings->p2, p.readings->p2);
        EXPECT_EQ(again.readings->torque, p.readings->torque);
    }
}

TEST(LoadTest, ConvertsWithTheConnection)
{
    const TKonstrukce k = DefaultMotor();
    const struct {
        LoadConnection connection;
        long double u, i;
        long double phaseVoltage, phaseCurrent, powerFactor;
        bool off;
    } cases[] = {
        {LoadConnection::Star, 380, 30, 219.393102292057790513476536591L, 30, 0.759671406828454953301511553292L, false},
        {LoadConnection::Delta, 220, 52, 220, 30.0222139978605397544757365861L, 0.757015213098285530387869904504L,
         false},
        {LoadConnection::PerPhase, 200, 25, 200, 25, 1, true},
        {LoadConnection::PerPhase, 210, 25, 210, 25, 15000 / (3 * 210.0L * 25), false},
    };
    for (const auto& t : cases) {
        const LoadPointComparison c = CompareLoadPoint(k, std::nullopt, t.connection, {t.u, t.i, 15000, 720, {}, 200});
        ASSERT_TRUE(c.point) << c.error;
        EXPECT_NEAR(c.point->phaseVoltage, t.phaseVoltage, 1e-15L * t.phaseVoltage);
        EXPECT_NEAR(c.point->phaseCurrent, t.phaseCurrent, 1e-15L * t.phaseCurrent);
        EXPECT_NEAR(c.point->powerFactor, t.powerFactor, 1e-15L);
        EXPECT_NEAR(std::hypot(c.point->point.x, c.point->point.y), t.phaseCurrent, 1e-15L * t.phaseCurrent);
        EXPECT_EQ(c.point->offRatedVoltage, t.off);
        EXPECT_EQ(c.point->slip, 0.04L);
        EXPECT_NEAR(*c.point->output, 200 * 720 / 9.55L, 1e-12L); // from the torque at the speed
        EXPECT_TRUE(c.circle);
        EXPECT_FALSE(c.circuit);
    }
    for (const LoadPointReadings& bad :
         {LoadPointReadings{380, 30, 15000, 751, {}, {}}, LoadPointReadings{380, 30, 20000, 720, {}, {}},
          LoadPointReadings{380, 0, 15000, 720, {}, {}}}) {
        const LoadPointComparison c = CompareLoadPoint(k, std::nullopt, LoadConnection::Star, bad);
        EXPECT_FALSE(c.point);
        EXPECT_FALSE(c.error.empty());
    }
}

// A point measured exactly as the circuit predicts it deviates from the circuit by rounding alone. With
// no friction and windage, the circuit's air-gap torque is the shaft's.
TEST(LoadTest, ThePointOfTheCircuitItselfDoesNotDeviate)
{
    const TKonstrukce k = DefaultMotor();
    const std::optional<Circuit> circuit = BuildCircuit(k, {0.4L, 0}).circuit;
    ASSERT_TRUE(circuit);
    for (const long double s : {0.01L, 0.04L, 0.3L}) {
        const CircuitPoint p = CircuitAtSlip(*circuit, s);
        const LoadPointReadings r{
            220 * 1.732050807568877293527446341505872366943L, p.current, p.input, (1 - s) * 750, p.output, {}};
        const LoadPointComparison c = CompareLoadPoint(k, circuit, LoadConnection::Star, r);
        ASSERT_TRUE(c.point && c.circuit && c.circle);
        const LoadPoint& m = *c.point;
        for (const auto& [predicted, measured] :
             {std::pair{c.circuit->current, OptionalValue(m.phaseCurrent)},
              std::pair{c.circuit->powerFactor, OptionalValue(m.powerFactor)},
              std::pair{c.circuit->input, OptionalValue(r.p1)}, std::pair{c.circuit->output, m.output},
              std::pair{c.circuit->efficiency, m.efficiency}, std::pair{c.circuit->torque, m.torque}}) {
            const OptionalValue d = DeviationPercent(predicted, measured);
            ASSERT_TRUE(d);
            EXPECT_LT(std::fabs(*d), 1e-10L) << static_cast<double>(s);
        }
        // The circle is another model: it differs, but by per cents, not by orders.
        const OptionalValue circleCurrent = DeviationPercent(c.circle->current, m.phaseCurrent);
        ASSERT_TRUE(circleCurrent);
        EXPECT_LT(std::fabs(*circleCurrent), 20);
    }
    EXPECT_FALSE(DeviationPercent(1, 0));
    EXPECT_EQ(*DeviationPercent(110, 100), 10);
}

} // namespace
