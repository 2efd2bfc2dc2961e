// Loading and saving the home location file: what a load applies, what it refuses, the names
// files are saved under, and a save that cannot finish.
#include "forms/home_location.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/numeric.h"
#include "platform/fixed_time_zone.h"
#include "scope/scope_models.h"
#include "session/home_record.h"
#include "support/child_process.h"
#include "support/scripted_dialogs.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

using testing::ScratchDir;
using testing::ScriptedDialogs;

constexpr double kUsedBefore = 2461000.5;  // a first-use date already set

class HomeLocationTest : public ::testing::Test {
protected:
    HomeLocationTest() { state.appDir = dir.path(); }

    // A version-12 file of an observer who has used the program before.
    HomeRecord Saved() {
        SessionState saved;
        saved.firstUseDate = kUsedBefore;
        return RecordFromSession(saved);
    }

    HomeLoad Load(const HomeRecord& record, std::size_t keep = std::string::npos) {
        dir.Write("TALVO.HOM", EncodeHomeFile(record).substr(0, keep));
        return LoadHomeFile(state, zone, dialogs, [this](const std::string& name) { location = name; });
    }

    ScratchDir dir;
    SessionState state;
    platform::FixedTimeZone zone{5.0};
    ScriptedDialogs dialogs;
    std::string location;
};

TEST_F(HomeLocationTest, AppliesTheSiteTheZoneAndTheOptions) {
    HomeRecord record = Saved();
    record.latitude = -0.5 * kRadiansPerDegree;
    record.longitude = 97.0 * kRadiansPerDegree;
    record.utcOffset = TaggedValue::Single(-9.0f);  // replaced by the system's
    record.scopeModel = TaggedValue::Integer(107);
    record.scopePort = 4;
    record.gpsPort = 6;
    record.scopeHasGps = TaggedValue::Flag(true);
    record.skyClass = TaggedValue::Integer(1);
    record.sizeClass = TaggedValue::Integer(4);
    record.fixedEpoch = TaggedValue::Real(2000.0);
    const HomeLoad load = Load(record);
    ASSERT_TRUE(load.Loaded());
    EXPECT_FALSE(load.FirstRun());
    EXPECT_EQ(load.firstUseDate, kUsedBefore);
    EXPECT_EQ(state.site.latDegrees, 0);
    EXPECT_EQ(state.site.latSign, -1);
    EXPECT_NEAR(state.site.latMinutes, 30.0, 1e-6);
    EXPECT_EQ(state.site.utcOffsetHours, 5.0f);
    EXPECT_EQ(state.scope.scopeModel, 107);
    EXPECT_EQ(state.scope.scopeType, 1);
    EXPECT_EQ(state.scope.scopePort, 4);
    EXPECT_EQ(state.scope.gpsPort, 6);
    EXPECT_TRUE(state.scope.scopeHasGps);
    EXPECT_EQ(state.scope.defaultMagnitudeLimit, DefaultMagnitudeLimit(4, 1));
    EXPECT_FALSE(state.configDirty);
    EXPECT_FALSE(state.clock.usDateOrder);  // 0.5 S is no United States site
    EXPECT_EQ(location, "TALVO.HOM");
}

TEST_F(HomeLocationTest, ModelCodesGiveTheTelescopeFamily) {
    const std::pair<int, int> cases[] = {{300, 3}, {10000, 0}, {4, 4}, {501, 5}};
    for (const auto& [model, type] : cases) {
        HomeRecord record = Saved();
        record.scopeModel = TaggedValue::Integer(model);
        ASSERT_TRUE(Load(record).Loaded());
        EXPECT_EQ(state.scope.scopeType, type) << model;
    }
}

TEST_F(HomeLocationTest, ModelRulesAskThroughTheDialogs) {
    HomeRecord record = Saved();
    record.scopeModel = TaggedValue::Integer(102);  // refined by whether it has a GPS receiver
    dialogs.messageAnswers.push_back(MessageAnswer::Yes);
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(dialogs.messages.at(0).text, "Does this Scope have a GPS?");
    EXPECT_EQ(state.scope.scopeModel, 107);
}

TEST_F(HomeLocationTest, ColoursOfEarlierVersionsAndWhite) {
    HomeRecord record = Saved();
    record.backColor = TaggedValue::Integer(128);
    record.textColor = TaggedValue::Integer(255);
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(state.backColor, kDarkRed);
    EXPECT_EQ(state.textColor, kYellow);

    record.backColor = {ValueTag::Int32, kWhite, {}};
    record.textColor = TaggedValue::Integer(0);
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(state.highlightColor, kWhite);

    state.nightVision = true;  // the file's colours wait for the end of night vision
    record.backColor = TaggedValue::Integer(255);
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(state.backColor, kWhite);
    EXPECT_EQ(state.dayBackColor, 255u);
    EXPECT_EQ(state.dayHighlightColor, kRed);
    record.backColor = {ValueTag::Int32, kWhite, {}};
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(state.dayHighlightColor, kWhite);  // back with the white scheme when night vision ends
}

TEST_F(HomeLocationTest, IgnoreInvalidOfZeroTurnsOnAndMarksDirty) {
    HomeRecord record = Saved();
    record.ignoreInvalid = TaggedValue::Integer(0);
    state.scope.ignoreInvalid = false;
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_TRUE(state.scope.ignoreInvalid);
    EXPECT_EQ(state.scope.ignoreInvalidEntries, 1);
    EXPECT_TRUE(state.configDirty);
}

TEST_F(HomeLocationTest, EarlyVersionLoadsWithDefaultsAndIsDirty) {
    HomeRecord record = Saved();
    record.version = TaggedValue::Integer(8);
    record.gpsPort = 9;
    state.scope.scopeHasGps = true;
    const HomeLoad load = Load(record, 54);  // ends after field 11
    ASSERT_TRUE(load.Loaded());
    EXPECT_TRUE(state.configDirty);
    EXPECT_EQ(state.homeFileVersion, 8.0);
    EXPECT_EQ(load.firstUseDate, std::nullopt);
    EXPECT_TRUE(load.FirstRun());
    EXPECT_FALSE(state.scope.scopeHasGps);
    EXPECT_EQ(state.scope.gpsPort, 0);

    // A version before 9.01 does not carry the GPS port, even when the file is long enough.
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(state.scope.gpsPort, 0);
}

TEST_F(HomeLocationTest, FailuresLeaveTheStateAndSayWhy) {
    state.site.latitude = 0.5;
    state.scope.scopeModel = 401;
    const std::string expected = "Unable to read Home Location file " + dir.path() +
                                 "TALVO.HOM\nTALVO looks for home files in " + dir.path() + ".";
    HomeLoad load = LoadHomeFile(state, zone, dialogs, nullptr);
    EXPECT_EQ(load.status, HomeLoadStatus::Unreadable);
    EXPECT_EQ(load.message, expected);

    HomeRecord record = Saved();
    EXPECT_EQ(Load(record, 53).status, HomeLoadStatus::Malformed);
    record.latitude = std::nan("");
    EXPECT_EQ(Load(record).status, HomeLoadStatus::Malformed);
    record = Saved();
    record.backColor = {ValueTag::Double, 1e300, {}};
    EXPECT_EQ(Load(record).status, HomeLoadStatus::Malformed);
    record = Saved();
    record.scopeModel = {ValueTag::Text, 0, "Celestron"};
    load = Load(record);
    EXPECT_EQ(load.status, HomeLoadStatus::Malformed);
    EXPECT_EQ(load.message, expected);

    EXPECT_EQ(state.site.latitude, 0.5);
    EXPECT_EQ(state.scope.scopeModel, 401);
    EXPECT_EQ(location, "");
}

TEST_F(HomeLocationTest, OutOfRangeOptionsKeepTheirValues) {
    HomeRecord record = Saved();
    record.sizeClass = TaggedValue::Integer(40);
    record.skyClass = TaggedValue::Integer(-1);
    record.fixedEpoch = TaggedValue::Real(1e12);
    record.gpsPort = 300;
    state.scope.sizeClass = 2;
    state.scope.fixedEpoch = 2000.0;
    ASSERT_TRUE(Load(record).Loaded());
    EXPECT_EQ(state.scope.sizeClass, 2);
    EXPECT_EQ(state.scope.skyClass, 0);
    EXPECT_EQ(state.scope.fixedEpoch, 2000.0);
    EXPECT_EQ(state.scope.gpsPort, 0);
}

TEST(HomeFileName, IsNormalisedToTheHomeExtension) {
    EXPECT_EQ(NormaliseHomeFileName("MYSITE"), "MYSITE.HOM");
    EXPECT_EQ(NormaliseHomeFileName("MYSITE.DAT"), "MYSITE.HOM");
    EXPECT_EQ(NormaliseHomeFileName("site.hom"), "site.hom");
    EXPECT_EQ(NormaliseHomeFileName("AB"), "AB.HOM");
}

TEST_F(HomeLocationTest, SavedStateLoadsBack) {
    SetSite(state.site, 51.5, -0.1);
    state.scope.scopeModel = 3;  // a bare family code, as earlier versions kept it
    state.scope.scopeType = 3;
    state.scope.gpsPort = 7;
    state.scope.skyClass = 2;
    state.firstUseDate = kUsedBefore;
    state.homeFileName = "site.dat";
    const HomeSave save = SaveHomeFile(state, [this](const std::string& name) { location = name; });
    ASSERT_TRUE(save.ok) << save.message;
    EXPECT_EQ(state.homeFileName, "site.HOM");
    EXPECT_EQ(location, "site.HOM");
    EXPECT_EQ(dir.Listing(), "site.HOM");

    SessionState loaded;
    loaded.appDir = dir.path();
    loaded.homeFileName = "site.HOM";
    ASSERT_TRUE(LoadHomeFile(loaded, zone, dialogs, nullptr).Loaded());
    EXPECT_EQ(loaded.site.latitude, state.site.latitude);
    EXPECT_EQ(loaded.site.longitude, state.site.longitude);
    EXPECT_EQ(loaded.scope.scopeModel, 3);
    EXPECT_EQ(loaded.scope.gpsPort, 7);
    EXPECT_EQ(loaded.scope.skyClass, 2);
    EXPECT_EQ(loaded.firstUseDate, kUsedBefore);

    // gpsd as the GPS source is kept; any other number beyond the ports is none.
    for (const auto& [saved, expected] : {std::pair{kGpsdSource, kGpsdSource}, std::pair{65, 0}}) {
        state.scope.gpsPort = saved;
        ASSERT_TRUE(SaveHomeFile(state, nullptr).ok);
        ASSERT_TRUE(LoadHomeFile(loaded, zone, dialogs, nullptr).Loaded());
        EXPECT_EQ(loaded.scope.gpsPort, expected);
    }
}

TEST_F(HomeLocationTest, SaveOnAFullDiskKeepsTheOldFileAndSaysWhy) {
    const std::string old = EncodeHomeFile(Saved());
    dir.Write("TALVO.HOM", old);
    const std::string message = testing::RunWithFileSizeLimit(100, [this] {
        const HomeSave save = SaveHomeFile(state, nullptr);
        return save.ok ? std::string("saved") : save.message;
    });
    EXPECT_EQ(message, "Unable to Write Home Location file " + dir.path() +
                           "TALVO.HOM\nTALVO needs a folder it may write to. Check the folder's permissions "
                           "and free space (File too large).");
    EXPECT_EQ(dir.Read("TALVO.HOM"), old);
    EXPECT_EQ(dir.Listing(), "TALVO.HOM");
}

}  // namespace
}  // namespace talvo
