// The position texts of the LX200 command family.
#pragma once

#include <string>

#include "scope/goto_position.h"

namespace talvo {

// The text with every "," turned into "."; a decimal comma never reaches a telescope.
std::string CommaToPeriod(std::string text);

// "#:Sr HH:MM.T#", for example "#:Sr 05:34.5#": hours "00", minutes "00.0" rounded half away
// from zero. Minutes that round to 60 carry into the hours (05h 59.96m is "06:00.0", 23h 59.96m
// is "00:00.0"): a hand control refuses a minutes field of 60.
std::string Lx200RightAscension(const GotoPosition& position);

// "#:Sd sDD*MM#", for example "#:Sd -05*23#": sign "+" or "-" (also for a declination between
// -1 and 0 degrees), whole degrees "00", minutes rounded to whole "00". Minutes that round to 60
// carry into the degrees (5 deg 59.6' is "+06*00"), for the same reason as above.
std::string Lx200Declination(const GotoPosition& position);

}  // namespace talvo
