// A walk over the short items of a HID report descriptor, far enough to find one feature value.
#include "linux/kx90ctl/hid_descriptor.h"

#include <vector>

namespace kx90::ctl {
namespace {

// Item prefix: bits 0-1 size (3 means 4 bytes), bits 2-3 type, bits 4-7 tag.
enum ItemType : uint8_t { kMain = 0, kGlobal = 1, kLocal = 2 };
constexpr uint8_t kLongItemPrefix = 0xFE;
constexpr uint8_t kMainFeature = 0xB;
constexpr uint8_t kGlobalUsagePage = 0x0, kGlobalReportId = 0x8, kGlobalReportCount = 0x9;
constexpr uint8_t kGlobalPush = 0xA, kGlobalPop = 0xB;
constexpr uint8_t kLocalUsage = 0x0, kLocalUsageMinimum = 0x1;

struct Globals {
    uint16_t usagePage = 0;
    uint8_t reportId = 0;
    uint32_t reportCount = 0;
};

}  // namespace

std::optional<HidValueCap> FindFeatureValue(std::span<const uint8_t> d, uint16_t usagePage, uint16_t usage) {
    Globals globals;
    std::vector<Globals> stack;
    std::vector<uint32_t> usages;  // local usages since the last main item; 32-bit ones carry their page
    size_t i = 0;
    while (i < d.size()) {
        const uint8_t prefix = d[i];
        if (prefix == kLongItemPrefix) {
            if (i + 1 >= d.size()) {
                return std::nullopt;
            }
            i += 3 + d[i + 1];
            continue;
        }
        const size_t size = (prefix & 3) == 3 ? 4 : (prefix & 3);
        if (i + 1 + size > d.size()) {
            return std::nullopt;
        }
        uint32_t value = 0;
        for (size_t k = 0; k < size; ++k) {
            value |= static_cast<uint32_t>(d[i + 1 + k]) << (8 * k);
        }
        const auto type = static_cast<uint8_t>((prefix >> 2) & 3);
        const auto tag = static_cast<uint8_t>(prefix >> 4);
        i += 1 + size;

        if (type == kGlobal) {
            switch (tag) {
                case kGlobalUsagePage:
                    globals.usagePage = static_cast<uint16_t>(value);
                    break;
                case kGlobalReportId:
                    globals.reportId = static_cast<uint8_t>(value);
                    break;
                case kGlobalReportCount:
                    globals.reportCount = value;
                    break;
                case kGlobalPush:
                    stack.push_back(globals);
                    break;
                case kGlobalPop:
                    if (!stack.empty()) {
                        globals = stack.back();
                        stack.pop_back();
                    }
                    break;
                default:
                    break;
            }
        } else if (type == kLocal && (tag == kLocalUsage || tag == kLocalUsageMinimum)) {
            usages.push_back(size == 4 ? value : (static_cast<uint32_t>(globals.usagePage) << 16) | value);
        } else if (type == kMain) {
            if (tag == kMainFeature && !usages.empty() &&
                usages.front() == ((static_cast<uint32_t>(usagePage) << 16) | usage)) {
                return HidValueCap{usagePage, usage, globals.reportId,
                                   static_cast<uint16_t>(globals.reportCount)};
            }
            usages.clear();
        }
    }
    return std::nullopt;
}

}  // namespace kx90::ctl
