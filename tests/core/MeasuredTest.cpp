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
        {"no-load watts above m·U·I", Edited({{&R::p0, "7000"}}), "Příkon naprázdno je větší než m · U · I.",
         Reading::P0},
        {"locked-rotor watts above m·U·I", Edited({{&R::pk, "3465"}}), "Příkon nakrátko je větší než m · U · I.",
         Reading::Pk},
        {"phase current below range",
         {"230", "", "50", "4", "1", "230", "0,8", "30", "50", "4", "150", "1", "phase", ""},
         "Proud naprázdno 0,80 A (na fázi) je mimo rozsah 1 až 1000 A.",
         Reading::I0},
        {"a value just below the bound shows its digits",
         {"230", "", "50", "4", "1", "230", "0,999", "30", "50", "4", "150", "1", "phase", ""},
         "Proud naprázdno 0,999 A (na fázi) je mimo rozsah 1 až 1000 A.",
         Reading::I0},
        {"phase voltage below range",
         Edited({{&R::un, "17"}, {&R::u0, "17"}, {&R::p0, "40"}, {&R::uk, "10"}, {&R::pk, "120"}}),
         "Fázové napětí 9,81 V je mimo rozsah 10 až 1000 V.", Reading::Un},
        {"R1f below range", Edited({{&R::r1, "0,04"}}), "Odpor R1f 0,0400 Ω je mimo rozsah 0,05 až 100 Ω.",
         Reading::R1},
        {"R1f not below Rf", Edited({{&R::r1, "1,2"}}), "Odpor R1f 1,2000 Ω není menší než odpor nakrátko Rf 1,0000 Ω.",
         Reading::R1},
        {"acceptance: Ik not above I0", Edited({{&R::ik, "2"}, {&R::pk, "120"}}), "Chybné zadání proudu nakrátko.",
         Reading::Ik},
        {"acceptance: cos φk not above cos φ0", Edited({{&R::pk, "300"}, {&R::r1, "0,1"}}),
         "cos φk 0,09 musí být větší než cos φ0 0,14.", Reading::Pk},
        {"huge readings overflow into the range check", Edited({{&R::ik, "1e4000"}, {&R::un, "1e4000"}}),
         "Proud nakrátko při jmenovitém napětí +Inf A (na fázi) je mimo rozsah 1 až 1000 A.", Reading::Ik},
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
        {Edited({{&R::r1kind, "ohm"}}), "druh odporu musí být phase, terminals nebo share, ne 'ohm'"},
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
    };
    for (const auto& [readings, warnings] : cases) {
        TKonstrukce k{};
        const MeasuredOutcome o = AcceptMeasured(readings, k);
        EXPECT_FALSE(o.rejection) << o.rejection->message;
        EXPECT_EQ(o.conversion.warnings, warnings);
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
