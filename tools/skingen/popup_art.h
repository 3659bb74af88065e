// The button-assignment popup and its four pages, drawn from the same tables the windows place
// their controls with. No words in them but the modifier keys' names: the captions are drawn at
// run time in the interface language.
#pragma once

#include "art.h"
#include "canvas.h"

namespace skingen {

// The popup (413 x 300) with its tabs, buttons and Disable box in one look.
void DrawAssignmentPopup(Canvas& c, Look look);

// The pages (370 x 169), their buttons in one look.
void DrawKeyPage(Canvas& c, Look look);
void DrawAdvancedPage(Canvas& c, Look look);
void DrawBasicPage(Canvas& c);
void DrawMacroChoicePage(Canvas& c);

}  // namespace skingen
