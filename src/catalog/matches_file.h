// The matches file: a text report of the matches of the last scan.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace talvo {

// Written to a temporary file beside its final name and renamed into place when closed, so the
// file the observer opens is never half-written. Lines end in CR LF.
class MatchesFile {
public:
    MatchesFile() = default;
    ~MatchesFile() { Close(); }
    MatchesFile(const MatchesFile&) = delete;
    MatchesFile& operator=(const MatchesFile&) = delete;
    MatchesFile(MatchesFile&& other) noexcept { *this = std::move(other); }
    MatchesFile& operator=(MatchesFile&& other) noexcept {
        if (this != &other) {
            Close();
            file_ = std::exchange(other.file_, nullptr);
            path_ = std::move(other.path_);
            failed_ = other.failed_;
        }
        return *this;
    }

    // Starts a new file that will replace `path`; false when it cannot be written.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    void WriteLine(const std::string& text);
    // Finishes the file and puts it in place (nothing happens when none is open).
    void Close();

private:
    std::FILE* file_ = nullptr;
    std::string path_;
    bool failed_ = false;
};

}  // namespace talvo
