// The simulator's byte log: one line per chunk read from or written to the line,
//   <milliseconds since start> rx|tx <hex bytes>  |<text>|
// with two upper-case hex digits a byte, blank-separated, and the text showing bytes outside
// 32-126 as ".". Concatenating the hex of the rx lines gives back the received stream exactly.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace talvo::sim {

enum class Direction { kReceived, kSent };

// One line of the log, without its line end.
std::string FormatLogLine(long long milliseconds, Direction direction, std::string_view bytes);

class SimLog {
public:
    SimLog() = default;
    ~SimLog();
    SimLog(const SimLog&) = delete;
    SimLog& operator=(const SimLog&) = delete;

    // Creates (or empties) the file; false when it cannot be written.
    [[nodiscard]] bool Open(const std::string& path);
    // Writes and flushes one line; nothing when no file is open or `bytes` is empty.
    void Write(long long milliseconds, Direction direction, std::string_view bytes);

private:
    std::FILE* file_ = nullptr;
};

}  // namespace talvo::sim
