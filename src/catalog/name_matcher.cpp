#include "catalog/name_matcher.h"

#include <array>
#include <cctype>

namespace talvo {

namespace {

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

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
                    int o) {
    const int length = static_cast<int>(pattern.size());
    int j = j0;
    int r = 0;
    for (;;) {
        ++j;
        if (j > length) return true;
        if (o > width - (length - j)) return false;
        if (pattern[j - 1] == '*') continue;
        for (;;) {
            char ch = Upper(RawAt(line, startColumn, o));
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

std::string MakePattern(std::string_view typed) {
    std::string pattern;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] == ' ' && i + 1 < typed.size()) continue;
        pattern += Upper(typed[i]);
    }
    return pattern;
}

int MatchName(std::string_view line, int startColumn, std::string_view pattern, const MatchOptions& options,
              MatchFlags& flags) {
    const int width = options.longNameSearch ? kLongNameWidth : kNameWidth;
    const int length = static_cast<int>(pattern.size());

    // The compressed name: upper case, no spaces, no markers outside Best of the Sky.
    std::array<char, kLongNameWidth + 1> name{};
    int nameLength = 0;
    for (int o = 0; o < width; ++o) {
        char c = RawAt(line, startColumn, o);
        if (c == ' ' || (!options.bestOfSearch && (c == '&' || c == '^'))) continue;
        name[nameLength++] = Upper(c);
    }
    if (nameLength == 0) return 0;
    for (int i = nameLength; i < width; ++i) name[i] = ' ';
    name[width] = ' ';  // one blank past the window

    if (options.ignoreInvalid && (StartsWith(name.data(), nameLength, "NONEXISTENT") ||
                                  StartsWith(name.data(), nameLength, "STARS:") ||
                                  StartsWith(name.data(), nameLength, "STAR:"))) {
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
            if (MatchAfterStar(line, startColumn, width, pattern, q, n)) return 1;
        }
        if (name[n] != c) return 0;
        ++k;
        ++p;
        ++n;
        if (p > length) break;
        if (n >= width) return k;
    }
    int meaningful = pattern.back() == ' ' ? length - 1 : length;
    if (nameLength == meaningful) {
        flags.exactMatch = true;
        if (startColumn < 13) flags.exactName1 = true;
    }
    return k;
}

}  // namespace talvo
