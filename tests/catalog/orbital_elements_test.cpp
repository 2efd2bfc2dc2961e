// Orbital elements in the Minor Planet Center's one-line formats, and the transient catalog lines
// made from them: what each column gives, lines that are neither format, the moments' names
// across day, month and year ends, and the line layout a transient catalog is read back with.
#include "catalog/orbital_elements.h"

#include <gtest/gtest.h>

#include "catalog/catalog_file.h"
#include "catalog/transient_maker.h"

namespace talvo {
namespace {

// Writes `text` into `line` from column `first` (1-based).
void Put(std::string& line, std::size_t first, const std::string& text) {
    if (line.size() < first - 1 + text.size()) line.resize(first - 1 + text.size(), ' ');
    line.replace(first - 1, text.size(), text);
}

std::string CometLine() {
    std::string line;
    Put(line, 1, "0012P");
    Put(line, 15, "2024 04 21.1462  0.780790  0.954588  199.0238  255.8555   74.1912  20240417   5.0  6.0");
    Put(line, 103, "12P/Pons-Brooks");
    return line;
}

std::string MinorPlanetLine() {
    std::string line;
    Put(line, 1, "00001    3.34  0.15 K2555 188.70269   73.27343   80.25221   10.58780  0.0794013");
    Put(line, 81, " 0.21424651   2.7660512");
    Put(line, 167, "(1) Ceres");
    return line;
}

TEST(OrbitalElements, EachFormatsColumnsGiveTheOrbitAndTheMagnitudeLaw) {
    const std::optional<ElementsEntry> comet = ParseElementsLine(CometLine() + "\r\n");
    ASSERT_TRUE(comet.has_value());
    EXPECT_EQ(comet->name, "12P/Pons-Brooks");
    EXPECT_TRUE(comet->body.comet);
    const KeplerOrbit& c = comet->body.orbit;
    EXPECT_DOUBLE_EQ(c.perihelionTime, CalendarJulianDate(2024, 4, 21.1462));
    EXPECT_DOUBLE_EQ(c.perihelionDistance, 0.780790);
    EXPECT_DOUBLE_EQ(c.eccentricity, 0.954588);
    EXPECT_DOUBLE_EQ(c.perihelionArgument, 199.0238);
    EXPECT_DOUBLE_EQ(c.node, 255.8555);
    EXPECT_DOUBLE_EQ(c.inclination, 74.1912);
    EXPECT_DOUBLE_EQ(comet->body.absoluteMagnitude, 5.0);
    EXPECT_DOUBLE_EQ(comet->body.slope, 6.0);

    const std::optional<ElementsEntry> ceres = ParseElementsLine(MinorPlanetLine());
    ASSERT_TRUE(ceres.has_value());
    EXPECT_EQ(ceres->name, "(1) Ceres");
    EXPECT_FALSE(ceres->body.comet);
    EXPECT_NEAR(ceres->body.orbit.perihelionDistance, 2.7660512 * (1.0 - 0.0794013), 1e-12);
    EXPECT_DOUBLE_EQ(ceres->body.absoluteMagnitude, 3.34);
    EXPECT_DOUBLE_EQ(ceres->body.slope, 0.15);
    // Epoch 2025 May 5, mean anomaly 188.7: the next perihelion comes 171.3 degrees of mean
    // motion (0.2142 degrees a day) later; the motion from the axis agrees within a day.
    EXPECT_NEAR(ceres->body.orbit.perihelionTime,
                CalendarJulianDate(2025, 5, 5.0) + (360.0 - 188.70269) / 0.21424651, 1.0);
}

TEST(OrbitalElements, PackedEpochsAndLinesOfNeitherFormat) {
    const std::optional<CalendarDate> epoch = UnpackEpoch("K24AM");
    ASSERT_TRUE(epoch.has_value());
    EXPECT_EQ(epoch->year, 2024);
    EXPECT_EQ(epoch->month, 10);
    EXPECT_EQ(epoch->day, 22.0);
    EXPECT_EQ(UnpackEpoch("J9611")->year, 1996);
    for (const char* bad : {"K24D1", "K24AW", "L2411", "K2X11", "K241"})
        EXPECT_FALSE(UnpackEpoch(bad)) << bad;

    std::string hyperbolicAsAsteroid = MinorPlanetLine();
    Put(hyperbolicAsAsteroid, 71, "1.0794013");
    std::string letters = CometLine();
    Put(letters, 31, " 0.78x790");
    std::string noDistance = CometLine();
    Put(noDistance, 31, " 0.000000");
    for (const std::string& line :
         {std::string(), std::string("Designation  H     G   Epoch"), hyperbolicAsAsteroid, letters,
          noDistance, CometLine().substr(0, 60), std::string(300, '\xff')}) {
        EXPECT_FALSE(ParseElementsLine(line).has_value()) << line;
    }
    EXPECT_EQ(ParseElementsText("heading\n" + CometLine() + "\n\n" + MinorPlanetLine()).size(), 2u);
}

TEST(TransientMaker, MomentsAreNamedAcrossDayMonthAndYearEnds) {
    const ElementsEntry comet = *ParseElementsLine(CometLine());
    TransientSpan hourly;
    hourly.year = 2026;
    hourly.month = 12;
    hourly.day = 31;
    hourly.steps = 26;
    const std::vector<std::string> lines = MakeTransientLines(comet, hourly);
    ASSERT_EQ(lines.size(), 26u);
    EXPECT_EQ(lines[0].substr(0, 12), "1231 00 2026");
    EXPECT_EQ(lines[23].substr(0, 12), "1231 23 2026");
    EXPECT_EQ(lines[25].substr(0, 12), "0101 01 2027");

    TransientSpan minutes;
    minutes.year = 2028;
    minutes.month = 2;
    minutes.day = 28;
    minutes.perMinute = true;
    minutes.steps = 2 * 1440 + 2;
    const std::vector<std::string> fine = MakeTransientLines(comet, minutes);
    EXPECT_EQ(fine[59].substr(0, 12), "022800592028");
    EXPECT_EQ(fine[1440].substr(0, 12), "022900002028");  // a leap year
    EXPECT_EQ(fine[2881].substr(0, 12), "030100012028");
    EXPECT_EQ(TransientMomentName(2027, 3, 1, 0, 30, true), "030100302027");
}

TEST(TransientMaker, LinesReadBackAsTransientPositionsOfTheirObject) {
    TransientSpan span;
    span.year = 2024;
    span.month = 4;
    span.day = 1;
    span.steps = 2;
    const std::string line = MakeTransientLines(*ParseElementsLine(CometLine()), span)[1];
    ASSERT_EQ(line.size(), static_cast<std::size_t>(kLineLength));
    EXPECT_EQ(line[kFlagColumn - 1], 'T');
    EXPECT_EQ(Columns(line, kNameColumn[1]), "12P/Pons-Bro");
    EXPECT_EQ(Columns(line, kNameColumn[2]).substr(0, 4), "oks ");
    EXPECT_EQ(Columns(line, kNameColumn[4]).substr(0, 5), "Comet");
    const std::optional<CatalogEntry> entry = ReadEntry(line);
    ASSERT_TRUE(entry.has_value());
    EXPECT_NEAR(entry->raHours, 2.157, 0.01);  // in Aries, five weeks before perihelion
    EXPECT_NEAR(entry->decDegrees, 23.04, 0.05);
    EXPECT_EQ(entry->epoch, 2000.0);
    // A bright comet's magnitude keeps its point in its column.
    const std::string bright = FormatCatalogLine({"a", "b", "c", "d", "Comet"}, 1.0, -1.0, -1.5, 2000.0, 'T');
    EXPECT_EQ(Columns(bright, kMagnitudeColumn).substr(0, 5), "-1.50");
    EXPECT_EQ(bright[kMagnitudePoint - 1], '.');
}

}  // namespace
}  // namespace talvo
