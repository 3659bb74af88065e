// What kx90ctl's command files share: the opened mouse and the messages of its failures.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "core/device/driver_host.h"
#include "core/device/usb_driver.h"
#include "linux/kx90ctl/kx90ctl.h"

namespace kx90::ctl {

// No hidden window and no bridge library on Linux: the link is opened without them.
class NoDriverHost final : public DriverHost {
public:
    void CreateHiddenWindow() override {}
    void DestroyHiddenWindow() override {}
    bool LoadBridge(std::u16string_view, const char*) override { return false; }
    void FreeBridge() override {}
};

// The mouse's link, open or with the reason it is not.
struct OpenedMouse {
    DeviceAccess access;
    NoDriverHost host;
    std::unique_ptr<CUSBDriver> driver;
};

// Opens the mouse; on failure says why on err and returns the exit code in code (else kExitOk).
std::unique_ptr<OpenedMouse> OpenMouse(const Environment& env, int& code);

int RunSet(const std::vector<std::string>& args, const Environment& env);

std::string Narrow(std::u16string_view text);
std::u16string Widen(std::string_view ascii);

}  // namespace kx90::ctl
