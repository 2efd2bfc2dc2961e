// The simulated receiver: recordings without their notes, played at the pace of the line and
// looped, and generated sentences that a receiver would send.
#include "sim/nmea_source.h"

#include <gtest/gtest.h>

namespace talvo::sim {
namespace {

TEST(NmeaSource, RecordingNotesAreLeftOutReceiverBytesKept) {
    EXPECT_EQ(RecordingBytes("# Name: x\n#\n$GPGGA,1\r\n$GPRMC,2\r\n# later note\n$X"),
              "$GPGGA,1\r\n$GPRMC,2\r\n$X");
    EXPECT_EQ(RecordingBytes("$A,1\n$B,\x01\r\n$C\n"), "$A,1\r\n$B,\x01\r\n$C\r\n");
}

TEST(NmeaSource, RecordingGoesOutAtTheLinesPaceAndStopsAtItsEnd) {
    NmeaPlayer player(std::string(100, 'a'), false);
    EXPECT_EQ(player.Tick(10.0).size(), 24u);  // the first 50 ms chunk at 480 bytes a second
    EXPECT_EQ(player.Tick(10.02).size(), 0u);
    EXPECT_EQ(player.Tick(10.06).size(), 24u);
    EXPECT_EQ(player.Tick(10.16).size(), 48u);
    EXPECT_EQ(player.Tick(20.0).size(), 4u);
    EXPECT_EQ(player.Tick(30.0).size(), 0u);
}

TEST(NmeaSource, LoopedRecordingStartsAgain) {
    NmeaPlayer player("0123456789", true);
    EXPECT_EQ(player.Tick(0.0), "012345678901234567890123");
}

TEST(NmeaSource, GeneratedSentenceCarriesSiteTimeAndChecksum) {
    const UtcTime time{2026, 12, 6, 7, 8, 9};
    EXPECT_EQ(RecommendedMinimumSentence(48.1173, 11.516666666666667, time),
              "$GPRMC,070809,A,4807.0380,N,01131.0000,W,0.0,0.0,061226,,*0A\r\n");
    EXPECT_EQ(RecommendedMinimumSentence(-0.5, -151.25, time).substr(0, 45),
              "$GPRMC,070809,A,0030.0000,S,15115.0000,E,0.0,");
    // 59.99995 minutes round up into the next degree, never to "60.0000".
    EXPECT_EQ(RecommendedMinimumSentence(10.9999999, 0.0, time).substr(16, 11), "1100.0000,N");
}

TEST(NmeaSource, GeneratorSendsOncePerSecond) {
    int calls = 0;
    NmeaGenerator generator(1.0, 2.0, [&] {
        ++calls;
        return UtcTime{};
    });
    EXPECT_FALSE(generator.Tick(5.1).empty());
    EXPECT_TRUE(generator.Tick(5.9).empty());
    EXPECT_FALSE(generator.Tick(6.0).empty());
    EXPECT_EQ(calls, 2);
}

}  // namespace
}  // namespace talvo::sim
