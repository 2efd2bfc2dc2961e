// A TCP connection to a service, such as the GPS service's JSON reports on port 2947.
#pragma once

#include <string>
#include <string_view>

namespace talvo::platform {

struct SocketStatus {
    enum class Code {
        kOk,
        kClosed,  // the service ended the connection
        kFailed,  // `message` says why, in words the user can act on
    };
    Code code = Code::kOk;
    std::string message;
    [[nodiscard]] bool ok() const { return code == Code::kOk; }
};

class TcpConnection {
public:
    TcpConnection() = default;
    ~TcpConnection();
    TcpConnection(const TcpConnection&) = delete;
    TcpConnection& operator=(const TcpConnection&) = delete;

    // Connects to `host` (a name or an address) on `port`, waiting at most `timeoutMs`.
    [[nodiscard]] SocketStatus Connect(const std::string& host, int port, int timeoutMs);
    // Sends all of `bytes`, waiting at most `timeoutMs` for room.
    [[nodiscard]] SocketStatus Send(std::string_view bytes, int timeoutMs);
    // Appends to `bytes` what has arrived, waiting at most `waitMs` for the first byte (0: only
    // what is there already). Ok with nothing appended when nothing came.
    [[nodiscard]] SocketStatus Receive(std::string& bytes, int waitMs);
    void Close();

private:
    int fd_ = -1;
    std::string where_;  // "host:port", for the messages
};

}  // namespace talvo::platform
