// Opening a file to read without hanging: a FIFO or a device that no process writes to would block
// open() and read() for good. No Qt: the calculator and the window read through it.
#pragma once

#include <chrono>
#include <optional>
#include <string>

// How long a FIFO or device with no writer is waited for before it is refused.
constexpr std::chrono::milliseconds WriterWait{3000};

// An error number of our own beside errno's: a FIFO or device that no process wrote to in WriterWait.
constexpr int NoWriterError = -1;

// An open file (blocking, close-on-exec, to be closed by the caller) and the bytes already taken from it
// while looking for a writer; or the error number (errno's, or NoWriterError) and no descriptor. A
// pipe or FIFO whose writer is there is waited for as long as that writer takes: it may be slow.
struct InputFile {
    int fd = -1;
    int error = 0;
    std::string taken;
};
InputFile OpenInputFile(const std::string& path, std::chrono::milliseconds wait = WriterWait);

// Reads what is left of `file`, appended to `file.taken`, to its end or until `file.taken` holds `limit`
// bytes; errno's number when a read fails, or 0.
int ReadRest(InputFile& file, std::size_t limit);
