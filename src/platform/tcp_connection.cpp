#include "platform/tcp_connection.h"

#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace talvo::platform {

namespace {

SocketStatus Failed(std::string message) { return {SocketStatus::Code::kFailed, std::move(message)}; }

// Waits for `events` on `fd`; false on time-out or failure (errno tells which: 0 for a time-out).
bool WaitFor(int fd, short events, int timeoutMs) {
    pollfd entry{fd, events, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, timeoutMs);
        if (ready > 0) return true;
        if (ready == 0) {
            errno = 0;
            return false;
        }
        if (errno != EINTR) return false;
    }
}

}  // namespace

TcpConnection::~TcpConnection() { Close(); }

void TcpConnection::Close() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
}

SocketStatus TcpConnection::Connect(const std::string& host, int port, int timeoutMs) {
    Close();
    where_ = host + ":" + std::to_string(port);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int lookup = ::getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (lookup != 0) return Failed("There is no computer " + host + " (" + ::gai_strerror(lookup) + ").");
    std::string reason = "no address";
    // Each address in turn (localhost may be ::1 and 127.0.0.1); the first that answers is kept.
    for (const addrinfo* address = found; address != nullptr; address = address->ai_next) {
        const int fd = ::socket(address->ai_family, address->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                                address->ai_protocol);
        if (fd < 0) {
            reason = std::strerror(errno);
            continue;
        }
        int error = 0;
        if (::connect(fd, address->ai_addr, address->ai_addrlen) != 0) {
            error = errno;
            if (error == EINPROGRESS) {
                if (WaitFor(fd, POLLOUT, timeoutMs)) {
                    socklen_t size = sizeof error;
                    if (::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) error = errno;
                } else {
                    error = errno == 0 ? ETIMEDOUT : errno;
                }
            }
        }
        if (error == 0) {
            fd_ = fd;
            break;
        }
        reason = std::strerror(error);
        ::close(fd);
    }
    ::freeaddrinfo(found);
    if (fd_ < 0) return Failed("Nothing answers on " + where_ + " (" + reason + ").");
    return {};
}

SocketStatus TcpConnection::Send(std::string_view bytes, int timeoutMs) {
    if (fd_ < 0) return Failed("Not connected.");
    while (!bytes.empty()) {
        const ssize_t sent = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (sent > 0) {
            bytes.remove_prefix(static_cast<std::size_t>(sent));
        } else if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitFor(fd_, POLLOUT, timeoutMs)) return Failed(where_ + " does not take what is sent.");
        } else if (sent < 0 && errno != EINTR) {
            if (errno == EPIPE || errno == ECONNRESET) return {SocketStatus::Code::kClosed, {}};
            return Failed(where_ + ": " + std::strerror(errno) + ".");
        }
    }
    return {};
}

SocketStatus TcpConnection::Receive(std::string& bytes, int waitMs) {
    if (fd_ < 0) return Failed("Not connected.");
    if (waitMs > 0 && !WaitFor(fd_, POLLIN, waitMs)) {
        if (errno == 0) return {};
        return Failed(where_ + ": " + std::strerror(errno) + ".");
    }
    std::array<char, 4096> buffer{};
    constexpr std::size_t kMostPerCall = 64 * 1024;  // a service that floods still lets the caller look up
    for (std::size_t taken = 0; taken < kMostPerCall;) {
        const ssize_t got = ::recv(fd_, buffer.data(), buffer.size(), 0);
        if (got > 0) {
            bytes.append(buffer.data(), static_cast<std::size_t>(got));
            taken += static_cast<std::size_t>(got);
            if (static_cast<std::size_t>(got) < buffer.size()) return {};
        } else if (got == 0) {
            return {SocketStatus::Code::kClosed, {}};
        } else if (errno == EAGAIN || errno == EWOULDBLOCK) {
            return {};
        } else if (errno == ECONNRESET) {
            return {SocketStatus::Code::kClosed, {}};
        } else if (errno != EINTR) {
            return Failed(where_ + ": " + std::strerror(errno) + ".");
        }
    }
    return {};
}

}  // namespace talvo::platform
