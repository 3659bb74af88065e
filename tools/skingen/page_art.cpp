// The five pages' pictures. Each picture holds the page's captions and panels and every button of
// the page in one look; the pages cut their button faces from the three looks.
#include <cmath>
#include <string>

#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/performance_page_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"
#include "faces.h"
#include "window_art.h"

namespace skingen {
namespace {

namespace perf = kx90::layout::performance_page;
namespace light = kx90::layout::lighting_page;
namespace macro = kx90::layout::macro_page;
namespace sts = kx90::layout::statistics_page;
namespace support = kx90::layout::support_page;

// The pictures are for the layout of every language but Chinese, except the performance page's
// tab pictures, which exist in both.
constexpr bool kOtherLayout = false;

Box Of(const kx90::layout::LocalizedRect& r, bool chinese = kOtherLayout) {
    return r.For(chinese);
}

// A caption zone of the same place in both layouts, without a status code of its own.
kx90::layout::CaptionZone Zone(const Box& r) {
    return {{r, r}, 0};
}

void Label(Canvas& c, const char* text, const Box& r, Align align = Align::kLeft, double size = 12,
           Rgb color = palette::kText) {
    TextStyle style;
    style.size = size;
    style.align = align;
    style.color = color;
    DrawText(c, text, r.left, r.top, r.Width(), r.Height(), style);
}

// Bold text, for headings and the brand.
void Heading(Canvas& c, const char* text, const Box& r, double size, Rgb color, Align align) {
    TextStyle style;
    style.size = size;
    style.bold = true;
    style.align = align;
    style.color = color;
    DrawText(c, text, r.left, r.top, r.Width(), r.Height(), style);
}

void Field(Canvas& c, const Box& r) {
    RecessedPanel(c, {r.left - 2, r.top - 2, r.right + 2, r.bottom + 2});
}

// A small triangle pointing up or down, centred in the rectangle.
void Arrow(Canvas& c, const Box& r, bool up, Rgb color) {
    cairo_t* cr = c.cr();
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    const double d = up ? -1 : 1;
    SetColor(cr, color);
    cairo_move_to(cr, cx - 3.5, cy - d * 1.5);
    cairo_line_to(cr, cx + 3.5, cy - d * 1.5);
    cairo_line_to(cr, cx, cy + d * 2.5);
    cairo_close_path(cr);
    cairo_fill(cr);
}

// A mouse seen from above, in the box: body, the split of the two main buttons and the wheel.
void MouseOutline(Canvas& c, const Box& b) {
    cairo_t* cr = c.cr();
    const double x = b.left, y = b.top, w = b.Width(), h = b.Height();
    cairo_move_to(cr, x + w / 2, y);
    cairo_curve_to(cr, x + w * 0.95, y, x + w, y + h * 0.25, x + w, y + h * 0.45);
    cairo_curve_to(cr, x + w, y + h * 0.8, x + w * 0.8, y + h, x + w / 2, y + h);
    cairo_curve_to(cr, x + w * 0.2, y + h, x, y + h * 0.8, x, y + h * 0.45);
    cairo_curve_to(cr, x, y + h * 0.25, x + w * 0.05, y, x + w / 2, y);
    cairo_close_path(cr);
    c.FillPathGradient(x, y, Hex(0x2B3038), x + w, y + h, Hex(0x121417));
    SetColor(cr, palette::kLineBright);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    // The split between the buttons and the line across the palm.
    c.Line(x + w / 2, y + 2, x + w / 2, y + h * 0.42, Hex(0x0A0B0D), 2);
    SetColor(cr, Hex(0x0A0B0D));
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + 3, y + h * 0.42);
    cairo_curve_to(cr, x + w * 0.3, y + h * 0.46, x + w * 0.7, y + h * 0.46, x + w - 3, y + h * 0.42);
    cairo_stroke(cr);
    // The accent light strip along the palm.
    SetColor(cr, palette::kAccent, 0.8);
    cairo_set_line_width(cr, 2);
    cairo_move_to(cr, x + w / 2, y + h * 0.6);
    cairo_line_to(cr, x + w / 2, y + h * 0.85);
    cairo_stroke(cr);
}

// A button marker on a mouse picture: a ring, lit when hovered, filled when pressed.
void Marker(Canvas& c, const Box& r, Look look, const char* text) {
    cairo_t* cr = c.cr();
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    const double radius = std::fmin(r.Width(), r.Height()) / 2.0 - 1.5;
    cairo_new_path(cr);
    cairo_arc(cr, cx, cy, radius, 0, 2 * M_PI);
    SetColor(cr, look == Look::kPressed ? palette::kAccent : Hex(0x0C0D10), 0.95);
    cairo_fill_preserve(cr);
    SetColor(cr, look == Look::kNormal ? Hex(0x6A717C) : palette::kAccentLight);
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    TextStyle style;
    style.size = 10;
    style.bold = true;
    style.align = Align::kCenter;
    style.color = CaptionColor(look);
    DrawText(c, text, r.left, r.top, r.Width(), r.Height(), style);
}

struct PerfText {
    const char* dpi;
    const char* speed;
    const char* sensor;
    const char* lift;
    const char* rate;
    const char* scroll;
    const char* buttons;
    const char* precision;
    const char* lines;
    const char* screen;
    const char* slow;
    const char* fast;
    const char* low;
    const char* high;
    const char* family;
};

const PerfText kPerfEnglish{"DPI levels",
                            "Pointer speed",
                            "Sensor settings",
                            "Lift-off distance",
                            "USB report rate",
                            "Windows scrolling",
                            "Button functions",
                            "Enhance precision",
                            "Scroll this many lines per notch",
                            "Scroll one screen per notch",
                            "Slow",
                            "Fast",
                            "Low",
                            "High",
                            "DejaVu Sans"};
const PerfText kPerfChinese{"DPI 档位",
                            "指针移动速度",
                            "传感器设置",
                            "静默高度",
                            "USB 回报率",
                            "Windows 滚轮设置",
                            "按键功能",
                            "提高指针精确度",
                            "每格滚动指定的行数",
                            "每格滚动一屏",
                            "慢",
                            "快",
                            "低",
                            "高",
                            "WenQuanYi Micro Hei"};

void Caption(Canvas& c, const kx90::layout::CaptionZone& zone, const char* text, double ruleRight,
             const char* family, bool chinese = kOtherLayout) {
    const Box r = zone.rect.For(chinese);
    c.Rect(r.left, r.top + 6, 3, r.Height() - 12, palette::kAccent);
    TextStyle style;
    style.size = 14;
    style.bold = true;
    style.color = palette::kWhite;
    style.family = family;
    DrawText(c, text, r.left + 10, r.top, r.Width() - 10, r.Height(), style);
    if (ruleRight > r.right) {
        c.Rect(r.right + 6, r.top + r.Height() / 2, ruleRight - r.right - 6, 1, palette::kLine);
    }
}

}  // namespace

void DrawPerformancePage(Canvas& c, Look look, Look tabLook, bool chinese) {
    const PerfText& t = chinese ? kPerfChinese : kPerfEnglish;
    PageGround(c);
    GroupPanel(c, {18, 18, 560, 116});
    GroupPanel(c, {18, 122, 356, 238});
    GroupPanel(c, {362, 122, 692, 238});
    GroupPanel(c, {18, 252, 356, 352});
    GroupPanel(c, {362, 252, 692, 402});
    GroupPanel(c, {702, 18, 907, 402});

    const auto& z = perf::kCaptionZones;
    Caption(c, z[0], t.dpi, 548, t.family, chinese);
    Caption(c, z[1], t.speed, 344, t.family, chinese);
    Caption(c, z[2], t.sensor, 680, t.family, chinese);
    Caption(c, z[3], t.rate, 344, t.family, chinese);
    Caption(c, z[4], t.scroll, 680, t.family, chinese);
    Caption(c, z[5], t.buttons, 356, t.family, chinese);

    for (int i = 0; i < 14; ++i) {
        const std::string value = std::to_string(perf::kLevelValues[i]);
        ChipFace(c, perf::kLevelButtons[i], look, value.c_str());
    }
    SliderTrack(c, perf::kPointerSpeedSlider, t.slow, t.fast);
    TextStyle sub;
    sub.size = 11;
    sub.color = Hex(0x8A9099);
    sub.family = t.family;
    DrawText(c, t.lift, 384, 186, 260, 20, sub);
    SliderTrack(c, perf::kLiftHeightSlider, t.low, t.high);
    {
        const Box r = perf::kImproveAccuracy;
        cairo_save(c.cr());
        OptionFace(c, r, look, t.precision, false, chinese ? 12 : 10.5);
        cairo_restore(c.cr());
    }
    for (int i = 0; i < 4; ++i) {
        const std::string rate = std::to_string(perf::kReportRates[i]) + " Hz";
        ChipFace(c, perf::kRateButtons[i], look, rate.c_str());
    }
    OptionFace(c, Of(perf::kLinesOption, chinese), look, t.lines, true, chinese ? 12 : 11.5);
    OptionFace(c, Of(perf::kScreenOption, chinese), look, t.screen, true, chinese ? 12 : 11.5);
    Field(c, Of(perf::kLineCountEdit, chinese));
    const Box up = Of(perf::kLinesUp, chinese), down = Of(perf::kLinesDown, chinese);
    PushFace(c, up, look, nullptr);
    PushFace(c, down, look, nullptr);
    Arrow(c, up, true, CaptionColor(look));
    Arrow(c, down, false, CaptionColor(look));

    // The mouse picture with a marker on each button.
    MouseOutline(c, {745, 100, 869, 360});
    // The two side buttons on the left flank, under the forward and back markers.
    for (int i : {3, 4}) {
        const Box m = perf::kButtonMarkers[i];
        c.RoundedPath(m.left + 8, m.top - 3, 16, m.Height() + 6, 4);
        SetColor(c.cr(), Hex(0x2A2F36));
        cairo_fill_preserve(c.cr());
        SetColor(c.cr(), palette::kLineBright);
        cairo_set_line_width(c.cr(), 1);
        cairo_stroke(c.cr());
    }
    Heading(c, "KX90", {702, 30, 907, 60}, 18, palette::kText, Align::kCenter);
    const char* const markers[7] = {"L", "M", "R", "4", "5", "▲", "▼"};
    for (int i = 0; i < 7; ++i) {
        Marker(c, perf::kButtonMarkers[i], look, markers[i]);
    }
    // Each tab names its button, in the order of the button blocks.
    const char* const english[7] = {"Left", "Middle", "Right", "Forward", "Back", "Wheel up", "Wheel down"};
    const char* const chineseNames[7] = {"左键", "中键", "右键", "前进键", "后退键", "滚轮向上", "滚轮向下"};
    for (int k = 0; k < 7; ++k) {
        QuadFace(c, perf::kFunctionTabs[k], tabLook, chinese ? chineseNames[k] : english[k], 12);
    }
}

namespace {

void HueWheel(Canvas& c, const Box& r) {
    cairo_surface_t* s = c.surface();
    cairo_surface_flush(s);
    unsigned char* data = cairo_image_surface_get_data(s);
    const int stride = cairo_image_surface_get_stride(s);
    const double cx = r.left + r.Width() / 2.0, cy = r.top + r.Height() / 2.0;
    const double rx = r.Width() / 2.0, ry = r.Height() / 2.0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            const double d = std::sqrt(dx * dx + dy * dy);
            if (d > 1.0) {
                continue;
            }
            const double hue = std::fmod(std::atan2(dy, dx) / (2 * M_PI) + 1.0, 1.0) * 6.0;
            const double f = hue - std::floor(hue);
            double rgb[3];
            switch (static_cast<int>(hue)) {
                case 0:
                    rgb[0] = 1, rgb[1] = f, rgb[2] = 0;
                    break;
                case 1:
                    rgb[0] = 1 - f, rgb[1] = 1, rgb[2] = 0;
                    break;
                case 2:
                    rgb[0] = 0, rgb[1] = 1, rgb[2] = f;
                    break;
                case 3:
                    rgb[0] = 0, rgb[1] = 1 - f, rgb[2] = 1;
                    break;
                case 4:
                    rgb[0] = f, rgb[1] = 0, rgb[2] = 1;
                    break;
                default:
                    rgb[0] = 1, rgb[1] = 0, rgb[2] = 1 - f;
                    break;
            }
            // White at the centre, full colour at the rim; the rim's last pixel is antialiased.
            const double edge = std::fmin(1.0, (1.0 - d) * rx);
            unsigned char* p = data + y * stride + x * 4;
            for (int k = 0; k < 3; ++k) {
                const double v = (1 - d) + d * rgb[k];
                const double old = p[2 - k] / 255.0;
                p[2 - k] = static_cast<unsigned char>(std::lround(255 * (edge * v + (1 - edge) * old)));
            }
            p[3] = 255;
        }
    }
    cairo_surface_mark_dirty(s);
    cairo_t* cr = c.cr();
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx + 1.5, ry + 1.5);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
    SetColor(cr, palette::kLineBright);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

void Swatch(Canvas& c, const Box& r, Look look, Rgb color) {
    c.Rect(r.left, r.top, r.Width(), r.Height(), Hex(0x08090B));
    c.Rect(r.left + 2, r.top + 2, r.Width() - 4, r.Height() - 4, color);
    if (look == Look::kHover) {
        c.Frame(r.left, r.top, r.Width(), r.Height(), palette::kWhite);
    } else if (look == Look::kPressed) {
        c.Frame(r.left, r.top, r.Width(), r.Height(), palette::kAccentLight);
        c.Frame(r.left + 1, r.top + 1, r.Width() - 2, r.Height() - 2, palette::kAccent);
    } else {
        c.Frame(r.left, r.top, r.Width(), r.Height(), palette::kLine);
    }
}

}  // namespace

void DrawLightingPage(Canvas& c, Look look) {
    PageGround(c);
    // One panel, ruled into the mode rows, the proximity row and the colour settings.
    GroupPanel(c, {12, 16, 907, 442});
    c.Rect(13, 156, 893, 1, palette::kLine);
    c.Rect(13, 183, 893, 1, palette::kLine);
    const char* const family = "DejaVu Sans";
    const auto& z = light::kCaptionZones;
    Caption(c, z[0], "Lighting mode", 176, family);
    Caption(c, z[1], "Proximity sensing", 253, family);
    Caption(c, z[2], "Colour settings", 895, family);

    const char* const modes[6] = {"Steady on",      "Breathing",    "Breathing with your clicks",
                                  "Spectrum cycle", "Colour cycle", "Lighting off"};
    for (int i = 0; i < 6; ++i) {
        OptionFace(c, Of(light::kModeButtons[i]), look, modes[i], true);
    }
    const Box breath = Of(light::kBreathSpeedSlider), bright = Of(light::kBrightnessSlider);
    SliderTrack(c, breath, nullptr, nullptr);
    SliderTrack(c, bright, nullptr, nullptr);
    Label(c, "Breathing speed", {breath.left - 130, breath.top - 5, breath.left - 10, breath.bottom + 5},
          Align::kRight, 11, Hex(0x8A9099));
    Label(c, "Brightness", {bright.left - 130, bright.top - 5, bright.left - 10, bright.bottom + 5},
          Align::kRight, 11, Hex(0x8A9099));
    OptionFace(c, Of(light::kMultiColorSwitch), look, "Three colours", false);
    for (const auto& s : light::kMultiColorSwatches) {
        const Box r = Of(s);
        RecessedPanel(c, {r.left - 2, r.top - 2, r.right + 2, r.bottom + 2});
    }
    const Box cycle = Of(light::kCycleSpeedSlider);
    SliderTrack(c, cycle, nullptr, nullptr);
    Label(c, "Cycle speed", {cycle.left - 130, cycle.top - 5, cycle.left - 10, cycle.bottom + 5},
          Align::kRight, 11, Hex(0x8A9099));
    OptionFace(c, Of(light::kProximityOn), look, "On", true);
    OptionFace(c, Of(light::kProximityOff), look, "Off", true);

    Label(c, "Current colour", Of(z[3].rect), Align::kLeft, 12);
    const Box single = Of(light::kSingleColorSwatch);
    RecessedPanel(c, {single.left - 2, single.top - 2, single.right + 2, single.bottom + 2});
    Label(c, "Preset colours", Of(z[4].rect), Align::kLeft, 12);
    for (int k = 0; k < light::kPresetCount; ++k) {
        Swatch(c, Of(light::PresetSwatch(k)), look, FromColorRef(light::kPresetColors[k]));
    }
    Label(c, "Custom colour", Of(z[5].rect), Align::kLeft, 12);
    const char* const channels[3] = {"R", "G", "B"};
    for (int i = 0; i < 3; ++i) {
        const Box s = Of(light::kColorSliders[i]);
        SliderTrack(c, s, nullptr, nullptr);
        Label(c, channels[i], {s.left - 30, s.top - 6, s.left - 10, s.bottom + 6}, Align::kRight, 12);
        Field(c, light::kColorFields[i]);
    }
    HueWheel(c, light::kColorWheel);
}

void DrawMacroPage(Canvas& c, Look look) {
    PageGround(c);
    const char* const family = "DejaVu Sans";
    Caption(c, macro::kHintAreas[0], "Macros", 327, family);
    Caption(c, macro::kHintAreas[2], "Events", 626, family);
    PushFace(c, macro::kGroupButton, look, nullptr);
    Arrow(c,
          {macro::kGroupButton.right - 20, macro::kGroupButton.top, macro::kGroupButton.right - 4,
           macro::kGroupButton.bottom},
          false, look == Look::kPressed ? kPressedText : palette::kAccent);
    RecessedPanel(c, {macro::kMacroList.left - 1, macro::kMacroList.top - 1, macro::kMacroList.right + 1,
                      macro::kMacroList.bottom + 1});
    RecessedPanel(c, {macro::kEventList.left - 1, macro::kEventList.top - 1, macro::kEventList.right + 1,
                      macro::kEventList.bottom + 1});
    PushFace(c, macro::kNewMacro, look, "+", 18);
    PushFace(c, macro::kDeleteMacro, look, "−", 18);
    PushFace(c, Of(macro::kInsertEvent), look, "+", 16);
    PushFace(c, Of(macro::kDeleteEvent), look, "−", 16);
    PushFace(c, Of(macro::kModifyEvent), look, "✎", 15);

    // The recorder: record button, options, repeat count, mouse buttons and the key and pause rows.
    GroupPanel(c, {636, 14, 907, 440});
    PushFace(c, macro::kRecordButton, look, nullptr);
    // The record dot sits left of where the button centres its caption.
    cairo_t* cr = c.cr();
    cairo_new_path(cr);
    cairo_arc(cr, macro::kRecordButton.left + 12.5,
              macro::kRecordButton.top + macro::kRecordButton.Height() / 2.0, 4, 0, 2 * M_PI);
    SetColor(cr, look == Look::kPressed ? Hex(0x8E1C22) : palette::kRed);
    cairo_fill(cr);
    OptionFace(c, macro::kNoPauseBox, look, "Record without pauses", false, 11.5);
    Label(c, "Repeat count", {646, 84, 840, 105}, Align::kLeft, 12);
    Field(c, macro::kRepeatField);
    c.Rect(646, 120, 252, 1, palette::kLine);
    Label(c, "Insert a mouse button", {646, 128, 898, 148}, Align::kLeft, 11, Hex(0x8A9099));
    MouseOutline(c, {705, 155, 835, 300});
    Marker(c, Of(macro::kMouseLeft), look, "L");
    Marker(c, Of(macro::kMouseMiddle), look, "M");
    Marker(c, Of(macro::kMouseRight), look, "R");
    c.Rect(646, 306, 252, 1, palette::kLine);
    OptionFace(c, Of(macro::kKeyOption), look, "Insert a key", true, 11.5);
    Field(c, Of(macro::kKeyField));
    PushFace(c, Of(macro::kKeyOk), look, "OK", 11);
    OptionFace(c, Of(macro::kPauseOption), look, "Insert a pause (ms)", true, 11.5);
    Field(c, Of(macro::kPauseField));
    PushFace(c, Of(macro::kPauseOk), look, "OK", 11);
}

void DrawStatisticsPage(Canvas& c, Look look) {
    PageGround(c);
    GroupPanel(c, {14, 14, 296, 438});
    GroupPanel(c, {618, 14, 915, 438});
    // The trophy's stage: a soft blue glow on the floor.
    cairo_t* cr = c.cr();
    cairo_pattern_t* glow = cairo_pattern_create_radial(458, 400, 10, 458, 400, 150);
    cairo_pattern_add_color_stop_rgba(glow, 0, palette::kAccent.r, palette::kAccent.g, palette::kAccent.b,
                                      0.25);
    cairo_pattern_add_color_stop_rgba(glow, 1, palette::kAccent.r, palette::kAccent.g, palette::kAccent.b, 0);
    cairo_set_source(cr, glow);
    cairo_rectangle(cr, sts::kTrophy.left, sts::kTrophy.top, sts::kTrophy.Width(), sts::kTrophy.Height());
    cairo_fill(cr);
    cairo_pattern_destroy(glow);

    const char* const family = "DejaVu Sans";
    Caption(c, Zone({22, 50, 150, 76}), "Clicks", 286, family);
    Caption(c, Zone({22, 217, 150, 243}), "Wheel", 286, family);
    Caption(c, Zone({22, 351, 150, 377}), "Travel", 286, family);
    const char* const names[sts::kFigureCount] = {"Left button", "Middle button", "Right button", "Total",
                                                  "Wheel up",    "Wheel down",    "Total",        "Pointer"};
    for (int i = 0; i < sts::kFigureCount; ++i) {
        const auto& row = sts::kFigureRows[i];
        const bool total = i == sts::kClicksTotal || i == sts::kWheelTotal;
        Label(c, names[i], {32, row.top, 146, row.bottom}, Align::kLeft, 12,
              total ? palette::kAccentLight : palette::kText);
        RecessedPanel(c, {sts::kFigureLeft - 4, row.top, sts::kFigureRight + 4, row.bottom});
    }
    // The travel figure is pixels x 0.0001.
    Label(c, "×10⁴ px",
          {sts::kFigureRight + 8, sts::kFigureRows[sts::kTravel].top, 290,
           sts::kFigureRows[sts::kTravel].bottom},
          Align::kLeft, 11, Hex(0x8A9099));

    Caption(c, Zone({628, 24, 800, 50}), "Trophy level", 905, family);
    const Box bar = sts::kLevelBar;
    if (look == Look::kNormal) {
        RecessedPanel(c, bar);
    } else {
        c.VerticalGradient(bar.left, bar.top, bar.Width(), bar.Height(), palette::kAccentLight,
                           palette::kAccentDark);
        for (int i = 1; i < sts::kTrophyLevels; ++i) {
            c.Rect(bar.left + sts::kLevelBarWidth * i / 13, bar.top, 1, bar.Height(), Hex(0x0A3A50));
        }
    }
    for (int i = 0; i < sts::kTrophyLevels; ++i) {
        const Box m = sts::TrophyMark(i);
        const bool on = look != Look::kNormal;
        c.RoundedPath(m.left + 1, m.top + 1, m.Width() - 2, m.Height() - 2, 4);
        SetColor(cr, on ? Hex(0x0F2A38) : Hex(0x121418));
        cairo_fill_preserve(cr);
        SetColor(cr, on ? palette::kAccent : palette::kLine);
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        // A little cup: bowl and foot.
        const double cx = m.left + m.Width() / 2.0;
        cairo_move_to(cr, cx - 9, m.top + 9);
        cairo_line_to(cr, cx + 9, m.top + 9);
        cairo_curve_to(cr, cx + 9, m.top + 22, cx + 4, m.top + 26, cx, m.top + 26);
        cairo_curve_to(cr, cx - 4, m.top + 26, cx - 9, m.top + 22, cx - 9, m.top + 9);
        cairo_close_path(cr);
        cairo_rectangle(cr, cx - 1.5, m.top + 26, 3, 5);
        cairo_rectangle(cr, cx - 6, m.top + 31, 12, 3);
        SetColor(cr, on ? palette::kAccentLight : Hex(0x3A404A));
        cairo_fill(cr);
        const std::string level = std::to_string(i);
        Label(c, level.c_str(), {m.left, m.top + 34, m.right, m.bottom - 2}, Align::kCenter, 10,
              on ? palette::kWhite : Hex(0x6A717C));
    }
    PushFace(c, sts::kResetButton, look, "Reset", 13);
}

void DrawSupportPage(Canvas& c, Look look) {
    PageGround(c);
    Heading(c, "Support", {40, 22, 340, 52}, 20, palette::kWhite, Align::kLeft);
    Label(c, "Versions, firmware updates and profile files", {40, 50, 600, 68}, Align::kLeft, 11,
          Hex(0x8A9099));
    GroupPanel(c, {40, 80, 600, 310});
    GroupPanel(c, {640, 80, 880, 310});
    GroupPanel(c, {40, 340, 560, 440});
    GroupPanel(c, {620, 340, 880, 440});
    const char* const family = "DejaVu Sans";
    Caption(c, Zone(support::kDriverVersionZone), "Driver version", 0, family);
    Caption(c, Zone(support::kFirmwareVersionZone), "Firmware version", 0, family);
    // Fields behind the two version texts the page paints.
    RecessedPanel(c,
                  {support::kDriverVersionText.left - 10, 162, support::kDriverVersionText.left + 130, 198});
    RecessedPanel(
        c, {support::kFirmwareVersionText.left - 10, 162, support::kFirmwareVersionText.left + 130, 198});
    c.Rect(52, 240, 536, 1, palette::kLine);
    const Box update = support::kFirmwareUpdate;
    Label(c, "Look for a newer firmware for your mouse", {60, update.top, update.left - 14, update.bottom},
          Align::kRight, 11, Hex(0x8A9099));
    PushFace(c, update, look, "Update", 13);

    Heading(c, "KX90", {640, 120, 880, 170}, 30, palette::kWhite, Align::kCenter);
    Label(c, "Drivers, manuals and news", {640, 176, 880, 196}, Align::kCenter, 11, Hex(0x8A9099));
    c.Rect(700, 210, 120, 1, palette::kAccentDark);
    PushFace(c, support::kWebSite, look, "Website", 13);

    Caption(c, Zone({52, 350, 300, 376}), "Profile file", 548, family);
    PushFace(c, support::kImport, look, "Import", 13);
    PushFace(c, support::kExport, look, "Export", 13);
    Label(c, "Save or load a .cfg profile",
          {support::kExport.right + 14, support::kExport.top, 548, support::kExport.bottom}, Align::kLeft, 11,
          Hex(0x8A9099));
    Caption(c, Zone({632, 350, 870, 376}), "Factory settings", 0, family);
    PushFace(c, support::kRestoreDefaults, look, "Restore", 13);
}

void DrawTrophy(Canvas& c, int level) {
    cairo_t* cr = c.cr();
    const double w = c.width();
    // The background matches the page's stage so the trophy face blends into the page.
    PageGround(c);
    cairo_pattern_t* glow = cairo_pattern_create_radial(w / 2, 400, 10, w / 2, 400, 150);
    const double strength = level == 0 ? 0.25 : 0.25 + level * 0.03;
    cairo_pattern_add_color_stop_rgba(glow, 0, palette::kAccent.r, palette::kAccent.g, palette::kAccent.b,
                                      strength);
    cairo_pattern_add_color_stop_rgba(glow, 1, palette::kAccent.r, palette::kAccent.g, palette::kAccent.b, 0);
    cairo_set_source(cr, glow);
    cairo_paint(cr);
    cairo_pattern_destroy(glow);

    // Metal by level: dark steel for none, bronze, silver, gold, and the program's blue at the top.
    Rgb light = Hex(0x4A505A), dark = Hex(0x22262C);
    if (level >= 12) {
        light = palette::kAccentLight;
        dark = palette::kAccentDark;
    } else if (level >= 9) {
        light = Hex(0xFFE27A);
        dark = Hex(0xA8791A);
    } else if (level >= 5) {
        light = Hex(0xE8ECF0);
        dark = Hex(0x7D8590);
    } else if (level >= 1) {
        light = Hex(0xE6A36A);
        dark = Hex(0x7A4420);
    }
    const double cx = w / 2;
    auto metal = [&](double x0, double x1) {
        cairo_pattern_t* p = cairo_pattern_create_linear(x0, 0, x1, 0);
        cairo_pattern_add_color_stop_rgb(p, 0, dark.r, dark.g, dark.b);
        cairo_pattern_add_color_stop_rgb(p, 0.35, light.r, light.g, light.b);
        cairo_pattern_add_color_stop_rgb(p, 1, dark.r, dark.g, dark.b);
        cairo_set_source(cr, p);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(p);
        SetColor(cr, Hex(0x0A0B0D), 0.6);
        cairo_set_line_width(cr, 1.5);
        cairo_stroke(cr);
    };
    // Handles.
    cairo_set_line_width(cr, 10);
    SetColor(cr, dark);
    cairo_arc(cr, cx - 78, 150, 34, M_PI / 2, 3 * M_PI / 2);
    cairo_stroke(cr);
    cairo_arc(cr, cx + 78, 150, 34, -M_PI / 2, M_PI / 2);
    cairo_stroke(cr);
    // Bowl.
    cairo_move_to(cr, cx - 90, 100);
    cairo_line_to(cr, cx + 90, 100);
    cairo_curve_to(cr, cx + 90, 200, cx + 50, 250, cx, 255);
    cairo_curve_to(cr, cx - 50, 250, cx - 90, 200, cx - 90, 100);
    cairo_close_path(cr);
    metal(cx - 90, cx + 90);
    cairo_new_path(cr);
    // Stem, collar and base.
    cairo_rectangle(cr, cx - 10, 255, 20, 60);
    metal(cx - 10, cx + 10);
    cairo_new_path(cr);
    cairo_rectangle(cr, cx - 40, 315, 80, 14);
    metal(cx - 40, cx + 40);
    cairo_new_path(cr);
    cairo_rectangle(cr, cx - 62, 329, 124, 40);
    metal(cx - 62, cx + 62);
    cairo_new_path(cr);
    // The level plate on the base.
    c.Rect(cx - 40, 339, 80, 20, Hex(0x0D0F12));
    const std::string text = "LEVEL " + std::to_string(level);
    Label(c, text.c_str(), {static_cast<int>(cx) - 40, 339, static_cast<int>(cx) + 40, 359}, Align::kCenter,
          11, level == 0 ? Hex(0x6A717C) : palette::kWhite);
    // A star on the bowl once any level is reached.
    if (level > 0) {
        SetColor(cr, palette::kWhite, 0.85);
        for (int i = 0; i < 10; ++i) {
            const double a = -M_PI / 2 + i * M_PI / 5;
            const double r = i % 2 == 0 ? 22 : 9;
            const double x = cx + r * std::cos(a), y = 160 + r * std::sin(a);
            if (i == 0) {
                cairo_move_to(cr, x, y);
            } else {
                cairo_line_to(cr, x, y);
            }
        }
        cairo_close_path(cr);
        cairo_fill(cr);
    }
}

}  // namespace skingen
