// Writing a file whole or not at all, without Qt: a temporary file beside it, synced, then renamed over it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` to `path` so that a reader sees the old file or the new one, never a part; a new file
// gets the usual permissions, a replaced one keeps its own. The reason of a failure (the old file, if
// any, then stands as it was and no temporary file is left), or nothing.
std::optional<std::string> ReplaceFile(const std::string& path, std::string_view bytes);
