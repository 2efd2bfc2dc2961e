// Reading and appending catalog lines: the flag of the first line, the fields of a line, the
// layout of an appended line, and files no catalog should be.
#include "catalog/catalog_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <set>

#include "app/startup.h"
#include "catalog/catalog_reader.h"
#include "catalog_fixture.h"
#include "platform/file_append.h"
#include "platform/fixed_time_zone.h"

namespace talvo {
namespace {

using testing::CatalogLine;
using testing::ReadFile;

class CatalogFileTest : public ::testing::Test {
protected:
    // Positions are presented in epoch 2000 (a telescope working in J2000), so lines of epoch
    // 2000 are read and written without precession.
    CatalogFileTest() {
        testing::PrepareSession(state, dir.path());
        state.clock.realTime = true;
        state.scope.fixedEpoch = 2000.0;
        state.catalogFileName = "mine.tlv";
        state.catalogFolder = dir.path();
    }

    void Select(double ra, double dec, const std::string& magnitude, const std::string& name1 = "M 81") {
        SelectPosition(state, ra, dec, 2000.0);
        state.object.name1 = name1;
        state.object.name2 = "NGC 3031";
        state.object.name3 = state.object.name4 = state.object.name5 = "";
        state.object.magnitudeText = magnitude;
    }

    std::string Path() const { return dir.File("mine.tlv"); }

    testing::TempDir dir;
    SessionState state;
};

// The flag of the first line: what the catalog holds, and its modes (long names, one comet or
// asteroid, a near-Earth one).
TEST_F(CatalogFileTest, TheFlagOfTheFirstLineSetsModesAndContents) {
    auto flagged = [&](char flag) {
        testing::WriteCatalog(dir.File("f.tlv"),
                              {CatalogLine({"X"}, 0, 0, {}, 2000, flag), CatalogLine({"Y"})});
        EXPECT_TRUE(ReadCatalogFlag(state, "f.tlv", dir.path()) && state.catalogFlag == flag) << flag;
        const CatalogContents& c = state.contents;
        // Galaxies, globulars, open clusters, planetaries, nebulae, quasars, stars, doubles, all.
        std::string kinds;
        for (bool holds : {c.galaxies, c.globulars, c.openClusters, c.planetaries, c.nebulae, c.quasars,
                           c.stars, c.doubles, c.full})
            kinds += holds ? '+' : '-';
        return kinds + (state.longNameCatalog ? "L" : "") + (state.object.transientCatalog ? "T" : "") +
               (state.object.nearEarthObject ? "N" : "");
    };
    EXPECT_EQ(flagged('M'), "++++++---");
    EXPECT_EQ(flagged('L'), "-+-------L");
    EXPECT_EQ(flagged('t'), "---------TN");
    EXPECT_EQ(flagged('T'), "---------T");
    EXPECT_EQ(flagged('x'), "---------");
}

TEST_F(CatalogFileTest, ParsingALine) {
    ASSERT_TRUE(ParseEntry(state, CatalogLine({"M42       &^", "NGC 1976"}, 5.5883, -5.3911, 4.0)));
    const CurrentObject& object = state.object;
    // The Best-of marker is not shown.
    EXPECT_EQ(object.name1 + "|" + object.name2 + "|" + object.magnitudeText,
              "M42         |NGC 1976    | 4.00   ");
    EXPECT_NEAR(RightAscensionHours(object), 5.5883, 1e-9);
    EXPECT_NEAR(object.transitAltitude, 90.0 - 45.8911, 1e-9);
    ASSERT_TRUE(ParseEntry(state, "M31"));  // a short line: the missing fields are blank and read as 0
    EXPECT_EQ(object.name1 + "|" + object.name2 + "|" + object.magnitudeText, "M31||");
    EXPECT_TRUE(RightAscensionHours(object) == 0.0 && DeclinationDegrees(object) == 0.0);

    // A position outside the sky is no position: the line is refused and the object kept.
    const std::pair<std::size_t, const char*> outside[] = {
        {69, "999999   "}, {69, "2000     "}, {69, "-90.5    "}, {60, "24.0     "}, {60, "-0.1     "}};
    for (const auto& [column, field] : outside) {
        std::string line = CatalogLine({"Bad"}, 1.0, 0.0);
        EXPECT_FALSE(ParseEntry(state, line.replace(column, 9, field))) << field;
    }
    EXPECT_EQ(object.name1, "M31");
}

// A last line without its line end is ended first; magnitudes are cut to hundredths without
// binary error.
TEST_F(CatalogFileTest, AppendedLinesHaveTheCatalogLayout) {
    const std::string old = CatalogLine({"Old"});
    testing::WriteFile(Path(), old);
    Select(9.5, 69.0653, "8.479");
    ASSERT_TRUE(AppendEntry(state));
    Select(10.25, -0.5, "12.1", "M 82");
    ASSERT_TRUE(AppendEntry(state));
    const std::string second = CatalogLine({"M 82", "NGC 3031"}, 10.25, -0.5, 12.10);
    EXPECT_EQ(ReadFile(Path()), old + "\r\n" + CatalogLine({"M 81", "NGC 3031"}, 9.5, 69.0653, 8.47) +
                                    "\r\n" + second + "\r\n");
    EXPECT_EQ(Columns(second, 61, 40), "10.2500  -00.5000           12.10   2000");

    for (const auto& [typed, written] : {std::pair{"0.29", " 0.29"}, {"1.13", " 1.13"}, {"2.3", " 2.30"}}) {
        Select(1.0, 1.0, typed);
        EXPECT_EQ(Columns(BuildEntryLine(state), 89, 5), written) << typed;
    }
}

TEST_F(CatalogFileTest, AFailedAppendLeavesTheCatalogAsItWas) {
    Select(3.0, 3.0, "3");
    state.catalogFolder = dir.File("missing/");
    EXPECT_FALSE(AppendEntry(state));
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));

    state.catalogFolder = dir.path();
    const std::string old = CatalogLine({"Old"}) + "\r\n";
    testing::WriteFile(Path(), old);
    // A disk that fills up halfway through the line: nothing of the line stays behind, and the
    // program started as TALVO starts lives to report it. Run in a child, which the file-size
    // signal would end.
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        platform::FixedTimeZone zone(0.0);
        SessionState started;
        static_cast<void>(StartSession(started, zone));
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = old.size() + 40;
        setrlimit(RLIMIT_FSIZE, &small);
        _exit(AppendEntry(state) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 0) << "the append must fail";
    EXPECT_EQ(ReadFile(Path()), old);
}

// Two programs adding to one catalog at once: every line arrives whole, none is lost.
TEST_F(CatalogFileTest, TwoProcessesAppendingKeepEveryLine) {
    constexpr int kLinesEach = 300;
    pid_t children[2] = {};
    for (int p = 0; p < 2; ++p) {
        children[p] = fork();
        ASSERT_GE(children[p], 0);
        if (children[p] == 0) {
            int failed = 0;
            for (int i = 0; i < kLinesEach; ++i) {
                const std::string name = "P" + std::to_string(p) + "-" + std::to_string(i);
                failed += !platform::AppendLine(Path(), CatalogLine({name}) + "\r\n");
            }
            _exit(failed == 0 ? 0 : 1);
        }
    }
    for (pid_t child : children) {
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    const std::vector<std::string> lines = testing::CrLfLines(ReadFile(Path()));
    ASSERT_EQ(lines.size(), 2u * kLinesEach);
    std::set<std::string> names;
    for (const std::string& line : lines) {
        ASSERT_EQ(line.size(), static_cast<std::size_t>(kLineLength)) << line;
        names.insert(Columns(line, kNameColumn[0]));
    }
    EXPECT_EQ(names.size(), 2u * kLinesEach);
}

// Written and read back, a position comes back to a ten-thousandth of an hour and a degree.
TEST_F(CatalogFileTest, PositionsSurviveTheCatalog) {
    const std::pair<double, double> positions[] = {{10.25, -0.5}, {23.9, -75.1234}, {12.0, 0.0}};
    for (const auto& [ra, dec] : positions) {
        if (ra == 12.0) state.catalogEpoch = 1950.0;  // written 50 years of precession earlier
        Select(ra, dec, "5");
        ASSERT_TRUE(AppendEntry(state));
    }
    EXPECT_NEAR(RightAscensionHours(state.object), 12.0, 1e-4);  // the current object is back in 2000

    CatalogReader reader;
    ASSERT_TRUE(reader.Open(Path()));
    std::string line;
    for (const auto& [ra, dec] : positions) {
        ASSERT_TRUE(reader.ReadNextEntry(line) && ParseEntry(state, line));
        EXPECT_NEAR(RightAscensionHours(state.object), ra, 1e-4);
        EXPECT_NEAR(DeclinationDegrees(state.object), dec, 1e-4);
    }
    // Newcomb's rates: 46.106" and 20.040" a year.
    EXPECT_EQ(Columns(line, 61, 40), "11.9573  00.2783             5.00   1950");
}

class CatalogReadingTest : public testing::SearchTest {};

// An empty catalog, or one whose first line is blank, is readable: it simply holds nothing, or
// holds entries under no flag. A missing catalog, or a folder, is never reported as a search
// that found nothing.
TEST_F(CatalogReadingTest, EmptyBlankAndUnopenableCatalogs) {
    UseCatalog({"", High({"M31"})});
    state.catalogFlag = 'F';
    ASSERT_TRUE(ReadCatalogFlag(state, "cat.tlv", dir.path()));
    EXPECT_TRUE(state.catalogFlag == ' ' && !state.contents.full);
    EXPECT_TRUE(Find("M31"));
    testing::WriteFile(dir.File("cat.tlv"), "");
    ASSERT_TRUE(ReadCatalogFlag(state, "cat.tlv", dir.path()));
    EXPECT_FALSE(Find("M31"));
    EXPECT_EQ(dialogs.MessageTexts(), "Object M31  Not Found in Catalog cat.tlv");

    std::filesystem::create_directory(dir.File("folder.tlv"));
    for (const char* name : {"missing.tlv", "folder.tlv"}) {
        state.catalogFlag = 'F';
        EXPECT_FALSE(ReadCatalogFlag(state, name, dir.path())) << name;
        EXPECT_EQ(state.catalogFlag, 'F') << "the current catalog's flag stays";
        state.catalogFileName = name;
        SearchRequest request;
        request.name = "M31";
        EXPECT_EQ(searches.Search(request), SearchOutcome::CatalogUnreadable);
        EXPECT_EQ(dialogs.messages.back().text, std::string("CANNOT OPEN CATALOG ") + name);
        EXPECT_EQ(mainWindow.status, std::string("CANNOT OPEN CATALOG ") + name);
    }
}

}  // namespace
}  // namespace talvo
