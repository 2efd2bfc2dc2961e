#include "platform/serial_port.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>

#include "support/pty.h"
#include "support/scoped_env.h"

namespace talvo::platform {
namespace {

using Clock = std::chrono::steady_clock;
using talvo::testing::ScopedEnv;

// Generous bound for anything that must not wait for the port time-outs.
constexpr auto kPromptly = std::chrono::seconds(3);
constexpr const char* kMode = "baud=9600 parity=N data=8 stop=1";

std::string AllBytes() {
    std::string bytes;
    for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
    return bytes;
}

// Bytes written by the other end reach the port a moment later: repeats the read while nothing
// waits (for a generous bound) and returns the first read's bytes, its status in `status`.
std::string FirstRead(CommIO& io, std::int16_t slot, std::int32_t count, std::int32_t& status) {
    std::string data;
    const Clock::time_point start = Clock::now();
    do {
        status = io.CommRead(slot, data, count);
        if (status == 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (status == 0 && Clock::now() - start < kPromptly);
    return data;
}

std::string ProgramName() {
    std::ifstream comm("/proc/self/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

// A pseudo-terminal standing in for the telescope, reachable as COM90.
class SerialPort : public ::testing::Test {
protected:
    talvo::testing::Pty pty_;
    ScopedEnv com90_{"TALVO_COM90", pty_.Path()};
    CommIO io_;
};

TEST_F(SerialPort, EveryByteValuePassesBothWays) {
    ASSERT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
    ASSERT_EQ(io_.CommFlush(3), 0);
    const std::string bytes = AllBytes();
    EXPECT_EQ(io_.CommWrite(3, bytes), 256);
    EXPECT_EQ(pty_.Read(256), bytes);
    pty_.Write(bytes);
    std::int32_t status = 0;
    EXPECT_EQ(FirstRead(io_, 3, 256, status), bytes);
    EXPECT_EQ(io_.CommClose(3), 0);
    EXPECT_FALSE(io_.IsOpen(3));
}

TEST_F(SerialPort, LineSettingsAppliedAndPutBack) {
    // A descriptor of the test's own, opened first, shows the terminal's settings throughout.
    const int watcher = ::open(pty_.Path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(watcher, 0);
    termios before{};
    ASSERT_EQ(::tcgetattr(watcher, &before), 0);
    struct Case {
        const char* mode;
        speed_t speed;
        bool twoStopBits;
    };
    for (Case c : {Case{"baud=9600 parity=N data=8 stop=1", B9600, false},
                   Case{"baud=9600 parity=N data=8 stop=2", B9600, true},
                   Case{"baud=4800 parity=N data=8 stop=1", B4800, false}}) {
        ASSERT_EQ(io_.CommOpen(2, "COM90", c.mode), 0) << c.mode;
        termios now{};
        ASSERT_EQ(::tcgetattr(watcher, &now), 0);
        EXPECT_EQ(::cfgetospeed(&now), c.speed) << c.mode;
        EXPECT_EQ(::cfgetispeed(&now), c.speed) << c.mode;
        EXPECT_EQ((now.c_cflag & CSTOPB) != 0, c.twoStopBits) << c.mode;
        EXPECT_EQ(now.c_cflag & (CSIZE | PARENB | CRTSCTS | CLOCAL | CREAD), tcflag_t(CS8 | CLOCAL | CREAD));
        EXPECT_EQ(now.c_lflag & (ICANON | ECHO | ISIG), 0u);
        EXPECT_EQ(now.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP), 0u);
        EXPECT_EQ(now.c_oflag & OPOST, 0u);
        ASSERT_EQ(io_.CommClose(2), 0);
        ASSERT_EQ(::tcgetattr(watcher, &now), 0);
        EXPECT_EQ(now.c_lflag, before.c_lflag) << c.mode;
        EXPECT_EQ(now.c_cflag, before.c_cflag) << c.mode;
    }
    ::close(watcher);
}

TEST_F(SerialPort, RefusedModeLeavesThePortFree) {
    EXPECT_EQ(io_.CommOpen(3, "COM90", "baud=19200 parity=N data=8 stop=1"), EINVAL);
    EXPECT_FALSE(io_.IsOpen(3));
    EXPECT_EQ(io_.CommLastError().source, "CommOpen (BuildCommDCB)");
    EXPECT_EQ(io_.CommLastError().status, EINVAL);
    EXPECT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
}

TEST_F(SerialPort, SlotRules) {
    EXPECT_EQ(io_.CommClose(1), 0);
    ASSERT_EQ(io_.CommOpen(1, "COM90", kMode), 0);
    EXPECT_EQ(io_.CommOpen(1, "COM90", kMode), -1);
    EXPECT_EQ(io_.CommLastError().status, -1);
    EXPECT_EQ(io_.CommLastError().source, "CommOpen");
    EXPECT_EQ(io_.CommLastError().message, "Port in use.");
    EXPECT_TRUE(io_.IsOpen(1));
    EXPECT_EQ(io_.CommWrite(1, "x"), 1);
    EXPECT_EQ(pty_.Read(1), "x");

    std::string data = "old";
    EXPECT_EQ(io_.CommRead(4, data, 1), -1);
    EXPECT_EQ(data, "");
    EXPECT_EQ(io_.CommLastError().source, "CommRead (ClearCommError)");
    EXPECT_EQ(io_.CommWrite(4, "x"), -1);
    EXPECT_EQ(io_.CommLastError().source, "CommWrite (WriteFile)");
    EXPECT_NE(io_.CommLastError().message.find("  COMM Error Flags = 0"), std::string::npos);
    EXPECT_NE(io_.CommOpen(0, "COM90", kMode), 0);
    EXPECT_NE(io_.CommOpen(5, "COM90", kMode), 0);
    EXPECT_FALSE(io_.IsOpen(0));
}

TEST_F(SerialPort, ReadsWhatWaitsOrWhatWasAskedWithinTheTimeLimits) {
    io_.SetTimeouts(
        {.readInterval = 100, .readTotalConstant = 150, .readTotalPerByte = 1, .writeTotalPerByte = 1000});
    ASSERT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
    std::string data = "old";
    Clock::time_point start = Clock::now();
    EXPECT_EQ(io_.CommRead(3, data, 10), 0);
    EXPECT_EQ(data, "");
    EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(100));

    // More waiting than asked for: all of it.
    pty_.Write("abcde");
    std::int32_t status = 0;
    EXPECT_EQ(FirstRead(io_, 3, 1, status), "abcde");
    EXPECT_EQ(status, 5);

    // Fewer waiting than asked for: what came when the time ran out.
    pty_.Write("fg");
    start = Clock::now();
    EXPECT_EQ(FirstRead(io_, 3, 7, status), "fg");
    EXPECT_LT(Clock::now() - start, kPromptly);
    EXPECT_TRUE(io_.IsOpen(3));
}

TEST_F(SerialPort, WindowEventsRunWhileWaitingAndMayCloseThePort) {
    io_.SetTimeouts(
        {.readInterval = 5000, .readTotalConstant = 5000, .readTotalPerByte = 1, .writeTotalPerByte = 1000});
    ASSERT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
    int pumps = 0;
    io_.SetEventPump([&] {
        if (++pumps == 4) (void)io_.CommClose(3);
    });
    pty_.Write("ab");
    const Clock::time_point start = Clock::now();
    std::int32_t status = 0;
    (void)FirstRead(io_, 3, 10, status);
    EXPECT_EQ(status, -1);
    EXPECT_GE(pumps, 4);
    EXPECT_LT(Clock::now() - start, kPromptly);
    EXPECT_FALSE(io_.IsOpen(3));
    EXPECT_EQ(io_.CommWrite(3, "x"), -1);
}

TEST_F(SerialPort, DeviceGoneMidReadEndsTheReadAndClosesTheSlot) {
    ASSERT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
    int pumps = 0;
    io_.SetEventPump([&] {
        if (++pumps == 3) pty_.CloseMaster();
    });
    pty_.Write("ab");
    const Clock::time_point start = Clock::now();
    std::int32_t status = 0;
    (void)FirstRead(io_, 3, 10, status);
    EXPECT_EQ(status, -1);
    EXPECT_LT(Clock::now() - start, kPromptly);
    EXPECT_FALSE(io_.IsOpen(3));
    EXPECT_NE(io_.CommLastError().message.find("has gone"), std::string::npos);
    EXPECT_EQ(io_.CommWrite(3, "x"), -1);
    EXPECT_EQ(io_.CommClose(3), 0);
}

TEST_F(SerialPort, DeviceGoneBeforeWriteFails) {
    ASSERT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
    pty_.CloseMaster();
    EXPECT_EQ(io_.CommWrite(3, "abc"), -1);
    EXPECT_EQ(io_.CommLastError().source, "CommWrite (WriteFile)");
    EXPECT_FALSE(io_.IsOpen(3));
}

TEST_F(SerialPort, SecondOpenRefusedAsBusyNamingTheHolder) {
    ASSERT_EQ(io_.CommOpen(3, "COM90", kMode), 0);
    CommIO other;
    EXPECT_EQ(other.CommOpen(2, "COM90", kMode), 2);
    const CommError& error = other.CommLastError();
    EXPECT_EQ(error.status, EBUSY);
    EXPECT_EQ(error.source, "CommOpen (CreateFile)");
    EXPECT_NE(error.message.find("COM90"), std::string::npos) << error.message;
    EXPECT_NE(error.message.find(ProgramName() + " (process " + std::to_string(::getpid()) + ")"),
              std::string::npos)
        << error.message;
    // Once let go, the port can be had again.
    ASSERT_EQ(io_.CommClose(3), 0);
    EXPECT_EQ(other.CommOpen(2, "COM90", kMode), 0);
}

TEST(SerialPortOpen, MissingUnknownAndNonSerialDevices) {
    CommIO io;
    ScopedEnv missing("TALVO_COM91", "/dev/no-such-serial-device");
    EXPECT_EQ(io.CommOpen(1, "COM91", kMode), 2);
    EXPECT_EQ(io.CommLastError().status, ENOENT);
    EXPECT_EQ(io.CommLastError().source, "CommOpen (CreateFile)");
    EXPECT_NE(io.CommLastError().message.find("There is no device /dev/no-such-serial-device (COM91)"),
              std::string::npos)
        << io.CommLastError().message;
    EXPECT_FALSE(io.IsOpen(1));

    EXPECT_EQ(io.CommOpen(1, "COM0", kMode), 2);
    EXPECT_NE(io.CommLastError().message.find("COM0"), std::string::npos);

    ScopedEnv notSerial("TALVO_COM92", "/dev/null");
    EXPECT_EQ(io.CommOpen(1, "COM92", kMode), 2);
    EXPECT_NE(io.CommLastError().message.find("is not a serial port"), std::string::npos);
    EXPECT_FALSE(io.IsOpen(1));
}

}  // namespace
}  // namespace talvo::platform
