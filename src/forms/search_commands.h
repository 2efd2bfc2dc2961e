// The main window's search commands: the prompts of a search, the Searching window around a
// scan, and the messages that tell the observer how it ended.
#pragma once

#include <functional>
#include <string>

#include "catalog/search_engine.h"
#include "forms/dialog_services.h"
#include "forms/main_window_hooks.h"
#include "forms/searching.h"
#include "session/session_state.h"

namespace talvo {

// How choosing a transient catalog's position ended.
enum class TransientChoice {
    Found,       // the line of the present moment is the current object
    NoPosition,  // no line for the moment; the observer was told, or kept an obsolete catalog
    Deleted,     // an obsolete catalog, deleted as the observer agreed
    Unreadable,  // the catalog could not be opened; the observer was told
};

class SearchCommands {
public:
    SearchCommands(SessionState& state, SearchEngine& engine, DialogServices& dialogs,
                   MainWindowHooks& mainWindow, Searching& searching);

    // "/ Simple Search": asks for a name and searches without limits.
    SearchOutcome SimpleSearch();

    // A search that also asks for a second name, a minimum altitude and a faintest magnitude.
    SearchOutcome DetailedSearch();

    // "b Best of the Sky".
    SearchOutcome BestOfTheSky();

    // A request whose values are already known (the name must not be empty).
    SearchOutcome Search(const SearchRequest& request);

    SearchOutcome NextMatch();
    bool PreviousMatch();

    // "m Save Matches": runs the open search to its end so every match is in the matches file,
    // then offers to show the file; with no search open the file is shown at once.
    void SaveMatches();

    // Asks, then appends the current object to the current catalog. False when the observer
    // declined or the catalog could not be written (the observer is told).
    bool AddCurrentObject();

    // Makes the file the current catalog and sets the search buttons and the status line; tells
    // the observer when the catalog cannot be opened.
    bool ChooseCatalog(const std::string& fileName, const std::string& folder);

    // The current transient catalog's line for the present moment becomes the current object;
    // the search buttons stay disabled. Without one the observer is told, unless the clock runs
    // in real time and the catalog's first position lies in an earlier year: such a catalog is
    // obsolete and offered for deletion instead.
    TransientChoice ChooseTransientPosition();

    // Closes the catalog and the matches file (the current catalog is about to change).
    void CloseFiles() { engine_.CloseFiles(); }

    // The prompt of the name, which names the catalog and, for the default catalog, examples.
    std::string NamePrompt() const;

private:
    // Runs a scan with the Searching window shown, then reports how it ended.
    SearchOutcome Scan(const std::function<SearchOutcome()>& scan);
    void Report(SearchOutcome outcome);
    void ShowMatchesFile();
    // Why the matches file of the last scan could not be written, as the observer is told.
    std::string MatchesFailure() const;
    void Message(const std::string& text);

    SessionState& state_;
    SearchEngine& engine_;
    DialogServices& dialogs_;
    MainWindowHooks& mainWindow_;
    Searching& searching_;
};

}  // namespace talvo
