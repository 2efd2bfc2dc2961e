// Reads a catalog file line by line through a buffer of fixed size, without loading it.
#pragma once

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>

namespace talvo {

// Lines end in CR LF or LF; the line end is not part of the line. A line longer than
// kMaxLineLength is cut there (the rest of it is skipped): catalog fields end at column 100.
// The memory used is the same for a catalog of any size.
class CatalogReader {
public:
    static constexpr std::size_t kMaxLineLength = 1024;

    CatalogReader() = default;
    ~CatalogReader() { Close(); }
    CatalogReader(const CatalogReader&) = delete;
    CatalogReader& operator=(const CatalogReader&) = delete;
    CatalogReader(CatalogReader&& other) noexcept { *this = std::move(other); }
    CatalogReader& operator=(CatalogReader&& other) noexcept {
        if (this != &other) {
            Close();
            file_ = std::exchange(other.file_, nullptr);
            buffer_ = std::move(other.buffer_);
            next_ = std::exchange(other.next_, 0);
            end_ = std::exchange(other.end_, 0);
            skipping_ = std::exchange(other.skipping_, false);
        }
        return *this;
    }

    // Opens a regular file for reading; false for a missing file, a directory or a device.
    [[nodiscard]] bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // The next line, seen where it lies in the reader's buffer: valid until the next read or
    // Close. False at the end of the file (or when nothing is open).
    [[nodiscard]] bool NextLine(std::string_view& line);

    // The next line copied into `line`; false at the end of the file (or when nothing is open).
    [[nodiscard]] bool ReadNextEntry(std::string& line);

private:
    bool Refill();

    std::FILE* file_ = nullptr;
    std::unique_ptr<char[]> buffer_;  // kBufferSize bytes, made on the first Open
    std::size_t next_ = 0;            // first unread byte of buffer_
    std::size_t end_ = 0;             // end of the bytes read into buffer_
    bool skipping_ = false;           // the rest of a line cut at kMaxLineLength is still to pass
};

// The folder with a "/" at its end (an empty folder stays empty).
std::string WithSlash(const std::string& folder);

// The folder and the file name joined with one "/" between them.
std::string CatalogPath(const std::string& folder, const std::string& fileName);

}  // namespace talvo
