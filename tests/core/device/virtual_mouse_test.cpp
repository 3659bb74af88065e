// The virtual mouse as a device: framing it refuses, reports nobody announced, its state file.
#include "core/device/virtual_mouse.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/device/usb_driver.h"
#include "support/device_fakes.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

class VirtualMouseTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(mouse.OpenHandles(VirtualMouse::DevicePath())); }

    test::FakeClock clock;
    test::TempDir dir;
    VirtualMouse mouse{clock, {.firmwareVersion = 21, .reportId = 2, .reportCount = 8, .stateFile = dir.path() / "mouse.txt"}};
};

TEST_F(VirtualMouseTest, RefusesBadlyFramedAndUnknownFeatureReports) {
    const std::vector<uint8_t> good{2, kCmdReportRate, 4, 0, 0, 0, 0, 0, 0};
    struct Row {
        const char* why;
        std::vector<uint8_t> report;
    };
    const Row bad[] = {
        {"one byte short of report count + 1", {2, kCmdReportRate, 4, 0, 0, 0, 0, 0}},
        {"wrong report ID", {3, kCmdReportRate, 4, 0, 0, 0, 0, 0, 0}},
        {"unknown command", {2, 0x42, 4, 0, 0, 0, 0, 0, 0}},
        {"header with a wrong length", {2, kCmdKeyMatrix, 1, 0, 0x41, 0, 0, 0, 0}},
        {"macro number 8", {2, kCmdMacro, 1, 8, 0, 2, 0, 0, 0}},
    };
    for (const Row& row : bad) {
        EXPECT_FALSE(mouse.SetFeature(row.report.data(), row.report.size())) << row.why;
    }
    EXPECT_TRUE(mouse.SetFeature(good.data(), good.size()));
    EXPECT_EQ(mouse.State().reportRate, 4);
    mouse.CloseHandles();
    EXPECT_FALSE(mouse.SetFeature(good.data(), good.size()));
}

TEST_F(VirtualMouseTest, CountsStrayReportsAndAbandonedTransfers) {
    uint8_t report[kOutputReportSize] = {2};
    EXPECT_EQ(mouse.WriteOutputReport(report), WriteOutcome::kDone);
    const uint8_t header[9] = {2, kCmdKeyMatrix, 1, 0, 0x40, 0};
    ASSERT_TRUE(mouse.SetFeature(header, sizeof header));
    EXPECT_EQ(mouse.WriteOutputReport(report), WriteOutcome::kDone);
    ASSERT_TRUE(mouse.SetFeature(header, sizeof header));  // the second half never came
    const VirtualMouseState state = mouse.State();
    EXPECT_EQ(state.strayReports, 1);
    EXPECT_EQ(state.abandonedTransfers, 1);
}

TEST_F(VirtualMouseTest, WritesItsStateAsTextAfterEveryCommand) {
    test::FakeDriverHost host;
    CUSBDriver driver(mouse, clock, host);
    ASSERT_EQ(driver.Open(), 1);
    ASSERT_EQ(driver.WriteLedColor(0x00123456), 1);
    ASSERT_EQ(driver.WriteReportRate(8), 1);
    std::ifstream file(dir.path() / "mouse.txt");
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_EQ(text.str(), mouse.StateText());
    EXPECT_NE(text.str().find("led_color 00123456\n"), std::string::npos) << text.str();
    EXPECT_NE(text.str().find("report_rate 8\n"), std::string::npos);
    EXPECT_NE(text.str().find("firmware 21\n"), std::string::npos);
}

}  // namespace
}  // namespace kx90
