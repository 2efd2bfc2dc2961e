// A script's text: the commands split at ";", a script file's lines, the limit of 25 commands,
// the keyword before the "=", and the values read by the script's rules.
#include "forms/script_text.h"

#include <gtest/gtest.h>

#include "forms/script_values.h"

namespace talvo {
namespace {

using Commands = std::vector<std::string>;

TEST(ScriptText, TheCommandLineSplitsAtEverySemicolon) {
    EXPECT_EQ(SplitScript("CAT=MESSIER.TLV;FIND=M42;GOTO=1"),
              (Commands{"CAT=MESSIER.TLV", "FIND=M42", "GOTO=1"}));
    EXPECT_EQ(SplitScript("FIND=M42;"), (Commands{"FIND=M42"}));  // a trailing ";" adds nothing
    EXPECT_EQ(SplitScript("FIND=M42;;GOTO=1"), (Commands{"FIND=M42", "", "GOTO=1"}));
    EXPECT_EQ(SplitScript(";FIND=M42"), (Commands{"", "FIND=M42"}));
    EXPECT_EQ(SplitScript("FIND=NGC 7009 "), (Commands{"FIND=NGC 7009 "}));  // values as written
    EXPECT_EQ(SplitScript("X"), Commands{});
    EXPECT_EQ(SplitScript(""), Commands{});
}

TEST(ScriptText, OnlyAShellCommandKeepsQuotedSemicolons) {
    EXPECT_EQ(SplitScript("SHELL=echo 'a;b' \"c;d\" e\\;f;FIND=M42"),
              (Commands{"SHELL=echo 'a;b' \"c;d\" e\\;f", "FIND=M42"}));
    EXPECT_EQ(SplitScript("shell=echo \"a\\\";b\";GOTO=1"), (Commands{"shell=echo \"a\\\";b\"", "GOTO=1"}));
    EXPECT_EQ(SplitScript("SHELL=echo 'open;FIND=M42"), (Commands{"SHELL=echo 'open;FIND=M42"}));
    EXPECT_EQ(SplitScript("NAME2=Barnard's;FIND=M*"), (Commands{"NAME2=Barnard's", "FIND=M*"}));
}

TEST(ScriptText, AFileHoldsCommandsOnLinesAndBetweenSemicolons) {
    EXPECT_EQ(ScriptFileCommands("CAT=MESSIER.TLV\r\n\r\n  \nFIND=M42;GOTO=1\nEXIT=23:30"),
              (Commands{"CAT=MESSIER.TLV", "FIND=M42", "GOTO=1", "EXIT=23:30"}));
}

TEST(ScriptText, MoreThanTwentyFiveCommandsAreRefusedWhole) {
    const Commands most(25, "PLANET=5");
    EXPECT_EQ(LimitedScript(most).commands.size(), 25u);
    EXPECT_EQ(LimitedScript(most).problem, "");
    const ScriptCommands refused = LimitedScript(Commands(26, "PLANET=5"));
    EXPECT_TRUE(refused.commands.empty());
    EXPECT_EQ(refused.problem,
              "the script has 26 commands, more than the 25 a script may have; none was run");
}

TEST(ScriptText, TheKeywordStandsRightBeforeTheFirstEqualSign) {
    std::size_t start = 99;
    EXPECT_EQ(ScriptKeyword("2000RA=5H35M DEC=-5D23M", start), "RA");
    EXPECT_EQ(start, 4u);
    EXPECT_EQ(ScriptKeyword("please find=M42", start), "FIND");
    EXPECT_EQ(start, 7u);
    EXPECT_EQ(ScriptKeyword("NAME2=M31=Andromeda", start), "NAME2");
    EXPECT_EQ(ScriptKeyword("FINDS=M42", start), "");
    EXPECT_EQ(ScriptKeyword("FIND M42", start), "");
}

TEST(ScriptValues, TimesOfDay) {
    const ScriptTime wait = ReadScriptTime("21:30", true);
    EXPECT_EQ(wait.error, "");
    EXPECT_EQ(wait.hour * 10000 + wait.minute * 100 + wait.second, 213000);
    const ScriptTime seconds = ReadScriptTime("6:05:09", true);
    EXPECT_EQ(seconds.hour * 10000 + seconds.minute * 100 + seconds.second, 60509);
    EXPECT_EQ(ReadScriptTime("6:05:09", false).second, 0);  // EXIT reads no seconds
    EXPECT_EQ(ReadScriptTime("6:05:75", false).error, "");  // nor checks them
    EXPECT_EQ(ReadScriptTime("21.5:30", true).error, "Invalid time format: invalid hour");
    EXPECT_EQ(ReadScriptTime("21:30.5", true).error, "Invalid time format: invalid minutes");
}

TEST(ScriptValues, AnAltitudeAndAzimuthWithTheirNames) {
    const ScriptPoint point = ReadAltAz("ALT=30D15.5M AZ=120D30M Test point");
    EXPECT_EQ(point.error, "");
    EXPECT_DOUBLE_EQ(point.first, 30.0 + 15.5 / 60.0);
    EXPECT_DOUBLE_EQ(point.second, 120.5);
    EXPECT_EQ(point.name1, "ALT=30D15.5M");
    EXPECT_EQ(point.name2, "Test point");
    const ScriptPoint plain = ReadAltAz("alt=45d0m az=200");  // keywords in any case, azimuth minutes 0
    EXPECT_EQ(plain.error, "");
    EXPECT_DOUBLE_EQ(plain.second, 200.0);
    EXPECT_EQ(plain.name2, "");
}

TEST(ScriptValues, ARightAscensionAndDeclinationKeepASouthernSign) {
    const ScriptPoint point = ReadRaDec("RA=5H35.3M DEC=-0D30M Near the belt");
    EXPECT_EQ(point.error, "");
    EXPECT_DOUBLE_EQ(point.first, 5.0 + 35.3 / 60.0);
    EXPECT_DOUBLE_EQ(point.second, -0.5);
    EXPECT_EQ(point.name1, "RA=5H35.3M");
    EXPECT_EQ(point.name2, "Near the belt");
    EXPECT_DOUBLE_EQ(ReadRaDec("RA=5H35.3M DEC=+41D16M").second, 41.0 + 16.0 / 60.0);
    EXPECT_DOUBLE_EQ(ReadRaDec("RA=5H35.3M DEC=-41").second, -41.0);

    const ScriptEpoch epoch = ReadEpoch("B1950RA=5H35.3M DEC=-5D23M", 5);
    EXPECT_EQ(epoch.error, "");
    EXPECT_DOUBLE_EQ(epoch.year, 1950.0);
    EXPECT_EQ(epoch.text, "1950");
    EXPECT_EQ(ReadEpoch("2201RA=5H", 4).error, "Invalid epoch Specified");
    EXPECT_EQ(ReadEpoch("RA=5H", 0).error, "Invalid epoch Specified");
}

}  // namespace
}  // namespace talvo
