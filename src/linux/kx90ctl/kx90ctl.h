// kx90ctl: the mouse's commands on Linux (list, apply, set, dump) over the portable device link.
#pragma once

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/device/hid_transport.h"
#include "core/platform/clock.h"

namespace kx90::ctl {

// Exit codes; each error path has its own.
enum ExitCode : int {
    kExitOk = 0,
    kExitWriteFailed = 1,   // the mouse was found but refused a command
    kExitUsage = 2,         // unknown command, option or value
    kExitNoDevice = 3,      // no mouse, or only the boot loader of a firmware update
    kExitNoPermission = 4,  // the mouse is there but its hidraw node may not be opened
    kExitBadFile = 5,       // a profile or macro file that is missing, unreadable or not one
};

// The environment variable that puts the virtual mouse in place of the real one, as for the
// Windows program: a path (with / \ or .) names its state file, "bootloader" shows the boot
// loader only, any other non-empty value is a virtual mouse without a state file.
inline constexpr const char* kVirtualMouseVariable = "KX90_VIRTUAL_MOUSE";

// A transport and how to tell that its last open was refused for lack of permission.
struct DeviceAccess {
    std::unique_ptr<HidTransport> transport;
    std::function<bool()> openRefused = [] { return false; };
};

struct Environment {
    // The real mouse's transport (hidapi); not called when the virtual mouse is chosen.
    std::function<DeviceAccess()> openRealDevice;
    const char* virtualMouse = nullptr;  // the variable's value, or null
    Clock& clock;
    std::ostream& out;
    std::ostream& err;
};

// The virtual mouse for a non-empty variable value, else the real device.
DeviceAccess ChooseDevice(const Environment& env);

// Runs one command line (without the program name); returns the exit code.
int Run(const std::vector<std::string>& args, const Environment& env);

// The usage text of --help.
const char* UsageText();

}  // namespace kx90::ctl
