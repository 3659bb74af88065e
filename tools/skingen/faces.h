// The shapes the window and page pictures share: button faces in their three looks, section
// captions, slider tracks and the recessed panels.
#pragma once

#include "art.h"
#include "canvas.h"
#include "core/layout/geometry.h"

namespace skingen {

using kx90::layout::Quad;
using Box = kx90::layout::Rect;

inline constexpr Rgb kPressedText = Hex(0x06141B);  // dark text on the blue of a pressed face

// Caption colour of a face in a look.
Rgb CaptionColor(Look look);

// A shaped button: the polygon filled and outlined in the look, the caption centred in it.
void QuadFace(Canvas& c, const Quad& q, Look look, const char* caption, double textSize, bool bold = true);

// A rectangular push button with a centred caption.
void PushFace(Canvas& c, const Box& r, Look look, const char* caption, double textSize = 12);

// A small flat chip (a value to pick, e.g. a sensitivity level): text only until hovered or chosen.
void ChipFace(Canvas& c, const Box& r, Look look, const char* caption, double textSize = 11);

// An option with a round (radio) or square (check) mark at its left and the caption beside it.
void OptionFace(Canvas& c, const Box& r, Look look, const char* caption, bool round, double textSize = 12);

// The caption of a group of controls: an accent tick, the text and a thin rule to the right.
void SectionCaption(Canvas& c, const Box& zone, const char* caption, double ruleRight);

// A panel sunk into the surface: darker fill, dark top-left and light bottom-right edges.
void RecessedPanel(Canvas& c, const Box& r);

// A raised group panel with a 1-pixel frame.
void GroupPanel(Canvas& c, const Box& r);

// The groove a slider's thumb runs in, centred in the slider's rectangle, with end labels.
void SliderTrack(Canvas& c, const Box& r, const char* leftLabel, const char* rightLabel);

// The common ground of a page: the dark surface with a faint diagonal texture.
void PageGround(Canvas& c);

// Draws part of a finished picture onto a canvas of the part's size.
void CopyPart(Canvas& to, const Canvas& from, const Box& part);

}  // namespace skingen
