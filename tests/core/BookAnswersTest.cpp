// Both points of a torque and the rotor resistance for starting, over seeded random motors: each point
// lies on the circle with the asked torque and a slip in (0, 1]; the added resistance moves the point of
// slip s* to standstill (R21f / s* = (R21f + R') / 1) and that point has the asked torque; kg·m and
// synchronous watts say the same torque as N·m.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "BookAnswers.h"
#include "RandomMotors.h"

namespace {

constexpr long double Tight = 1e-9L;

void ExpectOnCircleWithTorque(const TKonstrukce& k, const PointValues& p, long double torque, int motor)
{
    const Point& x = p.values.point;
    const long double fromCentre = std::hypot(x.x - (k.Ao.x + k.Polomer), x.y - k.Ao.y);
    EXPECT_NEAR(fromCentre / k.Polomer, 1, Tight) << motor;
    ASSERT_TRUE(p.values.torque) << motor;
    EXPECT_NEAR(*p.values.torque, torque, Tight * std::max(1.0L, std::fabs(torque))) << motor;
    ASSERT_TRUE(p.values.slip) << motor;
    EXPECT_GT(*p.values.slip, 0) << motor;
    EXPECT_LE(*p.values.slip, 1 + Tight) << motor;
    // The same torque in the book's units.
    const BookTorque b = BookTorqueAt(p);
    EXPECT_NEAR(*b.kgm * NewtonMetresPerKgm, *p.values.torque, Tight * std::fabs(torque)) << motor;
    ASSERT_TRUE(b.synchronousWatts) << motor;
    // Pδ = m · Uf · h and M = MeritkoMomentu · h for the same ordinate h.
    EXPECT_NEAR(*b.synchronousWatts / (k.Spotrebic * k.FazoveNapeti) * k.MeritkoMomentu, *p.values.torque,
                Tight * std::max(1.0L, std::fabs(torque)))
        << motor;
}

TEST(BookAnswers, TorquePointsAndStartingResistanceOverRandomMotors)
{
    struct CommaSeparator { // the random motors are typed with a decimal comma
        CommaSeparator() { DecimalSeparator = U','; }
        ~CommaSeparator() { DecimalSeparator = U'.'; }
    } comma;
    std::mt19937_64 random(32);
    std::uniform_real_distribution<double> share(0.02, 0.98);
    int highPoints = 0, falling = 0, motors = 0;
    for (int i = 0; i < 3000; ++i) {
        TKonstrukce k{};
        if (AcceptInput(random_motors::RandomMotor(random), k))
            continue;
        ++motors;
        const CharacteristicPoints c = ReadCharacteristicPoints(k, OperatingRows::LastOnly);
        ASSERT_TRUE(c.maxTorque && c.maxTorque->torque && c.startingTorque) << i;
        // The arc's greatest torque: the maximum, or the starting torque where the maximum lies past Ak.
        const long double mz = *c.startingTorque;
        const long double mmax = SolveOperatingPoint(k, OperatingQuantity::Torque, 0).reachable.value().max;
        std::vector<long double> torques{mz * static_cast<long double>(share(random))};
        const bool falls = *c.maxTorque->slip < 1; // else the maximum lies past Ak: the arc's torque only rises
        falling += falls;
        if (falls)
            torques.push_back(mz + (mmax - mz) * static_cast<long double>(share(random)));
        for (const long double torque : torques) {
            const OperatingPointSolution low = SolveOperatingPoint(k, OperatingQuantity::Torque, torque);
            ASSERT_TRUE(low.point) << i;
            ExpectOnCircleWithTorque(k, *low.point, torque, i);
            const std::optional<PointValues> high = HighSlipTorquePoint(k, torque);
            EXPECT_EQ(high.has_value(), torque > mz && falls) << i;
            if (high) {
                ++highPoints;
                ExpectOnCircleWithTorque(k, *high, torque, i);
                EXPECT_GT(*high->values.slip, *low.point->values.slip) << i;
            }

            const StartingResistance r = ResistanceForStartingTorque(k, torque, 2.0L);
            ASSERT_TRUE(r.slip && r.added && r.addedRotorSide)
                << i << ": " << r.note << " M " << static_cast<double>(torque) << " Mz " << static_cast<double>(mz)
                << " Mmax " << static_cast<double>(mmax) << " smax " << static_cast<double>(*c.maxTorque->slip);
            EXPECT_EQ(*r.slip, *(high ? high : low.point)->values.slip) << i << ": the point nearest standstill";
            EXPECT_NEAR(k.R21f / *r.slip, (k.R21f + *r.added) / 1, Tight * k.R21f / *r.slip) << i;
            EXPECT_NEAR(*r.addedRotorSide * 4, *r.added, Tight * *r.added) << i;
            const std::optional<OperatingPoint> atSlip = OperatingPointAtSlip(k, *r.slip);
            ASSERT_TRUE(atSlip && atSlip->torque) << i;
            EXPECT_NEAR(*atSlip->torque, torque, 1e-7L * mmax) << i;
        }
        // Above the maximum: no point and no resistance, with the reason.
        EXPECT_FALSE(HighSlipTorquePoint(k, mmax * 1.01L)) << i;
        const StartingResistance over = ResistanceForStartingTorque(k, mmax * 1.01L, std::nullopt);
        EXPECT_FALSE(over.added) << i;
        EXPECT_EQ(over.note.rfind("Moment větší než maximální", 0), 0u) << over.note;

        const StartingResistance atMax = ResistanceForMaxTorqueAtStart(k, c, std::nullopt);
        ASSERT_TRUE(atMax.slip && atMax.added) << i;
        EXPECT_FALSE(atMax.addedRotorSide) << i;
        if (*atMax.slip >= 1) {
            EXPECT_EQ(*atMax.added, 0) << i;
            EXPECT_FALSE(atMax.note.empty()) << i;
        } else {
            EXPECT_NEAR(k.R21f / *atMax.slip, k.R21f + *atMax.added, Tight * k.R21f / *atMax.slip) << i;
        }
    }
    EXPECT_GT(motors, 200);
    EXPECT_EQ(highPoints, falling);
    EXPECT_GT(falling, motors / 4);
}

} // namespace
