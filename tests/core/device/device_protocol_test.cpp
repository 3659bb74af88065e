// Pure encoders of the command payloads.
#include "core/device/device_protocol.h"

#include <gtest/gtest.h>

#include "core/profile/profile_record.h"

namespace kx90 {
namespace {

TEST(DeviceProtocol, SensitivityCodes) {
    const std::pair<uint32_t, uint8_t> rows[] = {
        {250, 0x01}, {500, 0x02}, {3500, 0x0E}, {3750, 0x80}, {4000, 0x28}, {5000, 0x2A}, {6000, 0x2C},
        {7000, 0x2E}, {0, 0x80}, {251, 0x80}, {4500, 0x80}, {8000, 0x80}, {125, 0x80}};
    for (const auto& [dpi, code] : rows) {
        EXPECT_EQ(SensitivityCode(dpi), code) << dpi;
    }
}

TEST(DeviceProtocol, SensitivityTableRepeatsTheCodesAndCountsUsedLevels) {
    const DpiTable defaults = BuildDpiTable(kDefaultDpiLevels);
    EXPECT_EQ(defaults.bytes, (std::array<uint8_t, 16>{0x03, 0x05, 0x06, 0x08, 0x0A, 0x0E, 0x28, 0x02,  //
                                                       0x03, 0x05, 0x06, 0x08, 0x0A, 0x0E, 0x28, 0x02}));
    EXPECT_EQ(defaults.usedLevels, 7);
    EXPECT_EQ(SelectedDpiLevel(defaults.usedLevels), 3);

    const uint32_t two[kDpiLevelCount] = {500, 1000, 0, 0, 0, 0, 0};
    EXPECT_EQ(BuildDpiTable(two).usedLevels, 2);
    EXPECT_EQ(SelectedDpiLevel(2), 2);
    EXPECT_EQ(SelectedDpiLevel(0), 0);
}

TEST(DeviceProtocol, LightingEffectByMode) {
    ProfileRecord r{};
    r.steadyLevel = 7;
    r.breathLevel = 4;
    r.multiColorLevel = 6;
    r.multiColorOn = 1;
    const std::pair<uint32_t, LightingEffect> rows[] = {
        {1, {1, 7, 1}}, {2, {2, 4, 1}}, {3, {3, 2, 3}}, {4, {4, 10, 2}},
        {5, {5, 6, 1}}, {6, {0, 0, 0}}, {0, {0, 0, 0}}, {9, {0, 0, 0}}};
    for (const auto& [mode, effect] : rows) {
        r.lightingMode = mode;
        EXPECT_EQ(LightingEffectOf(r), effect) << "mode " << mode;
    }
}

TEST(DeviceProtocol, ColoursRatesAndSensingBytes) {
    const LedColorBytes c = LedColorOf(0x00123456);
    EXPECT_EQ(c.green, 0x34);
    EXPECT_EQ(c.red, 0x56);
    EXPECT_EQ(c.blue, 0x12);

    const std::pair<uint32_t, uint8_t> rates[] = {{1, 1}, {2, 2}, {4, 4}, {8, 8}, {3, 2}, {0, 2}, {16, 2}};
    for (const auto& [rate, sent] : rates) {
        EXPECT_EQ(ReportRateByteOf(rate), sent) << rate;
    }
    EXPECT_EQ(ProximityByteOf(1, kLightingSteady), 0xA0);
    EXPECT_EQ(ProximityByteOf(1, kLightingOff), 0xB0);
    EXPECT_EQ(ProximityByteOf(0, kLightingSteady), 0xB0);
}

}  // namespace
}  // namespace kx90
