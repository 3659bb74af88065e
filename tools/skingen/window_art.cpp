// The main window: title with the brand, caption buttons, page tabs, the recessed page area, the
// status line, the language corner, the profile buttons and Apply.
#include "window_art.h"

#include <cmath>
#include <string>

#include "core/layout/main_window_layout.h"
#include "faces.h"

namespace skingen {
namespace {

namespace mw = kx90::layout::main_window;

const char* const kTabCaptions[5] = {"Buttons", "Lighting", "Macros", "Statistics", "Support"};

void Brand(Canvas& c) {
    TextStyle style;
    style.size = 38;
    style.bold = true;
    style.color = palette::kWhite;
    DrawText(c, "KX", 26, 16, 60, 50, style);
    style.color = palette::kAccent;
    DrawText(c, "90", 81, 16, 60, 50, style);
    c.Rect(138, 26, 1, 30, palette::kLineBright);
    TextStyle small;
    small.size = 12;
    small.bold = true;
    small.color = palette::kText;
    DrawText(c, "GAMING MOUSE", 150, 24, 200, 18, small);
    small.bold = false;
    small.size = 11;
    small.color = Hex(0x7C838E);
    DrawText(c, "Configuration", 150, 41, 200, 16, small);
}

void CaptionButton(Canvas& c, const kx90::layout::Rect& r, Look look, bool close) {
    if (look != Look::kNormal) {
        Rgb fill = palette::kPanelHigh;
        if (close) {
            fill = look == Look::kHover ? palette::kRed : Hex(0x9E2329);
        } else if (look == Look::kPressed) {
            fill = palette::kAccentDark;
        }
        c.Rect(r.left, r.top, r.Width(), r.Height(), fill);
    }
    const Rgb glyph = look == Look::kNormal ? Hex(0x9AA1AB) : palette::kWhite;
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    if (close) {
        c.Line(cx - 5, cy - 5, cx + 5, cy + 5, glyph, 1.5);
        c.Line(cx + 5, cy - 5, cx - 5, cy + 5, glyph, 1.5);
    } else {
        c.Rect(std::round(cx - 6), std::round(cy), 12, 2, glyph);
    }
}

void LanguageCorner(Canvas& c, Look look) {
    const auto at = mw::kLanguageFlagAt;
    const auto size = mw::kLanguageFlagSize;
    c.Rect(at.x, at.y, size.width, size.height, Hex(0x0B0C0E));
    c.Frame(at.x - 1, at.y - 1, size.width + 2, size.height + 2, palette::kLine);
    const auto& b = mw::kLanguageButton;
    PushFace(c, b, look, nullptr);
    // A globe and a drop-down arrow: the button opens the language list.
    cairo_t* cr = c.cr();
    const Rgb glyph = CaptionColor(look);
    const double gx = b.left + 13.5, gy = b.top + b.Height() / 2.0, r = 5.5;
    SetColor(cr, glyph);
    cairo_set_line_width(cr, 1);
    cairo_arc(cr, gx, gy, r, 0, 2 * M_PI);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, gx, gy);
    cairo_scale(cr, 0.45, 1);
    cairo_arc(cr, 0, 0, r, 0, 2 * M_PI);
    cairo_restore(cr);
    cairo_stroke(cr);
    cairo_move_to(cr, gx - r, gy);
    cairo_line_to(cr, gx + r, gy);
    cairo_stroke(cr);
    SetColor(cr, look == Look::kPressed ? kPressedText : palette::kAccent);
    const double ax = b.right - 12.5, ay = gy - 0.5;
    cairo_move_to(cr, ax - 4, ay - 2);
    cairo_line_to(cr, ax + 4, ay - 2);
    cairo_line_to(cr, ax, ay + 2.5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void DrawApplyButton(Canvas& c, Look look, bool chinese) {
    // A brighter rest look than the other buttons: Apply is where every change ends.
    QuadFace(c, mw::kApply, look, nullptr, 15);
    const auto b = mw::kApply.Bounds();
    TextStyle style;
    style.size = chinese ? 16 : 15;
    style.bold = true;
    style.align = Align::kCenter;
    style.color = look == Look::kNormal ? palette::kAccentLight : CaptionColor(look);
    style.family = chinese ? "WenQuanYi Micro Hei" : "DejaVu Sans";
    // Centred on the slanted shape's visual middle, a little right of the box's centre.
    DrawText(c, chinese ? "应用" : "Apply", b.left + 10, b.top, b.Width() - 10, b.Height(), style);
}

void DrawMainWindow(Canvas& c, Look look) {
    const int w = c.width(), h = c.height();
    c.VerticalGradient(0, 0, w, h, Hex(0x181A1E), palette::kWindow);
    // Title area: a slightly lighter band with the brand, closed by a rule with an accent run.
    c.VerticalGradient(0, 0, w, 80, Hex(0x1E2126), Hex(0x15171B));
    c.Rect(0, 0, w, 2, palette::kAccent);
    c.Rect(0, 80, w, 1, palette::kLine);
    c.Rect(0, 80, 250, 1, palette::kAccentDark);
    Brand(c);
    CaptionButton(c, mw::kMinimizeButton, look, false);
    CaptionButton(c, mw::kCloseButton, look, true);

    for (int i = 0; i < 5; ++i) {
        QuadFace(c, mw::kTabs[i], look, kTabCaptions[i], 14);
    }
    c.Rect(mw::kPageAt.x - 1, 124, mw::kPageSize.width + 2, 1, palette::kAccentDark);
    RecessedPanel(c, {mw::kPageAt.x - 1, mw::kPageAt.y - 1, mw::kPageAt.x + mw::kPageSize.width + 1,
                      mw::kPageAt.y + mw::kPageSize.height + 1});

    LanguageCorner(c, look);
    const auto& s = mw::kStatusText;
    RecessedPanel(c, {s.left - 4, s.top - 4, s.right + 4, s.bottom + 4});

    for (int i = 0; i < 5; ++i) {
        const std::string caption = "Profile " + std::to_string(i + 1);
        QuadFace(c, mw::kProfiles[i], look, caption.c_str(), 12);
    }
    DrawApplyButton(c, look, false);
    c.Frame(0, 0, w, h, palette::kLine);
    c.Rect(0, 0, w, 2, palette::kAccent);
}

}  // namespace skingen
