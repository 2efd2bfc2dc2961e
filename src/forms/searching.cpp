#include "forms/searching.h"

namespace talvo {

Searching::Searching() {
    CancelSearchButton.caption = "Cancel";
    CancelSearchButton.toolTip = "This button will cancel the ongoing search";
}

void Searching::Show(Colour back, Colour fore) {
    backColor = back;
    foreColor = fore;
    for (Control* control : {&Label1, &CancelSearchButton}) {
        control->backColor = back;
        control->foreColor = fore;
    }
    visible = true;
    cancelled = false;
    Changed();
}

void Searching::Hide() {
    visible = false;
    Changed();
}

void Searching::Update(const SearchState& search, const std::string& catalogFileName) {
    if (search.BestOfSearch) {
        Label1.caption = "Searching for the Very Best!";
    } else if (search.SavingMatches) {
        Label1.caption = "Saving Matches - line " + std::to_string(search.LinesRead);
    } else {
        Label1.caption = "Searching for " + search.Pattern + " " + search.SecondPattern + " in Catalog " +
                         catalogFileName + "    " + std::to_string(search.LinesRead);
    }
    Changed();
}

void Searching::SetLabel(const std::string& text) {
    Label1.caption = text;
    Changed();
}

void Searching::CancelSearchButton_Click() {
    cancelled = true;
    if (search_ != nullptr) search_->CancelRequested = true;
}

void Searching::Changed() {
    if (changed) changed();
}

}  // namespace talvo
