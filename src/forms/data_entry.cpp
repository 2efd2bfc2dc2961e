#include "forms/data_entry.h"

#include <cmath>

#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "forms/object_entry.h"

namespace talvo {

namespace {

constexpr double kMaxMinutes = 59.9999;  // minutes that would show as 60 are held here

}  // namespace

void DataEntry::ShowSite(Mode siteMode, std::optional<double> suggestion) {
    mode = siteMode;
    const bool latitude = mode == Mode::Latitude;
    caption =
        latitude ? "Enter Degrees and Minutes of Latitude   " : "Enter Degrees and Minutes of Longitude   ";
    Option1.caption = latitude ? "North" : "East";
    Option1.toolTip = latitude ? "North America and Eurasia" : "Asia, Australia, most of Europe";
    Option2.caption = latitude ? "South" : "West";
    Option2.toolTip = latitude ? "South America and Australia" : "the Americas";
    Text1.caption.clear();
    Text1.toolTip = latitude ? "Enter Degrees of Latitude here (whole numbers only)"
                             : "Enter Degrees of Longitude here (whole numbers only)";
    Text2.caption.clear();
    Text2.toolTip = latitude ? "Enter Minutes of Latitude here (decimals OK)"
                             : "Enter Minutes of Longitude here (decimals OK)";
    Label1.caption = "Deg";
    Label2.caption = "Min";
    OK.caption = "OK";
    Cancel.caption = "Cancel";
    Option3.visible = false;
    Status.caption.clear();
    option1Checked = option2Checked = option3Checked = false;
    OK.enabled = true;
    visible = true;
    if (!suggestion) return;
    // North and West are positive; the options are North/South and East/West.
    const double value = *suggestion;
    const bool positive = value >= 0.0;
    option1Checked = latitude ? positive : !positive;
    option2Checked = !option1Checked;
    const double magnitude = std::fabs(value);
    int degrees = static_cast<int>(magnitude);
    double minutes = (magnitude - degrees) * 60.0;
    if (minutes >= 59.95) {  // shown with one decimal: 59.95 would read as 60.0
        ++degrees;
        minutes = 0.0;
    }
    Text1.caption = std::to_string(degrees);
    Text2.caption = FormatFixed(minutes, 1, 1);
}

void DataEntry::ShowObject() {
    mode = Mode::Object;
    caption = "Specify or Load Object's Position";
    Option1.caption = "Specify RA and Dec";
    Option1.toolTip = "Select if you know the object's RA and DEC";
    Option2.caption = "Specify Alt and Az";
    Option2.toolTip = "Select if you know the object's Altitude and Azimuth";
    Option3.caption = "Load Position from Scope";
    Option3.toolTip = "Select to load object position from Goto Scope";
    Option3.visible = true;
    Text1.caption.clear();
    Text1.toolTip = "Enter Name of Object (required)";
    Text2.caption.clear();
    Text2.toolTip = "Enter Second Name of Object (optional)";
    Label1.caption = "Name1";
    Label2.caption = "Name2";
    Status.caption.clear();
    OK.caption = "OK";
    OK.enabled = true;
    Cancel.caption = "Cancel";
    option1Checked = option2Checked = option3Checked = false;
    visible = true;
}

void DataEntry::Form_Unload() {
    visible = false;
    ApplyDateOrder(state_);
}

bool DataEntry::Refuse(const char* message) {
    dialogs_.MessageBox(message, MessageButtons::Ok, "TALVO");
    return false;
}

bool DataEntry::OK_Click() { return mode == Mode::Object ? ObjectOK() : SiteOK(); }

bool DataEntry::ObjectOK() {
    if (!option1Checked && !option2Checked && !option3Checked) {
        return Refuse("Choose one of the Options for getting Object Data");
    }
    if (Text1.caption.find_first_not_of(' ') == std::string::npos) {
        return Refuse("The Object must have at least one name!");
    }
    static_cast<void>(CalcTime(state_.clock, state_.site));  // the clock's month is always valid
    ObjectEntryMode entryMode = option1Checked ? ObjectEntryMode::RaDec : ObjectEntryMode::AltAz;
    GotoPosition telescope;
    if (option3Checked) {
        OK.enabled = false;
        if (!state_.clock.realTime) {
            dialogs_.MessageBox("Must be in Real-Time Mode for Scope Load", MessageButtons::Ok, "TALVO");
            Form_Unload();
            return true;
        }
        const std::optional<GotoPosition> read = scope_.LoadPosition([this] { return visible; },
                                                                     [this](const std::string& text) {
                                                                         Status.caption = text;
                                                                         if (changed) changed();
                                                                     });
        if (!read) {
            Form_Unload();
            return true;
        }
        telescope = *read;
        entryMode = ObjectEntryMode::Telescope;
    }
    const std::optional<EnteredObject> entered = AskObjectEntry(
        state_, dialogs_, entryMode, telescope, GetTargetEpoch(state_.clock, state_.scope.fixedEpoch));
    if (entered) {
        MakeEnteredObjectCurrent(state_, *entered, Text1.caption, Text2.caption);
        window_.ClearBodySelection();
        searches_.CloseFiles();
        state_.search.BestOfSearch = false;
        window_.Redisplay();
    }
    Form_Unload();
    return true;
}

bool DataEntry::SiteOK() {
    const bool latitude = mode == Mode::Latitude;
    const double degrees = LeadingNumber(Text1.caption);
    const double minutes = LeadingNumber(Text2.caption);
    auto refuse = [this](const char* message) { return Refuse(message); };
    if (latitude && (degrees < 0.0 || degrees > 89.0))
        return refuse("Degrees of latitude must be between 0 and 89");
    if (!latitude && (degrees < 0.0 || degrees > 179.0)) {
        return refuse("Degrees of longitude must be between 0 and 179");
    }
    if (degrees != std::trunc(degrees)) return refuse("Enter Whole Number of Degrees Only");
    if (minutes < 0.0 || minutes >= 60.0) {
        return refuse(latitude ? "Minutes of latitude must be between 0 and 59.999, decimals OK"
                               : "Minutes of longitude must be between 0 and 59.999, decimals OK");
    }
    if (!option1Checked && !option2Checked) {
        return refuse(latitude ? "Select 'North' or 'South'" : "Select 'East' or 'West'");
    }

    // North and West are positive; South and East carry the sign text "-" and negative degrees.
    const bool negative = latitude ? option2Checked : option1Checked;
    int whole = static_cast<int>(degrees);
    int sign = 1;
    std::string signText;
    if (negative) {
        signText = "-";
        whole = -whole;
        if (whole == 0) sign = -1;
    }
    const double storedMinutes = std::min(minutes, kMaxMinutes);
    const double radians = (whole < 0 || sign == -1) ? (whole - storedMinutes / 60.0) / kDegreesPerRadian
                                                     : (whole + storedMinutes / 60.0) / kDegreesPerRadian;
    ObserverSite& site = state_.site;
    if (latitude) {
        site.latDegrees = whole;
        site.latMinutes = storedMinutes;
        site.latSign = sign;
        site.latSignText = signText;
        site.latitude = radians;
    } else {
        site.lonDegrees = whole;
        site.lonMinutes = storedMinutes;
        site.lonSign = sign;
        site.lonSignText = signText;
        site.longitude = radians;
    }
    state_.configDirty = true;
    state_.riseSetValid = false;
    site.siteFromGps = false;
    Form_Unload();
    return true;
}

}  // namespace talvo
