// The search engine: finds the next observable catalog entry whose name matches, makes it the
// current object and keeps it in the match chain; "Next" and "Previous" walk the chain.
//
// The catalog is read line by line and stays open between matches, so "Next" goes on from the
// line after the last match. The name test runs before any parsing or astronomy. The engine
// asks nothing and shows nothing: it reports an outcome, and the window (or the terminal, or a
// script) tells the observer.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "catalog/catalog_reader.h"
#include "catalog/matches_writer.h"
#include "catalog/name_matcher.h"
#include "session/search_request.h"
#include "session/session_state.h"

namespace talvo {

enum class SearchOutcome {
    Found,              // a new match is the current object
    Exhausted,          // the scan reached the end of the catalog; LastMessage() says so
    Cancelled,          // the observer cancelled the scan
    CatalogUnreadable,  // the catalog could not be opened; LastMessage() says so
};

class SearchEngine {
public:
    explicit SearchEngine(SessionState& state);

    // Called every 100 lines of a scan (not for a transient catalog), so that a window can show
    // the progress and take a press of Cancel (which sets search.CancelRequested).
    std::function<void()> onProgress;

    // Begins the request as a new search and runs it to the first match. A search that ends
    // without a match leaves the object that was shown before it.
    [[nodiscard]] SearchOutcome Start(const SearchRequest& request);

    // Runs or continues the scan with the current pattern.
    [[nodiscard]] SearchOutcome Run();

    // The next match: a stored one, or the next one read from the catalog.
    [[nodiscard]] SearchOutcome Next();

    // The previous stored match; false when the first is current.
    [[nodiscard]] bool Previous();

    // Empties the chain and closes the catalog and the matches file.
    void ResetChain();

    // Closes the catalog and the matches file (before the catalog is changed or written).
    void CloseFiles();

    // The closing message of the last scan that ended without a new match.
    const std::string& LastMessage() const { return lastMessage_; }

    // The matches file's path, and why it could not be written (empty when it was).
    std::string MatchesPath() const;
    const std::string& MatchesError() const { return matchesError_; }

    // The line break of the closing messages: line feed, then carriage return.
    static constexpr const char* kBreak = "\n\r";

private:
    bool ReadAndTest(const std::string& pattern, const NamePrefilter& prefilter, const MatchOptions& options);
    void ParseStored(int index);
    SearchOutcome CancelledScan();
    bool NameMatches(std::string_view line, const std::string& pattern, const MatchOptions& options);
    bool IsObservable(const std::string& line);
    bool Scan();
    void StoreMatch(const std::string& line);
    std::string ClosingMessage() const;
    bool OpenCatalog();
    bool OpenScan();
    void FinishMatchesFile();
    MatchOptions Options() const;

    SessionState& state_;
    SearchState& search_;
    CatalogReader catalog_;    // open while search_.SearchOpen
    MatchesFile matchesFile_;  // open during a scan
    MatchFlags flags_;         // of the last line tested
    std::string line_;         // the last line that matched by name
    std::string lastMessage_;
    std::string matchesError_;
};

}  // namespace talvo
