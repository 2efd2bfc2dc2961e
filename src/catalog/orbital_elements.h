// Orbital elements of comets and minor planets in the one-line formats the Minor Planet Center
// publishes (its comet list and its minor-planet list, one object a line, fixed columns, angles
// of J2000). An observer saves the lines of the objects wanted from any source; TALVO reads them
// to make transient catalogs offline.
//
// Comet line (columns 1-based, inclusive):
//   1-4 periodic number, 5 orbit type, 6-12 provisional designation, 15-18 year, 20-21 month,
//   23-29 day (with its fraction, TT) of perihelion, 31-39 q (AU), 42-49 e, 52-59 argument of
//   perihelion, 62-69 node, 72-79 inclination (degrees), 92-95 H, 97-100 K, 103-158 name.
// Minor-planet line:
//   1-7 designation, 9-13 H, 15-19 G, 21-25 epoch (packed, 0 h TT), 27-35 mean anomaly,
//   38-46 argument of perihelion, 49-57 node, 60-68 inclination, 71-79 e, 93-103 a (AU),
//   167-194 readable designation.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/minor_body.h"

namespace talvo {

struct ElementsEntry {
    MinorBody body;
    std::string name;  // "1P/Halley", "(1) Ceres", or the designation when no name is given
};

// A packed epoch date ("K24AM" is 2024 October 22): century letter I, J or K, two digits of the
// year, the month and the day as 1-9 then A (10) onwards. Nothing when it is none.
[[nodiscard]] std::optional<CalendarDate> UnpackEpoch(std::string_view packed);

// One line of either format; nothing when it is neither, or a number is missing or impossible
// (q or a not above 0, e negative, an ellipse given by a and e of 1 or more).
[[nodiscard]] std::optional<ElementsEntry> ParseElementsLine(std::string_view line);

// Every object of a file's lines that reads (lines that do not are passed over, as a saved page
// may hold headings).
[[nodiscard]] std::vector<ElementsEntry> ParseElementsText(std::string_view text);

}  // namespace talvo
