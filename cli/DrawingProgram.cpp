// Finds the drawing program beside the calculator (the build tree) or in its libexec folder (an
// installation), and runs it.
#include "DrawingProgram.h"

#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "ExitStatus.h"

extern char** environ;

namespace {

constexpr const char* DrawingProgramName = "orbitek-diagram";

// The folder of the running executable, or empty.
std::string OwnFolder()
{
    std::vector<char> path(PATH_MAX);
    const ssize_t length = readlink("/proc/self/exe", path.data(), path.size() - 1);
    if (length <= 0)
        return {};
    const std::string exe(path.data(), static_cast<std::size_t>(length));
    return exe.substr(0, exe.rfind('/'));
}

std::string DrawingProgramPath()
{
    const std::string folder = OwnFolder();
    for (const std::string& candidate :
         {folder + "/" + DrawingProgramName, folder + "/../libexec/orbitek/" + DrawingProgramName})
        if (access(candidate.c_str(), X_OK) == 0)
            return candidate;
    return folder + "/../libexec/orbitek/" + DrawingProgramName; // named in the message when missing
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "orbitek-calc: %s\n", message.c_str());
    return ExitInternal;
}

} // namespace

int RunDrawingProgram(const char* const argv[], const std::string* motorText)
{
    const std::string program = DrawingProgramPath();
    std::vector<char*> args{const_cast<char*>(program.c_str())};
    for (const char* const* a = argv + 1; *a; ++a)
        args.push_back(const_cast<char*>(*a));
    args.push_back(nullptr);

    std::fflush(nullptr); // nothing of ours may come after what the drawing program writes
    // A socket rather than a pipe: a drawing program that ends before reading it all gives EPIPE to
    // send(MSG_NOSIGNAL), never SIGPIPE to the calculator.
    int motorSocket[2] = {-1, -1};
    if (motorText && socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, motorSocket) != 0)
        return Fail(std::string("cannot give the motor to the drawing program: ") + std::strerror(errno));
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    if (motorText)
        posix_spawn_file_actions_adddup2(&files, motorSocket[1], STDIN_FILENO);
    pid_t pid = 0;
    const int spawnError = posix_spawn(&pid, program.c_str(), &files, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    if (motorText) {
        close(motorSocket[1]);
        for (std::size_t sent = 0; spawnError == 0 && sent < motorText->size();) {
            const ssize_t n = send(motorSocket[0], motorText->data() + sent, motorText->size() - sent, MSG_NOSIGNAL);
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                break; // the drawing program ended early: its status tells why
            sent += static_cast<std::size_t>(n);
        }
        close(motorSocket[0]);
    }
    if (spawnError != 0)
        return Fail("cannot run " + program + ": " + std::strerror(spawnError));
    int status = 0;
    while (waitpid(pid, &status, 0) < 0)
        if (errno != EINTR)
            return Fail(std::string("cannot wait for the drawing program: ") + std::strerror(errno));
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    return Fail("the drawing program ended by signal " + std::to_string(WTERMSIG(status)));
}
