// DriverHost seam: what the device link's creation needs from the host system besides HID.
#pragma once

#include <string_view>

namespace kx90 {

class DriverHost {
public:
    virtual ~DriverHost() = default;
    // The link's hidden 1 x 1 window (it handles no messages; it only exists while the link does).
    virtual void CreateHiddenWindow() = 0;
    virtual void DestroyHiddenWindow() = 0;
    // Loads the bridge library and resolves the export; true only when both succeed. The export is
    // never called.
    virtual bool LoadBridge(std::u16string_view library, const char* exportName) = 0;
    virtual void FreeBridge() = 0;
};

// The installation's bridge library and the export whose presence is checked.
inline constexpr std::u16string_view kBridgeLibrary = u"HidBridge.dll";
inline constexpr const char* kBridgeExport = "OpenHidDevice";

}  // namespace kx90
