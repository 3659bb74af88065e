// The vendor feature value of a HID report descriptor, as Windows would list it in the interface's
// value capabilities.
#pragma once

#include <optional>
#include <span>

#include "core/device/hid_transport.h"

namespace kx90::ctl {

// The first feature item of the descriptor whose usage is usagePage:usage, with the report ID and
// report count in force there. Nothing for a descriptor without one or one that ends mid-item.
std::optional<HidValueCap> FindFeatureValue(std::span<const uint8_t> descriptor, uint16_t usagePage,
                                            uint16_t usage);

}  // namespace kx90::ctl
