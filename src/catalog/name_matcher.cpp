#include "catalog/name_matcher.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstring>

namespace talvo {

namespace {

// Upper case as the C library gives it in the process's locale (which the program sets before
// its first search), from a table made on first use: a scan asks for it for every column of
// every name it looks at, so the matcher takes the table once and looks the bytes up itself.
class UpperCase {
public:
    UpperCase() : table_(Table()) {}
    char operator()(char c) const { return table_[static_cast<unsigned char>(c)]; }

private:
    static const std::array<char, 256>& Table() {
        static const std::array<char, 256> table = [] {
            std::array<char, 256> upper{};
            for (int i = 0; i < 256; ++i) {
                upper[static_cast<std::size_t>(i)] = static_cast<char>(std::toupper(i));
            }
            return upper;
        }();
        return table;
    }
    const std::array<char, 256>& table_;
};

// The raw character at 0-based offset `o` of the window starting at 1-based `startColumn`;
// columns past the end of a short line read as spaces.
char RawAt(std::string_view line, int startColumn, int o) {
    std::size_t index = static_cast<std::size_t>(startColumn - 1 + o);
    return index < line.size() ? line[index] : ' ';
}

bool StartsWith(const char* text, int length, std::string_view prefix) {
    return static_cast<int>(prefix.size()) <= length && std::string_view(text, prefix.size()) == prefix;
}

// The continuation after a "*" at pattern position j0 (1-based), scanning the raw window from
// offset o: spaces inside the raw name are skipped (except for the last pattern character),
// markers are compared like any other character, and a partial match backs off to one column
// after where it began.
bool MatchAfterStar(std::string_view line, int startColumn, int width, std::string_view pattern, int j0,
                    int o, const UpperCase& upper) {
    const int length = static_cast<int>(pattern.size());
    // Every try begins by looking for the first character after the stars: when the rest of the
    // window lacks it, no try can succeed.
    int literal = j0;
    while (literal < length && pattern[literal] == '*') ++literal;
    if (literal < length) {
        int at = o;
        while (at < width && upper(RawAt(line, startColumn, at)) != pattern[literal]) ++at;
        if (at >= width) return false;
    }
    int j = j0;
    int r = 0;
    for (;;) {
        ++j;
        if (j > length) return true;
        if (o > width - (length - j)) return false;
        if (pattern[j - 1] == '*') continue;
        for (;;) {
            char ch = upper(RawAt(line, startColumn, o));
            ++o;
            if (o > width - (length - j)) return false;
            if (ch == ' ' && j < length) continue;
            if (ch == pattern[j - 1]) {
                ++r;
                break;
            }
            if (r > 0) {
                j = j0;
                o -= r;
                r = 0;
                break;
            }
        }
    }
}

}  // namespace

int MatchName(std::string_view line, int startColumn, std::string_view pattern, const MatchOptions& options,
              MatchFlags& flags) {
    const int width = options.longNameSearch ? kLongNameWidth : kNameWidth;
    const int length = static_cast<int>(pattern.size());
    const UpperCase upper;

    // The window's columns that the line has; those past the end of a short line are blank.
    const std::size_t first = static_cast<std::size_t>(startColumn - 1);
    const std::string_view window = first < line.size() ? line.substr(first, width) : std::string_view();
    // Spaces, and the markers outside Best of the Sky, are no part of the name.
    auto counts = [&options](char c) { return c != ' ' && (options.bestOfSearch || (c != '&' && c != '^')); };

    // Most names are told from their first two characters, or from the wildcard's scan of the raw
    // window, before the name is compressed. A name that may mark an invalid entry is always
    // compressed, since that is reported whether or not the pattern matches.
    std::size_t lead = 0;
    while (lead < window.size() && !counts(window[lead])) ++lead;
    if (lead == window.size()) return 0;
    std::size_t next = lead + 1;
    while (next < window.size() && !counts(window[next])) ++next;
    const char initial = upper(window[lead]);
    const char second = next < window.size() ? upper(window[next]) : ' ';
    const bool mayBeInvalid =
        options.ignoreInvalid && ((initial == 'N' && second == 'O') || (initial == 'S' && second == 'T'));
    if (!mayBeInvalid) {
        if (length == 0) return 0;
        if (pattern[0] == '*') {
            // The continuation starts at the window's first column; failing there, only a name
            // that begins with a "*" of its own can still match.
            const int q = length > 1 && pattern[1] == '*' ? 2 : 1;
            if (MatchAfterStar(line, startColumn, width, pattern, q, 0, upper)) return 1;
            if (initial != '*') return 0;
        } else if (pattern[0] != ' ') {
            if (pattern[0] != initial) return 0;
            if (length > 1 && pattern[1] != ' ' && pattern[1] != '*' && pattern[1] != second) return 0;
        }
    }

    // The compressed name: upper case, no spaces, no markers outside Best of the Sky, padded with
    // blanks to the window's width and one more.
    std::array<char, kLongNameWidth + 1> name;
    int nameLength = 0;
    for (std::size_t o = lead; o < window.size(); ++o) {
        if (counts(window[o])) name[nameLength++] = upper(window[o]);
    }
    std::fill(name.begin() + nameLength, name.begin() + width + 1, ' ');

    if (mayBeInvalid &&
        (StartsWith(name.data(), nameLength, "NONEXISTENT") ||
         StartsWith(name.data(), nameLength, "STARS:") || StartsWith(name.data(), nameLength, "STAR:"))) {
        flags.invalidEntry = true;
    }
    if (length == 0) return 0;

    int p = 1;  // pattern position, 1-based
    int n = 0;  // compressed characters consumed
    int k = 0;  // characters matched
    for (;;) {
        char c = pattern[p - 1];
        if (c == ' ' && p < length) {
            ++p;
            continue;
        }
        while (name[n] == ' ' && c != ' ') {  // the name has ended before the pattern
            ++n;
            if (n >= width) return 0;
        }
        if (c == '*') {
            int q = (p < length && pattern[p] == '*') ? p + 1 : p;
            if (MatchAfterStar(line, startColumn, width, pattern, q, n, upper)) return 1;
        }
        if (name[n] != c) return 0;
        ++k;
        ++p;
        ++n;
        if (p > length) break;
        // Past the window's last column the name has ended: a trailing blank still to come asks
        // just that, and is compared with the blank after the window.
        if (n >= width && !(p == length && pattern[p - 1] == ' ')) return k;
    }
    int meaningful = pattern.back() == ' ' ? length - 1 : length;
    if (nameLength == meaningful) {
        flags.exactMatch = true;
        if (startColumn < 13) flags.exactName1 = true;
    }
    return k;
}

NamePrefilter::NamePrefilter(std::string_view pattern, const MatchOptions& options) {
    everyLine_ = pattern.empty() || pattern[0] == '*' || pattern[0] == ' ';
    if (options.longNameSearch) {
        first_ = static_cast<std::size_t>(kNameColumn[4].first - 1);
        width_ = kLongNameWidth;
    } else {
        first_ = static_cast<std::size_t>(kNameColumn[0].first - 1);
        width_ = static_cast<std::size_t>(kNameColumn[4].first - 1 + kNameWidth);
    }
    if (everyLine_) return;
    const UpperCase upper;
    for (int byte = 0; byte < 256; ++byte) {
        if (upper(static_cast<char>(byte)) == pattern[0]) {
            initials_[initialCount_++] = static_cast<char>(byte);
        }
    }
}

bool NamePrefilter::MayMatch(std::string_view line) const {
    if (everyLine_) return true;
    if (first_ >= line.size()) return false;
    const std::string_view windows = line.substr(first_, width_);
    for (std::size_t i = 0; i < initialCount_; ++i) {
        if (std::memchr(windows.data(), initials_[i], windows.size()) != nullptr) return true;
    }
    return false;
}

}  // namespace talvo
