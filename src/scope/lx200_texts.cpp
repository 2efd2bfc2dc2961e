#include "scope/lx200_texts.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace talvo {

std::string CommaToPeriod(std::string text) {
    for (char& c : text) {
        if (c == ',') c = '.';
    }
    return text;
}

std::string Lx200RightAscension(const GotoPosition& position) {
    // Round once, on the tenths of a minute of the whole right ascension, so that a carry
    // reaches the hours (and 24h wraps to 0h).
    long long tenths = std::llround(position.raMinutes * 10.0) + position.raHours * 600LL;
    tenths %= 24 * 600;
    int hours = static_cast<int>(tenths / 600);
    int minuteTenths = static_cast<int>(tenths % 600);
    char text[32];
    std::snprintf(text, sizeof text, "#:Sr %02d:%02d.%d#", hours, minuteTenths / 10, minuteTenths % 10);
    return CommaToPeriod(text);
}

std::string Lx200Declination(const GotoPosition& position) {
    long long minutes = std::llround(position.decMinutes) + std::abs(position.decDegrees) * 60LL;
    char text[32];
    std::snprintf(text, sizeof text, "#:Sd %c%02d*%02d#", IsSouthern(position) ? '-' : '+',
                  static_cast<int>(minutes / 60), static_cast<int>(minutes % 60));
    return CommaToPeriod(text);
}

}  // namespace talvo
