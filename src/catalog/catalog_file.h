// Catalog files: fixed-column text lines of five names, position, magnitude and epoch (the
// columns are in catalog_columns.h). Blank or unreadable numbers read as 0; a position outside
// the sky (declination beyond +-90 degrees, right ascension outside 0-24 hours) makes the line
// an invalid entry.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "catalog/catalog_columns.h"
#include "session/session_state.h"

namespace talvo {

// Reads the first line of the catalog and sets the catalog flag, the content flags and the
// modes from its column 88. An empty catalog, or a first line without a flag, is a catalog
// without a flag. False when the file cannot be opened (missing, unreadable, not a regular
// file); the session's catalog state is then unchanged.
[[nodiscard]] bool ReadCatalogFlag(SessionState& state, const std::string& fileName,
                                   const std::string& folder);

// The entry of an ordinary catalog line; nothing for a line whose position is outside the sky.
std::optional<CatalogEntry> ReadEntry(const std::string& line);

// Makes an ordinary catalog line the current object: names, magnitude, epoch and position,
// precessed from the line's epoch to the epoch positions are presented in. False, with the
// current object unchanged, for a line whose position is outside the sky.
[[nodiscard]] bool ParseEntry(SessionState& state, const std::string& line);

// A Best-of-the-Sky planet line ("!Planet=" and the body's number in columns 9-10): the current
// object becomes that body. Returns false for a line that names no body.
[[nodiscard]] bool ParsePlanetLine(SessionState& state, const std::string& line);

// A catalog line of 100 characters without its line end: the names (each cut to its 12
// columns), the position, the magnitude (-99.99 to 99.99) and the epoch, and `flag` in column 88
// (' ' for none).
std::string FormatCatalogLine(const std::array<std::string, 5>& names, double raHours, double decDegrees,
                              double magnitude, double epoch, char flag);

// The line AppendEntry writes for the current object, without its line end: the position is
// moved back to the catalog's epoch for new entries first.
std::string BuildEntryLine(SessionState& state);

// Appends the current object to the current catalog (created when missing). The line is written
// whole or not at all, after a line end when the file's last line lacks one. False when the
// catalog cannot be written. The search engine's files must be closed first.
[[nodiscard]] bool AppendEntry(SessionState& state);

// The magnitude truncated (not rounded) to two decimals, as the text of its decimal digits:
// 8.479 -> 8.47, 2.3 -> 2.30, -1.468 -> -1.46.
double TruncateToHundredths(double value);

// The column text of a field: columns `first`..`first + width - 1` (1-based), cut where the
// line ends.
std::string Columns(const std::string& line, int first, int width);
std::string Columns(const std::string& line, CatalogColumn column);

}  // namespace talvo
