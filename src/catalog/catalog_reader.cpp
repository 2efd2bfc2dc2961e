#include "catalog/catalog_reader.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace talvo {

namespace {

// 256 KiB a read: some 2,600 catalog lines, so the cost of a read is spread thin, while the
// buffer still fits a core's cache. It must be well above kMaxLineLength, which is all that is
// ever kept from one fill to the next.
constexpr std::size_t kBufferSize = std::size_t{256} << 10;
static_assert(kBufferSize > 4 * CatalogReader::kMaxLineLength);

// The line less a CR at its end, cut at kMaxLineLength first.
std::string_view LineAt(const char* start, std::size_t length) {
    length = std::min(length, CatalogReader::kMaxLineLength);
    if (length > 0 && start[length - 1] == '\r') --length;
    return {start, length};
}

}  // namespace

bool CatalogReader::Open(const std::string& path) {
    Close();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return false;
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) return false;
    // The reads go straight into buffer_, without a second buffer inside the C library.
    std::setvbuf(file_, nullptr, _IONBF, 0);
    buffer_ = std::make_unique_for_overwrite<char[]>(kBufferSize);
    return true;
}

void CatalogReader::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    buffer_.reset();
    next_ = end_ = 0;
    skipping_ = false;
}

// Moves the unread bytes (a part of a line, shorter than kMaxLineLength) to the front of the
// buffer and reads on after them; false when nothing more could be read.
bool CatalogReader::Refill() {
    const std::size_t kept = end_ - next_;
    std::memmove(buffer_.get(), buffer_.get() + next_, kept);
    next_ = 0;
    end_ = kept + std::fread(buffer_.get() + kept, 1, kBufferSize - kept, file_);
    return end_ > kept;
}

bool CatalogReader::NextLine(std::string_view& line) {
    if (file_ == nullptr) return false;
    for (;;) {
        const char* start = buffer_.get() + next_;
        const std::size_t available = end_ - next_;
        const void* feed = std::memchr(start, '\n', available);
        const std::size_t length =
            feed != nullptr ? static_cast<std::size_t>(static_cast<const char*>(feed) - start) : available;
        if (skipping_) {
            next_ += length;
            if (feed == nullptr) {
                if (!Refill()) return false;
                continue;
            }
            ++next_;  // past the line feed
            skipping_ = false;
            continue;
        }
        if (feed != nullptr) {
            next_ += length + 1;
            line = LineAt(start, length);
            return true;
        }
        if (available >= kMaxLineLength) {
            next_ += kMaxLineLength;
            skipping_ = true;
            line = LineAt(start, kMaxLineLength);
            return true;
        }
        if (!Refill()) {
            if (next_ == end_) return false;
            line = LineAt(buffer_.get() + next_, end_ - next_);  // the last line has no line end
            next_ = end_;
            return true;
        }
    }
}

bool CatalogReader::ReadNextEntry(std::string& line) {
    std::string_view view;
    if (!NextLine(view)) {
        line.clear();
        return false;
    }
    line.assign(view);
    return true;
}

std::string WithSlash(const std::string& folder) {
    return folder.empty() || folder.back() == '/' ? folder : folder + "/";
}

std::string CatalogPath(const std::string& folder, const std::string& fileName) {
    return WithSlash(folder) + fileName;
}

}  // namespace talvo
