// The telescope's serial slot for the length of one exchange: opening it, asking a query until
// an answer comes, and why an exchange ended early. Shared by the position, site and upload
// exchanges.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

#include "platform/serial_port.h"
#include "scope/scope_link.h"

namespace talvo {

enum class PortFault {
    kNone,
    kOpenFailed,   // the port could not be opened
    kWriteFailed,  // a query was not taken whole
    kAbandoned,    // the hooks said to stop before an answer came
};

// The last answer ending in "#" in what came back (all of it when no "#" came). A telescope
// slower than the pause after a query is asked again, and its answers then arrive together.
std::string LastAnswer(const std::string& received);

// The value of the decimal digits text[from, from + count) read as atoi does (0 for none).
int Digits(const std::string& text, std::size_t from, std::size_t count);
bool IsDigit(char c);

// One open port for the length of an exchange; closed again however the exchange ends.
class ScopePort {
public:
    explicit ScopePort(platform::CommIO& comm) : comm_(comm) {}
    ~ScopePort() { static_cast<void>(comm_.CommClose(kScopeSlot)); }
    ScopePort(const ScopePort&) = delete;
    ScopePort& operator=(const ScopePort&) = delete;

    // Opens "COM<port>" at 9600 8N1 and drops what waits there.
    bool Open(int port);

    // Sends `query` (after a 5 ms pause) until the telescope answers with at least `shortest`
    // bytes, reading up to `size` bytes `pauseForAnswerMs` after each query; the answer
    // (LastAnswer of what came), or nothing with fault() set. What an earlier query left is
    // dropped first.
    std::optional<std::string> Ask(const std::string& query, int size, const ExchangeHooks& hooks,
                                   int pauseForAnswerMs = 50, std::size_t shortest = 1);

    // The same for a binary query written one byte at a time, each after a 5 ms pause; the
    // answer is returned as it came (its bytes may include "#").
    std::optional<std::string> AskBytewise(const std::string& query, int size, const ExchangeHooks& hooks,
                                           int pauseForAnswerMs);

    // Reads and drops what arrives within `milliseconds`, stopping early once `terminators`
    // "#" bytes have come: the tail of an answer that carries on after its first part.
    void Drain(int terminators, int milliseconds, const ExchangeHooks& hooks);

    [[nodiscard]] PortFault Fault() const { return fault_; }
    // Why the port failed, in the system's words.
    [[nodiscard]] const std::string& Detail() const { return detail_; }

private:
    bool Write(const std::string& bytes);

    platform::CommIO& comm_;
    PortFault fault_ = PortFault::kNone;
    std::string detail_;
};

}  // namespace talvo
