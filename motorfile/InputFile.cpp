// Opening without blocking, then waiting a bounded time for a FIFO's or device's first byte.
#include "InputFile.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

InputFile Failed(int fd, int error)
{
    if (fd >= 0)
        ::close(fd);
    return {-1, error, {}};
}

bool MakeBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

} // namespace

InputFile OpenInputFile(const std::string& path, std::chrono::milliseconds wait)
{
    // Without O_NONBLOCK, opening a FIFO waits for a writer that may never come.
    int fd = -1;
    do
        fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return Failed(-1, errno);
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return Failed(fd, errno);
    if (S_ISDIR(info.st_mode))
        return Failed(fd, EISDIR);
    InputFile file{fd, 0, {}};
    if (!S_ISREG(info.st_mode)) {
        // A byte: data is there. EAGAIN: a writer is there and will say more. Nothing: no writer yet
        // (or one that left without a word), so one is waited for, a bounded time.
        char byte = 0;
        ssize_t n = 0;
        do
            n = ::read(fd, &byte, 1);
        while (n < 0 && errno == EINTR);
        if (n > 0) {
            file.taken.assign(1, byte);
        } else if (n == 0) {
            pollfd p{fd, POLLIN, 0};
            int ready = 0;
            const auto until = std::chrono::steady_clock::now() + wait;
            do {
                const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                    until - std::chrono::steady_clock::now());
                ready = ::poll(&p, 1, static_cast<int>(std::max<long long>(0, left.count())));
            } while (ready < 0 && errno == EINTR);
            if (ready < 0)
                return Failed(fd, errno);
            if (ready == 0)
                return Failed(fd, NoWriterError);
        } else if (errno != EAGAIN) {
            return Failed(fd, errno);
        }
    }
    if (!MakeBlocking(fd))
        return Failed(fd, errno);
    return file;
}

int ReadRest(InputFile& file, std::size_t limit)
{
    const std::size_t start = file.taken.size();
    file.taken.resize(std::max(start, limit));
    std::size_t got = start;
    while (got < file.taken.size()) {
        const ssize_t n = ::read(file.fd, file.taken.data() + got, file.taken.size() - got);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int error = errno;
            file.taken.resize(got);
            return error;
        }
        if (n == 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    file.taken.resize(got);
    return 0;
}
