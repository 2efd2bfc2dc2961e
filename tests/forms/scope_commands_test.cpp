// The GoTo button and the telescope's messages as the observer sees them: no port, the Sun, a
// missing or forbidden device, a refused slew, the StarGuide's key reminder.
#include "forms/scope_commands.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "engine/time_scales.h"
#include "session/body_selection.h"
#include "support/main_window_fixture.h"
#include "support/scoped_env.h"
#include "support/sim_process.h"

namespace talvo {
namespace {

using testing::ScopedEnv;
using testing::SimProcess;

class ScopeCommandsTest : public testing::MainWindowTest {
protected:
    ScopeCommandsTest() {
        form.Form_Load();
        state.scope.scopeType = 4;
        state.scope.scopeModel = 401;
        state.scope.scopePort = 3;
        CalcTime(state.clock, state.site);
        SelectPosition(state, 5.588, -5.39, 2000.0);
        form.RefreshAll();
    }

    void StartSim(const std::vector<std::string>& arguments) {
        ASSERT_TRUE(sim.Start(arguments));
        port.emplace("TALVO_COM3", sim.DevicePath());
    }

    SimProcess sim;
    std::optional<ScopedEnv> port;
};

TEST_F(ScopeCommandsTest, NoPortAndTheSunStopBeforeAnythingIsSent) {
    state.scope.scopePort = 0;
    form.GotoButton_Click();
    EXPECT_EQ(dialogs.MessageTexts(), "No Com Port selected - Click 'Scope' Button and make selection!");

    StartSim({"--protocol", "lx200"});
    state.scope.scopePort = 3;
    static_cast<void>(SelectBody(state, 0));
    dialogs.messages.clear();
    form.GotoButton_Click();  // answered No
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "Warning! Looking at the Sun is dangerous! Do you have a proper Solar Filter in Place ?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(sim.Received(), "");
    dialogs.messageAnswers = {MessageAnswer::Yes};
    form.GotoButton_Click();
    EXPECT_TRUE(sim.WaitReceived(30, 2000));
    EXPECT_EQ(form.General.caption, "GoTo sent to COM 3");
}

TEST_F(ScopeCommandsTest, RefusedSlewIsShownInTheStatusLine) {
    StartSim({"--protocol", "lx200", "--refuse-slew"});
    form.GotoButton_Click();
    EXPECT_EQ(form.General.caption, "Telescope refused the slew: Object Below Horizon");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ScopeCommandsTest, StarGuideRemindsToPressAKeyEvenInScripts) {
    StartSim({"--protocol", "gt-binary"});
    state.scope.scopeType = 3;
    state.scope.scopeModel = 302;
    state.scriptMode = true;
    EXPECT_TRUE(form.scopeCommands.Goto());
    EXPECT_EQ(dialogs.MessageTexts(),
              "You must press a key on the scope before next 'GOTO' to prevent telescope lockup ");
}

// The port layer's own account follows the window's line (a busy device's holders are named there).
TEST_F(ScopeCommandsTest, AMissingDeviceSaysWhatToDo) {
    port.emplace("TALVO_COM3", "/dev/no-such-telescope");
    EXPECT_FALSE(form.scopeCommands.Goto());
    EXPECT_EQ(dialogs.MessageTexts().rfind(
                  "UNABLE TO OPEN COM 3\nThere is no device /dev/no-such-telescope (COM3)", 0),
              0u)
        << dialogs.MessageTexts();
}

// What the unprivileged user "nobody" (not in the device's group) is told by a GoTo.
std::string GotoAsNobody(SessionState state, const platform::Clock& clock, const platform::TimeZone& zone) {
    int result[2];
    if (::pipe(result) != 0) return "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
        std::string message = "could not become nobody";
        if (::setgroups(0, nullptr) == 0 && ::setgid(65534) == 0 && ::setuid(65534) == 0) {
            testing::ScriptedDialogs dialogs;
            Form1 form{state, clock, zone, dialogs};
            static_cast<void>(form.scopeCommands.Goto());
            message = dialogs.MessageTexts();
        }
        static_cast<void>(::write(result[1], message.data(), message.size()));
        ::_exit(0);
    }
    ::close(result[1]);
    std::string text;
    char buffer[512];
    for (ssize_t got; (got = ::read(result[0], buffer, sizeof buffer)) > 0;) text.append(buffer, got);
    ::close(result[0]);
    ::waitpid(child, nullptr, 0);
    return text;
}

// Run by root, which may become another user.
TEST_F(ScopeCommandsTest, ForbiddenDeviceSaysWhetherAGroupWouldHelp) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs root to become another user";
    const group* dialout = ::getgrnam("dialout");
    if (dialout == nullptr) GTEST_SKIP() << "no dialout group";
    StartSim({"--protocol", "lx200"});
    const std::string device = sim.DevicePath();
    ASSERT_EQ(::chown(device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(device.c_str(), 0660), 0);
    std::string text = GotoAsNobody(state, clock, zone);
    EXPECT_EQ(text,
              "UNABLE TO OPEN COM 3\nYou may not use " + device +
                  " (COM3): it belongs to the group dialout. Join that group with \"sudo usermod -aG dialout "
                  "$USER\", then log in again.");

    // Joining the administrator's group, or one without access, would not help: no group is named.
    ASSERT_EQ(::chown(device.c_str(), 0, 0), 0);
    text = GotoAsNobody(state, clock, zone);
    EXPECT_NE(text.find(": only its owner may."), std::string::npos) << text;
    EXPECT_EQ(text.find("usermod"), std::string::npos) << text;
}

}  // namespace
}  // namespace talvo
