// What every exchange with the telescope shares: its serial slot and port name, and the hooks
// through which it waits, reports and learns that its window has gone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace talvo {

// The serial slot of telescope exchanges (slot 2 is the GPS receiver's).
inline constexpr std::int16_t kScopeSlot = 3;

// "COM" and the port number: one digit below 10, two from 10.
std::string ComPortName(int port);

struct ExchangeHooks {
    // Waits this many milliseconds; the window lets its events run meanwhile. Sleeps when empty.
    std::function<void(int)> pause;
    // Asked before every repetition of a query the telescope did not answer; false ends the
    // exchange (its window was closed, or a caller's time limit passed). Never asked when empty:
    // the query is repeated until an answer comes.
    std::function<bool()> keepGoing;
    // The exchange's status line ("Waiting for Scope Declination.").
    std::function<void(const std::string&)> status;

    void Pause(int milliseconds) const;
    bool KeepGoing() const { return !keepGoing || keepGoing(); }
    void Status(const std::string& text) const {
        if (status) status(text);
    }
};

}  // namespace talvo
