// Writing a file whole or not at all: an unnamed (or briefly named) file in the target's folder, fsync,
// rename over the target, fsync of the folder.
#include "ReplaceFile.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "Translation.h"

namespace {

constexpr const char* NotRegular = ORBITEK_TR_NOOP("ReplaceFile",
                                                   "není to obyčejný soubor (ale FIFO, zařízení nebo soket)");
constexpr const char* LinkLoop = ORBITEK_TR_NOOP("ReplaceFile", "příliš mnoho symbolických odkazů");

constexpr mode_t NewFileMode = 0666; // less the umask, as any program's new file
constexpr int MaxLinks = 40;         // as the kernel's own limit on links followed
constexpr int NameAttempts = 100;

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Reason(int error)
{
    return std::strerror(error);
}

int WriteAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return ENOSPC;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return ::fsync(fd) == 0 ? 0 : errno;
}

mode_t ModeFor(const struct stat* old)
{
    if (old)
        return old->st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return NewFileMode & ~mask;
}

// A short name in `folder` that no file has now: a long target name leaves no room for a suffix.
std::string TemporaryName(const std::string& folder)
{
    static std::atomic<unsigned> counter{std::random_device{}()};
    constexpr char Digits[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    unsigned n = counter.fetch_add(2654435761u) ^ static_cast<unsigned>(::getpid());
    std::string name = folder + "/.orbitek-";
    for (int i = 0; i < 8; ++i, n /= 36)
        name += Digits[n % 36];
    return name;
}

// The bytes written and synced into a file of no name in `folder`, then given a short one; -1 with errno
// set when the file system has no unnamed files or the name cannot be given (then nothing is left).
int UnnamedFile(const std::string& folder, mode_t mode, std::string_view bytes, std::string& name, int& writeError)
{
#ifdef O_TMPFILE
    const int fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
    if (fd < 0)
        return -1;
    writeError = ::fchmod(fd, mode) == 0 ? WriteAll(fd, bytes) : errno;
    if (writeError != 0) {
        ::close(fd); // the file goes with its last descriptor
        return 0;
    }
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int i = 0; i < NameAttempts; ++i) {
        name = TemporaryName(folder);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
            if (::close(fd) != 0) {
                writeError = errno;
                ::unlink(name.c_str());
            }
            return 0;
        }
        if (errno != EEXIST)
            break;
    }
    const int error = errno;
    ::close(fd);
    errno = error;
    return -1;
#else
    (void)folder, (void)mode, (void)bytes, (void)name, (void)writeError;
    errno = EOPNOTSUPP;
    return -1;
#endif
}

// The same with a short name from the start, where unnamed files are not to be had.
int NamedFile(const std::string& folder, mode_t mode, std::string_view bytes, std::string& name, int& writeError)
{
    int fd = -1;
    for (int i = 0; i < NameAttempts && fd < 0; ++i) {
        name = TemporaryName(folder);
        fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd < 0 && errno != EEXIST)
            return -1;
    }
    if (fd < 0)
        return -1;
    writeError = ::fchmod(fd, mode) == 0 ? WriteAll(fd, bytes) : errno;
    if (::close(fd) != 0 && writeError == 0)
        writeError = errno;
    if (writeError != 0)
        ::unlink(name.c_str());
    return 0;
}

} // namespace

std::optional<std::string> SaveTarget(const std::string& path)
{
    std::string target = path;
    for (int i = 0; i < MaxLinks; ++i) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode))
            return target;
        std::string link(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0 || static_cast<std::size_t>(n) >= link.size())
            return target; // changed under us: the rename then meets whatever is there
        link.resize(static_cast<std::size_t>(n));
        target = !link.empty() && link.front() == '/' ? link : FolderOf(target) + "/" + link;
    }
    return std::nullopt;
}

std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes)
{
    const std::optional<std::string> resolved = SaveTarget(path);
    if (!resolved)
        return translation::Text("ReplaceFile", LinkLoop);
    const std::string& target = *resolved;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && S_ISDIR(old.st_mode))
        return Reason(EISDIR);
    if (exists && !S_ISREG(old.st_mode))
        return translation::Text("ReplaceFile", NotRegular);

    const std::string folder = FolderOf(target);
    const mode_t mode = ModeFor(exists ? &old : nullptr);
    std::string temporary;
    int error = 0;
    if (UnnamedFile(folder, mode, bytes, temporary, error) != 0 &&
        NamedFile(folder, mode, bytes, temporary, error) != 0)
        return Reason(errno);
    if (error != 0)
        return Reason(error);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        error = errno;
        ::unlink(temporary.c_str());
        return Reason(error);
    }
    // The rename itself lasts once the folder is on disk; a folder that cannot be synced is no failure.
    const int folderFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        ::fsync(folderFd);
        ::close(folderFd);
    }
    return std::nullopt;
}

void ReportFileSizeLimitAsError()
{
    std::signal(SIGXFSZ, SIG_IGN);
}
