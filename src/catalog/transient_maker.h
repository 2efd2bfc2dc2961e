// Transient catalogs made from orbital elements: one line for every hour (or, for a near-Earth
// object, every minute) of a span, each named by its UTC moment as a transient catalog's lines
// are, with the place and magnitude the orbit gives for that moment.
#pragma once

#include <string>
#include <vector>

#include "catalog/orbital_elements.h"

namespace talvo {

struct TransientSpan {
    int year = 2026, month = 1, day = 1;  // UTC date of the first line, at 0 h
    int steps = 0;                        // lines to make
    bool perMinute = false;               // "t" lines a minute apart, else "T" lines an hour apart
};

// The name a line of that UTC moment carries: "MMDD HH YYYY" hourly, "MMDDHHmmYYYY" per minute.
std::string TransientMomentName(int year, int month, int day, int hour, int minute, bool perMinute);

// The catalog's lines (without line ends): names 1 the moment, 2 and 3 the object's name in two
// pieces of 12, 5 "Comet" for a comet and "Asteroid" otherwise; the astrometric place of J2000;
// the magnitude; "T" or "t" in the flag column of every line.
std::vector<std::string> MakeTransientLines(const ElementsEntry& object, const TransientSpan& span);

}  // namespace talvo
