// The values of script commands, read as the script's rules read them: numbers by the
// leading-number rule, and the error text the script's log shows for a value out of range.
#pragma once

#include <string>

namespace talvo {

// A time of day of WAIT (hh:mm or hh:mm:ss) or EXIT (hh:mm; seconds are not read).
struct ScriptTime {
    std::string error;  // empty when the time is valid
    int hour = 0, minute = 0, second = 0;
};
ScriptTime ReadScriptTime(const std::string& value, bool withSeconds);

// A fictitious object of ALT or RA, read from the command from its keyword on ("ALT=30D15M
// AZ=120D30M Name", "RA=5H35.3M DEC=-5D23M Name").
struct ScriptPoint {
    std::string error;    // empty when the position is valid
    double first = 0.0;   // ALT: apparent altitude, degrees 0-90; RA: right ascension, hours 0-24
    double second = 0.0;  // ALT: azimuth, degrees 0-360 from north through east; RA: declination
    // ALT: the altitude and azimuth split as whole degrees and minutes, as the window's typed
    // entry keeps them.
    double firstDegrees = 0.0, firstMinutes = 0.0, secondDegrees = 0.0, secondMinutes = 0.0;
    std::string name1;  // the command from the keyword through its first "M"
    std::string name2;  // the rest of the command after the second position's "M"
};

// ALT=d D m M ...=d D m M: the altitude needs its "D" and "M"; the azimuth follows the second
// "=", its minutes after a "D" (0 without one).
ScriptPoint ReadAltAz(const std::string& command);

// RA=h H m M ...=d D m M: the hours need their "H"; the declination follows the second "=",
// its minutes after a "D" (0 without one), negative when its text starts with "-" (so -0D30M
// is half a degree south).
ScriptPoint ReadRaDec(const std::string& command);

// The epoch written as the (up to) four characters before the keyword RA ("2000RA="): its value
// and its text; an error when it is outside 1800 to 2200.
struct ScriptEpoch {
    std::string error;
    double year = 0.0;
    std::string text;
};
ScriptEpoch ReadEpoch(const std::string& line, std::size_t keywordStart);

// A whole number from `low` to `high` by the leading-number rule; false for a fraction or a
// number outside.
bool WholeNumberIn(const std::string& value, int low, int high, int& number);

}  // namespace talvo
