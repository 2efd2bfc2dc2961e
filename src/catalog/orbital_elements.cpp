#include "catalog/orbital_elements.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace talvo {
namespace {

// Columns first..last (1-based, inclusive) of the line, empty where the line is shorter.
std::string_view Field(std::string_view line, std::size_t first, std::size_t last) {
    if (line.size() < first) return {};
    return line.substr(first - 1, std::min(last, line.size()) - first + 1);
}

std::string Trimmed(std::string_view text) {
    const std::size_t start = text.find_first_not_of(' ');
    if (start == std::string_view::npos) return "";
    return std::string(text.substr(start, text.find_last_not_of(' ') - start + 1));
}

// A number filling the field (blanks around it allowed); nothing for a blank or a field with
// anything else in it.
std::optional<double> Number(std::string_view field) {
    const std::string text = Trimmed(field);
    if (text.empty()) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

std::optional<int> PackedDigit(char c) {
    if (c >= '1' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'V') return c - 'A' + 10;
    return std::nullopt;
}

std::optional<ElementsEntry> CometLine(std::string_view line) {
    const std::string_view type = Field(line, 5, 5);
    if (type.size() != 1 || std::string_view("CPDXAI").find(type[0]) == std::string_view::npos)
        return std::nullopt;
    const auto year = Number(Field(line, 15, 18));
    const auto month = Number(Field(line, 20, 21));
    const auto day = Number(Field(line, 23, 29));
    const auto q = Number(Field(line, 31, 39));
    const auto e = Number(Field(line, 42, 49));
    const auto peri = Number(Field(line, 52, 59));
    const auto node = Number(Field(line, 62, 69));
    const auto inclination = Number(Field(line, 72, 79));
    if (!year || !month || !day || !q || !e || !peri || !node || !inclination) return std::nullopt;
    if (*month < 1 || *month > 12 || *day < 1 || *day >= 32 || *q <= 0.0 || *e < 0.0) return std::nullopt;
    ElementsEntry entry;
    MinorBody& body = entry.body;
    body.comet = true;
    body.orbit.perihelionDistance = *q;
    body.orbit.eccentricity = *e;
    body.orbit.perihelionArgument = *peri;
    body.orbit.node = *node;
    body.orbit.inclination = *inclination;
    body.orbit.perihelionTime = CalendarJulianDate(static_cast<int>(*year), static_cast<int>(*month), *day);
    // A comet without magnitude parameters gets a faint default, so that it is still listed.
    body.absoluteMagnitude = Number(Field(line, 92, 95)).value_or(15.0);
    body.slope = Number(Field(line, 97, 100)).value_or(4.0);
    entry.name = Trimmed(Field(line, 103, 158));
    if (entry.name.empty()) entry.name = Trimmed(Field(line, 1, 12));
    return entry;
}

std::optional<ElementsEntry> MinorPlanetLine(std::string_view line) {
    const std::optional<CalendarDate> epoch = UnpackEpoch(Field(line, 21, 25));
    if (!epoch) return std::nullopt;
    const auto mean = Number(Field(line, 27, 35));
    const auto peri = Number(Field(line, 38, 46));
    const auto node = Number(Field(line, 49, 57));
    const auto inclination = Number(Field(line, 60, 68));
    const auto e = Number(Field(line, 71, 79));
    const auto axis = Number(Field(line, 93, 103));
    if (!mean || !peri || !node || !inclination || !e || !axis) return std::nullopt;
    if (*axis <= 0.0 || *e < 0.0 || *e >= 1.0) return std::nullopt;
    ElementsEntry entry;
    MinorBody& body = entry.body;
    body.orbit = EllipseFromMeanAnomaly(*axis, *e, *inclination, *node, *peri, *mean,
                                        CalendarJulianDate(epoch->year, epoch->month, epoch->day));
    body.absoluteMagnitude = Number(Field(line, 9, 13)).value_or(20.0);
    body.slope = Number(Field(line, 15, 19)).value_or(0.15);
    entry.name = Trimmed(Field(line, 167, 194));
    if (entry.name.empty()) entry.name = Trimmed(Field(line, 1, 7));
    return entry;
}

}  // namespace

std::optional<CalendarDate> UnpackEpoch(std::string_view packed) {
    if (packed.size() != 5) return std::nullopt;
    const std::string_view centuries = "IJK";
    const std::size_t century = centuries.find(packed[0]);
    if (century == std::string_view::npos || !std::isdigit(static_cast<unsigned char>(packed[1])) ||
        !std::isdigit(static_cast<unsigned char>(packed[2]))) {
        return std::nullopt;
    }
    const std::optional<int> month = PackedDigit(packed[3]);
    const std::optional<int> day = PackedDigit(packed[4]);
    if (!month || *month > 12 || !day) return std::nullopt;
    CalendarDate date;
    date.year = static_cast<int>(1800 + 100 * century) + (packed[1] - '0') * 10 + (packed[2] - '0');
    date.month = *month;
    date.day = *day;
    return date;
}

std::optional<ElementsEntry> ParseElementsLine(std::string_view line) {
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.remove_suffix(1);
    if (std::optional<ElementsEntry> comet = CometLine(line)) return comet;
    return MinorPlanetLine(line);
}

std::vector<ElementsEntry> ParseElementsText(std::string_view text) {
    std::vector<ElementsEntry> entries;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (std::optional<ElementsEntry> entry = ParseElementsLine(text.substr(0, end)))
            entries.push_back(*entry);
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return entries;
}

}  // namespace talvo
