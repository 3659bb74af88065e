// CUSBDriver over the HidTransport seam: discovery, framing, pacing and the judging of writes.
#include "core/device/usb_driver.h"

#include <algorithm>
#include <cstring>

namespace kx90 {
namespace {

char16_t FoldAscii(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

// Device identities are ASCII, so an ASCII case fold is all the matching needs.
bool ContainsIgnoreCase(std::u16string_view text, std::u16string_view part) {
    auto equal = [](char16_t a, char16_t b) { return FoldAscii(a) == FoldAscii(b); };
    return std::search(text.begin(), text.end(), part.begin(), part.end(), equal) != text.end();
}

const HidValueCap* FindVendorCap(const HidInterfaceInfo& info) {
    for (const HidValueCap& cap : info.featureValueCaps) {
        if (cap.usagePage == kVendorUsagePage && cap.usage == kVendorUsage) {
            return &cap;
        }
    }
    return nullptr;
}

uint8_t LengthLow(uint16_t length) {
    return static_cast<uint8_t>(length & 0xFF);
}
uint8_t LengthHigh(uint16_t length) {
    return static_cast<uint8_t>(length >> 8);
}

}  // namespace

CUSBDriver::CUSBDriver(HidTransport& transport, Clock& clock, DriverHost& host)
    : transport_(transport), clock_(clock), host_(host) {}

CUSBDriver::~CUSBDriver() {
    transport_.CloseHandles();
    if (bridgeLoaded_) {
        host_.FreeBridge();
    }
}

int CUSBDriver::Create() {
    host_.CreateHiddenWindow();
    bridgeLoaded_ = host_.LoadBridge(kBridgeLibrary, kBridgeExport);
    return bridgeLoaded_ ? 1 : 0;
}

int CUSBDriver::Open() {
    std::lock_guard lock(mutex_);
    transport_.CloseHandles();
    std::memset(input_, 0, sizeof input_);
    for (const HidInterfaceInfo& info : transport_.EnumerateInterfaces(kMouseVendorId, kMouseProductId)) {
        if (!info.attributesRead || info.vendorId != kMouseVendorId || info.productId != kMouseProductId) {
            continue;
        }
        const HidValueCap* cap = FindVendorCap(info);
        if (cap == nullptr) {
            continue;
        }
        // Both report buffers hold 255 bytes: an interface with longer feature reports would have
        // them overrun, so it is not taken.
        if (static_cast<size_t>(cap->reportCount) + 1 > kReportBufferSize) {
            continue;
        }
        reportCount_ = cap->reportCount;
        reportId_ = cap->reportId;
        if (transport_.OpenHandles(info.path)) {
            break;
        }
    }
    return (transport_.HasReadHandle() && transport_.HasWriteHandle()) ? 1 : 0;
}

void CUSBDriver::Close() {
    std::lock_guard lock(mutex_);
    transport_.CloseHandles();
}

void CUSBDriver::Release() {}

void CUSBDriver::Destroy() {
    host_.DestroyHiddenWindow();
}

bool CUSBDriver::FindUsbDevice(std::u16string_view text) {
    std::lock_guard lock(mutex_);
    for (const std::u16string& hardwareId : transport_.UsbHardwareIds()) {
        if (ContainsIgnoreCase(hardwareId, text)) {
            return true;
        }
    }
    return false;
}

bool CUSBDriver::IsOwnDeviceName(std::u16string_view name) {
    return ContainsIgnoreCase(name, kMouseIdentity);
}

uint8_t CUSBDriver::ReportId() const {
    std::lock_guard lock(mutex_);
    return reportId_;
}
uint16_t CUSBDriver::ReportCount() const {
    std::lock_guard lock(mutex_);
    return reportCount_;
}
// Under the lock: Open closes the handles before it opens them again, and a transport's handles are
// plain fields. The commands ask the transport directly, so nothing takes the lock twice.
bool CUSBDriver::HasReadHandle() const {
    std::lock_guard lock(mutex_);
    return transport_.HasReadHandle();
}
bool CUSBDriver::HasWriteHandle() const {
    std::lock_guard lock(mutex_);
    return transport_.HasWriteHandle();
}

// Clears the output buffer, frames the command behind the report ID and sets the feature.
bool CUSBDriver::SetFeatureBytes(std::initializer_list<uint8_t> bytes) {
    std::memset(output_, 0, sizeof output_);
    output_[0] = reportId_;
    std::copy(bytes.begin(), bytes.end(), output_ + 1);
    return transport_.SetFeature(output_, FeatureLength());
}

int CUSBDriver::FeatureCommand(std::initializer_list<uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    if (!transport_.HasWriteHandle()) {
        return 0;
    }
    return SetFeatureBytes(bytes) ? 1 : 0;
}

// The single data report follows the same 50 ms on both sides as a streamed report, so after the
// header's set the sequence is: 50 ms, write, 50 ms, judge.
int CUSBDriver::HeaderWithOneReport(std::initializer_list<uint8_t> header, const uint8_t* payload,
                                    size_t length) {
    std::lock_guard lock(mutex_);
    if (!transport_.HasWriteHandle() || !SetFeatureBytes(header)) {
        return 0;
    }
    uint8_t chunk[kOutputDataBytes] = {};
    std::memcpy(chunk, payload, std::min(length, sizeof chunk));
    return StreamReports(chunk, kOutputDataBytes);
}

int CUSBDriver::StreamReports(const uint8_t* data, unsigned length) {
    if (length % kOutputDataBytes != 0) {
        return 0;
    }
    for (unsigned offset = 0; offset < length; offset += kOutputDataBytes) {
        uint8_t report[kOutputReportSize] = {};
        report[0] = reportId_;
        std::memcpy(report + 1, data + offset, kOutputDataBytes);
        clock_.SleepMs(kAroundOutputReportMs);
        const WriteOutcome outcome = transport_.WriteOutputReport(report);
        clock_.SleepMs(kAroundOutputReportMs);
        if (outcome == WriteOutcome::kFailed) {
            return 0;
        }
        if (outcome == WriteOutcome::kPending) {
            // Given 1500 ms, then counted as done either way: the next report must still go out.
            transport_.WaitForPendingWrite(kPendingWriteWaitMs);
        }
    }
    return 1;
}

int CUSBDriver::SendOutputReports(const uint8_t* data, unsigned length) {
    std::lock_guard lock(mutex_);
    if (!transport_.HasWriteHandle() || (data == nullptr && length != 0)) {
        return 0;
    }
    return StreamReports(data, length);
}

int CUSBDriver::QueryFirmwareVersion(int* version) {
    std::lock_guard lock(mutex_);
    if (version == nullptr || !transport_.HasWriteHandle() || !SetFeatureBytes({kCmdQueryVersion})) {
        return 0;
    }
    clock_.SleepMs(kVersionReplyDelayMs);
    std::memset(input_, 0, sizeof input_);
    input_[0] = reportId_;
    if (!transport_.GetFeature(input_, FeatureLength())) {
        return 0;
    }
    const int number = VersionFromReply(input_);
    if (number < 0) {
        return 0;
    }
    *version = number;
    return 1;
}

int CUSBDriver::WriteKeyMatrix(const uint8_t* data, int length) {
    if (data == nullptr || length != kKeyMatrixBytes) {
        return 0;
    }
    std::lock_guard lock(mutex_);
    if (!transport_.HasWriteHandle() ||
        !SetFeatureBytes(
            {kCmdKeyMatrix, kCommandMarker, 0x00, LengthLow(kKeyMatrixBytes), LengthHigh(kKeyMatrixBytes)})) {
        return 0;
    }
    clock_.SleepMs(kBeforeStreamMs);
    return StreamReports(data, kKeyMatrixBytes);
}

int CUSBDriver::WriteMacro(int macroNumber, const MacroEventsView* macro) {
    if (macro == nullptr) {
        return 0;
    }
    MacroImage image;
    const int wordCount = EncodeMacro(*macro, image);
    // The mouse holds macros 1 to 7; other numbers are encoded (the word count still goes into the
    // key matrix) but never sent.
    if (macroNumber < 1 || macroNumber > kMaxDeviceMacroNumber) {
        return wordCount;
    }
    std::lock_guard lock(mutex_);
    if (!transport_.HasWriteHandle() ||
        !SetFeatureBytes({kCmdMacro, kCommandMarker, static_cast<uint8_t>(macroNumber),
                          LengthLow(kMacroImageBytes), LengthHigh(kMacroImageBytes)})) {
        return wordCount;
    }
    clock_.SleepMs(kBeforeStreamMs);
    StreamReports(image.data(), kMacroImageBytes);  // not reported: the caller uses the word count
    return wordCount;
}

int CUSBDriver::WriteDpiTable(const uint8_t* data, int length) {
    if (data == nullptr || length != kDpiTableBytes) {
        return 0;
    }
    return HeaderWithOneReport(
        {kCmdDpiTable, kCommandMarker, kDpiTableIndex, LengthLow(kDpiTableBytes), LengthHigh(kDpiTableBytes)},
        data, kDpiTableBytes);
}

int CUSBDriver::WriteMultiColors(const uint8_t* data, int length) {
    if (data == nullptr || length != kMultiColorBytes) {
        return 0;
    }
    return HeaderWithOneReport(
        {kCmdMultiColors, kCommandMarker, 0x00, LengthLow(kMultiColorBytes), LengthHigh(kMultiColorBytes)},
        data, kMultiColorBytes);
}

int CUSBDriver::SelectDpiLevel(int level) {
    return FeatureCommand({kCmdSelectDpiLevel, kCommandMarker, LowByte(level)});
}

int CUSBDriver::WriteLedColor(uint32_t colorref) {
    const LedColorBytes c = LedColorOf(colorref);
    return FeatureCommand({kCmdLedColor, kCommandMarker, c.green, c.red, c.blue});
}

int CUSBDriver::WriteLightingEffect(int mode, int p1, int p2) {
    return FeatureCommand({kCmdLightingEffect, kCommandMarker, LowByte(mode), LowByte(p1), LowByte(p2)});
}

int CUSBDriver::WriteProximitySensing(int on, uint32_t lightingMode) {
    return FeatureCommand({kCmdProximitySensing, ProximityByteOf(on, lightingMode)});
}

int CUSBDriver::WriteReportRate(int rate) {
    return FeatureCommand({kCmdReportRate, ReportRateByteOf(static_cast<uint32_t>(rate))});
}

}  // namespace kx90
