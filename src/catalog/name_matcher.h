// Does one name field of a catalog line match a search pattern?
//
// A prefix match on the name with its spaces removed, case-insensitive, with "*" as a wildcard;
// a trailing space in the pattern demands that the name ends there. The matcher works on the
// raw line, so a search needs no parsing or astronomy for lines whose names do not match.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "catalog/catalog_columns.h"

namespace talvo {

inline constexpr int kNameWidth = kNameColumn[0].width;
inline constexpr int kLongNameWidth = 24;  // a long-name search reads 24 columns from name 5

struct MatchOptions {
    bool longNameSearch = false;  // the window is 24 columns wide
    bool bestOfSearch = false;    // "&" and "^" (the Best-of markers) take part in the comparison
    bool ignoreInvalid = false;   // report fields that mark non-existent objects and single stars
};

// Per-line results, cleared by the caller before each line.
struct MatchFlags {
    bool exactMatch = false;    // the pattern (less a trailing space) is the whole name
    bool exactName1 = false;    // ... and the field is name 1
    bool invalidEntry = false;  // the field begins "NONEXISTENT", "STARS:" or "STAR:"
};

// Compares `pattern` with the name window of `line` starting at `startColumn` (1-based).
// Returns 0 for no match; otherwise the number of pattern characters matched literally, or 1
// when the match went through a wildcard. Sets `flags` as described at MatchFlags.
int MatchName(std::string_view line, int startColumn, std::string_view pattern, const MatchOptions& options,
              MatchFlags& flags);

// A look at the whole line before its names are compared one by one, for a scan that tests every
// name field (or, in a long-name search, the long name). A name matches a pattern that begins
// with a character only when its first character is that one in upper case, so a line with no
// such byte anywhere in its name windows cannot match: most lines of a catalog are passed over
// after a search of some 60 bytes for one or two values.
class NamePrefilter {
public:
    NamePrefilter(std::string_view pattern, const MatchOptions& options);

    // False only when no name window of `line` can match the pattern.
    bool MayMatch(std::string_view line) const;

private:
    bool everyLine_ = false;            // the pattern begins with a wildcard or a blank, or is empty
    std::size_t first_ = 0;             // the 0-based column where the windows begin
    std::size_t width_ = 0;             // the columns they cover
    std::array<char, 256> initials_{};  // the bytes whose upper case is the pattern's first character
    std::size_t initialCount_ = 0;
};

}  // namespace talvo
