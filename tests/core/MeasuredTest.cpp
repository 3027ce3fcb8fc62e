// The conversion of measured readings: derived inputs against values worked out by hand, the errors in
// their order, the warnings, and that a motor entered as readings gives the input dialog's record.
#include <cmath>
#include <random>
#include <vector>

#include <gtest/gtest.h>

#include "Measured.h"
#include "RandomMotors.h"
#include "RecordBits.h"

namespace {

// A three-phase star motor at 50 Hz, 2p = 4, R1 per phase; each case changes what it names.
MeasuredReadings Star400()
{
    return {"400", "star", "50", "4", "3", "400", "10", "1000", "100", "20", "1200", "0,5", "phase", ""};
}

using Edit = std::pair<std::string MeasuredReadings::*, const char*>;

MeasuredReadings Edited(std::initializer_list<Edit> edits)
{
    MeasuredReadings r = Star400();
    for (const auto& [field, text] : edits)
        r.*field = text;
    return r;
}

class Measured : public ::testing::Test {
protected:
    void SetUp() override { DecimalSeparator = U','; }
    void TearDown() override { DecimalSeparator = U'.'; }
};

TEST_F(Measured, DerivesTheInputsAsWorkedOutByHand)
{
    using R = MeasuredReadings;
    const struct {
        const char* name;
        MeasuredReadings readings;
        long double i0, cos0, ik, cosk, uf, r1f, speed;
    } cases[] = {
        {"star: U/√3, I as measured", Star400(), 10, 0.144337567297406L, 80, 0.346410161513775L, 230.940107675850L,
         0.5L, 1500},
        {"delta, 60 Hz, R between terminals times 1,1",
         {"415", "delta", "60", "14", "3", "415", "21", "1250", "100", "45", "2730", "0,4", "terminals", "1,1"},
         12.1243556529821L,
         0.0828098492813577L,
         107.820162771163L,
         0.350259163308373L,
         415,
         0.66L,
         514.285714285714L},
        {"one phase ignores the connection; R between terminals is R",
         {"230", "?", "50", "2", "1", "230", "3", "150", "60", "8", "300", "2", "terminals", ""},
         3,
         0.217391304347826L,
         30.6666666666667L,
         0.625L,
         230,
         2,
         3000},
        {"star, R between terminals halved", Edited({{&R::r1, "1"}, {&R::r1kind, "terminals"}}), 10, 0.144337567297406L,
         80, 0.346410161513775L, 230.940107675850L, 0.5L, 1500},
        {"share of the rotor: R1f = Rf (1 − q)",
         {"200", "star", "50", "18", "3", "200", "5", "350", "100", "26", "1700", "0,5", "share", "3"},
         5,
         0.202072594216369L,
         52,
         0.377498252931678L,
         115.470053837925L,
         0.419132149901381L,
         333.333L},
        {"60 Hz, 2p = 4", Edited({{&R::f, "60"}}), 10, 0.144337567297406L, 80, 0.346410161513775L, 230.940107675850L,
         0.5L, 1800},
    };
    for (const auto& c : cases) {
        const MeasuredConversion m = ConvertReadings(c.readings);
        ASSERT_FALSE(m.error) << c.name << ": " << m.error->message;
        const DerivedInputs& d = m.derived;
        const std::pair<std::optional<long double>, long double> values[] = {
            {d.PrNapr, c.i0},       {d.UcNapr, c.cos0}, {d.PrNakr, c.ik},         {d.UcNakr, c.cosk},
            {d.FazoveNapeti, c.uf}, {d.R1f, c.r1f},     {d.SynchrOtacky, c.speed}};
        for (const auto& [actual, expected] : values) {
            ASSERT_TRUE(actual) << c.name;
            EXPECT_NEAR(*actual / expected, 1, 1e-13L) << c.name << ": " << static_cast<double>(*actual);
        }
    }
    // The speed table's own values at 50 Hz, 7200 / 2p exactly rounded at 60 Hz.
    EXPECT_EQ(*ConvertReadings(Edited({{&MeasuredReadings::poles, "14"}})).derived.SynchrOtacky, 428.5L);
    EXPECT_EQ(
        *ConvertReadings(Edited({{&MeasuredReadings::f, "60"}, {&MeasuredReadings::poles, "14"}})).derived.SynchrOtacky,
        7200.0L / 14);
}

TEST_F(Measured, RefusesInTheFixedOrderNamingTheReading)
{
    using R = MeasuredReadings;
    const struct {
        const char* name;
        MeasuredReadings readings;
        const char* message;
        Reading field;
    } cases[] = {
        {"no number", Edited({{&R::i0, "1.5"}}), "Proud naprázdno: '1.5' is not a valid floating point value",
         Reading::I0},
        {"a text before a zero", Edited({{&R::un, "0"}, {&R::pk, "x"}}),
         "Příkon nakrátko: 'x' is not a valid floating point value", Reading::Pk},
        {"zero", Edited({{&R::p0, "0"}}), "Příkon naprázdno musí být větší než nula.", Reading::P0},
        {"share of 1", Edited({{&R::r1, "1"}, {&R::r1kind, "share"}}),
         "Podíl rotoru na ztrátách nakrátko musí ležet mezi 0 a 1.", Reading::R1},
        {"no-load watts above m·U·I", Edited({{&R::p0, "7000"}}),
         "Příkon naprázdno je větší než m · U · I. Je-li to účiník, zadejte jej jako „Účiník naprázdno“.", Reading::P0},
        {"locked-rotor watts above m·U·I", Edited({{&R::pk, "3465"}}),
         "Příkon nakrátko je větší než m · U · I. Je-li to účiník, zadejte jej jako „Účiník nakrátko“.", Reading::Pk},
        {"phase current below range",
         {"230", "", "50", "4", "1", "230", "0,0008", "0,03", "50", "4", "150", "1", "phase", ""},
         "Proud naprázdno 0,000800 A (na fázi) je mimo rozsah 0,001 až 100000 A.",
         Reading::I0},
        {"a value just below the bound shows its digits",
         {"230", "", "50", "4", "1", "230", "0,000999", "0,03", "50", "4", "150", "1", "phase", ""},
         "Proud naprázdno 0,000999 A (na fázi) je mimo rozsah 0,001 až 100000 A.",
         Reading::I0},
        {"phase voltage below range",
         Edited({{&R::un, "1,5"}, {&R::u0, "1,5"}, {&R::p0, "4"}, {&R::uk, "1"}, {&R::pk, "12"}}),
         "Fázové napětí 0,866 V je mimo rozsah 1 až 30000 V.", Reading::Un},
        {"R1f below range", Edited({{&R::r1, "0,04"}}), "Odpor R1f 0,0400 Ω je mimo rozsah 0,05 až 100 Ω.",
         Reading::R1},
        {"R1f not below Rf", Edited({{&R::r1, "1,2"}}), "Odpor R1f 1,2000 Ω není menší než odpor nakrátko Rf 1,0000 Ω.",
         Reading::R1},
        {"acceptance: Ik not above I0", Edited({{&R::ik, "2"}, {&R::pk, "120"}}), "Chybné zadání proudu nakrátko.",
         Reading::Ik},
        {"acceptance: cos φk not above cos φ0", Edited({{&R::pk, "300"}, {&R::r1, "0,1"}}),
         "cos φk 0,09 musí být větší než cos φ0 0,14.", Reading::Pk},
        {"huge readings overflow into the range check", Edited({{&R::ik, "1e4000"}, {&R::un, "1e4000"}}),
         "Proud nakrátko při jmenovitém napětí +Inf A (na fázi) je mimo rozsah 0,001 až 100000 A.", Reading::Ik},
    };
    const TKonstrukce before = [] {
        TKonstrukce k{};
        EXPECT_FALSE(AcceptMeasured(Star400(), k).rejection);
        return k;
    }();
    for (const auto& c : cases) {
        TKonstrukce k = before;
        const MeasuredOutcome o = AcceptMeasured(c.readings, k);
        ASSERT_TRUE(o.rejection) << c.name;
        EXPECT_EQ(o.rejection->message, c.message) << c.name;
        EXPECT_EQ(o.rejection->field, c.field) << c.name;
        EXPECT_TRUE(SameBits(k, before)) << c.name << ": the record changed";
    }
}

TEST_F(Measured, ChoicesWrittenWrongAreNamed)
{
    using R = MeasuredReadings;
    const std::pair<MeasuredReadings, const char*> cases[] = {
        {Edited({{&R::connection, "wye"}}), "spojení musí být star nebo delta, ne 'wye'"},
        {Edited({{&R::f, "55"}}), "kmitočet musí být 50 nebo 60, ne '55'"},
        {Edited({{&R::poles, "04"}}), "počet pólů musí být sudé číslo od 2 do 20, ne '04'"},
        {Edited({{&R::phases, "2"}}), "počet fází musí být 1 nebo 3, ne '2'"},
        {Edited({{&R::r1kind, "ohm"}}), "druh odporu musí být phase, terminals, share, pair nebo ratio, ne 'ohm'"},
        {Edited({{&R::pf0, "0,2"}}), "Zadejte jen jedno z: Příkon naprázdno, Účiník naprázdno."},
        {Edited({{&R::pfk, "0,2"}}), "Zadejte jen jedno z: Příkon nakrátko, Účiník nakrátko."},
        {Edited({{&R::r2, "0,5"}}), "Odpor rotoru a převod patří jen k dvojici odporů R1 a R2' (druh pair)."},
        {Edited({{&R::r1kind, "pair"}, {&R::turns, "2"}}), "Převod a patří jen k odporu rotoru R2."},
    };
    for (const auto& [readings, message] : cases) {
        const std::optional<MeasuredRejection> e = ChoiceError(readings);
        ASSERT_TRUE(e) << message;
        EXPECT_EQ(e->message, message);
    }
    EXPECT_FALSE(ChoiceError(Edited({{&R::connection, "wye"}, {&R::phases, "1"}})));
}

TEST_F(Measured, WarnsWithoutRefusing)
{
    using R = MeasuredReadings;
    const std::pair<MeasuredReadings, std::vector<std::string>> cases[] = {
        {Star400(), {}},
        {Edited({{&R::u0, "380"}}), {}}, // 5 % exactly
        {Edited({{&R::u0, "379"}}),
         {"Napětí naprázdno se od jmenovitého liší o více než 5 %; proud naprázdno je použit tak, jak byl naměřen."}},
        {Edited({{&R::ik, "7"}, {&R::pk, "420"}}),
         {"Proud nakrátko přepočtený na jmenovité napětí 28,00 A je menší než trojnásobek proudu naprázdno 10,00 A."}},
        {Edited({{&R::p0, "4000"}, {&R::pk, "3000"}}), {"Účiník naprázdno 0,577 je větší než 0,5."}},
        {Edited({{&R::uk, "401"}, {&R::ik, "81"}, {&R::pk, "19700"}}),
         {"Napětí nakrátko je vyšší než jmenovité napětí."}},
        {Edited({{&R::poles, ""}}),
         {"Počet pólů nezadán: momenty v N·m platí pro 2p = 8 (750 1/min); synchronní watty platí vždy."}},
        {Edited({{&R::poles, ""}, {&R::f, "60"}}),
         {"Počet pólů nezadán: momenty v N·m platí pro 2p = 8 (900 1/min); synchronní watty platí vždy."}},
    };
    for (const auto& [readings, warnings] : cases) {
        TKonstrukce k{};
        const MeasuredOutcome o = AcceptMeasured(readings, k);
        EXPECT_FALSE(o.rejection) << o.rejection->message;
        EXPECT_EQ(o.conversion.warnings, warnings);
    }
}

// Power factors in place of watts and the resistances as books print them, against hand values:
// Star400 has Uf = 400/√3, Ik at rated voltage 80 A and Rf = Uf / Ik · cos φk = 1 Ω exactly enough.
TEST_F(Measured, BookFormsConvertAsWorkedOutByHand)
{
    using R = MeasuredReadings;
    const char* const pairOff =
        "Součet R1 + R2' 0,8000 Ω se od odporu nakrátko Rf 1,0000 Ω liší o více než 10 %; použit je poměr R1 : R2'.";
    const struct {
        const char* name;
        MeasuredReadings readings;
        long double cos0, cosk, r1f;
        std::optional<long double> turns;
        std::vector<std::string> warnings;
    } cases[] = {
        {"both power factors",
         Edited({{&R::p0, ""}, {&R::pf0, "0,2"}, {&R::pk, ""}, {&R::pfk, "0,35"}}),
         0.2L,
         0.35L,
         0.5L,
         std::nullopt,
         {}},
        {"pair keeps R1 : R2' though the sum is 0,8 Ω",
         Edited({{&R::r1, "0,3"}, {&R::r1kind, "pair"}, {&R::r2, "0,5"}}),
         0.144337567297406L,
         0.346410161513775L,
         0.375L,
         std::nullopt,
         {pairOff}},
        {"pair with R2 on the rotor's side: R2' = 2² · 0,125",
         Edited({{&R::r1, "0,45"}, {&R::r1kind, "pair"}, {&R::r2, "0,125"}, {&R::turns, "2"}}),
         0.144337567297406L,
         0.346410161513775L,
         0.473684210526316L,
         2,
         {}},
        {"pair and factor: the ratio stays, the sum is 1,05 Ω",
         Edited({{&R::r1, "0,5"}, {&R::r1kind, "pair"}, {&R::r2, "0,5"}, {&R::r1factor, "1,05"}}),
         0.144337567297406L,
         0.346410161513775L,
         0.5L,
         std::nullopt,
         {}},
        {"rotor : stator 1,5 is q = 0,6",
         Edited({{&R::r1, "1,5"}, {&R::r1kind, "ratio"}}),
         0.144337567297406L,
         0.346410161513775L,
         0.4L,
         std::nullopt,
         {}},
    };
    for (const auto& c : cases) {
        TKonstrukce k{};
        const MeasuredOutcome o = AcceptMeasured(c.readings, k);
        ASSERT_FALSE(o.rejection) << c.name << ": " << o.rejection->message;
        const DerivedInputs& d = o.conversion.derived;
        EXPECT_NEAR(*d.UcNapr / c.cos0, 1, 1e-13L) << c.name;
        EXPECT_NEAR(*d.UcNakr / c.cosk, 1, 1e-13L) << c.name;
        EXPECT_NEAR(*d.R1f / c.r1f, 1, 1e-13L) << c.name << ": " << static_cast<double>(*d.R1f);
        EXPECT_EQ(d.TurnsRatio, c.turns) << c.name;
        EXPECT_EQ(o.conversion.warnings, c.warnings) << c.name;
    }
}

// The measured form takes currents from 1 mA to 100 kA and phase voltages from 1 V to 30 kV: a 6 kV
// motor and a 0,2 kW laboratory motor; the input dialog's values refuse the same numbers as before.
TEST_F(Measured, WideRangesInTheMeasuredFormOnly)
{
    const struct {
        const char* name;
        MeasuredReadings readings;
        const char* partMessage; // the same six values through the input dialog's checks
    } cases[] = {
        {"6 kV, star",
         {"6000", "star", "50", "6", "3", "6000", "9", "21000", "1300", "60", "45000", "0,9", "phase", ""},
         "Chybné zadání fázového napětí."},
        {"0,2 kW laboratory motor, delta",
         {"400", "delta", "50", "4", "3", "400", "0,5", "60", "100", "1,2", "110", "18", "phase", ""},
         "Chybné zadání proudu naprázdno."},
        {"30 kV and 100 kA are the ends",
         {"30000", "", "50", "4", "1", "30000", "1000", "6000000", "3000", "10000", "15000000", "0,05", "phase", ""},
         "Chybné zadání proudu nakrátko."},
    };
    for (const auto& c : cases) {
        TKonstrukce k{};
        const MeasuredOutcome o = AcceptMeasured(c.readings, k);
        ASSERT_FALSE(o.rejection) << c.name << ": " << o.rejection->message;
        const DerivedInputs& d = o.conversion.derived;
        const MotorValues v{*d.PrNapr,       *d.UcNapr, *d.PrNakr,   *d.UcNakr,
                            *d.FazoveNapeti, *d.R1f,    d.Spotrebic, *d.SynchrOtacky};
        TKonstrukce part{};
        const std::optional<Rejection> r = AcceptValues(v, part);
        ASSERT_TRUE(r) << c.name;
        EXPECT_EQ(r->message, c.partMessage) << c.name;
        TKonstrukce wide{};
        EXPECT_FALSE(AcceptValues(v, wide, MeasuredLimits)) << c.name;
        EXPECT_GT(k.Polomer, 0) << c.name;
    }
}

// A value typed as the other kind of its test's third reading is refused naming that other kind.
TEST_F(Measured, PowerOrPowerFactorTypedAsTheOtherIsNamed)
{
    using R = MeasuredReadings;
    const struct {
        const char* name;
        MeasuredReadings readings;
        const char* message;
        Reading field;
        std::optional<Reading> other;
    } cases[] = {
        {"a power factor typed as watts", Edited({{&R::p0, "0,2"}}),
         "Účiník naprázdno 0,0000289 je mimo rozsah 0,01 až 0,99. Je-li to účiník, zadejte jej jako „Účiník "
         "naprázdno“.",
         Reading::P0, Reading::Pf0},
        {"watts typed as a power factor", Edited({{&R::pk, ""}, {&R::pfk, "1200"}}),
         "Účiník nakrátko 1200,000 je větší než 1. Je-li to příkon ve W, zadejte jej jako „Příkon nakrátko“.",
         Reading::Pfk, Reading::Pk},
        {"a power factor of 1 is out of range", Edited({{&R::p0, ""}, {&R::pf0, "1"}}),
         "Účiník naprázdno 1,000 je mimo rozsah 0,01 až 0,99.", Reading::Pf0, std::nullopt},
        {"neither power nor power factor", Edited({{&R::p0, ""}}),
         "Příkon naprázdno: '' is not a valid floating point value", Reading::P0, std::nullopt},
        {"acceptance names the power factor typed", Edited({{&R::pk, ""}, {&R::pfk, "0,1"}, {&R::r1, "0,1"}}),
         "cos φk 0,10 musí být větší než cos φ0 0,14.", Reading::Pfk, std::nullopt},
    };
    for (const auto& c : cases) {
        TKonstrukce k{};
        const MeasuredOutcome o = AcceptMeasured(c.readings, k);
        ASSERT_TRUE(o.rejection) << c.name;
        EXPECT_EQ(o.rejection->message, c.message) << c.name;
        EXPECT_EQ(o.rejection->field, c.field) << c.name;
        EXPECT_EQ(o.rejection->otherKind, c.other) << c.name;
    }
}

// The numeric entry is acceptance itself: seeded random motors give the same bits through either.
TEST_F(Measured, NumbersAcceptedAsTheTypedTextsAre)
{
    std::mt19937_64 random(20);
    for (int i = 0; i < 200; ++i) {
        const TypedInput z = random_motors::RandomMotor(random);
        TKonstrukce typed{}, numeric{};
        const std::optional<Rejection> byText = AcceptInput(z, typed);
        const MotorValues v{TextToNumber(z.PrNapr),
                            TextToNumber(z.UcNapr),
                            TextToNumber(z.PrNakr),
                            TextToNumber(z.UcNakr),
                            TextToNumber(z.FazoveNapeti),
                            TextToNumber(z.R1f),
                            PhaseTable[z.SpotrebicIndex].phases,
                            SpeedTable[z.SynchrOtackyIndex].speed};
        const std::optional<Rejection> byValue = AcceptValues(v, numeric);
        EXPECT_EQ(byText.has_value(), byValue.has_value()) << i;
        EXPECT_EQ(DifferingValue(typed, numeric), -1) << i;
    }
}

// One phase at 50 Hz with values whose products and quotients are exact in binary: the readings then
// derive the very numbers the input dialog's texts convert to, and the records agree bit for bit.
TEST_F(Measured, FiftyHertzReadingsGiveTheInputDialogsRecord)
{
    std::mt19937_64 random(50);
    auto pick = [&random](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    auto text = [](long double v) {
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.10Lf", v);
        std::string s = buffer;
        s[s.find('.')] = ',';
        return s;
    };
    int accepted = 0;
    for (int i = 0; i < 100; ++i) {
        const long double u = pick(200, 1000), i0 = pick(8, 800) / 8.0L, ik = pick(1000, 3200) / 8.0L;
        const long double cos0 = pick(1, 31) / 64.0L, cosk = pick(32, 63) / 64.0L, r1 = pick(4, 15) / 64.0L;
        const int speed = pick(0, SpeedCount - 1);
        const MeasuredReadings r{text(u),
                                 "",
                                 "50",
                                 std::to_string(SpeedTable[speed].poles),
                                 "1",
                                 text(u),
                                 text(i0),
                                 text(cos0 * u * i0),
                                 text(u),
                                 text(ik),
                                 text(cosk * u * ik),
                                 text(r1),
                                 "phase",
                                 ""};
        const TypedInput z{text(i0), text(cos0), text(ik), text(cosk), text(u), text(r1), 0, speed};
        TKonstrukce measured{}, typed{};
        const MeasuredOutcome o = AcceptMeasured(r, measured);
        const std::optional<Rejection> t = AcceptInput(z, typed);
        ASSERT_EQ(o.rejection.has_value(), t.has_value()) << i;
        EXPECT_EQ(DifferingValue(measured, typed), -1) << i;
        accepted += !t.has_value();
    }
    EXPECT_GT(accepted, 50);
}

} // namespace
