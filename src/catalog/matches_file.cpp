#include "catalog/matches_file.h"

#include <cstdio>

namespace talvo {

bool MatchesFile::Open(const std::string& path) {
    Close();
    path_ = path;
    failed_ = false;
    file_ = std::fopen((path + ".tmp").c_str(), "wb");
    return file_ != nullptr;
}

void MatchesFile::WriteLine(const std::string& text) {
    if (file_ == nullptr) return;
    if (std::fwrite(text.data(), 1, text.size(), file_) != text.size() || std::fputs("\r\n", file_) < 0) {
        failed_ = true;
    }
}

void MatchesFile::Close() {
    if (file_ == nullptr) return;
    bool ok = std::fclose(file_) == 0 && !failed_;
    file_ = nullptr;
    std::string temporary = path_ + ".tmp";
    // A file that could not be written completely is dropped and the previous one kept.
    if (!ok || std::rename(temporary.c_str(), path_.c_str()) != 0) std::remove(temporary.c_str());
}

}  // namespace talvo
