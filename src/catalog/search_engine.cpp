#include "catalog/search_engine.h"

#include <cctype>

#include "app/body_selection.h"
#include "catalog/catalog_file.h"
#include "catalog/matches_report.h"
#include "engine/coordinates.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr int kYieldEveryLines = 100;  // lines between two looks at the Cancel button
constexpr int kShortNameLength = 12;
constexpr double kBestOfMinimumAltitude = 20.0;

float LimitOrDefault(const std::string& text, double none) {
    bool blank = text.find_first_not_of(' ') == std::string::npos;
    return static_cast<float>(blank ? none : LeadingNumber(text));
}

bool IsBlank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

std::string PadTo100(const std::string& line) {
    std::string stored = line.substr(0, kLineLength);
    stored.resize(kLineLength, ' ');
    return stored;
}

}  // namespace

SearchEngine::SearchEngine(SessionState& state, platform::DialogServices& dialogs, MainWindowHooks& mainWindow,
                           Searching& searching)
    : state_(state), search_(state.search), dialogs_(dialogs), mainWindow_(mainWindow), searching_(searching) {
    searching_.Attach(search_);
}

MatchOptions SearchEngine::Options() const {
    MatchOptions options;
    options.longNameSearch = search_.LongNameSearch;
    options.bestOfSearch = search_.BestOfSearch;
    options.ignoreInvalid = state_.scope.ignoreInvalidEntries;
    return options;
}

std::string SearchEngine::MatchesPath() const { return state_.appDir + state_.matchesFileName; }

void SearchEngine::Message(const std::string& text) {
    lastMessage_ = text;
    if (!state_.scriptMode) dialogs_.MessageBox(text, platform::MessageButtons::Ok, "TALVO");
}

void SearchEngine::ResetChain() {
    search_.SavingMatches = false;
    search_.MatchCount = 0;
    search_.MatchCursor = 0;
    search_.MatchRoom = kChainRoomStep;
    search_.MatchLines.clear();
    search_.catalog.Close();
    search_.matchesFile.Close();
    search_.SearchOpen = false;
    mainWindow_.ResetChainButtons();
}

bool SearchEngine::SimpleSearch() {
    search_.BestOfSearch = false;
    search_.EitherName = false;
    SearchRequest request;
    request.minimumAltitude = "-90";
    request.maximumAltitude = "90";
    return StartSearch(request);
}

bool SearchEngine::BestOfTheSky() {
    search_.BestOfSearch = true;
    search_.EitherName = true;
    SearchRequest request;
    request.name = "*&^";
    request.secondName = "*^^";
    request.minimumAltitude = "20";
    request.maximumAltitude = "90";
    bool found = StartSearch(request);
    if (!found && !search_.CancelRequested && search_.MatchCount == 0) {
        Message("Object not found in " + state_.catalogFileName);
    }
    return found;
}

bool SearchEngine::StartSearch(const SearchRequest& request) {
    search_.CancelRequested = false;
    search_.InvalidCount = 0;
    search_.MinimumAltitude = static_cast<float>(kNoMinimumAltitude);
    search_.FaintestMagnitude = static_cast<float>(kNoMagnitudeLimit);

    std::string prompt = "Name of Object to Search for In Current Catalog " + state_.catalogFileName + " Up to " +
                         std::to_string(kShortNameLength) + " Chars";
    if (UpperCase(state_.catalogFileName) == "FULL.TLV") {
        prompt += std::string(kBreak) +
                  " (Example: M31, crab, Mizar, Virgo, galaxy, NGC 7009, Gam Per, IC 434, 61 Cyg, HR 2491, "
                  "Alp* Lib, etc.)";
    }
    if (state_.longNameCatalog) {
        prompt += std::string(kBreak) + "Can be up to 16 chars ( > 8 is a Long Name)." + kBreak +
                  "Double-wildcard (**) forces search as Long Name";
    }

    std::string typed = request.name;
    bool magnitudeGiven = false;
    if (!typed.empty()) {
        search_.SecondPattern = MakePattern(request.secondName);
        search_.MinimumAltitude = LimitOrDefault(request.minimumAltitude, kNoMinimumAltitude);
        search_.MaximumAltitude = LimitOrDefault(request.maximumAltitude, kNoMaximumAltitude);
        search_.FaintestMagnitude = LimitOrDefault(request.faintestMagnitude, kNoMagnitudeLimit);
        magnitudeGiven = !IsBlank(request.faintestMagnitude);
    } else {
        search_.SecondPattern.clear();
        std::optional<std::string> answer = dialogs_.InputBox(prompt, "Search for Object in Catalog", search_.Pattern);
        if (!answer || answer->empty()) return false;
        typed = *answer;
    }

    // A search that finds nothing, or is cancelled, leaves the object shown before it.
    const CurrentObject previous = state_.object;
    search_.catalog.Close();
    search_.LongNameSearch = false;
    search_.SearchOpen = false;
    state_.object.name1.clear();
    ResetChain();
    state_.object.planetIndex = -1;
    mainWindow_.ClearBodySelection();

    const bool longName = typed.find("**") != std::string::npos || typed.size() > kShortNameLength;
    if (request.detailed) {
        if (longName) {
            search_.LongNameSearch = true;
        } else {
            std::optional<std::string> second =
                dialogs_.InputBox("Second Name to Search for, if any ", "Second Name?", search_.LastSecondPattern);
            if (second && !second->empty()) {
                search_.SecondPattern = MakePattern(*second);
                search_.LastSecondPattern = *second;
            }
        }
        const std::string altitudePrompt = "Specify Minimum Altitude in Degrees (0 to 89 ) or click 'CANCEL' to ignore";
        for (std::optional<std::string> answer = dialogs_.InputBox(altitudePrompt, "Set Minimum Altitude", "");
             answer && !answer->empty();
             answer = dialogs_.InputBox(altitudePrompt, "Set Minimum Altitude", "")) {
            double value = LeadingNumber(*answer);
            if (value >= 0.0 && value <= 89.0) {
                search_.MinimumAltitude = static_cast<float>(value);
                break;
            }
        }
        const std::string magnitudePrompt = "Specify Faintest Magnitude (0 to 19 ) or click 'CANCEL' to ignore";
        const double limit = state_.scope.defaultMagnitudeLimit;
        const std::string defaultText = limit < 90.0 ? StrNumber(limit).substr(1) : "";
        for (std::optional<std::string> answer = dialogs_.InputBox(magnitudePrompt, "Set Faintest Magnitude", defaultText);
             answer && !answer->empty();
             answer = dialogs_.InputBox(magnitudePrompt, "Set Faintest Magnitude", defaultText)) {
            double value = LeadingNumber(*answer);
            if (value >= 0.0 && value < 30.0) {
                search_.FaintestMagnitude = static_cast<float>(value);
                break;
            }
        }
    } else {
        if (!magnitudeGiven && state_.scope.defaultMagnitudeLimit < 90.0) {
            search_.FaintestMagnitude = static_cast<float>(state_.scope.defaultMagnitudeLimit);
        }
        if (longName && state_.longNameCatalog) search_.LongNameSearch = true;
    }

    search_.Pattern = MakePattern(typed);
    if (!state_.longNameCatalog) search_.LongNameSearch = false;

    bool found = RunSearchInWindow();
    if (!found && search_.MatchCount == 0) {
        state_.object = previous;
        state_.riseSetValid = false;
        mainWindow_.Redisplay();
    }
    return found;
}

bool SearchEngine::OpenScan() {
    search_.catalog.Open(CatalogPath(state_.catalogFolder, state_.catalogFileName));
    search_.SearchOpen = true;
    search_.matchesFile.Open(MatchesPath());
    search_.LinesRead = 0;
    search_.nameMatchedThisScan = false;
    WriteMatchesEntry(state_, search_.MatchCursor);
    CurrentObject& object = state_.object;
    object.name2 = object.name3 = object.name4 = object.name5 = std::string(kShortNameLength, ' ');
    return search_.catalog.IsOpen();
}

bool SearchEngine::Scan() {
    const std::string pattern = UpperCase(search_.Pattern);  // the same for every line of the pass
    while (!search_.EndOfCatalog) {
        ++search_.LinesRead;
        if (search_.LinesRead % kYieldEveryLines == 0 && !state_.object.transientCatalog) {
            searching_.Update(search_, state_.catalogFileName);
            dialogs_.DoEvents();
        }
        if (search_.CancelRequested) {
            search_.catalog.Close();
            search_.SearchOpen = false;
            return false;
        }
        if (ReadAndTest(pattern)) {
            state_.object.present = 1;
            state_.riseSetValid = false;
            return true;
        }
    }
    return false;
}

bool SearchEngine::RunSearch() {
    search_.EndOfCatalog = false;
    if (!search_.SearchOpen) OpenScan();
    if (Scan()) return true;
    if (search_.CancelRequested) return CancelledScan();

    search_.catalog.Close();
    if (search_.EitherName && !search_.SecondPattern.empty()) {
        search_.EitherName = false;
        search_.EndOfCatalog = false;
        search_.Pattern = search_.SecondPattern;
        search_.SecondPattern.clear();
        search_.catalog.Open(CatalogPath(state_.catalogFolder, state_.catalogFileName));
        if (Scan()) return true;
        if (search_.CancelRequested) return CancelledScan();
        search_.catalog.Close();
    }

    search_.SearchOpen = false;
    if (search_.MatchCount > 0) {
        // Lines that matched by name but were not observable were parsed on the way: the match
        // the observer was looking at becomes current again.
        ParseStored(search_.MatchCursor);
        mainWindow_.Redisplay();
    }
    lastMessage_ = ClosingMessage();
    if (!state_.scriptMode && !search_.SavingMatches && !search_.EitherName) {
        dialogs_.MessageBox(lastMessage_, platform::MessageButtons::Ok, "TALVO");
    }
    search_.matchesFile.Close();
    mainWindow_.MatchesExhausted("View Matches", search_.MatchCount);
    return false;
}

bool SearchEngine::CancelledScan() {
    if (search_.MatchCount > 0) {
        ParseStored(search_.MatchCursor);
        mainWindow_.Redisplay();
    }
    return false;
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
        text = "No More Matches for " + search_.Pattern + " " + search_.SecondPattern + " found in Catalog " + file;
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

bool SearchEngine::NameMatches(const std::string& line, const std::string& pattern) {
    const MatchOptions options = Options();
    if (MatchName(line, 49, pattern, options, search_.flags) != 0) return true;
    if (search_.LongNameSearch) return false;
    for (int column : {37, 25, 13, 1}) {
        if (MatchName(line, column, pattern, options, search_.flags) != 0) return true;
    }
    return false;
}

bool SearchEngine::ReadAndTest(const std::string& pattern) {
    search_.EndOfCatalog = false;
    if (!search_.catalog.ReadNextEntry(line_)) {
        search_.EndOfCatalog = true;
        if (search_.InvalidCount > 0) {
            for (const std::string& trailer : InvalidEntriesTrailer(search_.InvalidCount)) {
                search_.matchesFile.WriteLine(trailer);
            }
        }
        return false;
    }
    search_.flags = MatchFlags{};
    if (!NameMatches(line_, pattern)) return false;
    search_.nameMatchedThisScan = true;

    if (!line_.empty() && line_[0] == '!') {
        if (!search_.BestOfSearch || !ParsePlanetLine(state_, line_)) return false;
    } else {
        ParseEntry(state_, line_);
    }
    bool match = IsObservable(line_);
    if (match && !search_.flags.exactName1 && search_.flags.invalidEntry) {
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
    WriteMatchesEntry(state_, search_.MatchCursor + 1);
}

bool SearchEngine::IsObservable(const std::string& line) {
    if (!search_.SecondPattern.empty() && !search_.LongNameSearch && !search_.EitherName) {
        MatchOptions options = Options();
        std::string second = UpperCase(search_.SecondPattern);
        bool any = false;
        for (int column : kNameColumns) {
            if (MatchName(line, column, second, options, search_.flags) != 0) {
                any = true;
                break;
            }
        }
        if (!any) return false;
    }

    CurrentObject& object = state_.object;
    double minimumAltitude = search_.MinimumAltitude;
    const bool planetLine = !line.empty() && line[0] == '!';

    // The altitude is that of the parsed entry now (refraction included).
    double altitude = CalcAltAz(object, state_.site.latitude, state_.clock.localSiderealTime);
    if (planetLine) {
        minimumAltitude = LeadingNumber(Columns(line, 13, 2));
        if (BodyDiameterArcsec(object) < LeadingNumber(Columns(line, 25, 2))) return false;
    } else if (search_.BestOfSearch && object.transitAltitude > 2.0 && object.transitAltitude < 40.0) {
        // Low objects are offered once they are half as high as they will ever be.
        minimumAltitude = object.transitAltitude / 2.0;
    }
    // Interactive searches without a minimum altitude ignore the limits altogether.
    if (minimumAltitude >= 0.0 || state_.scriptMode) {
        if (minimumAltitude >= 0.0 && altitude < minimumAltitude) return false;
        if (search_.MaximumAltitude < kNoMaximumAltitude && altitude > search_.MaximumAltitude) return false;
    }
    if (LeadingNumber(object.magnitudeText) > search_.FaintestMagnitude && !search_.flags.exactName1) return false;

    object.notInCatalog = false;
    object.transientPosition = line.size() >= 88 && std::toupper(static_cast<unsigned char>(line[87])) == 'T';
    return true;
}

void SearchEngine::ParseStored(int index) {
    const std::string& line = search_.MatchLines[static_cast<std::size_t>(index)];
    if (!line.empty() && line[0] == '!') {
        ParsePlanetLine(state_, line);
    } else {
        ParseEntry(state_, line);
    }
    state_.object.notInCatalog = false;
    state_.riseSetValid = false;
}

bool SearchEngine::NextMatch() {
    search_.CancelRequested = false;
    if (search_.MatchCount - search_.MatchCursor > 1) {
        ++search_.MatchCursor;
        search_.flags = MatchFlags{};
        ParseStored(search_.MatchCursor);
        return IsObservable(search_.MatchLines[static_cast<std::size_t>(search_.MatchCursor)]);
    }
    return RunSearchInWindow();
}

bool SearchEngine::RunSearchInWindow() {
    // A transient catalog is searched for the moment's entry too quickly to need the window.
    const bool showWindow = !state_.object.transientCatalog;
    if (showWindow) {
        searching_.Show(state_.backColor, state_.textColor);
        searching_.Update(search_, state_.catalogFileName);
    }
    bool found = RunSearch();
    if (showWindow) searching_.Hide();
    return found;
}

bool SearchEngine::PreviousMatch() {
    if (search_.MatchCursor <= 0) return false;
    search_.CancelRequested = false;
    ParseStored(search_.MatchCursor - 1);
    --search_.MatchCursor;
    mainWindow_.Redisplay();
    return true;
}

}  // namespace talvo
