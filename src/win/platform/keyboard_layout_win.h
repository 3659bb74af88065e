// The KeyboardLayout of the running system (MapVirtualKeyW + ToAscii).
#pragma once

#include "core/buttons/keyboard_layout.h"

namespace kx90 {

KeyboardLayout& SystemKeyboardLayout();

}  // namespace kx90
