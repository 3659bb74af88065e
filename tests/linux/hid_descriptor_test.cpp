// Finding the vendor feature value in HID report descriptors.
#include "linux/kx90ctl/hid_descriptor.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/device/device_protocol.h"

namespace kx90::ctl {
namespace {

struct DescriptorRow {
    const char* why;
    std::vector<uint8_t> bytes;
    std::optional<HidValueCap> expected;
};

TEST(HidDescriptor, FindsTheVendorFeatureWithItsReportIdAndCount) {
    const std::vector<DescriptorRow> rows = {
        {"vendor collection, report 7 of 32 bytes",
         {0x06, 0x01, 0xFF, 0x09, 0x01, 0xA1, 0x01, 0x85, 0x07, 0x09, 0x22, 0x75, 0x08, 0x95, 0x20, 0xB1,
          0x02, 0xC0},
         HidValueCap{0xFF01, 0x22, 7, 32}},
        {"an input item of the same usage comes first and is not a feature",
         {0x06, 0x01, 0xFF, 0x09, 0x22, 0x95, 0x08, 0x81, 0x02, 0x09, 0x22, 0x95, 0x3F, 0xB1, 0x02},
         HidValueCap{0xFF01, 0x22, 0, 63}},
        {"a pushed page is restored by pop before the feature",
         {0x06, 0x01, 0xFF, 0xA4, 0x05, 0x01, 0xB4, 0x09, 0x22, 0x95, 0x20, 0xB1, 0x02},
         HidValueCap{0xFF01, 0x22, 0, 32}},
        {"a 32-bit usage carries its own page",
         {0x05, 0x01, 0x0B, 0x22, 0x00, 0x01, 0xFF, 0x95, 0x10, 0xB1, 0x02},
         HidValueCap{0xFF01, 0x22, 0, 16}},
        {"the usage is on the generic desktop page, not the vendor's",
         {0x05, 0x01, 0x09, 0x22, 0x95, 0x20, 0xB1, 0x02},
         std::nullopt},
        {"a feature item whose usage was used up by an earlier main item",
         {0x06, 0x01, 0xFF, 0x09, 0x22, 0xA1, 0x01, 0x95, 0x20, 0xB1, 0x02, 0xC0},
         std::nullopt},
        {"the descriptor ends inside the report count item",
         {0x06, 0x01, 0xFF, 0x09, 0x22, 0x96, 0x20},
         std::nullopt},
        {"empty (sysfs could not be read)", {}, std::nullopt},
    };
    for (const DescriptorRow& row : rows) {
        const auto cap = FindFeatureValue(row.bytes, kVendorUsagePage, kVendorUsage);
        ASSERT_EQ(cap.has_value(), row.expected.has_value()) << row.why;
        if (cap) {
            EXPECT_EQ(cap->usagePage, row.expected->usagePage) << row.why;
            EXPECT_EQ(cap->usage, row.expected->usage) << row.why;
            EXPECT_EQ(cap->reportId, row.expected->reportId) << row.why;
            EXPECT_EQ(cap->reportCount, row.expected->reportCount) << row.why;
        }
    }
}

}  // namespace
}  // namespace kx90::ctl
