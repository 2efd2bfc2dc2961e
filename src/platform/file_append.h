// Appending lines to a text file without ever leaving part of them behind.
#pragma once

#include <string>

namespace talvo::platform {

// Appends `line` (which carries its own line end) to the file at `path`, creating the file when
// it is missing. When the file's last byte is not a line feed, "\r\n" goes first so the new
// line does not run on from the last one. The file is opened for appending and held under an
// exclusive advisory lock, so that two TALVO processes adding to one catalog each add whole
// lines; the bytes go in one write, and if it fails or falls short the file is cut back to its
// old length. False when nothing could be appended.
[[nodiscard]] bool AppendLine(const std::string& path, const std::string& line);

// AppendLine for a block of several lines (each with its own line end), which goes in whole,
// in one write under the lock: another process appending to the same file adds its lines
// before or after the block, never among them.
[[nodiscard]] bool AppendText(const std::string& path, const std::string& lines);

// Makes a write past the file-size limit fail with an error instead of ending the process, so
// that a failed write is rolled back and reported. Called once at start-up.
void IgnoreFileSizeSignal();

}  // namespace talvo::platform
