// CUSBDriver: the session with the mouse (find, open, close) and every command of its protocol.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <mutex>
#include <string_view>

#include "core/device/device_protocol.h"
#include "core/device/driver_host.h"
#include "core/device/hid_transport.h"
#include "core/device/macro_image.h"
#include "core/platform/clock.h"

namespace kx90 {

// How long a pending output report is waited for before the command goes on regardless (ms).
inline constexpr uint32_t kPendingWriteWaitMs = 1500;
// Pacing of the mouse's firmware (ms).
inline constexpr uint32_t kVersionReplyDelayMs = 50;   // between the version query's set and get
inline constexpr uint32_t kBeforeStreamMs = 100;       // header of a stream
inline constexpr uint32_t kAroundOutputReportMs = 50;  // before and after every output report

// Results follow the program's device convention: 1 done, 0 failed; nothing is ever shown.
// Every command and Open/Close hold one lock, so the arrival-time version query on the
// user-interface thread can never interleave with a profile write on the writer thread.
class CUSBDriver {
public:
    CUSBDriver(HidTransport& transport, Clock& clock, DriverHost& host);
    ~CUSBDriver();  // closes open handles and frees the bridge library
    CUSBDriver(const CUSBDriver&) = delete;
    CUSBDriver& operator=(const CUSBDriver&) = delete;

    // Hidden window and bridge library; 1 only when the library loads and its export resolves.
    int Create();
    // Finds the mouse's configuration interface and opens it; closes what was open first.
    int Open();
    void Close();
    void Release();  // no bridge handle is ever held: nothing to release
    void Destroy();  // destroys the hidden window

    // True when a present USB device's first hardware ID contains the text (case-insensitive).
    bool FindUsbDevice(std::u16string_view text);
    // True when a device-change broadcast's interface name carries the mouse's identity.
    static bool IsOwnDeviceName(std::u16string_view name);

    uint8_t ReportId() const;
    uint16_t ReportCount() const;
    bool HasReadHandle() const;
    bool HasWriteHandle() const;

    int QueryFirmwareVersion(int* version);
    int WriteKeyMatrix(const uint8_t* data, int length);
    // Returns the image's word count whether or not the upload worked (0 without a macro). Numbers
    // above 7 are encoded but not sent.
    int WriteMacro(int macroNumber, const MacroEventsView* macro);
    int WriteDpiTable(const uint8_t* data, int length);
    int WriteMultiColors(const uint8_t* data, int length);
    int SelectDpiLevel(int level);
    int WriteLedColor(uint32_t colorref);
    int WriteLightingEffect(int mode, int p1, int p2);
    // The sensing byte depends on the lighting mode too (off lighting means no sensing).
    int WriteProximitySensing(int on, uint32_t lightingMode);
    int WriteReportRate(int rate);
    // Streams data in 32-byte output reports; length must be a multiple of 32 (0 sends nothing).
    int SendOutputReports(const uint8_t* data, unsigned length);

private:
    int FeatureCommand(std::initializer_list<uint8_t> bytes);
    int HeaderWithOneReport(std::initializer_list<uint8_t> header, const uint8_t* payload, size_t length);
    int StreamReports(const uint8_t* data, unsigned length);
    bool SetFeatureBytes(std::initializer_list<uint8_t> bytes);
    size_t FeatureLength() const { return static_cast<size_t>(reportCount_) + 1; }
    static uint8_t LowByte(unsigned value) { return static_cast<uint8_t>(value & 0xFF); }

    HidTransport& transport_;
    Clock& clock_;
    DriverHost& host_;
    mutable std::mutex mutex_;
    bool bridgeLoaded_ = false;
    uint8_t reportId_ = 0;
    uint16_t reportCount_ = 0;
    uint8_t output_[kReportBufferSize] = {};
    uint8_t input_[kReportBufferSize] = {};
};

}  // namespace kx90
