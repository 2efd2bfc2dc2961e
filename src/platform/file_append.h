// Appending a line to a text file without ever leaving part of it behind.
#pragma once

#include <string>

namespace talvo::platform {

// Appends `line` (which carries its own line end) to the file at `path`, creating the file when
// it is missing. When the file's last byte is not a line feed, "\r\n" goes first so the new
// line does not run on from the last one. The bytes are written in one piece; if that fails
// the file is cut back to its old length. False when nothing could be appended.
bool AppendLine(const std::string& path, const std::string& line);

}  // namespace talvo::platform
