#include "platform/zone_location.h"

#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace talvo::platform {

namespace {

// "+DDMM[SS]" or "+DDDMM[SS]" with `degreeDigits` digits of degrees: signed degrees.
std::optional<double> Angle(const std::string& text, std::size_t degreeDigits) {
    if (text.size() != degreeDigits + 3 && text.size() != degreeDigits + 5) return std::nullopt;
    if (text[0] != '+' && text[0] != '-') return std::nullopt;
    for (std::size_t i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    }
    const double degrees = std::atoi(text.substr(1, degreeDigits).c_str());
    const double minutes = std::atoi(text.substr(1 + degreeDigits, 2).c_str());
    const double seconds =
        text.size() == degreeDigits + 5 ? std::atoi(text.substr(3 + degreeDigits, 2).c_str()) : 0.0;
    if (minutes >= 60.0 || seconds >= 60.0) return std::nullopt;
    const double value = degrees + minutes / 60.0 + seconds / 3600.0;
    return text[0] == '-' ? -value : value;
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == ' ' || line.back() == '\r')) line.pop_back();
    return line;
}

}  // namespace

std::optional<ZoneLocation> ParseZoneCoordinates(const std::string& text) {
    // The longitude starts at the second sign.
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string::npos) return std::nullopt;
    const std::optional<double> latitude = Angle(text.substr(0, split), 2);
    const std::optional<double> longitude = Angle(text.substr(split), 3);
    if (!latitude || !longitude || *latitude > 90.0 || *longitude > 180.0 || *longitude < -180.0) {
        return std::nullopt;
    }
    return ZoneLocation{*latitude, -*longitude};
}

std::string SystemZoneName() {
    if (const char* tz = std::getenv("TZ"); tz != nullptr && *tz != '\0') {
        return tz[0] == ':' ? std::string(tz + 1) : std::string(tz);
    }
    if (std::string name = FirstLine("/etc/timezone"); !name.empty()) return name;
    char target[PATH_MAX];
    const ssize_t length = ::readlink("/etc/localtime", target, sizeof target - 1);
    if (length <= 0) return {};
    const std::string link(target, static_cast<std::size_t>(length));
    const std::size_t at = link.find("zoneinfo/");
    return at == std::string::npos ? std::string() : link.substr(at + 9);
}

std::optional<ZoneLocation> ZoneReferenceLocation(const std::string& zoneName,
                                                  const std::string& zoneInfoDir) {
    if (zoneName.empty()) return std::nullopt;
    for (const char* table : {"/zone1970.tab", "/zone.tab"}) {
        std::ifstream in(zoneInfoDir + table);
        for (std::string line; std::getline(in, line);) {
            if (line.empty() || line[0] == '#') continue;
            std::istringstream fields(line);
            std::string codes, coordinates, zone;
            std::getline(fields, codes, '\t');
            std::getline(fields, coordinates, '\t');
            std::getline(fields, zone, '\t');
            if (zone == zoneName) return ParseZoneCoordinates(coordinates);
        }
    }
    return std::nullopt;
}

}  // namespace talvo::platform
