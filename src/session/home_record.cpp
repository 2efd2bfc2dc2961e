#include "session/home_record.h"

namespace talvo {

HomeRecord RecordFromSession(const SessionState& state) {
    const ObserverSite& site = state.site;
    const ScopeSettings& scope = state.scope;
    HomeRecord record;
    record.latitude = site.latitude;
    record.longitude = site.longitude;
    record.utcOffset = TaggedValue::Single(site.utcOffsetHours);
    // Night colours are a passing state of the screen; the file keeps the colours of the day.
    const Colour back = state.nightVision ? state.dayBackColor : state.backColor;
    const Colour text = state.nightVision ? state.dayTextColor : state.textColor;
    record.backColor = {ValueTag::Int32, static_cast<double>(back), {}};
    record.textColor = {ValueTag::Int32, static_cast<double>(text), {}};
    record.scopeModel = TaggedValue::Integer(scope.scopeModel < 100 ? scope.scopeType : scope.scopeModel);
    record.scopePort = static_cast<std::int16_t>(scope.scopePort);
    record.noDaylight = site.noDaylightSaving ? 1 : 0;
    record.siteFromGps = TaggedValue::Flag(site.siteFromGps);
    record.doNotLoadTime = TaggedValue::Flag(state.doNotLoadTime);
    record.version = TaggedValue::Integer(kHomeFileVersionWritten);
    record.scopeHasGps = TaggedValue::Flag(scope.scopeHasGps);
    record.firstUseDate = TaggedValue::Real(state.firstUseDate);
    record.ignoreInvalid = TaggedValue::Integer(scope.ignoreInvalidEntries);
    record.skyClass = TaggedValue::Integer(scope.skyClass);
    record.sizeClass = TaggedValue::Integer(scope.sizeClass);
    record.fixedEpoch = TaggedValue::Real(scope.fixedEpoch);
    record.gpsPort = static_cast<std::int16_t>(scope.gpsPort);
    record.reserved.fill(TaggedValue::Integer(0));
    return record;
}

}  // namespace talvo
