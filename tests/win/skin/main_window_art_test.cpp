// The main window's drawn art under the real shaped buttons: the three window pictures and the
// Apply faces must match the layout table, so each button shows its own face in each look. The
// assembled window is captured for a person to look at.
#include <gtest/gtest.h>

#include "core/layout/main_window_layout.h"
#include "skin/skin_fixture.h"
#include "win/resources/resource_ids.h"
#include "win/skin/irr_button.h"

namespace kx90::test {
namespace {

namespace mw = layout::main_window;

class Picture : public ui::Window {
public:
    HBITMAP bitmap = nullptr;

protected:
    bool OnPaint(HDC dc) override {
        ui::DrawBitmap(dc, bitmap, 0, 0);
        return true;
    }
    bool OnEraseBackground(HDC) override { return true; }
};

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
    ui::WindowDc screen(nullptr);
    ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    ui::Selected selected(dc.get(), bitmap);
    return GetPixel(dc.get(), x, y);
}

// A window-sized face: the normal window with the Apply face of one look at the button's place,
// which is how the window gives the shaped Apply button its resource faces.
ui::UniqueBitmap ApplyPage(HBITMAP window, UINT faceId) {
    const ui::SkinBitmap face = ui::LoadBitmapResource(faceId);
    ui::WindowDc screen(nullptr);
    ui::UniqueBitmap page(
        CreateCompatibleBitmap(screen.get(), mw::kWindowSize.width, mw::kWindowSize.height));
    ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    ui::Selected selected(dc.get(), page.get());
    ui::DrawBitmap(dc.get(), window, 0, 0);
    const auto box = mw::kApply.Bounds();
    ui::DrawBitmap(dc.get(), face.bitmap.get(), box.left, box.top);
    return page;
}

POINT Centre(const layout::Quad& q) {
    const auto b = q.Bounds();
    return {(b.left + b.right) / 2, (b.top + b.bottom) / 2};
}

TEST(MainWindowArt, EveryShapedButtonShowsItsOwnFaceInEachLook) {
    const auto skins = SkinDir() / "skins";
    const ui::SkinBitmap normal = ui::LoadSkinBitmap((skins / "Main_Normal.bmp").wstring());
    const ui::SkinBitmap down = ui::LoadSkinBitmap((skins / "Main_Down.bmp").wstring());
    const ui::SkinBitmap over = ui::LoadSkinBitmap((skins / "Main_Over.bmp").wstring());
    for (const ui::SkinBitmap* picture : {&normal, &down, &over}) {
        ASSERT_TRUE(picture->bitmap);
        EXPECT_EQ(picture->size.cx, mw::kWindowSize.width);
        EXPECT_EQ(picture->size.cy, mw::kWindowSize.height);
    }
    const auto box = mw::kApply.Bounds();
    for (UINT id = IDB_APPLY_CN_FIRST; id < IDB_APPLY_EN_FIRST + 3; ++id) {
        const ui::SkinBitmap face = ui::LoadBitmapResource(id);
        ASSERT_TRUE(face.bitmap) << id;
        EXPECT_EQ(face.size.cx, box.Width()) << id;
        EXPECT_EQ(face.size.cy, box.Height()) << id;
    }

    HostWindow host;
    ASSERT_TRUE(host.Open(10, 10, mw::kWindowSize.width, mw::kWindowSize.height, L"KX90 main window art"));
    Picture background;
    background.bitmap = normal.bitmap.get();
    ui::Window::CreateArgs args;
    args.rect = RECT{0, 0, mw::kWindowSize.width, mw::kWindowSize.height};
    args.parent = host.hwnd();
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    ASSERT_TRUE(background.Create(args));

    skin::CIrrButton buttons[11];
    layout::Quad quads[11];
    for (int i = 0; i < 5; ++i) {
        quads[i] = mw::kTabs[i];
        quads[5 + i] = mw::kProfiles[i];
    }
    quads[10] = mw::kApply;
    // Apply in English: normal 157, pressed 159, hover 158.
    ui::UniqueBitmap applyNormal = ApplyPage(normal.bitmap.get(), IDB_APPLY_EN_FIRST);
    ui::UniqueBitmap applyPressed = ApplyPage(normal.bitmap.get(), IDB_APPLY_EN_FIRST + 2);
    ui::UniqueBitmap applyHover = ApplyPage(normal.bitmap.get(), IDB_APPLY_EN_FIRST + 1);
    for (int i = 0; i < 11; ++i) {
        POINT corners[4];
        for (int k = 0; k < 4; ++k) {
            corners[k] = {quads[i].points[k].x, quads[i].points[k].y};
        }
        ui::UniqueRegion region(CreatePolygonRgn(corners, 4, WINDING));
        if (i < 10) {
            buttons[i].SetFacePages(normal.bitmap.get(), down.bitmap.get(), over.bitmap.get(),
                                    normal.bitmap.get());
        } else {
            buttons[i].SetFacePages(applyNormal.get(), applyPressed.get(), applyHover.get(),
                                    applyNormal.get());
        }
        buttons[i].SetCheckMode(true);
        ASSERT_TRUE(buttons[i].CreateShaped(L"", WS_VISIBLE, region.get(), host.hwnd(), 0));
        SetWindowPos(buttons[i].hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    // The first tab, the third profile and Apply pressed; the rest at rest.
    for (int i : {0, 7, 10}) {
        buttons[i].SetCheck(true);
    }
    PumpFor(std::chrono::milliseconds(200));

    for (int i = 0; i < 11; ++i) {
        const bool pressed = i == 0 || i == 7 || i == 10;
        const POINT at = Centre(quads[i]);
        HBITMAP expected = pressed ? (i == 10 ? applyPressed.get() : down.bitmap.get())
                                   : (i == 10 ? applyNormal.get() : normal.bitmap.get());
        EXPECT_EQ(WindowPixel(host.hwnd(), at), BitmapPixel(expected, at.x, at.y)) << "button " << i;
        EXPECT_NE(BitmapPixel(normal.bitmap.get(), at.x - 2, at.y),
                  BitmapPixel(down.bitmap.get(), at.x - 2, at.y))
            << "button " << i << " looks the same pressed";
    }
    RECT rc;
    GetWindowRect(host.hwnd(), &rc);
    EXPECT_TRUE(CaptureScreenRectToPng(rc, ScreenshotDir() / "main_window_art.png"));
}

}  // namespace
}  // namespace kx90::test
