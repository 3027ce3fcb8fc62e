// orbitek-calc --diagram as a user runs it: the paper and the scale, every scale text either a scale or a
// usage error, file names that are not UTF-8, a full disk that leaves the older file whole, and the
// first --at point drawn.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "FileSizeLimit.h"
#include "RunCalc.h"

namespace {

using namespace calc;
namespace fs = std::filesystem;

// A folder of its own for one test's files, removed with them.
struct Folder {
    fs::path path = fs::temp_directory_path() / ("orbitek-diagram-" + std::to_string(getpid()));
    Folder() { fs::create_directories(path); }
    ~Folder() { fs::remove_all(path); }
    std::string operator/(const std::string& name) const { return (path / name).string(); }
    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator(path))
            names.insert(e.path().filename().string());
        return names;
    }
};

// What a poppler tool prints.
std::string Poppler(const std::string& command)
{
    std::string text;
    if (std::FILE* p = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, p))
            text += buffer;
        pclose(p);
    }
    return text;
}

// The first page's size as pdfinfo gives it, "842 x 595", or nothing when there is no PDF.
std::string PageSize(const std::string& pdf)
{
    const std::string text = Poppler(std::string(PDFINFO) + " '" + pdf + "' 2>/dev/null");
    const std::size_t at = text.find("Page size:");
    const std::size_t from = text.find_first_not_of(' ', at + 10), pts = text.find(" pts", from);
    return at == std::string::npos ? std::string() : text.substr(from, pts - from);
}

TEST(DiagramFile, PaperAndScale)
{
    const Folder folder;
    const struct {
        const char* name;
        std::vector<std::string> args;
        int status;
        std::string errStart;
        std::string pageSize; // of the PDF written, when one is
    } cases[] = {
        {"default A4 landscape", {}, 0, "", "842 x 595"},
        {"A3", {"--paper", "A3"}, 0, "", "1191 x 842"},
        {"a0 in small letters", {"--paper", "a0"}, 0, "", "3370 x 2384"},
        {"A0 at 0,2 A per mm", {"--paper", "A0", "--scale", "0,2"}, 0, "", "3370 x 2384"},
        {"A4 cannot hold 0,2 A per mm",
         {"--scale", "0,2"},
         64,
         "orbitek-calc: the diagram does not fit on A4 at 0,2 A = 1 mm: choose a coarser --scale or a larger --paper\n",
         ""},
        // The papers a printer offers besides, in any case: A5 upright gives a finer scale.
        {"a5 upright", {"--paper", "a5"}, 0, "", "420 x 595"},
        {"LETTER", {"--paper", "LETTER"}, 0, "", "792 x 612"},
        {"Legal", {"--paper", "Legal"}, 0, "", "1008 x 612"},
        {"no such paper", {"--paper", "B5"}, 64, "orbitek-calc: invalid value 'B5' for --paper", ""},
        {"no paper by its start", {"--paper", "Lett"}, 64, "orbitek-calc: invalid value 'Lett' for --paper", ""},
    };
    for (const auto& c : cases) {
        const std::string pdf = folder / "diagram.pdf";
        fs::remove(pdf);
        std::vector<std::string> args{"--diagram", pdf};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = Calc(Czech, args);
        EXPECT_EQ(o.status, c.status) << c.name;
        EXPECT_EQ(o.err.substr(0, c.errStart.size()), c.errStart) << c.name;
        EXPECT_EQ(PageSize(pdf), c.pageSize) << c.name;
    }
    const Outcome withoutDiagram = Calc(Czech, {"--paper", "A3"});
    EXPECT_EQ(withoutDiagram.status, 64);
    EXPECT_EQ(withoutDiagram.err.rfind("orbitek-calc: --paper needs --diagram\n", 0), 0u);
}

// Whatever number a --scale text stands for, the run ends with a scale or a usage error.
// A motor from a file is named in the title block as the window names it; a typed one is not.
TEST(DiagramFile, TheMotorFilesNameHeadsTheTitleBlock)
{
    const Folder folder;
    const std::string pdf = folder / "diagram.pdf";
    for (const bool fromFile : {true, false}) {
        std::vector<std::string> args{"--diagram", pdf};
        if (fromFile)
            args.insert(args.end(), {"--motor", EXAMPLE_MOTOR});
        ASSERT_EQ(Calc(Czech, args).status, 0);
        const std::string text = Poppler(std::string(PDFTOTEXT) + " '" + pdf + "' - 2>/dev/null");
        EXPECT_NE(text.find("Kruhový diagram"), std::string::npos);
        EXPECT_EQ(text.find("Vzorový motor (example.orbitek) – Výchozí") != std::string::npos, fromFile);
    }
}

TEST(DiagramFile, EveryScaleTextGivesAScaleOrAUsageError)
{
    const Folder folder;
    const struct {
        const char* text;
        int status;
    } cases[] = {
        {"1e-400", 64}, {"1e400", 64}, {"1e4000", 64}, {"1e-4950", 64}, {"0", 64},    {"-1", 64},
        {"-0", 64},     {"3", 64},     {"2", 0},       {"5e15", 0},     {"1e16", 64},
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(Czech, {"--diagram", folder / "scale.svg", "--scale", c.text});
        EXPECT_EQ(o.status, c.status) << c.text << ": " << o.err;
        const std::string usage = "orbitek-calc: invalid value '" + std::string(c.text) + "' for --scale";
        EXPECT_EQ(o.err.rfind(usage, 0) == 0, c.status == 64) << o.err;
    }
}

// The name is the system's bytes: a name that is not UTF-8 is the name the file gets.
TEST(DiagramFile, NameIsTakenAsItsBytes)
{
    const Folder folder;
    for (const std::string name : {"\xff.svg", "\xe9t\xe9.pdf", "ko\xc5\xa1.png"}) {
        const Outcome o = Calc(Czech, {"--diagram", folder / name});
        EXPECT_EQ(o.status, 0) << o.err;
        EXPECT_EQ(folder.Files(), std::set<std::string>{name});
        fs::remove(folder / name);
    }
}

// With a file-size limit standing in for a full disk (ulimit -f 16), no format passes for written:
// status 74, the reason, and the older file whole, with nothing else left in the folder.
TEST(DiagramFile, FullDiskIsAFailureAndKeepsTheOlderFile)
{
    const Folder folder;
    const std::string older = "the drawing saved the day before";
    for (const std::string name : {"x.pdf", "x.svg", "x.png"}) {
        std::ofstream(folder / name) << older;
        Outcome o;
        {
            const FileSizeLimit full(16 * 1024);
            o = Calc(Plain, {"--diagram", folder / name});
        }
        EXPECT_EQ(o.status, 74) << name;
        EXPECT_EQ(o.err.rfind("orbitek-calc: cannot write the diagram " + (folder / name) + " (File too large)", 0), 0u)
            << o.err;
        EXPECT_EQ(ReadFile(folder / name), older) << name;
    }
    EXPECT_EQ(folder.Files(), (std::set<std::string>{"x.pdf", "x.svg", "x.png"}));
}

// The first --at is drawn with its block on the page; one off the arc leaves the page without it and
// says why, and the run still succeeds.
TEST(DiagramFile, FirstAtPointIsDrawn)
{
    const Folder folder;
    const struct {
        const char* name;
        std::vector<std::string> at;
        bool drawn;
        std::string err;
    } cases[] = {
        {"on the arc, the second off it", {"--at", "P2=15000", "--at", "M=1000"}, true, ""},
        {"off the arc",
         {"--at", "M=1000", "--at", "P2=15000"},
         false,
         "orbitek-calc: the diagram has no operating point: Moment větší než maximální 604,0041 Nm.\n"},
    };
    for (const auto& c : cases) {
        const std::string pdf = folder / "point.pdf";
        std::vector<std::string> args{"--diagram", pdf};
        args.insert(args.end(), c.at.begin(), c.at.end());
        const Outcome o = Calc(Czech, args);
        EXPECT_EQ(o.status, 0) << c.name;
        EXPECT_EQ(o.err, c.err) << c.name;
        const std::string page = Poppler(std::string(PDFTOTEXT) + " -l 1 '" + pdf + "' - 2>/dev/null");
        EXPECT_EQ(page.find("Pracovní bod") != std::string::npos, c.drawn) << c.name;
        EXPECT_EQ(page.find("zadáno P2 = 15 000 W") != std::string::npos, c.drawn) << c.name;
    }
}

} // namespace
