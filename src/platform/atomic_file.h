// Replacing a file whole: readers see the old bytes or the new ones, never a mixture.
#pragma once

#include <string>
#include <string_view>

namespace talvo::platform {

struct FileWriteStatus {
    bool ok = false;
    std::string reason;  // the system's words for the failure ("No space left on device"); empty when ok
};

// Writes `bytes` to a temporary file of unique name in the target's directory, flushes it to the
// disk, renames it over `path` and flushes the directory, so that the new file survives a crash
// once this returns. On any failure the temporary file is removed and the old file, if any, is
// left whole. A new file takes the mode of the one it replaces, or 0644.
[[nodiscard]] FileWriteStatus WriteFileAtomically(const std::string& path, std::string_view bytes);

// Copies the file `from` to `to` as WriteFileAtomically writes it (a new file gets mode 0644,
// whatever the source's). On failure `to` is as it was.
[[nodiscard]] FileWriteStatus CopyFileAtomically(const std::string& from, const std::string& to);

}  // namespace talvo::platform
