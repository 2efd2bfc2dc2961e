#include "platform/serial_port.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <optional>

#include "platform/com_names.h"
#include "platform/device_holders.h"
#include "platform/serial_mode.h"

namespace talvo::platform {

namespace {

using Clock = std::chrono::steady_clock;
using Milliseconds = std::chrono::milliseconds;

// Read and write failures end their message with the port's line-error word. termios has no way
// to read line errors (framing, overrun, parity), so the word is always 0; it is kept so that the
// message reads the same whatever the port.
constexpr const char* kErrorFlagsSuffix = "  COMM Error Flags = 0";

std::string SystemText(int error) { return std::strerror(error); }

std::string Named(const std::string& device, const std::string& path) { return path + " (" + device + ")"; }

// The group whose members may read and write the device; "" when membership would not help (the
// group has no read and write permission, or it is the administrator's own group).
std::string GroupOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return "";
    if ((info.st_mode & (S_IRGRP | S_IWGRP)) != (S_IRGRP | S_IWGRP) || info.st_gid == 0) return "";
    if (const group* owner = ::getgrgid(info.st_gid)) return owner->gr_name;
    return std::to_string(info.st_gid);
}

std::string BusyText(const std::string& device, const std::string& path, dev_t rdev) {
    const std::string holders = DescribeHolders(FindDeviceHolders(rdev));
    if (holders.empty()) {
        return Named(device, path) +
               " is in use by another program (gpsd and ModemManager often take serial ports). Stop it or "
               "choose another port.";
    }
    return Named(device, path) + " is in use by " + holders + ". Stop it or choose another port.";
}

bool HeldByGpsd(dev_t rdev) {
    const std::vector<DeviceHolder> holders = FindDeviceHolders(rdev);
    return std::any_of(holders.begin(), holders.end(),
                       [](const DeviceHolder& h) { return h.name == "gpsd"; });
}

std::string OpenFailureText(int error, const std::string& device, const std::string& path) {
    switch (error) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
            return "There is no device " + Named(device, path) +
                   ". Check that the telescope or GPS receiver is plugged in and switched on, or choose "
                   "another port.";
        case EACCES:
        case EPERM: {
            const std::string group = GroupOf(path);
            if (group.empty()) {
                return "You may not use " + Named(device, path) +
                       ": only its owner may. Ask the administrator to give serial devices to the group "
                       "dialout.";
            }
            return "You may not use " + Named(device, path) + ": it belongs to the group " + group +
                   ". Join that group with \"sudo usermod -aG " + group + " $USER\", then log in again.";
        }
        default:
            return Named(device, path) + ": " + SystemText(error) + ".";
    }
}

int Restore(int fd, const termios& saved, int when) {
    int result = 0;
    do {
        result = ::tcsetattr(fd, when, &saved);
    } while (result != 0 && errno == EINTR);
    return result;
}

// Raw 8-bit bytes, no parity, no flow control of either kind, the modem lines ignored.
termios RawSettings(termios settings, const SerialMode& mode) {
    ::cfmakeraw(&settings);
    settings.c_iflag &= ~(IXON | IXOFF | IXANY);
    settings.c_cflag &= ~(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    settings.c_cflag |= CS8 | CLOCAL | CREAD;
    if (mode.stopBits == 2) settings.c_cflag |= CSTOPB;
    // With the descriptor non-blocking, VMIN 1 makes an empty read fail with EAGAIN, so that a
    // read of 0 bytes only ever means the device has gone.
    settings.c_cc[VMIN] = 1;
    settings.c_cc[VTIME] = 0;
    const speed_t speed = mode.baud == 4800 ? B4800 : B9600;
    ::cfsetispeed(&settings, speed);
    ::cfsetospeed(&settings, speed);
    return settings;
}

long long SteadyMilliseconds(Clock::time_point when) {
    return std::chrono::duration_cast<Milliseconds>(when.time_since_epoch()).count();
}

int MillisecondsUntil(Clock::time_point when, Clock::time_point now) {
    const auto left = std::chrono::ceil<Milliseconds>(when - now).count();
    return static_cast<int>(std::clamp<long long>(left, 0, CommIO::kPumpInterval));
}

}  // namespace

CommIO::~CommIO() {
    for (PortSlot& port : slots_) {
        if (port.open) (void)Release(port, TCSANOW);
    }
}

CommIO::PortSlot* CommIO::Slot(std::int16_t slot) {
    if (slot < 1 || slot > kSlots) return nullptr;
    return &slots_[static_cast<std::size_t>(slot - 1)];
}

bool CommIO::IsOpen(std::int16_t slot) const {
    return slot >= 1 && slot <= kSlots && slots_[static_cast<std::size_t>(slot - 1)].open;
}

void CommIO::Record(std::int32_t status, std::string source, std::string message) {
    lastError_ = {status, std::move(source), std::move(message)};
}

void CommIO::Pump() {
    if (pump_) pump_();
}

int CommIO::Release(PortSlot& port, int restoreWhen) {
    (void)Restore(port.fd, port.saved, restoreWhen);
    ::ioctl(port.fd, TIOCNXCL);
    const int result = ::close(port.fd);
    const int error = result == 0 ? 0 : errno;
    port = PortSlot{};
    return error;
}

std::int32_t CommIO::CommOpen(std::int16_t slot, const std::string& device, const std::string& mode) {
    PortSlot* port = Slot(slot);
    if (port == nullptr) {
        Record(EINVAL, "CommOpen", "There is no port slot " + std::to_string(slot) + ".");
        return EINVAL;
    }
    if (port->open) {
        Record(-1, "CommOpen", "Port in use.");
        return -1;
    }
    const std::optional<std::string> path = ComDevicePath(device);
    if (!path) {
        Record(ENODEV, "CommOpen (CreateFile)",
               "\"" + device + "\" is not a serial port name (COM1 to COM64).");
        return 2;
    }
    const int fd = ::open(path->c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        const int error = errno;
        struct stat info {};
        const bool busy = error == EBUSY && ::stat(path->c_str(), &info) == 0;
        Record(error, "CommOpen (CreateFile)",
               busy ? BusyText(device, *path, info.st_rdev) : OpenFailureText(error, device, *path));
        lastError_.heldByGpsd = busy && HeldByGpsd(info.st_rdev);
        return 2;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode) || ::isatty(fd) == 0) {
        ::close(fd);
        Record(ENOTTY, "CommOpen (CreateFile)", Named(device, *path) + " is not a serial port.");
        return 2;
    }
    // The lock keeps out other programs that lock (and this one's other slots); the exclusive
    // mode, set only once the lock is held, makes any further open of the device fail.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(fd);
        Record(error, "CommOpen (CreateFile)", BusyText(device, *path, info.st_rdev));
        lastError_.heldByGpsd = HeldByGpsd(info.st_rdev);
        return 2;
    }
    ::ioctl(fd, TIOCEXCL);
    port->fd = fd;

    // A port whose configuration failed is given back at once rather than left held and locked.
    auto fail = [&](const char* source, int error, std::string message) {
        ::ioctl(fd, TIOCNXCL);
        ::close(fd);
        *port = PortSlot{};
        Record(error, source, std::move(message));
        return error;
    };
    if (::tcgetattr(fd, &port->saved) != 0) {
        return fail("CommOpen (GetCommState)", errno, Named(device, *path) + ": " + SystemText(errno) + ".");
    }
    if (::tcflush(fd, TCIOFLUSH) != 0) {
        return fail("CommOpen (PurgeComm)", errno, Named(device, *path) + ": " + SystemText(errno) + ".");
    }
    const std::optional<SerialMode> settings = ParseSerialMode(mode);
    if (!settings) {
        return fail("CommOpen (BuildCommDCB)", EINVAL,
                    "\"" + mode +
                        "\" is not a port setting TALVO uses (baud=9600 or 4800, parity=N, data=8, stop=1 "
                        "or 2).");
    }
    const termios raw = RawSettings(port->saved, *settings);
    if (Restore(fd, raw, TCSANOW) != 0) {
        const int error = errno;
        (void)Restore(fd, port->saved, TCSANOW);
        return fail("CommOpen (SetCommState)", error, Named(device, *path) + ": " + SystemText(error) + ".");
    }
    port->open = true;
    port->name = Named(device, *path);
    return 0;
}

std::int32_t CommIO::CommClose(std::int16_t slot) {
    PortSlot* port = Slot(slot);
    if (port == nullptr || !port->open) return 0;
    // Bytes still on their way out go at the speed they were written with before the old
    // settings come back. A descriptor whose close failed is gone all the same, so the slot is
    // free either way.
    const int error = Release(*port, TCSADRAIN);
    if (error != 0) {
        Record(error, "CommClose (CloseHandle)", SystemText(error) + ".");
        return error;
    }
    return 0;
}

std::int32_t CommIO::CommFlush(std::int16_t slot) {
    PortSlot* port = Slot(slot);
    if (port == nullptr || !port->open) return 0;
    if (::tcflush(port->fd, TCIOFLUSH) != 0) {
        const int error = errno;
        Record(error, "CommFlush (PurgeComm)", port->name + ": " + SystemText(error) + ".");
        return error;
    }
    return 0;
}

std::int32_t CommIO::Fail(PortSlot* port, const char* source, int error, const std::string& what) {
    const std::string name = port != nullptr && port->open ? port->name + ": " : "";
    Record(error, source, name + what + kErrorFlagsSuffix);
    return -1;
}

std::int32_t CommIO::Gone(PortSlot& port, const char* source, int error) {
    (void)Fail(&port, source, error,
               "the device has gone (unplugged or switched off) and the port is closed.");
    (void)Release(port, TCSANOW);
    return -1;
}

std::optional<std::int32_t> CommIO::AwaitDevice(PortSlot& port, int fd, short events, int limitMs,
                                                long long& lastPumpMs, const char* source,
                                                const char* closedText) {
    pollfd state{fd, events, 0};
    const int ready = ::poll(&state, 1, limitMs);
    if (ready < 0 && errno != EINTR) return Gone(port, source, errno);
    if (ready == 1 && (state.revents & events) == 0) return Gone(port, source, EIO);  // hung up or failed
    if (SteadyMilliseconds(Clock::now()) - lastPumpMs >= kPumpInterval) {
        Pump();
        lastPumpMs = SteadyMilliseconds(Clock::now());
        if (!port.open || port.fd != fd) return Fail(nullptr, source, EBADF, closedText);
    }
    return std::nullopt;
}

std::int32_t CommIO::CommRead(std::int16_t slot, std::string& data, std::int32_t count) {
    data.clear();
    Pump();
    PortSlot* port = Slot(slot);
    if (port == nullptr || !port->open)
        return Fail(port, "CommRead (ClearCommError)", EBADF, "The port is not open.");
    const int fd = port->fd;
    int waiting = 0;
    if (::ioctl(fd, FIONREAD, &waiting) != 0) return Gone(*port, "CommRead (ClearCommError)", errno);
    if (waiting <= 0) {
        pollfd state{fd, POLLIN, 0};
        if (::poll(&state, 1, 0) == 1 && (state.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            return Gone(*port, "CommRead (ClearCommError)", EIO);
        }
        return 0;
    }

    const int wanted = std::min(std::max(waiting, count), kReadBufferSize);
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline =
        start + Milliseconds(timeouts_.readTotalConstant + timeouts_.readTotalPerByte * wanted);
    Clock::time_point lastByte = start;
    long long lastPump = SteadyMilliseconds(start);
    char buffer[kReadBufferSize];
    std::string received;
    while (static_cast<int>(received.size()) < wanted) {
        const ssize_t got = ::read(fd, buffer, static_cast<std::size_t>(wanted) - received.size());
        if (got > 0) {
            received.append(buffer, static_cast<std::size_t>(got));
            lastByte = Clock::now();
            continue;
        }
        if (got == 0) return Gone(*port, "CommRead (ReadFile)", EIO);
        if (errno == EINTR) continue;
        if (errno != EAGAIN && errno != EWOULDBLOCK) return Gone(*port, "CommRead (ReadFile)", errno);

        const Clock::time_point now = Clock::now();
        const Clock::time_point limit = std::min(deadline, lastByte + Milliseconds(timeouts_.readInterval));
        if (now >= limit) break;
        if (const auto failed = AwaitDevice(*port, fd, POLLIN, MillisecondsUntil(limit, now), lastPump,
                                            "CommRead (ReadFile)", "The port was closed during the read.")) {
            return *failed;
        }
    }
    data = std::move(received);
    return static_cast<std::int32_t>(data.size());
}

std::int32_t CommIO::CommWrite(std::int16_t slot, const std::string& data) {
    PortSlot* port = Slot(slot);
    if (port == nullptr || !port->open) {
        Pump();
        return Fail(port, "CommWrite (WriteFile)", EBADF, "The port is not open.");
    }
    const int fd = port->fd;
    const Clock::time_point start = Clock::now();
    const Clock::time_point deadline =
        start + Milliseconds(static_cast<long long>(timeouts_.writeTotalPerByte) * data.size());
    long long lastPump = SteadyMilliseconds(start);
    std::size_t sent = 0;
    while (sent < data.size()) {
        const ssize_t put = ::write(fd, data.data() + sent, data.size() - sent);
        if (put > 0) {
            sent += static_cast<std::size_t>(put);
            continue;
        }
        if (put < 0 && errno == EINTR) continue;
        if (put == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
            return Gone(*port, "CommWrite (WriteFile)", put == 0 ? EIO : errno);
        }
        const Clock::time_point now = Clock::now();
        if (now >= deadline) break;
        if (const auto failed =
                AwaitDevice(*port, fd, POLLOUT, MillisecondsUntil(deadline, now), lastPump,
                            "CommWrite (WriteFile)", "The port was closed during the write.")) {
            return *failed;
        }
    }
    // Like a write that timed out on its own, one cut short by its time limit reports what went.
    for (int pass = 0; pass < 11; ++pass) Pump();
    return static_cast<std::int32_t>(sent);
}

}  // namespace talvo::platform
