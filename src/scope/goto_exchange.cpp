#include "scope/goto_exchange.h"

#include <chrono>

namespace talvo {
namespace {

constexpr int kReplyPollMs = 20;  // between looks at the port while the slew answer is awaited

// The slew's answer is in: a refusal ends with "#"; "0" after the two one-byte answers is a slew.
bool SlewAnswered(const std::string& replies) {
    return replies.find('#') != std::string::npos || (replies.size() >= 3 && replies[2] == '0');
}

// Waits up to kSlewReplyWaitMs for the answer to "#:MS#" and returns the refusal, if any.
std::string ReadSlewRefusal(platform::CommIO& comm, const ExchangeHooks& hooks) {
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(kSlewReplyWaitMs);
    std::string replies;
    while (!SlewAnswered(replies) && Clock::now() < deadline) {
        // Asking for one byte takes whatever waits at once, without waiting out the read's limit.
        std::string chunk;
        const std::int32_t got = comm.CommRead(kScopeSlot, chunk, 1);
        if (got < 0) break;
        if (got == 0) {
            hooks.Pause(kReplyPollMs);
            continue;
        }
        replies += chunk;
    }
    return SlewRefusalText(replies);
}

// Writes the steps one byte at a time; false at the first byte the port does not take.
bool WriteSteps(platform::CommIO& comm, const std::vector<GotoStep>& steps, const ExchangeHooks& hooks,
                std::string& written) {
    for (const GotoStep& step : steps) {
        hooks.Pause(step.pauseBeforeMs);
        for (char byte : step.bytes) {
            hooks.Pause(step.pauseBeforeEachByteMs);
            if (comm.CommWrite(kScopeSlot, std::string(1, byte)) != 1) return false;
            written += byte;
            hooks.Pause(step.pauseAfterEachByteMs);
        }
        hooks.Pause(step.pauseAfterMs);
    }
    return true;
}

}  // namespace

std::string SlewRefusalText(const std::string& replies) {
    const std::size_t end = replies.find('#');
    if (end == std::string::npos) return {};
    std::size_t text = 0;
    while (text < end && replies[text] >= '0' && replies[text] <= '9') ++text;
    if (text == 0 || text == end) return {};
    const char code = replies[text - 1];
    if (code != '1' && code != '2') return {};
    return replies.substr(text, end - text);
}

GotoOutcome RunGoto(platform::CommIO& comm, const ScopeSettings& scope, const GotoPosition& position,
                    const ExchangeHooks& hooks) {
    GotoOutcome outcome;
    static_cast<void>(comm.CommClose(kScopeSlot));  // an earlier exchange's slot; nothing to report
    const GotoCommand command = EncodeGoto(scope.scopeType, scope.scopeModel, position);
    switch (command.status) {
        case GotoStatus::kOk:
            break;
        case GotoStatus::kSkyChart:
            outcome.result = GotoResult::kSkyChart;
            return outcome;
        case GotoStatus::kBadPosition:
            outcome.result = GotoResult::kBadPosition;
            return outcome;
        case GotoStatus::kNoSerialCommand:
            outcome.result = GotoResult::kNoTelescope;
            return outcome;
    }

    if (comm.CommOpen(kScopeSlot, ComPortName(scope.scopePort), command.mode) != 0) {
        outcome.result = GotoResult::kOpenFailed;
        outcome.portDetail = comm.CommLastError().message;
        static_cast<void>(comm.CommFlush(kScopeSlot));
        static_cast<void>(comm.CommClose(kScopeSlot));
        return outcome;
    }
    // A failed flush leaves old replies waiting; the command goes all the same.
    static_cast<void>(comm.CommFlush(kScopeSlot));
    if (!WriteSteps(comm, command.steps, hooks, outcome.written)) {
        outcome.result = GotoResult::kWriteFailed;
        outcome.portDetail = comm.CommLastError().message;
        static_cast<void>(comm.CommClose(kScopeSlot));
        return outcome;
    }
    outcome.result = GotoResult::kSent;
    if (scope.scopeType == 4) outcome.slewRefusal = ReadSlewRefusal(comm, hooks);
    outcome.closeFailed = comm.CommClose(kScopeSlot) != 0;
    return outcome;
}

}  // namespace talvo
