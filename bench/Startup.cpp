// Start-up of orbitek-calc as whole processes, paired with a C++ program that only prints "hello":
// each pair runs one after the other, RUNS times, output to /dev/null, and the median of the paired
// differences is set against the target of 3 ms.
// Usage: orbitek-startup-bench [RUNS] [CALC]   (defaults: 200 and the build tree's orbitek-calc)
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

// Wall seconds of one whole process, from its start until it has been reaped.
double RunOnce(const std::vector<std::string>& command)
{
    std::vector<char*> argv;
    for (const std::string& a : command)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], &files, nullptr, argv.data(), environ) != 0) {
        std::fprintf(stderr, "cannot run %s\n", argv[0]);
        std::exit(1);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&files);
    return std::chrono::duration<double>(end - start).count();
}

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 200;
    const std::string calc = argc > 2 ? argv[2] : ORBITEK_CALC;
    const std::vector<std::string> hello{HELLO};
    const struct {
        const char* name;
        std::vector<std::string> command;
    } cases[] = {
        {"orbitek-calc --version", {calc, "--version"}},
        {"orbitek-calc (the defaults' tables)", {calc}},
    };
    std::printf("%-36s %10s %10s %12s  target\n", "whole process, median of runs", "ms", "hello ms", "paired diff");
    for (const auto& c : cases) {
        std::vector<double> ours, baseline, difference;
        for (int i = 0; i < runs; ++i) {
            const double b = RunOnce(hello);
            const double a = RunOnce(c.command);
            ours.push_back(a);
            baseline.push_back(b);
            difference.push_back(a - b);
        }
        std::printf("%-36s %10.2f %10.2f %12.2f  < 3 ms\n", c.name, Median(ours) * 1e3, Median(baseline) * 1e3,
                    Median(difference) * 1e3);
    }
    return 0;
}
