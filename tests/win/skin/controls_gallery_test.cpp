// Every family of skinned controls on one dark page, captured for a person to look at: bitmap
// buttons in each state, shaped tabs, swatches, the skinned edit, slider, progress bar, the tray
// menu's rows, the scroll-bar skin and the flag pictures.
#include <gtest/gtest.h>

#include <functional>

#include "skin/skin_fixture.h"
#include "win/resources/resource_ids.h"
#include "win/skin/bitmap_edit.h"
#include "win/skin/color_btn.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/skin/irr_button.h"
#include "win/skin/png_progress_bar.h"
#include "win/skin/png_slider.h"
#include "win/skin/xp_menu.h"

namespace kx90::test {
namespace {

// A child that paints whatever it is given.
class Canvas : public ui::Window {
public:
    std::function<void(HDC)> paint;

protected:
    bool OnPaint(HDC dc) override {
        paint(dc);
        return true;
    }
    bool OnEraseBackground(HDC) override { return true; }
};

constexpr int kWidth = 600;
constexpr int kHeight = 330;
const POINT kTabs[3][4] = {{{20, 80}, {150, 80}, {168, 112}, {20, 112}},
                           {{154, 80}, {290, 80}, {308, 112}, {172, 112}},
                           {{294, 80}, {430, 80}, {430, 112}, {312, 112}}};

ui::UniqueBitmap TabPage(COLORREF top, COLORREF bottom, COLORREF edge) {
    ui::UniqueBitmap page = MakePage(kWidth, kHeight, kPageColor, kPageColor, {});
    ui::WindowDc screen(nullptr);
    ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    ui::Selected selected(dc.get(), page.get());
    TRIVERTEX v[2] = {
        {0, 80, static_cast<COLOR16>(GetRValue(top) << 8), static_cast<COLOR16>(GetGValue(top) << 8),
         static_cast<COLOR16>(GetBValue(top) << 8), 0},
        {kWidth, 112, static_cast<COLOR16>(GetRValue(bottom) << 8),
         static_cast<COLOR16>(GetGValue(bottom) << 8), static_cast<COLOR16>(GetBValue(bottom) << 8), 0}};
    GRADIENT_RECT band{0, 1};
    GradientFill(dc.get(), v, 2, &band, 1, GRADIENT_FILL_RECT_V);
    ui::UniqueBrush pen(CreateSolidBrush(edge));
    for (const auto& quad : kTabs) {
        ui::UniqueRegion outline(CreatePolygonRgn(quad, 4, WINDING));
        FrameRgn(dc.get(), outline.get(), pen.get(), 1, 1);
    }
    return page;
}

TEST(ControlsGallery, ScreenshotOfEveryControlFamily) {
    HostWindow host;
    ASSERT_TRUE(host.Open(20, 20, kWidth, kHeight, L"KX90 controls gallery"));
    const ui::SkinBitmap normal = ui::LoadBitmapResource(IDB_INFO_TWO_NORMAL);
    const ui::SkinBitmap hover = ui::LoadBitmapResource(IDB_INFO_TWO_HOVER);
    const ui::SkinBitmap pressed = ui::LoadBitmapResource(IDB_INFO_TWO_PRESSED);
    ASSERT_TRUE(normal.bitmap);

    // Bitmap buttons: normal, hover, checked and disabled, faces cut from the info dialog's art.
    const RECT face{178, 127, 244, 159};
    skin::CGDIBitmapBtn buttons[4];
    const wchar_t* captions[4] = {L"Apply", L"Hover", L"Macro", L"Disabled"};
    for (int i = 0; i < 4; ++i) {
        ASSERT_TRUE(buttons[i].CreateButton(host.hwnd(), RECT{20 + i * 76, 20, 86 + i * 76, 52}));
        buttons[i].SetFaceBitmaps(face, normal.bitmap.get(), hover.bitmap.get(), pressed.bitmap.get(),
                                  normal.bitmap.get());
        buttons[i].SetTextColors(0x676153, 0xFFFFFF, 0xFFFFFF);
        buttons[i].SetText(captions[i]);
    }
    buttons[2].SetCheckMode(true, true);
    buttons[2].SetCheck(true);
    EnableWindow(buttons[3].hwnd(), FALSE);

    // Shaped tabs: one checked.
    ui::UniqueBitmap tabNormal = TabPage(RGB(0x22, 0x26, 0x2C), RGB(0x18, 0x1B, 0x1F), RGB(0x3D, 0x43, 0x4D));
    ui::UniqueBitmap tabHover = TabPage(RGB(0x30, 0x36, 0x3F), RGB(0x22, 0x26, 0x2C), RGB(0x00, 0x93, 0xD1));
    ui::UniqueBitmap tabChecked =
        TabPage(RGB(0x4F, 0xC3, 0xF2), RGB(0x00, 0x93, 0xD1), RGB(0x4F, 0xC3, 0xF2));
    skin::CIrrButton tabs[3];
    const wchar_t* tabTexts[3] = {L"Performance", L"Lighting", L"Macros"};
    for (int i = 0; i < 3; ++i) {
        ui::UniqueRegion region(CreatePolygonRgn(kTabs[i], 4, WINDING));
        tabs[i].SetFacePages(tabNormal.get(), tabChecked.get(), tabHover.get(), tabNormal.get());
        tabs[i].SetCheckMode(true);
        ASSERT_TRUE(tabs[i].CreateShaped(tabTexts[i], WS_VISIBLE, region.get(), host.hwnd(), 0));
    }
    tabs[0].SetCheck(true);

    // Swatches: plain, framed, selected.
    skin::CColorBtn swatches[8];
    const COLORREF colors[8] = {RGB(255, 0, 0),   RGB(255, 128, 0), RGB(255, 230, 0), RGB(0, 200, 60),
                                RGB(0, 147, 209), RGB(40, 60, 255), RGB(160, 0, 255), RGB(255, 255, 255)};
    for (int i = 0; i < 8; ++i) {
        ASSERT_TRUE(swatches[i].CreateButton(host.hwnd(), RECT{20 + i * 30, 132, 44 + i * 30, 156}));
        swatches[i].SetColor(colors[i]);
        swatches[i].SetFrame(true);
    }
    swatches[4].SetSelected(true);

    // Skinned edit over a darker field of the page.
    ui::UniqueBitmap field =
        MakePage(kWidth, kHeight, RGB(0x0B, 0x0C, 0x0E), RGB(0x2E, 0x33, 0x3B), {RECT{20, 170, 200, 190}});
    Canvas fieldFrame;
    ui::Window::CreateArgs frameArgs;
    frameArgs.rect = RECT{20, 170, 200, 190};
    frameArgs.parent = host.hwnd();
    ASSERT_TRUE(fieldFrame.Create(frameArgs));
    fieldFrame.paint = [&](HDC dc) { ui::DrawBitmapPart(dc, field.get(), 0, 0, RECT{20, 170, 200, 190}); };
    skin::CBitmapEdit edit;
    edit.SetFontHeight(14);
    ASSERT_TRUE(edit.CreateEdit(host.hwnd(), RECT{24, 173, 196, 188}));
    edit.SetBackground(24, 173, 172, 15, field.get());
    SetWindowTextW(edit.hwnd(), L"Repeat: 3 times");

    // Slider over a groove of the page, and the progress bar at 60 %.
    ui::UniqueBitmap groove =
        MakePage(kWidth, kHeight, kPageColor, RGB(0x2E, 0x33, 0x3B), {RECT{20, 215, 220, 217}});
    skin::CPngHSliderBar slider;
    ASSERT_TRUE(slider.CreateSlider((SkinDir() / "skins" / "Slider.png").wstring(), 20, 210, 220, 222,
                                    host.hwnd(), 1));
    slider.SetBackground(20, 210, 200, 12, groove.get());
    slider.SetRange(1, 10);
    slider.SetPos(7);
    const auto back =
        ui::LoadSkinBitmap((SkinDir() / "skins" / "ProgressBar" / "Progress_Normal.png").wstring());
    const auto fill =
        ui::LoadSkinBitmap((SkinDir() / "skins" / "ProgressBar" / "Progress_Over.png").wstring());
    skin::CPngHProgressBar progress;
    ASSERT_TRUE(progress.CreateProgress(RECT{20, 240, 280, 249}, host.hwnd(), 777));
    progress.SetImages(35, 47, 260, 9, back.bitmap.get(), fill.bitmap.get());
    progress.SetRange(0, 100);
    progress.SetPos(60);

    // The tray menu's two rows, the scroll-bar skin at twice its size and the twelve flags.
    static const skin::XPMenuItem rows[2] = {{IDI_TRAY_CONFIG, IDI_TRAY_CONFIG, L"Config", 0x6000},
                                             {IDI_TRAY_EXIT, IDI_TRAY_EXIT, L"Exit", 0x6001}};
    Canvas extras;
    ui::Window::CreateArgs extrasArgs;
    extrasArgs.rect = RECT{330, 132, 590, 320};
    extrasArgs.parent = host.hwnd();
    ASSERT_TRUE(extras.Create(extrasArgs));
    const ui::SkinBitmap scroll = ui::LoadBitmapResource(IDB_SCROLL_SKIN);
    ui::SkinBitmap flags[12];
    for (int i = 0; i < 12; ++i) {
        flags[i] = ui::LoadBitmapResource(IDB_LANGUAGE_FLAG_FIRST + i);
    }
    extras.paint = [&](HDC dc) {
        ui::FillSolid(dc, RECT{0, 0, 260, 190}, kPageColor);
        for (int i = 0; i < 2; ++i) {
            DRAWITEMSTRUCT draw{};
            draw.CtlType = ODT_MENU;
            draw.hDC = dc;
            draw.rcItem = RECT{0, i * 22, 75, (i + 1) * 22};
            draw.itemState = i == 0 ? ODS_SELECTED : 0;
            draw.itemData = reinterpret_cast<ULONG_PTR>(&rows[i]);
            skin::CXPMenu::DrawItem(draw);
        }
        ui::UniqueMemoryDc memory(CreateCompatibleDC(dc));
        {
            ui::Selected selected(memory.get(), scroll.bitmap.get());
            StretchBlt(dc, 90, 0, scroll.size.cx * 2, scroll.size.cy * 2, memory.get(), 0, 0, scroll.size.cx,
                       scroll.size.cy, SRCCOPY);
        }
        for (int i = 0; i < 12; ++i) {
            ui::DrawBitmap(dc, flags[i].bitmap.get(), (i % 6) * 42, 90 + (i / 6) * 28);
        }
    };

    // One control holds the pointer at a time (hover works by capture): the second button.
    RealMoveTo(ScreenPointOf(buttons[1].hwnd(), POINT{30, 16}));
    PumpFor(std::chrono::milliseconds(100));
    RECT rc;
    GetWindowRect(host.hwnd(), &rc);
    EXPECT_TRUE(CaptureScreenRectToPng(rc, ScreenshotDir() / "controls_gallery.png"));
    EXPECT_TRUE(buttons[1].IsHover());
}

}  // namespace
}  // namespace kx90::test
