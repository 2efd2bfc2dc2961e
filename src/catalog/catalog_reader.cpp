#include "catalog/catalog_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace talvo {

bool CatalogReader::Open(const std::string& path) {
    Close();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    file_ = std::fopen(path.c_str(), "rb");
    return file_ != nullptr;
}

void CatalogReader::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    buffer_.clear();
    next_ = 0;
}

namespace {

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

bool CatalogReader::Fill() {
    buffer_.resize(kChunk);
    std::size_t got = std::fread(buffer_.data(), 1, kChunk, file_);
    buffer_.resize(got);
    next_ = 0;
    return got > 0;
}

bool CatalogReader::ReadNextEntry(std::string& line) {
    line.clear();
    if (file_ == nullptr) return false;
    if (next_ >= buffer_.size() && !Fill()) return false;
    for (;;) {
        const char* start = buffer_.data() + next_;
        std::size_t available = buffer_.size() - next_;
        const void* end = std::memchr(start, '\n', available);
        std::size_t take = end ? static_cast<std::size_t>(static_cast<const char*>(end) - start) : available;
        if (line.size() < kMaxLineLength) line.append(start, std::min(take, kMaxLineLength - line.size()));
        next_ += take;
        if (end) {
            ++next_;  // past the line feed
            break;
        }
        if (!Fill()) break;  // the last line has no line end
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
}

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

std::string CatalogPath(const std::string& folder, const std::string& fileName) { return WithSlash(folder) + fileName; }

}  // namespace talvo
