// A GPS receiver for the simulator: plays a recording of NMEA sentences at the pace of a 4800 baud
// line, or sends a recommended-minimum sentence for a fixed site once a second. It answers
// nothing; what it sends comes out of Tick.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "sim/responder.h"

namespace talvo::sim {

// A UTC date and time to the second.
struct UtcTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

inline constexpr double kNmeaBytesPerSecond = 480.0;  // 4800 baud, 10 bits a byte with 8N1
inline constexpr double kNmeaChunkSeconds = 0.05;     // bytes go out in chunks this far apart

// The receiver's bytes of a recording: the lines that start with "#" are the recorder's notes
// and are left out; everything else is kept byte for byte, except that a line feed without its
// carriage return (a recording stored with bare line feeds) gets it back.
std::string RecordingBytes(std::string_view file);

// "$GPRMC,hhmmss,A,ddmm.mmmm,N,dddmm.mmmm,W,0.0,0.0,ddmmyy,,*hh" with CR LF for a site in
// degrees (latitude north positive, longitude WEST positive) at `time`.
std::string RecommendedMinimumSentence(double latitudeDegrees, double longitudeDegrees, const UtcTime& time);

// What an NMEA run needs besides its options: the recording to play (notes already left out) and
// the UTC clock of generated sentences.
struct NmeaInput {
    std::string recording;
    std::function<UtcTime()> utcNow;
};

class NmeaPlayer : public Responder {
public:
    // Plays `recording` (already stripped of notes) from the first Tick; again and again when
    // `loop`.
    NmeaPlayer(std::string recording, bool loop);
    std::vector<std::string> Receive(std::string_view, double) override { return {}; }
    std::string Tick(double now) override;

private:
    std::string recording_;
    bool loop_;
    double start_ = -1.0;          // seconds of the first Tick
    unsigned long long sent_ = 0;  // bytes sent since the start, repetitions counted
};

class NmeaGenerator : public Responder {
public:
    // Latitude north positive and longitude WEST positive, in degrees; `utcNow` gives the time
    // stamped into each sentence.
    NmeaGenerator(double latitudeDegrees, double longitudeDegrees, std::function<UtcTime()> utcNow);
    std::vector<std::string> Receive(std::string_view, double) override { return {}; }
    std::string Tick(double now) override;

private:
    double latitude_;
    double longitude_;
    std::function<UtcTime()> utcNow_;
    long long lastSecond_ = -1;  // whole seconds of `now` of the last sentence
};

}  // namespace talvo::sim
