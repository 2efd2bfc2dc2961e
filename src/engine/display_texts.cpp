#include "engine/display_texts.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"

namespace talvo {

namespace {

// The Moon's mean distance, km: its size is also shown relative to the size at that distance.
constexpr double kMoonMeanDistanceKm = 384401.0;

bool IsPlanet(const CurrentObject& object) {
    return IsSolarSystemBody(object) && object.planetIndex != kSun && object.planetIndex != kMoon;
}

// A catalog name as shown: without the leading "=" some catalogs mark names with.
std::string ShownName(const std::string& name) {
    return !name.empty() && name[0] == '=' ? name.substr(1) : name;
}

// Site minutes: more decimals for a site taken from a device, and where one decimal would
// round up to 60.
std::string SiteMinutesText(double minutes, bool precise) {
    if (precise || minutes >= 59.995) return FormatFixed(minutes, 1, 4);
    if (minutes >= 59.95) return FormatFixed(minutes, 1, 2);
    return FormatFixed(minutes, 1, 1);
}

std::string SiteAngleText(int degrees, double minutes, bool precise, bool negative, const char* positiveSide,
                          const char* negativeSide) {
    return StrInt(std::abs(degrees)) + kDegreeSign + " " + SiteMinutesText(minutes, precise) + "'" + "  " +
           (negative ? negativeSide : positiveSide);
}

}  // namespace

std::string TimeText(const ClockState& clock) {
    return clock.hourText() + ":" + clock.minuteText() + ":" + clock.secondText() + "  " + clock.zoneLetter1 +
           clock.zoneLetter2 + clock.zoneLetter3;
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
    return SiteAngleText(site.latDegrees, site.latMinutes, site.siteFromGps, site.latSignText == "-", "N",
                         "S");
}

std::string LongitudeText(const ObserverSite& site) {
    return SiteAngleText(site.lonDegrees, site.lonMinutes, site.siteFromGps, site.lonSignText == "-", "W",
                         "E");
}

std::string RaText(const CurrentObject& object) {
    // 59.995 and more would round to "60.00".
    double minutes = object.raMinutes >= 59.99 ? 59.99 : object.raMinutes;
    return StrInt(object.raHours) + "h " + FormatFixed(minutes, 2, 2) + "m";
}

std::string RightAscText(const CurrentObject& object, double targetEpoch) {
    std::string ra = RaText(object);
    if (object.planetIndex == kMoon) return "Topocentric R.A. = " + ra;
    return StrNumber(targetEpoch) + " R.A. = " + ra;
}

std::string DecText(const CurrentObject& object) {
    std::string degrees = StrInt(object.decDegrees);
    // Between 0 and -1 degree the whole degrees are 0: the minus takes the leading blank's place.
    if (object.decSign < 0 && object.decDegrees == 0) degrees[0] = '-';
    double minutes = object.decMinutes >= 59.95 ? 59.9 : object.decMinutes;
    return degrees + kDegreeSign + " " + FormatFixed(minutes, 2, 1) + "'";
}

std::string DeclinationText(const CurrentObject& object) { return "Dec = " + DecText(object); }

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
        {15, "(N)"},   {30, "(NNE)"},  {60, "(NE)"},  {75, "(ENE)"},  {105, "(E)"},  {120, "(ESE)"},
        {150, "(SE)"}, {165, "(SSE)"}, {195, "(S)"},  {210, "(SSW)"}, {240, "(SW)"}, {255, "(WSW)"},
        {285, "(W)"},  {300, "(WNW)"}, {330, "(NW)"}, {345, "(NNW)"},
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

namespace talvo {

std::string MagnitudeText(const CurrentObject& object) {
    if (object.planetIndex == kMoon) return "Constellation= " + object.constellation;
    if (IsSolarSystemBody(object)) return "";
    double magnitude = LeadingNumber(object.magnitudeText);
    if (magnitude >= 99.0) return "Mag = Unspecified";
    return "Mag = " + FormatFixed(magnitude, magnitude < 10.0 ? 1 : 2, 1);
}

std::string Name1Text(const CurrentObject& object, bool longName) {
    if (longName && !IsSolarSystemBody(object)) return "Long Name= " + ShownName(object.name1);
    // A transient catalog's first name is the moment of its position.
    if (object.transientCatalog && !IsSolarSystemBody(object)) return "UT = " + ShownName(object.name1);
    return "Name = " + ShownName(object.name1);
}

std::string Name2Text(const CurrentObject& object) {
    if (object.planetIndex == kMoon) return "Phase= " + object.phaseName;
    if (IsSolarSystemBody(object)) return "Distance= " + DistanceText(object);
    return "Name2 = " + ShownName(object.name2);
}

std::string TransientObjectText(const CurrentObject& object, const std::string& catalogFileName) {
    // A designation too long for a name field is read from the catalog's file name.
    if (catalogFileName.size() <= kLongCatalogFileName) return "Object = " + ShownName(object.name2);
    std::string name = catalogFileName.substr(0, catalogFileName.rfind('.'));
    for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "Object = " + name;
}

std::string DistanceText(const CurrentObject& object) {
    double au = object.distanceAU;
    return (au < 10.0 ? FormatFixed(au, 1, 3) : FormatFixed(au, 2, 2)) + " AU";
}

std::string Name3Text(const CurrentObject& object) {
    if (object.planetIndex == kSun) return "Elongation= 0";
    if (IsSolarSystemBody(object) || IsTransientObject(object)) return "Elongation= " + object.elongationText;
    return "Name3 = " + ShownName(object.name3);
}

std::string Name4Text(const CurrentObject& object) {
    if (object.planetIndex == kMoon) return "Dist = " + FormatGrouped(object.moonDistanceKm, 6, 1) + " km ";
    if (IsSolarSystemBody(object)) return "Constellation= " + object.constellation;
    return "Name4 = " + ShownName(object.name4);
}

std::string Name5Text(const CurrentObject& object) {
    if (object.planetIndex == kSun)
        return "Size= " + FormatFixed(BodyDiameterArcsec(object) / 60.0, 2, 1) + "'";
    if (object.planetIndex == kMoon) {
        return "Size= " + FormatFixed(object.moonDiameter, 2, 1) + "'  " +
               FormatFixed(kMoonMeanDistanceKm / object.moonDistanceKm, 1, 2) + "x avg";
    }
    if (IsPlanet(object)) {
        double arcsec = BodyDiameterArcsec(object);
        return "Size= " + FormatFixed(arcsec, 1, arcsec < 10.0 ? 3 : 2) + "\"";
    }
    if (object.transientCatalog) return "Object Type = " + ShownName(object.name5);
    return "Name5 = " + ShownName(object.name5);
}

std::string RiseTimeText(const CurrentObject& object) { return object.riseLabel + object.riseText; }

std::string TransitTimeText(const CurrentObject& object) {
    double altitude = object.meridianAltitude;
    return object.transitLabel + object.transitText + "  " +
           FormatFixed(altitude, altitude < 10.0 ? 1 : 2, 1) + kDegreeSign;
}

std::string SetTimeText(const CurrentObject& object) { return object.setLabel + object.setText; }

}  // namespace talvo
