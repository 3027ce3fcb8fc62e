// The window program's command line, run as a user runs it: --help, --version, options it does not know,
// no display, and a motor file named at start, the program then ended by SIGTERM through its event loop.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <spawn.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string out, err;
};

std::string Read(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

class CommandLine : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / ("orbitek-commandline-" + std::to_string(getpid()));
        fs::create_directories(folder_ / "home");
        fs::create_directories(folder_ / "tmp");
        fs::create_directories(folder_ / "runtime");
        fs::permissions(folder_ / "runtime", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Runs orbitek with `args` and only the environment given (HOME and TMPDIR in the test's folder).
    // `whileRunning`, when given, runs once the program has started and must end it.
    Outcome Run(std::vector<std::string> args, std::vector<std::string> env,
                const std::function<void(pid_t)>& whileRunning = {}) const
    {
        env.push_back("HOME=" + (folder_ / "home").string());
        env.push_back("XDG_CONFIG_HOME=" + (folder_ / "home" / ".config").string());
        env.push_back("XDG_RUNTIME_DIR=" + (folder_ / "runtime").string());
        env.push_back("TMPDIR=" + (folder_ / "tmp").string());
        args.insert(args.begin(), ORBITEK_WINDOW);
        std::vector<char*> argv, envp;
        for (std::string& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        for (std::string& e : env)
            envp.push_back(e.data());
        envp.push_back(nullptr);
        const std::string out = (folder_ / "out").string(), err = (folder_ / "err").string();
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_addopen(&files, STDERR_FILENO, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        Outcome o;
        pid_t pid = 0;
        if (posix_spawn(&pid, ORBITEK_WINDOW, &files, nullptr, argv.data(), envp.data()) == 0) {
            if (whileRunning)
                whileRunning(pid);
            int wstatus = 0;
            waitpid(pid, &wstatus, 0);
            o.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : 128 + WTERMSIG(wstatus);
        }
        posix_spawn_file_actions_destroy(&files);
        o.out = Read(out);
        o.err = Read(err);
        return o;
    }

    fs::path Settings() const { return folder_ / "home" / ".config" / "orbitek" / "orbitek.conf"; }

    fs::path folder_;
};

const std::string NoDisplay = "orbitek: there is no display to open the window on; orbitek-calc computes the same "
                              "tables without one\n";

TEST_F(CommandLine, OptionsAndNoDisplay)
{
    const struct {
        const char* name;
        std::vector<std::string> args, env;
        int status;
        std::string outStart, err; // err: exactly, or its start when it ends with the usage
    } cases[] = {
        {"help, without a display", {"--help"}, {}, 0, "Usage: orbitek [FILE.orbitek]\n", ""},
        {"version", {"--version"}, {}, 0, "orbitek " ORBITEK_PROJECT_VERSION "\n", ""},
        {"an unknown option", {"--motor", "m.orbitek"}, {}, 64, "", "orbitek: unknown option '--motor'\nUsage: "},
        {"two files", {"a.orbitek", "b.orbitek"}, {}, 64, "", "orbitek: one motor file at a time\nUsage: "},
        {"Qt's option without its value", {"-platform"}, {}, 64, "", "orbitek: missing value for -platform\n"},
        {"a language there is no translation for",
         {"--lang", "de"},
         {},
         64,
         "",
         "orbitek: unknown language 'de' (cs or en)\nUsage: "},
        {"--lang without its value", {"--lang"}, {}, 64, "", "orbitek: missing value for --lang\nUsage: "},
        {"English for one run, without a display", {"--lang=en"}, {}, 1, "", NoDisplay},
        {"no display at all", {}, {}, 1, "", NoDisplay},
        {"a display that does not answer", {"-platform", "xcb"}, {"DISPLAY=:79"}, 1, "", NoDisplay},
        {"a platform mistyped",
         {},
         {"QT_QPA_PLATFORM=offscreeen"},
         1,
         "",
         "orbitek: the platform plugin 'offscreeen' could not be loaded (named by -platform or QT_QPA_PLATFORM)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Outcome o = Run(c.args, c.env);
        EXPECT_EQ(o.status, c.status) << o.err;
        EXPECT_EQ(o.out.substr(0, c.outStart.size()), c.outStart);
        EXPECT_EQ(o.out.empty(), c.outStart.empty());
        const bool withUsage = c.err.ends_with("Usage: ") || c.err.ends_with("-platform\n");
        EXPECT_EQ(withUsage ? o.err.substr(0, c.err.size()) : o.err, c.err);
    }
}

// `orbitek FILE`: the motor is opened at start (it becomes the first recent motor); SIGTERM then closes
// the program as its menu would: status 0, the window's frame written, no temporary folder left behind.
TEST_F(CommandLine, AFileAtStartAndSigtermThroughTheEventLoop)
{
    const fs::path motor = folder_ / "cviceni.orbitek";
    fs::copy_file(EXAMPLE_MOTOR, motor);
    const Outcome o = Run({"-platform", "offscreen", motor.string()}, {}, [this](pid_t pid) {
        // Opening the file writes the recent list: the program is up and its loop runs.
        for (int i = 0; i < 300 && Read(Settings()).find("cviceni.orbitek") == std::string::npos; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        kill(pid, SIGTERM);
    });
    EXPECT_EQ(o.status, 0) << o.err;
    const std::string settings = Read(Settings());
    EXPECT_NE(settings.find("recent=" + motor.string()), std::string::npos) << settings;
    EXPECT_NE(settings.find("geometry=@ByteArray"), std::string::npos) << settings;
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(folder_ / "tmp"))
        left.push_back(entry.path().filename().string());
    EXPECT_TRUE(left.empty()) << left.front();
}

} // namespace
