// Catalog files: fixed-column text lines of five names, position, magnitude and epoch.
//
// Columns (1-based, inclusive): names 1-12, 13-24, 25-36, 37-48, 49-60; right ascension 61-69
// (decimal hours, point in column 63); declination 70-78 (signed decimal degrees); 79-87 blank;
// 88 flag ("T"/"t" transient position; on the first line the catalog flag); magnitude 89-96
// (point in column 91); epoch 97-100 (0 or blank is 2000). Lines TALVO writes are 100
// characters and end in CR LF. Blank or unreadable numbers read as 0; no line is rejected.
#pragma once

#include <string>

#include "app/session_state.h"

namespace talvo {

inline constexpr int kLineLength = 100;

// Reads the first line of the catalog and sets the catalog flag, the content flags and the
// modes from its column 88; closes the catalog and the matches file. Returns the first line,
// empty when the file cannot be opened or is empty.
std::string ReadCatalogFlag(SessionState& state, const std::string& fileName, const std::string& folder);

// Makes an ordinary catalog line the current object: names, magnitude, epoch and position,
// precessed from the line's epoch to the epoch positions are presented in.
void ParseEntry(SessionState& state, const std::string& line);

// A Best-of-the-Sky planet line ("!Planet=" and the body's number in columns 9-10): the current
// object becomes that body. Returns false for a line that names no body.
bool ParsePlanetLine(SessionState& state, const std::string& line);

// The line AppendEntry writes for the current object, without its line end: the position is
// moved back to the catalog's epoch for new entries first.
std::string BuildEntryLine(SessionState& state);

// Appends the current object to the current catalog (created when missing). The line is written
// whole or not at all, after a line end when the file's last line lacks one. False when the
// catalog cannot be written.
bool AppendEntry(SessionState& state);

// The magnitude truncated (not rounded) to two decimals, as the text of its decimal digits:
// 8.479 -> 8.47, 2.3 -> 2.30, -1.468 -> -1.46.
double TruncateToHundredths(double value);

// The column text of a field: columns `first`..`first + width - 1` (1-based), cut where the
// line ends.
std::string Columns(const std::string& line, int first, int width);

}  // namespace talvo
