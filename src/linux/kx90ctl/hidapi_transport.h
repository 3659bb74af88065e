// HidapiTransport: the device link's HidTransport on Linux, over hidapi's hidraw backend.
#pragma once

#include <hidapi/hidapi.h>

#include <string>

#include "core/device/hid_transport.h"

namespace kx90::ctl {

// Blocking I/O on one hidraw node: an output report is written when hid_write returns, so no write
// is ever left pending.
class HidapiTransport final : public HidTransport {
public:
    ~HidapiTransport() override;

    // True when the last OpenHandles failed because the node may not be opened by this user.
    bool OpenRefused() const { return refused_; }

    std::vector<HidInterfaceInfo> EnumerateInterfaces(uint16_t vendorId, uint16_t productId) override;
    bool OpenHandles(const std::u16string& path) override;
    void CloseHandles() override;
    bool HasReadHandle() const override { return device_ != nullptr; }
    bool HasWriteHandle() const override { return device_ != nullptr; }
    bool SetFeature(const uint8_t* report, size_t length) override;
    bool GetFeature(uint8_t* report, size_t length) override;
    WriteOutcome WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) override;
    bool WaitForPendingWrite(uint32_t timeoutMs) override;
    // From sysfs, so that a mouse in its boot loader (no hidraw node) is seen too.
    std::vector<std::u16string> UsbHardwareIds() override;

private:
    hid_device* device_ = nullptr;
    bool refused_ = false;
};

}  // namespace kx90::ctl
