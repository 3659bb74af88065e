// The one place that chooses the device link's transport: the virtual mouse or the real machine.
#pragma once

#include <memory>

#include "core/device/hid_transport.h"
#include "core/platform/clock.h"

namespace kx90 {

// Name of the environment variable that puts the virtual mouse behind the device link.
inline constexpr wchar_t kVirtualMouseVariable[] = L"KX90_VIRTUAL_MOUSE";

// From the variable's value (nullptr or empty: not set):
//   not set          the SetupAPI transport, exactly as on a user's machine;
//   "bootloader"     the virtual mouse in firmware-update mode;
//   a file path      the virtual mouse, writing its state there after every command (a value with
//                    a path separator or a dot is taken as a path);
//   anything else    the virtual mouse.
std::unique_ptr<HidTransport> CreateDeviceTransportFor(const wchar_t* value, Clock& clock);

// The same from this process's environment.
std::unique_ptr<HidTransport> CreateDeviceTransport(Clock& clock);

}  // namespace kx90
