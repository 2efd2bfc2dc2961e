// What one tick of the real-time loop costs in the engine, for every object kind: the time
// scales, the body's recomputation, altitude and azimuth, and rise/transit/set (which the loop
// runs once a minute, measured here on every tick as the worst case). The time scales alone are
// the baseline the others are compared with.
#include <benchmark/benchmark.h>

#include "engine/coordinates.h"
#include "engine/rise_set.h"
#include "engine/time_scales.h"
#include "session/body_selection.h"
#include "session/session_state.h"

namespace {

talvo::SessionState MakeSession() {
    talvo::SessionState state;
    talvo::SetSite(state.site, 40.5, 74.25);
    state.site.utcOffsetHours = 5.0f;
    state.clock.SetMoment({2026, 12, 6, 21, 30, 0});
    talvo::CalcTime(state.clock, state.site);
    return state;
}

void TimeScalesOnly(benchmark::State& bench) {
    talvo::SessionState state = MakeSession();
    for (auto _ : bench) {
        talvo::CalcTime(state.clock, state.site);
        benchmark::DoNotOptimize(state.clock.localSiderealTime);
    }
}
BENCHMARK(TimeScalesOnly);

// One full tick with rise, transit and set; argument: the list row, or -1 for a catalog star.
void FullTick(benchmark::State& bench) {
    talvo::SessionState state = MakeSession();
    const int row = static_cast<int>(bench.range(0));
    if (row < 0) {
        talvo::SelectPosition(state, 5.588, -5.39, 2000.0);
    } else if (!talvo::SelectBody(state, row)) {
        bench.SkipWithError("no body of that row");
        return;
    }
    for (auto _ : bench) {
        talvo::CalcTime(state.clock, state.site);
        talvo::UpdateBody(state);
        talvo::CalcAltAz(state.object, state.site.latitude, state.clock.localSiderealTime);
        talvo::CalcRiseTransitSet(state.object, state.site.latitude, state.clock);
        benchmark::DoNotOptimize(state.object.altitude);
    }
}
BENCHMARK(FullTick)->DenseRange(-1, 9);

}  // namespace

BENCHMARK_MAIN();
