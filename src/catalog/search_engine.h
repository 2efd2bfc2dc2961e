// The search engine: finds the next observable catalog entry whose name matches, makes it the
// current object and keeps it in the match chain; "Next" and "Previous" walk the chain.
//
// The catalog is read line by line and stays open between matches, so "Next" goes on from the
// line after the last match. The name test runs before any parsing or astronomy.
#pragma once

#include <optional>
#include <string>

#include "app/session_state.h"
#include "catalog/main_window_hooks.h"
#include "catalog/searching_window.h"
#include "platform/dialog_services.h"

namespace talvo {

// The limits of a search as typed (any of them empty).
struct SearchRequest {
    std::string name;
    std::string secondName;
    std::string minimumAltitude;
    std::string maximumAltitude;
    std::string faintestMagnitude;
    bool detailed = false;  // the detailed search asks for the second name and the limits
};

class SearchEngine {
public:
    SearchEngine(SessionState& state, platform::DialogServices& dialogs, MainWindowHooks& mainWindow,
                 Searching& searching);

    // "/ Simple Search": asks for a name and searches without limits.
    bool SimpleSearch();

    // "b Best of the Sky": the "&^" objects, then the "^^" objects, from 20 degrees up.
    bool BestOfTheSky();

    // Starts a new search; with an empty name it asks for one. True when an object was found.
    bool StartSearch(const SearchRequest& request);

    // Runs or continues the scan with the current pattern; true when a new match became current.
    bool RunSearch();

    // The next match: a stored one, or the next one read from the catalog.
    bool NextMatch();

    // The previous stored match; false when the first is current.
    bool PreviousMatch();

    // Empties the chain and closes the catalog and the matches file.
    void ResetChain();

    // The closing message of the last exhausted scan (also when it was not shown).
    const std::string& LastMessage() const { return lastMessage_; }

    // The matches file's path.
    std::string MatchesPath() const;

    // The line break of the closing messages: line feed, then carriage return.
    static constexpr const char* kBreak = "\n\r";

private:
    // One line of the scan, compared with the upper-cased pattern of the pass.
    bool RunSearchInWindow();
    bool ReadAndTest(const std::string& pattern);
    void ParseStored(int index);
    bool CancelledScan();
    bool NameMatches(const std::string& line, const std::string& pattern);
    bool IsObservable(const std::string& line);
    bool Scan();
    void StoreMatch(const std::string& line);
    std::string ClosingMessage() const;
    bool OpenScan();
    void Message(const std::string& text);
    MatchOptions Options() const;

    SessionState& state_;
    SearchState& search_;
    platform::DialogServices& dialogs_;
    MainWindowHooks& mainWindow_;
    Searching& searching_;
    std::string line_;
    std::string lastMessage_;
};

}  // namespace talvo
