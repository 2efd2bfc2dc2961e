// Scripts run by the main window, one command per tick: a catalog, a search and a GoTo to the
// telescope simulator; loops and the exit time; WAIT and SLEEP against the clock while the window
// keeps updating; the fictitious objects of ALT and RA; STAY; a program started by SHELL.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "engine/coordinates.h"
#include "forms/script_fixture.h"
#include "forms/script_text.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::ScopedEnv;

class ScriptRun : public testing::ScriptTest {
protected:
    void UseTelescope() {
        state.scope.scopeType = 4;
        state.scope.scopeModel = 401;
        state.scope.scopePort = 3;
    }
    int Count(const std::string& line) const {
        int count = 0;
        for (const std::string& each : LogLines()) count += each == line;
        return count;
    }
};

TEST_F(ScriptRun, CatalogFindAndGotoSendM42AndEndWithZero) {
    testing::SimProcess sim;
    ASSERT_TRUE(sim.Start({"--protocol", "lx200"}));
    ScopedEnv port("TALVO_COM3", sim.DevicePath());
    UseTelescope();
    // The exchange lets window events in while it waits, and with them the timer's ticks: none
    // may start another command before the GoTo has ended.
    int ticksDuringExchange = 0;
    dialogs.onDoEvents = [this, &ticksDuringExchange] {
        ++ticksDuringExchange;
        form.Timer1_Timer();
    };

    EXPECT_EQ(RunScript(SplitScript("CAT=MESSIER.TLV;FIND=M42;GOTO=1")), 0);
    EXPECT_GT(ticksDuringExchange, 0);
    // M42 in the epoch of date (2026.9), as the window shows it.
    const std::string bytes = "#:Sr 05:36.6##:Sd -05*22##:MS#";
    ASSERT_TRUE(sim.WaitReceived(bytes.size(), 2000));
    EXPECT_EQ(sim.Received(), bytes);

    const std::vector<std::string> lines = LogLines();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[1].rfind("COMMAND LOG WRITTEN 12-06-2026 STARTING 21:30:00 LOCAL TIME", 0), 0u)
        << lines[1];
    EXPECT_EQ(lines[3], "No Object Selected  12-06-2026 21:30:00");
    EXPECT_EQ(lines[4], "Command 1: CAT=MESSIER.TLV Successful");
    EXPECT_EQ(lines[5].rfind("M42          NGC 1976", 0), 0u)
        << lines[5];  // once, though two commands follow
    EXPECT_EQ(lines[6], "Command 2: FIND=M42 Successful");
    EXPECT_EQ(lines[7], "Command 3: GOTO=1 Successful");
    EXPECT_TRUE(dialogs.messages.empty()) << dialogs.MessageTexts();
    form.Form_QueryUnload();  // the end of a script asks nothing
    EXPECT_TRUE(dialogs.prompts.empty());
}

TEST_F(ScriptRun, GotoRefusesWhatCannotBeSeenAndTheSun) {
    UseTelescope();
    EXPECT_EQ(RunScript({"ALT=0D30M AZ=180D0M", "GOTO=1"}), 2);
    EXPECT_EQ(LastLine(), "Command 2: GOTO=1 Error: No object selected or object not visible");
    clock.Set({2026, 12, 6, 12, 0, 0});
    EXPECT_EQ(RunScript({"PLANET=0", "GOTO=1"}), 2);
    EXPECT_EQ(LastLine(),
              "Command 2: GOTO=1 Error: Goto the Sun refused: no one is there to confirm a solar filter");
    state.scope.scopeType = 3;  // the StarGuide locks up unless a key is pressed between GoTos
    EXPECT_EQ(RunScript({"PLANET=5", "GOTO=1"}), 2);
    EXPECT_EQ(LastLine(), "Command 2: GOTO=1 Error: Invalid telescope selection for automation");
}

TEST_F(ScriptRun, SearchesTakeTheScriptsLimitsAndMatchWalksOn) {
    EXPECT_EQ(RunScript({"CAT=MESSIER.TLV", "FIND=M*", "MATCH=1", "MATCH=1", "MATCH=1"}), 1);
    EXPECT_EQ(LastLine(), "Command 5: MATCH=1 Error: Match not found");
    EXPECT_EQ(Count("Command 4: MATCH=1 Successful"), 1);
    EXPECT_EQ(state.object.name1.substr(0, 3), "M1 ");

    EXPECT_EQ(RunScript({"NAME2=NGC 224", "FIND=M*", "STAY=1"}), -1);
    EXPECT_EQ(state.object.name1.substr(0, 3), "M31");
    // Orion stands 28 degrees high.
    EXPECT_EQ(RunScript({"MINAL=30", "FIND=M42"}), 2);
    EXPECT_EQ(LastLine(), "Command 2: FIND=M42 Error: Object not found in MESSIER.TLV");
    // M42 (4.0) is too faint, M31 (3.4) is not, and M1 (8.4) is not offered next.
    std::remove(dir.File("TALVOLOG.TXT").c_str());
    EXPECT_EQ(RunScript({"MINMAG=3.5", "FIND=M*", "MATCH=1"}), 1);
    EXPECT_EQ(Count("Command 2: FIND=M* Successful"), 1);
    EXPECT_EQ(state.object.name1.substr(0, 3), "M31");
}

TEST_F(ScriptRun, CommandLoopsUntilTheExitTimeEvenAfterMidnight) {
    clock.Set({2026, 12, 6, 23, 20, 0});
    form.script.Start({"EXIT=23:30", "PLANET=5", "COMMAND=2"});
    EXPECT_EQ(Ticks(7), -1);
    EXPECT_EQ(Count("Command 2: PLANET=5 Successful"), 3);
    EXPECT_EQ(Count("Command 3: COMMAND=2 Successful"), 3);
    clock.Set({2026, 12, 6, 23, 29, 59});
    EXPECT_EQ(Ticks(2), -1);
    clock.Set({2026, 12, 6, 23, 45, 0});
    EXPECT_EQ(Ticks(1), 1);
    EXPECT_EQ(LastLine(), "Exit time detected");

    // One to three hours past the exit time ends the run too; later is the next evening's run.
    for (const LocalDateTime moment :
         {LocalDateTime{2026, 12, 7, 1, 10, 0}, LocalDateTime{2026, 12, 7, 2, 59, 0}}) {
        clock.Set({2026, 12, 6, 23, 20, 0});
        form.script.Start({"EXIT=23:30", "PLANET=5", "COMMAND=2"});
        EXPECT_EQ(Ticks(3), -1);
        clock.Set(moment);
        EXPECT_EQ(Ticks(1), 1) << moment.hour;
    }
    clock.Set({2026, 12, 7, 3, 0, 0});
    form.script.Start({"EXIT=23:30", "PLANET=5", "COMMAND=2"});
    EXPECT_EQ(Ticks(6), -1);
}

TEST_F(ScriptRun, WaitLetsTheWindowRunUntilTheClockShowsTheTime) {
    form.script.Start({"WAIT=21:30:05", "PLANET=5"});
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
    EXPECT_EQ(LastLine(), "Command 1: WAIT=21:30:05 Start Waiting");
    clock.Advance(3);
    form.Timer1_Timer();
    EXPECT_NE(form.Time.caption.find("21:30:03"), std::string::npos) << form.Time.caption;
    EXPECT_TRUE(form.script.Paused());
    EXPECT_EQ(state.object.present, 0);  // nothing else ran
    clock.Advance(2);
    form.Timer1_Timer();
    EXPECT_FALSE(form.script.Paused());
    EXPECT_EQ(LastLine(), "Command 1: WAIT=21:30:05 Successful");
    EXPECT_EQ(Ticks(2), 0);
    EXPECT_EQ(state.object.planetIndex, 5);

    // A tick late enough to skip the very second still ends the wait; hh:mm waits for hh:mm:00.
    clock.Set({2026, 12, 6, 21, 29, 58});
    form.script.Start({"WAIT=21:30", "STAY=1"});
    form.Timer1_Timer();
    clock.Advance(3);
    form.Timer1_Timer();
    EXPECT_FALSE(form.script.Paused());

    // The clock set back an hour is not the moment passing.
    clock.Set({2026, 12, 6, 22, 0, 0});
    form.script.Start({"WAIT=21:30", "STAY=1"});
    form.Timer1_Timer();
    clock.Set({2026, 12, 6, 21, 29, 50});
    form.Timer1_Timer();
    clock.Advance(5);
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
}

TEST_F(ScriptRun, WaitAfterDateWaitsForThatDayToo) {
    clock.Set({2026, 12, 6, 21, 29, 59});
    form.script.Start({"DATE=7", "WAIT=21:30", "STAY=1"});
    form.Timer1_Timer();
    form.Timer1_Timer();
    clock.Advance(1);
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
    clock.Set({2026, 12, 7, 21, 29, 59});
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
    clock.Advance(1);
    form.Timer1_Timer();
    EXPECT_FALSE(form.script.Paused());
    EXPECT_EQ(LastLine(), "Command 2: WAIT=21:30 Successful");
}

TEST_F(ScriptRun, SleepCountsTheClocksSecondsAcrossMidnight) {
    clock.Set({2026, 12, 31, 23, 59, 58});
    form.script.Start({"SLEEP=5", "PLANET=5"});
    form.Timer1_Timer();
    EXPECT_EQ(LastLine(), "Command 1: SLEEP=5 Start Sleeping");
    clock.Advance(4);
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
    EXPECT_NE(form.Date.caption.find("01-01-2027"), std::string::npos) << form.Date.caption;
    clock.Advance(1);
    form.Timer1_Timer();
    EXPECT_EQ(LastLine(), "Command 1: SLEEP=5 Successful");
    EXPECT_EQ(Ticks(2), 0);

    // The longest sleep is a second short of a day; half a second sleeps until the next second.
    form.script.Start({"SLEEP=86399"});
    form.Timer1_Timer();
    clock.Advance(86398);
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
    clock.Advance(1);
    EXPECT_EQ(Ticks(2), 0);
    form.script.Start({"SLEEP=0.5"});
    form.Timer1_Timer();
    EXPECT_TRUE(form.script.Paused());
    clock.Advance(1);
    EXPECT_EQ(Ticks(2), 0);
}

TEST_F(ScriptRun, AltAndRaMakeFictitiousObjects) {
    form.script.Start(
        {"ALT=30D15M AZ=120D30M Test point", "J2000RA=5H35.3M DEC=-0D30M south of it", "PLANET=5", "STAY=1"});
    form.Timer1_Timer();
    const CurrentObject& object = state.object;
    EXPECT_EQ(object.planetIndex, -1);
    EXPECT_EQ(object.name1, "ALT=30D15M");
    EXPECT_EQ(object.name2, "Test point");
    EXPECT_EQ(object.name4, "ScriptCmd= 1");
    EXPECT_NEAR(object.altitude, 30.25, 0.02);
    EXPECT_NEAR(object.azimuth, 120.5, 0.02);

    form.Timer1_Timer();
    EXPECT_EQ(object.name1, "RA=5H35.3M");
    EXPECT_EQ(object.name2, "south of it");
    EXPECT_EQ(object.name3, "Epoch 2000");
    EXPECT_EQ(object.name4, "ScriptCmd= 2");
    // Half a degree south keeps its sign though its whole degrees are 0; precessed to 2026.9.
    EXPECT_EQ(object.decSign, -1);
    EXPECT_NEAR(DeclinationDegrees(object), -0.5, 0.02);
    EXPECT_NEAR(RightAscensionHours(object), 5.588 + 0.022, 0.003);

    form.Timer1_Timer();
    EXPECT_EQ(object.planetIndex, 5);
    EXPECT_EQ(object.name3 + object.name4, "");
    EXPECT_EQ(form.List1.listIndex, 5);
}

TEST_F(ScriptRun, StayHandsTheWindowToTheObserver) {
    EXPECT_EQ(RunScript({"PLANET=5", "STAY=1", "PLANET=6"}, 5), -1);
    EXPECT_FALSE(state.scriptMode);
    EXPECT_EQ(state.object.planetIndex, 5);
    EXPECT_EQ(LastLine(), "Command 2: STAY=1 Successful");
    EXPECT_EQ(state.lastLoggedObject, "");  // the observer's next note names the object again
}

TEST_F(ScriptRun, ShellGivesTheProgramEachQuotedWordAsOneArgument) {
    const std::string standIn = dir.File("stand in");
    testing::WriteFile(standIn, "#!/bin/sh\nfor word in \"$@\"; do printf '%s\\n' \"$word\"; done > '" +
                                    dir.File("argv.tmp") + "'\nmv '" + dir.File("argv.tmp") + "' '" +
                                    dir.File("argv") + "'\n");
    ASSERT_EQ(::chmod(standIn.c_str(), 0755), 0);
    const std::vector<std::string> commands =
        SplitScript("SHELL='" + standIn + "' 'my \"best\"; night.txt' two\\ words \"\";PLANET=5");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(RunScript(commands), 0);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!std::filesystem::exists(dir.File("argv")) && std::chrono::steady_clock::now() < end) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    EXPECT_EQ(testing::ReadFile(dir.File("argv")), "my \"best\"; night.txt\ntwo words\n\n");
}

}  // namespace
}  // namespace talvo
