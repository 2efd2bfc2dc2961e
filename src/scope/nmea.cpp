#include "scope/nmea.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace talvo {
namespace {

constexpr char kCarriageReturn = '\r';
constexpr char kLineFeed = '\n';  // ends a sentence too: some receivers and recordings leave out the CR
constexpr double kLargestMinutes = 59.9999;  // minutes kept below the next whole degree

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
    for (char c : text) {
        if (!IsDigit(c)) return false;
    }
    return !text.empty();
}

int Number(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

// Minutes such as "07.038" or "31": digits with at most one decimal point.
std::optional<double> Minutes(std::string_view text) {
    bool point = false;
    bool digit = false;
    for (char c : text) {
        if (c == '.' && !point) {
            point = true;
        } else if (IsDigit(c)) {
            digit = true;
        } else {
            return std::nullopt;
        }
    }
    if (!digit) return std::nullopt;
    return std::strtod(std::string(text).c_str(), nullptr);
}

std::optional<unsigned> HexDigit(char c) {
    if (IsDigit(c)) return static_cast<unsigned>(c - '0');
    if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
    if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
    return std::nullopt;
}

std::vector<std::string_view> Fields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

// A coordinate field of `degreeDigits` whole-degree digits and at least `shortest` characters,
// with the hemisphere letter that makes it negative. Nothing when it is no coordinate.
std::optional<GpsAngle> Angle(std::string_view field, std::size_t degreeDigits, std::size_t shortest,
                              bool negative) {
    if (field.size() < shortest) return std::nullopt;
    const std::string_view degreeText = field.substr(0, degreeDigits);
    const std::optional<double> minutes = Minutes(field.substr(degreeDigits));
    if (!AllDigits(degreeText) || !minutes) return std::nullopt;
    GpsAngle angle;
    const int degrees = Number(degreeText);
    angle.degrees = negative ? -degrees : degrees;
    angle.signText = negative ? "-" : "";
    angle.sign = (negative && degrees == 0) ? -1 : 1;
    angle.value = (negative ? -1.0 : 1.0) * (degrees + *minutes / 60.0);
    angle.minutes = *minutes > kLargestMinutes ? kLargestMinutes : *minutes;
    return angle;
}

NmeaParse Verdict(NmeaVerdict verdict) {
    NmeaParse parse;
    parse.verdict = verdict;
    return parse;
}

}  // namespace

std::vector<std::string> NmeaAssembler::Feed(std::string_view bytes) {
    std::vector<std::string> sentences;
    for (char c : bytes) {
        if (c == '$') {
            text_ = "$";
            collecting_ = true;
            spoilt_ = false;
        } else if (!collecting_) {
            continue;
        } else if (c == kCarriageReturn || c == kLineFeed) {
            collecting_ = false;
            if (!spoilt_) sentences.push_back(text_);
            text_.clear();
        } else {
            const auto byte = static_cast<unsigned char>(c);
            if (byte < 0x20 || byte > 0x7E || text_.size() >= kLongestNmeaSentence) spoilt_ = true;
            if (!spoilt_) text_ += c;
        }
    }
    return sentences;
}

GpsAngle GpsAngleFromDegrees(double value) {
    const bool negative = value < 0.0;
    const double size = std::fabs(value);
    int degrees = static_cast<int>(size);
    double minutes = std::round((size - degrees) * 60.0 * 1e6) / 1e6;
    if (minutes >= 60.0) {
        ++degrees;
        minutes = 0.0;
    }
    GpsAngle angle;
    angle.degrees = negative ? -degrees : degrees;
    angle.signText = negative ? "-" : "";
    angle.sign = (negative && degrees == 0) ? -1 : 1;
    angle.value = value;
    angle.minutes = minutes > kLargestMinutes ? kLargestMinutes : minutes;
    return angle;
}

bool IsCalendarDate(int year, int month, int day) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12 || day < 1) return false;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return day <= (month == 2 && leap ? 29 : kDays[month - 1]);
}

bool IsRecommendedMinimum(std::string_view sentence) {
    const auto upper = [](char c) { return c >= 'A' && c <= 'Z'; };
    return sentence.size() >= 7 && sentence[0] == '$' && upper(sentence[1]) && upper(sentence[2]) &&
           sentence.substr(3, 4) == "RMC,";
}

unsigned NmeaChecksum(std::string_view sentence) {
    unsigned sum = 0;
    for (std::size_t i = 1; i < sentence.size() && sentence[i] != '*'; ++i) {
        sum ^= static_cast<unsigned char>(sentence[i]);
    }
    return sum;
}

NmeaParse ParseRecommendedMinimum(std::string_view sentence, int currentYear) {
    if (!IsRecommendedMinimum(sentence)) return Verdict(NmeaVerdict::kNotRecommendedMinimum);
    const std::size_t star = sentence.find('*');
    if (star != std::string_view::npos) {
        const std::string_view given = sentence.substr(star + 1);
        const std::optional<unsigned> high = given.size() == 2 ? HexDigit(given[0]) : std::nullopt;
        const std::optional<unsigned> low = given.size() == 2 ? HexDigit(given[1]) : std::nullopt;
        if (!high || !low || *high * 16 + *low != NmeaChecksum(sentence)) {
            return Verdict(NmeaVerdict::kBadChecksum);
        }
    }
    // 0 header, 1 time, 2 status, 3-4 latitude, 5-6 longitude, 7 speed, 8 course, 9 date
    const std::vector<std::string_view> fields = Fields(sentence.substr(0, star));
    if (fields.size() < 10) return Verdict(NmeaVerdict::kMalformed);
    const std::string_view time = fields[1];
    if (time.size() < 6 || !AllDigits(time.substr(0, 6))) return Verdict(NmeaVerdict::kMalformed);
    if (fields[2] != "A") return Verdict(NmeaVerdict::kNoFix);
    const std::optional<GpsAngle> latitude = Angle(fields[3], 2, 5, fields[4] == "S");
    const std::optional<GpsAngle> longitude = Angle(fields[5], 3, 6, fields[6] == "E");
    const std::string_view date = fields[9];
    if (!latitude || !longitude || date.size() < 6 || !AllDigits(date.substr(0, 6))) {
        return Verdict(NmeaVerdict::kMalformed);
    }
    if (latitude->value == 0.0 && longitude->value == 0.0) return Verdict(NmeaVerdict::kZeroPosition);

    NmeaParse parse;
    GpsFix& fix = parse.fix;
    fix.latitude = *latitude;
    fix.longitude = *longitude;
    fix.hour = Number(time.substr(0, 2));
    fix.minute = Number(time.substr(2, 2));
    fix.second = Number(time.substr(4, 2));
    fix.day = Number(date.substr(0, 2));
    fix.month = Number(date.substr(2, 2));
    fix.year = currentYear / 100 * 100 + Number(date.substr(4, 2));
    const bool inRange = std::abs(latitude->degrees) <= 89 && std::abs(longitude->degrees) <= 179 &&
                         Minutes(fields[3].substr(2)) < 60.0 && Minutes(fields[5].substr(3)) < 60.0 &&
                         fix.hour <= 23 && fix.minute <= 59 && IsCalendarDate(fix.year, fix.month, fix.day);
    if (!inRange) return Verdict(NmeaVerdict::kOutOfRange);
    if (fix.second >= 59) return Verdict(NmeaVerdict::kLastSecond);
    ++fix.second;
    parse.verdict = NmeaVerdict::kAccepted;
    return parse;
}

}  // namespace talvo
