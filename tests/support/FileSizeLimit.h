// A limit on the size of the files a process writes, standing in for a full disk: a write past it fails
// with EFBIG instead of ending the process, and a child started meanwhile inherits both. With
// `signalIgnored` false the signal keeps its default (ending the process), as a shell's `ulimit -f` leaves
// it: a program must then ignore it itself to report the failure.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes, bool signalIgnored = true)
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, signalIgnored ? SIG_IGN : SIG_DFL);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit saved_{};
    void (*previous_)(int) = SIG_DFL;
};
