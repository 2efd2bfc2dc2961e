// The script processor: commands given on the command line (or in a script file) run one per tick
// of the main window's timer, unattended. Each outcome is a line of the observing log; the first
// failure ends the run with its exit code (2 for most errors, 1 for "Match not found" and the
// exit time), and running out of commands ends it with 0.
//
// WAIT and SLEEP do not hold the thread: they are states of the processor that every tick checks
// against the clock, so the window keeps updating while no further command runs.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "forms/dialog_services.h"
#include "forms/main_window_hooks.h"
#include "forms/scope_commands.h"
#include "forms/search_commands.h"
#include "platform/clock.h"
#include "session/session_state.h"

namespace talvo {

class ScriptProcessor {
public:
    // What the main window does for the processor.
    struct WindowHooks {
        std::function<void()> readClock;            // read the clock and redraw every field
        std::function<bool()> launchSkyChart;       // the sky chart for the current object; false: failed
        std::function<void(int index)> selectBody;  // a row of the solar-system list is clicked
    };

    ScriptProcessor(SessionState& state, const platform::Clock& clock, DialogServices& dialogs,
                    MainWindowHooks& window, SearchCommands& searches, ScopeCommands& scope);

    WindowHooks hooks;
    // Each line the processor writes to the log is also given here (talvo-cli: standard error).
    std::function<void(const std::string&)> echo;

    // Starts a script of these commands (at most 25): script mode, from the first command, no day
    // for WAIT, no exit time, and searches without a second name or limits of the script's own.
    void Start(std::vector<std::string> commands);

    // The per-tick driver: while a script runs and no command is being processed, finishes a WAIT
    // or SLEEP whose moment has come, or runs the next command; after the last command, or after
    // a failure, asks for the process to end.
    void Tick();

    // Runs command `number` (1 to the count); true when it succeeded or began a WAIT or SLEEP,
    // false when it failed or the exit time was reached.
    [[nodiscard]] bool RunScriptCommand(int number);

    // The exit code the process should end with, once the script has ended it.
    [[nodiscard]] std::optional<int> ExitRequested() const { return exitRequested_; }
    // A WAIT or SLEEP is in progress.
    [[nodiscard]] bool Paused() const { return pause_.has_value(); }

    // The number of the next command to run (from 1), and the number of the last.
    int scriptNext() const { return next_; }
    int scriptCount() const { return static_cast<int>(lines_.size()); }

private:
    struct Pause {
        int number = 0;
        bool sleep = false;
        long long sleepEnd = 0;  // SLEEP: the clock's moment to end at, seconds (see ClockSeconds)
        int targetSecond = 0;    // WAIT: the time of day to wait for, seconds after midnight
        int lastSecond = 0;      // WAIT: the time of day seen at the last check
    };

    // The command's work; sets error_ (and exitCode_) on failure, jump_ for COMMAND, pause_ for
    // WAIT and SLEEP.
    void Dispatch(int number, const std::string& line, const std::string& keyword, std::size_t keywordStart,
                  const std::string& value);
    void Catalog(const std::string& value);
    void Find(const std::string& value);
    void Match();
    void Goto();
    void Shell(const std::string& value);
    void AltAz(int number, const std::string& command);
    void RaDec(int number, const std::string& line, std::size_t keywordStart);
    void Wait(int number, const std::string& line, const std::string& value);
    void Sleep(int number, const std::string& line, const std::string& value);
    void Fail(const std::string& text, int exitCode = 2);

    bool ExitTimeReached() const;
    bool PauseOver();
    // Writes the command's outcome to the log; true when it succeeded.
    bool Finish(int number);
    void Log(const std::string& text);

    SessionState& state_;
    const platform::Clock& clock_;
    DialogServices& dialogs_;
    MainWindowHooks& window_;
    SearchCommands& searches_;
    ScopeCommands& scope_;

    std::vector<std::string> lines_;
    int next_ = 0;  // the next command, from 1
    bool busy_ = false;
    int exitCode_ = 0;
    int day_ = 0;  // the day of the month WAIT also waits for; 0: any
    int exitHour_ = -1, exitMinute_ = 0;
    std::optional<int> exitRequested_;

    std::string error_;
    std::optional<int> jump_;
    std::optional<Pause> pause_;

    // The search limits of FIND: degrees of altitude, the faintest magnitude (none set: the
    // options' default), and the second name every match must carry (empty: none).
    double minimumAltitude_ = kNoMinimumAltitude;
    std::optional<double> faintestMagnitude_;
    std::string secondName_;
};

}  // namespace talvo
