// The calculator's motor files: a motor saved with --save-motor gives the same output from --motor, options
// beside the file win, and a file that cannot be used ends with its status and nothing on standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

#include "FileSizeLimit.h"
#include "RunCalc.h"

namespace {

using namespace calc;
namespace fs = std::filesystem;

class MotorCalc : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("orbitek-motorcalc-" + std::to_string(getpid()));
        fs::create_directories(folder_);
    }
    void TearDown() override { fs::remove_all(folder_); }

    std::string File(const std::string& name) const { return (folder_ / name).string(); }
    std::string Write(const std::string& name, const std::string& text) const
    {
        std::ofstream(File(name)) << text;
        return File(name);
    }

    fs::path folder_;
};

// The same options typed where the decimal separator is a full stop.
std::vector<std::string> WithFullStops(std::vector<std::string> args)
{
    for (std::string& a : args)
        std::replace(a.begin(), a.end(), ',', '.');
    return args;
}

std::vector<std::string> With(std::vector<std::string> args, std::initializer_list<std::string> more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

const std::vector<std::string> Typed{"--i0",     "12,5", "--cosk",  "0,38", "--r1",          "0,3",
                                     "--phases", "1",    "--poles", "4",    "--torque-line", "no-load"};
const std::vector<std::string> Readings{
    "--rated-voltage", "415",  "--connection",      "delta", "--frequency",         "60",
    "--poles",         "14",   "--no-load-voltage", "415",   "--no-load-current",   "21",
    "--no-load-power", "1250", "--locked-voltage",  "100",   "--locked-current",    "45",
    "--locked-power",  "2730", "--r1-terminals",    "0,4",   "--resistance-factor", "1,1"};

TEST_F(MotorCalc, AMotorGivesTheSameOutputFromAFileAsFromItsOptions)
{
    const struct {
        const char* name;
        std::vector<std::string> options; // saved
        std::vector<std::string> beside;  // given with --motor
        std::vector<std::string> same;    // options that give what the file with `beside` gives
    } cases[] = {
        {"typed values with a point", With(Typed, {"--at", "s=0,05"}), {}, With(Typed, {"--at", "s=0,05"})},
        {"measured readings", Readings, {}, Readings},
        {"typed values, one replaced and the point",
         With(Typed, {"--at", "M=100"}),
         {"--r1", "0,27", "--at", "P1=9000"},
         With(Typed, {"--r1", "0,27", "--at", "P1=9000"})},
        {"measured, the resistance another way, its factor kept",
         Readings,
         {"--r1", "0,35"},
         With(std::vector<std::string>(Readings.begin(), Readings.end() - 4),
              {"--r1", "0,35", "--resistance-factor", "1,1"})},
        {"measured, three phases given again keep the file's connection",
         Readings,
         {"--phases", "3"},
         With(Readings, {"--phases", "3"})},
        {"measured, one reading and the output form",
         Readings,
         {"--no-load-current", "19", "--format", "json"},
         With(Readings, {"--no-load-current", "19", "--format", "json"})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string file = File("motor.orbitek");
        fs::remove(file);
        const Outcome saved = Calc(Czech, With(c.options, {"--save-motor", file}));
        ASSERT_EQ(saved.status, 0) << saved.err;
        std::vector<std::string> fromFile{"--motor", file};
        fromFile.insert(fromFile.end(), c.beside.begin(), c.beside.end());
        if (c.beside.empty()) {
            EXPECT_EQ(Calc(Plain, fromFile).out, Calc(Plain, WithFullStops(c.options)).out); // the file in any locale
            EXPECT_EQ(Calc(Czech, fromFile).out, saved.out);
        }
        const Outcome opened = Calc(Czech, fromFile), given = Calc(Czech, c.same);
        EXPECT_EQ(opened.status, 0) << opened.err;
        EXPECT_EQ(opened.out, given.out);
        EXPECT_EQ(opened.err, given.err); // the warnings too
    }
}

TEST_F(MotorCalc, AFileThatCannotServeEndsWithItsStatusAndNothingOnStandardOutput)
{
    const std::string good = File("good.orbitek");
    ASSERT_EQ(Calc(Plain, {"--save-motor", good}).status, 0);
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string err;
        bool written = false; // the file --save-motor names exists afterwards
    } cases[] = {
        {"no such file",
         {"--motor", File("none.orbitek")},
         66,
         "Soubor „" + File("none.orbitek") + "“ nelze otevřít: soubor neexistuje.\n"},
        {"a folder",
         {"--motor", folder_.string()},
         66,
         "Soubor „" + folder_.string() + "“ nelze otevřít: je to složka.\n"},
        {"not JSON", {"--motor", Write("bad.orbitek", "{")}, 65, "není to JSON"},
        {"a newer version",
         {"--motor", Write("v2.orbitek", R"({"format": "orbitek-motor", "version": 3})")},
         65,
         "ve verzi 3 formátu"},
        {"refused in the file",
         {"--motor", Write("ik.orbitek", R"({"format": "orbitek-motor", "version": 1,
            "input": {"i0": "15", "cos0": "0.11", "ik": "10", "cosk": "0.41", "uf": "220", "r1": "0.25",
            "phases": 3, "poles": 8}})")},
         2,
         "Chybné zadání proudu nakrátko.\n"},
        {"the other form beside it",
         {"--motor", good, "--no-load-power", "900"},
         64,
         "orbitek-calc: --no-load-power does not go with the input values of " + good + "\n"},
        {"refused, so not saved",
         {"--ik", "10", "--save-motor", File("refused.orbitek")},
         2,
         "Chybné zadání proudu nakrátko.\n"},
        {"a folder that is not there",
         {"--save-motor", File("gone/m.orbitek")},
         74,
         "Motor se nepodařilo uložit do souboru „" + File("gone/m.orbitek") + "“: No such file or directory.\n"},
        {"saving beside a batch",
         {"--batch", "-", "--save-motor", File("b.orbitek")},
         64,
         "orbitek-calc: --save-motor writes the one motor of the options; it does not go with --batch\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = Calc(Czech, c.args);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_EQ(o.out, "");
        if (c.err.find("\n") != std::string::npos)
            EXPECT_EQ(o.err.substr(0, c.err.size()), c.err);
        else
            EXPECT_NE(o.err.find(c.err), std::string::npos) << o.err;
    }
    EXPECT_FALSE(fs::exists(File("refused.orbitek")));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4); // no temporary left
}

// The example shipped with the program holds the defaults and one operating point.
TEST_F(MotorCalc, TheExampleFileIsTheDefaultsAtFifteenKilowatts)
{
    const Outcome o = Calc(Czech, {"--motor", EXAMPLE_MOTOR});
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_EQ(o.out, Calc(Czech, {"--at", "P2=15000"}).out);
}

// A save onto what is no regular file is refused and leaves it as it was; a FIFO that nobody writes to
// is refused as a motor or a batch file instead of hanging.
TEST_F(MotorCalc, NoSaveReplacesAFifoAndNoReadWaitsForOneForEver)
{
    const std::string fifo = File("fifo.orbitek");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {"save onto a FIFO",
         {"--save-motor", fifo},
         74,
         "Motor se nepodařilo uložit do souboru „" + fifo +
             "“: není to obyčejný soubor (ale FIFO, zařízení nebo soket).\n"},
        {"draw onto a FIFO",
         {"--diagram", File("fifo.svg")},
         74,
         "orbitek-calc: cannot write the diagram " + File("fifo.svg") +
             " (není to obyčejný soubor (ale FIFO, zařízení nebo soket))\n"},
        {"a motor from a FIFO",
         {"--motor", fifo},
         66,
         "Soubor „" + fifo + "“ nelze otevřít: do FIFO ani zařízení nikdo nezapisuje.\n"},
        {"a batch from a FIFO",
         {"--batch", fifo},
         66,
         "orbitek-calc: cannot open '" + fifo + "': do FIFO ani zařízení nikdo nezapisuje\n"},
    };
    ASSERT_EQ(mkfifo(File("fifo.svg").c_str(), 0644), 0);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = Calc(Czech, c.args);
        EXPECT_EQ(o.status, c.status);
        EXPECT_EQ(o.out, "");
        EXPECT_EQ(o.err, c.err);
    }
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_TRUE(fs::is_fifo(File("fifo.svg")));
}

// Under a file-size limit whose signal would end the program (a shell's ulimit -f), every write ends
// with status 74 and the reason, and leaves no temporary file.
TEST_F(MotorCalc, AFileSizeLimitIsAFailureWithItsReason)
{
    std::string rows = "i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles\n";
    for (int i = 0; i < 5; ++i)
        rows += "15\t0.11\t177\t0.41\t220\t0.25\t3\t8\n";
    const std::string batch = Write("b.tsv", rows);
    const struct {
        const char* name;
        std::vector<std::string> args;
        std::string err;
    } cases[] = {
        {"a motor",
         {"--save-motor", File("m.orbitek")},
         "Motor se nepodařilo uložit do souboru „" + File("m.orbitek") + "“: File too large.\n"},
        {"a diagram",
         {"--diagram", File("d.svg")},
         "orbitek-calc: cannot write the diagram " + File("d.svg") + " (File too large)\n"},
        {"the tables", {}, "orbitek-calc: cannot write the output: File too large\n"},
        {"a batch", {"--batch", batch}, "orbitek-calc: cannot write the output: File too large\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Outcome o;
        {
            const FileSizeLimit limit(200, false);
            o = Calc(Plain, c.args);
        }
        EXPECT_EQ(o.status, 74);
        EXPECT_EQ(o.err, c.err);
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1); // the batch file only
}

// The drawing program gets the motor the calculator read: a motor from a pipe, which can be read once,
// is drawn too.
TEST_F(MotorCalc, AMotorFromAPipeIsDrawn)
{
    const std::string pipe = File("pipe");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    std::thread writer([&pipe] { std::ofstream(pipe) << ReadFile(EXAMPLE_MOTOR); });
    const Outcome o = Calc(Plain, {"--motor", "/dev/stdin", "--diagram", File("d.svg"), "--format", "csv"}, nullptr,
                           pipe.c_str());
    writer.join();
    EXPECT_EQ(o.status, 0) << o.err;
    EXPECT_GT(fs::file_size(File("d.svg")), 1000u);
    EXPECT_NE(o.out.find("\nP2 (W),\"15,000.0000\",0.0357,"), std::string::npos) << o.out;
}

} // namespace
