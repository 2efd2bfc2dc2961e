// Starting a search from what the observer, a script or the terminal asked for.
#pragma once

#include <string>
#include <string_view>

#include "session/session_state.h"

namespace talvo {

// A search in plain values. Names are as typed: "M31", "Alp* Lib" ("*" is a wildcard, a
// trailing blank demands the whole name).
struct SearchRequest {
    std::string name;
    std::string secondName;                       // empty: none
    double minimumAltitude = kNoMinimumAltitude;  // degrees, apparent
    double maximumAltitude = kNoMaximumAltitude;  // degrees, apparent
    double faintestMagnitude = kNoMagnitudeLimit;
    bool bestOf = false;  // Best of the Sky: the markers count and the second name is a second pass
};

// The pattern of a typed name: every space removed except one in the last position; letters
// upper-cased.
std::string MakePattern(std::string_view typed);

// True for a name the search treats as a long name: longer than 12 characters, or with "**".
bool IsLongName(std::string_view typed);

// The faintest magnitude of a search that names none: the options' default, or no limit.
double DefaultFaintestMagnitude(const SessionState& state);

// The Best of the Sky: the "&^" objects, then the "^^" objects, from 20 degrees up.
SearchRequest BestOfTheSkyRequest();

// Makes `request` the search of the session: patterns, limits, long-name mode and the Best-of
// flags; the match chain is emptied, the counts cleared and the shown object forgotten. The
// catalog's search engine then runs it.
void BeginSearch(SessionState& state, const SearchRequest& request);

}  // namespace talvo
