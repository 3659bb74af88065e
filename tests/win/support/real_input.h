// Real input for GUI tests: the pointer and keys go through SendInput, so the system routes them
// (capture, hit testing, double clicks, focus) exactly as it routes a user's.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>

namespace kx90::test::real {

// Moves the pointer to a screen point with an absolute move over the virtual screen, then pumps
// until the system has it there (bounded). Returns whether the pointer arrived.
bool MoveTo(POINT screen);
// Left button down / up where the pointer is, then pumps a little.
void ButtonDown();
void ButtonUp();
// Move, down, up.
void ClickAt(POINT screen);
// Two clicks within the double-click time.
void DoubleClickAt(POINT screen);
// Moves with the button held, in steps, pumping between them.
void DragTo(POINT from, POINT to, int steps = 8);

// A key pressed and released (virtual key), or only one of the two.
void Key(WORD virtualKey);
void KeyDown(WORD virtualKey);
void KeyUp(WORD virtualKey);
// Types text as Unicode characters.
void Type(const std::wstring& text);

// A point of a window's client area on the screen.
POINT OnScreen(HWND window, POINT client);

}  // namespace kx90::test::real
