#include "engine/time_zone.h"

#include <cmath>

namespace talvo {

namespace {

struct ZoneNames {
    int standardHoursWest;  // Int of the standard offset, hours west positive
    const char* daylight;
    const char* standard;
};

constexpr ZoneNames kZoneNames[] = {
    {-10, "AED", "AES"}, {-9, "ACD", "ACS"}, {-8, "AWD", "AWS"}, {-3, "MSD", "MSK"}, {-2, "EES", "EET"},
    {-1, "CES", "CET"},  {0, "BST", "GMT"},  {4, "ADT", "AST"},  {5, "EDT", "EST"},  {6, "CDT", "CST"},
    {7, "MDT", "MST"},   {8, "PDT", "PST"},  {9, "AKD", "AKS"},  {10, "HDT", "HST"},
};

}  // namespace

float GetUtcOffset(ObserverSite& site, const ZoneInformation& zone) {
    ZoneInformation info = zone;
    if (info.state == ZoneInformation::Invalid) info.state = ZoneInformation::Standard;
    long extra = info.state == ZoneInformation::Daylight ? info.daylightBias : info.standardBias;
    site.standardOffsetHours = static_cast<float>(info.bias) / 60.0f;
    return static_cast<float>(info.bias + extra) / 60.0f;
}

bool IsDaylightTime(const ZoneInformation& zone) { return zone.state == ZoneInformation::Daylight; }

void GetZoneName(ClockState& clock, const ObserverSite& site, const ZoneInformation& zone) {
    int k = static_cast<int>(std::floor(site.standardOffsetHours));
    bool daylight = IsDaylightTime(zone) && !site.noDaylightSaving;
    const char* letters = "UNK";
    for (const ZoneNames& row : kZoneNames) {
        if (row.standardHoursWest == k) letters = daylight ? row.daylight : row.standard;
    }
    clock.zoneLetter1 = letters[0];
    clock.zoneLetter2 = letters[1];
    clock.zoneLetter3 = letters[2];
}

}  // namespace talvo
