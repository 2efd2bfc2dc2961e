// The constellation of a position, from the boundary table of Roman (1987) for equinox B1875.0.
#pragma once

#include <array>
#include <string>

namespace talvo {

// 359 rows of 44 characters: row 0 empty, row 1 a header that catches declination +90, rows
// 2-358 the boundary segments from the north pole southwards. Columns: lower RA (degrees, 1-9),
// upper RA (11-18), lower declination (20-27), abbreviation (29-31), 12-character name (33-44).
inline constexpr int kConstellationRows = 359;

struct ConstellationTable {
    std::array<std::string, kConstellationRows> rows;
    // The numbers of each row as the lookup reads them (single precision): RA in hours.
    std::array<float, kConstellationRows> lowerRaHours{};
    std::array<float, kConstellationRows> upperRaHours{};
    std::array<float, kConstellationRows> lowerDecDegrees{};
};

// The table, built from the fixed rows on the first call (start-up makes that call).
const ConstellationTable& BuildConstellationTable();

// The row of the position: right ascension in hours, declination in degrees, compared as the
// table states them (no precession to 1875 is applied). The first row whose
// lower RA <= ra < upper RA and dec >= lower declination wins; 0 when none does.
int FindConstellationRow(float raHours, float decDegrees);

// The 12-character name of the position's constellation ("UrsaMinor   "), empty when no row
// matches; twelve blanks at declination +90 (the header row).
std::string FindConstellation(float raHours, float decDegrees);

// The three-letter abbreviation of a row ("UMi"); empty for rows 0 and 1.
std::string ConstellationAbbreviation(int row);

}  // namespace talvo
