// VirtualMouse: decodes every feature and output report of the protocol back into the mouse's state.
#include "core/device/virtual_mouse.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "core/platform/file_io.h"

namespace kx90 {
namespace {

constexpr uint16_t kBootloaderVendorId = 0x6C4D;
constexpr uint16_t kBootloaderProductId = 0x2D6B;

struct HeaderRule {
    uint8_t command;
    uint8_t minIndex, maxIndex;
    uint16_t length;
};
// What each header command announces (index byte range and data length).
constexpr std::array<HeaderRule, 4> kHeaderRules{{
    {kCmdKeyMatrix, 0, 0, kKeyMatrixBytes},
    {kCmdMacro, 1, kMaxDeviceMacroNumber, kMacroImageBytes},
    {kCmdDpiTable, kDpiTableIndex, kDpiTableIndex, kDpiTableBytes},
    {kCmdMultiColors, 0, 0, kMultiColorBytes},
}};

std::string Hex(const uint8_t* bytes, size_t count) {
    std::string text;
    char part[4];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(part, sizeof part, i == 0 ? "%02X" : " %02X", bytes[i]);
        text += part;
    }
    return text;
}

uint32_t LittleEndian32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

const std::u16string& VirtualMouse::DevicePath() {
    static const std::u16string path =
        u"\\\\?\\hid#vid_5e27&pid_7a31&mi_01#virtual&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    return path;
}

VirtualMouse::VirtualMouse(Clock& clock, VirtualMouseOptions options)
    : clock_(clock), options_(std::move(options)) {
    usbDevices_.push_back(u"USB\\ROOT_HUB20&VID8086&PID1E2D&REV0004");
    if (options_.bootloader) {
        usbDevices_.push_back(u"USB\\VID_6C4D&PID_2D6B&REV_0100");
        interfaces_.push_back(
            {u"\\\\?\\hid#vid_6c4d&pid_2d6b#virtual&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}",
             true,
             kBootloaderVendorId,
             kBootloaderProductId,
             {}});
    } else {
        usbDevices_.push_back(u"USB\\VID_5E27&PID_7A31&REV_0100");
        interfaces_.push_back({DevicePath(),
                               true,
                               kMouseVendorId,
                               kMouseProductId,
                               {{kVendorUsagePage, kVendorUsage, options_.reportId, options_.reportCount}}});
    }
}

void VirtualMouse::FailCommand(std::optional<uint8_t> command) {
    std::lock_guard lock(mutex_);
    failCommand_ = command;
}
void VirtualMouse::FailOutputReports(bool fail) {
    std::lock_guard lock(mutex_);
    failOutputs_ = fail;
}
void VirtualMouse::LeaveWritesPending(uint32_t milliseconds) {
    std::lock_guard lock(mutex_);
    pendingMs_ = milliseconds;
}
void VirtualMouse::SetFirmwareVersion(int version) {
    std::lock_guard lock(mutex_);
    options_.firmwareVersion = version;
}
void VirtualMouse::SetVersionReply(std::optional<std::array<uint8_t, 3>> bytes1To3) {
    std::lock_guard lock(mutex_);
    versionReply_ = bytes1To3;
}

VirtualMouseState VirtualMouse::State() const {
    std::lock_guard lock(mutex_);
    return state_;
}
std::vector<VirtualMouseReport> VirtualMouse::Transcript() const {
    std::lock_guard lock(mutex_);
    return transcript_;
}
void VirtualMouse::ClearTranscript() {
    std::lock_guard lock(mutex_);
    transcript_.clear();
}
int VirtualMouse::OpenCount() const {
    std::lock_guard lock(mutex_);
    return openCount_;
}
int VirtualMouse::CloseCount() const {
    std::lock_guard lock(mutex_);
    return closeCount_;
}
std::u16string VirtualMouse::OpenedPath() const {
    std::lock_guard lock(mutex_);
    return openedPath_;
}
std::string VirtualMouse::StateText() const {
    std::lock_guard lock(mutex_);
    return StateTextLocked();
}

std::vector<HidInterfaceInfo> VirtualMouse::EnumerateInterfaces(uint16_t vendorId, uint16_t productId) {
    std::lock_guard lock(mutex_);
    std::vector<HidInterfaceInfo> list = interfaces_;
    for (HidInterfaceInfo& info : list) {
        if (!info.attributesRead || info.vendorId != vendorId || info.productId != productId) {
            info.featureValueCaps.clear();  // not queried, as on the real system
        }
    }
    return list;
}

bool VirtualMouse::OpenHandles(const std::u16string& path) {
    std::lock_guard lock(mutex_);
    const auto it = std::find_if(interfaces_.begin(), interfaces_.end(),
                                 [&](const HidInterfaceInfo& info) { return info.path == path; });
    if (it == interfaces_.end()) {
        return false;
    }
    open_ = true;
    ++openCount_;
    openedPath_ = path;
    // Reports are framed by the vendor value of the interface that was opened.
    for (const HidValueCap& cap : it->featureValueCaps) {
        if (cap.usagePage == kVendorUsagePage && cap.usage == kVendorUsage) {
            options_.reportId = cap.reportId;
            options_.reportCount = cap.reportCount;
            break;
        }
    }
    return true;
}

void VirtualMouse::CloseHandles() {
    std::lock_guard lock(mutex_);
    if (open_) {
        open_ = false;
        ++closeCount_;
    }
}

bool VirtualMouse::HasReadHandle() const {
    std::lock_guard lock(mutex_);
    return open_;
}
bool VirtualMouse::HasWriteHandle() const {
    std::lock_guard lock(mutex_);
    return open_;
}

void VirtualMouse::Record(VirtualMouseReport::Kind kind, const uint8_t* bytes, size_t length, bool accepted) {
    transcript_.push_back({kind, clock_.TickCount(), std::vector<uint8_t>(bytes, bytes + length), accepted});
}

bool VirtualMouse::SetFeature(const uint8_t* report, size_t length) {
    std::lock_guard lock(mutex_);
    const bool framed = open_ && length == static_cast<size_t>(options_.reportCount) + 1 &&
                        report[0] == options_.reportId && length >= 2;
    const bool accepted = framed && !(failCommand_ && *failCommand_ == report[1]) && AcceptFeature(report);
    Record(VirtualMouseReport::Kind::kSetFeature, report, length, accepted);
    return accepted;
}

// Applies one framed feature report; false for a command the firmware does not know.
bool VirtualMouse::AcceptFeature(const uint8_t* report) {
    if (transfer_) {
        ++state_.abandonedTransfers;  // a new command before the announced data arrived in full
        transfer_.reset();
    }
    switch (report[1]) {
        case kCmdKeyMatrix:
        case kCmdMacro:
        case kCmdDpiTable:
        case kCmdMultiColors:
            return StartTransfer(report);
        case kCmdSelectDpiLevel:
            state_.selectedDpiLevel = report[3];
            break;
        case kCmdLedColor:  // 0C 01 green red blue
            state_.ledColor = report[4] | (report[3] << 8) | (report[5] << 16);
            break;
        case kCmdLightingEffect:
            state_.effectMode = report[3];
            state_.effectP1 = report[4];
            state_.effectP2 = report[5];
            break;
        case kCmdProximitySensing:
            state_.proximity = report[2];
            break;
        case kCmdReportRate:
            state_.reportRate = report[2];
            break;
        case kCmdQueryVersion:
            versionAsked_ = true;
            return true;
        default:
            return false;
    }
    SaveState();
    return true;
}

bool VirtualMouse::StartTransfer(const uint8_t* report) {
    const uint16_t length = static_cast<uint16_t>(report[4] | (report[5] << 8));
    for (const HeaderRule& rule : kHeaderRules) {
        if (rule.command == report[1]) {
            if (report[2] != kCommandMarker || report[3] < rule.minIndex || report[3] > rule.maxIndex ||
                length != rule.length) {
                return false;
            }
            transfer_ = Transfer{report[1], report[3], length, {}};
            return true;
        }
    }
    return false;
}

void VirtualMouse::FinishTransfer() {
    const Transfer& t = *transfer_;
    switch (t.command) {
        case kCmdKeyMatrix:
            for (int i = 0; i < kKeyMatrixEntries; ++i) {
                state_.keyMatrix[i] = LittleEndian32(&t.data[4 * static_cast<size_t>(i)]);
            }
            break;
        case kCmdMacro:
            std::copy_n(t.data.begin(), kMacroImageBytes, state_.macros[t.index].begin());
            break;
        case kCmdDpiTable:
            std::copy_n(t.data.begin(), kDpiTableBytes, state_.dpiTable.begin());
            break;
        case kCmdMultiColors:
            std::copy_n(t.data.begin(), kMultiColorBytes, state_.multiColors.begin());
            break;
        default:
            break;
    }
    transfer_.reset();
    SaveState();
}

bool VirtualMouse::GetFeature(uint8_t* report, size_t length) {
    std::lock_guard lock(mutex_);
    const bool framed = open_ && length == static_cast<size_t>(options_.reportCount) + 1 && length >= 4;
    if (framed) {
        std::memset(report, 0, length);
        report[0] = options_.reportId;
        if (versionReply_) {
            std::copy(versionReply_->begin(), versionReply_->end(), report + 1);
        } else if (versionAsked_) {
            report[1] = kCmdQueryVersion;
            report[2] = static_cast<uint8_t>(options_.firmwareVersion / 10);
            report[3] = static_cast<uint8_t>(options_.firmwareVersion % 10);
        }
        versionAsked_ = false;
    }
    Record(VirtualMouseReport::Kind::kGetFeature, report, framed ? length : 0, framed);
    return framed;
}

WriteOutcome VirtualMouse::WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) {
    std::lock_guard lock(mutex_);
    const bool accepted = open_ && !failOutputs_ && report[0] == options_.reportId;
    Record(VirtualMouseReport::Kind::kOutput, report, kOutputReportSize, accepted);
    if (!accepted) {
        return WriteOutcome::kFailed;
    }
    if (!transfer_) {
        ++state_.strayReports;
    } else {
        const size_t take = std::min(kOutputDataBytes, transfer_->expected - transfer_->data.size());
        transfer_->data.insert(transfer_->data.end(), report + 1, report + 1 + take);
        if (transfer_->data.size() == transfer_->expected) {
            FinishTransfer();
        }
    }
    writeInFlight_ = pendingMs_ > 0;
    return writeInFlight_ ? WriteOutcome::kPending : WriteOutcome::kDone;
}

bool VirtualMouse::WaitForPendingWrite(uint32_t timeoutMs) {
    uint32_t wait = 0;
    {
        std::lock_guard lock(mutex_);
        if (!writeInFlight_) {
            return true;
        }
        wait = std::min(pendingMs_, timeoutMs);
        writeInFlight_ = false;  // the report was taken; only its completion is late
    }
    clock_.SleepMs(wait);
    std::lock_guard lock(mutex_);
    return pendingMs_ <= timeoutMs;
}

std::vector<std::u16string> VirtualMouse::UsbHardwareIds() {
    std::lock_guard lock(mutex_);
    return usbDevices_;
}

std::string VirtualMouse::StateTextLocked() const {
    std::string text;
    char line[64];
    auto add = [&](const char* format, auto... values) {
        std::snprintf(line, sizeof line, format, values...);
        text += line;
    };
    add("mode %s\n", options_.bootloader ? "bootloader" : "normal");
    add("firmware %d\n", options_.firmwareVersion);
    text += "key_matrix";
    for (uint32_t entry : state_.keyMatrix) {
        add(" %08X", static_cast<unsigned>(entry));
    }
    text += "\ndpi_table " + Hex(state_.dpiTable.data(), state_.dpiTable.size()) + "\n";
    add("dpi_level %d\n", state_.selectedDpiLevel);
    add("led_color %08X\n", static_cast<unsigned>(state_.ledColor));
    add("effect %d %d %d\n", state_.effectMode, state_.effectP1, state_.effectP2);
    text += "multi_colors " + Hex(state_.multiColors.data(), state_.multiColors.size()) + "\n";
    add("proximity %02X\n", static_cast<unsigned>(state_.proximity));
    add("report_rate %d\n", static_cast<int>(state_.reportRate));
    for (const auto& [number, image] : state_.macros) {
        add("macro %d ", number);
        text += Hex(image.data(), image.size()) + "\n";
    }
    return text;
}

void VirtualMouse::SaveState() const {
    if (options_.stateFile.empty()) {
        return;
    }
    const std::string text = StateTextLocked();
    WriteFileAtomically(options_.stateFile,
                        std::span(reinterpret_cast<const uint8_t*>(text.data()), text.size()));
}

}  // namespace kx90
