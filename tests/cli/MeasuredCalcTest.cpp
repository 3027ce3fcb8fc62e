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
         "orbitek-calc: the measured readings need one of --r1, --r1-terminals, --rotor-loss-share\n"},
        {"the first form's value beside", With(OnePhase, {"--uf", "230"}), 64,
         "orbitek-calc: --uf does not go with the measured readings\n"},
        {"with --batch", With(OnePhase, {"--batch", "-"}), 64, "orbitek-calc: --batch takes every motor from its file"},
        {"no number", With(OnePhase, {"--no-load-current", "10.5"}), 2,
         "Proud naprázdno: '10.5' is not a valid floating point value\n"},
        {"acceptance's check", With(OnePhase, {"--locked-current", "5", "--locked-power", "690"}), 2,
         "varování: Proud nakrátko přepočtený"},
        {"a warning is no failure", With(OnePhase, {"--no-load-voltage", "200"}), 0,
         "varování: Napětí naprázdno se od jmenovitého liší o více než 5 %"},
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
    EXPECT_EQ(text.out, expected);

    const Outcome csv = Calc(Czech, With(OnePhase, {"--format", "csv"}));
    const std::string csvTail = "\r\nOdpor R1f,\"0,5000\",Ohmů\r\nSynchronní otáčky,\"750,0000\",1/min\r\n";
    ASSERT_GT(csv.out.size(), csvTail.size());
    EXPECT_EQ(csv.out.substr(csv.out.size() - csvTail.size()), csvTail);

    const Outcome json = Calc(Czech, With(OnePhase, {"--format", "json", "--resistance-factor", "1"}));
    const std::string tail =
        ",\n  \"Measured\": {\n    \"Readings\": {\"un\": \"230\", \"connection\": \"\", \"f\": \"50\", "
        "\"poles\": \"8\", \"phases\": \"1\", \"u0\": \"230\", \"i0\": \"10\", \"p0\": \"575\", "
        "\"uk\": \"230\", \"ik\": \"100\", \"pk\": \"13800\", \"r1\": \"0,5\", \"r1kind\": \"phase\", "
        "\"r1factor\": \"1\"},\n    \"Derived\": {\"PrNapr\": 10, \"UcNapr\": 0.25, \"PrNakr\": 100, "
        "\"UcNakr\": 0.600000000000000000022, \"FazoveNapeti\": 230, \"R1f\": 0.5, "
        "\"SynchrOtacky\": 750}\n  },\n  \"Warnings\": []\n}\n";
    ASSERT_GT(json.out.size(), tail.size());
    EXPECT_EQ(json.out.substr(json.out.size() - tail.size()), tail);
    EXPECT_NE(json.out.find("\n  \"UcNakr\": 0.600000000000000000022,\n"), std::string::npos) << "the record's value";
}

} // namespace
