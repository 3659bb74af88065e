// Chooses the device transport from KX90_VIRTUAL_MOUSE.
#include "win/device/device_transport_factory.h"

#include <windows.h>

#include <string>

#include "core/device/virtual_mouse.h"
#include "win/device/setupapi_transport.h"

namespace kx90 {

std::unique_ptr<HidTransport> CreateDeviceTransportFor(const wchar_t* value, Clock& clock) {
    if (value == nullptr || value[0] == L'\0') {
        return std::make_unique<SetupApiTransport>();
    }
    const std::wstring text(value);
    VirtualMouseOptions options;
    if (lstrcmpiW(text.c_str(), L"bootloader") == 0) {
        options.bootloader = true;
    } else if (text.find_first_of(L"\\/.") != std::wstring::npos) {
        options.stateFile = std::filesystem::path(text);
    }
    return std::make_unique<VirtualMouse>(clock, options);
}

std::unique_ptr<HidTransport> CreateDeviceTransport(Clock& clock) {
    wchar_t value[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(kVirtualMouseVariable, value, MAX_PATH + 1);
    if (length > MAX_PATH) {
        // A state-file path too long for the buffer: still the virtual mouse, without a state file.
        return CreateDeviceTransportFor(L"1", clock);
    }
    return CreateDeviceTransportFor(length == 0 ? nullptr : value, clock);
}

}  // namespace kx90
