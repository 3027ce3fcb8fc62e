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
                         "15\tx\t177\t0,41\t220\t0,25\t1\t2\n" + "15\t0,11\t177\t0,41\t220\t0,25\t1\t20");
    const struct {
        const char* line;
        const char* status;
        const char* maxTorque;
    } expected[] = {
        {"2", "OK", "604,0041"},
        {"4", "R1f ? R21f ? Rf ?", ""},
        {"5", "'x' is not a valid floating point value", ""},
        {"6", "OK", "503,3368"},
    };
    for (const Outcome& o :
         {Calc(Czech, {"--batch", file.path()}), Calc(Czech, {"--batch", "-"}, nullptr, file.path())}) {
        EXPECT_EQ(o.status, 2);
        EXPECT_EQ(o.err, "orbitek-calc: nepřijato 2 z 4 motorů\n");
        const std::vector<std::vector<std::string>> rows = ParseText(o.out);
        ASSERT_EQ(rows.size(), 5u) << o.out;
        EXPECT_EQ(rows[0][0], "line");
        for (std::size_t r = 0; r < rows.size(); ++r)
            EXPECT_EQ(rows[r].size(), OutputColumns) << r;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            const auto& e = expected[r - 1];
            EXPECT_EQ(rows[r][0], e.line);
            EXPECT_EQ(rows[r][9], e.status) << e.line;
            EXPECT_EQ(rows[r][18], e.maxTorque) << e.line;
            const bool accepted = std::string(e.status) == "OK";
            for (std::size_t c = FirstResult; c < OutputColumns; ++c)
                EXPECT_EQ(rows[r][c].empty(), !accepted) << e.line << " column " << rows[0][c];
        }
    }
    EXPECT_EQ(Calc(Czech, {"--batch", file.path()}, "/dev/full").status, 74);
    EXPECT_EQ(Calc(Czech, {"--batch", "/nonexistent/motors.tsv"}).status, 66);
    const Outcome folder = Calc(Czech, {"--batch", "/tmp"});
    EXPECT_EQ(folder.status, 66);
    EXPECT_EQ(folder.err, "orbitek-calc: cannot open '/tmp': Is a directory\n");
    EXPECT_EQ(Calc(Czech, {"--batch", file.path(), "--r1", "0,3"}).status, 64) << "one motor or a file, not both";
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
         "řádek 1: první řádek musí být hlavička i0<TAB>cos0<TAB>ik<TAB>cosk<TAB>uf<TAB>r1<TAB>phases<TAB>poles\n", 0},
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
        const std::string phases = z.Spotrebic == 0 ? "1" : "3";
        const std::string poles = std::to_string(2 * (z.SynchrOtacky + 1));
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

} // namespace
