// talvo-sim: a GoTo telescope, or a GPS receiver sending NMEA, on a pseudo-terminal, for
// rehearsing without hardware and for the tests. Prints the device path as the first line of
// standard output, then serves the chosen protocol until SIGTERM or SIGINT (or --hang-up-after);
// status lines go to standard error.
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "sim/pseudo_terminal.h"
#include "sim/sim_log.h"
#include "sim/sim_options.h"
#include "sim/sim_session.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void InstallSignals() {
    struct sigaction action {};
    action.sa_handler = RequestStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    std::signal(SIGPIPE, SIG_IGN);
}

// Reports the mount's slews on standard error as they start, end or are stopped.
class SlewReporter {
public:
    void Report(const talvo::sim::Mount& mount, double now) {
        if (mount.SlewCount() != seenSlews_) {
            seenSlews_ = mount.SlewCount();
            slewing_ = true;
            goal_ = talvo::sim::DescribePointing(mount.Target());
            std::cerr << "slewing to " << goal_ << std::endl;
        }
        if (slewing_ && !mount.IsSlewing(now)) {
            slewing_ = false;
            const std::string there = talvo::sim::DescribePointing(mount.PointingAt(now));
            std::cerr << (there == goal_ ? "arrived at " : "stopped at ") << there << std::endl;
        }
    }

private:
    int seenSlews_ = 0;
    bool slewing_ = false;
    std::string goal_;  // where the last slew was sent, as shown
};

talvo::sim::UtcTime UtcNow() {
    const std::time_t now = std::time(nullptr);
    std::tm parts{};
    gmtime_r(&now, &parts);
    return {parts.tm_year + 1900, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min, parts.tm_sec};
}

constexpr int kPollMs = 50;     // longest wait for bytes before the slew is looked at again
constexpr int kWriteMs = 1000;  // longest wait for room to send a reply

}  // namespace

int main(int argc, char** argv) {
    using namespace talvo::sim;
    const ParsedOptions parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (parsed.options.help) {
        std::cout << SimUsage();
        return 0;
    }
    if (!parsed.error.empty()) {
        std::cerr << "talvo-sim: " << parsed.error << "\n" << SimUsage();
        return 2;
    }
    const SimOptions& options = parsed.options;

    talvo::sim::NmeaInput nmea{{}, UtcNow};
    if (!options.playPath.empty()) {
        std::ifstream recording(options.playPath, std::ios::binary);
        if (!recording) {
            std::cerr << "talvo-sim: cannot read " << options.playPath << "\n";
            return 1;
        }
        nmea.recording = RecordingBytes(
            std::string((std::istreambuf_iterator<char>(recording)), std::istreambuf_iterator<char>()));
    }

    SimLog log;
    if (!options.logPath.empty() && !log.Open(options.logPath)) {
        std::cerr << "talvo-sim: cannot write the log " << options.logPath << "\n";
        return 1;
    }
    PseudoTerminal line;
    std::string error;
    if (!line.Open(error)) {
        std::cerr << "talvo-sim: no pseudo-terminal (" << error << ")\n";
        return 1;
    }
    if (!options.linkPath.empty() && ::symlink(line.SlavePath().c_str(), options.linkPath.c_str()) != 0) {
        std::perror(("talvo-sim: cannot make the link " + options.linkPath).c_str());
        return 1;
    }
    InstallSignals();
    std::cout << line.SlavePath() << std::endl;

    const auto start = std::chrono::steady_clock::now();
    const auto seconds = [&] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const auto milliseconds = [&] {
        return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
            .count();
    };
    std::mt19937 generator(std::random_device{}());
    SimSession session(
        options, [&] { return static_cast<std::uint8_t>(generator() & 0xFF); }, std::move(nmea));
    SlewReporter reporter;
    std::cerr << "talvo-sim on " << line.SlavePath() << ", pointing at "
              << DescribePointing(session.GetMount().PointingAt(0.0)) << std::endl;

    const auto send = [&](const std::string& bytes) {
        if (bytes.empty()) return;
        // Logged first, so that whoever has read a reply finds it in the log already.
        log.Write(milliseconds(), Direction::kSent, bytes);
        if (!line.Write(bytes, kWriteMs)) std::cerr << "talvo-sim: a reply could not be sent" << std::endl;
    };
    int status = 0;
    std::string bytes;
    while (stopRequested == 0) {
        if (!line.Read(kPollMs, bytes)) {
            std::cerr << "talvo-sim: the pseudo-terminal failed" << std::endl;
            status = 1;
            break;
        }
        bool hangUp = false;
        if (!bytes.empty()) {
            log.Write(milliseconds(), Direction::kReceived, bytes);
            const SessionOutput output = session.Receive(bytes, seconds());
            send(output.reply);
            hangUp = output.hangUp;
        }
        const double now = seconds();
        send(session.Tick(now));
        reporter.Report(session.GetMount(), now);
        if (hangUp) {
            std::cerr << "hanging up" << std::endl;
            break;
        }
    }
    line.Close();
    if (!options.linkPath.empty()) ::unlink(options.linkPath.c_str());
    return status;
}
