// Running advanced actions and applying the pointer settings through the HostSystem seam.
#include "core/buttons/host_actions.h"

namespace kx90 {

int HostActionButton(uint32_t hostEventCode) {
    for (int i = 1; i < kButtonCount; ++i) {
        if (kButtonOrder[static_cast<size_t>(i)].hostEventCode == hostEventCode) {
            return i;
        }
    }
    return -1;
}

void RunHostAction(uint32_t code, uint32_t lParam, const ProfileRecord& live, HostSystem& host,
                   const std::function<void(uint32_t, uint32_t)>& forwardToStatistics) {
    if (forwardToStatistics) {
        forwardToStatistics(code, lParam);
    }
    const int button = HostActionButton(code);
    if (button < 0) {
        return;
    }
    const ButtonAssignment& b = live.buttons[button];
    if (b.functionCode != kFunctionHostAction) {
        return;
    }
    const std::u16string path(FieldText(b.actionPath));
    if (path.empty()) {
        return;
    }
    switch (b.actionKind) {
        case kActionPlaySound:
            host.PlaySoundFile(path);
            break;
        case kActionStartProgram:
            host.ShellOpen(path);
            break;
        case kActionOpenFile:
        case kActionOpenFolder:
            // The shell splits an unquoted target at its first space.
            host.ShellOpen(path.find(u' ') != std::u16string::npos ? u"\"" + path + u"\"" : path);
            break;
        default:
            break;
    }
}

void ApplySystemSettings(const ProfileRecord& live, HostSystem& host) {
    if (live.enhancePrecision != 0) {
        host.SetMouseAcceleration(6, 10, 1);
    } else {
        host.SetMouseAcceleration(0, 0, 0);
    }
    host.SetMouseSpeed(static_cast<int>(live.pointerSpeed));
    host.SetWheelScrollLines(live.scrollLines);
}

}  // namespace kx90
