// Character of a virtual key under the active keyboard layout, with every key released.
#include "win/platform/keyboard_layout_win.h"

#include <windows.h>

namespace kx90 {
namespace {

class WinKeyboardLayout final : public KeyboardLayout {
public:
    uint8_t UnshiftedCharacter(uint8_t virtualKey) const override {
        const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
        BYTE keyState[256] = {};
        WORD character = 0;
        ToAscii(virtualKey, scanCode, keyState, &character, 0);
        return LOBYTE(character);  // 0 when the key types nothing
    }
};

}  // namespace

KeyboardLayout& SystemKeyboardLayout() {
    static WinKeyboardLayout layout;
    return layout;
}

}  // namespace kx90
