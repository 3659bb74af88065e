// The Win32 side of the device link under Wine: real enumeration, the bridge library, the hidden
// window, the transport choice and the keyboard layout.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/buttons/key_naming.h"
#include "core/device/usb_driver.h"
#include "core/device/virtual_mouse.h"
#include "win/device/device_transport_factory.h"
#include "win/device/hid_bridge_api.h"
#include "win/device/setupapi_transport.h"
#include "win/device/win_driver_host.h"
#include "win/platform/keyboard_layout_win.h"

namespace kx90 {
namespace {

std::filesystem::path ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path();
}

// Where the build puts HidBridge.dll (build/windows/components/hidbridge, from tests/win).
std::wstring BridgeFolder() { return (ExeFolder() / ".." / ".." / "components" / "hidbridge").wstring(); }

TEST(DeviceLinkWin, EnumeratesWhatTheSystemPresentsAndFindsNoMouse) {
    SetupApiTransport transport;
    const auto interfaces = transport.EnumerateInterfaces(kMouseVendorId, kMouseProductId);
    for (const HidInterfaceInfo& info : interfaces) {
        EXPECT_FALSE(info.path.empty());
        EXPECT_FALSE(info.vendorId == kMouseVendorId && info.productId == kMouseProductId);
    }
    transport.UsbHardwareIds();  // must not crash, whatever the machine has

    WinDriverHost host;
    CUSBDriver driver(transport, SystemClock(), host);
    EXPECT_EQ(driver.Open(), 0);
    EXPECT_FALSE(driver.HasWriteHandle());
    EXPECT_FALSE(driver.HasReadHandle());
    EXPECT_FALSE(driver.FindUsbDevice(kBootloaderIdentity));
    int version = 0;
    EXPECT_EQ(driver.QueryFirmwareVersion(&version), 0);
    EXPECT_EQ(driver.WriteReportRate(1), 0);
}

TEST(DeviceLinkWin, CreateLoadsTheBridgeAndOwnsAHiddenOnePixelWindow) {
    WinDriverHost host(BridgeFolder());
    VirtualMouse mouse(SystemClock());
    {
        CUSBDriver driver(mouse, SystemClock(), host);
        ASSERT_EQ(driver.Create(), 1) << "HidBridge.dll not built in " << std::filesystem::path(BridgeFolder());
        HWND window = host.HiddenWindow();
        ASSERT_TRUE(IsWindow(window));
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_EQ(GetParent(window), nullptr);
        RECT rect{};
        GetWindowRect(window, &rect);
        EXPECT_EQ(rect.left, 1);
        EXPECT_EQ(rect.top, 1);
        EXPECT_EQ(rect.right - rect.left, 1);
        EXPECT_EQ(rect.bottom - rect.top, 1);
        driver.Release();
        driver.Destroy();
        EXPECT_FALSE(IsWindow(window));
    }
    WinDriverHost nowhere(L"C:\\no\\such\\folder");
    CUSBDriver missing(mouse, SystemClock(), nowhere);
    EXPECT_EQ(missing.Create(), 0);
}

TEST(DeviceLinkWin, BridgeExportOpensADevicePathForOverlappedIo) {
    const std::wstring dll = (std::filesystem::path(BridgeFolder()) / "HidBridge.dll").wstring();
    HMODULE bridge = LoadLibraryW(dll.c_str());
    ASSERT_NE(bridge, nullptr);
    // Through void*: FARPROC has no parameters, and GCC warns on a direct cast.
    auto open =
        reinterpret_cast<OpenHidDeviceFn>(reinterpret_cast<void*>(GetProcAddress(bridge, kBridgeExport)));
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open(nullptr), INVALID_HANDLE_VALUE);
    EXPECT_EQ(open(L"\\\\?\\hid#no_such_device#0"), INVALID_HANDLE_VALUE);

    SetupApiTransport transport;
    for (const HidInterfaceInfo& info : transport.EnumerateInterfaces(0, 0)) {
        HANDLE handle = open(reinterpret_cast<const wchar_t*>(info.path.c_str()));
        if (handle != INVALID_HANDLE_VALUE) {
            CloseHandle(handle);
        }
    }
    FreeLibrary(bridge);
}

TEST(DeviceLinkWin, TransportIsChosenByTheVirtualMouseVariable) {
    EXPECT_NE(dynamic_cast<SetupApiTransport*>(CreateDeviceTransportFor(nullptr, SystemClock()).get()), nullptr);
    EXPECT_NE(dynamic_cast<SetupApiTransport*>(CreateDeviceTransportFor(L"", SystemClock()).get()), nullptr);

    WinDriverHost host;
    {
        auto transport = CreateDeviceTransportFor(L"BootLoader", SystemClock());
        ASSERT_NE(dynamic_cast<VirtualMouse*>(transport.get()), nullptr);
        CUSBDriver driver(*transport, SystemClock(), host);
        EXPECT_TRUE(driver.FindUsbDevice(kBootloaderIdentity));
        EXPECT_EQ(driver.Open(), 0);
    }

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::filesystem::path stateFile = std::filesystem::path(temp) / "kx90-virtual-mouse-state.txt";
    std::filesystem::remove(stateFile);
    ASSERT_TRUE(SetEnvironmentVariableW(kVirtualMouseVariable, stateFile.wstring().c_str()));
    auto transport = CreateDeviceTransport(SystemClock());
    SetEnvironmentVariableW(kVirtualMouseVariable, nullptr);
    ASSERT_NE(dynamic_cast<VirtualMouse*>(transport.get()), nullptr);
    CUSBDriver driver(*transport, SystemClock(), host);
    ASSERT_EQ(driver.Open(), 1);
    ASSERT_EQ(driver.WriteLedColor(0x00ABCDEF), 1);
    std::ifstream file(stateFile);
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("led_color 00ABCDEF"), std::string::npos) << text.str();
    file.close();
    std::filesystem::remove(stateFile);

    EXPECT_NE(dynamic_cast<VirtualMouse*>(CreateDeviceTransportFor(L"1", SystemClock()).get()), nullptr);
    EXPECT_NE(dynamic_cast<SetupApiTransport*>(CreateDeviceTransport(SystemClock()).get()), nullptr);
}

TEST(DeviceLinkWin, KeyNamesFallBackToTheSystemKeyboardLayout) {
    EXPECT_EQ(GetVirtualKeyName('A', SystemKeyboardLayout()), u"A");
    EXPECT_EQ(GetVirtualKeyName('7', SystemKeyboardLayout()), u"7");
    EXPECT_EQ(GetVirtualKeyName(0x7C, SystemKeyboardLayout()), u"");  // F13 types nothing
    EXPECT_EQ(GetKeyCodeName(0x00040200, SystemKeyboardLayout()), u"Shift + A");
}

}  // namespace
}  // namespace kx90
