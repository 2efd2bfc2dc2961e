// Sentences assembled from the bytes of the line, and the recommended-minimum sentence read into
// a site and a UTC time: the receivers' real sentences, and the faults they are known to send.
#include "scope/nmea.h"

#include <gtest/gtest.h>

#include <cmath>

namespace talvo {
namespace {

constexpr int kYear = 2026;
constexpr double kDegreesPerRadian = 57.29577957855229;
const std::string kExample = "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W";

NmeaParse Parse(const std::string& sentence) { return ParseRecommendedMinimum(sentence, kYear); }

std::string Replace(std::string text, const std::string& from, const std::string& to) {
    return text.replace(text.find(from), from.size(), to);
}

TEST(NmeaParse, ExampleFixGivesSiteAndTimeWithTheCenturyOfTheCurrentYear) {
    const NmeaParse parse = Parse(kExample);
    ASSERT_EQ(parse.verdict, NmeaVerdict::kAccepted);
    const GpsFix& fix = parse.fix;
    EXPECT_EQ(fix.latitude.degrees, 48);
    EXPECT_DOUBLE_EQ(fix.latitude.minutes, 7.038);
    EXPECT_EQ(fix.latitude.sign, 1);
    EXPECT_EQ(fix.latitude.signText, "");
    EXPECT_EQ(fix.longitude.degrees, -11);
    EXPECT_DOUBLE_EQ(fix.longitude.minutes, 31.0);
    EXPECT_EQ(fix.longitude.sign, 1);
    EXPECT_EQ(fix.longitude.signText, "-");
    EXPECT_NEAR(fix.latitude.value, 48.0 + 7.038 / 60.0, 1e-12);
    EXPECT_NEAR(fix.longitude.value, -(11.0 + 31.0 / 60.0), 1e-12);
    EXPECT_EQ(fix.year, 2094);
    EXPECT_EQ(fix.month, 3);
    EXPECT_EQ(fix.day, 23);
    EXPECT_EQ(fix.hour, 12);
    EXPECT_EQ(fix.minute, 35);
    EXPECT_EQ(fix.second, 20);  // one past the sentence's second
    EXPECT_EQ(ParseRecommendedMinimum(kExample, 1999).fix.year, 1994);
}

TEST(NmeaParse, OnlyAValidFixIsAccepted) {
    EXPECT_EQ(Parse(Replace(kExample, ",A,", ",V,")).verdict, NmeaVerdict::kNoFix);
    EXPECT_EQ(Parse(Replace(kExample, ",A,", ",,")).verdict, NmeaVerdict::kNoFix);
    EXPECT_EQ(Parse(Replace(kExample, ",A,", ",AA,")).verdict, NmeaVerdict::kNoFix);
}

TEST(NmeaParse, TheLastSecondOfAMinuteIsRejectedTheOneBeforeItRoundsUp) {
    EXPECT_EQ(Parse(Replace(kExample, "123519", "123559")).verdict, NmeaVerdict::kLastSecond);
    const NmeaParse parse = Parse(Replace(kExample, "123519", "123558"));
    ASSERT_EQ(parse.verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(parse.fix.minute, 35);
    EXPECT_EQ(parse.fix.second, 59);
    // Decimals of the second, as most receivers send them, are ignored.
    EXPECT_EQ(Parse(Replace(kExample, "123519", "123519.76")).fix.second, 20);
}

TEST(NmeaParse, SouthernLatitudeBelowOneDegreeKeepsItsSignInTheFlag) {
    const NmeaParse parse = Parse(Replace(kExample, "4807.038,N", "0030.000,S"));
    ASSERT_EQ(parse.verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(parse.fix.latitude.degrees, 0);
    EXPECT_EQ(parse.fix.latitude.sign, -1);
    EXPECT_EQ(parse.fix.latitude.signText, "-");
    EXPECT_DOUBLE_EQ(parse.fix.latitude.minutes, 30.0);
    EXPECT_DOUBLE_EQ(parse.fix.latitude.value / kDegreesPerRadian, -0.5 / kDegreesPerRadian);

    const NmeaParse west = Parse(Replace(kExample, "01131.000,E", "00045.000,W"));
    ASSERT_EQ(west.verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(west.fix.longitude.sign, 1);
    EXPECT_EQ(west.fix.longitude.signText, "");
    EXPECT_DOUBLE_EQ(west.fix.longitude.value, 0.75);
}

TEST(NmeaParse, MinutesJustBelowSixtyAreKeptBelowTheNextDegree) {
    const NmeaParse parse = Parse(Replace(kExample, "4807.038", "4859.99996"));
    ASSERT_EQ(parse.verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(parse.fix.latitude.degrees, 48);
    EXPECT_DOUBLE_EQ(parse.fix.latitude.minutes, 59.9999);
}

TEST(NmeaParse, EveryTalkerOfTheRecommendedMinimumIsRead) {
    for (const char* talker : {"GN", "GL", "GA", "BD", "GB", "GP"}) {
        EXPECT_EQ(Parse(Replace(kExample, "GP", talker)).verdict, NmeaVerdict::kAccepted) << talker;
    }
    // A receiver combining GPS and GLONASS, with its checksum.
    const NmeaParse parse = Parse("$GNRMC,081411.000,A,5541.1955,N,03737.2872,E,0.60,301.29,260514,,,A*74");
    ASSERT_EQ(parse.verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(parse.fix.latitude.degrees, 55);
    EXPECT_DOUBLE_EQ(parse.fix.latitude.minutes, 41.1955);
    EXPECT_EQ(parse.fix.longitude.degrees, -37);
    EXPECT_EQ(parse.fix.year, 2014);
    EXPECT_EQ(parse.fix.second, 12);

    EXPECT_EQ(Parse(Replace(kExample, "GPRMC", "gprmc")).verdict, NmeaVerdict::kNotRecommendedMinimum);
    EXPECT_EQ(Parse(Replace(kExample, "GPRMC", "GPGGA")).verdict, NmeaVerdict::kNotRecommendedMinimum);
    EXPECT_EQ(Parse(Replace(kExample, "GPRMC", "G1RMC")).verdict, NmeaVerdict::kNotRecommendedMinimum);
}

TEST(NmeaParse, APresentChecksumMustMatch) {
    const std::string good = "$GPRMC,225308,A,4527.458,S,16709.165,E,000.0,094.5,060601,024.1,E*6D";
    EXPECT_EQ(Parse(good).verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(Parse(Replace(good, "*6D", "*6d")).verdict, NmeaVerdict::kAccepted);
    EXPECT_EQ(Parse(Replace(good, "*6D", "*6E")).verdict, NmeaVerdict::kBadChecksum);
    EXPECT_EQ(Parse(Replace(good, "4527.458", "4527.459")).verdict, NmeaVerdict::kBadChecksum);
    EXPECT_EQ(Parse(Replace(good, "*6D", "*")).verdict, NmeaVerdict::kBadChecksum);
    EXPECT_EQ(Parse(Replace(good, "*6D", "*6DX")).verdict, NmeaVerdict::kBadChecksum);
    // A torn line whose checksum happens to be checked: the fields are short.
    EXPECT_NE(Parse("$GPRMC,000344.03,A,4808.9992,N,4,02.3*05").verdict, NmeaVerdict::kAccepted);
}

TEST(NmeaParse, PlaceholderAndImpossibleValuesAreNotTakenForASite) {
    EXPECT_EQ(Parse(Replace(Replace(kExample, "4807.038", "0000.0000"), "01131.000", "00000.0000")).verdict,
              NmeaVerdict::kZeroPosition);
    EXPECT_EQ(Parse(Replace(kExample, "4807.038", "9007.038")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "4807.038", "4860.000")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "01131.000", "18031.000")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "230394", "231394")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "230394", "000394")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "230394", "300294")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "230394", "290296")).verdict, NmeaVerdict::kAccepted);  // 2096 leaps
    EXPECT_EQ(Parse(Replace(kExample, "123519", "243519")).verdict, NmeaVerdict::kOutOfRange);
    EXPECT_EQ(Parse(Replace(kExample, "123519", "126019")).verdict, NmeaVerdict::kOutOfRange);
}

TEST(NmeaParse, ShortOrMissingFieldsRejectTheSentence) {
    EXPECT_EQ(Parse(Replace(kExample, "123519", "12351")).verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse(Replace(kExample, "4807.038", "4807")).verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse(Replace(kExample, "01131.000", "01131")).verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse(Replace(kExample, "230394", "23039")).verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse(Replace(kExample, "230394", "2208-1")).verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse(Replace(kExample, "4807.038", "48O7.038")).verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse("$GPRMC,123519,A,4807.038,N,01131.000,E").verdict, NmeaVerdict::kMalformed);
    EXPECT_EQ(Parse("$GPRMC,").verdict, NmeaVerdict::kMalformed);
}

TEST(NmeaAssembler, AFixSplitOverTwoReadsIsAssembled) {
    NmeaAssembler assembler;
    EXPECT_TRUE(assembler.Feed(kExample.substr(0, 30)).empty());
    const std::vector<std::string> sentences = assembler.Feed(kExample.substr(30) + "\r\n");
    ASSERT_EQ(sentences.size(), 1u);
    EXPECT_EQ(sentences[0], kExample);
    // The carriage return alone in the second read.
    EXPECT_TRUE(assembler.Feed(kExample).empty());
    EXPECT_EQ(assembler.Feed("\r"), std::vector<std::string>{kExample});
}

TEST(NmeaAssembler, GarbageAndTornSentencesAreDropped) {
    NmeaAssembler assembler;
    const std::vector<std::string> sentences =
        assembler.Feed("noise\r\n$GPGSA,A,1,,,,*1E$GPRMC,1\r\n\n,more\r$GPGGA,2\r\n");
    EXPECT_EQ(sentences, (std::vector<std::string>{"$GPRMC,1", "$GPGGA,2"}));
    // Binary bytes inside a sentence spoil it; the next "$" starts afresh.
    EXPECT_TRUE(assembler.Feed(std::string("$GPRMC,0003\0\0\0  \r", 17)).empty());
    EXPECT_EQ(assembler.Feed("$GPZDA,1\r"), std::vector<std::string>{"$GPZDA,1"});
}

TEST(NmeaAssembler, ASentenceLongerThanTheLineAllowsIsDropped) {
    NmeaAssembler assembler;
    const std::string longest = "$" + std::string(kLongestNmeaSentence - 1, 'A');
    EXPECT_EQ(assembler.Feed(longest + "\r"), std::vector<std::string>{longest});
    EXPECT_TRUE(assembler.Feed(longest + "B\r").empty());
    EXPECT_EQ(assembler.Feed("$X\r"), std::vector<std::string>{"$X"});
}

}  // namespace
}  // namespace talvo
