// The main window at 40.5 N 74.25 W, five hours west of UTC (dates month first), the computer's
// clock at 2026-12-06 21:30:00, with scripted answers in place of the observer.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

#include "forms/form1.h"
#include "platform/fixed_time_zone.h"
#include "session/session_state.h"
#include "support/fake_clock.h"
#include "support/scripted_dialogs.h"

namespace talvo::testing {

class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
        ApplyDateOrder(state);
    }

    // Answers for the input boxes to come, in order.
    void Answer(std::initializer_list<const char*> answers) {
        for (const char* a : answers) dialogs.inputAnswers.emplace_back(std::string(a));
    }

    SessionState state;
    FakeClock clock{{2026, 12, 6, 21, 30, 0}};
    platform::FixedTimeZone zone{5.0};
    ScriptedDialogs dialogs;
    Form1 form{state, clock, zone, dialogs};
};

}  // namespace talvo::testing
