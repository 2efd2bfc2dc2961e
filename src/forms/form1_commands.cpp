// The main window's command buttons, its keys, and the date and time entry.
#include <algorithm>
#include <cctype>
#include <cmath>

#include "catalog/transient_catalog.h"
#include "engine/coordinates.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "forms/form1.h"
#include "forms/sky_chart_launch.h"
#include "session/body_selection.h"

namespace talvo {

namespace {

const char* kNotAvailable = ": this function is not available yet in this version of TALVO.";

bool IsLeapYearForEntry(int year) { return year % 4 == 0 && year != 2100; }

// Asks until the answer is a whole number in range. Cancel on a repeated question keeps the
// value shown as its default, so the entry can always be left.
double AskUntilValid(DialogServices& dialogs, const std::string& prompt, const std::string& title,
                     int current, double low, double high) {
    for (;;) {
        std::optional<std::string> answer = dialogs.InputBox(prompt, title, std::to_string(current));
        if (!answer || answer->empty()) return current;
        double number = LeadingNumber(*answer);
        if (number >= low && number <= high && number == std::trunc(number)) return number;
    }
}

}  // namespace

void Form1::SetUpButtons() {
    auto set = [](Control& button, const char* caption, const char* toolTip) {
        button.caption = caption;
        button.toolTip = toolTip;
    };
    set(TraceButton, "r Trace Object", "Trace Alt-Az of Current Object");
    set(DateButton, "d Date", "Click to change the date");
    set(LongitudeButton, "# Longitude", "Click to set your Longitude");
    set(LatitudeButton, "@ Latitude", "Click to set your Latitude");
    set(TimeButton, "t Time", "Click to change the time");
    set(CatalogButton, "c Catalog", "Click to change the object catalog");
    set(WriteMatchButton, "m Save Matches",
        "Save all matches to a text file, and go to the final matching object");
    set(BestOf, "b Best of the Sky", "");
    set(GetComet, "a Get Comet / Asteroid", "Click to get Comet or Asteroid position from Internet");
    set(Scope, "x Options", "Click to select or manage Goto telescope, options");
    set(ObjectButton, "j Object", "Click to Specify the Position of an Object not in the Catalog");
    set(PreviousMatch, "p Previous", "Click to find the previous item matching the current  search");
    set(SkyChart, "s SkyChart", "Click to produce an \"Instant Sky Chart\" centered on this object");
    set(DetailedSearch, "w Search Wizard", "Click to find objects matching several criteria");
    set(Help, "h Help", "Click for program help");
    set(ObsLogButton, "o Observing Log", "Click to take observing notes on this object");
    set(AddObject, "", "Click to add this object to the current catalog");
    set(NextMatchButton, "n Next Match", "Click to find the next item matching the current  search");
    set(SimpleSearch, "/ Simple Search", "Click to find objects by name");
    set(Command3, "l Load", "Click to load  location and option information from a file, or load from GPS");
    set(Command2, "v Save", "Click to save current location & options in a file");
    set(GotoButton, "g GoTo", "Click to have your telescope Goto this object");
    set(Check1, "Night Vision", "Click to darken the screen for night vision");
    List1.toolTip = "Click to locate a Solar System object";
    List1.items.assign(kBodyListRows.begin(), kBodyListRows.end());
    for (Control* hidden : {&WriteMatchButton, &NextMatchButton, &AddObject}) {
        hidden->visible = false;
        hidden->enabled = false;
    }
    PreviousMatch.enabled = false;
}

void Form1::Form_KeyPress(char key) {
    const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (upper >= '0' && upper <= '9') {
        List1_Click(upper - '0');
        return;
    }
    switch (upper) {
        case 'N':
            if (NextMatchButton.enabled) NextMatchButton_Click();
            break;
        case 'P':
            if (PreviousMatch.enabled) PreviousMatch_Click();
            break;
        case 'O':
            if (ObsLogButton.enabled) ObsLogButton_Click();
            break;
        case 'S':
            if (SkyChart.enabled) SkyChart_Click();
            break;
        case 'G':
            if (GotoButton.enabled) GotoButton_Click();
            break;
        case 'R':
            if (TraceButton.enabled) TraceButton_Click();
            break;
        case 'D':
            DateButton_Click();
            break;
        case '#':
            LongitudeButton_Click();
            break;
        case '@':
            LatitudeButton_Click();
            break;
        case 'T':
            TimeButton_Click();
            break;
        case 'C':
            CatalogButton_Click();
            break;
        case 'M':
            WriteMatchButton_Click();
            break;
        case 'B':
            BestOf_Click();
            break;
        case 'A':
            GetComet_Click();
            break;
        case 'X':
            Scope_Click();
            break;
        case 'J':
            ObjectButton_Click();
            break;
        case 'W':
            if (DetailedSearch.enabled) DetailedSearch_Click();
            break;
        case 'H':
            Help_Click();
            break;
        case '/':
            SimpleSearch_Click();
            break;
        case 'L':
            Command3_Click();
            break;
        case 'V':
            Command2_Click();
            break;
        default:
            break;
    }
}

void Form1::SkyChart_Click() {
    if (LaunchSkyChart(state_) == SkyChartLaunch::kNotFound)
        dialogs_.MessageBox(kSkyChartNotFound, MessageButtons::Ok, "TALVO");
}

void Form1::NotAvailable_Click(const Control& button) {
    // Captions start with their key and a blank ("g GoTo"); the function is the rest.
    const std::string& caption = button.caption;
    NotAvailable(caption.size() > 2 && caption[1] == ' ' ? caption.substr(2) : caption);
}

void Form1::NotAvailable(const std::string& function) {
    dialogs_.MessageBox(function + kNotAvailable, MessageButtons::Ok, "TALVO");
}

void Form1::List1_Click(int index) {
    if (index < 0 || index >= static_cast<int>(List1.items.size())) return;
    List1.listIndex = index;
    state_.search.BestOfSearch = false;
    state_.search.EitherName = false;
    CalcTime(state_.clock, state_.site);
    static_cast<void>(SelectBody(state_, index));  // the index is a row of the list
    Redisplay();
}

// The search commands tell the observer how a search ended and redraw the window themselves.
void Form1::SimpleSearch_Click() {
    // A transient catalog is not searched by name: its position for the moment is chosen again.
    if (IsTransientCatalogFlag(state_.catalogFlag)) {
        static_cast<void>(searches.ChooseTransientPosition());
        Redisplay();
        return;
    }
    searches.SimpleSearch();
}

void Form1::BestOf_Click() { searches.BestOfTheSky(); }

void Form1::NextMatchButton_Click() { searches.NextMatch(); }

void Form1::PreviousMatch_Click() { searches.PreviousMatch(); }

void Form1::WriteMatchButton_Click() {
    searches.SaveMatches();
    Redisplay();
}

void Form1::CatalogButton_Click() {
    catalogSelect.Form_Load();
    openRequest = Open::CatalogSelect;
}

void Form1::DetailedSearch_Click() {
    wizard.Form_Load();
    openRequest = Open::Wizard;
}

void Form1::GetComet_Click() {
    transientSelect.Show();
    openRequest = Open::TransientSelect;
}

void Form1::AddObject_Click() {
    searches.AddCurrentObject();
    Redisplay();
}

void Form1::Help_Click() {
    helpForm.Form_Load();
    openRequest = Open::Help;
}

void Form1::ObjectButton_Click() {
    dataEntry.ShowObject();
    openRequest = Open::DataEntry;
}

void Form1::Scope_Click() {
    scopeForm.Form_Load();
    openRequest = Open::ScopeForm;
}

void Form1::Command3_Click() {
    fileSelect.Form_Load();
    openRequest = Open::FileSelect;
}

void Form1::FileSelectClosed() {
    Redisplay();
    if (!fileSelect.firstRunLoaded) return;
    fileSelect.firstRunLoaded = false;
    Scope_Click();
    dialogs_.MessageBox(kFirstRunMessage, MessageButtons::Ok, "TALVO");
}

void Form1::Command2_Click() {
    std::optional<std::string> name =
        dialogs_.InputBox("Enter new file name or click 'OK' to keep the name unchanged",
                          "Save Parameters in Home File", state_.homeFileName);
    if (name && !name->empty()) SaveHomeUnder(*name);
}

void Form1::SaveHomeUnder(const std::string& name) {
    state_.homeFileName = name;
    const HomeSave save =
        SaveHomeFile(state_, [this](const std::string& saved) { Location.caption = saved; });
    if (save.ok) {
        state_.configDirty = false;
    } else {
        dialogs_.MessageBox(save.message, MessageButtons::Ok, "TALVO");
    }
}

void Form1::LatitudeButton_Click() {
    dataEntry.ShowSite(DataEntry::Mode::Latitude);
    openRequest = Open::DataEntry;
}

void Form1::LongitudeButton_Click() {
    dataEntry.ShowSite(DataEntry::Mode::Longitude);
    openRequest = Open::DataEntry;
}

void Form1::SiteEntered() {
    state_.riseSetValid = false;
    Redisplay();
}

void Form1::NameLabel_DblClick(const Control& label) {
    const CurrentObject& object = state_.object;
    if (object.present == 0 || object.planetIndex >= 0 || object.notInCatalog) return;
    const std::string* name = &object.name1;
    if (&label == &Name2label) name = &object.name2;
    if (&label == &name3label) name = &object.name3;
    if (&label == &Name4label) name = &object.name4;
    if (&label == &Name5Label) name = &object.name5;
    std::string text = *name;
    if (!text.empty() && text[0] == '=') text.erase(0, 1);
    text.erase(text.find_last_not_of(' ') + 1);
    dialogs_.SetClipboardText(text);
}

void Form1::DateButton_Click() {
    ClockState& clock = state_.clock;
    const std::string title = "JulianDate = " + FormatFixed(clock.julianDate, 7, 5);
    std::optional<std::string> first = dialogs_.InputBox(
        "Input Month, 1-12, press OK to Keep Current Value, press 'CANCEL' to use System Time", title,
        std::to_string(clock.month));
    if (!first || first->empty()) {
        GetReal();
        return;
    }
    // The new date is gathered first and takes effect whole, after its last box.
    double month = LeadingNumber(*first);
    if (month < 1 || month > 12 || month != std::trunc(month)) {
        month = AskUntilValid(
            dialogs_, "Input Month, 1-12, press OK to Keep Current Value, press 'CANCEL' to use System Time",
            title, clock.month, 1, 12);
    }
    const int newMonth = static_cast<int>(month);
    const int daysInMonth = kDaysInMonth[newMonth];
    int day = static_cast<int>(AskUntilValid(dialogs_, "Input date", "Set Day of Month",
                                             std::min(clock.day, daysInMonth), 1, daysInMonth));

    // The year is asked until it is 1980-2199 and, for 29 February, a leap year other than 2100.
    // Cancel keeps the year shown; a 29 February that year lacks becomes the 28th.
    const bool leapDay = newMonth == 2 && day == 29;
    int newYear = clock.year;
    std::string prompt = "Input year, 1980-2199";
    for (;;) {
        std::optional<std::string> answer =
            dialogs_.InputBox(prompt, "Set The Year", std::to_string(clock.year));
        if (!answer || answer->empty()) {
            if (leapDay && !IsLeapYearForEntry(newYear)) day = 28;
            break;
        }
        const double year = LeadingNumber(*answer);
        if (year < 1980 || year > 2199 || year != std::trunc(year)) continue;
        const int candidate = static_cast<int>(year);
        if (leapDay && candidate % 4 != 0) {
            prompt = "Must be valid leap year, 1980-2199";
            continue;
        }
        if (leapDay && candidate == 2100) {
            prompt = "Must be valid leap year, 1980-2199, not 2100";
            continue;
        }
        newYear = candidate;
        break;
    }
    LocalDateTime moment = clock.Moment();
    moment.month = newMonth;
    moment.day = day;
    moment.year = newYear;
    SetLocalMoment(state_, moment);
    ReselectTransient();
    Redisplay();
}

void Form1::TimeButton_Click() {
    ClockState& clock = state_.clock;
    const std::string title = "JulianDate = " + FormatFixed(clock.julianDate, 7, 5);
    const std::string firstPrompt = "Input Hour, 0-23 (OR press 'CANCEL' to use System Time)";
    std::optional<std::string> first = dialogs_.InputBox(firstPrompt, title, std::to_string(clock.hour));
    if (!first || first->empty()) {
        GetReal();
        return;
    }
    double hour = LeadingNumber(*first);
    if (hour < 0 || hour > 23 || hour != std::trunc(hour)) {
        hour = AskUntilValid(dialogs_, firstPrompt, "Input Hour", clock.hour, 0, 23);
    }
    const int minute = static_cast<int>(
        AskUntilValid(dialogs_, "Input minutes, 0-59", "Input Minutes", clock.minute, 0, 59));
    const int second = static_cast<int>(
        AskUntilValid(dialogs_, "Input seconds, 0-59", "Input Seconds", clock.second, 0, 59));
    LocalDateTime moment = clock.Moment();
    moment.hour = static_cast<int>(hour);
    moment.minute = minute;
    moment.second = second;
    SetLocalMoment(state_, moment);
    ReselectTransient();
    Redisplay();
}

void Form1::ResetChainButtons() {
    WriteMatchButton.caption = "m Save Matches";
    WriteMatchButton.toolTip = "Save all matches to a text file, and go to the final matching object";
    for (Control* button : {&WriteMatchButton, &NextMatchButton}) {
        button->visible = false;
        button->enabled = false;
    }
}

void Form1::MatchesExhausted(const std::string& caption, int matchCount) {
    NextMatchButton.visible = false;
    NextMatchButton.enabled = false;
    WriteMatchButton.caption = caption;
    WriteMatchButton.toolTip = "View the list of " + std::to_string(matchCount) + " saved matches";
}

void Form1::ClearBodySelection() { List1.listIndex = -1; }

void Form1::SetStatus(const std::string& text) { General.caption = text; }

void Form1::SetSearchButtons(const std::string& simpleSearchCaption, bool enabled) {
    SimpleSearch.caption = simpleSearchCaption;
    SimpleSearch.enabled = enabled;
    DetailedSearch.enabled = enabled;
}

void Form1::Redisplay() { RefreshAll(); }

void Form1::DrawChainButtons() {
    const SearchState& search = state_.search;
    // A match is current while the object shown came from a catalog line (a planet of Best of
    // the Sky included), not from the solar-system list or a typed position.
    const bool matchCurrent =
        search.MatchCount > 0 && state_.object.present != 0 && !state_.object.notInCatalog;
    WriteMatchButton.visible = WriteMatchButton.enabled = search.MatchCount > 0;
    const bool more = search.SearchOpen || search.MatchCount - search.MatchCursor > 1;
    NextMatchButton.visible = NextMatchButton.enabled = matchCurrent && more;
    if (search.MatchCount > 0) {
        NextMatchButton.caption = "n (" + std::to_string(search.MatchCursor + 2) + ")" +
                                  (search.BestOfSearch ? " Next Suggestion" : " Next Match");
    }
    PreviousMatch.enabled = search.MatchCursor > 0;
}

}  // namespace talvo
