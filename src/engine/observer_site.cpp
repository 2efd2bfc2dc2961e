#include "engine/observer_site.h"

#include <cmath>

#include "engine/numeric.h"

namespace talvo {

SiteAngleParts SplitSiteAngle(double degrees) {
    SiteAngleParts parts;
    double whole = Fix(degrees);
    double minutes = std::fabs(degrees - whole) * 60.0;
    // 59.95 would be displayed as "60.0": carry it into the degrees instead.
    if (minutes >= 59.95) {
        minutes = 0.0;
        whole += degrees < 0.0 ? -1.0 : 1.0;
    }
    parts.degrees = static_cast<int>(whole);
    parts.minutes = minutes;
    parts.sign = (degrees < 0.0 && parts.degrees == 0) ? -1 : 1;
    parts.signText = degrees < 0.0 ? "-" : "";
    return parts;
}

namespace {

void StoreParts(ObserverSite& site, double latitudeDegrees, double longitudeDegrees) {
    SiteAngleParts lat = SplitSiteAngle(latitudeDegrees);
    site.latDegrees = lat.degrees;
    site.latMinutes = lat.minutes;
    site.latSign = lat.sign;
    site.latSignText = lat.signText;
    SiteAngleParts lon = SplitSiteAngle(longitudeDegrees);
    site.lonDegrees = lon.degrees;
    site.lonMinutes = lon.minutes;
    site.lonSign = lon.sign;
    site.lonSignText = lon.signText;
}

}  // namespace

void DeriveSiteFields(ObserverSite& site) {
    StoreParts(site, site.latitude * kDegreesPerRadian, site.longitude * kDegreesPerRadian);
}

// The parts are split from the degrees as given, not from the radians, so that 40.0 is not
// seen as 39.99999999999999 on the way back.
void SetSite(ObserverSite& site, double latitudeDegrees, double longitudeDegrees) {
    site.latitude = latitudeDegrees / kDegreesPerRadian;
    site.longitude = longitudeDegrees / kDegreesPerRadian;
    StoreParts(site, latitudeDegrees, longitudeDegrees);
}

bool UsesUsDateOrder(const ObserverSite& site) {
    int lat = site.latDegrees;
    int lon = site.lonDegrees;
    return (lat >= 32 && lon > 55) || (lat >= 24 && lon > 55 && lon < 115);
}

}  // namespace talvo
