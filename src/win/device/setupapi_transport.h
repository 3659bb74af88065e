// The HidTransport of a real machine: SetupAPI enumeration, HID queries and overlapped handles.
#pragma once

#include <windows.h>

#include "core/device/hid_transport.h"

namespace kx90 {

class SetupApiTransport final : public HidTransport {
public:
    SetupApiTransport() = default;
    ~SetupApiTransport() override;
    SetupApiTransport(const SetupApiTransport&) = delete;
    SetupApiTransport& operator=(const SetupApiTransport&) = delete;

    std::vector<HidInterfaceInfo> EnumerateInterfaces(uint16_t vendorId, uint16_t productId) override;
    bool OpenHandles(const std::u16string& path) override;
    void CloseHandles() override;
    bool HasReadHandle() const override { return read_ != INVALID_HANDLE_VALUE; }
    bool HasWriteHandle() const override { return write_ != INVALID_HANDLE_VALUE; }
    bool SetFeature(const uint8_t* report, size_t length) override;
    bool GetFeature(uint8_t* report, size_t length) override;
    WriteOutcome WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) override;
    bool WaitForPendingWrite(uint32_t timeoutMs) override;
    std::vector<std::u16string> UsbHardwareIds() override;

private:
    HANDLE read_ = INVALID_HANDLE_VALUE;
    HANDLE write_ = INVALID_HANDLE_VALUE;
    // The two named manual-reset events live as long as the transport; closing the handles keeps them.
    HANDLE writeEvent_ = nullptr;
    HANDLE readEvent_ = nullptr;
    OVERLAPPED writeOverlapped_{};
    OVERLAPPED readOverlapped_{};
    DWORD bytesWritten_ = 0;
    // An overlapped write reads its buffer until it completes, so the buffer lives here.
    uint8_t writeBuffer_[kOutputReportSize] = {};
};

}  // namespace kx90
