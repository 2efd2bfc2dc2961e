#include "scope/goto_commands.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>
#include <string>

namespace talvo {

// Failures show a step as {pause, bytes with \xNN for the unprintable ones, pauses}.
void PrintTo(const GotoStep& step, std::ostream* os) {
    *os << "{" << step.pauseBeforeMs << ", \"";
    for (unsigned char c : step.bytes) {
        if (c >= 0x20 && c < 0x7F) {
            *os << c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            *os << hex;
        }
    }
    *os << "\", " << step.pauseBeforeEachByteMs << ", " << step.pauseAfterEachByteMs << ", "
        << step.pauseAfterMs << "}";
}

namespace {

using namespace std::string_literals;

const GotoPosition kOrion{5, 34.5, -5, 23.0, 1};        // 0x3B77, 0xFC2C
const GotoPosition kNorthPole{12, 0.0, 90, 0.0, 1};     // 0x8000, 0x4000
const GotoPosition kNegativeZero{0, 0.0, 0, 30.0, -1};  // 0x0000, 0xFFA5
const GotoPosition kLastMinute{23, 59.96, 5, 59.6, 1};  // carries on both axes

// Type 1: hex text after 5 ms, 10 ms before every byte for the remote-control model 109, 5 ms for
// the others; two stop bits.
TEST(EncodeGoto, CelestronHex) {
    const struct {
        int model;
        GotoPosition p;
        const char* bytes;
        int perByte;
    } rows[] = {
        {101, kOrion, "R3B77,FC2C", 5},
        {109, kOrion, "R3B77,FC2C", 10},
        {104, kNorthPole, "R8000,4000", 5},
        {102, kNegativeZero, "R0000,FFA5", 5},
    };
    for (const auto& r : rows) {
        GotoCommand c = EncodeGoto(1, r.model, r.p);
        ASSERT_EQ(c.status, GotoStatus::kOk);
        EXPECT_EQ(c.mode, "baud=9600 parity=N data=8 stop=2");
        ASSERT_EQ(c.steps.size(), 1u);
        EXPECT_EQ(c.steps[0], (GotoStep{5, r.bytes, r.perByte, 0, 0})) << r.bytes;
    }
}

// Types 2 and 3: raw bytes, 5 ms before each; type 2 sends the "?" handshake first.
TEST(EncodeGoto, CelestronBinary) {
    const struct {
        int type;
        GotoPosition p;
        std::string bytes;
    } rows[] = {
        {2, kOrion, "R\x3B\x77\xFC\x2C"s},
        {2, kNegativeZero, "R\x00\x00\xFF\xA5"s},
        {3, kOrion, "R\x3B\x77\x00\xFC\x2C\x00"s},
        {3, kNorthPole, "R\x80\x00\x00\x40\x00\x00"s},
    };
    for (const auto& r : rows) {
        GotoCommand c = EncodeGoto(r.type, 201, r.p);
        ASSERT_EQ(c.status, GotoStatus::kOk);
        EXPECT_EQ(c.mode, "baud=9600 parity=N data=8 stop=1");
        std::vector<GotoStep> expected;
        if (r.type == 2) expected.push_back({0, "?", 0, 0, 0});
        expected.push_back({5, r.bytes, 5, 0, 0});
        EXPECT_EQ(c.steps, expected) << r.type;
    }
}

// Type 4: three strings; the Autostar model 402 paces them, the others write straight through.
TEST(EncodeGoto, Lx200) {
    const struct {
        int model;
        GotoPosition p;
        const char *ra, *dec;
    } rows[] = {
        {401, kOrion, "#:Sr 05:34.5#", "#:Sd -05*23#"},
        {407, kNegativeZero, "#:Sr 00:00.0#", "#:Sd -00*30#"},
        {406, kLastMinute, "#:Sr 00:00.0#", "#:Sd +06*00#"},
        {402, kOrion, "#:Sr 05:34.5#", "#:Sd -05*23#"},
    };
    for (const auto& r : rows) {
        GotoCommand c = EncodeGoto(4, r.model, r.p);
        ASSERT_EQ(c.status, GotoStatus::kOk);
        EXPECT_EQ(c.mode, "baud=9600 parity=N data=8 stop=1");
        const int perByte = r.model == 402 ? 5 : 0;
        const int after = r.model == 402 ? 50 : 0;
        const std::vector<GotoStep> expected{
            {0, r.ra, 0, perByte, after}, {0, r.dec, 0, perByte, after}, {0, "#:MS#", 0, perByte, 0}};
        EXPECT_EQ(c.steps, expected) << r.model << " " << r.ra;
    }
}

TEST(EncodeGoto, NothingToWrite) {
    const struct {
        int type;
        GotoPosition p;
        GotoStatus status;
    } rows[] = {
        {5, kOrion, GotoStatus::kSkyChart},
        {0, kOrion, GotoStatus::kNoSerialCommand},
        {6, kOrion, GotoStatus::kNoSerialCommand},
        {1, {24, 0.0, 0, 0.0, 1}, GotoStatus::kBadPosition},
        {2, {0, 0.0, 91, 0.0, 1}, GotoStatus::kBadPosition},
        {3, {0, 60.0, 0, 0.0, 1}, GotoStatus::kBadPosition},
        {4, {0, 0.0, -3, 10.0, -1}, GotoStatus::kBadPosition},
    };
    for (const auto& r : rows) {
        GotoCommand c = EncodeGoto(r.type, 0, r.p);
        EXPECT_EQ(c.status, r.status) << r.type;
        EXPECT_TRUE(c.mode.empty()) << r.type;
        EXPECT_TRUE(c.steps.empty()) << r.type;
    }
}

}  // namespace
}  // namespace talvo
