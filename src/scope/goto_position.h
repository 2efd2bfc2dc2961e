// The position a GoTo sends, in the split form the main window shows it.
#pragma once

namespace talvo {

// Right ascension in whole hours and minutes of time; declination in whole degrees truncated
// toward zero, unsigned arc-minutes and a sign flag that carries the minus of declinations
// between -1 and 0 degrees (whose whole degrees are 0 and cannot hold it).
struct GotoPosition {
    int raHours = 0;          // 0 to 23
    double raMinutes = 0.0;   // 0 to below 60
    int decDegrees = 0;       // -90 to 90
    double decMinutes = 0.0;  // 0 to below 60
    int decSign = 1;          // -1 only when decDegrees is 0 and the declination is negative
};

// Splits decimal hours (any value; brought into 0 to 24) and decimal degrees (-90 to 90).
GotoPosition SplitGotoPosition(double raHours, double decDegrees);

// The declination is southern: negative whole degrees, or the sign flag below 0.
bool IsSouthern(const GotoPosition& position);

// Every field within the ranges above; nothing is encoded otherwise.
bool IsValidGotoPosition(const GotoPosition& position);

}  // namespace talvo
