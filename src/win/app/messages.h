// Every private window message, timer id and command id of the program, with its value. One place,
// so two windows never pick the same number for different things.
#pragma once

#include <windows.h>

namespace kx90::msg {

// 0x401: the language choice; a popup menu also sends it to its owner with (0, 0) when it closes.
inline constexpr UINT kLanguageChoice = 0x401;
inline constexpr UINT kPopupClosed = kLanguageChoice;

// 0x450: a progress bar's value after a drag (wParam value, lParam control id).
inline constexpr UINT kProgressBarValue = 0x450;

// 0x501: SkinMenu.dll's report of the chosen item (lParam item id).
inline constexpr UINT kMenuChoice = 0x501;

// 0x70D: press (0x201) and release (0x202) of a press-reporting button (lParam button window).
inline constexpr UINT kMouseButtonCapture = 0x70D;

// 0x800: a slider's new value (wParam value, lParam control id).
inline constexpr UINT kSliderValue = 0x800;

}  // namespace kx90::msg

namespace kx90::timer {

// The info dialog's one-second count-down.
inline constexpr UINT_PTR kInfoCountdown = 2321;

}  // namespace kx90::timer
