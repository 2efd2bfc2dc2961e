// Window colours: 24-bit values, red in the low byte (red + 256 green + 65536 blue).
#pragma once

#include <cstdint>

namespace talvo {

using Colour = std::uint32_t;

inline constexpr Colour kDarkRed = 192;   // red 192: the default background
inline constexpr Colour kYellow = 65535;  // red 255, green 255: the default text
inline constexpr Colour kRed = 255;       // highlighted buttons and prompts
inline constexpr Colour kWhite = 16777215;

inline constexpr int RedOf(Colour c) { return static_cast<int>(c & 0xFF); }
inline constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 0xFF); }
inline constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 0xFF); }

}  // namespace talvo
