// The pictures of the skinned controls, each drawn onto a canvas of its fixed size.
#pragma once

#include "canvas.h"

namespace skingen {

enum class Look { kNormal, kHover, kPressed };

// The whole info dialog in one look; twoButtons chooses OK + Cancel or OK alone.
void DrawInfoDialog(Canvas& c, bool twoButtons, Look look);

// Tray menu icons (16 x 16): the gear of "Config" and the power sign of "Exit".
void DrawConfigIcon(Canvas& c);
void DrawExitIcon(Canvas& c);

// The program icon at one size.
void DrawProgramIcon(Canvas& c);

// The language popup's background: a light panel with a blue edge and rounded, transparent corners.
void DrawPopupBackground(Canvas& c);

// The slider thumb; its top-left corner is transparent (the key colour of its window region).
void DrawSliderThumb(Canvas& c);

// The progress window: background, and the same with the bar filled.
void DrawProgressWindow(Canvas& c, bool filled);

// The 9 x 3 tile scroll-bar skin.
void DrawScrollSkin(Canvas& c, int tile);

// One row face of the drop-down menu of SkinMenu.dll; withSubmenu adds the arrow at the right.
void DrawSkinMenuFace(Canvas& c, Look look, bool withSubmenu);

// The 16 x 16 step icons of the macro event list, on transparent ground; selected rows get the
// brighter variant.
enum class Step { kKeyUp, kKeyDown, kDelay };
void DrawStepIcon(Canvas& c, Step step, bool selected);

}  // namespace skingen
