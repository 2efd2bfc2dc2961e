#include "scope/lx200_texts.h"

#include <gtest/gtest.h>

namespace talvo {
namespace {

// Minutes that round to 60 carry: a hand control takes neither "60.0" nor "*60".
TEST(Lx200RightAscension, Table) {
    const struct {
        int hours;
        double minutes;
        const char* text;
    } rows[] = {
        {5, 34.5, "#:Sr 05:34.5#"},  {0, 0.0, "#:Sr 00:00.0#"},    {12, 0.0, "#:Sr 12:00.0#"},
        {5, 34.54, "#:Sr 05:34.5#"}, {5, 34.56, "#:Sr 05:34.6#"},  {5, 9.05, "#:Sr 05:09.1#"},
        {5, 59.94, "#:Sr 05:59.9#"}, {5, 59.95, "#:Sr 06:00.0#"},  {5, 59.96, "#:Sr 06:00.0#"},
        {9, 59.99, "#:Sr 10:00.0#"}, {23, 59.94, "#:Sr 23:59.9#"}, {23, 59.96, "#:Sr 00:00.0#"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Lx200RightAscension({r.hours, r.minutes, 0, 0.0, 1}), r.text)
            << r.hours << " " << r.minutes;
    }
}

TEST(Lx200Declination, Table) {
    const struct {
        int degrees;
        double minutes;
        int sign;
        const char* text;
    } rows[] = {
        {-5, 23.0, 1, "#:Sd -05*23#"}, {41, 16.1, 1, "#:Sd +41*16#"}, {41, 16.5, 1, "#:Sd +41*17#"},
        {0, 0.0, 1, "#:Sd +00*00#"},   {0, 30.0, -1, "#:Sd -00*30#"}, {0, 30.0, 1, "#:Sd +00*30#"},
        {0, 0.4, -1, "#:Sd -00*00#"},  {90, 0.0, 1, "#:Sd +90*00#"},  {-90, 0.0, 1, "#:Sd -90*00#"},
        {5, 59.4, 1, "#:Sd +05*59#"},  {5, 59.5, 1, "#:Sd +06*00#"},  {5, 59.6, 1, "#:Sd +06*00#"},
        {-5, 59.6, 1, "#:Sd -06*00#"}, {0, 59.6, -1, "#:Sd -01*00#"}, {89, 59.7, 1, "#:Sd +90*00#"},
        {-12, 5.0, 1, "#:Sd -12*05#"},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(Lx200Declination({0, 0.0, r.degrees, r.minutes, r.sign}), r.text)
            << r.degrees << " " << r.minutes << " " << r.sign;
    }
}

TEST(CommaToPeriod, EveryComma) {
    EXPECT_EQ(CommaToPeriod("#:Sr 05:34,5#"), "#:Sr 05:34.5#");
    EXPECT_EQ(CommaToPeriod(",1,,2,"), ".1..2.");
    EXPECT_EQ(CommaToPeriod(""), "");
}

}  // namespace
}  // namespace talvo
