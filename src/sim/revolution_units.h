// Angles as fractions of a revolution, the way Celestron hand controls count them: 65536 units
// (16 bits) or 2^32 units (32 bits) to a full circle.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "sim/mount.h"

namespace talvo::sim {

// The pointing as 16-bit angles: right ascension 0 to 65535 for 0 to 24 hours, declination the
// same for 0 to 360 degrees, a southern declination as 65536 less its size (-1 unit is 0xFFFF).
// Each is rounded to the nearest unit, 65536 wrapping to 0.
struct Units16 {
    std::uint16_t ra = 0;
    std::uint16_t dec = 0;
};
Units16 ToUnits16(const Pointing& pointing);
Pointing FromUnits16(std::uint16_t ra, std::uint16_t dec);

// The same at 32 bits, the lowest 8 bits always 0 (as the hand controls send them).
struct Units32 {
    std::uint32_t ra = 0;
    std::uint32_t dec = 0;
};
Units32 ToUnits32(const Pointing& pointing);
Pointing FromUnits32(std::uint32_t ra, std::uint32_t dec);

// The value of exactly `digits` hexadecimal digits of either case; nothing for any other text.
std::optional<std::uint32_t> ParseHex(std::string_view text, std::size_t digits);
// `value` as `digits` upper-case hexadecimal digits.
std::string Hex(std::uint32_t value, int digits);

}  // namespace talvo::sim
