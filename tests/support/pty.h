// A pseudo-terminal whose other end stands in for a device: the test writes what the device
// sends and reads what the program wrote to it.
#pragma once

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace talvo::testing {

class Pty {
public:
    Pty() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) path_ = ::ptsname(master_);
    }
    ~Pty() { CloseMaster(); }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;

    // The device's path; empty when no pseudo-terminal could be had.
    const std::string& Path() const { return path_; }
    // The device goes away.
    void CloseMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }
    void Write(const std::string& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), ssize_t(bytes.size()));
    }
    // What the program sent, up to `count` bytes or until nothing more comes for a while.
    std::string Read(std::size_t count) {
        std::string received;
        char buffer[512];
        pollfd state{master_, POLLIN, 0};
        while (received.size() < count && ::poll(&state, 1, 3000) == 1 && (state.revents & POLLIN) != 0) {
            const ssize_t got = ::read(master_, buffer, std::min(sizeof buffer, count - received.size()));
            if (got <= 0) break;
            received.append(buffer, static_cast<std::size_t>(got));
        }
        return received;
    }

private:
    int master_ = -1;
    std::string path_;
};

}  // namespace talvo::testing
