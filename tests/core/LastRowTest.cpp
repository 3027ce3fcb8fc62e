// The construction a batch uses, with the last row of the characteristic alone, against the full one:
// the same outcome for every motor (typed or measured) and, when accepted, the same bits in every
// field but rows 1..19 and in every value a batch row prints.
#include <cmath>
#include <fstream>
#include <random>
#include <string>

#include <gtest/gtest.h>

#include "Characteristic.h"
#include "CheckedMath.h"
#include "GoldenRecords.h"
#include "Measured.h"
#include "RandomMotors.h"
#include "RecordBits.h"

namespace {

// What acceptance made of a motor: the record, or the text of the rejection or error.
struct Outcome {
    TKonstrukce k{};
    std::string failure; // empty when accepted
};

Outcome Accept(const TypedInput& z, ConstructionRows rows)
{
    Outcome o;
    try {
        if (const auto rejection = AcceptInPlace(z, o.k, rows))
            o.failure = "rejected: " + rejection->message;
    } catch (const OrbitekError& e) {
        o.failure = std::string("error: ") + e.what();
    }
    return o;
}

// Rows 1..19 cleared, the only fields the two constructions may differ in.
TKonstrukce WithoutSkippedRows(TKonstrukce k)
{
    for (SlipValues* row : {&k.SkluzX, &k.SkluzY, &k.KruzniceX, &k.KruzniceY, &k.MomentSkluzu, &k.OmegaSkluzu})
        for (int i = 1; i < SlipCount; ++i)
            (*row)[i] = 0;
    return k;
}

// Everything a batch row prints is read off these.
void ExpectSameCharacteristic(const TKonstrukce& full, const TKonstrukce& last, const std::string& name)
{
    const CharacteristicPoints a = ReadCharacteristicPoints(full, OperatingRows::LastOnly);
    const CharacteristicPoints b = ReadCharacteristicPoints(last, OperatingRows::LastOnly);
    auto bits = [](const std::optional<OperatingPoint>& o) {
        return o ? golden::Hex(o->point.x) + golden::Hex(o->point.y) + golden::Hex(o->torque.value_or(0)) +
                golden::Hex(o->output.value_or(0)) + golden::Hex(o->powerFactor.value_or(0)) +
                golden::Hex(o->efficiency.value_or(0)) + golden::Hex(o->slip.value_or(0))
                 : std::string("none");
    };
    EXPECT_EQ(bits(a.maxTorque), bits(b.maxTorque)) << name;
    EXPECT_EQ(bits(a.maxOutput), bits(b.maxOutput)) << name;
    EXPECT_EQ(bits(a.maxPowerFactor), bits(b.maxPowerFactor)) << name;
    EXPECT_EQ(bits(a.maxEfficiency), bits(b.maxEfficiency)) << name;
    EXPECT_EQ(golden::Hex(a.startingTorque.value_or(0)), golden::Hex(b.startingTorque.value_or(0))) << name;

    // What the batch prints, read alone off the last row's record, against the whole reading of the
    // full record; an empty value must stay empty.
    const CharacteristicPoints whole = ReadCharacteristicPoints(full);
    const PrintedCharacteristic printed = ReadPrintedCharacteristic(last);
    auto value = [](const OptionalValue& v) { return v ? golden::Hex(*v) : std::string("none"); };
    auto at = [&value](const std::optional<OperatingPoint>& o, OptionalValue OperatingPoint::*v) {
        return o ? value((*o).*v) : std::string("none");
    };
    EXPECT_EQ(value(printed.maxTorque), at(whole.maxTorque, &OperatingPoint::torque)) << name;
    EXPECT_EQ(value(printed.maxTorqueSlip), at(whole.maxTorque, &OperatingPoint::slip)) << name;
    EXPECT_EQ(value(printed.startingTorque), value(whole.startingTorque)) << name;
    EXPECT_EQ(value(printed.maxOutput), at(whole.maxOutput, &OperatingPoint::output)) << name;
    EXPECT_EQ(value(printed.maxPowerFactor), at(whole.maxPowerFactor, &OperatingPoint::powerFactor)) << name;
    EXPECT_EQ(value(printed.maxEfficiency), at(whole.maxEfficiency, &OperatingPoint::efficiency)) << name;
}

void ExpectSameAsFull(const TypedInput& z, const std::string& name)
{
    const Outcome full = Accept(z, ConstructionRows::All);
    const Outcome last = Accept(z, ConstructionRows::LastOnly);
    ASSERT_EQ(full.failure, last.failure) << name;
    if (!full.failure.empty())
        return;
    EXPECT_EQ(DifferingValue(WithoutSkippedRows(full.k), WithoutSkippedRows(last.k)), -1) << name;
    ExpectSameCharacteristic(full.k, last.k, name);
}

TEST(LastRowConstruction, GoldenMotorsGiveTheFullConstructionsBits)
{
    std::ifstream file(GOLDEN_RECORDS);
    ASSERT_TRUE(file) << GOLDEN_RECORDS;
    struct CommaSeparator {
        char32_t saved = DecimalSeparator;
        CommaSeparator() { DecimalSeparator = U','; }
        ~CommaSeparator() { DecimalSeparator = saved; }
    } comma;
    int motors = 0;
    for (std::string line; std::getline(file, line);) {
        if (line.rfind("motor\t", 0) != 0)
            continue;
        std::vector<std::string> f;
        for (std::size_t start = 0, tab = 0; tab != std::string::npos; start = tab + 1)
            f.push_back(line.substr(start, (tab = line.find('\t', start)) - start));
        ASSERT_EQ(f.size(), 9u) << line;
        ExpectSameAsFull({f[1], f[2], f[3], f[4], f[5], f[6], std::stoi(f[7]), std::stoi(f[8])}, line);
        ++motors;
    }
    EXPECT_GE(motors, 200);
}

// Seeded motors over the accepted ranges, and steep ones near the edge of acceptance, where the lines
// from Ao to the first division points are nearly vertical and the full rows are computed after all.
TEST(LastRowConstruction, SeededMotorsGiveTheSameOutcomeAndBits)
{
    struct CommaSeparator {
        char32_t saved = DecimalSeparator;
        CommaSeparator() { DecimalSeparator = U','; }
        ~CommaSeparator() { DecimalSeparator = saved; }
    } comma;
    std::mt19937_64 random(20261208);
    for (int i = 0; i < 20000; ++i)
        ExpectSameAsFull(random_motors::RandomMotor(random), "random motor " + std::to_string(i));

    // cos φk just above cos φ0 and Ik just big enough to put Ak right of Ao: the steepest lines.
    std::uniform_int_distribution<int> cents(1, 98), thousandths(1, 400);
    for (int i = 0; i < 20000; ++i) {
        const int cos0 = cents(random);
        const int cosk = cos0 + 1;
        const double sin0 = std::sqrt(1 - cos0 * cos0 / 1e4), sink = std::sqrt(1 - cosk * cosk / 1e4);
        const double i0 = 1 + thousandths(random) / 4.0;
        const double ik = std::min(1000.0, i0 * sin0 / sink * (1.0101 + thousandths(random) / 1e5));
        const TypedInput z{random_motors::Text(static_cast<long long>(i0 * 1000), 3),
                           random_motors::Text(cos0, 2),
                           random_motors::Text(static_cast<long long>(ik * 1000), 3),
                           random_motors::Text(cosk, 2),
                           std::to_string(10 + thousandths(random) * 2),
                           random_motors::Text(50 + thousandths(random), 3),
                           i % 2,
                           i % SpeedCount};
        ExpectSameAsFull(z, "steep motor " + std::to_string(i));
    }
}

// Measured readings of every kind, most of them accepted, some refused by the conversion or by
// acceptance: the batch's last row alone must give the full construction's outcome and bits.
TEST(LastRowConstruction, SeededReadingsGiveTheSameOutcomeAndBits)
{
    struct CommaSeparator {
        char32_t saved = DecimalSeparator;
        CommaSeparator() { DecimalSeparator = U','; }
        ~CommaSeparator() { DecimalSeparator = saved; }
    } comma;
    std::mt19937_64 random(20261212);
    auto uniform = [&random](long long low, long long high) {
        return std::uniform_int_distribution<long long>(low, high)(random);
    };
    const char* const kinds[] = {choice::PerPhase, choice::Terminals, choice::Share};
    int accepted = 0;
    for (int i = 0; i < 5000; ++i) {
        const long long un = uniform(100, 1000), i0 = uniform(1000, 40000); // mA
        MeasuredReadings r;
        r.un = std::to_string(un);
        r.connection = uniform(0, 1) ? choice::Star : choice::Delta;
        r.f = uniform(0, 1) ? choice::Hz50 : choice::Hz60;
        r.poles = std::to_string(2 * uniform(1, 10));
        r.phases = uniform(0, 1) ? "3" : "1";
        r.u0 = random_motors::Text(un * uniform(93, 107), 2);
        r.i0 = random_motors::Text(i0, 3);
        r.p0 = std::to_string(un * i0 / 1000 * uniform(5, 40) / 100 + 1);
        r.uk = random_motors::Text(un * uniform(15, 35), 2);
        r.ik = random_motors::Text(i0 * uniform(200, 600) / 1000, 2);
        r.pk = std::to_string(un * i0 / 1000 * uniform(100, 300) / 100 + 1);
        r.r1kind = kinds[uniform(0, 2)];
        r.r1 = r.r1kind == choice::Share ? random_motors::Text(uniform(30, 70), 2)
                                         : random_motors::Text(uniform(50, 20000), 4);
        const std::string name = "readings " + std::to_string(i);
        TKonstrukce full{}, last{};
        const MeasuredOutcome a = AcceptMeasured(r, full, ConstructionRows::All);
        const MeasuredOutcome b = AcceptMeasured(r, last, ConstructionRows::LastOnly);
        ASSERT_EQ(a.rejection.has_value(), b.rejection.has_value()) << name;
        if (a.rejection) {
            EXPECT_EQ(a.rejection->message, b.rejection->message) << name;
            continue;
        }
        ++accepted;
        EXPECT_EQ(DifferingValue(WithoutSkippedRows(full), WithoutSkippedRows(last)), -1) << name;
        ExpectSameCharacteristic(full, last, name);
    }
    EXPECT_GT(accepted, 500);
}

// The no-load and short-circuit points take sin φ and cos φ from a cache keyed by the power factor:
// after any sequence of power factors, colliding ones included, each point must be the formula's own
// bits, and a value outside the cached range must still be computed.
TEST(LastRowConstruction, RememberedAnglesGiveTheFormulasBits)
{
    std::mt19937_64 random(35);
    std::uniform_int_distribution<int> thousandths(-200, 1200);
    for (int i = 0; i < 20000; ++i) {
        const long double pf = thousandths(random) / 1000.0L;
        const long double current = 1 + thousandths(random) / 7.0L;
        const long double phi = fpcheck::Atan2Extended(sqrtl(1.0L - pf * pf), pf);
        const long double x = current * sinl(phi), y = current * cosl(phi);
        Point p{};
        const fpcheck::FaultScope faultScope; // the flags of one case are not the next one's
        try {
            CurrentPoint(p, current, pf);
        } catch (const EMathError&) {
            EXPECT_TRUE(std::isnan(x)) << "power factor " << static_cast<double>(pf);
            continue;
        }
        EXPECT_EQ(golden::Hex(p.x) + golden::Hex(p.y), golden::Hex(x) + golden::Hex(y))
            << "power factor " << static_cast<double>(pf);
    }
}

// Records acceptance would not pass, with Ak within a hair of Ao's abscissa: a skipped row's
// discriminant rounds below zero, which the last row alone would never show, or a row divides by zero.
// The outcome and the bits must still be the full construction's.
TEST(LastRowConstruction, CraftedRecordsFaultAsTheFullConstructionDoes)
{
    const struct {
        const char* name;
        long double i0, cos0, ik, cosk, uf, r1, speed;
        const char* fault;
    } cases[] = {
        {"a steep first row, Ak a hair left of Ao", 789.862317536977116106L, 0.224984663773594439906L,
         790.641949534721367787L, 0.229104614698348792268L, 298.946013921950282111L, 0.0695283715481561802435L, 750,
         "Invalid floating point operation"},
        {"a steep first row, Ak a hair right of Ao", 774.903470409777924033L, 0.879996164081596532469L,
         808.022891290219389515L, 0.890228203549592705978L, 21.2620892556489735625L, 0.00336705180733751775568L, 750,
         "Invalid floating point operation"},
        {"zero speed: every row divides by it", 15, 0.11L, 177, 0.41L, 220, 0.25L, 0,
         "Floating point division by zero"},
        {"the defaults", 15, 0.11L, 177, 0.41L, 220, 0.25L, 750, ""},
        {"Ak left of Ao", 100, 0.3L, 177, 0.41L, 220, 0.05L, 3000, ""},
    };
    for (const auto& c : cases) {
        TKonstrukce base{};
        base.PrNapr = c.i0, base.UcNapr = c.cos0, base.PrNakr = c.ik, base.UcNakr = c.cosk;
        base.FazoveNapeti = c.uf, base.R1f = c.r1, base.Spotrebic = 3, base.SynchrOtacky = c.speed;
        base.Rf = base.FazoveNapeti / base.PrNakr * base.UcNakr;
        base.R21f = base.Rf - base.R1f;
        ComputeTestPoints(base);
        auto run = [&base](ConstructionRows rows, TKonstrukce& k) -> std::string {
            k = base;
            try {
                CompleteConstruction(k, rows);
                return "";
            } catch (const EMathError& e) {
                return e.what();
            }
        };
        TKonstrukce full, last;
        EXPECT_EQ(run(ConstructionRows::All, full), c.fault) << c.name;
        EXPECT_EQ(run(ConstructionRows::LastOnly, last), c.fault) << c.name;
        if (*c.fault == '\0') {
            EXPECT_EQ(DifferingValue(WithoutSkippedRows(full), WithoutSkippedRows(last)), -1) << c.name;
        }
    }
}

} // namespace
