#include "forms/window_exchange_hooks.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace talvo {
namespace {

constexpr int kEventSliceMs = 10;  // a pause lets window events run at least this often

}  // namespace

ExchangeHooks WindowExchangeHooks(DialogServices& dialogs) {
    ExchangeHooks hooks;
    hooks.pause = [&dialogs](int milliseconds) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(milliseconds);
        for (Clock::time_point now = Clock::now(); now < end; now = Clock::now()) {
            std::this_thread::sleep_for(
                std::min<Clock::duration>(end - now, std::chrono::milliseconds(kEventSliceMs)));
            dialogs.DoEvents();
        }
    };
    return hooks;
}

}  // namespace talvo
