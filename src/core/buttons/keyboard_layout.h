// KeyboardLayout seam: the character a key types under the running system's keyboard layout.
#pragma once

#include <cstdint>

namespace kx90 {

class KeyboardLayout {
public:
    virtual ~KeyboardLayout() = default;
    // The 8-bit character the virtual key produces with no modifier held (Windows: scan code from
    // MapVirtualKeyW, then ToAscii under an all-released keyboard state), or 0 when it produces none.
    virtual uint8_t UnshiftedCharacter(uint8_t virtualKey) const = 0;
};

}  // namespace kx90
