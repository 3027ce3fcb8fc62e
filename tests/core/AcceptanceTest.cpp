// Input acceptance: the bounds and order of the checks, conversion errors, the radio tables, and that
// nothing but a whole successful calculation ever changes the target record.
#include <cstring>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Acceptance.h"
#include "RecordBits.h"

namespace {

const char* const BadI0 = "Chybné zadání proudu naprázdno.";
const char* const BadCos0 = "Chybné zadání účiníku naprázdno.";
const char* const BadIk = "Chybné zadání proudu nakrátko.";
const char* const BadCosk = "Chybné zadání účiníku nakrátko.";
const char* const BadUf = "Chybné zadání fázového napětí.";
const char* const BadR = "R1f ? R21f ? Rf ?";
const char* const AkNotRight = "Bod nakrátko Ak musí ležet zřetelně vpravo od bodu naprázdno Ao.";

using Field = std::string TypedInput::*;
using Edits = std::vector<std::pair<Field, const char*>>;
constexpr Field I0 = &TypedInput::PrNapr, Cos0 = &TypedInput::UcNapr, Ik = &TypedInput::PrNakr,
                Cosk = &TypedInput::UcNakr, Uf = &TypedInput::FazoveNapeti, R1 = &TypedInput::R1f;

void ExpectSameBits(const TKonstrukce& actual, const TKonstrukce& expected, const char* name)
{
    EXPECT_EQ(DifferingValue(actual, expected), -1) << name << ": the record changed at that value";
}

class Acceptance : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = DecimalSeparator;
        DecimalSeparator = U',';
        // A previous calculation whose inputs all differ from the defaults.
        ASSERT_FALSE(AcceptInput({"20", "0,2", "150", "0,5", "230", "0,3", 0, 1}, previous).has_value());
    }
    void TearDown() override { DecimalSeparator = saved_; }

    static TypedInput Typed(const Edits& edits)
    {
        TypedInput z = DefaultInput();
        for (const auto& [field, text] : edits)
            z.*field = text;
        return z;
    }

    TKonstrukce previous{};

private:
    char32_t saved_ = U'.';
};

TEST_F(Acceptance, ChecksTheirBounds)
{
    const Edits highR1f{{I0, "3"}, {Ik, "4"}, {Cosk, "0,5"}, {Uf, "1000"}};
    const struct {
        const char* name;
        Edits edits;
        const char* message; // nullptr: accepted
        InputField field = InputField::PrNapr;
        int phases = 1, speed = 3;
    } cases[] = {
        {"I0 1 is the least", {{I0, "1"}}, nullptr},
        {"I0 0,999", {{I0, "0,999"}}, BadI0, InputField::PrNapr},
        {"I0 1000 passes its own check", {{I0, "1000"}}, BadIk, InputField::PrNakr},
        {"I0 1000,0001", {{I0, "1000,0001"}}, BadI0, InputField::PrNapr},
        {"cos0 0,01 is the least", {{Cos0, "0,01"}}, nullptr},
        {"cos0 0,0099", {{Cos0, "0,0099"}}, BadCos0, InputField::UcNapr},
        {"cos0 0,99 passes its own check", {{Cos0, "0,99"}}, BadCosk, InputField::UcNakr},
        {"cos0 0,9901", {{Cos0, "0,9901"}}, BadCos0, InputField::UcNapr},
        {"Ik equal to I0", {{Ik, "15"}}, BadIk, InputField::PrNakr},
        {"Ik 1000 passes its own check", {{Ik, "1000"}}, BadR, InputField::R1f},
        {"Ik 1000,0001", {{Ik, "1000,0001"}}, BadIk, InputField::PrNakr},
        {"cosk 0,99 is the most", {{Cosk, "0,99"}}, nullptr},
        {"cosk 0,9901", {{Cosk, "0,9901"}}, BadCosk, InputField::UcNakr},
        {"cosk equal to cos0", {{Cosk, "0,11"}}, BadCosk, InputField::UcNakr},
        {"Uf 9,99", {{Uf, "9,99"}}, BadUf, InputField::FazoveNapeti},
        {"Uf 10 passes its own check", {{Uf, "10"}}, BadR, InputField::R1f},
        {"Uf 1000 is the most", {{Uf, "1000"}}, nullptr},
        {"Uf 1000,0001", {{Uf, "1000,0001"}}, BadUf, InputField::FazoveNapeti},
        {"R1f 0,05 is the least", {{R1, "0,05"}}, nullptr},
        {"R1f 0,0499", {{R1, "0,0499"}}, BadR, InputField::R1f},
        {"R1f 0,51 above Rf", {{R1, "0,51"}}, BadR, InputField::R1f},
        {"R1f 100 is the most",
         [&] {
             Edits e = highR1f;
             e.push_back({R1, "100"});
             return e;
         }(),
         nullptr},
        {"R1f 100,0001",
         [&] {
             Edits e = highR1f;
             e.push_back({R1, "100,0001"});
             return e;
         }(),
         BadR, InputField::R1f},
        {"Ak left of Ao", {{I0, "100"}, {Cos0, "0,1"}, {Ik, "110"}, {Cosk, "0,5"}}, AkNotRight, InputField::PrNakr},
        {"Ak.x equal to Ao.x", {{I0, "3"}, {Cos0, "0,6"}, {Ik, "4"}, {Cosk, "0,8"}}, AkNotRight, InputField::PrNakr},
        {"Ak.x equal to Ao.x, larger",
         {{I0, "51"}, {Cos0, "0,6"}, {Ik, "68"}, {Cosk, "0,8"}},
         AkNotRight,
         InputField::PrNakr},
        {"Ak less than 1 % right of Ao",
         {{I0, "1"}, {Cos0, "0,87"}, {Ik, "1,0024"}, {Cosk, "0,8703"}, {Uf, "980"}, {R1, "1"}},
         AkNotRight,
         InputField::PrNakr,
         0,
         4},
    };
    for (const auto& c : cases) {
        TypedInput z = Typed(c.edits);
        z.SpotrebicIndex = c.phases, z.SynchrOtackyIndex = c.speed;
        TKonstrukce k = previous;
        const std::optional<Rejection> r = AcceptInput(z, k);
        if (!c.message) {
            EXPECT_FALSE(r.has_value()) << c.name << ": " << r->message;
            EXPECT_NE(k.PrNakr, previous.PrNakr) << c.name;
            continue;
        }
        ASSERT_TRUE(r.has_value()) << c.name;
        EXPECT_EQ(r->message, c.message) << c.name;
        EXPECT_EQ(r->field, c.field) << c.name;
        ExpectSameBits(k, previous, c.name);
    }
}

TEST_F(Acceptance, ReportsTheFirstFailingCheck)
{
    TypedInput z = Typed({{I0, "0"}, {Cos0, "1"}, {Ik, "0"}, {Cosk, "1"}, {Uf, "1"}, {R1, "0"}});
    const std::pair<Field, const char*> fixes[] = {{I0, BadI0},     {Cos0, BadCos0}, {Ik, BadIk},
                                                   {Cosk, BadCosk}, {Uf, BadUf},     {R1, BadR}};
    const TypedInput good = Typed({});
    for (const auto& [field, message] : fixes) {
        TKonstrukce k = previous;
        const std::optional<Rejection> r = AcceptInput(z, k);
        ASSERT_TRUE(r.has_value()) << message;
        EXPECT_EQ(r->message, message);
        z.*field = good.*field;
    }
}

TEST_F(Acceptance, ConversionErrorNamesTheFirstBadField)
{
    const struct {
        const char* name;
        Edits edits;
        InputField field;
        const char* message;
    } cases[] = {
        {"empty cos k before a bad Uf",
         {{Cosk, ""}, {Uf, "x"}},
         InputField::UcNakr,
         "'' is not a valid floating point value"},
        {"full stop in I0", {{I0, "1.5"}}, InputField::PrNapr, "'1.5' is not a valid floating point value"},
        {"word in R1f", {{R1, " abc "}}, InputField::R1f, "' abc ' is not a valid floating point value"},
    };
    for (const auto& c : cases) {
        TKonstrukce k = previous;
        try {
            AcceptInput(Typed(c.edits), k);
            ADD_FAILURE() << c.name << ": accepted";
        } catch (const EFieldConvertError& e) {
            EXPECT_EQ(e.field, c.field) << c.name;
            EXPECT_STREQ(e.what(), c.message) << c.name;
        }
        ExpectSameBits(k, previous, c.name);
    }
}

TEST_F(Acceptance, RadioIndexOutsideTheTableKeepsTheStoredValue)
{
    for (const int bad : {-1, 2, 10}) {
        TypedInput z = Typed({});
        z.SpotrebicIndex = z.SynchrOtackyIndex = bad;
        TKonstrukce k = previous;
        ASSERT_FALSE(AcceptInput(z, k).has_value()) << bad;
        EXPECT_EQ(k.Spotrebic, 1.0L) << bad;
        EXPECT_EQ(k.SynchrOtacky, bad == 2 ? 1000.0L : 1500.0L) << bad;
    }
}

// With no speed ever chosen the torque scale divides by zero; the fault must not leave half a record.
TEST_F(Acceptance, FaultInTheConstructionLeavesTheRecordAsItWas)
{
    TypedInput z = Typed({});
    z.SynchrOtackyIndex = -1;
    const TKonstrukce zero{};
    TKonstrukce k{};
    EXPECT_THROW(AcceptInput(z, k), EZeroDivide);
    ExpectSameBits(k, zero, "zero speed");
}

} // namespace
