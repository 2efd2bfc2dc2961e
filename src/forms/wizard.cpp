#include "forms/wizard.h"

#include <initializer_list>
#include <utility>

#include "engine/text_format.h"
#include "session/search_request.h"

namespace talvo {

namespace {

constexpr double kLowestMinimumAltitude = -90.0;  // degrees; the minimum must also stay below 90
constexpr double kLowestMaximumAltitude = 1.0;    // degrees; a maximum below this finds nothing
constexpr const char* kNoMagnitudeText = "100";   // the faintest magnitude of a search without one
constexpr const char* kDeepSkyMinimum = "10";     // degrees: lower objects are lost in the haze
constexpr const char* kMaximumAltitudeText = "90";

void SetWhenEmpty(Control& box, const char* text) {
    if (box.caption.empty()) box.caption = text;
}

}  // namespace

Wizard::Wizard(SessionState& state, SearchCommands& searches, DialogServices& dialogs)
    : state_(state), searches_(searches), dialogs_(dialogs) {
    Label1.caption = "Search for Deep-Sky Objects";
    AnyKind.caption = "Any Kind";
    OpenClus.caption = "Open Clusters";
    Nebulae.caption = "Nebulae";
    Galaxies.caption = "Galaxies";
    Globular.caption = "Globular Clusters";
    Planetaries.caption = "Planetaries";
    Quasars.caption = "Quasars (faint!)";
    Label2.caption = "Stars to Observe";
    BestDoubles.caption = "'Best of Sky' Doubles";
    AnyDouble.caption = "Any Double";
    CarbonStar.caption = "Carbon Stars";
    Label7.caption = "Search for Specific Star (Greek Letter, or Number)";
    GreekLabel.caption = "Select Greek Letter or enter Number";
    ConstList.toolTip =
        "You can optionally limit your search to one of these constellations that are above the horizon "
        "right "
        "now, at least in part.";
    Label3.caption = "First Name to match (required).";
    FirstName.toolTip = "Enter name of object to be matched";
    Label4.caption = "Second Name to match (optional).  Can enter Constellation name, up to 8 characters.";
    SecondName.toolTip = "Optional second name to match";
    Label5.caption = "Minimum Altitude in Degrees   (Optional). Can be Changed or Erased";
    MinAltitude.toolTip = "Optional minimum altitude for search. Can be changed to any value < 90, >-90.";
    Label8.caption = "Maximum Altitude in Degrees (Optional). Can be Changed or Erased";
    Label6.caption = "Minimum Magnitude (Optional). Can be Changed or Erased";
    MinMag.toolTip = "Optional minimum magnitude for search. Can be changed to any value.";
    Go.caption = "Search";
}

bool Wizard::NamesTypes() const { return talvo::NamesTypes(state_.catalogFlag); }

void Wizard::Form_Load() {
    backColor = state_.backColor;
    foreColor = state_.textColor;
    for (Control* control : {&WizardLabel,
                             &DSLabel,
                             &Label1,
                             &AnyKind,
                             &OpenClus,
                             &Nebulae,
                             &Galaxies,
                             &Globular,
                             &Planetaries,
                             &Quasars,
                             &Label2,
                             &BestDoubles,
                             &AnyDouble,
                             &CarbonStar,
                             &Label7,
                             &GreekLabel,
                             &ConstLabel,
                             &Label3,
                             &Label4,
                             &Label5,
                             &Label8,
                             &Label6,
                             &GoLabel,
                             static_cast<Control*>(&Option1),
                             static_cast<Control*>(&Option2),
                             static_cast<Control*>(&Option9)}) {
        control->foreColor = foreColor;
        control->backColor = backColor;
    }
    state_.search.BestOfSearch = false;
    state_.search.EitherName = false;
    for (Control* box : {&FirstName, &SecondName, &MinAltitude, &MaxAltitude, &MinMag}) box->caption.clear();
    GoLabel.caption.clear();
    ConstLabel.caption = "Optionally Select Constellation to limit Search";

    for (CheckControl* option : {&Option1, &Option2, &Option9}) {
        option->value = false;
        option->enabled = false;
    }
    WizardLabel.caption = "Search Wizard Cannot be Used with Current Catalog " + state_.catalogFileName;
    DSLabel.caption = "Use Detailed Search";
    const CatalogContents& contents = state_.contents;
    if (contents.full) Option1.enabled = Option2.enabled = Option9.enabled = true;
    if (contents.doubles) Option2.enabled = Option9.enabled = true;
    if (contents.galaxies || contents.globulars || contents.openClusters || contents.planetaries ||
        contents.nebulae || contents.quasars) {
        Option1.enabled = true;
    }
    if (contents.stars) Option9.enabled = true;
    if (Option1.enabled || Option2.enabled || Option9.enabled) {
        WizardLabel.caption = "Use Search Wizard";
        DSLabel.caption = "or Detailed Search";
    }

    SetTypeOptions(false);
    ClearDoubleChoices();
    ConstList.items.clear();
    ConstList.listIndex = -1;
    ConstList.enabled = false;
    Combo1.items.clear();
    Combo1.listIndex = -1;
    Combo1.caption.clear();
    Combo1.enabled = false;
    Go.enabled = false;
    visible = true;
    DrawLabels();
}

void Wizard::Choose(CheckControl& option) {
    auto pick = [&option](std::initializer_list<CheckControl*> group) {
        bool inGroup = false;
        for (CheckControl* member : group) inGroup = inGroup || member == &option;
        if (!inGroup) return;
        for (CheckControl* member : group) member->value = member == &option;
    };
    pick({&Option1, &Option2, &Option9});
    pick({&Option3, &Option4, &Option5, &Option6, &Option7, &Option8, &Option13});
    pick({&Option10, &Option11, &Option12});
}

void Wizard::SetTypeOptions(bool deepSky) {
    const CatalogContents& contents = state_.contents;
    const bool all = deepSky && contents.full;
    for (auto [option, allowed] :
         {std::pair{&Option3, state_.catalogFlag == 'M'}, std::pair{&Option4, contents.openClusters},
          std::pair{&Option5, contents.nebulae}, std::pair{&Option6, contents.galaxies},
          std::pair{&Option7, contents.globulars}, std::pair{&Option8, contents.planetaries},
          std::pair{&Option13, contents.quasars}}) {
        option->value = false;
        option->enabled = all || (deepSky && allowed);
    }
}

void Wizard::ClearDoubleChoices() {
    for (CheckControl* option : {&Option10, &Option11, &Option12}) {
        option->value = false;
        option->enabled = false;
    }
}

void Wizard::Option1_Click() {
    Choose(Option1);
    SetWhenEmpty(MinAltitude, kDeepSkyMinimum);
    SetWhenEmpty(MaxAltitude, kMaximumAltitudeText);
    SetTypeOptions(true);
    ClearDoubleChoices();
    Go.enabled = false;
    ConstList.enabled = false;
    Combo1.enabled = false;
    DrawLabels();
}

void Wizard::Option2_Click() {
    Choose(Option2);
    Combo1.enabled = false;
    ConstList.enabled = false;
    SetWhenEmpty(MinAltitude, kDeepSkyMinimum);
    SetWhenEmpty(MaxAltitude, kMaximumAltitudeText);
    SetTypeOptions(false);
    if (state_.contents.full) {
        // The full catalog marks doubles, the best of them and carbon stars: one is chosen next.
        for (CheckControl* option : {&Option10, &Option11, &Option12}) option->enabled = true;
        Go.enabled = false;
    } else {
        // Every entry of a double-star catalog is a double.
        FirstName_Change("*");
        GoLabel.caption =
            "Search for Thousands of Doubles Above Minimum Elevation, else Select Constellation";
        BuildConst();
    }
    DrawLabels();
}

void Wizard::Option9_Click() {
    Choose(Option9);
    FirstName.caption.clear();
    SecondName.caption.clear();
    MinAltitude.caption.clear();
    Go.enabled = false;
    SetTypeOptions(false);
    ClearDoubleChoices();
    SetWhenEmpty(MaxAltitude, kMaximumAltitudeText);
    ConstList.items.clear();
    ConstList.listIndex = -1;
    ConstList.enabled = false;
    ConstLabel.caption = "Now Select a Visible Constellation";
    BuildGreek();
    DrawLabels();
}

void Wizard::DeepSkyKind_Click(CheckControl& option, DeepSkyKind kind) {
    Choose(option);
    FirstName_Change(DeepSkyFirstName(kind, NamesTypes()));
    SecondName_Change("");
    Combo1.enabled = false;
    BuildConst();
    GoLabel.caption = DeepSkyGoLabel(kind);
    DrawLabels();
}

void Wizard::DoubleChoice(CheckControl& option, const std::string& firstName, const std::string& secondName) {
    Choose(option);
    FirstName_Change(firstName);
    SecondName_Change(secondName);
    Combo1.enabled = false;
    BuildConst();
    ConstList.enabled = true;
    Go.enabled = true;
    DrawLabels();
}

void Wizard::Option10_Click() {
    // The Best-of marker "^" stands in name 1 of the best doubles; outside Best of the Sky it is
    // compared only where the pattern holds it after a wildcard.
    DoubleChoice(Option10, "Dbl", "*^");
}

void Wizard::Option11_Click() {
    DoubleChoice(Option11, "Dbl", "");
    GoLabel.caption = "Search for All Doubles Above Minimum Elevation, else Select Constellation";
}

void Wizard::Option12_Click() {
    DoubleChoice(Option12, "CarbonStar", "");
    GoLabel.caption = "Search for bright red Carbon Stars Above Minimum Elevation, else Select Constellation";
}

void Wizard::ConstList_Click(int index) {
    if (!ConstList.enabled || index < 0 || index >= static_cast<int>(ConstList.items.size())) return;
    const std::string entry = ConstList.items[static_cast<std::size_t>(index)];
    const std::string abbreviation = entry.substr(0, 3);
    // The name keeps its trailing blanks: the search demands the whole name.
    const std::string name = entry.substr(4);
    if (Option1.value) {
        if (NamesTypes()) {
            SecondName_Change(name);
            GoLabel.caption = "Search for each " + FirstName.caption + " Above Minimum Elevation in " + name;
        } else {
            FirstName_Change(name);
            GoLabel.caption = "Search for each object Above Minimum Elevation in " + name;
        }
    } else if (Option9.value) {
        FirstName_Change(FirstName.caption + " " + abbreviation + " ");
        ConstLabel.foreColor = state_.highlightColor;
        Go.enabled = true;
    } else if (!state_.contents.full) {
        FirstName_Change("*" + abbreviation + " ");
    } else {
        if (Option10.value) {
            // A double's fourth name is "Dbl" and its constellation ("Dbl Cyg"): the second name
            // keeps asking for the best of them.
            FirstName_Change("Dbl " + abbreviation + " ");
        } else {
            SecondName_Change("*" + abbreviation + " ");
        }
        GoLabel.caption = "Search for All Doubles Above Minimum Elevation in " + name;
    }
    ConstList.listIndex = index;
    ConstList.enabled = false;
    Combo1.enabled = false;
    DrawLabels();
}

void Wizard::Combo1_Click(int index) {
    if (!Combo1.enabled || index < 0 || index >= static_cast<int>(Combo1.items.size())) return;
    Combo1.listIndex = index;
    Combo1.caption = Combo1.items[static_cast<std::size_t>(index)];
    FirstName_Change(Combo1.caption + "*");
    Combo1.enabled = false;
    DrawLabels();
}

void Wizard::Combo1_Change(const std::string& text) {
    // A number typed in the box ("61") is the star's first name.
    Combo1.caption = text;
    FirstName_Change(text);
    DrawLabels();
}

void Wizard::FirstName_Change(const std::string& text) {
    FirstName.caption = text;
    if (Option9.value) BuildConst();
    Go.enabled = true;
}

void Wizard::SecondName_Change(const std::string& text) {
    SecondName.caption = text;
    Go.enabled = true;
    ConstList.enabled = true;
}

void Wizard::BuildConst() {
    ConstList.items = VisibleConstellations(state_.clock, state_.site);
    ConstList.listIndex = -1;
    ConstLabel.foreColor = foreColor;
    if (Option9.value) {
        ConstLabel.caption = "Now Select a Visible Constellation";
        ConstList.enabled = !FirstName.caption.empty();
    } else {
        ConstLabel.caption = "Optionally Select Constellation to limit Search";
        ConstList.enabled = true;
        Go.enabled = true;
    }
    // The list replaces what the main window showed: no object until a search finds one.
    state_.object.present = 0;
    state_.object.name1.clear();
}

void Wizard::BuildGreek() {
    Combo1.items.assign(kGreekLetters.begin(), kGreekLetters.end());
    Combo1.listIndex = -1;
    Combo1.caption.clear();
    Combo1.enabled = true;
}

void Wizard::Go_Click() {
    if (MinMag.caption.empty()) MinMag.caption = kNoMagnitudeText;
    if (Option9.value) {
        FirstName.caption += SecondName.caption;
        SecondName.caption.clear();
        MinAltitude.caption = "-90";  // a named star is found wherever it stands
    }
    if (FirstName.caption.empty()) {
        dialogs_.MessageBox("Must Specify a Name for Search!", MessageButtons::Ok, "Search Wizard Error");
        return;
    }
    // An erased altitude is no limit.
    const bool minimumGiven = !MinAltitude.caption.empty();
    const bool maximumGiven = !MaxAltitude.caption.empty();
    const double minimum = LeadingNumber(MinAltitude.caption);
    const double maximum = LeadingNumber(MaxAltitude.caption);
    if (minimumGiven && (minimum < kLowestMinimumAltitude || minimum >= kNoMaximumAltitude)) {
        dialogs_.MessageBox("Invalid Value for Minimum Altitude!", MessageButtons::Ok, "Search Wizard Error");
        return;
    }
    if (maximumGiven && (maximum < kLowestMaximumAltitude || maximum > kNoMaximumAltitude)) {
        dialogs_.MessageBox("Invalid Value for Maximum Altitude!", MessageButtons::Ok, "Search Wizard Error");
        return;
    }
    SearchRequest request;
    request.name = FirstName.caption;
    request.secondName = SecondName.caption;
    if (minimumGiven) request.minimumAltitude = minimum;
    if (maximumGiven) request.maximumAltitude = maximum;
    request.faintestMagnitude = LeadingNumber(MinMag.caption);
    visible = false;
    static_cast<void>(searches_.Search(request));  // the search tells the observer how it ended
}

void Wizard::DrawLabels() {
    for (auto [option, label] :
         {std::pair{&Option3, &AnyKind}, std::pair{&Option4, &OpenClus}, std::pair{&Option5, &Nebulae},
          std::pair{&Option6, &Galaxies}, std::pair{&Option7, &Globular}, std::pair{&Option8, &Planetaries},
          std::pair{&Option13, &Quasars}, std::pair{&Option10, &BestDoubles},
          std::pair{&Option11, &AnyDouble}, std::pair{&Option12, &CarbonStar}, std::pair{&Option1, &Label1},
          std::pair{&Option2, &Label2}, std::pair{&Option9, &Label7}}) {
        label->foreColor = option->enabled ? foreColor : state_.highlightColor;
    }
    GreekLabel.foreColor = Combo1.enabled ? foreColor : state_.highlightColor;
}

}  // namespace talvo
