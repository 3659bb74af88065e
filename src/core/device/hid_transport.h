// HidTransport: what the device link needs from the operating system's HID and USB device APIs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kx90 {

// One feature value capability of a HID interface (the fields the device link looks at).
struct HidValueCap {
    uint16_t usagePage = 0;
    uint16_t usage = 0;  // NotRange.Usage (equal to Range.UsageMin)
    uint8_t reportId = 0;
    uint16_t reportCount = 0;  // feature reports are reportCount + 1 bytes long
};

// One present HID interface, in the system's enumeration order.
struct HidInterfaceInfo {
    std::u16string path;
    bool attributesRead = false;  // false: the probe open or the attribute query failed
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::vector<HidValueCap> featureValueCaps;
};

// Outcome of handing one output report to the system.
enum class WriteOutcome {
    kDone,
    kPending,  // overlapped write still in flight: wait for it with WaitForPendingWrite
    kFailed,
};

// An output report is always this long: report ID + 32 data bytes.
inline constexpr size_t kOutputReportSize = 33;

class HidTransport {
public:
    virtual ~HidTransport() = default;

    // Every present HID interface in enumeration order, with its attributes. The feature value
    // capabilities are read only for interfaces that carry the given vendor and product ID (the
    // others are not queried further). A listing that cannot be completed ends early.
    virtual std::vector<HidInterfaceInfo> EnumerateInterfaces(uint16_t vendorId, uint16_t productId) = 0;

    // Opens the read and the write handle of the interface for overlapped I/O (and the write
    // completion event). True only when both handles are open; on false nothing stays open.
    virtual bool OpenHandles(const std::u16string& path) = 0;
    // Closes whichever handle is open. Safe to call when nothing is.
    virtual void CloseHandles() = 0;
    virtual bool HasReadHandle() const = 0;
    virtual bool HasWriteHandle() const = 0;

    // Feature reports: byte 0 is the report ID. Set goes through the write handle, get through the
    // read handle, both with the full report length.
    virtual bool SetFeature(const uint8_t* report, size_t length) = 0;
    virtual bool GetFeature(uint8_t* report, size_t length) = 0;

    // Starts an overlapped write of one 33-byte output report on the write handle.
    virtual WriteOutcome WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) = 0;
    // Waits at most timeoutMs for the pending write's completion event, then resets the event.
    // True when the write completed within the time.
    virtual bool WaitForPendingWrite(uint32_t timeoutMs) = 0;

    // The first hardware-ID text of every present USB device, in enumeration order.
    virtual std::vector<std::u16string> UsbHardwareIds() = 0;
};

}  // namespace kx90
