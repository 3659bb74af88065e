// Canvas and shared shapes.
#include "canvas.h"

#include <pango/pangocairo.h>

#include <cmath>

namespace skingen {

Canvas::Canvas(int width, int height)
    : width_(width),
      height_(height),
      surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_)) {}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::Fill(Rgb color, double alpha) {
    Rect(0, 0, width_, height_, color, alpha);
}

void Canvas::Rect(double x, double y, double w, double h, Rgb color, double alpha) {
    SetColor(cr_, color, alpha);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
}

void Canvas::Frame(double x, double y, double w, double h, Rgb color, double alpha) {
    SetColor(cr_, color, alpha);
    cairo_set_line_width(cr_, 1.0);
    cairo_rectangle(cr_, x + 0.5, y + 0.5, w - 1, h - 1);
    cairo_stroke(cr_);
}

void Canvas::RoundedPath(double x, double y, double w, double h, double radius) {
    const double r = std::fmin(radius, std::fmin(w, h) / 2);
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr_, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr_, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr_, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr_);
}

void Canvas::VerticalGradient(double x, double y, double w, double h, Rgb top, Rgb bottom) {
    cairo_rectangle(cr_, x, y, w, h);
    FillPathGradient(0, y, top, 0, y + h, bottom);
    cairo_new_path(cr_);
}

void Canvas::FillPathGradient(double x0, double y0, Rgb from, double x1, double y1, Rgb to) {
    cairo_pattern_t* pattern = cairo_pattern_create_linear(x0, y0, x1, y1);
    cairo_pattern_add_color_stop_rgb(pattern, 0, from.r, from.g, from.b);
    cairo_pattern_add_color_stop_rgb(pattern, 1, to.r, to.g, to.b);
    cairo_set_source(cr_, pattern);
    cairo_fill_preserve(cr_);
    cairo_pattern_destroy(pattern);
}

void Canvas::Line(double x0, double y0, double x1, double y1, Rgb color, double width) {
    SetColor(cr_, color);
    cairo_set_line_width(cr_, width);
    cairo_move_to(cr_, x0, y0);
    cairo_line_to(cr_, x1, y1);
    cairo_stroke(cr_);
}

}  // namespace skingen

namespace skingen {

void DrawText(Canvas& c, const char* text, double x, double y, double w, double h, const TextStyle& style) {
    cairo_t* cr = c.cr();
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string(style.family);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_font_description_set_weight(font, style.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(layout, font);
    pango_layout_set_text(layout, text, -1);
    int tw = 0, th = 0;
    pango_layout_get_pixel_size(layout, &tw, &th);
    double left = x;
    if (style.align == Align::kCenter) {
        left = x + (w - tw) / 2.0;
    } else if (style.align == Align::kRight) {
        left = x + w - tw;
    }
    SetColor(cr, style.color);
    cairo_move_to(cr, std::round(left), std::round(y + (h - th) / 2.0));
    pango_cairo_show_layout(cr, layout);
    cairo_new_path(cr);  // no current point left behind for the next shape
    pango_font_description_free(font);
    g_object_unref(layout);
}

}  // namespace skingen
