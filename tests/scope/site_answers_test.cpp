// The answers a telescope gives about its site and time, checked and converted: the LX200
// family's texts and the Celestron GPS unit's bytes.
#include <gtest/gtest.h>

#include <string>

#include "scope/scope_site_reads.h"

namespace talvo {
namespace {

TEST(MeadeSiteAnswers, LatitudeKeepsTheSignOfSitesBelowOneDegree) {
    EXPECT_DOUBLE_EQ(*ParseMeadeLatitude("+40*30#"), 40.5);
    EXPECT_DOUBLE_EQ(*ParseMeadeLatitude("-00*30#"), -0.5);
    EXPECT_DOUBLE_EQ(*ParseMeadeLatitude("-33\xDF"
                                         "52#"),
                     -(33 + 52 / 60.0));
    // Seconds are added to the minutes when they come.
    EXPECT_DOUBLE_EQ(*ParseMeadeLatitude("+40*30:36#"), 40.0 + 30.6 / 60.0);
    EXPECT_FALSE(ParseMeadeLatitude("+40*30"));   // no terminator
    EXPECT_FALSE(ParseMeadeLatitude("+4x*30#"));  // not a number
    EXPECT_FALSE(ParseMeadeLatitude("+95*00#"));  // beyond the pole
    EXPECT_FALSE(ParseMeadeLatitude("#"));
}

TEST(MeadeSiteAnswers, LongitudeInItsThreeForms) {
    // Unsigned: 0-360 westward; beyond 180 the site is east.
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("285*00#"), -75.0);
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("285*30#"), -74.5);  // the minutes fold with the degrees
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("075*30#"), 75.5);
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("+075*30#"), 75.5);
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("-122*15#"), -122.25);
    // The seconds form arrives cut at ten characters.
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("-122*15:30"), -(122 + 15.5 / 60.0));
    EXPECT_DOUBLE_EQ(*ParseMeadeLongitude("-000*30#"), -0.5);
    EXPECT_FALSE(ParseMeadeLongitude("28a*00#"));
    EXPECT_FALSE(ParseMeadeLongitude("+075*30"));
    EXPECT_FALSE(ParseMeadeLongitude(""));
}

TEST(MeadeSiteAnswers, MinutesOfSixtyOrMoreAreKeptBelowSixty) {
    EXPECT_NEAR(*ParseMeadeLatitude("+40*75#"), 40.0 + 59.9999 / 60.0, 1e-9);
}

TEST(MeadeSiteAnswers, UtcOffsetInBothLengths) {
    EXPECT_DOUBLE_EQ(*ParseMeadeUtcOffset("-05#"), -5.0);
    EXPECT_DOUBLE_EQ(*ParseMeadeUtcOffset("-05.0#"), -5.0);
    EXPECT_DOUBLE_EQ(*ParseMeadeUtcOffset("+03.5#"), 3.5);
    EXPECT_FALSE(ParseMeadeUtcOffset("-05.0"));
    EXPECT_FALSE(ParseMeadeUtcOffset("abc#"));
    EXPECT_FALSE(ParseMeadeUtcOffset("+99.0#"));
}

TEST(MeadeSiteAnswers, DateTakesTheCenturyOfTheComputer) {
    const auto date = ParseMeadeDate("12/06/26#", 2026);
    ASSERT_TRUE(date);
    EXPECT_EQ(date->year, 2026);
    EXPECT_EQ(date->month, 12);
    EXPECT_EQ(date->day, 6);
    EXPECT_FALSE(ParseMeadeDate("02/30/26#", 2026));
    EXPECT_FALSE(ParseMeadeDate("12-06-26#", 2026));
    CivilMoment moment = *date;
    EXPECT_TRUE(ParseMeadeTime("21:04:59#", moment));
    EXPECT_EQ(moment.hour * 10000 + moment.minute * 100 + moment.second, 210459);
    EXPECT_FALSE(ParseMeadeTime("24:00:00#", moment));
}

TEST(MeadeSiteAnswers, LocalTimePlusOffsetRollsTheDateOver) {
    const CivilMoment newYearsEve{2026, 12, 31, 20, 30, 15};
    const CivilMoment utc = AddHours(newYearsEve, 5.0);
    EXPECT_EQ(utc.year, 2027);
    EXPECT_EQ(utc.month, 1);
    EXPECT_EQ(utc.day, 1);
    EXPECT_EQ(utc.hour, 1);
    EXPECT_EQ(utc.minute, 30);
    const CivilMoment east = AddHours(CivilMoment{2024, 3, 1, 2, 0, 0}, -5.5);  // leap year
    EXPECT_EQ(east.month, 2);
    EXPECT_EQ(east.day, 29);
    EXPECT_EQ(east.hour, 20);
    EXPECT_EQ(east.minute, 30);
}

TEST(MeadeSiteAnswers, TheFirstSecondsOfTheUtcDayAreARollover) {
    EXPECT_TRUE(IsUtcRollover(CivilMoment{2026, 1, 1, 0, 0, 0}));
    EXPECT_TRUE(IsUtcRollover(CivilMoment{2026, 1, 1, 0, 0, 2}));
    EXPECT_FALSE(IsUtcRollover(CivilMoment{2026, 1, 1, 0, 0, 3}));
    EXPECT_FALSE(IsUtcRollover(CivilMoment{2026, 1, 1, 23, 59, 59}));
}

TEST(CelestronGpsAnswers, QueryIsThePassThroughToTheGpsUnit) {
    EXPECT_EQ(GpsQuery(55, 1), std::string("P\x01\xB0\x37\x00\x00\x00\x01", 8));
}

TEST(CelestronGpsAnswers, DataMustBeFollowedByTheTerminator) {
    EXPECT_EQ(*GpsAnswerData(std::string("\x15\x55\x55#", 4), 3), std::string("\x15\x55\x55"));
    // A data byte may itself be "#".
    EXPECT_EQ(*GpsAnswerData(std::string("##", 2), 1), "#");
    EXPECT_FALSE(GpsAnswerData(std::string("\x15\x55\x55", 3), 3));
    EXPECT_FALSE(GpsAnswerData(std::string("\x15\x55\x55\x00", 4), 3));
}

TEST(CelestronGpsAnswers, TwentyFourBitAngles) {
    EXPECT_NEAR(Gps24BitDegrees(std::string("\x15\x55\x55", 3)), 30.0, 1e-4);  // 1398101 units
    // A first byte of 128 or more is negative: 180 degrees less the rest.
    EXPECT_NEAR(Gps24BitDegrees(std::string("\xEA\xAA\xAB", 3)), -30.0, 1e-4);
    EXPECT_NEAR(Gps24BitDegrees(std::string("\xFF\xFF\xFF", 3)), -0.0000215, 1e-6);
    EXPECT_DOUBLE_EQ(Gps24BitDegrees(std::string("\x00\x00\x00", 3)), 0.0);
}

}  // namespace
}  // namespace talvo
