#include "engine/constellations.h"

#include "engine/text_format.h"

namespace talvo {

namespace {

constexpr const char* kBoundaryRows[] = {
#include "engine/constellation_rows.inc"
};

constexpr const char* kHeaderRow = "   0     ,     360,      90,   ,            ";

ConstellationTable MakeTable() {
    ConstellationTable table;
    table.rows[1] = kHeaderRow;
    int next = 2;
    for (const char* row : kBoundaryRows) table.rows[next++] = row;
    for (int i = 1; i < kConstellationRows; ++i) {
        const std::string& row = table.rows[i];
        table.lowerRaHours[i] = static_cast<float>(LeadingNumber(row.substr(0, 9))) / 15.0f;
        table.upperRaHours[i] = static_cast<float>(LeadingNumber(row.substr(10, 8))) / 15.0f;
        table.lowerDecDegrees[i] = static_cast<float>(LeadingNumber(row.substr(19, 8)));
    }
    return table;
}

}  // namespace

static_assert(sizeof kBoundaryRows / sizeof kBoundaryRows[0] == kConstellationRows - 2,
              "the boundary table has 357 segments");

const ConstellationTable& BuildConstellationTable() {
    static const ConstellationTable table = MakeTable();
    return table;
}

int FindConstellationRow(float raHours, float decDegrees) {
    const ConstellationTable& table = BuildConstellationTable();
    for (int i = 1; i < kConstellationRows; ++i) {
        if (table.lowerRaHours[i] <= raHours && raHours < table.upperRaHours[i] &&
            decDegrees >= table.lowerDecDegrees[i]) {
            return i;
        }
    }
    return 0;
}

std::string FindConstellation(float raHours, float decDegrees) {
    int row = FindConstellationRow(raHours, decDegrees);
    return row == 0 ? std::string() : BuildConstellationTable().rows[row].substr(32, 12);
}

std::string ConstellationAbbreviation(int row) {
    if (row < 2 || row >= kConstellationRows) return {};
    return BuildConstellationTable().rows[row].substr(28, 3);
}

}  // namespace talvo
