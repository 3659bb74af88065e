// The mouse's vendor protocol: identities, command bytes and the pure encoders of every payload.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace kx90 {

struct ProfileRecord;

// USB identities of the mouse and of the mouse in firmware-update (boot loader) mode.
inline constexpr uint16_t kMouseVendorId = 0x5E27;
inline constexpr uint16_t kMouseProductId = 0x7A31;
inline constexpr std::u16string_view kMouseIdentity = u"VID_5E27&PID_7A31";
inline constexpr std::u16string_view kBootloaderIdentity = u"VID_6C4D&PID_2D6B";

// The vendor feature value that marks the configuration interface.
inline constexpr uint16_t kVendorUsagePage = 0xFF01;
inline constexpr uint16_t kVendorUsage = 0x22;

// Both report buffers of the session are this long; a feature report is report count + 1 bytes.
inline constexpr size_t kReportBufferSize = 255;

// First command byte (byte 1 of the feature report).
enum CommandByte : uint8_t {
    kCmdReportRate = 0x01,
    kCmdProximitySensing = 0x03,
    kCmdMultiColors = 0x09,
    kCmdSelectDpiLevel = 0x0B,
    kCmdLedColor = 0x0C,
    kCmdLightingEffect = 0x0D,
    kCmdDpiTable = 0x11,
    kCmdKeyMatrix = 0x12,
    kCmdMacro = 0x13,
    kCmdQueryVersion = 0x80,
};

// Byte 2 of most commands is 0x01. Header commands then carry an index and the length (16-bit LE)
// of the output-report data that follows.
inline constexpr uint8_t kCommandMarker = 0x01;
inline constexpr uint8_t kDpiTableIndex = 0x07;
inline constexpr uint16_t kKeyMatrixBytes = 64;
inline constexpr uint16_t kMacroImageBytes = 512;
inline constexpr uint16_t kDpiTableBytes = 16;
inline constexpr uint16_t kMultiColorBytes = 32;
inline constexpr size_t kOutputDataBytes = 32;  // data bytes of one output report
inline constexpr int kKeyMatrixEntries = 16;
inline constexpr uint32_t kKeyMatrixFixedEntry3 = 0x00030007;
inline constexpr int kMaxDeviceMacroNumber = 7;

// Sensitivity codes.
inline constexpr uint8_t kEmptyDpiCode = 0x80;
inline constexpr int kDpiLevelCount = 7;  // levels the mouse holds
inline constexpr uint8_t kDpiTableTerminator = 0x02;

// Proximity sensing bytes.
inline constexpr uint8_t kProximityOn = 0xA0;
inline constexpr uint8_t kProximityOff = 0xB0;

// Code of one sensitivity value: 250 x k (k = 1..14) is k; 4000, 5000, 6000, 7000 have 0x28, 0x2A,
// 0x2C, 0x2E; anything else (0 included) is an empty level.
uint8_t SensitivityCode(uint32_t dpi);

// The 16-byte sensitivity table of seven levels and the count n of non-empty levels.
struct DpiTable {
    std::array<uint8_t, kDpiTableBytes> bytes{};
    int usedLevels = 0;
};
DpiTable BuildDpiTable(std::span<const uint32_t, kDpiLevelCount> dpiLevels);

// The level the mouse starts on after a sensitivity table write: min(n, 3).
int SelectedDpiLevel(int usedLevels);

// 32-byte multi-colour payload: R, G, B of colors[0..2] (memory order of the COLORREF), then zeros.
std::array<uint8_t, kMultiColorBytes> BuildMultiColorPayload(std::span<const uint32_t, 3> colors);

struct LedColorBytes {
    uint8_t green, red, blue;
};
// The single colour, from a COLORREF 0x00BBGGRR, in the mouse's green-red-blue order.
LedColorBytes LedColorOf(uint32_t colorref);

struct LightingEffect {
    int mode, p1, p2;
    bool operator==(const LightingEffect&) const = default;
};
// The effect command's parameters for the record's lighting mode.
LightingEffect LightingEffectOf(const ProfileRecord& record);

// 0xA0 when sensing is on and the lighting is not off (mode 6), otherwise 0xB0.
uint8_t ProximityByteOf(int on, uint32_t lightingMode);

// 1, 2, 4 and 8 are sent as they are; anything else as 2 (500 Hz).
uint8_t ReportRateByteOf(uint32_t reportRate);

// Version from a feature reply (byte 0 = report ID): byte 1 must be 0x80; version = b2 * 10 + b3.
// Returns -1 for a reply that is not a version reply.
int VersionFromReply(std::span<const uint8_t> reply);

}  // namespace kx90
