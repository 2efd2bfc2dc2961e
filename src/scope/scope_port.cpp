#include "scope/scope_port.h"

#include <cstdlib>

#include "scope/goto_commands.h"

namespace talvo {
namespace {

constexpr int kPauseBeforeQueryMs = 5;
constexpr int kDrainStepMs = 50;

}  // namespace

std::string LastAnswer(const std::string& received) {
    const std::size_t end = received.rfind('#');
    if (end == std::string::npos) return received;
    const std::size_t previous = end == 0 ? std::string::npos : received.rfind('#', end - 1);
    const std::size_t start = previous == std::string::npos ? 0 : previous + 1;
    return received.substr(start, end + 1 - start);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int Digits(const std::string& text, std::size_t from, std::size_t count) {
    if (from >= text.size()) return 0;
    return std::atoi(text.substr(from, count).c_str());
}

bool ScopePort::Open(int port) {
    if (comm_.CommOpen(kScopeSlot, ComPortName(port), kGotoMode) != 0) {
        fault_ = PortFault::kOpenFailed;
        detail_ = comm_.CommLastError().message;
        return false;
    }
    static_cast<void>(comm_.CommFlush(kScopeSlot));  // answers left from an earlier exchange
    return true;
}

bool ScopePort::Write(const std::string& bytes) {
    if (comm_.CommWrite(kScopeSlot, bytes) == static_cast<std::int32_t>(bytes.size())) return true;
    fault_ = PortFault::kWriteFailed;
    detail_ = comm_.CommLastError().message;
    return false;
}

std::optional<std::string> ScopePort::Ask(const std::string& query, int size, const ExchangeHooks& hooks,
                                          int pauseForAnswerMs, std::size_t shortest) {
    static_cast<void>(comm_.CommFlush(kScopeSlot));  // a failure shows in the write that follows
    std::string received;
    for (;;) {
        hooks.Pause(kPauseBeforeQueryMs);
        if (!Write(query)) return std::nullopt;
        hooks.Pause(pauseForAnswerMs);
        std::string answer;
        // A read that fails closes a vanished device's slot; the next write then says so.
        if (comm_.CommRead(kScopeSlot, answer, size) > 0) {
            // A short answer may be the first part of one still coming: it is asked again, and
            // the parts are read together.
            received += answer;
            const std::string last = LastAnswer(received);
            if (last.size() >= shortest) return last;
        }
        if (!hooks.KeepGoing()) {
            fault_ = PortFault::kAbandoned;
            return std::nullopt;
        }
    }
}

std::optional<std::string> ScopePort::AskBytewise(const std::string& query, int size,
                                                  const ExchangeHooks& hooks, int pauseForAnswerMs) {
    static_cast<void>(comm_.CommFlush(kScopeSlot));
    for (;;) {
        for (const char byte : query) {
            hooks.Pause(kPauseBeforeQueryMs);
            if (!Write(std::string(1, byte))) return std::nullopt;
        }
        hooks.Pause(pauseForAnswerMs);
        std::string answer;
        if (comm_.CommRead(kScopeSlot, answer, size) > 0) return answer;
        if (!hooks.KeepGoing()) {
            fault_ = PortFault::kAbandoned;
            return std::nullopt;
        }
    }
}

void ScopePort::Drain(int terminators, int milliseconds, const ExchangeHooks& hooks) {
    int seen = 0;
    for (int waited = 0; waited < milliseconds && seen < terminators; waited += kDrainStepMs) {
        hooks.Pause(kDrainStepMs);
        std::string bytes;
        if (comm_.CommRead(kScopeSlot, bytes, platform::CommIO::kReadBufferSize) < 0) return;
        for (const char c : bytes) seen += c == '#' ? 1 : 0;
    }
}

}  // namespace talvo
