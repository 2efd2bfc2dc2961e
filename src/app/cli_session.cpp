#include "app/cli_session.h"

#include "engine/time_scales.h"
#include "platform/file_append.h"
#include "session/body_selection.h"

namespace talvo {

void PrepareCliSession(SessionState& state, const CliSessionOptions& options, const platform::Clock& clock,
                       const platform::TimeZone& zone) {
    platform::IgnoreFileSizeSignal();
    SetSite(state.site, options.latitudeDegrees.value_or(0.0), options.longitudeDegrees.value_or(0.0));
    ApplySystemTimeZone(state, zone);
    ApplyDateOrder(state);
    if (options.fixedEpoch) state.scope.fixedEpoch = *options.fixedEpoch;

    LocalDateTime moment = clock.Now();
    if (options.date) {
        moment.year = options.date->year;
        moment.month = options.date->month;
        moment.day = options.date->day;
    }
    if (options.time) {
        moment.hour = options.time->hour;
        moment.minute = options.time->minute;
        moment.second = options.time->second;
    }
    if (options.date || options.time) {
        SetLocalMoment(state, moment);  // fictitious time, as the window's Date and Time commands make it
        return;
    }
    state.clock.realTime = true;
    state.clock.SetMoment(moment);
    CalcTime(state.clock, state.site);
}

void SelectPositionOrBody(SessionState& state, const CliObjectOptions& options) {
    if (options.raHours)
        SelectPosition(state, *options.raHours, *options.decDegrees, options.epoch.value_or(2000.0));
    if (options.planet) static_cast<void>(SelectBody(state, *options.planet));  // the parser checked the row
}

}  // namespace talvo
