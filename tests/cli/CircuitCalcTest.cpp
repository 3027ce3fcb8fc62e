// The calculator's equivalent circuit and load points: the JSON members against values computed
// independently, the grids in both languages, the refusal, the connection of measured readings and
// the usage errors.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "RunCalc.h"

namespace {

using namespace calc;

const QJsonObject Json(const Outcome& o)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(o.out)).object();
}

void ExpectRelative(double actual, double expected, const char* what)
{
    EXPECT_LE(std::fabs(actual - expected), 1e-15 * std::fabs(expected) + 1e-300) << what;
}

// The default motor, class C (k = 0,3), Pfw = 300 W; values from a 40-digit evaluation.
TEST(CircuitCalc, JsonMembers)
{
    const Outcome o = Calc("cs_CZ.UTF-8",
                           {"--circuit", "--design-class", "C", "--friction-windage", "300", "--at", "P2=15000", "--at",
                            "M=9000", "--load-point", "220;30;15000;720;;180", "--format", "json"});
    ASSERT_EQ(o.status, 0) << o.err;
    const QJsonObject json = Json(o);
    ASSERT_TRUE(json.contains("Characteristic")); // the circle's members stay
    const QJsonObject c = json["Circuit"].toObject();
    ExpectRelative(c["Share"].toDouble(), 0.3, "Share");
    ExpectRelative(c["FrictionWindage"].toDouble(), 300, "FrictionWindage");
    ExpectRelative(c["X1"].toDouble(), 0.35367565589613862211, "X1");
    ExpectRelative(c["R2"].toDouble(), 0.29060168258166937364, "R2");
    ExpectRelative(c["X2"].toDouble(), 0.82524319709099011825, "X2");
    ExpectRelative(c["Xm"].toDouble(), 14.22398762278699423, "Xm");
    ExpectRelative(c["Rfe"].toDouble(), 222.20368984749437307, "Rfe");
    const QJsonObject ch = c["Characteristic"].toObject();
    ExpectRelative(ch["MaxTorque"]["Torque"].toDouble(), 611.476051641439984, "MaxTorque");
    ExpectRelative(ch["MaxOutput"]["Output"].toDouble(), 37665.784096064693992, "MaxOutput");
    EXPECT_TRUE(ch["MaxPowerFactor"]["x"].isDouble());
    EXPECT_TRUE(ch["StartingTorque"].isDouble());

    const QJsonArray at = c["At"].toArray();
    ASSERT_EQ(at.size(), 2);
    EXPECT_EQ(at[0]["Quantity"].toString(), "P2");
    EXPECT_NEAR(at[0]["Output"].toDouble(), 15000, 1e-8);
    EXPECT_TRUE(at[1]["Slip"].isNull()); // 9000 Nm is beyond the maximum
    EXPECT_GT(at[1]["Reachable"]["max"].toDouble(), 600);

    const QJsonArray points = json["LoadPoints"].toArray();
    ASSERT_EQ(points.size(), 1);
    const QJsonObject p = points[0].toObject();
    EXPECT_TRUE(p["PerPhase"].toBool());
    EXPECT_TRUE(p["P2"].isNull());
    EXPECT_EQ(p["M"].toDouble(), 180);
    EXPECT_DOUBLE_EQ(p["Slip"].toDouble(), 0.04);
    EXPECT_DOUBLE_EQ(p["Output"].toDouble(), 180 * 720 / 9.55);
    EXPECT_TRUE(p["Circuit"]["Current"].isDouble());
    EXPECT_DOUBLE_EQ(p["CircuitDeviation"]["Current"].toDouble(), (p["Circuit"]["Current"].toDouble() - 30) / 30 * 100);
}

TEST(CircuitCalc, GridsInBothLanguagesAndTheRefusal)
{
    const Outcome cs = Calc("cs_CZ.UTF-8", {"--circuit", "--load-point", "220;30;15000;720"});
    ASSERT_EQ(cs.status, 0) << cs.err;
    EXPECT_NE(cs.out.find("\nNáhradní schéma\tHodnota\tJedn.\nR1\t0,2500\tOhmů\nX1\t0,5783\tOhmů\n"),
              std::string::npos);
    EXPECT_NE(cs.out.find("\nKružnice a náhradní schéma\tKružnice\tNáhradní schéma\tRozdíl (%)\n"), std::string::npos);
    EXPECT_NE(cs.out.find("\n1\tměření\t0,0400\t30,0000\t"), std::string::npos);
    EXPECT_NE(cs.out.find("fázové hodnoty"), std::string::npos);

    // --circuit takes no value: a --lang after it still counts.
    const Outcome en = Calc("C.UTF-8", {"--circuit", "--lang", "en", "--load-point", "220;30;15000;720"});
    ASSERT_EQ(en.status, 0) << en.err;
    EXPECT_NE(en.out.find("\nEquivalent circuit\tValue\tUnit\n"), std::string::npos) << en.out;
    EXPECT_NE(en.out.find("\nCircle and equivalent circuit\tCircle\tEquivalent circuit\tDifference (%)\n"),
              std::string::npos);
    EXPECT_NE(en.out.find("\tmeasured\t"), std::string::npos);

    // Pfe = 1089 − 168,75 − 1000 W is no iron loss: the circle as usual, the reason in the circuit's place.
    const Outcome refused = Calc("cs_CZ.UTF-8", {"--circuit", "--friction-windage", "1000"});
    EXPECT_EQ(refused.status, 0);
    EXPECT_NE(refused.out.find("Náhradní schéma\tHodnota\tJedn.\nNáhradní schéma nelze sestavit: ztráty v železe"),
              std::string::npos);
    EXPECT_EQ(refused.out.find("Kružnice a náhradní schéma"), std::string::npos);
    const Outcome refusedJson = Calc("cs_CZ.UTF-8", {"--circuit", "--friction-windage", "1000", "--format", "json"});
    EXPECT_EQ(refusedJson.status, 0);
    EXPECT_TRUE(Json(refusedJson)["Circuit"]["Error"].toString().contains(QStringLiteral("-79,75")));
}

// Readings of a star-connected motor: the load point's line values become phase values.
TEST(CircuitCalc, LoadPointsOfMeasuredReadingsTakeTheConnection)
{
    const Outcome o = Calc("C.UTF-8",
                           {"--rated-voltage",
                            "400",
                            "--connection",
                            "star",
                            "--no-load-voltage",
                            "400",
                            "--no-load-current",
                            "4",
                            "--no-load-power",
                            "300",
                            "--locked-voltage",
                            "100",
                            "--locked-current",
                            "12",
                            "--locked-power",
                            "900",
                            "--r1",
                            "1.2",
                            "--poles",
                            "4",
                            "--load-point",
                            "400;8;4500;1440",
                            "--format",
                            "json"});
    ASSERT_EQ(o.status, 0) << o.err;
    const QJsonObject p = Json(o)["LoadPoints"][0].toObject();
    EXPECT_FALSE(p["PerPhase"].toBool());
    EXPECT_DOUBLE_EQ(p["PhaseVoltage"].toDouble(), 400 / std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(p["PhaseCurrent"].toDouble(), 8);
    EXPECT_NEAR(p["PowerFactor"].toDouble(), 4500 / (std::sqrt(3.0) * 400 * 8), 1e-15);
    EXPECT_TRUE(p["Circuit"].isNull()); // no --circuit: the circle's predictions alone
    EXPECT_TRUE(p["Circle"]["Current"].isDouble());
}

// --save-motor writes the circuit's choice and the load points; --motor gives them back, and an option
// given beside the file takes the place of the file's.
TEST(CircuitCalc, MotorFileCarriesTheCircuitAndTheLoadPoints)
{
    char folder[] = "/tmp/orbitek-circuit-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string file = std::string(folder) + "/motor.orbitek";
    const std::vector<std::string> asked{"--circuit",
                                         "--design-class",
                                         "C",
                                         "--friction-windage",
                                         "300,5",
                                         "--load-point",
                                         "220;30;15000;720;;180",
                                         "--load-point",
                                         "221;29,5;14800;721;13500",
                                         "--format",
                                         "json"};
    std::vector<std::string> saving = asked;
    saving.insert(saving.end(), {"--save-motor", file});
    const Outcome saved = Calc("cs_CZ.UTF-8", saving);
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string text = ReadFile(file);
    EXPECT_NE(text.find("\"circuit\": {\n    \"share\": \"0.3\",\n    \"frictionWindage\": \"300.5\"\n  }"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\"p2\": \"13500\""), std::string::npos) << text;

    const Outcome opened = Calc("cs_CZ.UTF-8", {"--motor", file, "--format", "json"});
    ASSERT_EQ(opened.status, 0) << opened.err;
    EXPECT_EQ(Json(opened)["Circuit"], Json(saved)["Circuit"]);
    EXPECT_EQ(Json(opened)["LoadPoints"], Json(saved)["LoadPoints"]);

    const Outcome classB = Calc("cs_CZ.UTF-8", {"--motor", file, "--design-class", "B", "--format", "json"});
    ASSERT_EQ(classB.status, 0) << classB.err;
    EXPECT_EQ(Json(classB)["Circuit"]["Share"].toDouble(), 0.4);
    EXPECT_EQ(Json(classB)["Circuit"]["FrictionWindage"].toDouble(), 300.5);
    std::remove(file.c_str());
    rmdir(folder);
}

TEST(CircuitCalc, UsageErrors)
{
    const struct {
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {{"--x1-share", "0.4"}, "orbitek-calc: --x1-share needs --circuit\n"},
        {{"--circuit", "--x1-share", "1"},
         "orbitek-calc: invalid value '1' for --x1-share: a number between 0 and 1\n"},
        {{"--circuit", "--design-class", "E"},
         "orbitek-calc: invalid value 'E' for --design-class: A, B, C, D or wound\n"},
        {{"--circuit", "--design-class", "A", "--x1-share", "0.4"},
         "orbitek-calc: --x1-share does not go with --design-class\n"},
        {{"--circuit", "--friction-windage", "-1"},
         "orbitek-calc: invalid value '-1' for --friction-windage: watts, 0 or more\n"},
        {{"--load-point", "220;30"},
         "orbitek-calc: invalid value '220;30' for --load-point: Zatěžovací bod „220;30“ nemá tvar "
         "U;I;P1;n[;P2[;M]].\n"},
        {{"--circuit", "--batch", "-"},
         "orbitek-calc: --circuit and --load-point ask about the one motor of the options; they do not go with "
         "--batch\n"},
    };
    for (const auto& t : cases) {
        const Outcome o = Calc("C.UTF-8", t.args);
        EXPECT_EQ(o.status, 64) << t.err;
        EXPECT_EQ(o.err.substr(0, o.err.find('\n') + 1), t.err);
    }
}

} // namespace
