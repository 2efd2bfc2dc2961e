#include "sim/nmea_source.h"

#include <cmath>
#include <cstdio>

namespace talvo::sim {

std::string RecordingBytes(std::string_view file) {
    std::string bytes;
    std::size_t at = 0;
    while (at < file.size()) {
        std::size_t end = file.find('\n', at);
        end = end == std::string_view::npos ? file.size() : end + 1;
        if (file[at] != '#') {
            bytes.append(file.substr(at, end - at));
            // A receiver ends its sentences with CR LF; recordings kept with bare LF get the CR back.
            if (bytes.back() == '\n' && (bytes.size() < 2 || bytes[bytes.size() - 2] != '\r')) {
                bytes.insert(bytes.size() - 1, 1, '\r');
            }
        }
        at = end;
    }
    return bytes;
}

std::string RecommendedMinimumSentence(double latitudeDegrees, double longitudeDegrees, const UtcTime& time) {
    // ddmm.mmmm: whole degrees and minutes to four decimals, rounded once so that 59.99995
    // minutes become the next degree.
    const auto split = [](double degrees, int& whole, double& minutes) {
        const long long tenThousandths = std::llround(std::fabs(degrees) * 600000.0);
        whole = static_cast<int>(tenThousandths / 600000);
        minutes = static_cast<double>(tenThousandths % 600000) / 10000.0;
    };
    int latWhole = 0;
    int lonWhole = 0;
    double latMinutes = 0.0;
    double lonMinutes = 0.0;
    split(latitudeDegrees, latWhole, latMinutes);
    split(longitudeDegrees, lonWhole, lonMinutes);
    char body[96];
    std::snprintf(body, sizeof body,
                  "GPRMC,%02d%02d%02d,A,%02d%07.4f,%c,%03d%07.4f,%c,0.0,0.0,%02d%02d%02d,,", time.hour,
                  time.minute, time.second, latWhole, latMinutes, latitudeDegrees < 0.0 ? 'S' : 'N', lonWhole,
                  lonMinutes, longitudeDegrees < 0.0 ? 'E' : 'W', time.day, time.month, time.year % 100);
    unsigned sum = 0;
    for (const char* c = body; *c != '\0'; ++c) sum ^= static_cast<unsigned char>(*c);
    char checksum[8];
    std::snprintf(checksum, sizeof checksum, "*%02X\r\n", sum);
    return "$" + std::string(body) + checksum;
}

NmeaPlayer::NmeaPlayer(std::string recording, bool loop) : recording_(std::move(recording)), loop_(loop) {}

std::string NmeaPlayer::Tick(double now) {
    if (recording_.empty()) return {};
    if (start_ < 0.0) start_ = now;
    // Whole chunks from the first Tick: the current one goes out at once, whole.
    const auto chunks = static_cast<unsigned long long>((now - start_) / kNmeaChunkSeconds) + 1;
    auto due =
        static_cast<unsigned long long>(std::llround(chunks * kNmeaChunkSeconds * kNmeaBytesPerSecond));
    if (!loop_ && due > recording_.size()) due = recording_.size();
    std::string bytes;
    for (; sent_ < due; ++sent_) bytes += recording_[sent_ % recording_.size()];
    return bytes;
}

NmeaGenerator::NmeaGenerator(double latitudeDegrees, double longitudeDegrees, std::function<UtcTime()> utcNow)
    : latitude_(latitudeDegrees), longitude_(longitudeDegrees), utcNow_(std::move(utcNow)) {}

std::string NmeaGenerator::Tick(double now) {
    const auto second = static_cast<long long>(std::floor(now));
    if (second == lastSecond_ || !utcNow_) return {};
    lastSecond_ = second;
    return RecommendedMinimumSentence(latitude_, longitude_, utcNow_());
}

}  // namespace talvo::sim
