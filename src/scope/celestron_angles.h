// Right ascension and declination as the 16-bit angles of the Celestron command families.
#pragma once

#include <cstdint>

#include "scope/goto_position.h"

namespace talvo {

// A full circle is 65536 units. Each angle is arc-minutes x 3 x 1.011358 (65536/64800 to six
// decimals), rounded to the nearest unit and taken modulo 65536. A southern declination is sent
// as 360 degrees less its size, so -90 is 0xC000 and -0 30' just below 0x10000; 12h is
// 32767.9992 units and goes out as 0x8000.
struct CelestronAngles {
    std::uint16_t ra = 0;
    std::uint16_t dec = 0;
};

CelestronAngles ToCelestronAngles(const GotoPosition& position);

}  // namespace talvo
