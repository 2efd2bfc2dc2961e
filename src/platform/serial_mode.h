// The line settings a serial exchange asks for, read from a mode string.
#pragma once

#include <optional>
#include <string>

namespace talvo::platform {

struct SerialMode {
    int baud = 9600;   // bits per second
    int stopBits = 1;  // 1 or 2; always 8 data bits and no parity
};

// Reads "baud=9600 parity=N data=8 stop=1": the four keys, each once, in any order and letter
// case, separated by blanks. The telescopes and GPS receivers TALVO drives need 4800 or 9600 baud,
// no parity, 8 data bits and 1 or 2 stop bits; any other setting, key or form is refused (nothing).
[[nodiscard]] std::optional<SerialMode> ParseSerialMode(const std::string& mode);

}  // namespace talvo::platform
