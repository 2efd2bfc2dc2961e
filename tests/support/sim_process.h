// Runs the built talvo-sim (TALVO_BIN_DIR/talvo-sim) for a test: starts it with a byte log of its
// own, reads the device path it prints, rebuilds from the log what it received and sent, and
// stops it again.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace talvo::testing {

class SimProcess {
public:
    SimProcess() = default;
    ~SimProcess() {
        Stop();
        if (!logPath_.empty()) ::unlink(logPath_.c_str());
    }
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    // Starts TALVO_BIN_DIR/talvo-sim with these arguments plus "--log <a temporary file>", and
    // waits (at most 5 s) for the device path line. False when it did not start.
    [[nodiscard]] bool Start(const std::vector<std::string>& arguments) {
        Stop();
        const char* binDir = std::getenv("TALVO_BIN_DIR");
        if (binDir == nullptr || *binDir == '\0' || !MakeLog()) return false;
        const std::string program = std::string(binDir) + "/talvo-sim";
        std::vector<std::string> words{program};
        words.insert(words.end(), arguments.begin(), arguments.end());
        words.insert(words.end(), {"--log", logPath_});
        std::vector<char*> argv;
        for (std::string& word : words) argv.push_back(word.data());
        argv.push_back(nullptr);

        int output[2];
        if (::pipe2(output, O_CLOEXEC) != 0) return false;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(output[1], STDOUT_FILENO);
            const int nothing = ::open("/dev/null", O_RDONLY);
            if (nothing >= 0) ::dup2(nothing, STDIN_FILENO);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(output[1]);
        if (pid_ < 0) {
            ::close(output[0]);
            return false;
        }
        devicePath_ = ReadLine(output[0], 5000);
        ::close(output[0]);
        if (devicePath_.empty()) {
            Stop();
            return false;
        }
        return true;
    }

    const std::string& DevicePath() const { return devicePath_; }

    // Every byte the simulator has received so far, rebuilt from the log's rx lines.
    std::string Received() const { return Bytes("rx"); }

    // Waits (at most timeoutMs) until the log holds at least `count` received bytes.
    bool WaitReceived(std::size_t count, int timeoutMs) const {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Received().size() < count) {
            if (std::chrono::steady_clock::now() >= end) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // SIGTERM, then SIGKILL when the simulator has not ended within 2 s; reaps it either way.
    void Stop() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        int status = 0;
        while (::waitpid(pid_, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() >= end) {
                ::kill(pid_, SIGKILL);
                ::waitpid(pid_, &status, 0);
                break;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        pid_ = -1;
    }

    pid_t Pid() const { return pid_; }

private:
    bool MakeLog() {
        if (!logPath_.empty()) return true;
        std::error_code error;
        std::string pattern = (std::filesystem::temp_directory_path(error) / "talvo-sim-log-XXXXXX").string();
        if (error) return false;
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0) return false;
        ::close(fd);
        logPath_ = pattern;
        return true;
    }

    // The first line from `fd`, without its line end; empty when none came within `timeoutMs`.
    static std::string ReadLine(int fd, int timeoutMs) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
        std::string line;
        while (true) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(end - std::chrono::steady_clock::now())
                    .count();
            pollfd state{fd, POLLIN, 0};
            if (left <= 0 || ::poll(&state, 1, static_cast<int>(left)) != 1) return {};
            char c = 0;
            if (::read(fd, &c, 1) != 1) return {};
            if (c == '\n') return line;
            line += c;
        }
    }

    // The bytes of the complete log lines of `direction` ("rx" or "tx"), in order.
    std::string Bytes(const std::string& direction) const {
        std::ifstream log(logPath_, std::ios::binary);
        std::string all((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
        std::string bytes;
        std::size_t at = 0;
        for (std::size_t end; (end = all.find('\n', at)) != std::string::npos; at = end + 1) {
            std::istringstream words(all.substr(at, end - at));
            std::string milliseconds, lineDirection, word;
            if (!(words >> milliseconds >> lineDirection) || lineDirection != direction) continue;
            while (words >> word && word.size() == 2 && word[0] != '|') {
                bytes += static_cast<char>(std::stoi(word, nullptr, 16));
            }
        }
        return bytes;
    }

    pid_t pid_ = -1;
    std::string devicePath_;
    std::string logPath_;
};

}  // namespace talvo::testing
