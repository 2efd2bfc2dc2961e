// Every recorded receiver gives the fix of its first sentence that is valid (or none): fed to the
// reader directly in random pieces and byte by byte, and played by the simulator through a
// pseudo-terminal at 4800 baud.
#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <sstream>

#include "scope/gps_reading.h"
#include "scope/nmea.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

constexpr int kCurrentYear = 2026;  // gives the two-digit years their century

struct ExpectedFix {
    int latDegrees;  // with the sign: negative south
    double latMinutes;
    int lonDegrees;  // with the sign: negative EAST
    double lonMinutes;
    int year, month, day, hour, minute, second;  // one second past the sentence's time
};

struct Recording {
    const char* file;
    std::optional<ExpectedFix> fix;  // none: the file holds no valid fix
};

void PrintTo(const Recording& recording, std::ostream* out) { *out << recording.file; }

const Recording kRecordings[] = {
    {"bu353-glonass.log", ExpectedFix{55, 41.1955, -37, 37.2872, 2014, 5, 26, 8, 14, 12}},
    {"bu353s4.log", ExpectedFix{-37, 47.0873, -175, 18.8938, 2014, 12, 31, 3, 7, 20}},
    {"garmin48.log", ExpectedFix{-45, 27.458, -167, 9.165, 2001, 6, 6, 22, 53, 9}},
    {"gp-320fw-2019-04-07-coldboot.log", ExpectedFix{48, 8.9993, -11, 35.0798, 2019, 4, 7, 0, 3, 46}},
    {"holux-gm-210.log", std::nullopt},
    {"sl869.log", ExpectedFix{-33, 40.7732, -151, 17.4478, 2012, 11, 25, 10, 21, 44}},
    {"tomtom-mkII.log", ExpectedFix{51, 25.8714, -5, 24.2350, 2010, 6, 20, 17, 57, 37}},
    {"ublox-lea-4s.log", ExpectedFix{38, 25.60966, -27, 8.53787, 2006, 12, 11, 17, 55, 5}},
};

std::string PathOf(const Recording& recording) {
    return std::string(TALVO_NMEA_RECORDINGS) + "/" + recording.file;
}

// The file as the receiver sent it, without the recorder's "#" notes.
std::string ReceiverBytes(const Recording& recording) {
    std::ifstream in(PathOf(recording), std::ios::binary);
    std::string bytes;
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] == '#') continue;
        bytes += line + "\n";
    }
    return bytes;
}

void ExpectFix(const GpsFix& fix, const ExpectedFix& expected) {
    EXPECT_EQ(fix.latitude.degrees, expected.latDegrees);
    EXPECT_NEAR(fix.latitude.minutes, expected.latMinutes, 1e-9);
    EXPECT_EQ(fix.longitude.degrees, expected.lonDegrees);
    EXPECT_NEAR(fix.longitude.minutes, expected.lonMinutes, 1e-9);
    EXPECT_EQ(fix.latitude.signText, expected.latDegrees < 0 ? "-" : "");
    EXPECT_EQ(fix.longitude.signText, expected.lonDegrees < 0 ? "-" : "");
    EXPECT_EQ((std::vector<int>{fix.year, fix.month, fix.day, fix.hour, fix.minute, fix.second}),
              (std::vector<int>{expected.year, expected.month, expected.day, expected.hour, expected.minute,
                                expected.second}));
}

// The first accepted fix when the bytes arrive in pieces of the sizes `pieceSize` gives.
template <typename PieceSize>
std::optional<GpsFix> FirstFix(const std::string& bytes, PieceSize pieceSize) {
    NmeaAssembler assembler;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t size = pieceSize();
        for (const std::string& sentence : assembler.Feed(std::string_view(bytes).substr(at, size))) {
            if (!IsRecommendedMinimum(sentence)) continue;
            const NmeaParse parse = ParseRecommendedMinimum(sentence, kCurrentYear);
            if (parse.verdict == NmeaVerdict::kAccepted) return parse.fix;
        }
        at += size;
    }
    return std::nullopt;
}

class GpsRecordingTest : public ::testing::TestWithParam<Recording> {};

TEST_P(GpsRecordingTest, FedDirectlyInAnyPiecesGivesTheFirstValidFix) {
    const Recording& recording = GetParam();
    const std::string bytes = ReceiverBytes(recording);
    ASSERT_FALSE(bytes.empty()) << PathOf(recording);
    std::mt19937 random(20261206);
    std::uniform_int_distribution<std::size_t> sizes(1, 300);
    const std::optional<GpsFix> chunked = FirstFix(bytes, [&] { return sizes(random); });
    const std::optional<GpsFix> byteByByte = FirstFix(bytes, [] { return std::size_t{1}; });
    ASSERT_EQ(chunked.has_value(), recording.fix.has_value());
    ASSERT_EQ(byteByByte.has_value(), recording.fix.has_value());
    if (!recording.fix) return;
    ExpectFix(*chunked, *recording.fix);
    ExpectFix(*byteByByte, *recording.fix);
}

TEST_P(GpsRecordingTest, PlayedAt4800BaudThroughAPseudoTerminalGivesTheFirstValidFix) {
    const Recording& recording = GetParam();
    testing::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--protocol", "nmea", "--play", PathOf(recording)}));
    testing::ScopedEnv port("TALVO_COM5", sim.DevicePath());

    // The whole file takes its size over 480 bytes a second to play; a little more is allowed.
    const auto playing = std::chrono::milliseconds(ReceiverBytes(recording).size() * 1000 / 480 + 3000);
    const auto end = std::chrono::steady_clock::now() + playing;
    ExchangeHooks hooks;
    hooks.keepGoing = [end] { return std::chrono::steady_clock::now() < end; };
    std::vector<std::string> statuses;
    hooks.status = [&statuses](const std::string& text) { statuses.push_back(text); };
    platform::CommIO comm;
    const GpsReading reading = ReadGps(comm, 5, hooks, kCurrentYear);
    EXPECT_FALSE(comm.IsOpen(kGpsSlot));
    if (!recording.fix) {
        EXPECT_EQ(reading.status, GpsReadStatus::kAbandoned);
        EXPECT_EQ(statuses, (std::vector<std::string>{kGpsNoDataText, kGpsWaitingText}));
        return;
    }
    ASSERT_EQ(reading.status, GpsReadStatus::kOk) << reading.portDetail;
    ExpectFix(reading.fix, *recording.fix);
    EXPECT_EQ(statuses, (std::vector<std::string>{kGpsNoDataText, kGpsWaitingText, kGpsValidText}));
}

INSTANTIATE_TEST_SUITE_P(Receivers, GpsRecordingTest, ::testing::ValuesIn(kRecordings));

}  // namespace
}  // namespace talvo
