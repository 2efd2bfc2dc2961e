// Values typed on the talvo-cli command line, read by TALVO's own rules: plain decimal numbers
// (an optional sign, digits, an optional decimal point; no hex, exponents, infinities or blanks),
// dates YYYY-MM-DD and times HH:MM:SS in plain digits.
#pragma once

#include <optional>
#include <string>

namespace talvo {

struct CliDate {
    int year = 0, month = 0, day = 0;
};

struct CliTime {
    int hour = 0, minute = 0, second = 0;
};

// The value read from a text, or, when there is none, what is wrong with the text (one line,
// without the option's name).
template <typename T>
struct CliRead {
    std::optional<T> value;
    std::string problem;
};

// A plain decimal number from `low` to `high`; `outside` says what is wrong with one beyond them.
CliRead<double> ReadDecimal(const std::string& text, double low, double high, const std::string& outside);

// A whole number (digits, an optional sign) from `low` to `high`.
CliRead<int> ReadWhole(const std::string& text, int low, int high, const std::string& outside);

// A local date of the calendar from 1980-01-01 to 2199-12-31, the years the clock handles.
CliRead<CliDate> ReadDate(const std::string& text);

// A time of day from 00:00:00 to 23:59:59.
CliRead<CliTime> ReadTime(const std::string& text);

}  // namespace talvo
