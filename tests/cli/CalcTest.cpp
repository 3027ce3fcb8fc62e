// Runs orbitek-calc as a user would: explicit environment, captured output, exit status.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "Konstrukce.h"
#include "NumText.h"
#include "RunCalc.h"

namespace {

using namespace calc;

// The default motor, byte for byte, in both separator settings and in CSV.
TEST(OrbitekCalc, DefaultsMatchGoldenFiles)
{
    const struct {
        const char* lang;
        std::vector<std::string> args;
        const char* golden;
    } cases[] = {
        {Czech, {}, "defaults_cs.txt"},
        {Plain, {}, "defaults_c.txt"},
        {Czech, {"--format", "csv"}, "defaults_cs.csv"},
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(c.lang, c.args);
        EXPECT_EQ(o.status, 0) << c.golden;
        EXPECT_EQ(o.err, "") << c.golden;
        EXPECT_EQ(o.out, ReadFile(std::string(GOLDEN_DIR) + "/" + c.golden)) << c.golden;
    }
}

TEST(OrbitekCalc, ExitStatusAndMessages)
{
    const struct {
        const char* name;
        const char* lang;
        std::vector<std::string> args;
        int status;
        std::string errStart; // stdout stays empty on every failure
    } cases[] = {
        {"no-load current too small", Czech, {"--i0", "0,5"}, 2, "Chybné zadání proudu naprázdno.\n"},
        {"R1f above Rf", Czech, {"--r1", "0,51"}, 2, "R1f ? R21f ? Rf ?\n"},
        {"Ak not right of Ao",
         Czech,
         {"--i0", "100", "--cos0", "0,1", "--ik", "110", "--cosk", "0,5"},
         2,
         "Bod nakrátko Ak musí ležet zřetelně vpravo od bodu naprázdno Ao.\n"},
        {"conversion", Czech, {"--cosk", "abc"}, 2, "'abc' is not a valid floating point value\n"},
        {"point in Czech locale", Czech, {"--r1", "0.25"}, 2, "'0.25' is not a valid floating point value\n"},
        {"comma in C locale", Plain, {"--r1", "0,25"}, 2, "'0,25' is not a valid floating point value\n"},
        {"a number too long to quote",
         Czech,
         {"--uf", std::string(5000, '1')},
         2,
         "„" + std::string(40, '1') + "…“ není číslo (text o 5000 znacích)\n"},
        {"a number too long to quote at a point",
         Czech,
         {"--at", "P2=" + std::string(5000, '2')},
         64,
         "orbitek-calc: invalid value for --at P2=: „" + std::string(40, '2') +
             "…“ není číslo (text o 5000 znacích)\n"},
        {"a measured reading too long to quote",
         Czech,
         {"--rated-voltage",
          "400",
          "--connection",
          "star",
          "--poles",
          "4",
          "--no-load-voltage",
          "400",
          "--no-load-current",
          std::string(5000, '3'),
          "--no-load-power",
          "300",
          "--locked-voltage",
          "100",
          "--locked-current",
          "10",
          "--locked-power",
          "500",
          "--r1",
          "1"},
         2,
         "Proud naprázdno: „" + std::string(40, '3') + "…“ není číslo (text o 5000 znacích)\n"},
        {"control characters in a number",
         Czech,
         {"--ik", "1\x1b[2J"},
         2,
         "'1\\x1B[2J' is not a valid floating point value\n"},
        {"unknown option",
         Czech,
         {"--bogus"},
         64,
         "orbitek-calc: unknown option '--bogus'\nTry 'orbitek-calc --help'.\n"},
        {"stray argument", Czech, {"15"}, 64, "orbitek-calc: unknown option '15'\nTry 'orbitek-calc --help'.\n"},
        {"missing value",
         Czech,
         {"--i0", "15", "--r1"},
         64,
         "orbitek-calc: missing value for --r1\nTry 'orbitek-calc --help'.\n"},
        {"bad phases",
         Czech,
         {"--phases", "2"},
         64,
         "orbitek-calc: invalid value '2' for --phases\nTry 'orbitek-calc --help'.\n"},
        {"bad poles",
         Czech,
         {"--poles", "7"},
         64,
         "orbitek-calc: invalid value '7' for --poles\nTry 'orbitek-calc --help'.\n"},
        {"bad format",
         Czech,
         {"--format", "xml"},
         64,
         "orbitek-calc: invalid value 'xml' for --format\nTry 'orbitek-calc --help'.\n"},
        {"control characters quoted",
         Czech,
         {"--scale", "\n3\x1b[2J"},
         64,
         "orbitek-calc: invalid value '\\n3\\x1B[2J' for --scale: amperes per millimetre"},
        {"unknown quantity",
         Czech,
         {"--at", "Q=1"},
         64,
         "orbitek-calc: invalid value 'Q=1' for --at: Q=V with Q one of P2, M, I, P1, s, n, IL\nTry 'orbitek-calc "
         "--help'.\n"},
        {"point in Czech --at",
         Czech,
         {"--at", "s=0.04"},
         64,
         "orbitek-calc: invalid value 's=0.04' for --at: '0.04' is not a valid floating point value\nTry 'orbitek-calc "
         "--help'.\n"},
        {"unit of another quantity",
         Czech,
         {"--at", "P2=15Nm"},
         64,
         "orbitek-calc: invalid value 'P2=15Nm' for --at: 'Nm' is not a unit of P2, which takes W, kW, MW, hp\n"},
        {"bad torque line", Czech, {"--torque-line", "ak"}, 64, "orbitek-calc: invalid value 'ak' for --torque-line\n"},
        {"--at with --batch", Czech, {"--batch", "-", "--at", "P2=1"}, 64, "orbitek-calc: --at asks about the one"},
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(c.lang, c.args);
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.err.substr(0, c.errStart.size()), c.errStart) << c.name;
        EXPECT_EQ(o.out, "") << c.name;
        // A usage error is its line and where help is, never the whole help after it.
        if (c.status == 64) {
            EXPECT_EQ(std::count(o.err.begin(), o.err.end(), '\n'), 2) << c.name;
            EXPECT_TRUE(o.err.ends_with("\nTry 'orbitek-calc --help'.\n")) << c.name << ": " << o.err;
        }
    }
}

TEST(OrbitekCalc, HelpGoesToStandardOutput)
{
    const Outcome o = Calc(Czech, {"--i0", "15", "--help"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out.rfind("Usage: orbitek-calc", 0), 0u);
    EXPECT_NE(o.out.find("(default 0,11)"), std::string::npos) << "defaults in the locale's form";
}

// The version the package and the manual pages carry; it ends the run before any input is looked at.
TEST(OrbitekCalc, VersionIsTheProjectVersion)
{
    const Outcome o = Calc(Czech, {"--i0", "abc", "--version", "--bogus"});
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, "orbitek-calc " ORBITEK_PROJECT_VERSION "\n");
    EXPECT_EQ(o.err, "");
}

// A full disk must not pass for a finished calculation.
TEST(OrbitekCalc, UnwritableOutputIsAnError)
{
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{}, std::vector<std::string>{"--help"}, std::vector<std::string>{"--version"}}) {
        const Outcome o = Calc(Plain, args, "/dev/full");
        EXPECT_EQ(o.status, 74);
        EXPECT_EQ(o.err, "orbitek-calc: cannot write the output: No space left on device\n");
    }
}

// Phases and pole counts reach the calculation as the dialog's radio indices.
TEST(OrbitekCalc, PhasesAndPolesSelectTheTables)
{
    const struct {
        std::vector<std::string> args;
        std::string synchronousRow, slip025Row;
    } cases[] = {
        {{"--poles", "2"}, "0.00\t314.159\t0", "0.25\t235.619\t150.983"},
        {{"--poles", "14"}, "0.00\t44.872\t0", "0.25\t33.654\t1057.059"},
        {{"--poles", "18"}, "0.00\t34.907\t0", "0.25\t26.180\t1358.850"},
        {{"--poles", "20", "--phases", "1"}, "0.00\t31.416\t0", "0.25\t23.562\t503.277"},
        {{"--phases", "1", "--phases", "3"}, "0.00\t78.540\t0", "0.25\t58.905\t603.933"},
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(Plain, c.args);
        ASSERT_EQ(o.status, 0) << o.err;
        const std::vector<std::string> lines = Lines(o.out);
        ASSERT_EQ(lines.size(), 72u);
        EXPECT_EQ(lines[19], c.synchronousRow) << c.args[1];
        EXPECT_EQ(lines[24], c.slip025Row) << c.args[1];
    }
}

// The number after the keys `path`, each searched from where the previous one was found.
long double JsonValue(const std::string& json, std::initializer_list<std::string> path, int arrayIndex = -1)
{
    std::size_t at = 0;
    for (const std::string& key : path)
        at = json.find("\"" + key + "\":", at) + key.size() + 3;
    for (int i = 0; i <= arrayIndex; ++i)
        at = json.find_first_of(i == 0 ? "[" : ",", at) + 1;
    return std::strtold(json.c_str() + at, nullptr);
}

// One calculation, three formats: CSV and JSON carry the text output's cells and the values behind them.
TEST(OrbitekCalc, FormatsAgree)
{
    // A circle large enough for grouped numbers, whose ',' thousands separator CSV must quote.
    const std::vector<std::string> input{"--i0", "1",      "--cos0", "0.01", "--ik",
                                         "1000", "--cosk", "0.99",   "--r1", "0.1"};
    auto with = [&](const char* format) {
        std::vector<std::string> args = input;
        args.insert(args.end(), {"--format", format});
        const Outcome o = Calc(Plain, args);
        EXPECT_EQ(o.status, 0) << o.err;
        return o.out;
    };
    const std::string text = with("text"), csv = with("csv"), json = with("json");

    const std::vector<std::vector<std::string>> textRows = ParseText(text);
    EXPECT_EQ(ParseCsv(csv), textRows);
    EXPECT_NE(csv.find('"'), std::string::npos) << "a grouped number should need quoting";

    for (const std::vector<std::string>& row : textRows) {
        if (row.size() > 1) {
            std::string jsonRow;
            for (const std::string& cell : row)
                jsonRow += (jsonRow.empty() ? "[\"" : ", \"") + cell + "\"";
            EXPECT_NE(json.find(jsonRow + "]"), std::string::npos) << jsonRow;
        }
    }

    DecimalSeparator = U'.';
    ThousandSeparator = U',';
    EXPECT_EQ(NumberToGroupedText(JsonValue(json, {"Ao", "x"})), textRows[1][1]);
    EXPECT_EQ(NumberToGroupedText(JsonValue(json, {"AInf", "y"})), textRows[7][2]);
    EXPECT_EQ(NumberToGroupedText(JsonValue(json, {"StredKruznice", "x"})), textRows[6][1]);
    EXPECT_EQ(NumberToGroupedText(JsonValue(json, {"DelkaPrimky"})), textRows[13][1]);
    EXPECT_EQ(NumberToFixedText(JsonValue(json, {"OmegaSynchr"}), 1, 3), textRows[19][1]);
    for (int i = 1; i <= SlipCount; ++i) {
        EXPECT_EQ(NumberToFixedText(JsonValue(json, {"OmegaSkluzu"}, i - 1), 3, 3), textRows[19 + i][1]) << i;
        EXPECT_EQ(NumberToFixedText(JsonValue(json, {"MomentSkluzu"}, i - 1), 3, 3), textRows[19 + i][2]) << i;
    }
    const struct {
        std::initializer_list<std::string> path;
        std::size_t row, column;
    } characteristic[] = {
        {{"MaxTorque", "Torque"}, 42, 1},
        {{"MaxTorque", "Slip"}, 42, 3},
        {{"StartingTorque"}, 43, 1},
        {{"TorqueRatio"}, 44, 1},
        {{"MaxOutput", "Output"}, 45, 1},
        {{"MaxOutput", "y"}, 45, 5},
        {{"MaxPowerFactor", "Current"}, 47, 1},
        {{"MaxEfficiency", "x"}, 48, 4},
        {{"MaxInput", "Input"}, 49, 1},
        {{"Operating", "Output"}, 52, 4},
        {{"Operating", "Efficiency"}, 52, 5},
    };
    for (const auto& c : characteristic)
        EXPECT_EQ(NumberToGroupedText(JsonValue(json, c.path)), textRows[c.row][c.column]) << *c.path.begin();
}

// --at: a row per point in the order asked, one off the arc with its reason; CSV and JSON carry the
// same, and the chosen torque line reaches the construction.
TEST(OrbitekCalc, OperatingPointsAtGivenValues)
{
    auto run = [](const char* format) {
        const Outcome o = Calc(
            Czech,
            {"--at", "P2=15000", "--at", "M=700", "--at", "s=0,04", "--torque-line", "no-load", "--format", format});
        EXPECT_EQ(o.status, 0) << o.err;
        return o.out;
    };
    const std::string text = run("text"), csv = run("csv"), json = run("json");
    std::vector<std::vector<std::string>> rows = ParseText(text);
    ASSERT_GE(rows.size(), 5u);
    // The text names the torque line under its last grid; the CSV is the grids alone.
    EXPECT_EQ(rows.back(),
              std::vector<std::string>{"Přímka momentu: T na pořadnici Ak nad přímkou naprázdno (učebnicová)"});
    rows.pop_back();
    EXPECT_EQ(ParseCsv(csv), rows);
    EXPECT_EQ(rows[4][2], "36,4417") << "T above the no-load line";
    const std::vector<std::string>* grid = &rows[rows.size() - 4];
    EXPECT_EQ(grid[0].front(), "Veličina");
    EXPECT_EQ(grid[0][14], "Poznámka");
    EXPECT_EQ(grid[0].back(), "Mz / M");
    const std::vector<std::string>& output = grid[1];
    const std::vector<std::string>& torque = grid[2];
    ASSERT_EQ(output.size(), 18u);
    ASSERT_EQ(torque.size(), 18u);
    EXPECT_EQ(output[0], "P2 (W)");
    EXPECT_EQ(output[7], "15\u00A0000,0000");
    EXPECT_EQ(output[14], "");
    EXPECT_EQ(torque[1], "700,0000");
    EXPECT_EQ(torque[14], "Moment větší než maximální 600,6403 Nm.");
    for (std::size_t c = 2; c < 18; ++c) {
        if (c != 14) {
            EXPECT_EQ(torque[c], "") << c;
        }
    }
    EXPECT_EQ(grid[3][2], "0,0400");

    EXPECT_NE(json.find("\"TorqueLine\": \"no-load\""), std::string::npos);
    EXPECT_NE(json.find("{\"Quantity\": \"M\", \"Value\": 700, \"x\": null"), std::string::npos);
    DecimalSeparator = U',';
    ThousandSeparator = U'\u00A0';
    const struct {
        const char* key;
        std::size_t column;
    } members[] = {{"Slip", 2},       {"Speed", 3},        {"Current", 4},
                   {"Efficiency", 8}, {"AirGapPower", 10}, {"StatorCopperLoss", 12}};
    for (const auto& m : members)
        EXPECT_EQ(NumberToGroupedText(JsonValue(json, {"At", m.key})), output[m.column]) << m.key;
    EXPECT_EQ(NumberToGroupedText(JsonValue(json, {"At", "Reachable", "Reachable", "max"})), "600,6403");
    EXPECT_EQ(Calc(Czech, {"--format", "json"}).out.find("\"At\""), std::string::npos) << "only when asked";
}

} // namespace

namespace {

using namespace calc;

// The drawing program behind --diagram: the same statuses and messages as when the calculator drew
// the file itself, passed back through the process boundary.
TEST(OrbitekCalc, DiagramFileThroughTheDrawingProgram)
{
    char folder[] = "/tmp/orbitek-diagram-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string dir = folder;
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errStart;
        bool fileWritten, tablesPrinted;
    } cases[] = {
        {"svg", {"--diagram", dir + "/a.svg"}, 0, "", true, false},
        {"pdf with the tables", {"--diagram", dir + "/a.PDF", "--format", "csv"}, 0, "", true, true},
        {"forced scale and paper",
         {"--diagram", dir + "/b.png", "--scale", "0,5", "--paper", "a2"},
         0,
         "",
         true,
         false},
        {"scale too fine for the paper",
         {"--diagram", dir + "/c.svg", "--scale", "0,001", "--paper", "A0"},
         64,
         "orbitek-calc: the diagram does not fit on A0 at",
         false,
         false},
        {"unwritable folder",
         {"--diagram", dir + "/none/d.svg"},
         74,
         "orbitek-calc: cannot write the diagram " + dir + "/none/d.svg (",
         false,
         false},
        {"rejected motor", {"--diagram", dir + "/e.svg", "--r1", "0,51"}, 2, "R1f ? R21f ? Rf ?\n", false, false},
        {"no format in the name",
         {"--diagram", dir + "/f.txt"},
         64,
         "orbitek-calc: cannot tell the diagram's format",
         false,
         false},
        {"scale outside the series",
         {"--diagram", dir + "/g.svg", "--scale", "3"},
         64,
         "orbitek-calc: invalid value '3' for --scale",
         false,
         false},
        {"scale without a diagram", {"--scale", "1"}, 64, "orbitek-calc: --scale needs --diagram", false, false},
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(Czech, c.args);
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.err.substr(0, c.errStart.size()), c.errStart) << c.name << ": " << o.err;
        EXPECT_EQ(!o.out.empty(), c.tablesPrinted) << c.name;
        const std::string file = c.args[1];
        EXPECT_EQ(access(file.c_str(), F_OK) == 0, c.fileWritten) << c.name;
        unlink(file.c_str());
    }

    // A calculator without its drawing program says so instead of drawing nothing.
    const std::string lonely = dir + "/orbitek-calc";
    {
        std::ifstream from(ORBITEK_CALC, std::ios::binary);
        std::ofstream to(lonely, std::ios::binary);
        to << from.rdbuf();
    }
    chmod(lonely.c_str(), 0700);
    pid_t pid = 0;
    const std::string target = dir + "/h.svg";
    const char* argv[] = {lonely.c_str(), "--diagram", target.c_str(), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDERR_FILENO, (dir + "/err").c_str(), O_WRONLY | O_CREAT, 0600);
    ASSERT_EQ(posix_spawn(&pid, lonely.c_str(), &files, nullptr, const_cast<char**>(argv), environ), 0);
    int status = 0;
    waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&files);
    EXPECT_EQ(WEXITSTATUS(status), 70);
    EXPECT_EQ(
        ReadFile(dir + "/err").rfind("orbitek-calc: cannot run " + dir + "/../libexec/orbitek/orbitek-diagram: ", 0),
        0u)
        << ReadFile(dir + "/err");
    for (const char* name : {"orbitek-calc", "err", "h.svg"})
        unlink((dir + "/" + name).c_str());
    rmdir(folder);
}

// The calculator's text path starts without Qt: nothing of it may be linked in again.
TEST(OrbitekCalc, LinksNoQt)
{
    std::FILE* ldd = popen((std::string("ldd ") + ORBITEK_CALC).c_str(), "r");
    ASSERT_NE(ldd, nullptr);
    std::string libraries;
    for (char buffer[512]; std::fgets(buffer, sizeof buffer, ldd);)
        libraries += buffer;
    EXPECT_EQ(pclose(ldd), 0);
    EXPECT_NE(libraries.find("libc.so"), std::string::npos) << libraries;
    EXPECT_EQ(libraries.find("Qt"), std::string::npos) << libraries;
}

// Values with units are the values without; where the axis torque line lies below the no-load line the
// copper losses are "—" with the note (JSON: null and "Note"), and a row off the arc gives its "Reason".
TEST(OrbitekCalc, OperatingPointsTakeUnitsAndNameWhatTheyCannotSplit)
{
    const std::vector<std::string> motor{"--i0",   "50",   "--cos0", "0,19", "--ik", "165",
                                         "--cosk", "0,88", "--uf",   "259",  "--r1", "0,05"};
    auto run = [&motor](std::vector<std::string> more) {
        std::vector<std::string> args = motor;
        args.insert(args.end(), more.begin(), more.end());
        const Outcome o = Calc(Czech, args);
        EXPECT_EQ(o.status, 0) << o.err;
        return o.out;
    };
    const std::vector<std::vector<std::string>> plain = ParseText(run({"--at", "P2=15000", "--at", "n=600"}));
    const std::vector<std::vector<std::string>> units = ParseText(run({"--at", "P2=15 kW", "--at", "n=600 rpm"}));
    ASSERT_EQ(plain, units);
    EXPECT_EQ(plain.back(), std::vector<std::string>{"Přímka momentu: T na pořadnici Ak od osy x"});
    const std::vector<std::string>& row = plain[plain.size() - 3];
    EXPECT_EQ(row[11], "—");
    EXPECT_EQ(row[12], "—");
    EXPECT_EQ(row[14],
              "přímka momentu leží pod přímkou naprázdno: rozdělení ztrát ve vinutí určuje učebnicová "
              "přímka momentu");
    EXPECT_EQ(row[10], "18\u00A0001,6930") << "the air-gap power stays";
    const std::vector<std::vector<std::string>> textbook = ParseText(
        run({"--at", "P2=15000", "--torque-line", "no-load"}));
    EXPECT_EQ(textbook[textbook.size() - 2][12], "105,3568");
    EXPECT_EQ(textbook[textbook.size() - 2][14], "");

    const std::string json = run({"--at", "P2=15000", "--at", "M=9999", "--format", "json"});
    EXPECT_NE(json.find("\"RotorCopperLoss\": null, \"StatorCopperLoss\": null"), std::string::npos);
    EXPECT_NE(json.find("\"Reason\": null, \"Note\": \"přímka momentu leží pod"), std::string::npos);
    EXPECT_NE(json.find("\"Reason\": \"Moment větší než maximální 1\u00A0384,5800 Nm.\", \"Note\": null"),
              std::string::npos);
}

// --at IL= takes a line current where the connection is known: for star and one phase the phase
// current itself, for delta √3 times it; JSON gives the line current beside; without a connection it
// is refused.
TEST(OrbitekCalc, LineCurrentWhereTheConnectionIsKnown)
{
    const std::vector<std::string> tests{"--rated-voltage",
                                         "400",
                                         "--no-load-voltage",
                                         "400",
                                         "--no-load-current",
                                         "12",
                                         "--no-load-power",
                                         "700",
                                         "--locked-voltage",
                                         "90",
                                         "--locked-current",
                                         "40",
                                         "--locked-power",
                                         "2000",
                                         "--r1",
                                         "0,4"};
    const struct {
        std::vector<std::string> connection;
        const char* line;  // --at IL=
        const char* phase; // the same point by --at I=
    } cases[] = {
        {{"--connection", "star"}, "IL=30", "I=30"},
        {{"--phases", "1"}, "IL=0,03 kA", "I=30"},
        {{"--connection", "delta"}, "IL=60", "I=34,64101615137754587054892683011744733886"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args = tests;
        args.insert(args.end(), c.connection.begin(), c.connection.end());
        args.insert(args.end(), {"--at", c.line, "--at", c.phase});
        const Outcome o = Calc(Czech, args);
        ASSERT_EQ(o.status, 0) << c.line << o.err;
        const std::vector<std::vector<std::string>> rows = ParseText(o.out);
        // The grid of the points; the book's grids of a motor given as measured follow it.
        std::size_t at = 0;
        while (at + 2 < rows.size() && (rows[at].empty() || rows[at][0] != "IL (A)"))
            ++at;
        ASSERT_LT(at + 1, rows.size()) << c.line;
        const std::vector<std::string>& byLine = rows[at];
        const std::vector<std::string>& byPhase = rows[at + 1];
        EXPECT_EQ(byLine[0], "IL (A)");
        EXPECT_EQ(byPhase[0], "I (A)");
        EXPECT_FALSE(byLine[2].empty()) << c.line << ": " << byLine.back();
        EXPECT_EQ(std::vector(byLine.begin() + 2, byLine.end()), std::vector(byPhase.begin() + 2, byPhase.end()))
            << c.line;
        args.insert(args.end(), {"--format", "json"});
        const std::string json = Calc(Czech, args).out;
        EXPECT_NE(json.find("{\"Quantity\": \"IL\", \"Value\": " +
                            std::string(std::string(c.line).ends_with("kA") ? "30" : c.line + 3)),
                  std::string::npos)
            << c.line;
        EXPECT_NEAR(double(JsonValue(json, {"At", "LineCurrent"})), c.connection[1] == "delta" ? 60 : 30, 1e-12);
    }
    const Outcome perPhase = Calc(Czech, {"--at", "IL=30"});
    EXPECT_EQ(perPhase.status, 64);
    EXPECT_TRUE(
        perPhase.err.starts_with("orbitek-calc: --at IL= takes a line current, and the connection is known only "
                                 "for a motor given as measured"))
        << perPhase.err;
    EXPECT_EQ(Calc(Czech, {"--at", "I=30", "--format", "json"}).out.find("LineCurrent"), std::string::npos);
}

} // namespace
