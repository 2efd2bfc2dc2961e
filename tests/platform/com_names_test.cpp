#include "platform/com_names.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/serial_mode.h"
#include "support/scoped_env.h"

namespace talvo::platform {
namespace {

using talvo::testing::ScopedEnv;

TEST(ComNames, TableEdgesAndRefusedNames) {
    std::vector<std::unique_ptr<ScopedEnv>> unset;
    for (int n : {1, 10, 16, 17, 32, 33, 64, 65})
        unset.push_back(std::make_unique<ScopedEnv>("TALVO_COM" + std::to_string(n), std::nullopt));
    EXPECT_EQ(ComDevicePath("COM1"), "/dev/ttyUSB0");
    EXPECT_EQ(ComDevicePath("COM16"), "/dev/ttyUSB15");
    EXPECT_EQ(ComDevicePath("COM17"), "/dev/ttyACM0");
    EXPECT_EQ(ComDevicePath("COM32"), "/dev/ttyACM15");
    EXPECT_EQ(ComDevicePath("COM33"), "/dev/ttyS0");
    EXPECT_EQ(ComDevicePath("COM64"), "/dev/ttyS31");
    EXPECT_EQ(ComDevicePath("com1"), "/dev/ttyUSB0");
    EXPECT_EQ(ComDevicePath("\\\\.\\COM10"), "/dev/ttyUSB9");
    for (const char* name :
         {"COM0", "COM65", "COM", "COM01", "COM1x", "COM-1", "LPT1", "", "COM1 ", "COM99999"}) {
        EXPECT_EQ(ComDevicePath(name), std::nullopt) << name;
    }
}

TEST(ComNames, EnvironmentNamesTheDeviceFirst) {
    ScopedEnv low("TALVO_COM1", "/dev/pts/7");
    ScopedEnv high("TALVO_COM65", "/dev/ttyAMA0");
    ScopedEnv empty("TALVO_COM2", "");
    EXPECT_EQ(ComDevicePath("COM1"), "/dev/pts/7");
    EXPECT_EQ(ComDevicePath("COM65"), "/dev/ttyAMA0");
    EXPECT_EQ(ComDevicePath("COM2"), "/dev/ttyUSB1");
}

TEST(SerialMode, TheThreeSettingsInUse) {
    std::optional<SerialMode> mode = ParseSerialMode("baud=9600 parity=N data=8 stop=1");
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->baud, 9600);
    EXPECT_EQ(mode->stopBits, 1);
    mode = ParseSerialMode("baud=9600 parity=N data=8 stop=2");
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->stopBits, 2);
    mode = ParseSerialMode("  STOP=1 Data=8 parity=n BAUD=4800 ");
    ASSERT_TRUE(mode);
    EXPECT_EQ(mode->baud, 4800);
    EXPECT_EQ(mode->stopBits, 1);
}

TEST(SerialMode, AnythingElseRefused) {
    for (const char* text : {"", "baud=19200 parity=N data=8 stop=1", "baud=9600 parity=E data=8 stop=1",
                             "baud=9600 parity=N data=7 stop=1", "baud=9600 parity=N data=8 stop=1.5",
                             "baud=9600 parity=N data=8", "baud=9600 parity=N data=8 stop=1 stop=1",
                             "baud=9600 parity=N data=8 stop=1 dtr=on", "baud=9600,parity=N,data=8,stop=1",
                             "9600,n,8,1", "baud= 9600 parity=N data=8 stop=1"}) {
        EXPECT_EQ(ParseSerialMode(text), std::nullopt) << text;
    }
}

}  // namespace
}  // namespace talvo::platform
