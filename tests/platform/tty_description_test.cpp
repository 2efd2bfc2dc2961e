// What a serial device is, read from a tty class directory built the way the kernel lays it out.
#include "platform/tty_description.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/pty.h"

namespace talvo::platform {
namespace {

namespace fs = std::filesystem;

class TtyDescriptionTest : public ::testing::Test {
protected:
    TtyDescriptionTest() {
        std::string pattern = (fs::temp_directory_path() / "talvo-sysfs-XXXXXX").string();
        base_ = ::mkdtemp(pattern.data()) != nullptr ? fs::path(pattern) : fs::path();
        root_ = base_ / "class" / "tty";
        fs::create_directories(root_);
    }
    ~TtyDescriptionTest() override {
        std::error_code ignored;
        if (!base_.empty()) fs::remove_all(base_, ignored);
    }

    static void Write(const fs::path& file, const std::string& text) { std::ofstream(file) << text << "\n"; }

    // A tty whose device directory is `devicePath` below devices/, served by `driver`.
    fs::path AddTty(const std::string& name, const std::string& devicePath, const std::string& driver) {
        const fs::path device = base_ / "devices" / devicePath;
        fs::create_directories(device);
        fs::create_directories(base_ / "bus" / "drivers" / driver);
        fs::create_symlink(base_ / "bus" / "drivers" / driver, device / "driver");
        fs::create_directories(root_ / name);
        fs::create_symlink(device, root_ / name / "device");
        return device;
    }

    fs::path base_, root_;
};

TEST_F(TtyDescriptionTest, UsbAdapterNamesItsMakerAndProduct) {
    const fs::path port = AddTty("ttyUSB0", "pci0/usb1/1-1/1-1:1.0/ttyUSB0", "pl2303");
    const fs::path usbDevice = port.parent_path().parent_path();
    Write(usbDevice / "manufacturer", "Prolific Technology Inc. ");
    Write(usbDevice / "product", "USB-Serial Controller");
    EXPECT_EQ(TtyDescription("/dev/ttyUSB0", root_.string()),
              "Prolific Technology Inc. USB-Serial Controller");

    // A device that names only its product.
    const fs::path modem = AddTty("ttyACM0", "pci0/usb1/1-2/1-2:1.0", "cdc_acm");
    Write(modem.parent_path() / "product", "GPS Receiver");
    EXPECT_EQ(TtyDescription("/dev/ttyACM0", root_.string()), "GPS Receiver");
}

TEST_F(TtyDescriptionTest, BuiltInPortNamesItsDriverAndAnUnknownDeviceNothing) {
    static_cast<void>(AddTty("ttyS0", "platform/serial8250/tty/ttyS0", "serial8250"));
    EXPECT_EQ(TtyDescription("/dev/ttyS0", root_.string()), "serial8250");
    EXPECT_EQ(TtyDescription("/dev/ttyS7", root_.string()), "");
    EXPECT_EQ(TtyDescription("", root_.string()), "");

    // Newer kernels put their own port layer between the tty and the hardware's driver.
    const fs::path port = AddTty("ttyS1", "pnp0/00:01/00:01:0/00:01:0.0", "serial");
    const fs::path layer = base_ / "bus" / "serial-base" / "drivers";
    fs::create_directories(layer / "port");
    fs::create_directories(layer / "ctrl");
    fs::rename(port / "driver", port.parent_path().parent_path() / "driver");
    fs::create_symlink(layer / "port", port / "driver");
    fs::create_symlink(layer / "ctrl", port.parent_path() / "driver");
    EXPECT_EQ(TtyDescription("/dev/ttyS1", root_.string()), "serial");
}

TEST_F(TtyDescriptionTest, LinkToAPseudoTerminalIsFollowed) {
    const talvo::testing::Pty pty;
    ASSERT_FALSE(pty.Path().empty());
    const fs::path link = base_ / "lx200";
    fs::create_symlink(pty.Path(), link);
    EXPECT_EQ(TtyDescription(link.string(), root_.string()), "pseudo-terminal");
    EXPECT_EQ(TtyDescription(pty.Path(), root_.string()), "pseudo-terminal");
}

}  // namespace
}  // namespace talvo::platform
