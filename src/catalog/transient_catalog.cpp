#include "catalog/transient_catalog.h"

#include <cmath>

#include "catalog/catalog_file.h"
#include "catalog/catalog_reader.h"
#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/text_format.h"
#include "engine/time_scales.h"
#include "engine/time_stamps.h"
#include "session/body_selection.h"
#include "session/search_request.h"

namespace talvo {

namespace {

// Fields of a time stamp "hhmmssMMDDYYYY".
std::string StampHour(const std::string& stamp) { return stamp.substr(0, 2); }
std::string StampMinute(const std::string& stamp) { return stamp.substr(2, 2); }
std::string StampMonth(const std::string& stamp) { return stamp.substr(6, 2); }
std::string StampDay(const std::string& stamp) { return stamp.substr(8, 2); }
std::string StampYear(const std::string& stamp) { return stamp.substr(10, 4); }

constexpr CatalogColumn kFirstPositionYearColumn = {9, 4};

}  // namespace

std::string TransientSearchName(const ClockState& clock, float utcOffsetHours, bool perMinute) {
    // The offset as signed whole hours and minutes: -5.5 (east of UTC) is -5 h -30 min.
    const long offsetMinutes = std::lround(static_cast<double>(utcOffsetHours) * 60.0);
    std::string utc =
        StampNow(clock, static_cast<int>(offsetMinutes / 60), static_cast<int>(offsetMinutes % 60));
    if (perMinute) {
        if (clock.second >= 30) utc = StampAdd(utc, 0, 0, 1, 0, clock.leapYear);
        return StampMonth(utc) + StampDay(utc) + StampHour(utc) + StampMinute(utc) + StampYear(utc);
    }
    if (LeadingNumber(StampMinute(utc)) >= 30.0) utc = StampAdd(utc, 0, 1, 0, 0, clock.leapYear);
    return StampMonth(utc) + StampDay(utc) + " " + StampHour(utc) + " " + StampYear(utc);
}

int TransientKind(const std::string& name5) {
    return name5.rfind("Comet", 0) == 0 ? kTransientComet : kTransientAsteroid;
}

std::optional<int> FirstPositionYear(const std::string& path) {
    CatalogReader reader;
    if (!reader.Open(path)) return std::nullopt;
    std::string first;
    if (!reader.ReadNextEntry(first)) return std::nullopt;
    return static_cast<int>(LeadingNumber(Columns(first, kFirstPositionYearColumn)));
}

double AngularDistance(double raHours1, double decDegrees1, double raHours2, double decDegrees2) {
    const double ra1 = raHours1 * 15.0 / kDegreesPerRadian, ra2 = raHours2 * 15.0 / kDegreesPerRadian;
    const double dec1 = decDegrees1 / kDegreesPerRadian, dec2 = decDegrees2 / kDegreesPerRadian;
    // The haversine form keeps its precision for small angles.
    const double a = std::pow(std::sin((dec2 - dec1) / 2.0), 2.0) +
                     std::cos(dec1) * std::cos(dec2) * std::pow(std::sin((ra2 - ra1) / 2.0), 2.0);
    return 2.0 * std::asin(std::sqrt(std::min(1.0, a))) * kDegreesPerRadian;
}

TransientSearch FindTransientPosition(SessionState& state, SearchEngine& engine) {
    static_cast<void>(CalcTime(state.clock, state.site));  // the moment's UT and leap-year flag
    const bool transientCatalog = state.object.transientCatalog;
    const bool nearEarthObject = state.object.nearEarthObject;
    state.search.InvalidCount = 0;
    // The Sun first: the object's elongation is its angle from the Sun.
    static_cast<void>(SelectBody(state, kSun));
    const double sunRa = RightAscensionHours(state.object);
    const double sunDec = DeclinationDegrees(state.object);
    state.object.present = 0;
    state.object.transientCatalog = transientCatalog;
    state.object.nearEarthObject = nearEarthObject;

    SearchRequest request;
    request.name = TransientSearchName(state.clock, state.site.utcOffsetHours, state.catalogFlag == 't');
    const SearchOutcome outcome = engine.Start(request);
    if (outcome == SearchOutcome::CatalogUnreadable) return TransientSearch::Unreadable;
    if (outcome != SearchOutcome::Found) {
        engine.CloseFiles();
        return TransientSearch::NoPosition;
    }
    engine.ResetChain();
    CurrentObject& object = state.object;
    object.planetIndex = TransientKind(object.name5);
    object.transientCatalog = transientCatalog;
    object.nearEarthObject = nearEarthObject;
    const double elongation =
        AngularDistance(RightAscensionHours(object), DeclinationDegrees(object), sunRa, sunDec);
    object.elongationDegrees = StrInt(std::lround(elongation));
    object.elongationText = object.elongationDegrees + kDegreeSign;
    return TransientSearch::Found;
}

}  // namespace talvo
