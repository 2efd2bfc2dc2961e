#include "catalog/catalog_file.h"

#include <cmath>
#include <cstdio>
#include <optional>

#include "catalog/catalog_reader.h"
#include "engine/coordinates.h"
#include "engine/numeric.h"
#include "engine/solar_system.h"
#include "engine/text_format.h"
#include "platform/file_append.h"
#include "session/body_selection.h"

namespace talvo {

namespace {

// name 1 of a body taken from a planet line (the Best-of list writes them this way).
constexpr const char* kPlanetLineNames[10] = {"Sun         ", "Mercury    ", "Venus      ", "Moon       ",
                                              "Mars       ",  "Jupiter    ", "Saturn     ", "Uranus     ",
                                              "Neptune    ",  "Pluto(dwarf)"};

// Writes `text` into `line` from 1-based `column`, replacing only as many characters as it has.
void Put(std::string& line, int column, const std::string& text) {
    for (std::size_t i = 0; i < text.size() && column - 1 + i < line.size(); ++i)
        line[column - 1 + i] = text[i];
}

void ApplyFlag(SessionState& state, char flag) {
    state.contents = CatalogContents{};
    state.contents.full = false;
    state.longNameCatalog = false;
    state.object.transientCatalog = false;
    state.object.nearEarthObject = false;
    CatalogContents& c = state.contents;
    switch (flag) {
        case 'L':
            state.longNameCatalog = true;
            c.globulars = true;
            break;
        case 'T':
            state.object.transientCatalog = true;
            break;
        case 't':
            state.object.transientCatalog = true;
            state.object.nearEarthObject = true;
            break;
        case 'F':
            c.full = true;
            break;
        case 'D':
            c.doubles = true;
            break;
        case 'G':
            c.galaxies = true;
            break;
        case 'O':
            c.openClusters = true;
            break;
        case 'P':
            c.planetaries = true;
            break;
        case 'N':
            c.nebulae = true;
            break;
        case 'S':
            c.stars = true;
            break;
        case 'Q':
            c.quasars = true;
            break;
        case 'M':
            c.galaxies = c.globulars = c.openClusters = c.planetaries = c.nebulae = c.quasars = true;
            break;
        default:
            break;
    }
    state.catalogFlag = flag;
}

}  // namespace

std::string Columns(const std::string& line, int first, int width) {
    std::size_t start = static_cast<std::size_t>(first - 1);
    if (start >= line.size()) return {};
    return line.substr(start, static_cast<std::size_t>(width));
}

std::string Columns(const std::string& line, CatalogColumn column) {
    return Columns(line, column.first, column.width);
}

bool ReadCatalogFlag(SessionState& state, const std::string& fileName, const std::string& folder) {
    CatalogReader reader;
    if (!reader.Open(CatalogPath(folder, fileName))) return false;
    std::string first;
    if (!reader.ReadNextEntry(first)) first.clear();  // an empty catalog holds nothing, and no flag
    const std::size_t flagIndex = static_cast<std::size_t>(kFlagColumn - 1);
    ApplyFlag(state, first.size() > flagIndex ? first[flagIndex] : ' ');
    return true;
}

std::optional<CatalogEntry> ReadEntry(const std::string& line) {
    CatalogEntry entry;
    entry.decDegrees = LeadingNumber(Columns(line, kDeclinationColumn));
    entry.raHours = LeadingNumber(Columns(line, kRightAscensionColumn));
    if (!(entry.decDegrees >= -90.0 && entry.decDegrees <= 90.0 && entry.raHours >= 0.0 &&
          entry.raHours < 24.0)) {
        return std::nullopt;
    }
    for (int i = 0; i < 5; ++i) entry.names[static_cast<std::size_t>(i)] = Columns(line, kNameColumn[i]);
    // The Best-of markers are not part of the name the observer sees.
    std::string& name1 = entry.names[0];
    if (name1.size() >= 12 && name1[11] == '^') name1.replace(10, 2, "  ");
    entry.magnitudeText = Columns(line, kMagnitudeColumn);
    const double epoch = LeadingNumber(Columns(line, kEpochColumn));
    entry.epoch = epoch == 0.0 ? 2000.0 : epoch;
    return entry;
}

bool ParseEntry(SessionState& state, const std::string& line) {
    const std::optional<CatalogEntry> entry = ReadEntry(line);
    if (!entry) return false;
    SelectEntry(state, *entry);
    return true;
}

bool ParsePlanetLine(SessionState& state, const std::string& line) {
    const double number = LeadingNumber(Columns(line, kPlanetBodyColumn));
    if (Columns(line, kPlanetMarkColumn) != kPlanetMark || number < kSun || number > kPluto) return false;
    const int body = static_cast<int>(number);
    if (number != body || !SelectBody(state, body)) return false;
    CurrentObject& object = state.object;
    object.name1 = kPlanetLineNames[body];
    object.name2 = object.name3 = object.name4 = object.name5 = std::string(12, ' ');
    object.magnitudeText = "0";
    double distance = body == kMoon ? object.moonDistanceKm / 149597870.7 : object.distanceAU;
    Put(object.name2, 1, distance < 10.0 ? FormatFixed(distance, 1, 3) : FormatFixed(distance, 2, 2));
    Put(object.name2, 6, " AU");
    return true;
}

double TruncateToHundredths(double value) {
    char digits[64];
    std::snprintf(digits, sizeof digits, "%.9f", value);
    std::string text = digits;
    std::size_t point = text.find('.');
    if (point != std::string::npos && point + 3 < text.size()) text.resize(point + 3);
    return std::strtod(text.c_str(), nullptr);
}

std::string FormatCatalogLine(const std::array<std::string, 5>& names, double raHours, double decDegrees,
                              double magnitude, double epoch, char flag) {
    std::string line(kLineLength, ' ');
    for (int i = 0; i < 5; ++i) Put(line, kNameColumn[i].first, Columns(names[i], 1, kNameColumn[i].width));
    Put(line, kDeclinationColumn.first, FormatFixed(decDegrees, 2, 4));
    // Numbers are placed so that their point falls in the field's point column.
    const int raDigits = raHours >= 10.0 ? 2 : 1;
    Put(line, kRightAscensionPoint - raDigits, FormatFixed(raHours, raDigits, 4));
    if (flag != ' ') line[kFlagColumn - 1] = flag;
    const int magnitudeDigits = std::fabs(magnitude) >= 10.0 ? 2 : 1;
    const int signWidth = magnitude < 0.0 ? 1 : 0;  // a bright comet's minus sign goes before the digits
    Put(line, kMagnitudePoint - magnitudeDigits - signWidth, FormatFixed(magnitude, magnitudeDigits, 2));
    Put(line, kEpochColumn.first, Columns(StrNumber(epoch).substr(1), 1, kEpochColumn.width));
    return line;
}

std::string BuildEntryLine(SessionState& state) {
    CurrentObject& object = state.object;
    const double magnitude = TruncateToHundredths(LeadingNumber(object.magnitudeText));
    const double shownEpoch = GetTargetEpoch(state.clock, state.scope.fixedEpoch);
    Precess(object, shownEpoch, state.catalogEpoch, state.site.latitude);
    const double declination = DeclinationDegrees(object);
    const double rightAscension = RightAscensionHours(object);
    Precess(object, state.catalogEpoch, shownEpoch, state.site.latitude);
    return FormatCatalogLine({object.name1, object.name2, object.name3, object.name4, object.name5},
                             rightAscension, declination, magnitude, state.catalogEpoch, ' ');
}

bool AppendEntry(SessionState& state) {
    state.search.SearchOpen = false;
    std::string line = BuildEntryLine(state) + "\r\n";
    return platform::AppendLine(CatalogPath(state.catalogFolder, state.catalogFileName), line);
}

}  // namespace talvo
