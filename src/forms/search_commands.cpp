#include "forms/search_commands.h"

#include "catalog/catalog_file.h"
#include "catalog/catalog_maintenance.h"
#include "engine/text_format.h"
#include "session/search_request.h"

namespace talvo {

namespace {

constexpr const char* kBreak = SearchEngine::kBreak;

// Asks until the answer is a number from `low` to `high`; nothing when the observer cancels
// or leaves the box empty.
std::optional<double> AskNumber(DialogServices& dialogs, const std::string& prompt, const std::string& title,
                                const std::string& defaultText, double low, double high) {
    for (std::optional<std::string> answer = dialogs.InputBox(prompt, title, defaultText);
         answer && !answer->empty(); answer = dialogs.InputBox(prompt, title, defaultText)) {
        const double value = LeadingNumber(*answer);
        if (value >= low && value <= high) return value;
    }
    return std::nullopt;
}

}  // namespace

SearchCommands::SearchCommands(SessionState& state, SearchEngine& engine, DialogServices& dialogs,
                               MainWindowHooks& mainWindow, Searching& searching)
    : state_(state), engine_(engine), dialogs_(dialogs), mainWindow_(mainWindow), searching_(searching) {
    searching_.Attach(state_.search);
    engine_.onProgress = [this] {
        searching_.Update(state_.search, state_.catalogFileName);
        dialogs_.DoEvents();
    };
}

void SearchCommands::Message(const std::string& text) {
    if (!state_.scriptMode) dialogs_.MessageBox(text, MessageButtons::Ok, "TALVO");
}

std::string SearchCommands::NamePrompt() const {
    std::string prompt = "Name of Object to Search for In Current Catalog " + state_.catalogFileName +
                         " Up to " + std::to_string(kShortNameLength) + " Chars";
    if (UpperCase(state_.catalogFileName) == kDefaultCatalog) {
        prompt += std::string(kBreak) +
                  " (Example: M31, crab, Mizar, Virgo, galaxy, NGC 7009, Gam Per, IC 434, 61 Cyg, HR 2491, "
                  "Alp* Lib, etc.)";
    }
    if (state_.longNameCatalog) {
        prompt += std::string(kBreak) + "Can be up to 16 chars ( > 8 is a Long Name)." + kBreak +
                  "Double-wildcard (**) forces search as Long Name";
    }
    return prompt;
}

SearchOutcome SearchCommands::Scan(const std::function<SearchOutcome()>& scan) {
    // A transient catalog is searched for the moment's entry too quickly to need the window.
    const bool showWindow = !state_.object.transientCatalog;
    if (showWindow) {
        searching_.Show(state_.backColor, state_.textColor);
        searching_.Update(state_.search, state_.catalogFileName);
    }
    const SearchOutcome outcome = scan();
    if (showWindow) searching_.Hide();
    Report(outcome);
    return outcome;
}

void SearchCommands::Report(SearchOutcome outcome) {
    switch (outcome) {
        case SearchOutcome::Found:
            break;
        case SearchOutcome::Exhausted:
            // The first pass of Best of the Sky ends quietly: its second pass follows.
            if (!state_.search.SavingMatches && !state_.search.EitherName) Message(engine_.LastMessage());
            mainWindow_.MatchesExhausted("View Matches", state_.search.MatchCount);
            break;
        case SearchOutcome::Cancelled:
            mainWindow_.SetStatus("Search cancelled");
            break;
        case SearchOutcome::CatalogUnreadable:
            Message(engine_.LastMessage());
            mainWindow_.SetStatus(engine_.LastMessage());
            break;
    }
    if (!engine_.MatchesError().empty()) {
        const std::string text = MatchesFailure();
        mainWindow_.SetStatus(text);
        if (outcome != SearchOutcome::Found) Message(text);
    }
    mainWindow_.Redisplay();
}

SearchOutcome SearchCommands::Search(const SearchRequest& request) {
    mainWindow_.ClearBodySelection();
    mainWindow_.ResetChainButtons();
    return Scan([&] { return engine_.Start(request); });
}

SearchOutcome SearchCommands::SimpleSearch() {
    std::optional<std::string> typed =
        dialogs_.InputBox(NamePrompt(), "Search for Object in Catalog", state_.search.Pattern);
    if (!typed || typed->empty()) return SearchOutcome::Cancelled;
    SearchRequest request;
    request.name = *typed;
    request.faintestMagnitude = DefaultFaintestMagnitude(state_);
    return Search(request);
}

SearchOutcome SearchCommands::DetailedSearch() {
    std::optional<std::string> typed =
        dialogs_.InputBox(NamePrompt(), "Search for Object in Catalog", state_.search.Pattern);
    if (!typed || typed->empty()) return SearchOutcome::Cancelled;
    SearchRequest request;
    request.name = *typed;
    if (!IsLongName(*typed)) {
        std::optional<std::string> second = dialogs_.InputBox(
            "Second Name to Search for, if any ", "Second Name?", state_.search.LastSecondPattern);
        if (second && !second->empty()) {
            request.secondName = *second;
            state_.search.LastSecondPattern = *second;
        }
    }
    if (std::optional<double> minimum =
            AskNumber(dialogs_, "Specify Minimum Altitude in Degrees (0 to 89 ) or click 'CANCEL' to ignore",
                      "Set Minimum Altitude", "", 0.0, 89.0)) {
        request.minimumAltitude = *minimum;
    }
    const double limit = state_.scope.defaultMagnitudeLimit;
    if (std::optional<double> faintest =
            AskNumber(dialogs_, "Specify Faintest Magnitude (0 to 19 ) or click 'CANCEL' to ignore",
                      "Set Faintest Magnitude", limit < 90.0 ? StrNumber(limit).substr(1) : "", 0.0, 19.0)) {
        request.faintestMagnitude = *faintest;
    }
    return Search(request);
}

SearchOutcome SearchCommands::BestOfTheSky() {
    const SearchOutcome outcome = Search(BestOfTheSkyRequest());
    if (outcome == SearchOutcome::Exhausted && state_.search.MatchCount == 0) {
        Message("Object not found in " + state_.catalogFileName);
    }
    return outcome;
}

SearchOutcome SearchCommands::NextMatch() {
    const SearchState& search = state_.search;
    if (search.MatchCount - search.MatchCursor > 1) {  // a stored match: no scan, no window
        const SearchOutcome outcome = engine_.Next();
        mainWindow_.Redisplay();
        return outcome;
    }
    return Scan([this] { return engine_.Next(); });
}

bool SearchCommands::PreviousMatch() {
    const bool moved = engine_.Previous();
    mainWindow_.Redisplay();
    return moved;
}

std::string SearchCommands::MatchesFailure() const {
    return "The matches file " + engine_.MatchesPath() + " could not be written: " + engine_.MatchesError();
}

void SearchCommands::SaveMatches() {
    SearchState& search = state_.search;
    if (!engine_.MatchesError().empty()) {
        Message(MatchesFailure());
        return;
    }
    if (!search.SearchOpen) {
        ShowMatchesFile();
        mainWindow_.MatchesExhausted("m View Matches", search.MatchCount);
        return;
    }
    search.SavingMatches = true;
    search.CancelRequested = false;
    while (!state_.object.transientCatalog && NextMatch() == SearchOutcome::Found) {
        dialogs_.DoEvents();
        if (search.CancelRequested) break;
    }
    search.SavingMatches = false;
    engine_.CloseFiles();
    if (!engine_.MatchesError().empty()) {
        Message(MatchesFailure());
        return;
    }
    const int count = search.MatchCursor + 1;
    if (dialogs_.MessageBox(
            std::to_string(count) + " Matches written to 'matches.txt'. View list of matches?",
            MessageButtons::YesNo, "TALVO") == MessageAnswer::Yes) {
        ShowMatchesFile();
    }
    mainWindow_.MatchesExhausted("m View Matches", count);
}

void SearchCommands::ShowMatchesFile() {
    const std::string path = engine_.MatchesPath();
    if (!dialogs_.OpenDocument(path)) {
        Message("The matches are in " + path + ", but no program to show it could be started.");
    }
}

bool SearchCommands::AddCurrentObject() {
    const std::string question = "Do you want to add the object " + state_.object.name1 + " to catalog " +
                                 state_.catalogFileName + " ?";
    if (dialogs_.MessageBox(question, MessageButtons::OkCancel, "TALVO") != MessageAnswer::Ok) return false;
    engine_.CloseFiles();
    const platform::FileWriteStatus writable = UseWritableCatalog(state_);
    if (!writable.ok) {
        dialogs_.MessageBox("The object could not be added: the shipped catalog " + state_.catalogFileName +
                                " cannot be copied to " + state_.appDir + " to be added to (" +
                                writable.reason + ").",
                            MessageButtons::Ok, "TALVO");
        return false;
    }
    if (!AppendEntry(state_)) {
        dialogs_.MessageBox("The object could not be added: the catalog " +
                                CatalogPath(state_.catalogFolder, state_.catalogFileName) +
                                " cannot be written. Choose a catalog in a folder you may write to.",
                            MessageButtons::Ok, "TALVO");
        return false;
    }
    state_.object.notInCatalog = false;
    return true;
}

bool SearchCommands::ChooseCatalog(const std::string& fileName, const std::string& folder) {
    mainWindow_.ResetChainButtons();
    if (!SelectCatalog(state_, engine_, fileName, folder)) {
        const std::string text = "CANNOT OPEN CATALOG " + fileName;
        Message(text);
        mainWindow_.SetStatus(text);
        return false;
    }
    if (state_.object.transientCatalog) {
        mainWindow_.SetSearchButtons("Transient Object", false);
        mainWindow_.SetStatus(
            "This catalog contains the positions of a single object (comet or asteroid) at various times.");
        return ChooseTransientPosition() == TransientChoice::Found;
    }
    mainWindow_.SetSearchButtons("/ Simple Search", true);
    mainWindow_.SetStatus("Catalog = " + WithSlash(folder) + fileName);
    return true;
}

}  // namespace talvo
