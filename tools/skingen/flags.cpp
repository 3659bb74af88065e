// The twelve flags: stripes, crosses and emblems reduced to what reads at 19 x 11 pixels.
#include "flags.h"

#include <cmath>
#include <initializer_list>

namespace skingen {
namespace {

void Stripes(Canvas& c, const Rgb* colors, const double* shares, int count, bool vertical) {
    double total = 0;
    for (int i = 0; i < count; ++i) {
        total += shares[i];
    }
    double at = 0;
    for (int i = 0; i < count; ++i) {
        const double length = (vertical ? c.width() : c.height()) * shares[i] / total;
        if (vertical) {
            c.Rect(at, 0, length + 0.5, c.height(), colors[i]);
        } else {
            c.Rect(0, at, c.width(), length + 0.5, colors[i]);
        }
        at += length;
    }
}

void Even(Canvas& c, std::initializer_list<Rgb> colors, bool vertical) {
    const double shares[4] = {1, 1, 1, 1};
    Stripes(c, colors.begin(), shares, static_cast<int>(colors.size()), vertical);
}

void Star(cairo_t* cr, double cx, double cy, double r, double angle = -M_PI / 2) {
    for (int i = 0; i < 10; ++i) {
        const double a = angle + i * M_PI / 5;
        const double radius = (i % 2 == 0) ? r : r * 0.4;
        const double x = cx + radius * std::cos(a);
        const double y = cy + radius * std::sin(a);
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Disc(cairo_t* cr, double cx, double cy, double r) {
    cairo_arc(cr, cx, cy, r, 0, 2 * M_PI);
    cairo_fill(cr);
}

void China(Canvas& c) {
    const double w = c.width(), h = c.height();
    c.Fill(Hex(0xDE2910));
    SetColor(c.cr(), Hex(0xFFDE00));
    Star(c.cr(), w * 0.17, h * 0.27, h * 0.2);
    const double small = h * 0.07;
    Star(c.cr(), w * 0.33, h * 0.1, small);
    Star(c.cr(), w * 0.4, h * 0.2, small);
    Star(c.cr(), w * 0.4, h * 0.35, small);
    Star(c.cr(), w * 0.33, h * 0.45, small);
}

void UnitedKingdom(Canvas& c) {
    const double w = c.width(), h = c.height();
    cairo_t* cr = c.cr();
    c.Fill(Hex(0x012169));
    c.Line(0, 0, w, h, palette::kWhite, h * 0.2);
    c.Line(w, 0, 0, h, palette::kWhite, h * 0.2);
    c.Line(0, 0, w, h, Hex(0xC8102E), h * 0.07);
    c.Line(w, 0, 0, h, Hex(0xC8102E), h * 0.07);
    c.Rect(w * 0.4, 0, w * 0.2, h, palette::kWhite);
    c.Rect(0, h * 0.33, w, h * 0.34, palette::kWhite);
    c.Rect(w * 0.45, 0, w * 0.1, h, Hex(0xC8102E));
    c.Rect(0, h * 0.4, w, h * 0.2, Hex(0xC8102E));
    (void)cr;
}

void Korea(Canvas& c) {
    const double w = c.width(), h = c.height();
    cairo_t* cr = c.cr();
    c.Fill(palette::kWhite);
    const double r = h * 0.25;
    SetColor(cr, Hex(0xCD2E3A));
    cairo_arc(cr, w / 2, h / 2, r, M_PI, 2 * M_PI);
    cairo_fill(cr);
    SetColor(cr, Hex(0x0047A0));
    cairo_arc(cr, w / 2, h / 2, r, 0, M_PI);
    cairo_fill(cr);
    // The four trigrams, reduced to short black bars in the corners.
    const double bar = w * 0.12;
    for (int i = 0; i < 4; ++i) {
        const double x = (i % 2 == 0) ? w * 0.1 : w * 0.9 - bar;
        const double y = (i < 2) ? h * 0.15 : h * 0.7;
        for (int k = 0; k < 3; ++k) {
            c.Rect(x, y + k * h * 0.06, bar, std::fmax(1.0, h * 0.04), Hex(0x000000));
        }
    }
}

void Portugal(Canvas& c) {
    const Rgb colors[] = {Hex(0x006600), Hex(0xFF0000)};
    const double shares[] = {2, 3};
    Stripes(c, colors, shares, 2, true);
    SetColor(c.cr(), Hex(0xFFCC00));
    Disc(c.cr(), c.width() * 0.4, c.height() / 2, c.height() * 0.22);
    SetColor(c.cr(), Hex(0xFF0000));
    Disc(c.cr(), c.width() * 0.4, c.height() / 2, c.height() * 0.12);
}

void Spain(Canvas& c) {
    const Rgb colors[] = {Hex(0xAA151B), Hex(0xF1BF00), Hex(0xAA151B)};
    const double shares[] = {1, 2, 1};
    Stripes(c, colors, shares, 3, false);
}

void TraditionalChinese(Canvas& c) {
    const double w = c.width(), h = c.height();
    c.Fill(Hex(0xFE0000));
    c.Rect(0, 0, w / 2, h / 2, Hex(0x000095));
    SetColor(c.cr(), palette::kWhite);
    Star(c.cr(), w / 4, h / 4, h * 0.19, -M_PI / 2);
    SetColor(c.cr(), Hex(0x000095));
    Disc(c.cr(), w / 4, h / 4, h * 0.08);
    SetColor(c.cr(), palette::kWhite);
    Disc(c.cr(), w / 4, h / 4, h * 0.06);
}

}  // namespace

void DrawFlag(Canvas& c, int language) {
    switch (language) {
        case 1:
            China(c);
            break;
        case 2:
            UnitedKingdom(c);
            break;
        case 3:
            Even(c, {Hex(0x0055A4), palette::kWhite, Hex(0xEF4135)}, true);
            break;
        case 4:
            Korea(c);
            break;
        case 5:
            Even(c, {Hex(0x000000), Hex(0xDD0000), Hex(0xFFCE00)}, false);
            break;
        case 6:
            Even(c, {Hex(0x009246), palette::kWhite, Hex(0xCE2B37)}, true);
            break;
        case 7:
            Spain(c);
            break;
        case 8:
            Even(c, {Hex(0xAE1C28), palette::kWhite, Hex(0x21468B)}, false);
            break;
        case 9:
            Portugal(c);
            break;
        case 10:
            Even(c, {palette::kWhite, Hex(0x0039A6), Hex(0xD52B1E)}, false);
            break;
        case 11:
            Even(c, {Hex(0x0057B7), Hex(0xFFD700)}, false);
            break;
        case 12:
            TraditionalChinese(c);
            break;
        default:
            c.Fill(Hex(0x808080));
            break;
    }
    // A hairline edge keeps white flags visible on a white menu.
    c.Frame(0, 0, c.width(), c.height(), Hex(0x000000), 0.35);
}

}  // namespace skingen
