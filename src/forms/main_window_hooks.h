// What the catalog windows change on the main window, without knowing the main window.
#pragma once

#include <string>

namespace talvo {

class MainWindowHooks {
public:
    virtual ~MainWindowHooks() = default;

    // A new chain: "m Save Matches" on the save button; the save and next buttons hidden and
    // disabled until a match is current.
    virtual void ResetChainButtons() = 0;
    // The scan is exhausted: the next button hidden and disabled; the save button becomes
    // `caption` ("View Matches", "m View Matches") with the tooltip
    // "View the list of <count> saved matches".
    virtual void MatchesExhausted(const std::string& caption, int matchCount) = 0;
    // The solar-system list loses its selection.
    virtual void ClearBodySelection() = 0;
    // The status line (`General`).
    virtual void SetStatus(const std::string& text) = 0;
    // The search buttons: the simple search's caption, and whether both search buttons work.
    virtual void SetSearchButtons(const std::string& simpleSearchCaption, bool enabled) = 0;
    // The current object changed: redraw it.
    virtual void Redisplay() = 0;
};

// For running without a main window (the command-line companion).
class NoMainWindow final : public MainWindowHooks {
public:
    void ResetChainButtons() override {}
    void MatchesExhausted(const std::string&, int) override {}
    void ClearBodySelection() override {}
    void SetStatus(const std::string&) override {}
    void SetSearchButtons(const std::string&, bool) override {}
    void Redisplay() override {}
};

}  // namespace talvo
