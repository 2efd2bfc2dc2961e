// Finding the sky-chart program: the folder named for it, else the search path.
#include "platform/sky_chart.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "support/scoped_env.h"

namespace talvo::platform {
namespace {

namespace fs = std::filesystem;

class SkyChartTest : public ::testing::Test {
protected:
    SkyChartTest() {
        fs::remove_all(root_);
        fs::create_directories(root_ / "empty");
        fs::create_directories(root_ / "plain");
        fs::create_directories(root_ / "bin");
        std::ofstream(root_ / "plain" / "skychart") << "not a program\n";
        std::ofstream(root_ / "bin" / "skychart") << "#!/bin/sh\n";
        fs::permissions(root_ / "bin" / "skychart", fs::perms::owner_all);
    }
    ~SkyChartTest() override { fs::remove_all(root_); }

    std::string Dir(const char* name) const { return (root_ / name).string(); }

    fs::path root_ = fs::temp_directory_path() / ("talvo-skychart-" + std::to_string(::getpid()));
};

TEST_F(SkyChartTest, TheSearchPathNeedsAnExecutableSkychart) {
    testing::ScopedEnv named("TALVO_SKYCHART_DIR", std::nullopt);
    {
        testing::ScopedEnv path("PATH", Dir("empty") + ":" + Dir("plain") + ":" + Dir("bin"));
        EXPECT_EQ(SkyChartDirectory(), Dir("bin") + "/");
    }
    testing::ScopedEnv path("PATH", Dir("empty") + ":" + Dir("plain"));
    EXPECT_EQ(SkyChartDirectory(), "");
    testing::ScopedEnv noPath("PATH", std::nullopt);
    EXPECT_EQ(SkyChartDirectory(), "");
}

TEST_F(SkyChartTest, TheNamedFolderComesFirstWhenItExists) {
    testing::ScopedEnv path("PATH", Dir("bin"));
    {
        testing::ScopedEnv named("TALVO_SKYCHART_DIR", Dir("empty"));
        EXPECT_EQ(SkyChartDirectory(), Dir("empty") + "/");
    }
    testing::ScopedEnv named("TALVO_SKYCHART_DIR", Dir("missing"));
    EXPECT_EQ(SkyChartDirectory(), Dir("bin") + "/");
}

}  // namespace
}  // namespace talvo::platform
