#include "scope/scope_link.h"

#include <chrono>
#include <thread>

namespace talvo {

std::string ComPortName(int port) { return "COM" + std::to_string(port); }

void ExchangeHooks::Pause(int milliseconds) const {
    if (milliseconds <= 0) return;
    if (pause) {
        pause(milliseconds);
    } else {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

}  // namespace talvo
