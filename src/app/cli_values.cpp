#include "app/cli_values.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string_view>

namespace talvo {

namespace {

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view WithoutSign(std::string_view text) {
    return !text.empty() && (text[0] == '+' || text[0] == '-') ? text.substr(1) : text;
}

// Digits with at most one decimal point among or around them, after an optional sign.
bool IsPlainDecimal(std::string_view text) {
    std::string_view digits = WithoutSign(text);
    std::size_t point = digits.find('.');
    if (point == std::string_view::npos) return AllDigits(digits);
    std::string_view whole = digits.substr(0, point), fraction = digits.substr(point + 1);
    if (whole.empty() && fraction.empty()) return false;
    return (whole.empty() || AllDigits(whole)) && (fraction.empty() || AllDigits(fraction));
}

// The number of a text already checked to be plain; nothing when it overflows the type.
template <typename T>
std::optional<T> Convert(std::string_view text) {
    if (text[0] == '+') text.remove_prefix(1);  // from_chars takes a minus sign only
    T value{};
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

template <typename T>
CliRead<T> WithinRange(std::optional<T> value, T low, T high, const std::string& outside) {
    if (!value || *value < low || *value > high) return {std::nullopt, outside};
    return {value, ""};
}

// Three groups of digits joined by `separator`, the first `firstWidth` digits wide and the
// others two, as in "2026-12-06" or "21:30:00".
std::optional<std::array<int, 3>> ThreeGroups(std::string_view text, std::size_t firstWidth, char separator) {
    const std::size_t second = firstWidth + 1, third = firstWidth + 4;
    if (text.size() != firstWidth + 6 || text[firstWidth] != separator || text[third - 1] != separator) {
        return std::nullopt;
    }
    std::array<std::string_view, 3> groups = {text.substr(0, firstWidth), text.substr(second, 2),
                                              text.substr(third, 2)};
    std::array<int, 3> values{};
    for (std::size_t i = 0; i < groups.size(); ++i) {
        if (!AllDigits(groups[i])) return std::nullopt;
        values[i] = *Convert<int>(groups[i]);
    }
    return values;
}

// The Gregorian rule within 1980-2199: of the century years only 2000 is in range, and it leaps.
bool IsLeapYear(int year) { return year % 4 == 0 && year != 2100; }

int DaysIn(int month, int year) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

CliRead<double> ReadDecimal(const std::string& text, double low, double high, const std::string& outside) {
    if (!IsPlainDecimal(text)) return {std::nullopt, "'" + text + "' is not a number"};
    return WithinRange(Convert<double>(text), low, high, outside);
}

CliRead<int> ReadWhole(const std::string& text, int low, int high, const std::string& outside) {
    if (!AllDigits(WithoutSign(text))) return {std::nullopt, "'" + text + "' is not a whole number"};
    return WithinRange(Convert<int>(text), low, high, outside);
}

CliRead<CliDate> ReadDate(const std::string& text) {
    std::optional<std::array<int, 3>> parts = ThreeGroups(text, 4, '-');
    if (!parts) return {std::nullopt, "'" + text + "' is not a date of the form YYYY-MM-DD"};
    const CliDate date{(*parts)[0], (*parts)[1], (*parts)[2]};
    if (date.year < 1980 || date.year > 2199) return {std::nullopt, "the year must be from 1980 to 2199"};
    if (date.month < 1 || date.month > 12 || date.day < 1 || date.day > DaysIn(date.month, date.year)) {
        return {std::nullopt, text + " is not a date of the calendar"};
    }
    return {date, ""};
}

CliRead<CliTime> ReadTime(const std::string& text) {
    std::optional<std::array<int, 3>> parts = ThreeGroups(text, 2, ':');
    if (!parts) return {std::nullopt, "'" + text + "' is not a time of the form HH:MM:SS"};
    const CliTime time{(*parts)[0], (*parts)[1], (*parts)[2]};
    if (time.hour > 23 || time.minute > 59 || time.second > 59) {
        return {std::nullopt, text + " is not a time of day (00:00:00 to 23:59:59)"};
    }
    return {time, ""};
}

}  // namespace talvo
