#include "forms/script_processor.h"

#include <cmath>

#include "engine/text_format.h"
#include "forms/observing_log.h"
#include "forms/script_text.h"
#include "forms/script_values.h"

namespace talvo {

namespace {

constexpr int kSecondsPerDay = 86400;
// A tick that comes late (a busy computer) may skip seconds of the clock; a WAIT's moment that
// falls in a gap of up to this many seconds still ends the WAIT. A longer jump is the clock
// being set, which ends a WAIT only on its very second.
constexpr int kLongestTickGap = 60;

int SecondOfDay(const LocalDateTime& moment) {
    return moment.hour * 3600 + moment.minute * 60 + moment.second;
}

// Seconds since 1970-01-01 00:00 of the local calendar (days from the civil date).
long long ClockSeconds(const LocalDateTime& moment) {
    const int year = moment.month <= 2 ? moment.year - 1 : moment.year;
    const int era = (year >= 0 ? year : year - 399) / 400;
    const int yearOfEra = year - era * 400;
    const int monthIndex = (moment.month + 9) % 12;  // March is 0
    const int dayOfYear = (153 * monthIndex + 2) / 5 + moment.day - 1;
    const int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    const long long days = static_cast<long long>(era) * 146097 + dayOfEra - 719468;
    return days * kSecondsPerDay + SecondOfDay(moment);
}

std::string CommandText(int number, const std::string& line) {
    return "Command" + StrInt(number) + ": " + line;
}

}  // namespace

ScriptProcessor::ScriptProcessor(SessionState& state, const platform::Clock& clock, DialogServices& dialogs,
                                 MainWindowHooks& window, SearchCommands& searches, ScopeCommands& scope)
    : state_(state), clock_(clock), dialogs_(dialogs), window_(window), searches_(searches), scope_(scope) {}

void ScriptProcessor::Start(std::vector<std::string> commands) {
    lines_ = std::move(commands);
    next_ = 1;
    busy_ = false;
    exitCode_ = 0;
    day_ = 0;
    exitHour_ = -1;
    exitRequested_.reset();
    pause_.reset();
    minimumAltitude_ = kNoMinimumAltitude;
    faintestMagnitude_.reset();
    secondName_.clear();
    state_.scriptMode = true;
}

void ScriptProcessor::Tick() {
    if (!state_.scriptMode || busy_ || exitRequested_) return;
    if (pause_) {
        if (!PauseOver()) return;
        const int number = pause_->number;
        pause_.reset();
        busy_ = true;
        const bool succeeded = Finish(number);
        busy_ = false;
        if (!succeeded) {
            exitRequested_ = exitCode_;
            return;
        }
        next_ = number + 1;
        return;
    }
    if (next_ > scriptCount()) {
        exitRequested_ = 0;
        return;
    }
    if (!RunScriptCommand(next_)) exitRequested_ = exitCode_;
}

bool ScriptProcessor::ExitTimeReached() const {
    if (exitHour_ < 0) return false;
    const LocalDateTime now = clock_.Now();
    if (now.hour == exitHour_ && now.minute >= exitMinute_) return true;
    // One to three hours later, across midnight: a run that began before the exit time and
    // missed its minute still ends.
    const int hoursAfter = (now.hour - exitHour_ + 24) % 24;
    return hoursAfter >= 1 && hoursAfter <= 3;
}

bool ScriptProcessor::RunScriptCommand(int number) {
    if (number < 1 || number > scriptCount()) return false;
    busy_ = true;
    const std::string& line = lines_[static_cast<std::size_t>(number - 1)];
    error_.clear();
    jump_.reset();
    window_.SetStatus("Processing Command" + StrInt(number) + ":  " + line);

    std::size_t keywordStart = 0;
    const std::string keyword = ScriptKeyword(line, keywordStart);
    const std::size_t equal = line.find('=');
    if (equal == std::string::npos) {
        Fail("No 'equal sign' in command");
    } else {
        if (hooks.readClock) hooks.readClock();
        if (ExitTimeReached()) {
            next_ = scriptCount();
            busy_ = false;
            Log("Exit time detected");
            exitCode_ = 1;
            return false;
        }
        Dispatch(number, line, keyword, keywordStart, line.substr(equal + 1));
    }
    if (pause_ && !PauseOver()) {
        busy_ = false;
        return true;  // the tick that sees the moment come finishes the command
    }
    pause_.reset();
    const bool succeeded = Finish(number);
    busy_ = false;
    if (succeeded) next_ = jump_.value_or(number + 1);
    return succeeded;
}

bool ScriptProcessor::PauseOver() {
    Pause& pause = *pause_;
    const LocalDateTime now = clock_.Now();
    if (pause.sleep) return ClockSeconds(now) >= pause.sleepEnd;
    const int second = SecondOfDay(now);
    const int toTarget = (pause.targetSecond - pause.lastSecond + kSecondsPerDay) % kSecondsPerDay;
    const int elapsed = (second - pause.lastSecond + kSecondsPerDay) % kSecondsPerDay;
    pause.lastSecond = second;
    const bool reached =
        second == pause.targetSecond || (toTarget > 0 && toTarget <= elapsed && elapsed <= kLongestTickGap);
    return reached && (day_ == 0 || now.day == day_);
}

bool ScriptProcessor::Finish(int number) {
    const std::string& line = lines_[static_cast<std::size_t>(number - 1)];
    if (hooks.readClock) hooks.readClock();
    if (!error_.empty()) {
        Log(CommandText(number, line) + " Error: " + error_);
        return false;
    }
    Log(CommandText(number, line) + " Successful");
    window_.SetStatus("");
    // After STAY the observer's own notes start with the object's line again.
    if (!state_.scriptMode) state_.lastLoggedObject.clear();
    return true;
}

void ScriptProcessor::Fail(const std::string& text, int exitCode) {
    error_ = text;
    exitCode_ = exitCode;
}

void ScriptProcessor::Log(const std::string& text) {
    // A log that cannot be written leaves the exit code to tell how the run went.
    static_cast<void>(WriteLog(state_, dialogs_, text));
    if (echo) echo(text);
}

void ScriptProcessor::Wait(int number, const std::string& line, const std::string& value) {
    const ScriptTime time = ReadScriptTime(value, true);
    if (!time.error.empty()) {
        Fail(time.error);
        return;
    }
    Log(CommandText(number, line) + " Start Waiting");
    Pause pause;
    pause.number = number;
    pause.targetSecond = time.hour * 3600 + time.minute * 60 + time.second;
    pause.lastSecond = SecondOfDay(clock_.Now());
    pause_ = pause;
}

void ScriptProcessor::Sleep(int number, const std::string& line, const std::string& value) {
    const double seconds = LeadingNumber(value);
    if (seconds <= 0 || seconds >= kSecondsPerDay) {
        Fail("Invalid Interval");
        return;
    }
    Log(CommandText(number, line) + " Start Sleeping");
    Pause pause;
    pause.number = number;
    pause.sleep = true;
    // A fraction of a second still sleeps a whole one: the clock is read in whole seconds.
    pause.sleepEnd = ClockSeconds(clock_.Now()) + static_cast<long long>(std::ceil(seconds));
    pause_ = pause;
}

}  // namespace talvo
