#include "sim/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace talvo::sim {
namespace {

std::string Failure(const char* step) { return std::string(step) + ": " + std::strerror(errno); }

}  // namespace

PseudoTerminal::~PseudoTerminal() { Close(); }

bool PseudoTerminal::Open(std::string& error) {
    Close();
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master_ < 0) {
        error = Failure("posix_openpt");
        return false;
    }
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0) {
        error = Failure("grantpt/unlockpt");
        Close();
        return false;
    }
    const char* name = ::ptsname(master_);
    if (name == nullptr) {
        error = Failure("ptsname");
        Close();
        return false;
    }
    slavePath_ = name;
    slave_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    termios settings{};
    if (slave_ < 0 || ::tcgetattr(slave_, &settings) != 0) {
        error = Failure("open slave");
        Close();
        return false;
    }
    // Raw from the start: with the default echo the line would send the simulator's replies
    // back to it until a program sets its own mode.
    ::cfmakeraw(&settings);
    if (::tcsetattr(slave_, TCSANOW, &settings) != 0) {
        error = Failure("tcsetattr");
        Close();
        return false;
    }
    // Settings stay with the pseudo-terminal while the master is open; the simulator's own slave
    // descriptor goes, so that a program that finds the device busy is not told the simulator
    // holds it.
    ::close(slave_);
    slave_ = -1;
    const int flags = ::fcntl(master_, F_GETFL);
    if (flags < 0 || ::fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0) {
        error = Failure("fcntl");
        Close();
        return false;
    }
    return true;
}

void PseudoTerminal::Close() {
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = -1;
    master_ = -1;
}

bool PseudoTerminal::Read(int timeoutMs, std::string& bytes) {
    bytes.clear();
    pollfd state{master_, POLLIN, 0};
    const int ready = ::poll(&state, 1, timeoutMs);
    if (ready < 0) return errno == EINTR;
    if (ready == 0) return true;
    if ((state.revents & POLLIN) == 0) {
        if ((state.revents & POLLHUP) == 0) return false;
        // No program has the device open: the master reports that at once, so wait here.
        ::poll(nullptr, 0, timeoutMs);
        return true;
    }
    char buffer[1024];
    const ssize_t got = ::read(master_, buffer, sizeof buffer);
    // EIO: the program closed the device as it was read.
    if (got < 0) return errno == EAGAIN || errno == EINTR || errno == EIO;
    bytes.assign(buffer, static_cast<std::size_t>(got));
    return got > 0;
}

bool PseudoTerminal::Write(std::string_view bytes, int timeoutMs) {
    while (!bytes.empty()) {
        const ssize_t put = ::write(master_, bytes.data(), bytes.size());
        if (put > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(put));
            continue;
        }
        if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
        pollfd state{master_, POLLOUT, 0};
        if (::poll(&state, 1, timeoutMs) != 1) return false;
    }
    return true;
}

}  // namespace talvo::sim
