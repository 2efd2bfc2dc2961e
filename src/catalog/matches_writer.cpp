#include "catalog/matches_writer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace talvo {

void MatchesFile::Fail(int errorNumber) {
    if (error_.empty()) error_ = std::strerror(errorNumber);
}

bool MatchesFile::Open(const std::string& path) {
    static_cast<void>(Close());
    path_ = path;
    error_.clear();
    file_ = std::fopen((path + ".tmp").c_str(), "wb");
    if (file_ != nullptr) return true;
    Fail(errno);
    std::remove(path_.c_str());
    return false;
}

void MatchesFile::WriteLine(const std::string& text) {
    if (file_ == nullptr || !error_.empty()) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::fputs("\r\n", file_) < 0) {
        Fail(errno);
    }
}

bool MatchesFile::Close() {
    if (file_ == nullptr) return error_.empty();
    if (std::fclose(file_) != 0) Fail(errno);
    file_ = nullptr;
    const std::string temporary = path_ + ".tmp";
    if (error_.empty() && std::rename(temporary.c_str(), path_.c_str()) != 0) Fail(errno);
    if (!error_.empty()) {
        std::remove(temporary.c_str());
        std::remove(path_.c_str());
    }
    return error_.empty();
}

}  // namespace talvo
