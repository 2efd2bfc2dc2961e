#include "app/cli_values.h"

#include <gtest/gtest.h>

#include <string>

namespace talvo {
namespace {

CliRead<double> Latitude(const std::string& text) { return ReadDecimal(text, -90, 90, "out"); }

TEST(CliValues, DecimalsArePlain) {
    const std::pair<const char*, double> plain[] = {
        {"-5.39", -5.39}, {"+5", 5.0}, {"-90.0", -90.0}, {".5", 0.5}, {"7.", 7.0}};
    for (const auto& [text, value] : plain) EXPECT_EQ(Latitude(text).value, value) << text;
    for (const char* text :
         {"0x1A", "4e1", "inf", "nan", "", " 5", "5 ", "+-5", "1.2.3", ".", "-", "5,5", "1_0", "\xD9\xA3"}) {
        CliRead<double> read = Latitude(text);
        EXPECT_FALSE(read.value) << text;
        EXPECT_EQ(read.problem, "'" + std::string(text) + "' is not a number");
    }
    for (const std::string& text : {std::string("90.0001"), std::string("-91"), std::string(400, '9')})
        EXPECT_EQ(Latitude(text).problem, "out") << text;
}

TEST(CliValues, WholeNumbers) {
    EXPECT_EQ(ReadWhole("3", 0, 9, "out").value, 3);
    EXPECT_EQ(ReadWhole("-1", 0, 9, "out").problem, "out");
    EXPECT_EQ(ReadWhole("99999999999", 0, 9, "out").problem, "out");
    for (const char* text : {"2.5", "0x3", "3e0", " 3", ""})
        EXPECT_FALSE(ReadWhole(text, 0, 9, "out").value) << text;
}

TEST(CliValues, DatesAreYyyyMmDdOfTheCalendar) {
    CliRead<CliDate> date = ReadDate("2026-12-06");
    ASSERT_TRUE(date.value);
    EXPECT_EQ(date.value->year * 10000 + date.value->month * 100 + date.value->day, 20261206);
    for (const char* text : {"2000-02-29", "1980-01-01", "2199-12-31"})
        EXPECT_TRUE(ReadDate(text).value) << text;
    for (const char* text : {" 2026-+1-06", "2026-+1-06", "2026--1-06", "2026-1-06", "2026-01-6",
                             "2026/01/06", "2026-01-06 ", "02026-01-06"})
        EXPECT_EQ(ReadDate(text).problem, "'" + std::string(text) + "' is not a date of the form YYYY-MM-DD");
    for (const char* text : {"1979-12-31", "2200-01-01"})
        EXPECT_EQ(ReadDate(text).problem, "the year must be from 1980 to 2199") << text;
    for (const char* text :
         {"2023-02-29", "2100-02-29", "2026-04-31", "2026-13-01", "2026-00-10", "2026-01-00"}) {
        EXPECT_EQ(ReadDate(text).problem, std::string(text) + " is not a date of the calendar");
    }
}

TEST(CliValues, TimesAreHhMmSsOfADay) {
    CliRead<CliTime> time = ReadTime("21:30:05");
    ASSERT_TRUE(time.value);
    EXPECT_EQ(time.value->hour * 3600 + time.value->minute * 60 + time.value->second, 77405);
    EXPECT_TRUE(ReadTime("00:00:00").value);
    for (const char* text : {"9:30:00", "09:30", "09:30:00.5", "+9:30:00", " 09:30:00"})
        EXPECT_EQ(ReadTime(text).problem, "'" + std::string(text) + "' is not a time of the form HH:MM:SS");
    for (const char* text : {"24:00:00", "12:60:00", "12:00:60"})
        EXPECT_EQ(ReadTime(text).problem, std::string(text) + " is not a time of day (00:00:00 to 23:59:59)");
}

}  // namespace
}  // namespace talvo
