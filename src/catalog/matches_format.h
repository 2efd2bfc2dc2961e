// The format of the matches file: its header and the lines of each match.
#pragma once

#include <string>
#include <vector>

#include "catalog/matches_writer.h"
#include "session/session_state.h"

namespace talvo {

// The four header lines for the search in `state.search`.
std::vector<std::string> MatchesHeader(const SessionState& state);

// The lines of match number `k` (from 1) for the current object: two for a catalog object, one
// for a body or a transient object.
std::vector<std::string> MatchesEntry(const SessionState& state, int k);

// 0 writes the header, k > 0 the entry of match k, to the open matches file.
void WriteMatchesEntry(const SessionState& state, int k, MatchesFile& file);

// The closing lines when a scan skipped invalid entries.
std::vector<std::string> InvalidEntriesTrailer(int invalidCount);

}  // namespace talvo
