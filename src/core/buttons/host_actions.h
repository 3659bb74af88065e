// Advanced actions run on the computer when a button that carries one is pressed, and the
// profile's Windows pointer settings.
#pragma once

#include <cstdint>
#include <functional>

#include "core/platform/host_system.h"
#include "core/profile/profile_record.h"

namespace kx90 {

// The button a host event code stands for, for the buttons that can run an action; -1 for any
// other code. The left button (0x201) never runs one: every left click would be lost to it.
int HostActionButton(uint32_t hostEventCode);

// The main window's answer to a host event (code, lParam): first the copy for the statistics
// page, then the button's advanced action from the live record, if it has one.
void RunHostAction(uint32_t code, uint32_t lParam, const ProfileRecord& live, HostSystem& host,
                   const std::function<void(uint32_t code, uint32_t lParam)>& forwardToStatistics);

// Applies the record's pointer precision, pointer speed and wheel scroll lines, in that order.
void ApplySystemSettings(const ProfileRecord& live, HostSystem& host);

}  // namespace kx90
