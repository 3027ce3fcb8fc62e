// The calculator in English: its tables, statuses and messages, Czech unchanged, and the table of texts
// behind them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "Language.h"
#include "RunCalc.h"
#include "Translation.h"

namespace {

using namespace calc;

// A temporary file, removed at the end of the scope.
class TempFile {
public:
    explicit TempFile(const std::string& content)
    {
        char path[] = "/tmp/orbitek-lang-XXXXXX";
        const int fd = mkstemp(path);
        EXPECT_EQ(write(fd, content.data(), content.size()), static_cast<ssize_t>(content.size()));
        close(fd);
        path_ = path;
    }
    ~TempFile() { unlink(path_.c_str()); }
    const char* path() const { return path_.c_str(); }

private:
    std::string path_;
};

TEST(Language, DefaultsInEachLanguage)
{
    const struct {
        const char* lang;
        std::vector<std::string> args;
        const char* golden;
    } cases[] = {
        {Czech, {"--lang", "cs"}, "defaults_cs.txt"},
        {Czech, {"--lang", "en"}, "defaults_en.txt"},
        {Plain, {"--lang", "en", "--lang", "cs"}, "defaults_c.txt"}, // the last one counts
    };
    for (const auto& c : cases) {
        const Outcome o = Calc(c.lang, c.args);
        EXPECT_EQ(o.status, 0) << c.golden;
        EXPECT_EQ(o.err, "") << c.golden;
        EXPECT_EQ(o.out, ReadFile(std::string(GOLDEN_DIR) + "/" + c.golden)) << c.golden;
    }
    // Only the texts change: JSON keys stay, numbers keep the locale's form.
    const std::string czech = Calc(Czech, {"--format", "json"}).out;
    EXPECT_EQ(Calc(Czech, {"--format", "json", "--lang", "cs"}).out, czech);
    const std::string english = Calc(Czech, {"--format", "json", "--lang", "en"}).out;
    EXPECT_NE(
        english.find("\n    [\"Starting torque\", \"310,6863\", \"Nm\", \"1,0000\", \"161,4391\", \"72,5700\"],\n"),
        std::string::npos)
        << english;
    for (const char* key : {"\"Tabulka2\": ", "\"TabulkaM01\": ", "\"Tabulka5\": ", "\"MaxTorque\": "})
        EXPECT_NE(english.find(key), std::string::npos) << key;
}

TEST(Language, MessagesAndStatuses)
{
    const TempFile batch("i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles\n15\t0,11\t177\t0,41\t220\t0,25\t3\t8\n"
                         "15\t0,11\t177\t0,1\t220\t0,25\t3\t8\n");
    const TempFile malformed("i0\tcos0\tik\tcosk\tuf\tr1\tphases\tpoles\n15\t0,11\t177\n");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string out; // a part of standard output
        std::string err; // standard error, whole
    } cases[] = {
        {{"--i0", "0"}, 2, "", "Invalid no-load current.\n"},
        {{"--uf", "0"}, 2, "", "Invalid phase voltage.\n"},
        {{"--i0", "x"}, 2, "", "'x' is not a valid floating point value\n"},
        {{"--at", "P2=50000"}, 0, "\tOutput above the maximum 37\u00A0419,1320 W.\t", ""},
        {{"--batch", batch.path()}, 2, "\tOK\t14,9090\t", "orbitek-calc: 1 of 2 motors not accepted\n"},
        {{"--batch", batch.path()}, 2, "\t0,1\t220\t0,25\t3\t8\tInvalid power factor at locked rotor.\t", ""},
        {{"--batch", malformed.path()}, 65, "", "line 2: expected 8 columns separated by TAB, found 3\n"},
        {{"--phases",
          "1",
          "--poles",
          "8",
          "--rated-voltage",
          "230",
          "--no-load-voltage",
          "200",
          "--no-load-current",
          "10",
          "--no-load-power",
          "575",
          "--locked-voltage",
          "230",
          "--locked-current",
          "100",
          "--locked-power",
          "13800",
          "--r1",
          "0,5"},
         0,
         "Values derived from the readings\tValue\tUnit\n",
         "warning: The no-load voltage differs from the rated voltage by more than 5 %; the no-load current is "
         "used as measured.\n"},
        {{"--motor", "/nonexistent/m.orbitek"},
         66,
         "",
         "The file “/nonexistent/m.orbitek” cannot be opened: the file does not exist.\n"},
        {{"--lang", "de"}, 64, "", "orbitek-calc: invalid value 'de' for --lang: cs or en\n"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"--lang", "en"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const Outcome o = Calc(Czech, args);
        const std::string what = c.args.front() + " " + c.args.back();
        EXPECT_EQ(o.status, c.status) << what << "\n" << o.err;
        EXPECT_NE(o.out.find(c.out), std::string::npos) << what << "\n" << o.out;
        if (c.status != 64 && c.args.front() != "--batch")
            EXPECT_EQ(o.err, c.err) << what;
        else
            EXPECT_EQ(o.err.substr(0, c.err.size()), c.err) << what;
    }
}

TEST(Language, TableHoldsEveryText)
{
    std::string untranslated;
    for (const std::string& t : UntranslatedTexts())
        untranslated += t + "\n";
    EXPECT_EQ(untranslated, "") << "texts with no English in translations/orbitek_en.ts";

    const struct {
        const char* context;
        const char* source;
        const char* english; // nullptr: not in the table
    } cases[] = {
        {"Acceptance", "Chybné zadání fázového napětí.", "Invalid phase voltage."},
        {"GridTexts", "Bod A nekonečno", "Point A infinity"},
        {"MotorFile", "pole", "an array"},
        {"OperatingPointSolver", "Otáčky", "Speed"},
        {"Konstrukce", "3-fázový", "three-phase"},
        {"GridTexts", "Výkon", nullptr}, // another context's text
        {"GridTexts", "", nullptr},
        {"", "Hodnota", nullptr},
    };
    for (const auto& c : cases) {
        const char* found = EnglishText(c.context, c.source);
        EXPECT_EQ(found ? std::string(found) : "(none)", c.english ? c.english : "(none)") << c.source;
    }

    // Installed, the hook answers in English; Czech again takes the sources back.
    InstallLanguage(Language::English);
    EXPECT_EQ(ORBITEK_TR("GridTexts", "Záběrný moment"), "Starting torque");
    EXPECT_EQ(ORBITEK_TR("GridTexts", "not a text of ours"), "not a text of ours");
    InstallLanguage(Language::Czech);
    EXPECT_EQ(ORBITEK_TR("GridTexts", "Záběrný moment"), "Záběrný moment");
}

} // namespace
