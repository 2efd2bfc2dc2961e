#include "sim/revolution_units.h"

#include <cmath>

namespace talvo::sim {
namespace {

// The fraction of a revolution `fraction` (any sign) in units of a circle of `circle` units,
// rounded and wrapped into [0, circle).
std::uint64_t ToUnits(double fraction, double circle) {
    double units = std::fmod(std::round(fraction * circle), circle);
    if (units < 0.0) units += circle;
    return static_cast<std::uint64_t>(units);
}

constexpr double k16 = 65536.0;
constexpr double k24 = 16777216.0;  // 32-bit angles carry 24 significant bits

}  // namespace

Units16 ToUnits16(const Pointing& pointing) {
    return {static_cast<std::uint16_t>(ToUnits(pointing.raHours / 24.0, k16)),
            static_cast<std::uint16_t>(ToUnits(pointing.decDegrees / 360.0, k16))};
}

Pointing FromUnits16(std::uint16_t ra, std::uint16_t dec) {
    return NormalizePointing(ra / k16 * 24.0, dec / k16 * 360.0);
}

Units32 ToUnits32(const Pointing& pointing) {
    return {static_cast<std::uint32_t>(ToUnits(pointing.raHours / 24.0, k24) << 8),
            static_cast<std::uint32_t>(ToUnits(pointing.decDegrees / 360.0, k24) << 8)};
}

Pointing FromUnits32(std::uint32_t ra, std::uint32_t dec) {
    constexpr double k32 = 4294967296.0;
    return NormalizePointing(ra / k32 * 24.0, dec / k32 * 360.0);
}

std::optional<std::uint32_t> ParseHex(std::string_view text, std::size_t digits) {
    if (text.size() != digits) return std::nullopt;
    std::uint32_t value = 0;
    for (const char c : text) {
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else if (c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

std::string Hex(std::uint32_t value, int digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(static_cast<std::size_t>(digits), '0');
    for (int i = digits - 1; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = kDigits[value & 0xF];
    return text;
}

}  // namespace talvo::sim
