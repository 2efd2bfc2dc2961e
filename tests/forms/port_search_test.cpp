// The options window's search for serial ports, over a pseudo-terminal standing in for COM10
// while every other port names a device that does not exist.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "forms/main_window_hooks.h"
#include "forms/scope_form.h"
#include "session/session_state.h"
#include "support/pty.h"
#include "support/scoped_env.h"
#include "support/scripted_dialogs.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnv;

constexpr int kPtyPort = 10;

class PortSearchTest : public ::testing::Test {
protected:
    PortSearchTest() {
        if (!pty_.Path().empty()) {
            // The port is named through a link, as an observer would name a simulator's terminal.
            link_ = fs::temp_directory_path() / ("talvo-port-search-" + std::to_string(::getpid()));
            fs::remove(link_);
            fs::create_symlink(pty_.Path(), link_);
        }
        const std::string missing = (fs::temp_directory_path() / "talvo-no-such-port").string();
        for (int n = 1; n <= ScopeForm::kHighestPort; ++n) {
            ports_.push_back(std::make_unique<ScopedEnv>("TALVO_COM" + std::to_string(n),
                                                         n == kPtyPort ? link_.string() : missing));
        }
        form.Form_Load();
    }
    ~PortSearchTest() override {
        if (!link_.empty()) fs::remove(link_);
    }

    std::string Row() const { return "COM10  " + link_.string() + "  pseudo-terminal"; }

    testing::Pty pty_;
    fs::path link_;
    std::vector<std::unique_ptr<ScopedEnv>> ports_;
    SessionState state;
    testing::ScriptedDialogs dialogs;
    platform::CommIO comm;
    NoMainWindow main;
    ScopeForm form{state, dialogs, comm, main};
};

TEST_F(PortSearchTest, FindsThePortListsWhatItIsAndStoresItsNumber) {
    ASSERT_FALSE(link_.empty());
    bool shownDuringSearch = true;
    dialogs.onDoEvents = [&] { shownDuringSearch = shownDuringSearch && form.searching.visible; };
    form.ComSearch_Click();
    EXPECT_TRUE(shownDuringSearch);
    EXPECT_FALSE(form.searching.visible);
    EXPECT_EQ(form.PortsFound(), 1);
    EXPECT_EQ(form.List2.items, std::vector<std::string>{Row()});
    EXPECT_EQ(form.List2.listIndex, -1);  // no port was set
    EXPECT_FALSE(comm.IsOpen(ScopeForm::kSearchSlot));
    const std::string& progress = form.searching.Label1.caption;
    EXPECT_EQ(progress.rfind("Searching for COM Ports - , COM1, COM2, ", 0), 0u);
    EXPECT_EQ(progress.substr(progress.size() - 14), ", COM63, COM64");
    EXPECT_EQ(progress.find("Err"), std::string::npos);

    form.List2_Click(0);
    EXPECT_EQ(state.scope.scopePort, kPtyPort);
    EXPECT_EQ(state.scope.gpsPort, 0);

    // Once ports were found, choosing a telescope asks for one.
    state.scope.scopePort = 0;
    form.List1_Click(9);
    EXPECT_EQ(dialogs.MessageTexts(), "Now you must select a COM port");
    EXPECT_EQ(form.List1.listIndex, 9);
    state.scope.scopePort = kPtyPort;

    // The GPS search serves the GPS port, and highlights the port already set.
    state.scope.gpsPort = kPtyPort;
    form.GPSSelect_Click();
    EXPECT_EQ(form.List2.listIndex, 0);
    state.scope.gpsPort = 0;
    form.List2_Click(0);
    EXPECT_EQ(state.scope.gpsPort, kPtyPort);
    EXPECT_EQ(state.scope.scopePort, kPtyPort);
}

TEST_F(PortSearchTest, TheGpsListOffersGpsdAfterThePorts) {
    const ScopedEnv address("TALVO_GPSD", "gpshost:3000");
    form.ComSearch_Click();
    EXPECT_EQ(form.List2.items.size(), 1u);  // not for the telescope
    form.GPSSelect_Click();
    ASSERT_EQ(form.List2.items.size(), 2u);
    EXPECT_EQ(form.List2.items[1], "gpsd  gpshost:3000  the GPS service");
    form.List2_Click(1);
    EXPECT_EQ(state.scope.gpsPort, kGpsdSource);
    EXPECT_EQ(state.scope.scopePort, 0);
    form.GPSSelect_Click();
    EXPECT_EQ(form.List2.listIndex, 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(PortSearchTest, CancelStopsTheSearch) {
    int looked = 0;
    dialogs.onDoEvents = [&] {
        if (++looked == 3) form.searching.CancelSearchButton_Click();
    };
    form.ComSearch_Click();
    EXPECT_EQ(form.PortsFound(), 0);
    EXPECT_TRUE(form.List2.items.empty());
    const std::string& progress = form.searching.Label1.caption;
    EXPECT_EQ(progress.substr(progress.size() - 6), ", COM3");

    // A new search starts afresh.
    dialogs.onDoEvents = nullptr;
    form.ComSearch_Click();
    EXPECT_EQ(form.PortsFound(), 1);
}

TEST_F(PortSearchTest, PortThatFailsOtherwiseIsMarkedAndTheSearchGoesOn) {
    // The search slot taken already: every open fails with -1, and the search still tries them all.
    ASSERT_EQ(comm.CommOpen(ScopeForm::kSearchSlot, "COM10", "baud=9600 parity=N data=8 stop=1"), 0);
    form.ComSearch_Click();
    EXPECT_EQ(form.PortsFound(), 0);
    const std::string& progress = form.searching.Label1.caption;
    EXPECT_NE(progress.find(", COM1 Err -1, COM2 Err -1"), std::string::npos);
    EXPECT_EQ(progress.substr(progress.size() - 14), ", COM64 Err -1");
    // Closing the window gives the slot back.
    form.Cancel_Click();
    EXPECT_FALSE(comm.IsOpen(ScopeForm::kSearchSlot));
}

TEST_F(PortSearchTest, BusyPortIsSkippedAndTheStatusLineSaysWhoHasIt) {
    platform::CommIO other;  // another program's hold, as far as the search can tell
    ASSERT_EQ(other.CommOpen(1, "COM10", "baud=9600 parity=N data=8 stop=1"), 0);
    form.ComSearch_Click();
    EXPECT_EQ(form.PortsFound(), 0);
    EXPECT_EQ(form.ScopeStatus.caption.rfind(link_.string() + " (COM10) is in use by ", 0), 0u)
        << form.ScopeStatus.caption;
    EXPECT_EQ(UnusablePortsText({"a", "b", "c", "d"}), "a\nb\n2 more ports could not be opened.");
}

TEST_F(PortSearchTest, RowThatIsNoPortSelectsNothing) {
    form.List2_Click(0);  // the list is empty
    form.List2.items = {"COM65  /dev/ttyS32", "COM0", "COMX", "COM07"};
    for (int row = 0; row < 4; ++row) form.List2_Click(row);
    EXPECT_EQ(dialogs.messages.size(), 5u);  // "No Com Port Selected!" each time
    EXPECT_EQ(state.scope.scopePort, 0);
}

}  // namespace
}  // namespace talvo
