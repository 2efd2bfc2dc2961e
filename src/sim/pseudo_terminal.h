// The simulator's end of a pseudo-terminal. The slave device is what a program opens as its
// serial port; the simulator sets it up once and keeps no descriptor of it, so that only the
// programs that use the device are found holding it. While none has it open, reads on the master
// wait out their time instead of returning at once.
#pragma once

#include <string>
#include <string_view>

namespace talvo::sim {

class PseudoTerminal {
public:
    PseudoTerminal() = default;
    ~PseudoTerminal();  // closes both ends
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    // Opens a new pseudo-terminal with the slave in raw mode (no echo, no line editing, 8 bits).
    // False with `error` set when any step fails.
    [[nodiscard]] bool Open(std::string& error);
    void Close();

    [[nodiscard]] const std::string& SlavePath() const { return slavePath_; }

    // Waits at most `timeoutMs` for bytes from the program and returns what came (empty when
    // nothing did). False when the master failed.
    [[nodiscard]] bool Read(int timeoutMs, std::string& bytes);
    // Writes all of `bytes`, waiting at most `timeoutMs` for room; false when not all went out.
    [[nodiscard]] bool Write(std::string_view bytes, int timeoutMs);

private:
    int master_ = -1;
    int slave_ = -1;  // open only while the slave is set up
    std::string slavePath_;
};

}  // namespace talvo::sim
