// The active search and its match chain.
#pragma once

#include <string>
#include <vector>

namespace talvo {

inline constexpr int kChainRoomStep = 25;  // the chain's room starts at 25 lines and grows by 25
inline constexpr double kNoMinimumAltitude = -90.0;
inline constexpr double kNoMaximumAltitude = 90.0;
inline constexpr double kNoMagnitudeLimit = 100.0;
inline constexpr int kShortNameLength = 12;  // a longer typed name is a long name

struct SearchState {
    std::string Pattern;            // compressed, upper-cased name of the current pass
    std::string SecondPattern;      // optional second name; empty when none
    std::string LastSecondPattern;  // default of the "Second Name?" prompt
    float MinimumAltitude = static_cast<float>(kNoMinimumAltitude);  // degrees
    float MaximumAltitude = static_cast<float>(kNoMaximumAltitude);  // degrees
    float FaintestMagnitude = static_cast<float>(kNoMagnitudeLimit);
    bool LongNameSearch = false;
    bool BestOfSearch = false;
    bool EitherName = false;  // the second name is a second pass, not a filter
    bool SearchOpen = false;  // the catalog is open after the last match
    bool EndOfCatalog = false;
    bool CancelRequested = false;
    bool SavingMatches = false;
    long LinesRead = 0;
    int InvalidCount = 0;

    std::vector<std::string> MatchLines;  // raw lines of the matches, cut or padded to 100
    int MatchCount = 0;
    int MatchCursor = 0;             // the current object is MatchLines[MatchCursor]
    int MatchRoom = kChainRoomStep;  // lines the chain has room for before it grows

    bool nameMatchedThisScan = false;  // some line of the running scan matched by name

    // Empties the match chain: no matches, none being saved, room for the first 25.
    void ClearChain() {
        SavingMatches = false;
        MatchCount = 0;
        MatchCursor = 0;
        MatchRoom = kChainRoomStep;
        MatchLines.clear();
    }
};

}  // namespace talvo
