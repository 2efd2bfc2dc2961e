// Reads a catalog file line by line, without loading it.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace talvo {

// Lines end in CR LF or LF; the line end is not part of the line. A line longer than
// kMaxLineLength is cut there (the rest of it is skipped): catalog fields end at column 100.
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
        }
        return *this;
    }

    // Opens a regular file for reading; false for a missing file, a directory or a device.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    // The next line into `line`; false at the end of the file (or when nothing is open).
    bool ReadNextEntry(std::string& line);

private:
    bool Fill();

    std::FILE* file_ = nullptr;
    std::string buffer_;    // bytes read ahead
    std::size_t next_ = 0;  // first unread byte of buffer_
};

// The folder with a "/" at its end (an empty folder stays empty).
std::string WithSlash(const std::string& folder);

// The folder and the file name joined with one "/" between them.
std::string CatalogPath(const std::string& folder, const std::string& fileName);

}  // namespace talvo
