#include "sim/sim_log.h"

namespace talvo::sim {

std::string FormatLogLine(long long milliseconds, Direction direction, std::string_view bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string line = std::to_string(milliseconds) + (direction == Direction::kReceived ? " rx" : " tx");
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        line += ' ';
        line += kDigits[byte >> 4];
        line += kDigits[byte & 0xF];
        text += byte >= 32 && byte <= 126 ? c : '.';
    }
    return line + "  |" + text + "|";
}

SimLog::~SimLog() {
    if (file_ != nullptr) std::fclose(file_);
}

bool SimLog::Open(const std::string& path) {
    if (file_ != nullptr) std::fclose(file_);
    file_ = std::fopen(path.c_str(), "w");
    return file_ != nullptr;
}

void SimLog::Write(long long milliseconds, Direction direction, std::string_view bytes) {
    if (file_ == nullptr || bytes.empty()) return;
    const std::string line = FormatLogLine(milliseconds, direction, bytes) + "\n";
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fflush(file_);
}

}  // namespace talvo::sim
