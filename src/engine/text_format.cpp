#include "engine/text_format.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace talvo {

std::string StrInt(long value) {
    std::string digits = std::to_string(value);
    return value < 0 ? digits : " " + digits;
}

std::string StrNumber(double value) {
    if (std::fabs(value) < 1e15 && value == std::trunc(value)) return StrInt(static_cast<long>(value));
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", std::fabs(value));
    std::string digits = buffer;
    if (digits.rfind("0.", 0) == 0) digits.erase(0, 1);
    return (value < 0.0 ? "-" : " ") + digits;
}

std::string StrSingle(float value) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g", std::fabs(static_cast<double>(value)));
    std::string digits = buffer;
    if (digits.rfind("0.", 0) == 0) digits.erase(0, 1);
    return (value < 0.0f ? "-" : " ") + digits;
}

std::string PrintNumber(double value) { return StrNumber(value) + " "; }

std::string FormatFixed(double value, int minIntegerDigits, int decimals) {
    double scale = std::pow(10.0, decimals);
    // Half away from zero on the scaled value; the small nudge keeps 2.675 (stored as
    // 2.67499999...) rounding the way it reads.
    double scaled = std::round(value * scale * (1.0 + 1e-13));
    double rounded = scaled / scale;
    bool negative = rounded < 0.0;
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, std::fabs(rounded));
    std::string text = buffer;
    // The C library writes the locale's decimal separator, a comma in many; the formats use a period.
    std::replace(text.begin(), text.end(), ',', '.');
    std::size_t point = text.find('.');
    std::size_t integerDigits = point == std::string::npos ? text.size() : point;
    if (static_cast<int>(integerDigits) < minIntegerDigits) {
        text.insert(0, static_cast<std::size_t>(minIntegerDigits) - integerDigits, '0');
    }
    return negative ? "-" + text : text;
}

std::string FormatGrouped(double value, int minIntegerDigits, int decimals) {
    std::string text = FormatFixed(value, minIntegerDigits, decimals);
    std::size_t start = text[0] == '-' ? 1 : 0;
    std::size_t point = text.find('.');
    std::size_t end = point == std::string::npos ? text.size() : point;
    for (std::size_t i = end; i > start + 3; i -= 3) text.insert(i - 3, ",");
    return text;
}

std::string TwoDigits(long value) { return FormatFixed(static_cast<double>(value), 2, 0); }

std::string UpperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

double LeadingNumber(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    std::string number;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
    bool seenPoint = false;
    bool seenDigit = false;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c))) {
            number += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            number += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit) return 0.0;
    return std::strtod(number.c_str(), nullptr);
}

namespace {

// Code points of Windows-1252 bytes 0x80-0x9F; 0 marks the five undefined bytes.
constexpr char32_t kHighControls[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                        0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                        0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                        0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

}  // namespace

std::string Cp1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x80 && byte < 0xA0) {
            char32_t cp = kHighControls[byte - 0x80];
            AppendUtf8(out, cp == 0 ? 0xFFFD : cp);
        } else {
            AppendUtf8(out, byte);
        }
    }
    return out;
}

std::string Utf8ToCp1252(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        auto lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80           ? 1
                     : (lead >> 5) == 0x6  ? 2
                     : (lead >> 4) == 0xE  ? 3
                     : (lead >> 3) == 0x1E ? 4
                                           : 0;
        char32_t cp = 0;
        bool valid = length > 0 && i + length <= text.size();
        if (valid) {
            cp = length == 1 ? lead : lead & (0x7F >> length);
            for (int k = 1; k < length; ++k) {
                auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80) valid = false;
                cp = (cp << 6) | (next & 0x3F);
            }
        }
        i += valid ? static_cast<std::size_t>(length) : 1;
        if (!valid) {
            out += '?';
        } else if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
        } else {
            char byte = '?';
            for (int k = 0; k < 32; ++k) {
                if (kHighControls[k] == cp && cp != 0) byte = static_cast<char>(0x80 + k);
            }
            out += byte;
        }
    }
    return out;
}

}  // namespace talvo
