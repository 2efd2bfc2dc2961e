#include <gtest/gtest.h>

#include <regex>
#include <string>

#include "app/body_selection.h"
#include "app/display_texts.h"
#include "app/form1.h"
#include "app/session_state.h"
#include "engine/coordinates.h"
#include "engine/solar_system.h"
#include "engine/time_scales.h"
#include "platform/fixed_time_zone.h"
#include "support/fake_clock.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

// 2026 December 6, 21:30 EST, at 40.5 N 74.25 W.
class BodyTexts : public ::testing::Test {
protected:
    BodyTexts() {
        SetSite(state.site, 40.5, 74.25);
        ApplySystemTimeZone(state, zone);
        state.clock.realTime = false;
        state.clock.SetMoment({2026, 12, 6, 21, 30, 0});
        CalcTime(state.clock, state.site);
    }

    const CurrentObject& Select(int index) {
        EXPECT_TRUE(SelectBody(state, index));
        return state.object;
    }

    SessionState state;
    platform::FixedTimeZone zone{5.0};
};

bool Matches(const std::string& text, const char* pattern) {
    return std::regex_match(text, std::regex(pattern));
}

// Reference: the Sun 0.9853 AU away in Ophiuchus; Saturn 113 degrees east of it and Neptune
// 29.58 AU away, both in the evening sky.
TEST_F(BodyTexts, TheSunAndThePlanets) {
    const CurrentObject& sun = Select(kSun);
    EXPECT_EQ(sun.present, 1);
    EXPECT_FALSE(state.riseSetValid);
    EXPECT_EQ(
        Name1Text(sun) + "|" + MagnitudeText(sun) + "|" + Name2Text(sun) + "|" + Name3Text(sun) + "|" +
            Name4Text(sun) + "|" + Name5Text(sun),
        "Name = Sun         ||Distance= 0.985 AU|Elongation= 0|Constellation= Ophiuchus   |Size= 32.5'");

    // The distance is the Earth's radius vector of the 1975 theory, not the J2000 one.
    CurrentObject check = sun;
    EXPECT_DOUBLE_EQ(sun.distanceAU, CalcElongation(check, state.clock));
    CalcPlanet(check, state.clock, state.site.latitude, 2027.0);
    EXPECT_NE(sun.distanceAU, check.distanceAU);
    EXPECT_NEAR(sun.distanceAU, check.distanceAU, 1e-4);

    EXPECT_FALSE(SelectBody(state, 10));
    EXPECT_FALSE(SelectBody(state, -1));
    EXPECT_EQ(state.object.planetIndex, kSun);

    EXPECT_EQ(Name3Text(Select(6)), "Elongation= 113\xB0 Evening");
    EXPECT_EQ(MagnitudeText(state.object), "");
    EXPECT_EQ(Name2Text(Select(8)), "Distance= 29.58 AU");
    EXPECT_EQ(Name3Text(state.object).substr(16), " Evening");
    EXPECT_EQ(Name1Text(Select(kPluto)), "Name = Pluto (dwarf)");
}

TEST(BodyTextFormats, SizeDistanceMagnitudeAndMeridianAltitude) {
    CurrentObject body;
    auto at = [&body](int index, double au) {
        body.planetIndex = index;
        body.distanceAU = au;
        return Name5Text(body) + " " + Name2Text(body);
    };
    EXPECT_EQ(at(4, 1.0), "Size= 9.360\" Distance= 1.000 AU");  // Mars: 9.36" at 1 AU
    EXPECT_EQ(at(4, 0.9), "Size= 10.40\" Distance= 0.900 AU");
    EXPECT_EQ(at(9, 36.3), "Size= 0.090\" Distance= 36.30 AU");
    EXPECT_EQ(at(6, 9.9949), "Size= 16.55\" Distance= 9.995 AU");
    EXPECT_EQ(at(kSun, 1.0), "Size= 32.0' Distance= 1.000 AU");

    CurrentObject moon;
    moon.planetIndex = kMoon;
    moon.moonDistanceKm = 356500.0f;
    moon.moonDiameter = 33.52f;
    EXPECT_EQ(Name5Text(moon) + " " + Name4Text(moon), "Size= 33.5'  1.08x avg Dist = 356,500.0 km ");

    CurrentObject star;  // a catalog object
    const char* const magnitudes[][2] = {
        {"99", "Mag = Unspecified"}, {"4.5", "Mag = 4.5"}, {"12.3", "Mag = 12.3"}};
    for (const auto& [magnitude, text] : magnitudes) {
        star.magnitudeText = magnitude;
        EXPECT_EQ(MagnitudeText(star), text);
    }
    star.transitLabel = "NextTransit = ";
    star.transitText = "23:41  ";
    star.meridianAltitude = 31.6;
    EXPECT_EQ(TransitTimeText(star), "NextTransit = 23:41    31.6\xB0");
    star.meridianAltitude = 5.2;
    EXPECT_EQ(TransitTimeText(star), "NextTransit = 23:41    5.2\xB0");
}

// The window keeps a chosen body current every tick, and recomputes its rise, transit and set
// only when the flag is cleared (the new minute in real time).
TEST_F(BodyTexts, MainWindowFollowsTheChosenBody) {
    testing::FakeClock clock({2026, 12, 6, 21, 30, 30});
    testing::ScriptedDialogs dialogs;
    Form1 form(state, clock, zone, dialogs);
    state.clock.realTime = true;
    form.ReadClock();
    CalcTime(state.clock, state.site);
    SelectBody(state, 5);  // Jupiter rises at about 22:02
    form.RefreshAll();
    EXPECT_TRUE(state.riseSetValid);
    EXPECT_TRUE(Matches(form.RiseTime.caption, "NextRise = 22:0\\d  ")) << form.RiseTime.caption;
    EXPECT_TRUE(Matches(form.TransitTime.caption, "NextTransit = 04:5\\d \\+  6\\d\\.\\d\xB0"))
        << form.TransitTime.caption;
    EXPECT_TRUE(Matches(form.SetTime.caption, "Last Set = 11:\\d\\d  ")) << form.SetTime.caption;
    EXPECT_EQ(form.name3label.caption, "Elongation= 108\xB0 Morning");
    const std::string risen = form.RiseTime.caption;
    const double ra = RightAscensionHours(state.object);

    clock.Set({2026, 12, 6, 22, 40, 30});
    form.Timer1_Timer();
    EXPECT_EQ(form.RiseTime.caption, risen);           // the flag still set: not recomputed
    EXPECT_NE(RightAscensionHours(state.object), ra);  // but the position moved on

    clock.Set({2026, 12, 6, 22, 41, 0});
    form.Timer1_Timer();
    EXPECT_TRUE(state.riseSetValid);
    EXPECT_TRUE(Matches(form.RiseTime.caption, "Rose At = 22:0\\d  ")) << form.RiseTime.caption;
}

}  // namespace
}  // namespace talvo
