// A stand-in for gpsd on a local TCP port: to the first client it sends the given lines, each a
// piece of what gpsd would send (several may make up one report), then keeps the connection open
// or ends it. What the client sent is kept.
#pragma once

#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace talvo::testing {

class FakeGpsd {
public:
    // `pieces` are written one by one with `gapMs` between them; `hangUp` ends the connection
    // after the last.
    FakeGpsd(std::vector<std::string> pieces, int gapMs, bool hangUp)
        : pieces_(std::move(pieces)), gapMs_(gapMs), hangUp_(hangUp) {
        listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (::bind(listener_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            ::listen(listener_, 1) != 0 ||
            ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
            return;
        }
        port_ = ntohs(address.sin_port);
        server_ = std::thread([this] { Serve(); });
    }
    ~FakeGpsd() {
        stop_ = true;
        if (server_.joinable()) server_.join();
        ::close(listener_);
    }
    FakeGpsd(const FakeGpsd&) = delete;
    FakeGpsd& operator=(const FakeGpsd&) = delete;

    int port() const { return port_; }
    // What the client sent, once the server is done with it (after the reading ended).
    std::string Received() {
        stop_ = true;
        if (server_.joinable()) server_.join();
        return received_;
    }

private:
    bool Wait(int fd, short events) {
        pollfd entry{fd, events, 0};
        while (!stop_) {
            if (::poll(&entry, 1, 20) > 0) return true;
        }
        return false;
    }

    void Take(int client) {
        char buffer[512];
        pollfd entry{client, POLLIN, 0};
        while (::poll(&entry, 1, 0) > 0) {
            const ssize_t got = ::recv(client, buffer, sizeof buffer, 0);
            if (got <= 0) return;
            received_.append(buffer, static_cast<std::size_t>(got));
        }
    }

    void Serve() {
        if (!Wait(listener_, POLLIN)) return;
        const int client = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) return;
        for (const std::string& piece : pieces_) {
            if (stop_) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(gapMs_));
            Take(client);
            static_cast<void>(::send(client, piece.data(), piece.size(), MSG_NOSIGNAL));
        }
        if (!hangUp_) {
            while (!stop_) {
                Take(client);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        Take(client);
        ::close(client);
    }

    std::vector<std::string> pieces_;
    int gapMs_;
    bool hangUp_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stop_{false};
    std::string received_;
    std::thread server_;
};

}  // namespace talvo::testing
