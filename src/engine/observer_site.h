// The observer's site: where on Earth the positions are computed for.
#pragma once

#include <string>

namespace talvo {

// One coordinate of the site split for display: whole degrees truncated toward zero (they
// carry the sign), minutes never negative, and a sign flag that keeps the sign of values
// between 0 and -1 degree, whose whole degrees are 0.
struct SiteAngleParts {
    int degrees = 0;
    double minutes = 0.0;
    int sign = 1;          // -1 only when the value is negative and `degrees` is 0
    std::string signText;  // "-" when the value is negative, else empty
};

struct ObserverSite {
    double latitude = 0.0;   // radians, north positive
    double longitude = 0.0;  // radians, WEST positive (United States sites: about +55 to +115 deg)

    // Derived from latitude and longitude by DeriveSiteFields.
    int latDegrees = 0;
    double latMinutes = 0.0;
    int latSign = 1;
    std::string latSignText;
    int lonDegrees = 0;
    double lonMinutes = 0.0;
    int lonSign = 1;
    std::string lonSignText;

    float utcOffsetHours = 0.0f;       // hours WEST of UTC, daylight saving included: UT = local + offset
    double standardOffsetHours = 0.0;  // the zone's standard offset, same sign, no daylight saving
    bool noDaylightSaving = false;     // zone abbreviation always in its standard form
    bool siteFromGps = false;          // set from a GPS receiver or telescope: shown more precisely
};

// Splits an angle in degrees into whole degrees, minutes and sign. Minutes that come to 59.95
// or more become 0 and the degrees move one unit away from zero.
SiteAngleParts SplitSiteAngle(double degrees);

// Sets the latitude (degrees, north positive) and longitude (degrees, west positive) and
// derives their display fields.
void SetSite(ObserverSite& site, double latitudeDegrees, double longitudeDegrees);

// Re-derives the display fields from `latitude` and `longitude`.
void DeriveSiteFields(ObserverSite& site);

// Month-day-year order for sites in the United States, judged on whole degrees:
// (latitude >= 32 N and longitude > 55 W) or (latitude >= 24 N and 55 W < longitude < 115 W).
bool UsesUsDateOrder(const ObserverSite& site);

}  // namespace talvo
