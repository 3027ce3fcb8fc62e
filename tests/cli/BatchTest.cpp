// Batch mode end to end: rejected motors among accepted ones, malformed lines, and rows that agree
// with single-motor runs of the same motors in every format.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "NumText.h"
#include "RandomMotors.h"
#include "RunCalc.h"

namespace {

using namespace calc;

const std::string Header = "i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles";
const std::string Defaults = "15\t0,11\t177\t0,41\t220\t0,25\t3\t8";
constexpr std::size_t OutputColumns = 24;
constexpr std::size_t FirstResult = 10; // after the line number, the eight inputs and the status

// A temporary batch file, removed at the end of the scope.
class BatchFile {
public:
    explicit BatchFile(const std::string& content)
    {
        char path[] = "/tmp/orbitek-batch-XXXXXX";
        const int fd = mkstemp(path);
        EXPECT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
        close(fd);
        path_ = path;
    }
    ~BatchFile() { unlink(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
};

TEST(Batch, RejectedMotorsDoNotStopTheRun)
{
    // CRLF and LF line ends, an empty line, and no line end after the last motor.
    const BatchFile file(Header + "\r\n" + Defaults + "\r\n\r\n" + "15\t0,11\t177\t0,41\t220\t0,51\t3\t8\n" +
                         "15\tx\t177\t0,41\t220\t0,25\t1\t2\n" + "15\t0,11\t177\t0,41\t220\t0,25\t1\t20\n" +
                         "15\t0,11\t177\t0,41\t" + std::string(5000, '2') + "\t0,25\t1\t2");
    const struct {
        const char* line;
        std::string status;
        const char* maxTorque;
    } expected[] = {
        {"2", "OK", "604,0041"},
        {"4", "R1f ? R21f ? Rf ?", ""},
        {"5", "'x' is not a valid floating point value", ""},
        {"6", "OK", "503,3368"},
        // A text too long for the conversion's message is named by its start and length.
        {"7", "„" + std::string(40, '2') + "…“ není číslo (text o 5000 znacích)", ""},
    };
    for (const Outcome& o :
         {Calc(Czech, {"--batch", file.path()}), Calc(Czech, {"--batch", "-"}, nullptr, file.path())}) {
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err, "orbitek-calc: nepřijato 3 z 5 motorů\n");
        const std::vector<std::vector<std::string>> rows = ParseText(o.out);
        ASSERT_EQ(rows.size(), 6u) << o.out;
        EXPECT_EQ(rows[0][0], "line");
        for (std::size_t r = 0; r < rows.size(); ++r)
            EXPECT_EQ(rows[r].size(), OutputColumns) << r;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const auto& e = expected[r - 1];
            EXPECT_EQ(rows[r][0], e.line);
            EXPECT_EQ(rows[r][9], e.status) << e.line;
            EXPECT_EQ(rows[r][18], e.maxTorque) << e.line;
            const bool accepted = e.status == "OK";
            for (std::size_t c = FirstResult; c < OutputColumns; ++c)
                EXPECT_EQ(rows[r][c].empty(), !accepted) << e.line << " column " << rows[0][c];
        }
    }
    const Outcome full = Calc(Czech, {"--batch", file.path()}, "/dev/full");
    EXPECT_EQ(full.status, 74);
    EXPECT_EQ(full.err, "orbitek-calc: cannot write the output: No space left on device\n");
    EXPECT_EQ(Calc(Czech, {"--batch", "/nonexistent/motors.tsv"}).status, 66);
    const Outcome folder = Calc(Czech, {"--batch", "/tmp"});
    EXPECT_EQ(folder.status, 66);
    EXPECT_EQ(folder.err, "orbitek-calc: cannot open '/tmp': Is a directory\n");
    EXPECT_EQ(Calc(Czech, {"--batch", file.path(), "--r1", "0,3"}).status, 64) << "one motor or a file, not both";
}

// The torque line chosen for the run holds for every motor of it.
TEST(Batch, TakesTheTorqueLine)
{
    const BatchFile file(Header + "\n" + Defaults + "\n" + Defaults + "\n");
    const std::vector<std::vector<std::string>> rows = ParseText(
        Calc(Czech, {"--batch", file.path(), "--torque-line", "no-load"}).out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][18], "600,6403");
    EXPECT_EQ(rows[2][18], "600,6403");
}

TEST(Batch, MalformedLineStopsTheRunAfterTheRowsBeforeIt)
{
    const std::string motor = Defaults + "\n";
    const struct {
        const char* name;
        std::string content;
        std::string message;
        std::size_t linesWritten; // the header row and the motors before the malformed line
    } cases[] = {
        {"no header", motor + motor,
         "řádek 1: první řádek musí být hlavička i0<TAB>cos0<TAB>ik<TAB>cosk<TAB>uf<TAB>r1<TAB>phases<TAB>poles nebo "
         "un<TAB>connection<TAB>f<TAB>poles<TAB>phases<TAB>u0<TAB>i0<TAB>p0<TAB>uk<TAB>ik<TAB>pk<TAB>r1<TAB>r1kind\n",
         0},
        {"empty file", "", "řádek 1: soubor je prázdný, chybí hlavička\n", 0},
        {"seven columns", Header + "\n" + motor + "\n15\t0,11\t177\t0,41\t220\t0,25\t3\n" + motor,
         "řádek 4: očekáváno 8 sloupců oddělených tabulátorem, nalezeno 7\n", 2},
        {"nine columns", Header + "\n" + Defaults + "\t\n",
         "řádek 2: očekáváno 8 sloupců oddělených tabulátorem, nalezeno 9\n", 1},
        {"phases", Header + "\n" + motor + "15\t0,11\t177\t0,41\t220\t0,25\t2\t8\n",
         "řádek 3: počet fází musí být 1 nebo 3, ne '2'\n", 2},
        {"poles", Header + "\n15\t0,11\t177\t0,41\t220\t0,25\t3\t7\n",
         "řádek 2: počet pólů musí být sudé číslo od 2 do 20, ne '7'\n", 1},
        {"zero byte", Header + "\n" + std::string("15\0", 3) + "\t0,11\t177\t0,41\t220\t0,25\t3\t8\n",
         "řádek 2: řídicí znak uvnitř řádku\n", 1},
        {"endless line", Header + "\n" + std::string(70000, '1'), "řádek 2: řádek je delší než 65536 bajtů\n", 1},
    };
    for (const auto& c : cases) {
        const BatchFile file(c.content);
        const Outcome o = Calc(Czech, {"--batch", file.path()});
        EXPECT_EQ(o.status, 65) << c.name;
        EXPECT_EQ(o.err, c.message) << c.name;
        EXPECT_EQ(Lines(o.out).size(), c.linesWritten) << c.name;
    }
}

// The longest line is 65 536 bytes without its line end, LF or CR LF; one byte more is no motor.
TEST(Batch, LongestLine)
{
    constexpr std::size_t Longest = 65536;
    auto padded = [](std::size_t length) { return std::string(length - Defaults.size(), ' ') + Defaults; };
    for (const char* end : {"\n", "\r\n", ""}) {
        const BatchFile longest(Header + "\n" + padded(Longest) + end);
        const Outcome accepted = Calc(Czech, {"--batch", longest.path()});
        EXPECT_EQ(accepted.status, 0) << accepted.err;
        ASSERT_EQ(ParseText(accepted.out).size(), 2u);
        EXPECT_EQ(ParseText(accepted.out)[1][9], "OK");

        const BatchFile tooLong(Header + "\n" + padded(Longest + 1) + end);
        const Outcome rejected = Calc(Czech, {"--batch", tooLong.path()});
        EXPECT_EQ(rejected.status, 65);
        EXPECT_EQ(rejected.err, "řádek 2: řádek je delší než 65536 bajtů\n");
    }
}

// Bytes that are not UTF-8 come out as U+FFFD, one for each such byte, and every format stays valid text.
TEST(Batch, OutputIsValidUtf8)
{
    const struct {
        std::string typed, shown;
    } cases[] = {
        {"15\xe9", "15\uFFFD"},
        {"\xc3\x28", "\uFFFD("},                          // a lead byte without its continuation
        {"\xc0\xaf", "\uFFFD\uFFFD"},                     // an overlong form
        {"\xed\xa0\x80", "\uFFFD\uFFFD\uFFFD"},           // a surrogate
        {"\xf4\x90\x80\x80", "\uFFFD\uFFFD\uFFFD\uFFFD"}, // above U+10FFFF
        {"\xe2\x82", "\uFFFD\uFFFD"},                     // cut short
        {"š\xff€", "š\uFFFD€"},
    };
    std::string content = Header + "\n";
    for (const auto& c : cases)
        content += c.typed + "\t0,11\t177\t0,41\t220\t0,25\t3\t8\n";
    const BatchFile file(content);
    for (const char* format : {"text", "csv", "json"}) {
        const Outcome o = Calc(Czech, {"--batch", file.path(), "--format", format});
        EXPECT_EQ(o.status, 2) << format;
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString decoded = utf8(QByteArray::fromStdString(o.out));
        EXPECT_FALSE(utf8.hasError()) << format;
        const std::vector<std::string> lines = Lines(o.out);
        ASSERT_EQ(lines.size(), std::size(cases) + 1) << format;
        for (std::size_t i = 0; i < std::size(cases); ++i) {
            const std::string& shown = cases[i].shown;
            const std::string cell = std::string(format) == "json" ? "\"i0\": \"" + shown + "\"" : shown;
            EXPECT_NE(lines[i + 1].find(cell), std::string::npos) << format << " " << lines[i + 1];
        }
    }
}

// The value after `"name": ` in a JSON line, as its text.
std::string JsonMember(const std::string& line, const std::string& name)
{
    const std::size_t at = line.find("\"" + name + "\": ");
    if (at == std::string::npos)
        return "missing";
    const std::size_t begin = at + name.size() + 4;
    return line.substr(begin, line.find_first_of(",}", begin) - begin);
}

TEST(Batch, RowsAgreeWithSingleMotorRuns)
{
    constexpr int Motors = 24;
    std::mt19937_64 random(20261212);
    std::string content = Header + "\n";
    std::vector<std::vector<std::string>> singleArgs;
    for (int i = 0; i < Motors; ++i) {
        const TypedInput z = random_motors::RandomMotor(random);
        const std::string phases = z.SpotrebicIndex == 0 ? "1" : "3";
        const std::string poles = std::to_string(2 * (z.SynchrOtackyIndex + 1));
        content += z.PrNapr + "\t" + z.UcNapr + "\t" + z.PrNakr + "\t" + z.UcNakr + "\t" + z.FazoveNapeti + "\t" +
            z.R1f + "\t" + phases + "\t" + poles + "\n";
        singleArgs.push_back({"--i0", z.PrNapr, "--cos0", z.UcNapr, "--ik", z.PrNakr, "--cosk", z.UcNakr, "--uf",
                              z.FazoveNapeti, "--r1", z.R1f, "--phases", phases, "--poles", poles});
    }
    const BatchFile file(content);
    const Outcome text = Calc(Czech, {"--batch", file.path()});
    const Outcome csv = Calc(Czech, {"--batch", file.path(), "--format", "csv"});
    const Outcome json = Calc(Czech, {"--batch", file.path(), "--format", "json"});
    const std::vector<std::vector<std::string>> rows = ParseText(text.out);
    ASSERT_EQ(rows.size(), Motors + 1u);
    EXPECT_EQ(ParseCsv(csv.out), rows);
    const std::vector<std::string> jsonLines = Lines(json.out);
    ASSERT_EQ(jsonLines.size(), Motors + 1u);

    struct Separators {
        char32_t decimal = DecimalSeparator, thousand = ThousandSeparator;
        Separators() { DecimalSeparator = U',', ThousandSeparator = U'\u00A0'; }
        ~Separators() { DecimalSeparator = decimal, ThousandSeparator = thousand; }
    } czech;
    int accepted = 0;
    for (int i = 0; i < Motors; ++i) {
        const std::vector<std::string>& row = rows[i + 1];
        const Outcome single = Calc(Czech, singleArgs[i]);
        // The single run's grid cells behind each result column.
        const std::vector<std::vector<std::string>> grid = ParseText(single.out);
        auto cell = [&grid](std::size_t r, std::size_t c) { return r < grid.size() ? grid[r][c] : std::string(); };
        const std::string expected[] = {cell(1, 1),  cell(1, 2),  cell(2, 1),  cell(2, 2),  cell(6, 1),
                                        cell(14, 1), cell(7, 1),  cell(7, 2),  cell(42, 1), cell(42, 3),
                                        cell(43, 1), cell(45, 1), cell(46, 1), cell(48, 1)};
        EXPECT_EQ(row[9], single.status == 0 ? "OK" : single.err.substr(0, single.err.size() - 1)) << i;
        accepted += single.status == 0;
        for (std::size_t c = FirstResult; c < OutputColumns; ++c) {
            EXPECT_EQ(row[c], expected[c - FirstResult]) << i << " " << rows[0][c];
            const std::string number = JsonMember(jsonLines[i + 1], rows[0][c]);
            EXPECT_EQ(number == "null" ? "" : NumberToGroupedText(std::strtold(number.c_str(), nullptr)), row[c])
                << i << " " << rows[0][c];
        }
        EXPECT_NE(jsonLines[i + 1].find("\"r1\": \"" + row[6] + "\""), std::string::npos) << "inputs as typed";
    }
    EXPECT_GT(accepted, 0);
    EXPECT_LT(accepted, Motors);
}

// The second header: readings per line, converted, then computed; each row holds the readings as
// typed, the status, the derived values, the first form's results and the warnings.
TEST(Batch, ReadingsForm)
{
    const std::string header = "un\tconnection\tf\tpoles\tphases\tu0\ti0\tp0\tuk\tik\tpk\tr1\tr1kind\n";
    const std::string star = "200\tstar\t50\t4\t3\t200\t5\t350\t100\t26\t1700\t0,5\tshare\n";
    const std::string refused = "230\t\t60\t8\t1\t200\t10\t575\t230\t5\t690\t0,5\tphase\n";
    const BatchFile file(header + star + refused + "415\twye\t50\t4\t3\t415\t21\t1250\t100\t45\t2730\t0,5\tshare\n" +
                         star);
    const Outcome o = Calc(Czech, {"--batch", file.path()});
    EXPECT_EQ(o.status, 65);
    EXPECT_EQ(o.err, "řádek 4: spojení musí být star nebo delta, ne 'wye'\n");
    const std::vector<std::vector<std::string>> rows = ParseText(o.out);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].size(), 37u);
    EXPECT_EQ(rows[0][15], "PrNapr");
    EXPECT_EQ(rows[0][36], "warnings");
    EXPECT_EQ(rows[1][14], "OK");
    EXPECT_EQ(rows[2][14], "Chybné zadání proudu nakrátko.");
    EXPECT_EQ(rows[2][21], "900,0000") << "7200 / 2p at 60 Hz";
    EXPECT_EQ(rows[2][22], "") << "no results for a refused motor";
    EXPECT_EQ(rows[2][36].rfind("Napětí naprázdno se od jmenovitého liší o", 0), 0u) << rows[2][36];
    EXPECT_NE(rows[2][36].find("; Proud nakrátko přepočtený"), std::string::npos);

    // The accepted row's derived values and results are a single run's.
    const Outcome single = Calc(Czech,
                                {"--rated-voltage",    "200", "--connection",      "star", "--poles",         "4",
                                 "--no-load-voltage",  "200", "--no-load-current", "5",    "--no-load-power", "350",
                                 "--locked-voltage",   "100", "--locked-current",  "26",   "--locked-power",  "1700",
                                 "--rotor-loss-share", "0,5"});
    const std::vector<std::vector<std::string>> grid = ParseText(single.out);
    ASSERT_GT(grid.size(), 80u);
    std::size_t derived = 0;
    while (derived < grid.size() && grid[derived][0] != "Hodnoty odvozené z měření")
        ++derived;
    ASSERT_LT(derived + 7, grid.size());
    for (std::size_t i = 0; i < 7; ++i)
        EXPECT_EQ(rows[1][15 + i], grid[derived + 1 + i][1]) << rows[0][15 + i];
    const std::string results[] = {grid[1][1],  grid[1][2],  grid[2][1],  grid[2][2],  grid[6][1],
                                   grid[14][1], grid[7][1],  grid[7][2],  grid[42][1], grid[42][3],
                                   grid[43][1], grid[45][1], grid[46][1], grid[48][1]};
    for (std::size_t c = 0; c < std::size(results); ++c)
        EXPECT_EQ(rows[1][22 + c], results[c]) << rows[0][22 + c];

    const Outcome json = Calc(Czech, {"--batch", file.path(), "--format", "json"});
    const std::vector<std::string> lines = Lines(json.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(JsonMember(lines[2], "SynchrOtacky"), "900");
    EXPECT_EQ(JsonMember(lines[2], "Ao.x"), "null");
    EXPECT_EQ(ParseCsv(Calc(Czech, {"--batch", file.path(), "--format", "csv"}).out), rows);
}

// Optional columns after the readings, in any order: each row fills one of p0/pf0 and of pk/pfk; the
// pair R1, R2 with the turns ratio; the output shows them after r1kind. A header naming a column twice,
// or one that is no reading, is no header.
TEST(Batch, ReadingsFormWithTheBooksColumns)
{
    const std::string header = "un\tconnection\tf\tpoles\tphases\tu0\ti0\tp0\tuk\tik\tpk\tr1\tr1kind";
    const std::string watts = "230\t\t50\t8\t1\t230\t10\t575\t230\t100\t13800\t0,5\tphase";
    const BatchFile file(header + "\tturns\tpfk\tr2\tpf0\n" + watts + "\t\t\t\t\n" +
                         "230\t\t50\t8\t1\t230\t10\t\t230\t100\t\t0,5\tpair\t2\t0,6\t0,22\t0,25\n" +
                         "230\t\t50\t8\t1\t230\t10\t575\t230\t100\t\t0,5\tphase\t\t\t\t\n" +
                         "230\t\t50\t\t1\t230\t10\t575\t230\t100\t13800\t0,5\tphase\t\t\t\t\n");
    const Outcome o = Calc(Czech, {"--batch", file.path()});
    EXPECT_EQ(o.status, 2) << "one motor refused: " << o.err;
    const std::vector<std::vector<std::string>> rows = ParseText(o.out);
    ASSERT_EQ(rows.size(), 5u);
    ASSERT_EQ(rows[0].size(), 41u);
    EXPECT_EQ(std::vector<std::string>(rows[0].begin() + 13, rows[0].begin() + 20),
              (std::vector<std::string>{"r1kind", "turns", "pfk", "r2", "pf0", "status", "PrNapr"}));
    EXPECT_EQ(rows[1][18], "OK");
    for (std::size_t c = 19; c + 1 < rows[1].size(); ++c)
        EXPECT_EQ(rows[2][c], rows[1][c]) << rows[0][c] << ": the book's forms give the same motor";
    EXPECT_EQ(rows[3][18], "Příkon nakrátko: '' is not a valid floating point value");
    // An empty pole count: 2p = 8, said in the warnings.
    EXPECT_EQ(rows[4][18], "OK");
    EXPECT_EQ(rows[4][25], rows[1][25]) << rows[0][25];
    EXPECT_EQ(rows[4][40],
              "Počet pólů nezadán: momenty v N·m platí pro 2p = 8 (750 1/min); synchronní watty platí vždy.");

    for (const char* extra : {"\tpf0\tpf0", "\tr1factor", "\tpf0\t"}) {
        const BatchFile bad(header + extra + "\n" + watts + "\n");
        EXPECT_EQ(Calc(Czech, {"--batch", bad.path()}).status, 65) << extra;
    }
}

} // namespace

namespace {

using namespace calc;

// Some thousands of motors, so that the file spans several blocks of lines, with rejected motors and
// empty lines among them.
std::string ManyMotors(int count)
{
    std::mt19937_64 random(20261213);
    std::string content = Header + "\n";
    for (int i = 0; i < count; ++i) {
        const TypedInput z = random_motors::RandomMotor(random);
        content += z.PrNapr + "\t" + z.UcNapr + "\t" + z.PrNakr + "\t" + z.UcNakr + "\t" + z.FazoveNapeti + "\t" +
            z.R1f + "\t" + (z.SpotrebicIndex == 0 ? "1" : "3") + "\t" + std::to_string(2 * (z.SynchrOtackyIndex + 1)) +
            "\n";
        if (i % 700 == 0)
            content += "\n";
    }
    return content;
}

TEST(Batch, EveryNumberOfJobsWritesTheSameBytes)
{
    const BatchFile file(ManyMotors(3000));
    for (const char* format : {"text", "csv", "json"}) {
        const Outcome one = Calc(Czech, {"--batch", file.path(), "--format", format, "--jobs", "1"});
        EXPECT_EQ(one.status, 2) << format;
        EXPECT_EQ(Lines(one.out).size(), 3001u) << format;
        for (const std::vector<std::string>& jobs :
             {std::vector<std::string>{"--jobs", "2"}, {"--jobs", "3"}, {"--jobs", "8"}, {}}) {
            std::vector<std::string> args{"--batch", file.path(), "--format", format};
            args.insert(args.end(), jobs.begin(), jobs.end());
            const Outcome many = Calc(Czech, args);
            EXPECT_EQ(many.status, one.status) << format << " " << (jobs.empty() ? "default" : jobs[1]);
            EXPECT_EQ(many.err, one.err) << format;
            EXPECT_TRUE(many.out == one.out) << format << " " << (jobs.empty() ? "default" : jobs[1]);
        }
    }
}

TEST(Batch, MalformedLineInALaterBlockStopsEveryJob)
{
    std::string content = ManyMotors(2500);
    content += "15\t0,11\t177\n" + Defaults + "\n"; // line 2506, after five empty lines
    const BatchFile file(content);
    for (const char* jobs : {"1", "2", "5"}) {
        const Outcome o = Calc(Czech, {"--batch", file.path(), "--jobs", jobs});
        EXPECT_EQ(o.status, 65) << jobs;
        EXPECT_EQ(o.err, "řádek 2506: očekáváno 8 sloupců oddělených tabulátorem, nalezeno 3\n") << jobs;
        EXPECT_EQ(Lines(o.out).size(), 2501u) << jobs;
    }
    const struct {
        std::vector<std::string> args;
        std::string message;
    } usage[] = {
        {{"--batch", file.path(), "--jobs", "0"}, "orbitek-calc: invalid value '0' for --jobs"},
        {{"--batch", file.path(), "--jobs", "257"}, "orbitek-calc: invalid value '257' for --jobs"},
        {{"--batch", file.path(), "--jobs", "-2"}, "orbitek-calc: invalid value '-2' for --jobs"},
        {{"--jobs", "2"}, "orbitek-calc: --jobs needs --batch\n"},
    };
    for (const auto& u : usage) {
        const Outcome o = Calc(Czech, u.args);
        EXPECT_EQ(o.status, 64) << u.message;
        EXPECT_EQ(o.err.substr(0, u.message.size()), u.message);
    }
}

} // namespace
