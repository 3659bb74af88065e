// VirtualMouse: a model of the mouse's firmware behind the HidTransport seam, for tests and the demo.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/device/device_protocol.h"
#include "core/device/hid_transport.h"
#include "core/device/macro_image.h"
#include "core/platform/clock.h"

namespace kx90 {

// What the mouse keeps, decoded from the reports it was sent.
struct VirtualMouseState {
    std::array<uint32_t, kKeyMatrixEntries> keyMatrix{};
    std::array<uint8_t, kDpiTableBytes> dpiTable{};
    int selectedDpiLevel = 0;
    uint32_t ledColor = 0;  // COLORREF 0x00BBGGRR, rebuilt from the green-red-blue bytes
    int effectMode = 0, effectP1 = 0, effectP2 = 0;
    std::array<uint8_t, kMultiColorBytes> multiColors{};
    uint8_t proximity = 0;             // 0xA0 on, 0xB0 off, 0 never sent
    uint8_t reportRate = 0;            // 1, 2, 4, 8; 0 never sent
    std::map<int, MacroImage> macros;  // by device macro number 1..7
    int strayReports = 0;              // output reports that no header announced
    int abandonedTransfers = 0;        // headers whose data never arrived in full
};

// One report as the mouse saw it, with the time on the clock when it arrived.
struct VirtualMouseReport {
    enum class Kind { kSetFeature, kGetFeature, kOutput };
    Kind kind = Kind::kSetFeature;
    uint32_t timeMs = 0;
    std::vector<uint8_t> bytes;  // for kGetFeature: the reply
    bool accepted = false;
};

struct VirtualMouseOptions {
    int firmwareVersion = 15;
    bool bootloader = false;  // shows up as the boot loader's USB device, without its HID interface
    uint8_t reportId = 0;
    uint16_t reportCount = 32;
    std::filesystem::path stateFile;  // when set, the state is written there as text after every command
};

class VirtualMouse final : public HidTransport {
public:
    explicit VirtualMouse(Clock& clock, VirtualMouseOptions options = {});

    // The interface path the mouse presents.
    static const std::u16string& DevicePath();

    // Test controls. Presented interfaces and USB devices may be edited before the link opens.
    std::vector<HidInterfaceInfo>& PresentedInterfaces() { return interfaces_; }
    std::vector<std::u16string>& PresentedUsbDevices() { return usbDevices_; }
    void FailCommand(std::optional<uint8_t> command);  // refuse every feature report of this command
    void FailOutputReports(bool fail);
    void LeaveWritesPending(uint32_t milliseconds);  // 0: writes complete at once
    void SetFirmwareVersion(int version);
    void SetVersionReply(std::optional<std::array<uint8_t, 3>> bytes1To3);  // a raw reply instead

    VirtualMouseState State() const;
    std::vector<VirtualMouseReport> Transcript() const;
    void ClearTranscript();
    int OpenCount() const;
    int CloseCount() const;
    std::u16string OpenedPath() const;
    // The state as the text written to the state file.
    std::string StateText() const;

    // HidTransport
    std::vector<HidInterfaceInfo> EnumerateInterfaces(uint16_t vendorId, uint16_t productId) override;
    bool OpenHandles(const std::u16string& path) override;
    void CloseHandles() override;
    bool HasReadHandle() const override;
    bool HasWriteHandle() const override;
    bool SetFeature(const uint8_t* report, size_t length) override;
    bool GetFeature(uint8_t* report, size_t length) override;
    WriteOutcome WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) override;
    bool WaitForPendingWrite(uint32_t timeoutMs) override;
    std::vector<std::u16string> UsbHardwareIds() override;

private:
    struct Transfer {
        uint8_t command = 0;
        uint8_t index = 0;
        size_t expected = 0;
        std::vector<uint8_t> data;
    };

    bool AcceptFeature(const uint8_t* report);
    bool StartTransfer(const uint8_t* report);
    void FinishTransfer();
    void Record(VirtualMouseReport::Kind kind, const uint8_t* bytes, size_t length, bool accepted);
    void SaveState() const;
    std::string StateTextLocked() const;

    Clock& clock_;
    VirtualMouseOptions options_;
    mutable std::mutex mutex_;
    std::vector<HidInterfaceInfo> interfaces_;
    std::vector<std::u16string> usbDevices_;
    VirtualMouseState state_;
    std::vector<VirtualMouseReport> transcript_;
    std::optional<Transfer> transfer_;
    std::optional<uint8_t> failCommand_;
    std::optional<std::array<uint8_t, 3>> versionReply_;
    bool failOutputs_ = false;
    uint32_t pendingMs_ = 0;
    bool writeInFlight_ = false;
    bool versionAsked_ = false;
    bool open_ = false;
    int openCount_ = 0;
    int closeCount_ = 0;
    std::u16string openedPath_;
};

}  // namespace kx90
