// Faces, captions and panels shared by the window and page pictures.
#include "faces.h"

#include <cmath>

namespace skingen {

Rgb CaptionColor(Look look) {
    switch (look) {
        case Look::kHover:
            return palette::kWhite;
        case Look::kPressed:
            return kPressedText;
        case Look::kNormal:
            break;
    }
    return palette::kText;
}

namespace {

void PolygonPath(cairo_t* cr, const Quad& q) {
    cairo_move_to(cr, q.points[0].x, q.points[0].y);
    for (int i = 1; i < 4; ++i) {
        cairo_line_to(cr, q.points[i].x, q.points[i].y);
    }
    cairo_close_path(cr);
}

void FillFace(Canvas& c, double top, double bottom, Look look) {
    Rgb a = Hex(0x22262C), b = Hex(0x181A1E);
    if (look == Look::kHover) {
        a = Hex(0x2E343C);
        b = Hex(0x1F2328);
    } else if (look == Look::kPressed) {
        a = palette::kAccentLight;
        b = palette::kAccent;
    }
    c.FillPathGradient(0, top, a, 0, bottom, b);
}

Rgb EdgeColor(Look look) {
    switch (look) {
        case Look::kHover:
            return palette::kAccent;
        case Look::kPressed:
            return palette::kAccentLight;
        case Look::kNormal:
            break;
    }
    return palette::kLineBright;
}

}  // namespace

void QuadFace(Canvas& c, const Quad& q, Look look, const char* caption, double textSize, bool bold) {
    cairo_t* cr = c.cr();
    const Box b = q.Bounds();
    cairo_save(cr);
    PolygonPath(cr, q);
    FillFace(c, b.top, b.bottom, look);
    // The outline is stroked inside the shape only, so the region keeps all of it.
    cairo_clip_preserve(cr);
    SetColor(cr, EdgeColor(look));
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    if (look != Look::kPressed) {
        // A thin lit line along the top edge.
        c.Rect(b.left, b.top + 1, b.Width(), 1, look == Look::kHover ? palette::kAccentLight : Hex(0x3A4049),
               0.6);
    }
    cairo_restore(cr);
    if (caption != nullptr) {
        TextStyle style;
        style.size = textSize;
        style.bold = bold;
        style.color = CaptionColor(look);
        style.align = Align::kCenter;
        DrawText(c, caption, b.left, b.top, b.Width(), b.Height(), style);
    }
}

void PushFace(Canvas& c, const Box& r, Look look, const char* caption, double textSize) {
    cairo_t* cr = c.cr();
    cairo_rectangle(cr, r.left, r.top, r.Width(), r.Height());
    FillFace(c, r.top, r.bottom, look);
    cairo_new_path(cr);
    c.Frame(r.left, r.top, r.Width(), r.Height(), EdgeColor(look));
    if (caption != nullptr) {
        TextStyle style;
        style.size = textSize;
        style.color = CaptionColor(look);
        style.align = Align::kCenter;
        DrawText(c, caption, r.left, r.top, r.Width(), r.Height(), style);
    }
}

void ChipFace(Canvas& c, const Box& r, Look look, const char* caption, double textSize) {
    TextStyle style;
    style.size = textSize;
    style.align = Align::kCenter;
    style.bold = look == Look::kPressed;
    style.color =
        look == Look::kNormal ? palette::kText : (look == Look::kHover ? palette::kWhite : kPressedText);
    if (look == Look::kPressed) {
        c.RoundedPath(r.left, r.top, r.Width(), r.Height(), 2);
        SetColor(c.cr(), palette::kAccent);
        cairo_fill(c.cr());
    } else if (look == Look::kHover) {
        c.Rect(r.left, r.top, r.Width(), r.Height(), palette::kPanelHigh);
        c.Rect(r.left, r.bottom - 1, r.Width(), 1, palette::kAccent);
    }
    DrawText(c, caption, r.left, r.top, r.Width(), r.Height(), style);
}

void OptionFace(Canvas& c, const Box& r, Look look, const char* caption, bool round, double textSize) {
    cairo_t* cr = c.cr();
    const double d = std::fmin(11.0, r.Height() - 2.0);
    const double mx = r.left + 1, my = r.top + (r.Height() - d) / 2.0;
    const Rgb edge = look == Look::kNormal ? Hex(0x6A717C) : palette::kAccent;
    SetColor(cr, Hex(0x0C0D10));
    cairo_new_path(cr);
    if (round) {
        cairo_arc(cr, mx + d / 2, my + d / 2, d / 2 - 0.5, 0, 2 * M_PI);
    } else {
        cairo_rectangle(cr, mx + 0.5, my + 0.5, d - 1, d - 1);
    }
    cairo_fill_preserve(cr);
    SetColor(cr, edge);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    if (look == Look::kPressed) {
        SetColor(cr, palette::kAccentLight);
        if (round) {
            cairo_arc(cr, mx + d / 2, my + d / 2, d / 2 - 3, 0, 2 * M_PI);
        } else {
            cairo_rectangle(cr, mx + 3, my + 3, d - 6, d - 6);
        }
        cairo_fill(cr);
    }
    TextStyle style;
    style.size = textSize;
    style.color = look == Look::kNormal ? palette::kText : palette::kWhite;
    DrawText(c, caption, mx + d + 6, r.top, r.right - (mx + d + 6), r.Height(), style);
}

void SectionCaption(Canvas& c, const Box& zone, const char* caption, double ruleRight) {
    c.Rect(zone.left, zone.top + 5, 3, zone.Height() - 10, palette::kAccent);
    TextStyle style;
    style.size = 14;
    style.bold = true;
    style.color = palette::kWhite;
    DrawText(c, caption, zone.left + 10, zone.top, zone.Width() - 10, zone.Height(), style);
    if (ruleRight > zone.right) {
        c.Rect(zone.right + 6, zone.top + zone.Height() / 2, ruleRight - zone.right - 6, 1, palette::kLine);
    }
}

void RecessedPanel(Canvas& c, const Box& r) {
    c.Rect(r.left, r.top, r.Width(), r.Height(), Hex(0x0D0F12));
    c.Rect(r.left, r.top, r.Width(), 1, Hex(0x06070A));
    c.Rect(r.left, r.top, 1, r.Height(), Hex(0x06070A));
    c.Rect(r.left, r.bottom - 1, r.Width(), 1, palette::kLine);
    c.Rect(r.right - 1, r.top, 1, r.Height(), palette::kLine);
}

void GroupPanel(Canvas& c, const Box& r) {
    c.VerticalGradient(r.left, r.top, r.Width(), r.Height(), Hex(0x1A1D22), Hex(0x16181C));
    c.Frame(r.left, r.top, r.Width(), r.Height(), palette::kLine);
}

void SliderTrack(Canvas& c, const Box& r, const char* leftLabel, const char* rightLabel) {
    const double y = r.top + r.Height() / 2.0;
    c.Rect(r.left, std::floor(y) - 2, r.Width(), 4, Hex(0x08090B));
    c.Frame(r.left, std::floor(y) - 2, r.Width(), 4, palette::kLineBright);
    for (int i = 0; i <= 10; ++i) {
        const double x = std::round(r.left + 3 + (r.Width() - 7) * i / 10.0);
        c.Rect(x, std::floor(y) + 5, 1, i % 5 == 0 ? 4 : 2, Hex(0x4A515C));
    }
    TextStyle style;
    style.size = 10;
    style.color = Hex(0x8A9099);
    if (leftLabel != nullptr) {
        style.align = Align::kRight;
        DrawText(c, leftLabel, r.left - 66, r.top - 4, 60, r.Height() + 8, style);
    }
    if (rightLabel != nullptr) {
        style.align = Align::kLeft;
        DrawText(c, rightLabel, r.right + 6, r.top - 4, 60, r.Height() + 8, style);
    }
}

void PageGround(Canvas& c) {
    c.VerticalGradient(0, 0, c.width(), c.height(), Hex(0x15171B), Hex(0x111316));
    cairo_t* cr = c.cr();
    SetColor(cr, palette::kWhite, 0.012);
    cairo_set_line_width(cr, 1);
    for (int x = -c.height(); x < c.width(); x += 6) {
        cairo_move_to(cr, x + 0.5, c.height());
        cairo_line_to(cr, x + c.height() + 0.5, 0);
    }
    cairo_stroke(cr);
}

void CopyPart(Canvas& to, const Canvas& from, const Box& part) {
    cairo_t* cr = to.cr();
    cairo_set_source_surface(cr, from.surface(), -part.left, -part.top);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_OVER);
}

}  // namespace skingen
