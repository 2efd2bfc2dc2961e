#include "app/display_texts.h"

#include <cmath>
#include <cstdlib>

#include "engine/numeric.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr int kMoonIndex = 3;  // row of the Moon in the solar-system list

// Site minutes: more decimals for a site taken from a device, and where one decimal would
// round up to 60.
std::string SiteMinutesText(double minutes, bool precise) {
    if (precise || minutes >= 59.995) return FormatFixed(minutes, 1, 4);
    if (minutes >= 59.95) return FormatFixed(minutes, 1, 2);
    return FormatFixed(minutes, 1, 1);
}

std::string SiteAngleText(int degrees, double minutes, bool precise, bool negative,
                          const char* positiveSide, const char* negativeSide) {
    return StrInt(std::abs(degrees)) + kDegreeSign + " " + SiteMinutesText(minutes, precise) + "'" +
           "  " + (negative ? negativeSide : positiveSide);
}

}  // namespace

std::string TimeText(const ClockState& clock) {
    return clock.hourText() + ":" + clock.minuteText() + ":" + clock.secondText() + "  " +
           clock.zoneLetter1 + clock.zoneLetter2 + clock.zoneLetter3;
}

std::string DateText(const ClockState& clock) {
    if (clock.usDateOrder) return clock.monthText() + "-" + clock.dayText() + "-" + clock.yearText();
    return clock.dayText() + "-" + clock.monthText() + "-" + clock.yearText();
}

std::string GmtText(const ClockState& clock) {
    return "UTC   =  " + clock.utText + ":" + clock.secondText() + " " + clock.utDayMark;
}

std::string SiderealTimeText(const ClockState& clock) {
    return "Sidereal Time =  " + TwoDigits(clock.lstHours) + ":" + TwoDigits(clock.lstMinutes) + ":" +
           TwoDigits(clock.lstSeconds);
}

std::string LatitudeText(const ObserverSite& site) {
    return SiteAngleText(site.latDegrees, site.latMinutes, site.siteFromGps, site.latSignText == "-",
                         "N", "S");
}

std::string LongitudeText(const ObserverSite& site) {
    return SiteAngleText(site.lonDegrees, site.lonMinutes, site.siteFromGps, site.lonSignText == "-",
                         "W", "E");
}

std::string RightAscText(const CurrentObject& object, double targetEpoch) {
    // 59.995 and more would round to "60.00".
    double minutes = object.raMinutes >= 59.99 ? 59.99 : object.raMinutes;
    std::string ra = StrInt(object.raHours) + "h " + FormatFixed(minutes, 2, 2) + "m";
    if (object.planetIndex == kMoonIndex) return "Topocentric R.A. = " + ra;
    return StrNumber(targetEpoch) + " R.A. = " + ra;
}

std::string DeclinationText(const CurrentObject& object) {
    std::string degrees = StrInt(object.decDegrees);
    // Between 0 and -1 degree the whole degrees are 0: the minus takes the leading blank's place.
    if (object.decSign < 0 && object.decDegrees == 0) degrees[0] = '-';
    double minutes = object.decMinutes >= 59.95 ? 59.9 : object.decMinutes;
    return "Dec = " + degrees + kDegreeSign + " " + FormatFixed(minutes, 2, 1) + "'";
}

std::string AltitudeText(const CurrentObject& object) {
    double whole = Fix(object.altitude);
    // The sign is kept for altitudes between 0 and -1 degree, whose whole degrees are 0.
    std::string degrees = (object.altitude < 0.0 ? "-" : "") + TwoDigits(std::lround(std::fabs(whole)));
    double minutes = object.altitudeMinutes > 59.0 ? 59.0 : object.altitudeMinutes;
    return "Altitude = " + degrees + kDegreeSign + " " + FormatFixed(minutes, 2, 0) + "'";
}

std::string CompassPoint(double azimuth) {
    struct Sector {
        double below;
        const char* name;
    };
    // The eight main points cover 30 degrees each, the eight intermediate ones 15.
    static constexpr Sector kSectors[] = {
        {15, "(N)"},    {30, "(NNE)"},  {60, "(NE)"},  {75, "(ENE)"},  {105, "(E)"},  {120, "(ESE)"},
        {150, "(SE)"},  {165, "(SSE)"}, {195, "(S)"},  {210, "(SSW)"}, {240, "(SW)"}, {255, "(WSW)"},
        {285, "(W)"},   {300, "(WNW)"}, {330, "(NW)"}, {345, "(NNW)"},
    };
    for (const Sector& sector : kSectors) {
        if (azimuth < sector.below) return sector.name;
    }
    return "(N)";
}

std::string AzimuthText(const CurrentObject& object) {
    long degrees = static_cast<long>(Int(object.azimuth));
    long minutes = std::lround(object.azimuthMinutes);
    if (minutes >= 60) {
        minutes -= 60;
        degrees += 1;
    }
    if (degrees >= 360) degrees -= 360;
    std::string compass = object.altitude < 0.0 ? "" : CompassPoint(object.azimuth);
    return "Azimuth = " + std::to_string(degrees) + kDegreeSign + " " + TwoDigits(minutes) + "'  " + compass;
}

}  // namespace talvo
