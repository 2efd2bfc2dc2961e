#include "forms/object_entry.h"

#include <cmath>
#include <cstdlib>

#include "engine/coordinates.h"

namespace talvo {
namespace {

constexpr std::size_t kNameLength = 12;

struct Answer {
    double value = 0.0;
    std::string text;
};

// The accepted range of one question: low to high, the high end itself accepted or not.
struct Range {
    double low;
    double high;
    bool highIncluded;
    bool whole;  // hours and degrees are whole; their minutes follow in the next question
};

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool InRange(double value, const Range& range) {
    if (value < range.low) return false;
    if (range.highIncluded ? value > range.high : value >= range.high) return false;
    return !range.whole || value == std::trunc(value);
}

// Asks until the answer is a number in range; nothing when it is empty or cancelled.
std::optional<Answer> AskNumber(DialogServices& dialogs, const std::string& prompt, const std::string& title,
                                const Range& range, const std::string& defaultText = "") {
    for (;;) {
        const std::optional<std::string> typed = dialogs.InputBox(prompt, title, defaultText);
        if (!typed || Trimmed(*typed).empty()) return std::nullopt;
        const std::optional<double> value = NumberAnswer(*typed);
        if (value && InRange(*value, range)) return Answer{*value, Trimmed(*typed)};
    }
}

constexpr Range kMinutes{0.0, 60.0, false, false};

// Degrees and minutes to a signed angle; a "-" typed before 0 degrees makes the minutes southern.
double SignedAngle(const Answer& degrees, double minutes) {
    const bool negative = degrees.value < 0.0 || (degrees.text[0] == '-');
    const double magnitude = std::fabs(degrees.value) + minutes / 60.0;
    return negative ? -magnitude : magnitude;
}

std::string Name(const std::string& text) { return text.substr(0, kNameLength); }

}  // namespace

std::optional<double> NumberAnswer(const std::string& text) {
    std::string number = Trimmed(text);
    if (number.empty()) return std::nullopt;
    for (char& c : number) {
        if (c == ',') c = '.';
    }
    char* end = nullptr;
    const double value = std::strtod(number.c_str(), &end);
    if (end != number.c_str() + number.size() || !std::isfinite(value)) return std::nullopt;
    // strtod also reads hexadecimal, infinities and exponents; a typed number is plain decimal.
    if (number.find_first_not_of("+-.0123456789") != std::string::npos) return std::nullopt;
    return value;
}

std::optional<EnteredObject> AskObjectEntry(const SessionState& state, DialogServices& dialogs,
                                            ObjectEntryMode mode, const GotoPosition& telescope,
                                            double telescopeEpoch) {
    EnteredObject entered;
    if (mode == ObjectEntryMode::RaDec) {
        const auto hours = AskNumber(dialogs, "Enter Hours of Right Ascension of object (0 to 23 )",
                                     "Hours of Right Ascension", {0.0, 23.0, true, true});
        if (!hours) return std::nullopt;
        const auto raMinutes =
            AskNumber(dialogs, "Enter minutes Right Ascension (0 to 59.9 ). Decimals are OK",
                      "Set Minutes of Right Ascension", kMinutes);
        if (!raMinutes) return std::nullopt;
        const auto degrees = AskNumber(dialogs, "Enter Declination of Object in Degrees (-89 to 89 )",
                                       "Degrees of Declination", {-89.0, 89.0, true, true});
        if (!degrees) return std::nullopt;
        const auto decMinutes =
            AskNumber(dialogs, "Enter Minutes of Declination (0 to 59.9 ). Decimals are OK",
                      "Minutes of Declination", kMinutes);
        if (!decMinutes) return std::nullopt;
        const auto epoch =
            AskNumber(dialogs, "Epoch of those Coordinates?", "Epoch?", {-1e9, 1e9, true, false}, "2000");
        if (!epoch) return std::nullopt;
        entered.raHours = hours->value + raMinutes->value / 60.0;
        entered.decDegrees = SignedAngle(*degrees, decMinutes->value);
        entered.epoch = epoch->value;
    } else if (mode == ObjectEntryMode::AltAz) {
        const auto altitude = AskNumber(dialogs, "Enter Apparent Altitude of Object in Degrees (0 to 90 )",
                                        "Degrees of Altitude", {0.0, 90.0, true, true});
        if (!altitude) return std::nullopt;
        const auto altitudeMinutes =
            AskNumber(dialogs, "Enter Minutes of Altitude (0 to 59.9 ). Decimals are OK",
                      "Minutes of Altitude", kMinutes);
        if (!altitudeMinutes) return std::nullopt;
        const auto azimuth = AskNumber(dialogs, "Enter Degrees of Azimuth of object (0 to 360 )",
                                       "Degrees of Azimuth", {0.0, 360.0, true, true});
        if (!azimuth) return std::nullopt;
        const auto azimuthMinutes =
            AskNumber(dialogs, "Enter minutes of Azimuth (0 to 59.9 ). Decimals are OK",
                      "Set Minutes of Azimuth", kMinutes);
        if (!azimuthMinutes) return std::nullopt;
        // The apparent altitude and azimuth give the position of date for this moment and site.
        CurrentObject point;
        point.present = 1;
        point.altitude = altitude->value;
        point.altitudeMinutes = altitudeMinutes->value;
        point.azimuth = azimuth->value;
        point.azimuthMinutes = azimuthMinutes->value;
        CalcRaDecFromAltAz(point, state.site.latitude, state.clock.localSiderealTime);
        entered.raHours = RightAscensionHours(point);
        entered.decDegrees = DeclinationDegrees(point);
        entered.epoch = state.clock.epochOfDate;
    } else {
        CurrentObject point;
        point.raHours = telescope.raHours;
        point.raMinutes = telescope.raMinutes;
        point.decDegrees = telescope.decDegrees;
        point.decMinutes = telescope.decMinutes;
        point.decSign = telescope.decSign;
        entered.raHours = RightAscensionHours(point);
        entered.decDegrees = DeclinationDegrees(point);
        entered.epoch = telescopeEpoch;
    }

    auto askName = [&dialogs](const char* prompt, const char* title) {
        return Name(dialogs.InputBox(prompt, title, "").value_or(""));
    };
    entered.name3 = askName("Add Third Name for Object?", "Third Name?");
    entered.name4 = askName("Add Fourth Name for Object?", "Fourth Name?");
    entered.name5 = askName("Add Fifth Name for Object?", "Fifth Name?");
    for (;;) {
        const std::string typed = Trimmed(
            dialogs.InputBox("Enter object's magnitude, if known", "Object's magnitude?", "").value_or(""));
        if (typed.empty()) break;
        if (NumberAnswer(typed)) {
            entered.magnitudeText = typed;
            break;
        }
    }
    return entered;
}

void MakeEnteredObjectCurrent(SessionState& state, const EnteredObject& entered, const std::string& name1,
                              const std::string& name2) {
    SelectPosition(state, entered.raHours, entered.decDegrees, entered.epoch);
    CurrentObject& object = state.object;
    object.name1 = Name(name1);
    object.name2 = Name(name2);
    object.name3 = entered.name3;
    object.name4 = entered.name4;
    object.name5 = entered.name5;
    object.magnitudeText = entered.magnitudeText;
    object.notInCatalog = true;
    object.transientCatalog = false;
    object.nearEarthObject = false;
    object.transientPosition = false;
    state.riseSetValid = false;
}

}  // namespace talvo
