// Each script keyword's value rules: the error a bad value writes to the log, the exit code it
// ends the run with, and the values at the edges that are still taken.
#include <gtest/gtest.h>

#include "forms/script_fixture.h"

namespace talvo {
namespace {

class ScriptErrors : public testing::ScriptTest {};

TEST_F(ScriptErrors, EachBadValueEndsTheRunWithItsLogLineAndExitCode) {
    const struct {
        const char* command;
        const char* error;
        int exitCode;
    } cases[] = {
        {"FIND M42", "No 'equal sign' in command", 2},
        {"LOOK=M42", "Command not Recognized", 2},
        {"FIND=NOSUCHTHING", "Object not found in FULL.TLV", 2},
        {"CAT=NOSUCH.TLV", "Cannot Open Catalog NOSUCH.TLV", 2},
        {"MATCH=1", "Match not found", 1},
        {"DATE=0", "Invalid date", 2},
        {"DATE=32", "Invalid date", 2},
        {"WAIT=2130", "Invalid time format - no ':'", 2},
        {"WAIT=24:00", "Invalid time format: invalid hour", 2},
        {"WAIT=21:60", "Invalid time format: invalid minutes", 2},
        {"WAIT=21:30:60", "Invalid time format: invalid seconds", 2},
        {"EXIT=-1:00", "Invalid time format: invalid hour", 2},
        {"EXIT=23:75", "Invalid time format: invalid minutes", 2},
        {"SLEEP=0", "Invalid Interval", 2},
        {"SLEEP=86400", "Invalid Interval", 2},
        {"SLEEP=soon", "Invalid Interval", 2},
        {"MINAL=0", "Invalid Minimum Altitude", 2},
        {"MINAL=90", "Invalid Minimum Altitude", 2},
        {"MINMAG=-2.5", "Invalid Minimum Magnitude", 2},
        {"MINMAG=90", "Invalid Minimum Magnitude", 2},
        {"PLANET=10", "Invalid Planet Number (0 to 9)", 2},
        {"PLANET=-1", "Invalid Planet Number (0 to 9)", 2},
        {"PLANET=2.5", "Invalid Planet Number (0 to 9)", 2},
        {"COMMAND=0", "Invalid Command Number", 2},
        {"COMMAND=3", "Invalid Command Number", 2},
        {"GOTO=1", "Invalid telescope selection for automation", 2},
        {"SKY=1", "Error: Skycharts not found!", 2},
        {"SHELL=no-such-program-of-talvo --now", "Error Running Program", 2},
        {"SHELL='unbalanced", "Error Running Program", 2},
        {"ALT=30 AZ=120", "Alt Degrees not specified", 2},
        {"ALT=91D0M AZ=120D0M", "invalid Altitude", 2},
        {"ALT=90D30M AZ=120D0M", "invalid Altitude", 2},
        {"ALT=30D15 AZ=120", "Alt degrees not specified", 2},
        {"ALT=30D60M AZ=120D0M", "invalid Altitude minutes", 2},
        {"ALT=30D15M", "'AZ=' not specified", 2},
        {"ALT=30D15M AZ=360D0M", "invalid Azimuth degrees", 2},
        {"ALT=30D15M AZ=120D60M", "invalid Azimuth minutes", 2},
        {"RA=5H35M DEC=-5D23M", "Invalid epoch Specified", 2},
        {"1799RA=5H35M DEC=-5D23M", "Invalid epoch Specified", 2},
        {"2000RA=5 DEC=-5D23M", "'hour' not specified", 2},
        {"2000RA=24H0M DEC=-5D23M", "invalid RA hour", 2},
        {"2000RA=5H60M DEC=-5D23M", "invalid RA minutes", 2},
        {"2000RA=5H35M", "'dec=' not specified", 2},
        {"2000RA=5H35M DEC=-91D0M", "invalid Dec degrees", 2},
        {"2000RA=5H35M DEC=-90D30M", "invalid Dec degrees", 2},
        {"2000RA=5H35M DEC=-5D60M", "invalid Dec minutes", 2},
    };
    for (const auto& c : cases) {
        std::remove(dir.File("TALVOLOG.TXT").c_str());
        state.lastLoggedObject.clear();
        EXPECT_EQ(RunScript({c.command, "PLANET=5"}), c.exitCode) << c.command;
        EXPECT_EQ(LastLine(), std::string("Command 1: ") + c.command + " Error: " + c.error) << c.command;
        EXPECT_EQ(form.script.scriptNext(), 1) << c.command;  // the second command never ran
    }
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.MessageTexts();
}

TEST_F(ScriptErrors, ValuesAtTheEdgesAreTaken) {
    for (const char* command :
         {"MINAL=1", "MINAL=89.9", "MINMAG=-2", "MINMAG=89", "DATE=1", "DATE=31", "PLANET=0", "PLANET=9",
          "EXIT=0:00", "EXIT=23:59", "NAME2=", "COMMAND=2", "2200RA=23H59.9M DEC=90D0M",
          "1800RA=0H0M DEC=-89D59M", "ALT=90D0M AZ=359D59M", "xCAT=MESSIER.TLV", "find=m42"}) {
        form.script.Start({command, "STAY=1"});
        EXPECT_EQ(Ticks(3), -1) << command;
        EXPECT_FALSE(state.scriptMode) << command << ": " << LastLine();
    }
}

// A command read as the leading-number rule reads values: the text after the number plays no part.
TEST_F(ScriptErrors, NumbersAreReadUpToTheirFirstOtherCharacter) {
    EXPECT_EQ(RunScript({"MINAL=30 degrees", "DATE=7th", "PLANET=5 Jupiter"}), 0);
    EXPECT_EQ(state.object.planetIndex, 5);
    EXPECT_EQ(RunScript({"MINAL=degrees 30"}), 2);
    EXPECT_EQ(LastLine(), "Command 1: MINAL=degrees 30 Error: Invalid Minimum Altitude");
}

}  // namespace
}  // namespace talvo
