// What the skinned controls that hold the mouse capture for their hover look share: whether the
// pointer is really over the control, the activation a press brings, and handing on a press that
// belongs to another window.
#pragma once

#include <windows.h>

namespace kx90::skin {

// Whether a point of the control's client area is on the control as hit testing sees it: the
// control takes input (visible, itself and its parents enabled), the point is inside the client
// rectangle and not covered by another window (a popup above it, a dialog). Shaped controls
// answer WM_NCHITTEST, so only their shape counts.
bool PointerOverControl(HWND control, POINT client);

// Whether the control's top-level window is the active one.
bool TopLevelActive(HWND control);

// A press on a window activates its top-level window. The system does that before it delivers
// the press, except to a window holding the capture: a control that keeps the capture for its
// hover calls this on every press so a press on it activates as any other press does.
void ActivateForPress(HWND control);

// The control holds the capture only to see the pointer leave, and a press arrived at a point
// that is not on it: lets go of the capture and hands the press to the window of this thread
// under the point (after the activation the press would have brought), as the system would have
// delivered it without the capture.
void PassPressOn(HWND control, WPARAM keys, POINT client);

}  // namespace kx90::skin
