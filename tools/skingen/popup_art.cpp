// The assignment popup: title band, tabs over a recessed page area, the Disable box, Default and
// OK; the key page's modifier boxes and key field, the advanced page's rows, the list pages.
#include "popup_art.h"

#include <cmath>
#include <initializer_list>

#include "core/layout/assignment_popup_layout.h"
#include "faces.h"

namespace skingen {
namespace {

namespace popup = kx90::layout::assignment_popup;
namespace key = kx90::layout::key_page;
namespace advanced = kx90::layout::advanced_page;
namespace choice = kx90::layout::macro_choice_page;

// A square check box filling r: dark well, edge in the look, a tick when pressed (checked).
void CheckBox(Canvas& c, const Box& r, Look look) {
    c.Rect(r.left, r.top, r.Width(), r.Height(), Hex(0x0C0D10));
    c.Frame(r.left, r.top, r.Width(), r.Height(), look == Look::kNormal ? Hex(0x6A717C) : palette::kAccent);
    if (look != Look::kPressed) {
        return;
    }
    cairo_t* cr = c.cr();
    SetColor(cr, palette::kAccentLight);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    const double w = r.Width(), h = r.Height();
    cairo_move_to(cr, r.left + w * 0.25, r.top + h * 0.52);
    cairo_line_to(cr, r.left + w * 0.43, r.top + h * 0.72);
    cairo_line_to(cr, r.left + w * 0.76, r.top + h * 0.3);
    cairo_stroke(cr);
}

// A round choice mark filling r, with a dot when pressed (chosen).
void ChoiceMark(Canvas& c, const Box& r, Look look) {
    cairo_t* cr = c.cr();
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    const double radius = std::fmin(r.Width(), r.Height()) / 2.0 - 1;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    SetColor(cr, Hex(0x0C0D10));
    cairo_fill_preserve(cr);
    SetColor(cr, look == Look::kNormal ? Hex(0x6A717C) : palette::kAccent);
    cairo_set_line_width(cr, 1.2);
    cairo_stroke(cr);
    if (look == Look::kPressed) {
        cairo_arc(cr, cx, cy, radius - 3.5, 0, 2 * M_PI);
        SetColor(cr, palette::kAccentLight);
        cairo_fill(cr);
    }
}

void CloseCross(Canvas& c, const Box& r, Look look) {
    if (look != Look::kNormal) {
        c.Rect(r.left, r.top, r.Width(), r.Height(), look == Look::kHover ? palette::kRed : Hex(0x9E2329));
    }
    const Rgb glyph = look == Look::kNormal ? Hex(0x9AA1AB) : palette::kWhite;
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    c.Line(cx - 5, cy - 5, cx + 5, cy + 5, glyph, 1.5);
    c.Line(cx + 5, cy - 5, cx - 5, cy + 5, glyph, 1.5);
}

// A tab of the popup: flat until hovered, the accent underline and a lighter face when chosen.
void Tab(Canvas& c, const Box& r, Look look) {
    switch (look) {
        case Look::kNormal:
            c.Rect(r.left, r.top, r.Width(), r.Height(), Hex(0x181B1F));
            break;
        case Look::kHover:
            c.Rect(r.left, r.top, r.Width(), r.Height(), palette::kPanelHigh);
            break;
        case Look::kPressed:
            c.VerticalGradient(r.left, r.top, r.Width(), r.Height(), Hex(0x2A3440), Hex(0x1E242C));
            c.Rect(r.left, r.bottom - 3, r.Width(), 3, palette::kAccent);
            break;
    }
    c.Rect(r.right - 1, r.top + 6, 1, r.Height() - 12, palette::kLine);
}

}  // namespace

void DrawAssignmentPopup(Canvas& c, Look look) {
    c.Fill(palette::kWindow);
    c.VerticalGradient(0, 0, c.width(), popup::kTabs[0].top, Hex(0x1B1E23), palette::kWindow);
    c.Rect(0, 0, c.width(), 2, palette::kAccent);
    c.Frame(0, 0, c.width(), c.height(), palette::kLine);
    CloseCross(c, popup::kCloseButton, look);
    c.Rect(1, popup::kTabs[0].bottom, c.width() - 2, 1, palette::kLine);
    for (const Box& tab : popup::kTabs) {
        Tab(c, tab, look);
    }
    const Box& area = popup::kPageArea;
    RecessedPanel(c, {area.left - 2, area.top - 2, area.right + 2, area.bottom + 2});
    c.Rect(1, popup::kDefaultButton.top - 8, c.width() - 2, 1, palette::kLine);
    CheckBox(c, popup::kDisableBox, look);
    PushFace(c, popup::kDefaultButton, look, nullptr);
    PushFace(c, popup::kOkButton, look, nullptr);
}

void DrawKeyPage(Canvas& c, Look look) {
    PageGround(c);
    GroupPanel(c, {10, 34, 140, 144});
    TextStyle name;
    name.size = 12;
    name.color = palette::kText;
    for (int i = 0; i < 4; ++i) {
        const Box& toggle = key::kModifierToggles[i];
        DrawText(c, key::kModifierNames[i], 18, toggle.top - 3, toggle.left - 24, toggle.Height() + 6, name);
        CheckBox(c, toggle, look);
    }
    // "+" between the modifiers and the key: the two make one combination.
    TextStyle plus;
    plus.size = 20;
    plus.bold = true;
    plus.color = palette::kAccent;
    plus.align = Align::kCenter;
    const Box& field = key::kKeyNameArea;
    DrawText(c, "+", 140, field.top, field.left - 140, field.Height(), plus);
    RecessedPanel(c, {field.left - 2, field.top - 2, field.right + 2, field.bottom + 2});
    // A keycap outline at the field's right end says what belongs in it.
    const double kx = field.right - 24, ky = field.top + 4;
    c.Frame(kx, ky, 18, field.Height() - 8, Hex(0x3A404A));
    c.Rect(kx + 2, ky + field.Height() - 12, 14, 1, Hex(0x3A404A));
}

void DrawAdvancedPage(Canvas& c, Look look) {
    PageGround(c);
    GroupPanel(c, {10, 24, c.width() - 10, 146});
    for (const advanced::ActionRow& row : advanced::kRows) {
        ChoiceMark(c, row.choice, look);
        RecessedPanel(c, {row.path.left - 2, row.path.top - 2, row.path.right + 2, row.path.bottom + 2});
        PushFace(c, row.browse, look, nullptr);
    }
}

void DrawBasicPage(Canvas& c) {
    c.Fill(Hex(0x0F0F0F));
}

void DrawMacroChoicePage(Canvas& c) {
    PageGround(c);
    for (const Box& list : {choice::kGroupList, choice::kMacroList}) {
        RecessedPanel(c, {list.left - 1, list.top - 1, list.right + 1, list.bottom + 1});
    }
}

}  // namespace skingen
