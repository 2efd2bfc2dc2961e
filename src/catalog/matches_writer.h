// Writing the matches file, the text report of the matches of the last scan.
#pragma once

#include <cstdio>
#include <string>
#include <utility>

namespace talvo {

// Written to a temporary file beside its final name and renamed into place when closed, so the
// file the observer opens is never half-written. Lines end in CR LF. When the new file cannot
// be written whole, the previous one is removed as well, so that no older list passes for the
// matches of this scan; Error() says why.
class MatchesFile {
public:
    MatchesFile() = default;
    ~MatchesFile() { static_cast<void>(Close()); }
    MatchesFile(const MatchesFile&) = delete;
    MatchesFile& operator=(const MatchesFile&) = delete;

    // Starts a new file that will replace `path`; false when it cannot be written.
    [[nodiscard]] bool Open(const std::string& path);
    bool IsOpen() const { return file_ != nullptr; }
    void WriteLine(const std::string& text);
    // Finishes the file and puts it in place; false when it could not be written whole (or
    // could not be started). Nothing happens, and the last result stands, when none is open.
    [[nodiscard]] bool Close();

    // Why the last file could not be written; empty when it was.
    const std::string& Error() const { return error_; }

private:
    void Fail(int errorNumber);

    std::FILE* file_ = nullptr;
    std::string path_;
    std::string error_;
};

}  // namespace talvo
