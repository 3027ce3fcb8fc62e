// The calculator's measured form: its options and refusals, and its output beside the first form's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RunCalc.h"

namespace {

using namespace calc;

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more)
{
    args.insert(args.end(), more);
    return args;
}

// A one-phase motor whose readings give exactly --i0 10 --cos0 0,25 --ik 100 --cosk 0,6 --uf 230.
const std::vector<std::string> Readings{
    "--phases",          "1",   "--poles",           "8",   "--rated-voltage", "230",
    "--no-load-voltage", "230", "--no-load-current", "10",  "--no-load-power", "575",
    "--locked-voltage",  "230", "--locked-current",  "100", "--locked-power",  "13800"};
const std::vector<std::string> OnePhase = With(Readings, {"--r1", "0,5"});

TEST(MeasuredCalc, OptionsAndRefusals)
{
    const std::vector<std::string> star = With(Readings, {"--phases", "3", "--connection", "star"});
    std::vector<std::string> noPoles = OnePhase;
    noPoles.erase(noPoles.begin() + 2, noPoles.begin() + 4);
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errStart;
    } cases[] = {
        {"a reading missing",
         {"--rated-voltage", "400"},
         64,
         "orbitek-calc: the measured readings need --no-load-voltage\n"},
        {"three phases without connection", With(OnePhase, {"--phases", "3"}), 64,
         "orbitek-calc: three phases need --connection star or delta\n"},
        {"connection with one phase", With(OnePhase, {"--connection", "star"}), 64,
         "orbitek-calc: --connection does not go with --phases 1\n"},
        {"bad connection", With(star, {"--connection", "wye", "--r1", "1"}), 64,
         "orbitek-calc: invalid value 'wye' for --connection\n"},
        {"bad frequency", With(OnePhase, {"--frequency", "55"}), 64,
         "orbitek-calc: invalid value '55' for --frequency\n"},
        {"two resistances", With(OnePhase, {"--r1-terminals", "1"}), 64,
         "orbitek-calc: --r1-terminals does not go with --r1\n"},
        {"factor with the share", With(star, {"--rotor-loss-share", "0,5", "--resistance-factor", "1,1"}), 64,
         "orbitek-calc: --resistance-factor does not go with --rotor-loss-share\n"},
        {"no resistance", star, 64,
         "orbitek-calc: the measured readings need one of --r1, --r1-terminals, --rotor-loss-share, "
         "--rotor-stator-ratio\n"},
        {"power and power factor", With(OnePhase, {"--no-load-pf", "0,25"}), 64,
         "orbitek-calc: --no-load-pf does not go with --no-load-power\n"},
        {"neither power nor power factor",
         {"--rated-voltage", "230", "--no-load-voltage", "230", "--no-load-current", "10"},
         64,
         "orbitek-calc: the measured readings need --no-load-power or --no-load-pf\n"},
        {"R2' beside terminals", With(Readings, {"--r1-terminals", "1", "--r2", "1"}), 64,
         "orbitek-calc: --r2 does not go with --r1-terminals\n"},
        {"turns ratio alone", With(OnePhase, {"--turns-ratio", "2"}), 64, "orbitek-calc: --turns-ratio needs --r2\n"},
        {"factor with the ratio", With(Readings, {"--rotor-stator-ratio", "1", "--resistance-factor", "1,1"}), 64,
         "orbitek-calc: --resistance-factor does not go with --rotor-stator-ratio\n"},
        {"a power factor typed as watts", With(OnePhase, {"--no-load-power", "0,25"}), 2,
         "Účiník naprázdno 0,000109 je mimo rozsah 0,01 až 0,99. Je-li to účiník, zadejte jej jako „Účiník "
         "naprázdno“.\n"
         "a power factor is given with --no-load-pf\n"},
        {"the pair's sum far from Rf", With(Readings, {"--r1", "0,5", "--r2", "0,5"}), 0,
         "varování: Součet R1 + R2' 1,0000 Ω se od odporu nakrátko Rf 1,3800 Ω liší o více než 10 %"},
        {"the first form's value beside", With(OnePhase, {"--uf", "230"}), 64,
         "orbitek-calc: --uf does not go with the measured readings\n"},
        {"with --batch", With(OnePhase, {"--batch", "-"}), 64, "orbitek-calc: --batch takes every motor from its file"},
        {"no number", With(OnePhase, {"--no-load-current", "10.5"}), 2,
         "Proud naprázdno: '10.5' is not a valid floating point value\n"},
        {"acceptance's check", With(OnePhase, {"--locked-current", "5", "--locked-power", "690"}), 2,
         "varování: Proud nakrátko přepočtený"},
        {"a warning is no failure", With(OnePhase, {"--no-load-voltage", "200"}), 0,
         "varování: Napětí naprázdno se od jmenovitého liší o více než 5 %"},
        {"no pole count is said", noPoles, 0,
         "varování: Počet pólů nezadán: momenty v N·m platí pro 2p = 8 (750 1/min); synchronní watty platí vždy.\n"},
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(Czech, c.args);
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.err.substr(0, c.errStart.size()), c.errStart) << c.name << ": " << o.err;
        EXPECT_EQ(o.out.empty(), c.status != 0) << c.name;
    }
    const Outcome refused = Calc(Czech, With(OnePhase, {"--locked-current", "5", "--locked-power", "690"}));
    EXPECT_NE(refused.err.find("\nChybné zadání proudu nakrátko.\n"), std::string::npos) << refused.err;
}

// The forms a book prints give the same motor as the watts and R1 per phase: power factors in place of
// the powers, the pair R1, R2' (also as R2 and a turns ratio) whose sum is Rf = 1,38 Ω, and the rotor :
// stator ratio 0,88 : 0,5.
TEST(MeasuredCalc, BookFormsGiveTheSameMotor)
{
    std::vector<std::string> factors = OnePhase;
    for (std::size_t i = 0; i < factors.size(); i += 2) {
        if (factors[i] == "--no-load-power")
            factors[i] = "--no-load-pf", factors[i + 1] = "0,25";
        if (factors[i] == "--locked-power")
            factors[i] = "--locked-pf", factors[i + 1] = "0,6";
    }
    const Outcome watts = Calc(Czech, OnePhase);
    ASSERT_EQ(watts.status, 0);
    const std::pair<const char*, std::vector<std::string>> cases[] = {
        {"power factors", factors},
        {"R1 and R2'", With(Readings, {"--r1", "0,5", "--r2", "0,88"})},
        {"R1, R2 and the turns ratio", With(Readings, {"--r1", "0,5", "--r2", "0,22", "--turns-ratio", "2"})},
        {"rotor : stator", With(Readings, {"--rotor-stator-ratio", "1,76"})},
    };
    // Up to the rotor-side resistance, which only a turns ratio gives.
    const auto untilRotorSide = [](const std::string& out) {
        return out.substr(0, out.rfind('\t', out.rfind('\t') - 1));
    };
    for (const auto& [name, args] : cases) {
        const Outcome o = Calc(Czech, args);
        EXPECT_EQ(o.status, 0) << name << ": " << o.err;
        EXPECT_EQ(o.err, "") << name;
        EXPECT_EQ(untilRotorSide(o.out), untilRotorSide(watts.out)) << name;
    }
}

// A torque between the starting and the maximum torque has two points, the stable one first; the
// answers in kg·m, synchronous watts and ratios; the starting resistance with the turns ratio.
TEST(MeasuredCalc, TheBooksAnswers)
{
    const std::vector<std::string> star{"--rated-voltage",
                                        "400",
                                        "--connection",
                                        "star",
                                        "--poles",
                                        "4",
                                        "--no-load-voltage",
                                        "400",
                                        "--no-load-current",
                                        "10",
                                        "--no-load-power",
                                        "1000",
                                        "--locked-voltage",
                                        "100",
                                        "--locked-current",
                                        "20",
                                        "--locked-power",
                                        "1200",
                                        "--r1",
                                        "0,45",
                                        "--r2",
                                        "0,1375",
                                        "--turns-ratio",
                                        "2",
                                        "--at",
                                        "M=100",
                                        "--start-torque",
                                        "100"};
    const Outcome text = Calc(Czech, star);
    ASSERT_EQ(text.status, 0) << text.err;
    const std::vector<std::vector<std::string>> grid = ParseText(text.out);
    std::vector<std::vector<std::string>> atRows;
    for (const auto& row : grid)
        if (!row.empty() && row[0] == "M (Nm)")
            atRows.push_back(row);
    ASSERT_EQ(atRows.size(), 2u);
    EXPECT_EQ(atRows[0][14], "");
    EXPECT_EQ(atRows[1][14], "za maximem momentu (nestabilní větev)");
    EXPECT_EQ(atRows[0][15], "10,1972") << "100 / 9,80665";
    // The last grids: the torques in the book's units, then the starting resistances.
    ASSERT_GT(grid.size(), 7u);
    const auto tail = [&grid](std::size_t fromEnd) { return grid[grid.size() - fromEnd]; };
    EXPECT_EQ(tail(7),
              (std::vector<std::string>{"Momenty v jednotkách učebnic", "M (Nm)", "M (kg·m)", "synchronní watty (W)"}));
    EXPECT_EQ(tail(6)[0], "Maximální moment");
    EXPECT_EQ(tail(2)[0], "Záběrný moment 100,0000 Nm");
    EXPECT_EQ(tail(1)[0], "Maximální moment při rozběhu");

    const Outcome json = Calc(Czech, With(star, {"--format", "json"}));
    ASSERT_EQ(json.status, 0);
    for (const char* member : {"\"Branch\": \"stable\"", "\"Branch\": \"unstable\"", "\"TorqueKgm\": 10.197162129779",
                               "\"MaxTorqueRatio\": ", "\"StartingTorqueRatio\": ", "\"StartingTorqueKgm\": ",
                               "\"StartingResistance\": {\"ForTorque\": {\"Slip\": ", "\"ForMaxTorque\": {\"Slip\": "})
        EXPECT_NE(json.out.find(member), std::string::npos) << member;
    // R' = R21f (1 − s*) / s* and R'/a² with a = 2, R21f = 0,55 Ω.
    const std::size_t at = json.out.find("\"ForMaxTorque\"");
    const long double slip = std::stold(json.out.substr(json.out.find("\"Slip\": ", at) + 8));
    const long double added = std::stold(json.out.substr(json.out.find("\"Added\": ", at) + 9));
    const long double rotor = std::stold(json.out.substr(json.out.find("\"AddedRotorSide\": ", at) + 18));
    EXPECT_NEAR(added, 0.55L * (1 - slip) / slip, 1e-12L);
    EXPECT_NEAR(rotor * 4, added, 1e-12L);

    const Outcome over = Calc(Czech, With(star, {"--start-torque", "1000"}));
    EXPECT_NE(over.out.find("Moment větší než maximální"), std::string::npos);
}

// Everything the first form prints for the same six values, then the derived values' grid; in JSON
// the readings as typed and the values behind the grid.
TEST(MeasuredCalc, OutputIsTheFirstFormsThenTheDerivedValues)
{
    const std::vector<std::string> first{"--phases", "1",   "--poles", "8",   "--i0", "10",  "--cos0", "0,25",
                                         "--ik",     "100", "--cosk",  "0,6", "--uf", "230", "--r1",   "0,5"};
    const char* const grid[] = {"Hodnoty odvozené z měření\tHodnota\tJedn.\n",
                                "Proud naprázdno na fázi\t10,0000\tA\n",
                                "Účiník naprázdno\t0,2500\t\n",
                                "Proud nakrátko na fázi, při jmenovitém napětí\t100,0000\tA\n",
                                "Účiník nakrátko\t0,6000\t\n",
                                "Fázové napětí\t230,0000\tV\n",
                                "Odpor R1f\t0,5000\tOhmů\n",
                                "Synchronní otáčky\t750,0000\t1/min\n"};
    std::string expected = Calc(Czech, first).out + "\n";
    for (const char* line : grid)
        expected += line;
    const Outcome text = Calc(Czech, OnePhase);
    EXPECT_EQ(text.status, 0);
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out.substr(0, expected.size()), expected);

    const Outcome csv = Calc(Czech, With(OnePhase, {"--format", "csv"}));
    const std::string csvTail = "\r\nOdpor R1f,\"0,5000\",Ohmů\r\nSynchronní otáčky,\"750,0000\",1/min\r\n\r\n";
    EXPECT_NE(csv.out.find(csvTail), std::string::npos);

    const Outcome json = Calc(Czech, With(OnePhase, {"--format", "json", "--resistance-factor", "1"}));
    const std::string tail =
        ",\n  \"Measured\": {\n    \"Readings\": {\"un\": \"230\", \"connection\": \"\", \"f\": \"50\", "
        "\"poles\": \"8\", \"phases\": \"1\", \"u0\": \"230\", \"i0\": \"10\", \"p0\": \"575\", "
        "\"uk\": \"230\", \"ik\": \"100\", \"pk\": \"13800\", \"r1\": \"0,5\", \"r1kind\": \"phase\", "
        "\"r1factor\": \"1\"},\n    \"Derived\": {\"PrNapr\": 10, \"UcNapr\": 0.25, \"PrNakr\": 100, "
        "\"UcNakr\": 0.600000000000000000022, \"FazoveNapeti\": 230, \"R1f\": 0.5, "
        "\"SynchrOtacky\": 750}\n  },\n  \"Warnings\": [],\n  \"StartingResistance\": ";
    EXPECT_NE(json.out.find(tail), std::string::npos) << json.out.substr(json.out.size() - 600);
    EXPECT_NE(json.out.find("\n  \"UcNakr\": 0.600000000000000000022,\n"), std::string::npos) << "the record's value";
}

} // namespace
