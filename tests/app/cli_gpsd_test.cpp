// talvo-cli gps with gpsd: a real gpsd, driven by its own replay tool (gpsfake) with a recording,
// gives the same site as the serial reading of the same recording, and a port that gpsd reads is
// refused with the advice to read from gpsd. Skipped where gpsfake is not installed.
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <nlohmann/json.hpp>
#include <optional>
#include <thread>

#include "app/cli_run.h"
#include "platform/tcp_connection.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"

namespace talvo {
namespace {

bool OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::string rest = path != nullptr ? path : "";
    for (std::size_t start = 0; start <= rest.size();) {
        const std::size_t end = rest.find(':', start);
        const std::string dir =
            rest.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!dir.empty() && ::access((dir + "/" + program).c_str(), X_OK) == 0) return true;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return false;
}

// A TCP port that nothing listens on now.
int FreePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
        ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0) {
        port = ntohs(address.sin_port);
    }
    ::close(fd);
    return port;
}

// gpsfake replaying a recording in a loop into its own gpsd on `port`, both in one process group
// that is ended with the test.
class GpsFake {
public:
    GpsFake(const std::string& recording, int port) : port_(port) {
        pid_ = ::fork();
        if (pid_ == 0) {
            ::setpgid(0, 0);
            const std::string portText = std::to_string(port);
            ::execlp("gpsfake", "gpsfake", "-q", "-c", "0.2", "-P", portText.c_str(), recording.c_str(),
                     static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (pid_ > 0) ::setpgid(pid_, pid_);
    }
    ~GpsFake() {
        if (pid_ <= 0) return;
        ::kill(-pid_, SIGTERM);
        int status = 0;
        ::waitpid(pid_, &status, 0);
    }
    GpsFake(const GpsFake&) = delete;
    GpsFake& operator=(const GpsFake&) = delete;

    // The device gpsd reads, once gpsd answers with it (at most 15 s).
    std::string DevicePath() const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(15);
        while (std::chrono::steady_clock::now() < end) {
            platform::TcpConnection gpsd;
            std::string answer;
            if (gpsd.Connect("127.0.0.1", port_, 500).ok() && gpsd.Send("?DEVICES;\n", 500).ok()) {
                for (int i = 0; i < 10 && answer.find("\"DEVICES\"") == std::string::npos; ++i) {
                    static_cast<void>(gpsd.Receive(answer, 100));
                }
                for (std::size_t start = 0, stop; (stop = answer.find('\n', start)) != std::string::npos;
                     start = stop + 1) {
                    const nlohmann::json report =
                        nlohmann::json::parse(answer.substr(start, stop - start), nullptr, false);
                    if (report.is_object() && report["class"] == "DEVICES" && !report["devices"].empty()) {
                        return report["devices"][0]["path"];
                    }
                }
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
        }
        return "";
    }

private:
    pid_t pid_ = -1;
    int port_;
};

class CliGpsdTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!OnPath("gpsfake")) GTEST_SKIP() << "gpsfake (Debian package gpsd-clients) is not installed";
        port_ = FreePort();
        ASSERT_NE(port_, 0);
        address_.emplace("TALVO_GPSD", "127.0.0.1:" + std::to_string(port_));
    }

    // The serial reading through the simulator and the reading from gpsd, of one recording.
    std::pair<nlohmann::json, nlohmann::json> ReadBoth(const std::string& recording) {
        testing::SimProcess sim;
        EXPECT_TRUE(sim.Start({"--protocol", "nmea", "--play", recording}));
        const testing::ScopedEnv port("TALVO_COM4", sim.DevicePath());
        const testing::CliRun serial = testing::RunCliAt({"gps", "--port", "4", "--json", "--timeout", "20"});
        EXPECT_EQ(serial.code, 0) << serial.err;

        GpsFake gpsfake(recording, port_);
        EXPECT_NE(gpsfake.DevicePath(), "");
        const testing::CliRun gpsd =
            testing::RunCliAt({"gps", "--source", "gpsd", "--json", "--timeout", "20"});
        EXPECT_EQ(gpsd.code, 0) << gpsd.err;
        if (serial.code != 0 || gpsd.code != 0) return {};
        return {nlohmann::json::parse(serial.out), nlohmann::json::parse(gpsd.out)};
    }

    int port_ = 0;
    std::optional<testing::ScopedEnv> address_;
};

TEST_F(CliGpsdTest, ARecordedReceiverGivesTheSameSiteThroughGpsdAsThroughItsPort) {
    const auto [serial, gpsd] = ReadBoth(std::string(TALVO_NMEA_RECORDINGS) + "/bu353s4.log");
    ASSERT_FALSE(serial.is_null());
    // A receiver at rest: its later fixes (gpsd's first is one of them) stray by a few
    // ten-thousandths of a minute, which the texts show.
    EXPECT_NEAR(gpsd["latitude"].get<double>(), serial["latitude"].get<double>(), 1e-5);
    EXPECT_NEAR(gpsd["longitude"].get<double>(), serial["longitude"].get<double>(), 1e-5);
}

TEST_F(CliGpsdTest, AReceiverOfTodayGivesTheSameSiteAndDate) {
    // Sentences of 2026-12-06 21:30:00 on: gpsd moves dates it takes for a week rollover, older
    // recordings' included, so the date is compared on a recording of today.
    testing::ScratchDir dir;
    std::string sentences;
    for (int second = 0; second < 40; ++second) {
        char body[96];
        std::snprintf(body, sizeof body, "GPRMC,2130%02d.00,A,4807.0380,N,01131.0000,E,0.0,0.0,061226,,,A",
                      second);
        unsigned sum = 0;
        for (const char* c = body; *c != '\0'; ++c) sum ^= static_cast<unsigned char>(*c);
        char line[128];
        std::snprintf(line, sizeof line, "$%s*%02X\r\n", body, sum);
        sentences += line;
    }
    dir.Write("today.log", sentences);
    const auto [serial, gpsd] = ReadBoth(dir.File("today.log"));
    ASSERT_FALSE(serial.is_null());
    EXPECT_EQ(gpsd["Latitude"], serial["Latitude"]);
    EXPECT_EQ(gpsd["Longitude"], serial["Longitude"]);
    EXPECT_DOUBLE_EQ(serial["longitude"].get<double>(), -11.516666666666667);
    EXPECT_NEAR(gpsd["longitude"].get<double>(), -11.516666666666667, 1e-8);
    EXPECT_EQ(serial["utc"], "2026-12-06T21:30:01Z");
    const std::string utc = gpsd["utc"];
    EXPECT_EQ(utc.substr(0, 16), "2026-12-06T21:30") << utc;
}

TEST_F(CliGpsdTest, APortThatGpsdReadsIsRefusedWithTheAdviceToReadFromGpsd) {
    GpsFake gpsfake(std::string(TALVO_NMEA_RECORDINGS) + "/bu353s4.log", port_);
    const std::string device = gpsfake.DevicePath();
    ASSERT_NE(device, "");
    const testing::ScopedEnv port("TALVO_COM6", device);
    const testing::CliRun run = testing::RunCliAt({"gps", "--port", "6", "--timeout", "5"});
    EXPECT_EQ(run.code, 2);
    EXPECT_NE(run.err.find("is in use by gpsd"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("--source gpsd"), std::string::npos) << run.err;
}

TEST(CliGpsd, GpsdThatDoesNotAnswerIsExitCodeTwo) {
    const testing::ScopedEnv address("TALVO_GPSD", "127.0.0.1:" + std::to_string(FreePort()));
    const testing::CliRun run = testing::RunCliAt({"gps", "--source", "gpsd"});
    EXPECT_EQ(run.code, 2);
    EXPECT_EQ(run.err.rfind("talvo-cli gps: UNABLE TO REACH GPSD\ngpsd does not answer on 127.0.0.1:", 0), 0u)
        << run.err;
    EXPECT_EQ(testing::RunCliAt({"gps", "--source", "gpsd", "--gpsd", "host:notaport"}).code, 2);
    EXPECT_EQ(testing::RunCliAt({"gps", "--source", "serial"}).code, 2);  // a serial reading needs --port
}

}  // namespace
}  // namespace talvo
