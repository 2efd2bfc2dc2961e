// The serial port layer: four port slots that telescope and GPS exchanges open, write, read and
// close again, over termios on the device that a "COMn" name stands for (see com_names.h).
#pragma once

#include <termios.h>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace talvo::platform {

// The last failure of any operation; a success leaves it as it was.
struct CommError {
    std::int32_t status = 0;  // errno of the failing call, or -1 when the slot was already open
    std::string source;       // operation and call, e.g. "CommOpen (CreateFile)"
    std::string message;      // what went wrong, in words the user can act on
    bool heldByGpsd = false;  // the port is busy and gpsd, the GPS service, is among its holders
};

// Time limits of reads and writes, in milliseconds.
struct CommTimeouts {
    int readInterval = 5000;       // longest gap between two bytes of a read
    int readTotalConstant = 1000;  // a whole read may take this ...
    int readTotalPerByte = 1;      // ... plus this for every byte it waits for
    int writeTotalPerByte = 1000;  // a whole write may take this for every byte
};

class CommIO {
public:
    static constexpr int kSlots = 4;              // slots are numbered 1 to kSlots
    static constexpr int kReadBufferSize = 1024;  // most bytes one read returns

    CommIO() = default;
    ~CommIO();  // closes the slots still open
    CommIO(const CommIO&) = delete;
    CommIO& operator=(const CommIO&) = delete;

    // 0 on success; -1 when the slot is already open; 2 when the device could not be opened
    // (missing, not permitted, held by another program, not a serial port, or an unknown name);
    // otherwise the errno of the configuration step that failed (EINVAL for a refused mode).
    // The port is taken exclusively and its settings restored when it is closed.
    [[nodiscard]] std::int32_t CommOpen(std::int16_t slot, const std::string& device,
                                        const std::string& mode);
    // 0 on success or when the slot is not open; otherwise the errno of closing.
    [[nodiscard]] std::int32_t CommClose(std::int16_t slot);
    // Drops everything waiting in either direction. 0 on success or when the slot is not open (so
    // that the record keeps why an open before it failed); otherwise the errno.
    [[nodiscard]] std::int32_t CommFlush(std::int16_t slot);
    // Empties `data`, then returns 0 at once when nothing waits; otherwise reads all that waits, or
    // `count` bytes when fewer wait, within the read time limits, at most kReadBufferSize, and
    // returns how many came. -1 on failure; a device that has gone also closes the slot.
    [[nodiscard]] std::int32_t CommRead(std::int16_t slot, std::string& data, std::int32_t count);
    // Sends all of `data` within the write time limit; the number of bytes sent, or -1 on failure
    // (a device that has gone also closes the slot).
    [[nodiscard]] std::int32_t CommWrite(std::int16_t slot, const std::string& data);

    [[nodiscard]] bool IsOpen(std::int16_t slot) const;
    [[nodiscard]] const CommError& CommLastError() const { return lastError_; }

    void SetTimeouts(const CommTimeouts& timeouts) { timeouts_ = timeouts; }
    // Lets the window handle its events: called when a read starts, between waits of at most
    // kPumpInterval ms while a read or write waits, and ten times after each write.
    void SetEventPump(std::function<void()> pump) { pump_ = std::move(pump); }
    static constexpr int kPumpInterval = 50;

private:
    struct PortSlot {
        int fd = -1;
        bool open = false;
        termios saved{};   // the settings found at opening, put back at closing
        std::string name;  // "/dev/ttyUSB0 (COM1)", for messages
    };

    PortSlot* Slot(std::int16_t slot);
    void Record(std::int32_t status, std::string source, std::string message);
    // Records a read or write failure and returns -1.
    std::int32_t Fail(PortSlot* port, const char* source, int error, const std::string& what);
    // The same for a device that has gone; the slot is closed.
    std::int32_t Gone(PortSlot& port, const char* source, int error);
    // Waits at most one pump slice, until `limitMs` milliseconds from now, for `events` on the
    // slot's device, then lets window events run once a slice has passed since `lastPumpMs`
    // (steady-clock milliseconds, updated). Nothing when the exchange may go on; otherwise its
    // failure status (a vanished device closes the slot).
    std::optional<std::int32_t> AwaitDevice(PortSlot& port, int fd, short events, int limitMs,
                                            long long& lastPumpMs, const char* source,
                                            const char* closedText);
    // Puts the saved settings back (`restoreWhen` as for tcsetattr) and closes; errno of the close.
    int Release(PortSlot& port, int restoreWhen);
    void Pump();

    std::array<PortSlot, kSlots> slots_{};
    CommError lastError_;
    CommTimeouts timeouts_;
    std::function<void()> pump_;
};

}  // namespace talvo::platform
