// Runs orbitek-calc as a user would: explicit environment, captured output, exit status.
#pragma once

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace calc {

struct Outcome {
    int status = -1;
    std::string out, err;
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// LANG alone decides the locale: LC_ALL and LC_NUMERIC are left unset. Standard output goes to a
// temporary file, or to `stdoutDevice` when given; standard input comes from `stdinPath` when given.
inline Outcome Calc(const std::string& lang, std::vector<std::string> args, const char* stdoutDevice = nullptr,
                    const char* stdinPath = nullptr)
{
    char outPath[] = "/tmp/orbitek-calc-out-XXXXXX";
    char errPath[] = "/tmp/orbitek-calc-err-XXXXXX";
    const int outFd = mkstemp(outPath);
    const int errFd = mkstemp(errPath);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    if (stdoutDevice)
        posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, stdoutDevice, O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&files, outFd, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&files, errFd, STDERR_FILENO);
    if (stdinPath)
        posix_spawn_file_actions_addopen(&files, STDIN_FILENO, stdinPath, O_RDONLY, 0);

    args.insert(args.begin(), ORBITEK_CALC);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    std::string langVar = "LANG=" + lang;
    char* envp[] = {langVar.data(), nullptr};

    Outcome o;
    pid_t pid = 0;
    if (posix_spawn(&pid, ORBITEK_CALC, &files, nullptr, argv.data(), envp) == 0) {
        int wstatus = 0;
        waitpid(pid, &wstatus, 0);
        o.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -1;
    }
    posix_spawn_file_actions_destroy(&files);
    close(outFd);
    close(errFd);
    o.out = ReadFile(outPath);
    o.err = ReadFile(errPath);
    unlink(outPath);
    unlink(errPath);
    return o;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

// Cells of TAB-separated lines.
inline std::vector<std::vector<std::string>> ParseText(const std::string& text)
{
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : Lines(text)) {
        rows.emplace_back(1);
        for (char ch : line) {
            if (ch == '\t')
                rows.back().emplace_back();
            else
                rows.back().back() += ch;
        }
    }
    return rows;
}

// Splits RFC 4180 CSV (CRLF records, quoted fields) into rows of fields.
inline std::vector<std::vector<std::string>> ParseCsv(const std::string& csv)
{
    std::vector<std::vector<std::string>> rows(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char ch = csv[i];
        if (quoted && ch == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
            rows.back().back() += csv[++i];
        else if (ch == '"')
            quoted = !quoted;
        else if (!quoted && ch == ',')
            rows.back().emplace_back();
        else if (!quoted && ch == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n' && ++i)
            rows.emplace_back(1);
        else
            rows.back().back() += ch;
    }
    rows.pop_back(); // after the last CRLF
    return rows;
}

constexpr const char* Czech = "cs_CZ.UTF-8";
constexpr const char* Plain = "C";

} // namespace calc
