// Number texts as the program shows and reads them.
#pragma once

#include <string>

namespace talvo {

// A whole number as text with a leading blank when it is not negative: 5 -> " 5", -5 -> "-5".
std::string StrInt(long value);

// A number as text with a leading blank when it is not negative, up to 15 significant digits
// and no trailing zeros: 2000 -> " 2000", -1.5 -> "-1.5", 0.5 -> " .5" (no zero before the point).
std::string StrNumber(double value);

// A single-precision number as text the same way, to 7 significant digits (6.3f -> " 6.3").
std::string StrSingle(float value);

// A number as a printed list shows it: a leading blank (or the minus sign) and a trailing blank.
std::string PrintNumber(double value);

// `value` rounded half away from zero to `decimals` places, with at least `minIntegerDigits`
// digits before the point (zero padded): FormatFixed(5.5, 2, 1) = "05.5", the pattern "00.0".
// A negative value keeps its sign in front of the padded digits; -0.0 prints without a sign.
std::string FormatFixed(double value, int minIntegerDigits, int decimals);

// FormatFixed with a thousands separator every three digits before the point ("000,000.0").
std::string FormatGrouped(double value, int minIntegerDigits, int decimals);

// Two-digit, zero-padded whole number (the pattern "00").
std::string TwoDigits(long value);

// The text with its ASCII letters in upper case (other bytes unchanged).
std::string UpperCase(std::string text);

// The leading-number rule for numbers typed, read from files or from scripts: skip leading
// blanks, take an optional sign, digits and one decimal point, ignore the rest. No number
// reads as 0.
double LeadingNumber(const std::string& text);

// Windows-1252 (the program's file and text code page) to UTF-8, for output to terminals
// and toolkits. Undefined code points become U+FFFD.
std::string Cp1252ToUtf8(const std::string& text);

// UTF-8 to Windows-1252, for text typed into the window; characters the code page lacks become
// "?", and so do malformed bytes.
std::string Utf8ToCp1252(const std::string& text);

// The degree sign in the program's code page.
inline constexpr char kDegreeSign = '\xB0';

}  // namespace talvo
