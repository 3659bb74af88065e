// Pure encoders of the mouse's command payloads.
#include "core/device/device_protocol.h"

#include <algorithm>

#include "core/profile/profile_record.h"

namespace kx90 {
namespace {

struct DpiCodeRow {
    uint32_t dpi;
    uint8_t code;
};
// Above 3500 only the whole thousands exist; their codes are not a continuation of 250 x k.
constexpr std::array<DpiCodeRow, 4> kHighDpiCodes{{{4000, 0x28}, {5000, 0x2A}, {6000, 0x2C}, {7000, 0x2E}}};

constexpr uint32_t kDpiStep = 250;
constexpr uint32_t kMaxStepCode = 14;  // 3500 dpi
constexpr int kMaxSelectedLevel = 3;

}  // namespace

uint8_t SensitivityCode(uint32_t dpi) {
    if (dpi % kDpiStep == 0 && dpi / kDpiStep >= 1 && dpi / kDpiStep <= kMaxStepCode) {
        return static_cast<uint8_t>(dpi / kDpiStep);
    }
    for (const DpiCodeRow& row : kHighDpiCodes) {
        if (row.dpi == dpi) {
            return row.code;
        }
    }
    return kEmptyDpiCode;
}

DpiTable BuildDpiTable(std::span<const uint32_t, kDpiLevelCount> dpiLevels) {
    // Layout: bytes 0-6 codes, 7 = 0x02, bytes 8-14 the same codes again, 15 = 0x02.
    DpiTable table;
    for (int i = 0; i < kDpiLevelCount; ++i) {
        const uint8_t code = SensitivityCode(dpiLevels[i]);
        table.bytes[i] = code;
        table.bytes[8 + i] = code;
        if (code != kEmptyDpiCode) {
            ++table.usedLevels;
        }
    }
    table.bytes[7] = kDpiTableTerminator;
    table.bytes[15] = kDpiTableTerminator;
    return table;
}

int SelectedDpiLevel(int usedLevels) {
    return std::min(usedLevels, kMaxSelectedLevel);
}

std::array<uint8_t, kMultiColorBytes> BuildMultiColorPayload(std::span<const uint32_t, 3> colors) {
    std::array<uint8_t, kMultiColorBytes> payload{};
    for (size_t i = 0; i < colors.size(); ++i) {
        payload[3 * i] = static_cast<uint8_t>(colors[i]);            // red
        payload[3 * i + 1] = static_cast<uint8_t>(colors[i] >> 8);   // green
        payload[3 * i + 2] = static_cast<uint8_t>(colors[i] >> 16);  // blue
    }
    return payload;
}

LedColorBytes LedColorOf(uint32_t colorref) {
    return {static_cast<uint8_t>(colorref >> 8), static_cast<uint8_t>(colorref),
            static_cast<uint8_t>(colorref >> 16)};
}

LightingEffect LightingEffectOf(const ProfileRecord& record) {
    switch (record.lightingMode) {
        case kLightingSteady:
            return {1, static_cast<int>(record.steadyLevel), 1};
        case kLightingBreathing:
            return {2, static_cast<int>(record.breathLevel), 1};
        case kLightingApmBreathing:
            return {3, 2, 3};
        case kLightingSpectrum:
            return {4, 10, 2};
        case kLightingMultiColor:
            return {5, static_cast<int>(record.multiColorLevel), static_cast<int>(record.multiColorOn)};
        default:  // off, or a mode the mouse does not know
            return {0, 0, 0};
    }
}

uint8_t ProximityByteOf(int on, uint32_t lightingMode) {
    return (on == 1 && lightingMode != kLightingOff) ? kProximityOn : kProximityOff;
}

uint8_t ReportRateByteOf(uint32_t reportRate) {
    switch (reportRate) {
        case kReportRate1000Hz:
        case kReportRate500Hz:
        case kReportRate250Hz:
        case kReportRate125Hz:
            return static_cast<uint8_t>(reportRate);
        default:
            return static_cast<uint8_t>(kReportRate500Hz);
    }
}

int VersionFromReply(std::span<const uint8_t> reply) {
    if (reply.size() < 4 || reply[1] != kCmdQueryVersion) {
        return -1;
    }
    return reply[2] * 10 + reply[3];
}

}  // namespace kx90
