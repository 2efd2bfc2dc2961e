// Does one name field of a catalog line match a search pattern?
//
// A prefix match on the name with its spaces removed, case-insensitive, with "*" as a wildcard;
// a trailing space in the pattern demands that the name ends there. The matcher works on the
// raw line, so a search needs no parsing or astronomy for lines whose names do not match.
#pragma once

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

}  // namespace talvo
