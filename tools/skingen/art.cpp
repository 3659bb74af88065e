// The control pictures: info dialog, icons, popup background, slider, progress, scroll bar, menu rows.
#include "art.h"

#include <pango/pangocairo.h>

#include <cmath>

#include "core/layout/skin_controls_layout.h"

namespace skingen {
namespace {

namespace info = kx90::layout::info_dialog;

void FaceOf(Canvas& c, const kx90::layout::Rect& r, Look look) {
    const double x = r.left, y = r.top, w = r.Width(), h = r.Height();
    if (look == Look::kPressed) {
        c.VerticalGradient(x, y, w, h, palette::kAccentLight, palette::kAccent);
        c.Frame(x, y, w, h, palette::kAccentLight);
    } else {
        const Rgb top = look == Look::kHover ? Hex(0x30353D) : Hex(0x24282E);
        c.VerticalGradient(x, y, w, h, top, Hex(0x1A1D21));
        c.Frame(x, y, w, h, look == Look::kHover ? palette::kAccent : palette::kLineBright);
    }
}

void WarningTriangle(Canvas& c) {
    cairo_t* cr = c.cr();
    const auto& r = info::kWarningIcon;
    const double cx = (r.left + r.right) / 2.0;
    cairo_move_to(cr, cx, r.top);
    cairo_line_to(cr, r.right, r.bottom);
    cairo_line_to(cr, r.left, r.bottom);
    cairo_close_path(cr);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, 4);
    SetColor(cr, palette::kAccent);
    cairo_stroke_preserve(cr);
    cairo_fill(cr);
    SetColor(cr, palette::kWindow);
    cairo_rectangle(cr, cx - 2.5, r.top + 13, 5, 17);
    cairo_fill(cr);
    cairo_arc(cr, cx, r.bottom - 7, 3, 0, 2 * M_PI);
    cairo_fill(cr);
}

void CloseCross(Canvas& c, Look look) {
    const auto& r = info::kCloseButton;
    if (look != Look::kNormal) {
        c.Rect(r.left, r.top, r.Width() + 1, r.Height() + 1, palette::kRed);
    }
    const double cx = r.left + r.Width() / 2.0 + 0.5, cy = r.top + r.Height() / 2.0 + 0.5;
    const Rgb color = look == Look::kNormal ? Hex(0x8A9099) : palette::kWhite;
    c.Line(cx - 5, cy - 5, cx + 5, cy + 5, color, 1.6);
    c.Line(cx + 5, cy - 5, cx - 5, cy + 5, color, 1.6);
}

void KxText(cairo_t* cr, double x, double y, double size, Rgb color) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("DejaVu Sans Bold");
    pango_font_description_set_absolute_size(font, size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, "KX", -1);
    int w = 0, h = 0;
    pango_layout_get_pixel_size(layout, &w, &h);
    SetColor(cr, color);
    cairo_move_to(cr, x - w / 2.0, y - h / 2.0);
    pango_cairo_show_layout(cr, layout);
    pango_font_description_free(font);
    g_object_unref(layout);
}

}  // namespace

void DrawInfoDialog(Canvas& c, bool twoButtons, Look look) {
    c.Fill(palette::kWindow);
    c.VerticalGradient(0, 0, c.width(), info::kTitleLineY, Hex(0x1B1E23), palette::kWindow);
    c.Rect(0, 0, c.width(), 2, palette::kAccent);  // the accent strip along the top edge
    c.Rect(0, info::kTitleLineY, c.width(), 1, palette::kLine);
    c.Frame(0, 0, c.width(), c.height(), palette::kLine);
    WarningTriangle(c);
    CloseCross(c, look);
    if (twoButtons) {
        FaceOf(c, info::kOkOfTwo, look);
        FaceOf(c, info::kCancelOfTwo, look);
    } else {
        FaceOf(c, info::kOkAlone, look);
    }
}

void DrawConfigIcon(Canvas& c) {
    cairo_t* cr = c.cr();
    const double cx = 8, cy = 8;
    SetColor(cr, palette::kAccent);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        cairo_save(cr);
        cairo_translate(cr, cx, cy);
        cairo_rotate(cr, a);
        cairo_rectangle(cr, -1.5, -7.5, 3, 3);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    cairo_arc(cr, cx, cy, 5.2, 0, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, palette::kWhite);
    cairo_arc(cr, cx, cy, 2.2, 0, 2 * M_PI);
    cairo_fill(cr);
}

void DrawExitIcon(Canvas& c) {
    cairo_t* cr = c.cr();
    SetColor(cr, palette::kRed);
    cairo_set_line_width(cr, 2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_arc(cr, 8, 8.5, 5.5, -M_PI / 2 + 0.7, 3 * M_PI / 2 - 0.7);
    cairo_stroke(cr);
    cairo_move_to(cr, 8, 1.5);
    cairo_line_to(cr, 8, 8);
    cairo_stroke(cr);
}

void DrawProgramIcon(Canvas& c) {
    const double s = c.width();
    cairo_t* cr = c.cr();
    c.RoundedPath(0.5, 0.5, s - 1, s - 1, s * 0.2);
    SetColor(cr, palette::kWindow);
    cairo_fill_preserve(cr);
    SetColor(cr, palette::kAccent);
    cairo_set_line_width(cr, std::fmax(1.0, s / 16));
    cairo_stroke(cr);
    KxText(cr, s / 2, s / 2, s * 0.5, palette::kAccentLight);
}

void DrawPopupBackground(Canvas& c) {
    cairo_t* cr = c.cr();
    c.RoundedPath(0.5, 0.5, c.width() - 1, c.height() - 1, 6);
    c.FillPathGradient(0, 0, Hex(0xF5F7FA), 0, c.height(), Hex(0xDBE0E8));
    SetColor(cr, palette::kAccent);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void DrawSliderThumb(Canvas& c) {
    cairo_t* cr = c.cr();
    c.RoundedPath(0.5, 0.5, c.width() - 1, c.height() - 1, 3);
    c.FillPathGradient(0, 0, palette::kAccentLight, 0, c.height(), palette::kAccentDark);
    SetColor(cr, palette::kWhite, 0.85);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    c.Rect(c.width() / 2.0 - 0.5, 3, 1, c.height() - 6, palette::kWhite, 0.8);
    // The corners stay fully transparent: the program keys its window region on that colour.
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    cairo_rectangle(cr, 0, 0, 1, 1);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

void DrawProgressWindow(Canvas& c, bool filled) {
    namespace pw = kx90::layout::progress_window;
    c.Fill(palette::kWindow);
    c.Rect(0, 0, c.width(), 2, palette::kAccent);
    c.Frame(0, 0, c.width(), c.height(), palette::kLine);
    const auto& bar = pw::kBar;
    if (filled) {
        c.VerticalGradient(bar.left, bar.top, bar.Width(), bar.Height(), palette::kAccentLight,
                           palette::kAccentDark);
    } else {
        c.Rect(bar.left, bar.top, bar.Width(), bar.Height(), Hex(0x0B0C0E));
        c.Frame(bar.left, bar.top, bar.Width(), bar.Height(), palette::kLine);
    }
}

void DrawScrollSkin(Canvas& c, int t) {
    // Every tile sits on the normal track colour. Rows: normal, hover, pressed.
    cairo_t* cr = c.cr();
    const Rgb track[3] = {Hex(0x1A1D22), Hex(0x20242A), Hex(0x1A1D22)};
    const Rgb arrowFill[3] = {Hex(0x262A31), Hex(0x353B45), palette::kAccent};
    const Rgb thumbFill[3] = {Hex(0x3D434D), Hex(0x56606D), palette::kAccent};
    for (int row = 0; row < 3; ++row) {
        const double y = row * t;
        for (int bar = 0; bar < 2; ++bar) {
            const bool vertical = bar == 0;
            const double x0 = bar * 4 * t;
            // Arrows (columns 0 and 1): a rounded square with a triangle pointing along the bar.
            for (int k = 0; k < 2; ++k) {
                const double x = x0 + k * t;
                c.Rect(x, y, t, t, track[0]);
                c.RoundedPath(x + 1, y + 1, t - 2, t - 2, 2);
                SetColor(cr, arrowFill[row]);
                cairo_fill(cr);
                SetColor(cr, row == 2 ? palette::kWhite : palette::kText);
                const double m = t / 2.0, a = t * 0.25;
                const double dir = k == 0 ? -1 : 1;
                if (vertical) {
                    cairo_move_to(cr, x + m - a, y + m - dir * a / 2);
                    cairo_line_to(cr, x + m + a, y + m - dir * a / 2);
                    cairo_line_to(cr, x + m, y + m + dir * a * 0.75);
                } else {
                    cairo_move_to(cr, x + m - dir * a / 2, y + m - a);
                    cairo_line_to(cr, x + m - dir * a / 2, y + m + a);
                    cairo_line_to(cr, x + m + dir * a * 0.75, y + m);
                }
                cairo_close_path(cr);
                cairo_fill(cr);
            }
            // Thumb (column 2): a bar with rounded ends. The program keeps the tile's first and
            // last 3 pixels along the bar as the ends and repeats the middle, so the rounding
            // stays within those 3 pixels and the middle is the same all along.
            const double tx = x0 + 2 * t;
            c.Rect(tx, y, t, t, track[0]);
            if (vertical) {
                c.RoundedPath(tx + 2, y, t - 4, t, 3);
            } else {
                c.RoundedPath(tx, y + 2, t, t - 4, 3);
            }
            SetColor(cr, thumbFill[row]);
            cairo_fill(cr);
            // Track (column 3): plain, so it repeats without seams.
            c.Rect(x0 + 3 * t, y, t, t, track[row]);
        }
        // Corner square (column 8): the track colour.
        c.Rect(8 * t, y, t, t, track[0]);
    }
}

void DrawSkinMenuFace(Canvas& c, Look look, bool withSubmenu) {
    switch (look) {
        case Look::kNormal:
            c.Fill(palette::kPanel);
            break;
        case Look::kHover:
            c.VerticalGradient(0, 0, c.width(), c.height(), palette::kAccentLight, palette::kAccent);
            break;
        case Look::kPressed:
            c.Fill(palette::kAccentDark);
            break;
    }
    c.Rect(0, c.height() - 1, c.width(), 1, look == Look::kNormal ? palette::kLine : palette::kAccentDark);
    c.Rect(0, 0, 1, c.height(), palette::kLineBright);
    c.Rect(c.width() - 1, 0, 1, c.height(), palette::kLineBright);
    if (withSubmenu) {
        cairo_t* cr = c.cr();
        const double x = c.width() - 12, m = c.height() / 2.0;
        SetColor(cr, look == Look::kNormal ? palette::kText : palette::kWhite);
        cairo_move_to(cr, x, m - 4);
        cairo_line_to(cr, x + 4, m);
        cairo_line_to(cr, x, m + 4);
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

void DrawStepIcon(Canvas& c, Step step, bool selected) {
    cairo_t* cr = c.cr();
    const Rgb color = selected ? palette::kWhite : palette::kAccent;
    if (step == Step::kDelay) {
        // A clock face with its hands at ten past.
        SetColor(cr, color);
        cairo_set_line_width(cr, 1.5);
        cairo_arc(cr, 8, 8, 6.2, 0, 2 * M_PI);
        cairo_stroke(cr);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        cairo_move_to(cr, 8, 8);
        cairo_line_to(cr, 8, 4);
        cairo_move_to(cr, 8, 8);
        cairo_line_to(cr, 11, 9.5);
        cairo_stroke(cr);
        return;
    }
    // A key cap with an arrow: up for a released key, down for a pressed one.
    c.RoundedPath(1.5, 1.5, 13, 13, 2.5);
    SetColor(cr, selected ? palette::kAccentDark : Hex(0x1C1F24));
    cairo_fill_preserve(cr);
    SetColor(cr, color);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const double d = step == Step::kKeyUp ? -1 : 1;
    cairo_move_to(cr, 8, 8 + d * 4);
    cairo_line_to(cr, 4, 8 - d * 0.5);
    cairo_line_to(cr, 6.5, 8 - d * 0.5);
    cairo_line_to(cr, 6.5, 8 - d * 4);
    cairo_line_to(cr, 9.5, 8 - d * 4);
    cairo_line_to(cr, 9.5, 8 - d * 0.5);
    cairo_line_to(cr, 12, 8 - d * 0.5);
    cairo_close_path(cr);
    SetColor(cr, selected ? palette::kWhite : palette::kAccentLight);
    cairo_fill(cr);
}

}  // namespace skingen
