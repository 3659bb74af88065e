// The device session: finding the configuration interface, re-opening, creation and identities.
#include <gtest/gtest.h>

#include "core/device/usb_driver.h"
#include "core/device/virtual_mouse.h"
#include "support/device_fakes.h"
#include "support/fakes.h"

namespace kx90 {
namespace {

HidInterfaceInfo Interface(std::u16string path, uint16_t pid, uint16_t usage, uint16_t reportCount = 16) {
    return {std::move(path), true, kMouseVendorId, pid, {{kVendorUsagePage, usage, 1, reportCount}}};
}

class UsbSessionTest : public ::testing::Test {
protected:
    // Puts interfaces in front of the mouse's own one, in enumeration order.
    void PresentFirst(std::vector<HidInterfaceInfo> decoys) {
        auto& list = mouse.PresentedInterfaces();
        list.insert(list.begin(), decoys.begin(), decoys.end());
    }

    test::FakeClock clock;
    VirtualMouse mouse{clock, {.reportId = 4, .reportCount = 20}};
    test::FakeDriverHost host;
    CUSBDriver driver{mouse, clock, host};
};

TEST_F(UsbSessionTest, OpenTakesTheFirstInterfaceWithTheVendorValueOfTheRightDevice) {
    HidInterfaceInfo unreadable = Interface(u"unreadable", kMouseProductId, kVendorUsage);
    unreadable.attributesRead = false;
    HidInterfaceInfo noCaps = Interface(u"no caps", kMouseProductId, kVendorUsage);
    noCaps.featureValueCaps.clear();
    HidInterfaceInfo secondCapMatches = Interface(u"wrong page first", kMouseProductId, kVendorUsage, 8);
    secondCapMatches.featureValueCaps.insert(secondCapMatches.featureValueCaps.begin(), {0xFF00, 0x22, 9, 99});
    PresentFirst({
        Interface(u"usage 0x21", kMouseProductId, 0x21),      // the mouse's other vendor value
        Interface(u"other product", 0x7A32, kVendorUsage),   // same maker, another device
        unreadable,                                          // attributes could not be read
        noCaps,                                              // no feature values
        Interface(u"oversize", kMouseProductId, kVendorUsage, 255),  // 256-byte reports overrun the buffers
        secondCapMatches,
    });
    ASSERT_EQ(driver.Open(), 1);
    EXPECT_EQ(mouse.OpenedPath(), u"wrong page first");
    EXPECT_EQ(driver.ReportId(), 1);
    EXPECT_EQ(driver.ReportCount(), 8);
    EXPECT_TRUE(driver.HasReadHandle());
}

TEST_F(UsbSessionTest, OversizeReportCountIsNeverOpened) {
    mouse.PresentedInterfaces() = {Interface(u"oversize", kMouseProductId, kVendorUsage, 255)};
    EXPECT_EQ(driver.Open(), 0);
    EXPECT_EQ(mouse.OpenCount(), 0);
    mouse.PresentedInterfaces() = {Interface(u"largest that fits", kMouseProductId, kVendorUsage, 254)};
    EXPECT_EQ(driver.Open(), 1);
}

TEST_F(UsbSessionTest, OpenWithoutTheMouseFailsAndLeavesNothingOpen) {
    mouse.PresentedInterfaces() = {Interface(u"usage 0x21", kMouseProductId, 0x21)};
    EXPECT_EQ(driver.Open(), 0);
    EXPECT_FALSE(driver.HasWriteHandle());
    EXPECT_FALSE(driver.HasReadHandle());
}

TEST_F(UsbSessionTest, SecondOpenClosesTheFirstHandlesAndOpensAgain) {
    ASSERT_EQ(driver.Open(), 1);
    ASSERT_EQ(driver.Open(), 1);
    EXPECT_EQ(mouse.OpenCount(), 2);
    EXPECT_EQ(mouse.CloseCount(), 1);
    EXPECT_EQ(driver.ReportId(), 4);
    EXPECT_EQ(driver.ReportCount(), 20);
    driver.Close();
    driver.Close();  // closing twice closes once
    EXPECT_EQ(mouse.CloseCount(), 2);
}

TEST_F(UsbSessionTest, CreateChecksTheBridgeLibraryAndDestructionFreesIt) {
    {
        test::FakeDriverHost failing;
        failing.bridgeLoads = false;
        CUSBDriver link(mouse, clock, failing);
        EXPECT_EQ(link.Create(), 0);
        EXPECT_TRUE(failing.windowAlive);
    }
    {
        CUSBDriver link(mouse, clock, host);
        EXPECT_EQ(link.Create(), 1);
        EXPECT_EQ(host.loadedLibrary, u"HidBridge.dll");
        EXPECT_EQ(host.resolvedExport, "OpenHidDevice");
        ASSERT_EQ(link.Open(), 1);
        link.Release();
        link.Destroy();
        EXPECT_FALSE(host.windowAlive);
        EXPECT_TRUE(host.bridgeHeld);
    }
    EXPECT_FALSE(host.bridgeHeld);
    EXPECT_EQ(host.frees, 1);
    EXPECT_FALSE(mouse.HasWriteHandle());  // destruction closed the handles
}

TEST_F(UsbSessionTest, UsbDeviceSearchIgnoresCaseAndAnEmptyTextMatchesAnyDevice) {
    EXPECT_TRUE(driver.FindUsbDevice(u""));
    EXPECT_TRUE(driver.FindUsbDevice(u"vid_5e27&pid_7a31"));
    EXPECT_FALSE(driver.FindUsbDevice(kBootloaderIdentity));
    mouse.PresentedUsbDevices().clear();
    EXPECT_FALSE(driver.FindUsbDevice(u""));

    VirtualMouse bootloader(clock, {.bootloader = true});
    CUSBDriver link(bootloader, clock, host);
    EXPECT_TRUE(link.FindUsbDevice(kBootloaderIdentity));
    EXPECT_EQ(link.Open(), 0);  // in firmware-update mode there is nothing to configure
}

TEST(UsbSession, OwnDeviceNameMatchesTheIdentityInAnyCase) {
    const std::pair<std::u16string_view, bool> rows[] = {
        {u"\\\\?\\USB#VID_5E27&PID_7A31#6&1a2b3c&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {u"\\\\?\\usb#vid_5e27&pid_7a31#6&1a2b3c&0&2#{a5dcbf10-6530-11d2-901f-00c04fb951ed}", true},
        {u"\\\\?\\USB#VID_5E27&PID_7A32#6&1a2b3c&0&2", false},
        {u"\\\\?\\USB#VID_6C4D&PID_2D6B#1", false},
        {u"", false},
    };
    for (const auto& [name, own] : rows) {
        EXPECT_EQ(CUSBDriver::IsOwnDeviceName(name), own) << std::string(name.begin(), name.end());
    }
}

}  // namespace
}  // namespace kx90
