#include "core/transfer/serial_ports.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>

namespace kanalo {
namespace {

namespace fs = std::filesystem;

class SerialPortsTest : public ::testing::Test {
protected:
    fs::path dev;

    void SetUp() override {
        dev = fs::temp_directory_path() / ("kanalo_dev_" + std::to_string(std::random_device{}()));
        fs::create_directories(dev);
    }
    void TearDown() override { fs::remove_all(dev); }
    void touch(const fs::path& path) {
        fs::create_directories(path.parent_path());
        std::ofstream(path).put('x');
    }
    std::string at(const std::string& name) const { return (dev / name).string(); }
};

TEST_F(SerialPortsTest, CandidatesInGroupsAndNaturalOrder) {
    for (const char* name : {"ttyS10", "ttyS2", "ttyS0", "ttyACM0", "ttyUSB11", "ttyUSB1", "tty1",
                             "ttyS", "console", "ttyUSB02"})
        touch(dev / name);
    touch(dev / "serial" / "by-id" / "usb-FTDI_FT232R-if00-port0");
    EXPECT_EQ(serialDeviceCandidates(dev.string()),
              (std::vector<std::string>{at("serial/by-id/usb-FTDI_FT232R-if00-port0"),
                                        at("ttyUSB1"), at("ttyUSB02"), at("ttyUSB11"),
                                        at("ttyACM0"), at("ttyS0"), at("ttyS2"), at("ttyS10")}));
}

TEST_F(SerialPortsTest, MissingFoldersGiveNothing) {
    EXPECT_TRUE(serialDeviceCandidates(dev.string()).empty());
    EXPECT_TRUE(serialDeviceCandidates((dev / "absent").string()).empty());
}

TEST(PortDevice, ConfiguredPathOrTheDefault) {
    EXPECT_EQ(portDevice(1, ""), "/dev/ttyS0");
    EXPECT_EQ(portDevice(4, ""), "/dev/ttyS3");
    EXPECT_EQ(portDevice(0, ""), "/dev/ttyS0");
    EXPECT_EQ(portDevice(7, " \t"), "/dev/ttyS0");
    EXPECT_EQ(portDevice(2, "  /dev/ttyUSB0 "), "/dev/ttyUSB0");
    EXPECT_EQ(portDevice(3, "/dev/serial/by-id/usb-x port"), "/dev/serial/by-id/usb-x port");
}

} // namespace
} // namespace kanalo
