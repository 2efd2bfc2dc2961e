// Fixes from gpsd's JSON reports: the reports read alone (signs, the added second, what is not
// a fix, hostile lines), gpsd's address, and whole readings from a stand-in gpsd.
#include "scope/gpsd_reading.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/fake_gpsd.h"

namespace talvo {
namespace {

// A report of gpsd 3.22 reading a receiver south and east.
constexpr const char* kSouthEast =
    R"({"class":"TPV","device":"/dev/pts/5","mode":2,"time":"2034-08-16T03:07:21.000Z","ept":0.005,)"
    R"("lat":-37.784793333,"lon":175.314890000,"track":181.3900,"speed":0.458})";

std::string Report(const std::string& fields) {
    return R"({"class":"TPV","device":"/dev/ttyUSB0",)" + fields + "}";
}

TEST(GpsdReport, AFixIsSplitAsTheReceiversSentenceWouldBeWithLongitudeWestPositive) {
    const GpsdParse parse = ParseGpsdReport(kSouthEast);
    ASSERT_EQ(parse.verdict, GpsdVerdict::kFix);
    const GpsFix& fix = parse.fix;
    EXPECT_EQ(fix.latitude.degrees, -37);
    EXPECT_NEAR(fix.latitude.minutes, 47.0876, 1e-6);  // 3747.0876,S in the receiver's sentence
    EXPECT_EQ(fix.latitude.signText, "-");
    EXPECT_EQ(fix.longitude.degrees, -175);  // east
    EXPECT_NEAR(fix.longitude.minutes, 18.8934, 1e-6);
    EXPECT_NEAR(fix.longitude.value, -175.31489, 1e-9);
    EXPECT_EQ((std::vector<int>{fix.year, fix.month, fix.day, fix.hour, fix.minute, fix.second}),
              (std::vector<int>{2034, 8, 16, 3, 7, 22}));

    // North and west; below one degree south the sign stays in the flag.
    const GpsdParse west =
        ParseGpsdReport(Report(R"("mode":3,"time":"2026-12-06T23:59:58Z","lat":-0.5,"lon":-74.25)"));
    ASSERT_EQ(west.verdict, GpsdVerdict::kFix);
    EXPECT_EQ(west.fix.latitude.degrees, 0);
    EXPECT_EQ(west.fix.latitude.sign, -1);
    EXPECT_DOUBLE_EQ(west.fix.latitude.minutes, 30.0);
    EXPECT_EQ(west.fix.longitude.degrees, 74);
    EXPECT_EQ(west.fix.longitude.signText, "");
    EXPECT_EQ(west.fix.second, 59);

    // Minutes that round to sixty carry into the degrees.
    const GpsdParse carry =
        ParseGpsdReport(Report(R"("mode":2,"time":"2026-01-01T00:00:00Z","lat":44.99999999999,"lon":1)"));
    ASSERT_EQ(carry.verdict, GpsdVerdict::kFix);
    EXPECT_EQ(carry.fix.latitude.degrees, 45);
    EXPECT_DOUBLE_EQ(carry.fix.latitude.minutes, 0.0);
}

TEST(GpsdReport, OnlyAReportWithAFixPositionAndTimeIsTaken) {
    const auto verdict = [](const std::string& line) { return ParseGpsdReport(line).verdict; };
    EXPECT_EQ(verdict(Report(R"("mode":1,"time":"2026-12-06T10:00:00Z","lat":10,"lon":10)")),
              GpsdVerdict::kNoFix);
    EXPECT_EQ(verdict(Report(R"("mode":2,"lat":10,"lon":10)")), GpsdVerdict::kNoFix);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T10:00:00Z","lon":10)")), GpsdVerdict::kNoFix);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T10:00:00Z","lat":0,"lon":0)")),
              GpsdVerdict::kZeroPosition);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T10:00:59Z","lat":1,"lon":1)")),
              GpsdVerdict::kLastSecond);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T10:00:60Z","lat":1,"lon":1)")),
              GpsdVerdict::kLastSecond);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-02-30T10:00:00Z","lat":1,"lon":1)")),
              GpsdVerdict::kOutOfRange);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T24:00:00Z","lat":1,"lon":1)")),
              GpsdVerdict::kOutOfRange);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T10:00:00Z","lat":-90,"lon":1)")),
              GpsdVerdict::kOutOfRange);
    EXPECT_EQ(verdict(Report(R"("mode":3,"time":"2026-12-06T10:00:00Z","lat":1,"lon":-180)")),
              GpsdVerdict::kOutOfRange);
    EXPECT_EQ(verdict(R"({"class":"SKY","satellites":[]})"), GpsdVerdict::kOther);
    EXPECT_EQ(verdict(R"({"class":"DEVICES","devices":[]})"), GpsdVerdict::kNoReceiver);
    EXPECT_EQ(verdict(R"({"class":"DEVICES","devices":[{"path":"/dev/ttyUSB0"}]})"), GpsdVerdict::kOther);
}

TEST(GpsdReport, HostileLinesAreRejectedWithoutHarm) {
    for (const std::string& line : {std::string(""), std::string("{"), std::string("[1,2]"),
                                    std::string("null"), std::string(R"({"class":5})"),
                                    Report(R"("mode":"3","time":"2026-12-06T10:00:00Z","lat":1,"lon":1)"),
                                    Report(R"("mode":3,"time":"2026-12-06T10:00:00Z","lat":"1","lon":1)"),
                                    Report(R"("mode":3,"time":20261206,"lat":1,"lon":1)"),
                                    Report(R"("mode":3,"time":"2026-12-06 10:00:00","lat":1,"lon":1)"),
                                    Report(R"("mode":3,"time":"2026-12-06T10:00:00+02:00","lat":1,"lon":1)"),
                                    Report(R"("mode":3,"time":"2026-12-06T10:00:00Z","lat":1e999,"lon":1)"),
                                    std::string(100000, '{')}) {
        const GpsdVerdict verdict = ParseGpsdReport(line).verdict;
        EXPECT_NE(verdict, GpsdVerdict::kFix) << line.substr(0, 80);
    }
}

TEST(GpsdAddress, HostAndPortAreReadWithTheDefaultPort) {
    const auto text = [](std::string_view given) {
        const std::optional<GpsdAddress> address = ParseGpsdAddress(given);
        return address ? GpsdAddressText(*address) : std::string("none");
    };
    EXPECT_EQ(text("localhost"), "localhost:2947");
    EXPECT_EQ(text("192.168.1.5:3000"), "192.168.1.5:3000");
    EXPECT_EQ(text("[::1]:2948"), "[::1]:2948");
    EXPECT_EQ(text("[::1]"), "[::1]:2947");
    for (const char* bad : {"", ":2947", "host:", "host:0", "host:65536", "host:29x", "[::1", "[::1]x"}) {
        EXPECT_EQ(text(bad), "none") << bad;
    }
}

class GpsdReadingTest : public ::testing::Test {
protected:
    GpsReading Read(int port, int giveUpAfterMs) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(giveUpAfterMs);
        ExchangeHooks hooks;
        hooks.keepGoing = [end] { return std::chrono::steady_clock::now() < end; };
        hooks.status = [this](const std::string& text) { statuses.push_back(text); };
        GpsdAddress address;
        address.host = "127.0.0.1";
        address.port = port;
        return ReadGpsd(address, hooks);
    }
    std::vector<std::string> statuses;
};

TEST_F(GpsdReadingTest, TheFirstFixIsTakenFromReportsSplitAcrossReads) {
    const std::string fix = std::string(kSouthEast) + "\n";
    testing::FakeGpsd gpsd({R"({"class":"VERSION","release":"3.22"})"
                            "\n",
                            R"({"class":"DEVICES","devices":[{"path":"/dev/pts/5"}]})"
                            "\n" +
                                Report(R"("mode":1)") + "\n",
                            "garbage that is no JSON\n", fix.substr(0, 40), fix.substr(40)},
                           30, false);
    const GpsReading reading = Read(gpsd.port(), 5000);
    ASSERT_EQ(reading.status, GpsReadStatus::kOk) << reading.portDetail;
    EXPECT_NEAR(reading.fix.latitude.value, -37.784793333, 1e-12);
    EXPECT_EQ(statuses, (std::vector<std::string>{kGpsdWaitingText, kGpsWaitingText, kGpsValidText}));
    EXPECT_EQ(gpsd.Received(), "?WATCH={\"enable\":true,\"json\":true};\n");
}

TEST_F(GpsdReadingTest, GpsdWithoutAReceiverIsWaitedForUntilAbandoned) {
    testing::FakeGpsd gpsd({R"({"class":"DEVICES","devices":[]})"
                            "\n"},
                           10, false);
    const GpsReading reading = Read(gpsd.port(), 600);
    EXPECT_EQ(reading.status, GpsReadStatus::kAbandoned);
    EXPECT_EQ(statuses, (std::vector<std::string>{kGpsdWaitingText, kGpsdNoReceiverText}));
}

TEST_F(GpsdReadingTest, AConnectionEndedOrRefusedIsReportedInWords) {
    int port = 0;
    {
        testing::FakeGpsd gpsd({Report(R"("mode":1)") + "\n"}, 10, true);
        port = gpsd.port();
        const GpsReading ended = Read(port, 5000);
        EXPECT_EQ(ended.status, GpsReadStatus::kDeviceFailed);
        EXPECT_NE(ended.portDetail.find("ended the connection"), std::string::npos) << ended.portDetail;
    }
    const GpsReading refused = Read(port, 5000);  // the stand-in is gone: nothing listens there
    EXPECT_EQ(refused.status, GpsReadStatus::kOpenFailed);
    EXPECT_NE(refused.portDetail.find("gpsd does not answer on 127.0.0.1:" + std::to_string(port)),
              std::string::npos)
        << refused.portDetail;
}

TEST(GpsdDevices, TheReceiversPortIsKnownUnderAnyOfItsNames) {
    testing::FakeGpsd gpsd({R"({"class":"VERSION"})"
                            "\n",
                            R"({"class":"DEVICES","devices":[{"path":"/dev/null"},{"path":"/nonexistent"}]})"
                            "\n"},
                           10, false);
    GpsdAddress address;
    address.host = "127.0.0.1";
    address.port = gpsd.port();
    EXPECT_TRUE(GpsdHoldsDevice(address, "/dev/../dev/null", 2000));
    EXPECT_EQ(gpsd.Received(), "?DEVICES;\n");
    testing::FakeGpsd other({R"({"class":"DEVICES","devices":[{"path":"/dev/null"}]})"
                             "\n"},
                            10, false);
    address.port = other.port();
    EXPECT_FALSE(GpsdHoldsDevice(address, "/dev/zero", 2000));
}

}  // namespace
}  // namespace talvo
