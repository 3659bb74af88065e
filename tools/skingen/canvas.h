// A cairo image surface with its context, and the palette and small shapes every picture shares.
#pragma once

#include <cairo.h>

#include "core/layout/palette.h"

namespace skingen {

struct Rgb {
    double r, g, b;
};

// 0xRRGGBB (web order, not COLORREF).
constexpr Rgb Hex(unsigned value) {
    return {((value >> 16) & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, (value & 0xFF) / 255.0};
}
// 0x00BBGGRR, as the program's windows name their colours.
constexpr Rgb FromColorRef(unsigned value) {
    return {(value & 0xFF) / 255.0, ((value >> 8) & 0xFF) / 255.0, ((value >> 16) & 0xFF) / 255.0};
}

namespace palette {
inline constexpr Rgb kWindow = Hex(0x131518);     // the darkest surface
inline constexpr Rgb kPanel = Hex(0x1C1F24);      // raised panels
inline constexpr Rgb kPanelHigh = Hex(0x262A31);  // hovered panels
inline constexpr Rgb kLine = Hex(0x2E333B);       // 1-pixel rules
inline constexpr Rgb kLineBright = Hex(0x3D434D);
inline constexpr Rgb kAccent = FromColorRef(kx90::layout::kAccentColor);  // the program's blue
inline constexpr Rgb kAccentDark = Hex(0x006A99);
inline constexpr Rgb kAccentLight = Hex(0x4FC3F2);
inline constexpr Rgb kText = Hex(0xC8CCD2);
inline constexpr Rgb kRed = Hex(0xC8323A);
inline constexpr Rgb kWhite = Hex(0xFFFFFF);
}  // namespace palette

class Canvas {
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return cr_; }
    cairo_surface_t* surface() const { return surface_; }
    int width() const { return width_; }
    int height() const { return height_; }

    void Fill(Rgb color, double alpha = 1.0);
    // Filled rectangle in whole pixels.
    void Rect(double x, double y, double w, double h, Rgb color, double alpha = 1.0);
    // A crisp 1-pixel outline inside the rectangle.
    void Frame(double x, double y, double w, double h, Rgb color, double alpha = 1.0);
    void RoundedPath(double x, double y, double w, double h, double radius);
    void VerticalGradient(double x, double y, double w, double h, Rgb top, Rgb bottom);
    // Fills the current path with a gradient from (x0, y0) to (x1, y1); the path stays for a stroke.
    void FillPathGradient(double x0, double y0, Rgb from, double x1, double y1, Rgb to);
    void Line(double x0, double y0, double x1, double y1, Rgb color, double width = 1.0);

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

inline void SetColor(cairo_t* cr, Rgb c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

}  // namespace skingen

namespace skingen {

enum class Align { kLeft, kCenter, kRight };

struct TextStyle {
    double size = 12;  // pixels
    Rgb color = palette::kText;
    Align align = Align::kLeft;
    bool bold = false;
    const char* family = "DejaVu Sans";
};

// UTF-8 text in one line, vertically centred in the box (x, y, w, h).
void DrawText(Canvas& c, const char* text, double x, double y, double w, double h, const TextStyle& style);

}  // namespace skingen
