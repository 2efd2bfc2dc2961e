// Replacing a whole file so that readers see either the old contents or the new, never a part.
#pragma once

#include <string>

namespace talvo::platform {

// The outcome of a file operation: ok, or the system's reason it failed ("Permission denied").
struct FileStatus {
    bool ok = false;
    std::string reason;  // empty when ok
};

// Writes `bytes` to a temporary file beside `path`, flushes it to the disk and renames it over
// `path`; the directory is flushed too, so the new name survives a crash. On failure the
// temporary file is removed and whatever was at `path` is left as it was.
[[nodiscard]] FileStatus WriteFileAtomically(const std::string& path, const std::string& bytes);

}  // namespace talvo::platform
