// The main window's observing-notes and trace commands.
#include <cmath>
#include <optional>

#include "engine/text_format.h"
#include "engine/time_stamps.h"
#include "forms/form1.h"
#include "forms/observing_log.h"
#include "platform/atomic_file.h"

namespace talvo {

namespace {

constexpr const char* kTraceFile = "traces.txt";
constexpr const char* kLineEnd = "\r\n";

// Asks until the answer is a whole number from `low` to `high`; nothing when the observer
// answers with an empty line or cancels.
std::optional<int> AskWholeNumber(DialogServices& dialogs, const std::string& prompt, int low, int high) {
    for (;;) {
        std::optional<std::string> answer = dialogs.InputBox(prompt, "Trace Object", "");
        if (!answer || answer->empty()) return std::nullopt;
        const double number = LeadingNumber(*answer);
        if (number >= low && number <= high && number == std::trunc(number)) return static_cast<int>(number);
    }
}

// The clock's local moment `minutes` (0 or more) later, across midnight, month and year ends.
LocalDateTime MinutesLater(const ClockState& clock, int minutes) {
    // "hhmmssMMDDYYYY"
    const std::string stamp = StampNow(clock, 0, minutes);
    auto field = [&stamp](std::size_t pos, std::size_t length) {
        return static_cast<int>(LeadingNumber(stamp.substr(pos, length)));
    };
    return {field(10, 4), field(6, 2), field(8, 2), field(0, 2), field(2, 2), field(4, 2)};
}

}  // namespace

void Form1::ObsLogButton_Click() {
    const CurrentObject& object = state_.object;
    std::string name;
    if (object.present != 0) name = object.transientCatalog ? object.name2 : object.name1;
    const std::string prompt = "Enter Observing Notes for " + name + " - a blank line exits";
    std::string title = "Write to Observing Log  " + state_.logFileName;
    for (;;) {
        std::optional<std::string> note = dialogs_.InputBox(prompt, title, "");
        if (!note || note->empty()) return;
        // Each note is stamped with the moment it is written and the altitude then.
        ReadClock();
        RefreshAll();
        // A log that cannot be written has told the observer so; the notes go on.
        static_cast<void>(WriteLog(state_, dialogs_, *note));
        title = "Write to Observing Log";
    }
}

void Form1::TraceButton_Click() {
    if (state_.object.present == 0) return;
    const std::optional<int> hours = AskWholeNumber(dialogs_, "Trace for how many hours? (1-24)", 1, 24);
    if (!hours) return;
    const std::optional<int> interval = AskWholeNumber(dialogs_, "How many minutes'interval? (1-60)", 1, 60);
    if (!interval) return;

    ClockState& clock = state_.clock;
    ReadClock();
    RefreshAll();
    // The table is built in memory, so that the clock is back where it was before anything can
    // fail, and the file is replaced whole.
    const std::string& name = state_.object.name1;
    std::string table = "Tracing " + name + ", " + Name2label.caption + ", " + name3label.caption + ", " +
                        Name4label.caption + ", " + Name5Label.caption + kLineEnd;
    // The Location field shows the home file's name.
    table += "At " + Latitude.caption + ", " + Longitude.caption + ", " + state_.homeFileName + ", at " +
             Time.caption + ", " + Date.caption + kLineEnd + "  " + kLineEnd;

    const bool wasRealTime = clock.realTime;
    const LocalDateTime before = clock.Moment();
    LocalDateTime start = before;
    start.second = 0;
    SetLocalMoment(state_, start);
    const int steps = *hours * 60 / *interval;
    for (int step = 0; step <= steps; ++step) {
        if (step > 0) SetLocalMoment(state_, MinutesLater(clock, *interval));
        RefreshAll();
        table += name + ":" + Date.caption + " " + Time.caption + " " + Altitude.caption + " " +
                 Azimuth.caption + kLineEnd;
    }
    if (wasRealTime) {
        GetReal();
    } else {
        SetLocalMoment(state_, before);
        RefreshAll();
    }

    const std::string path = state_.appDir + kTraceFile;
    const platform::FileWriteStatus written = platform::WriteFileAtomically(path, table);
    if (!written.ok) SetStatus(std::string(kTraceFile) + ": " + written.reason);
    if (!written.ok || !dialogs_.OpenDocument(path)) {
        dialogs_.MessageBox("Cannot Open File TRACES.TXT", MessageButtons::Ok, "TALVO");
    }
}

}  // namespace talvo
