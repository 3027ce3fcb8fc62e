// orbitek-calc --diagram as a user runs it: the paper and the scale, every scale text either a scale or a
// usage error, file names that are not UTF-8, and a full disk that leaves the older file whole.
#include <gtest/gtest.h>

#include <csignal>
#include <dirent.h>
#include <fstream>
#include <set>
#include <string>
#include <sys/resource.h>
#include <vector>

#include "RunCalc.h"

namespace {

using namespace calc;

// A folder of its own for one test's files, removed with them.
class Folder {
public:
    Folder()
    {
        char name[] = "/tmp/orbitek-diagram-XXXXXX";
        path_ = mkdtemp(name);
    }
    ~Folder()
    {
        for (const std::string& f : Files())
            unlink((path_ + "/" + f).c_str());
        rmdir(path_.c_str());
    }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    std::string operator/(const std::string& name) const { return path_ + "/" + name; }

    std::set<std::string> Files() const
    {
        std::set<std::string> names;
        if (DIR* d = opendir(path_.c_str())) {
            while (const dirent* e = readdir(d))
                if (std::string(e->d_name) != "." && std::string(e->d_name) != "..")
                    names.insert(e->d_name);
            closedir(d);
        }
        return names;
    }

private:
    std::string path_;
};

// The first page's size in points as pdfinfo gives it, "842 x 595".
std::string PageSize(const std::string& pdf)
{
    const std::string command = std::string(PDFINFO) + " '" + pdf + "' 2>/dev/null";
    std::string text;
    if (std::FILE* p = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, p))
            text += buffer;
        pclose(p);
    }
    const std::size_t at = text.find("Page size:");
    if (at == std::string::npos)
        return {};
    const std::size_t from = text.find_first_not_of(' ', at + 10);
    const std::size_t pts = text.find(" pts", from);
    return text.substr(from, pts - from);
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
        {"no such paper", {"--paper", "A5"}, 64, "orbitek-calc: invalid value 'A5' for --paper", ""},
    };
    for (const auto& c : cases) {
        const std::string pdf = folder / "diagram.pdf";
        unlink(pdf.c_str());
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
        if (c.status == 64) {
            EXPECT_EQ(o.err.rfind("orbitek-calc: invalid value '" + std::string(c.text) + "' for --scale", 0), 0u)
                << o.err;
        }
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
        unlink((folder / name).c_str());
    }
}

// With a file-size limit standing in for a full disk, no format passes for written: status 74, the
// reason, and the older file whole, with nothing else left in the folder.
TEST(DiagramFile, FullDiskIsAFailureAndKeepsTheOlderFile)
{
    const Folder folder;
    const std::string older = "the drawing saved the day before";
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto previous = std::signal(SIGXFSZ, SIG_IGN); // the child inherits it: a write fails instead
    for (const std::string name : {"x.pdf", "x.svg", "x.png"}) {
        std::ofstream(folder / name) << older;
        rlimit limit = saved;
        limit.rlim_cur = 16 * 1024; // ulimit -f 16
        setrlimit(RLIMIT_FSIZE, &limit);
        const Outcome o = Calc(Plain, {"--diagram", folder / name});
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_EQ(o.status, 74) << name;
        EXPECT_EQ(o.err.rfind("orbitek-calc: cannot write the diagram " + (folder / name) + " (File too large)", 0), 0u)
            << o.err;
        EXPECT_EQ(ReadFile(folder / name), older) << name;
    }
    std::signal(SIGXFSZ, previous);
    EXPECT_EQ(folder.Files(), (std::set<std::string>{"x.pdf", "x.svg", "x.png"}));
}

} // namespace
