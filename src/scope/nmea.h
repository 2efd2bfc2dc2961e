// NMEA 0183 from a GPS receiver: assembling sentences from the bytes of the line, and reading the
// recommended-minimum sentence ("$GPRMC", "$GNRMC", ...) into a site and a UTC date and time.
// Nothing here touches a device, the clock or the observer's site.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace talvo {

// Longest sentence kept, "$" to the checksum: 82 bytes on the line with its CR LF, and a little
// room for receivers that overrun it.
inline constexpr std::size_t kLongestNmeaSentence = 82;

// Collects sentences from bytes that arrive in any pieces. "$" starts a sentence (and drops one
// being collected), a carriage return or a line feed ends it; bytes between sentences are
// dropped, and so is a sentence longer than kLongestNmeaSentence or holding control or 8-bit bytes.
class NmeaAssembler {
public:
    // The sentences the bytes complete, each from "$" up to, not including, the line end.
    std::vector<std::string> Feed(std::string_view bytes);

private:
    std::string text_;
    bool collecting_ = false;
    bool spoilt_ = false;  // the sentence being collected has a byte no receiver sends
};

// One coordinate as the receiver gave it, split as the observer's site shows it.
struct GpsAngle {
    int degrees = 0;       // whole degrees with the sign: negative for south or east
    double minutes = 0.0;  // [0, 59.9999], never negative
    int sign = 1;          // -1 when the coordinate is south (east) and its whole degrees are 0
    std::string signText;  // "-" for south (east), else empty
    double value = 0.0;    // signed degrees: north positive, or WEST positive
};

// A fix from a recommended-minimum sentence.
struct GpsFix {
    GpsAngle latitude;   // north positive
    GpsAngle longitude;  // WEST positive (east negative), as the observer's site keeps it
    // UTC date and time; the second is one past the sentence's, as the fix reaches the computer
    // about a second after its time stamp.
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

enum class NmeaVerdict {
    kAccepted,
    kNotRecommendedMinimum,  // not "$" + two upper-case letters + "RMC,"
    kBadChecksum,            // a "*hh" that is not the XOR of the bytes between "$" and "*"
    kNoFix,                  // status other than "A"
    kMalformed,              // a field missing, too short, or not a number
    kZeroPosition,           // 0000.0000 for both coordinates: a receiver without a real fix
    kOutOfRange,             // latitude above 89 degrees, longitude above 179, minutes from 60,
                             // impossible hours, minutes, day or month
    kLastSecond,             // seconds of 59 or more: the added second would spill over
};

struct NmeaParse {
    NmeaVerdict verdict = NmeaVerdict::kMalformed;
    GpsFix fix;  // filled when accepted
};

// A coordinate given in signed degrees (north, or WEST, positive; negative south or east), split
// as a receiver's sentence would give it: minutes rounded to a millionth, at most 59.9999.
GpsAngle GpsAngleFromDegrees(double value);

// True for a day that the Gregorian calendar has.
bool IsCalendarDate(int year, int month, int day);

// True for "$", two upper-case letters (the talker: GP, GN, GL, GA, BD, GB, ...) and "RMC,".
bool IsRecommendedMinimum(std::string_view sentence);

// The XOR of the bytes between "$" and "*" (or the end), as the checksum compares it.
unsigned NmeaChecksum(std::string_view sentence);

// Reads one sentence (as NmeaAssembler gives it). The two-digit year takes its century from
// `currentYear` (four digits).
NmeaParse ParseRecommendedMinimum(std::string_view sentence, int currentYear);

}  // namespace talvo
