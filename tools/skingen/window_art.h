// The main window's pictures and the pages' pictures, drawn from the layout tables the window and
// the pages place their controls with.
#pragma once

#include "art.h"
#include "canvas.h"

namespace skingen {

// The whole main window (960 x 650) with every shaped button and the caption buttons in one look.
void DrawMainWindow(Canvas& c, Look look);

// The Apply button in a look over a finished main window picture; chinese chooses the caption.
void DrawApplyButton(Canvas& c, Look look, bool chinese);

// The page pictures (925 x 452), every button of the page in one look.
// The performance page's function tabs are drawn in tabLook; chinese chooses the captions.
void DrawPerformancePage(Canvas& c, Look look, Look tabLook, bool chinese);
void DrawLightingPage(Canvas& c, Look look);
void DrawMacroPage(Canvas& c, Look look);
void DrawStatisticsPage(Canvas& c, Look look);
void DrawSupportPage(Canvas& c, Look look);

// The large trophy of a level (0..12), of the trophy rectangle's size.
void DrawTrophy(Canvas& c, int level);

}  // namespace skingen
