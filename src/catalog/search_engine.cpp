#include "catalog/search_engine.h"

#include <cctype>

#include "catalog/catalog_file.h"
#include "catalog/matches_format.h"
#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr int kProgressEveryLines = 100;  // lines between two looks at the Cancel button

std::string PadTo100(const std::string& line) {
    std::string stored = line.substr(0, kLineLength);
    stored.resize(kLineLength, ' ');
    return stored;
}

bool IsPlanetLine(const std::string& line) { return !line.empty() && line[0] == '!'; }

}  // namespace

SearchEngine::SearchEngine(SessionState& state) : state_(state), search_(state.search) {}

MatchOptions SearchEngine::Options() const {
    MatchOptions options;
    options.longNameSearch = search_.LongNameSearch;
    options.bestOfSearch = search_.BestOfSearch;
    options.ignoreInvalid = state_.scope.ignoreInvalid;
    return options;
}

std::string SearchEngine::MatchesPath() const { return state_.appDir + state_.matchesFileName; }

void SearchEngine::CloseFiles() {
    catalog_.Close();
    FinishMatchesFile();
    search_.SearchOpen = false;
}

void SearchEngine::FinishMatchesFile() {
    if (!matchesFile_.IsOpen()) return;
    if (!matchesFile_.Close() && matchesError_.empty()) matchesError_ = matchesFile_.Error();
}

void SearchEngine::ResetChain() {
    search_.ClearChain();
    CloseFiles();
}

SearchOutcome SearchEngine::Start(const SearchRequest& request) {
    const CurrentObject previous = state_.object;
    CloseFiles();
    BeginSearch(state_, request);
    const SearchOutcome outcome = Run();
    if (outcome != SearchOutcome::Found && search_.MatchCount == 0) {
        state_.object = previous;
        state_.riseSetValid = false;
    }
    return outcome;
}

bool SearchEngine::OpenCatalog() {
    if (catalog_.Open(CatalogPath(state_.catalogFolder, state_.catalogFileName))) return true;
    search_.SearchOpen = false;
    lastMessage_ = "CANNOT OPEN CATALOG " + state_.catalogFileName;
    return false;
}

bool SearchEngine::OpenScan() {
    if (!OpenCatalog()) return false;
    search_.SearchOpen = true;
    matchesError_.clear();
    if (!matchesFile_.Open(MatchesPath())) matchesError_ = matchesFile_.Error();
    search_.LinesRead = 0;
    search_.nameMatchedThisScan = false;
    WriteMatchesEntry(state_, search_.MatchCursor, matchesFile_);
    CurrentObject& object = state_.object;
    object.name2 = object.name3 = object.name4 = object.name5 = std::string(kShortNameLength, ' ');
    return true;
}

bool SearchEngine::Scan() {
    // The pattern, the options and the prefilter are the same for every line of the pass.
    const std::string pattern = UpperCase(search_.Pattern);
    const MatchOptions options = Options();
    const NamePrefilter prefilter(pattern, options);
    while (!search_.EndOfCatalog) {
        ++search_.LinesRead;
        if (search_.LinesRead % kProgressEveryLines == 0 && !state_.object.transientCatalog && onProgress) {
            onProgress();
        }
        if (search_.CancelRequested) {
            catalog_.Close();
            search_.SearchOpen = false;
            return false;
        }
        if (ReadAndTest(pattern, prefilter, options)) {
            state_.object.present = 1;
            state_.riseSetValid = false;
            return true;
        }
    }
    return false;
}

SearchOutcome SearchEngine::Run() {
    search_.EndOfCatalog = false;
    if (!search_.SearchOpen && !OpenScan()) return SearchOutcome::CatalogUnreadable;
    if (Scan()) return SearchOutcome::Found;
    if (search_.CancelRequested) return CancelledScan();

    catalog_.Close();
    if (search_.EitherName && !search_.SecondPattern.empty()) {
        search_.EitherName = false;
        search_.EndOfCatalog = false;
        search_.Pattern = search_.SecondPattern;
        search_.SecondPattern.clear();
        if (!OpenCatalog()) return SearchOutcome::CatalogUnreadable;
        if (Scan()) return SearchOutcome::Found;
        if (search_.CancelRequested) return CancelledScan();
        catalog_.Close();
    }

    search_.SearchOpen = false;
    // Lines that matched by name but were not observable were parsed on the way: the match the
    // observer was looking at becomes current again.
    if (search_.MatchCount > 0) ParseStored(search_.MatchCursor);
    lastMessage_ = ClosingMessage();
    FinishMatchesFile();
    return SearchOutcome::Exhausted;
}

SearchOutcome SearchEngine::CancelledScan() {
    if (search_.MatchCount > 0) ParseStored(search_.MatchCursor);
    return SearchOutcome::Cancelled;
}

std::string SearchEngine::ClosingMessage() const {
    if (search_.BestOfSearch) return "No More 'Best of the Sky'";
    const std::string& file = state_.catalogFileName;
    std::string text;
    if (!search_.nameMatchedThisScan) {
        text = "Object " + search_.Pattern + " " + search_.SecondPattern + " Not Found in Catalog " + file;
    } else if (search_.Pattern.size() > kShortNameLength) {
        text = "No More Matches for " + search_.Pattern + " " + " found in Catalog " + file;
    } else {
        text = "No More Matches for " + search_.Pattern + " " + search_.SecondPattern + " found in Catalog " +
               file;
    }
    if (search_.MinimumAltitude != static_cast<float>(kNoMinimumAltitude)) {
        text += std::string(kBreak) + "Above " + StrSingle(search_.MinimumAltitude) + " Degrees";
    }
    if (search_.MaximumAltitude != static_cast<float>(kNoMaximumAltitude)) {
        text += std::string(kBreak) + "Below " + StrSingle(search_.MaximumAltitude) + " Degrees";
    }
    if (search_.FaintestMagnitude != static_cast<float>(kNoMagnitudeLimit)) {
        text += std::string(kBreak) + "Brighter than Mag" + StrSingle(search_.FaintestMagnitude);
    }
    if (search_.InvalidCount > 0) {
        text += std::string(kBreak) + StrInt(search_.InvalidCount) + "Invalid Catalog entries ignored";
    }
    return text;
}

bool SearchEngine::NameMatches(std::string_view line, const std::string& pattern,
                               const MatchOptions& options) {
    // Name 5 first: a long name starts there.
    if (MatchName(line, kNameColumn[4].first, pattern, options, flags_) != 0) return true;
    if (search_.LongNameSearch) return false;
    for (int field = 3; field >= 0; --field) {
        if (MatchName(line, kNameColumn[field].first, pattern, options, flags_) != 0) return true;
    }
    return false;
}

// The line is looked at where the reader holds it; only a line that matches by name is copied,
// to be parsed and kept.
bool SearchEngine::ReadAndTest(const std::string& pattern, const NamePrefilter& prefilter,
                               const MatchOptions& options) {
    search_.EndOfCatalog = false;
    std::string_view read;
    if (!catalog_.NextLine(read)) {
        search_.EndOfCatalog = true;
        if (search_.InvalidCount > 0) {
            for (const std::string& trailer : InvalidEntriesTrailer(search_.InvalidCount)) {
                matchesFile_.WriteLine(trailer);
            }
        }
        return false;
    }
    flags_ = MatchFlags{};
    if (!prefilter.MayMatch(read) || !NameMatches(read, pattern, options)) return false;
    search_.nameMatchedThisScan = true;
    line_.assign(read);

    if (IsPlanetLine(line_)) {
        if (!search_.BestOfSearch || !ParsePlanetLine(state_, line_)) return false;
    } else if (!ParseEntry(state_, line_)) {
        ++search_.InvalidCount;  // a position outside the sky
        return false;
    }
    bool match = IsObservable(line_);
    if (match && !flags_.exactName1 && flags_.invalidEntry) {
        ++search_.InvalidCount;
        match = false;
    }
    if (match) StoreMatch(line_);
    return match;
}

void SearchEngine::StoreMatch(const std::string& line) {
    if (search_.MatchCount >= search_.MatchRoom) search_.MatchRoom += kChainRoomStep;
    search_.MatchLines.push_back(PadTo100(line));
    search_.MatchCursor = search_.MatchCount;
    ++search_.MatchCount;
    WriteMatchesEntry(state_, search_.MatchCursor + 1, matchesFile_);
}

bool SearchEngine::IsObservable(const std::string& line) {
    if (!search_.SecondPattern.empty() && !search_.LongNameSearch && !search_.EitherName) {
        const MatchOptions options = Options();
        const std::string second = UpperCase(search_.SecondPattern);
        bool any = false;
        for (const CatalogColumn& name : kNameColumn) {
            if (MatchName(line, name.first, second, options, flags_) != 0) {
                any = true;
                break;
            }
        }
        if (!any) return false;
    }

    CurrentObject& object = state_.object;
    double minimumAltitude = search_.MinimumAltitude;

    // The altitude is that of the parsed entry now (refraction included).
    const double altitude = CalcAltAz(object, state_.site.latitude, state_.clock.localSiderealTime);
    if (IsPlanetLine(line)) {
        minimumAltitude = LeadingNumber(Columns(line, kPlanetAltitudeColumn));
        if (BodyDiameterArcsec(object) < LeadingNumber(Columns(line, kPlanetSizeColumn))) return false;
    } else if (search_.BestOfSearch && object.transitAltitude > 2.0 && object.transitAltitude < 40.0) {
        // Low objects are offered once they are half as high as they will ever be.
        minimumAltitude = object.transitAltitude / 2.0;
    }
    // Interactive searches without a minimum altitude ignore the limits altogether.
    if (minimumAltitude >= 0.0 || state_.scriptMode) {
        if (minimumAltitude >= 0.0 && altitude < minimumAltitude) return false;
        if (search_.MaximumAltitude < kNoMaximumAltitude && altitude > search_.MaximumAltitude) return false;
    }
    if (LeadingNumber(object.magnitudeText) > search_.FaintestMagnitude && !flags_.exactName1) return false;

    object.notInCatalog = false;
    const std::size_t flagIndex = static_cast<std::size_t>(kFlagColumn - 1);
    object.transientPosition =
        line.size() > flagIndex && std::toupper(static_cast<unsigned char>(line[flagIndex])) == 'T';
    return true;
}

void SearchEngine::ParseStored(int index) {
    // A stored line was parsed once already, when it matched, so it parses again.
    const std::string& line = search_.MatchLines[static_cast<std::size_t>(index)];
    static_cast<void>(IsPlanetLine(line) ? ParsePlanetLine(state_, line) : ParseEntry(state_, line));
    state_.object.notInCatalog = false;
    state_.riseSetValid = false;
}

SearchOutcome SearchEngine::Next() {
    search_.CancelRequested = false;
    if (search_.MatchCount - search_.MatchCursor > 1) {
        ++search_.MatchCursor;
        flags_ = MatchFlags{};
        ParseStored(search_.MatchCursor);
        // A stored match is shown again whether or not it still passes the limits.
        static_cast<void>(IsObservable(search_.MatchLines[static_cast<std::size_t>(search_.MatchCursor)]));
        return SearchOutcome::Found;
    }
    return Run();
}

bool SearchEngine::Previous() {
    if (search_.MatchCursor <= 0) return false;
    search_.CancelRequested = false;
    ParseStored(search_.MatchCursor - 1);
    --search_.MatchCursor;
    return true;
}

}  // namespace talvo
