// Writing a file whole or not at all, without Qt: every save of the program goes through here.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` to `path` so that a reader sees the old file or the new one, never a part; a new file
// gets the usual permissions, a replaced one keeps its own. A symbolic link is followed and kept: the
// file it points to is replaced. A target that is there and is no regular file (a folder, a FIFO, a
// device, a socket) is refused untouched. The temporary file has no name where the file system allows
// it, otherwise a short one beside the target, so that any legal name can be written. The reason of a
// failure (the old file, if any, then stands as it was and no temporary file is left), or nothing.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes);

// The file a save of `path` writes: `path` with every symbolic link on its last part followed, even to a
// file not there yet. `path` itself when it is no link; nothing for a loop of links.
std::optional<std::string> SaveTarget(const std::string& path);

// A file too large for its own process's limit sends SIGXFSZ, which ends the process by default: ignored,
// the write fails with EFBIG and is reported like any other. Each program calls this once at its start.
void ReportFileSizeLimitAsError();
