#include "forms/data_entry.h"

#include <cmath>

#include "engine/numeric.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr double kMaxMinutes = 59.9999;  // minutes that would show as 60 are held here

}  // namespace

void DataEntry::ShowSite(Mode siteMode) {
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
    option1Checked = option2Checked = false;
    visible = true;
}

bool DataEntry::OK_Click() {
    const bool latitude = mode == Mode::Latitude;
    const double degrees = LeadingNumber(Text1.caption);
    const double minutes = LeadingNumber(Text2.caption);
    auto refuse = [this](const char* message) {
        dialogs_.MessageBox(message, MessageButtons::Ok, "TALVO");
        return false;
    };
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
    visible = false;
    return true;
}

}  // namespace talvo
