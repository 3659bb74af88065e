// Simplified national flags of the twelve interface languages, drawn at any size.
#pragma once

#include "canvas.h"

namespace skingen {

// language: 1 to 12, in the order of the language table.
void DrawFlag(Canvas& canvas, int language);

}  // namespace skingen
