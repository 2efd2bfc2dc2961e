// The Searching window: shown while a scan runs, with a Cancel button.
#pragma once

#include <functional>
#include <string>

#include "forms/control.h"
#include "session/search_state.h"

namespace talvo {

class Searching {
public:
    Searching();

    Control Label1;
    Control CancelSearchButton;
    bool visible = false;
    Colour backColor = kDarkRed;
    Colour foreColor = kYellow;

    // Called after every change of the window's state, so a view can redraw while the scan runs.
    std::function<void()> changed;

    void Show(Colour back, Colour fore);
    void Hide();
    // The label for the scan's progress.
    void Update(const SearchState& search, const std::string& catalogFileName);
    void CancelSearchButton_Click();

    // The search this window cancels.
    void Attach(SearchState& search) { search_ = &search; }

    // For scans that keep no SearchState (the serial port search): the label's text, and whether
    // Cancel was pressed since the window was last shown.
    void SetLabel(const std::string& text);
    bool cancelled = false;

private:
    void Changed();
    SearchState* search_ = nullptr;
};

}  // namespace talvo
