// The image buttons over real windows: faces and caption colours by state, toggling, hover hand-
// over between neighbours, press/release reports, shaped hit testing and swatch frames.
#include <gtest/gtest.h>

#include <functional>

#include "skin/skin_fixture.h"
#include "win/skin/color_btn.h"
#include "win/skin/gdi_bitmap_btn.h"
#include "win/skin/irr_button.h"
#include "win/ui/messages.h"

namespace kx90::test {
namespace {

using skin::CColorBtn;
using skin::CGDIBitmapBtn;
using skin::CIrrButton;

constexpr COLORREF kNormalFace = RGB(0x24, 0x28, 0x2E);
constexpr COLORREF kHoverFace = RGB(0x30, 0x36, 0x3F);
constexpr COLORREF kPressedFace = RGB(0x00, 0x93, 0xD1);
constexpr COLORREF kDisabledFace = RGB(0x1A, 0x1B, 0x1D);
constexpr COLORREF kEdge = RGB(0x3D, 0x43, 0x4D);
constexpr RECT kFirst{20, 20, 120, 52};
constexpr RECT kSecond{120, 20, 220, 52};  // touching the first: the pointer crosses straight over

class ImageButtonsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host_.Open(60, 60, 420, 200));
        const std::vector<RECT> rects = {kFirst, kSecond};
        normal_ = MakePage(420, 200, kNormalFace, kEdge, rects);
        hover_ = MakePage(420, 200, kHoverFace, RGB(0x00, 0x93, 0xD1), rects);
        pressed_ = MakePage(420, 200, kPressedFace, RGB(0x4F, 0xC3, 0xF2), rects);
        disabled_ = MakePage(420, 200, kDisabledFace, kEdge, rects);
        for (auto* entry : {&first_, &second_}) {
            const RECT& r = entry == &first_ ? kFirst : kSecond;
            ASSERT_TRUE(entry->CreateButton(host_.hwnd(), r));
            entry->SetFaceBitmaps(r, normal_.get(), hover_.get(), pressed_.get(), disabled_.get());
        }
        first_.SetText(L"Apply");
        second_.SetText(L"Cancel");
        PumpFor(std::chrono::milliseconds(30));
    }

    // A point inside a button, in screen coordinates.
    POINT On(const CGDIBitmapBtn& button, int x = 50, int y = 6) const {
        return ScreenPointOf(button.hwnd(), POINT{x, y});
    }
    COLORREF FaceOf(const CGDIBitmapBtn& button) const { return WindowPixel(button.hwnd(), POINT{50, 4}); }

    HostWindow host_;
    ui::UniqueBitmap normal_, hover_, pressed_, disabled_;
    CGDIBitmapBtn first_, second_;
};

TEST_F(ImageButtonsTest, FaceAndCaptionColourFollowTheState) {
    EXPECT_EQ(FaceOf(first_), kNormalFace);
    EXPECT_EQ(first_.CurrentLook().textColor, CGDIBitmapBtn::kNormalText);

    RealMoveTo(On(first_));
    EXPECT_TRUE(first_.IsHover());
    EXPECT_EQ(FaceOf(first_), kHoverFace);
    EXPECT_EQ(first_.CurrentLook().textColor, CGDIBitmapBtn::kHoverText);

    RealPressAt(On(first_));
    EXPECT_EQ(FaceOf(first_), kPressedFace);
    EXPECT_EQ(first_.CurrentLook().textColor, CGDIBitmapBtn::kPressedText);
    RealReleaseAt(On(first_));
    const auto clicks = host_.Of(WM_COMMAND);
    ASSERT_EQ(clicks.size(), 1u);
    EXPECT_EQ(HIWORD(clicks[0].wParam), BN_CLICKED);
    EXPECT_EQ(clicks[0].lParam, reinterpret_cast<LPARAM>(first_.hwnd()));

    RealMoveTo(ScreenPointOf(host_.hwnd(), POINT{300, 150}));
    EnableWindow(second_.hwnd(), FALSE);
    PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(FaceOf(second_), kDisabledFace);
    EXPECT_EQ(second_.CurrentLook().textColor, CGDIBitmapBtn::kDisabledText);
}

TEST_F(ImageButtonsTest, PressReleasedOutsideIsNoClick) {
    RealPressAt(On(first_));
    RealReleaseAt(ScreenPointOf(host_.hwnd(), POINT{300, 150}));
    EXPECT_TRUE(host_.Of(WM_COMMAND).empty());
    EXPECT_EQ(FaceOf(first_), kNormalFace);
}

TEST_F(ImageButtonsTest, ToggleInCheckModeKeepsThePressedFaceAfterThePointerLeaves) {
    first_.SetCheckMode(true, true);
    RealMoveTo(On(first_));
    RealPressAt(On(first_));
    RealReleaseAt(On(first_));
    EXPECT_TRUE(first_.GetCheck());
    RealMoveTo(ScreenPointOf(host_.hwnd(), POINT{300, 150}));
    EXPECT_FALSE(first_.IsHover());
    EXPECT_EQ(FaceOf(first_), kPressedFace);

    RealMoveTo(On(first_));
    RealPressAt(On(first_));
    RealReleaseAt(On(first_));
    EXPECT_FALSE(first_.GetCheck()) << "every press flips it";
    RealMoveTo(ScreenPointOf(host_.hwnd(), POINT{300, 150}));
    EXPECT_EQ(FaceOf(first_), kNormalFace);
}

TEST_F(ImageButtonsTest, HoverIsHandedToTheNeighbourWithoutBothLit) {
    RealMoveTo(On(first_, 90));
    EXPECT_TRUE(first_.IsHover());
    // The first button holds the capture, so it sees the move onto its neighbour and lets go.
    RealMoveTo(On(second_, 5));
    EXPECT_FALSE(first_.IsHover());
    EXPECT_FALSE(first_.IsHover() && second_.IsHover());
    RealMoveTo(On(second_, 8));
    EXPECT_TRUE(second_.IsHover());
    EXPECT_FALSE(first_.IsHover());
    EXPECT_EQ(FaceOf(first_), kNormalFace);
    EXPECT_EQ(FaceOf(second_), kHoverFace);
}

TEST_F(ImageButtonsTest, ReportsPressReleaseAndMovesInParentCoordinates) {
    first_.SetPressReleaseNotify(true);
    host_.Record(WM_MOUSEMOVE);
    RealMoveTo(On(first_, 10, 7));
    RealPressAt(On(first_, 10, 7));
    RealReleaseAt(On(first_, 10, 7));
    PumpFor(std::chrono::milliseconds(30));

    const auto reports = host_.Of(msg::kMouseButtonCapture);
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_EQ(reports[0].wParam, static_cast<WPARAM>(WM_LBUTTONDOWN));
    EXPECT_EQ(reports[1].wParam, static_cast<WPARAM>(WM_LBUTTONUP));
    EXPECT_EQ(reports[0].lParam, reinterpret_cast<LPARAM>(first_.hwnd()));
    const auto moves = host_.Of(WM_MOUSEMOVE);
    ASSERT_FALSE(moves.empty());
    EXPECT_EQ(LOWORD(moves.front().lParam), kFirst.left + 10);
    EXPECT_EQ(HIWORD(moves.front().lParam), kFirst.top + 7);
}

TEST_F(ImageButtonsTest, TheHoverCaptureIsLetGoWhenTheButtonCanNoLongerBeUsed) {
    HostWindow other;  // another window of the program, clear of the buttons
    ASSERT_TRUE(other.Open(560, 60, 160, 100, L"KX90 other window"));
    other.Record(WM_LBUTTONDOWN);
    SetForegroundWindow(host_.hwnd());
    const struct {
        const char* what;
        std::function<void()> act;
        std::function<void()> undo;
    } rows[] = {
        {"the button disabled", [&] { EnableWindow(first_.hwnd(), FALSE); },
         [&] { EnableWindow(first_.hwnd(), TRUE); }},
        {"the button hidden", [&] { ShowWindow(first_.hwnd(), SW_HIDE); },
         [&] { ShowWindow(first_.hwnd(), SW_SHOW); }},
        {"its window disabled, as under a modal dialog", [&] { EnableWindow(host_.hwnd(), FALSE); },
         [&] {
             EnableWindow(host_.hwnd(), TRUE);
             SetForegroundWindow(host_.hwnd());
         }},
        {"another window activated", [&] { SetForegroundWindow(other.hwnd()); },
         [&] { SetForegroundWindow(host_.hwnd()); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        RealMoveTo(On(first_));
        ASSERT_TRUE(first_.IsHover());
        ASSERT_EQ(GetCapture(), first_.hwnd());
        row.act();
        PumpFor(std::chrono::milliseconds(20));
        RealMoveTo(On(first_, 52));  // the hand rests where it was
        EXPECT_NE(GetCapture(), first_.hwnd());
        EXPECT_FALSE(first_.IsHover());
        row.undo();
        RealMoveTo(ScreenPointOf(host_.hwnd(), POINT{300, 150}));
    }
    // A press on the other window reaches it, whatever the button held before.
    RealMoveTo(On(first_));
    EXPECT_TRUE(RealClickAt(other.hwnd(), POINT{80, 50}));
    EXPECT_EQ(other.Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_TRUE(host_.Of(WM_COMMAND).empty());
}

// Puts a window over a point of the screen and activates it, as a dialog or popup that opens
// there would be, while the pointer rests where it is.
void CoverAndActivate(HWND cover, POINT at) {
    SetWindowPos(cover, HWND_TOP, at.x - 30, at.y - 10, 0, 0, SWP_NOSIZE);
    SetForegroundWindow(cover);
    PumpFor(std::chrono::milliseconds(30));
}

TEST_F(ImageButtonsTest, APressWhileAnotherProgramIsActiveLeavesThePointerToWhatTheClickOpens) {
    HostWindow cover;  // opened out of the way now, moved over the button later
    ASSERT_TRUE(cover.Open(560, 260, 100, 40, L"KX90 cover"));
    cover.Record(WM_MOUSEMOVE);
    cover.Record(WM_LBUTTONDOWN);
    SetForegroundWindow(host_.hwnd());
    {
        ForeignForeground foreign;
        ASSERT_EQ(GetActiveWindow(), nullptr);
        RealMoveTo(On(first_));
        EXPECT_FALSE(first_.IsHover()) << "no hover while another program has the activation";
        EXPECT_TRUE(RealClickAt(first_.hwnd(), POINT{50, 6}));
        EXPECT_EQ(host_.Of(WM_COMMAND).size(), 1u);
        EXPECT_EQ(GetForegroundWindow(), host_.hwnd()) << "the press brought its window to the front";
    }
    // What the click opens over the button takes the activation, as the language popup does; it
    // must get the moves and the press from then on.
    CoverAndActivate(cover.hwnd(), On(first_));
    RealMoveTo(On(first_, 52));
    RealMoveTo(On(first_, 54));
    EXPECT_NE(GetCapture(), first_.hwnd());
    EXPECT_FALSE(cover.Of(WM_MOUSEMOVE).empty());
    EXPECT_TRUE(RealClickAt(cover.hwnd(), POINT{34, 10}));
    EXPECT_EQ(cover.Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(host_.Of(WM_COMMAND).size(), 1u);
}

// A tab-like shaped button with a slanted right edge at (30, 40)-(210, 76) of its host.
struct Tab {
    ui::UniqueBitmap normal = MakePage(400, 160, RGB(0x1C, 0x1F, 0x24), RGB(0, 0, 0), {});
    ui::UniqueBitmap checked = MakePage(400, 160, RGB(0x00, 0x93, 0xD1), RGB(0, 0, 0), {});
    ui::UniqueBitmap hover = MakePage(400, 160, RGB(0x30, 0x36, 0x3F), RGB(0, 0, 0), {});
    CIrrButton button;

    bool Create(HWND host) {
        const POINT outline[4] = {{30, 40}, {189, 40}, {210, 76}, {30, 76}};
        ui::UniqueRegion region(CreatePolygonRgn(outline, 4, WINDING));
        button.SetFacePages(normal.get(), checked.get(), hover.get(), normal.get());
        return button.CreateShaped(L"Lighting", WS_VISIBLE, region.get(), host, 0);
    }
    // A point on the shape, in screen coordinates.
    POINT Inside(int dx = 0) const { return ScreenPointOf(button.hwnd(), POINT{70 + dx, 20}); }
};

TEST(IrrButton, HitsOnlyInsideItsRegion) {
    HostWindow host;
    ASSERT_TRUE(host.Open(60, 60, 400, 160));
    Tab tab;
    ASSERT_TRUE(tab.Create(host.hwnd()));
    CIrrButton& button = tab.button;

    // (205, 42) lies in the bounding box but right of the slanted edge: the press goes to the host.
    EXPECT_FALSE(button.HitTest(POINT{205 - 30, 42 - 40}));
    const POINT outside = ScreenPointOf(button.hwnd(), POINT{205 - 30, 42 - 40});
    EXPECT_EQ(WindowFromPoint(outside), host.hwnd());
    RealPressAt(outside);
    RealReleaseAt(outside);
    EXPECT_TRUE(host.Of(WM_COMMAND).empty());

    RealClickAt(button.hwnd(), POINT{100 - 30, 60 - 40});
    PumpFor(std::chrono::milliseconds(20));
    const auto presses = host.Of(WM_COMMAND);
    ASSERT_EQ(presses.size(), 1u);
    EXPECT_EQ(presses[0].wParam, 0u);
    EXPECT_EQ(presses[0].lParam, reinterpret_cast<LPARAM>(button.hwnd()));

    // A double click's second press is shown but not reported: one more report, not two.
    EXPECT_TRUE(RealDoubleClickAt(button.hwnd(), POINT{70, 20}));
    PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(host.Of(WM_COMMAND).size(), 2u);
}

TEST(IrrButton, APressActivatesItsWindowAndWhatCoversItGetsThePointer) {
    HostWindow cover;  // opened out of the way now, moved over the button later
    ASSERT_TRUE(cover.Open(560, 260, 100, 40, L"KX90 cover"));
    cover.Record(WM_MOUSEMOVE);
    cover.Record(WM_LBUTTONDOWN);
    HostWindow host;
    ASSERT_TRUE(host.Open(60, 60, 400, 160));
    Tab tab;
    ASSERT_TRUE(tab.Create(host.hwnd()));
    {
        ForeignForeground foreign;
        RealMoveTo(tab.Inside());
        EXPECT_TRUE(tab.button.IsHover()) << "a tab lights up under the pointer whatever is active";
        // The button holds the capture for its hover, so the system leaves the activation out.
        RealPressAt(tab.Inside());
        RealReleaseAt(tab.Inside());
        EXPECT_EQ(host.Of(WM_COMMAND).size(), 1u);
        EXPECT_EQ(GetForegroundWindow(), host.hwnd()) << "the press brought its window to the front";
    }

    // A window opened over the button (a dialog, a popup) gets the moves and the press.
    RealMoveTo(tab.Inside());
    ASSERT_TRUE(tab.button.IsHover());
    CoverAndActivate(cover.hwnd(), tab.Inside());
    RealMoveTo(tab.Inside(2));
    RealMoveTo(tab.Inside(4));
    EXPECT_FALSE(tab.button.IsHover());
    EXPECT_NE(GetCapture(), tab.button.hwnd());
    EXPECT_FALSE(cover.Of(WM_MOUSEMOVE).empty());
    EXPECT_TRUE(RealClickAt(cover.hwnd(), POINT{34, 10}));
    EXPECT_EQ(cover.Of(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(host.Of(WM_COMMAND).size(), 1u);
}

TEST(IrrButton, LetsGoOfThePointerWhenDisabledOrHidden) {
    HostWindow host;
    ASSERT_TRUE(host.Open(60, 60, 400, 160));
    Tab tab;
    ASSERT_TRUE(tab.Create(host.hwnd()));
    const struct {
        const char* what;
        std::function<void(HWND)> act;
        std::function<void(HWND)> undo;
    } rows[] = {
        {"disabled", [](HWND b) { EnableWindow(b, FALSE); }, [](HWND b) { EnableWindow(b, TRUE); }},
        {"hidden", [](HWND b) { ShowWindow(b, SW_HIDE); }, [](HWND b) { ShowWindow(b, SW_SHOW); }},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        RealMoveTo(tab.Inside());
        ASSERT_EQ(GetCapture(), tab.button.hwnd());
        row.act(tab.button.hwnd());
        PumpFor(std::chrono::milliseconds(20));
        EXPECT_NE(GetCapture(), tab.button.hwnd());
        EXPECT_FALSE(tab.button.IsHover());
        row.undo(tab.button.hwnd());
        RealMoveTo(ScreenPointOf(host.hwnd(), POINT{350, 140}));
    }
}

TEST(ColorBtn, FrameShowsSelectionPressAndHover) {
    HostWindow host;
    ASSERT_TRUE(host.Open(60, 60, 200, 100));
    CColorBtn swatch;
    ASSERT_TRUE(swatch.CreateButton(host.hwnd(), RECT{20, 20, 44, 44}));
    swatch.SetColor(RGB(0x20, 0xA0, 0x40));
    PumpFor(std::chrono::milliseconds(20));
    const POINT inside = ScreenPointOf(swatch.hwnd(), POINT{12, 12});
    auto edge = [&] { return WindowPixel(swatch.hwnd(), POINT{0, 12}); };

    EXPECT_EQ(edge(), RGB(0x20, 0xA0, 0x40)) << "no frame by default";
    EXPECT_EQ(WindowPixel(swatch.hwnd(), POINT{12, 12}), RGB(0x20, 0xA0, 0x40));
    swatch.SetFrame(true);
    PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(edge(), CColorBtn::kPlainFrame);
    RealMoveTo(inside);
    EXPECT_EQ(edge(), CColorBtn::kHoverFrame);
    RealPressAt(inside);
    EXPECT_EQ(edge(), CColorBtn::kPressedFrame);
    RealReleaseAt(inside);
    EXPECT_EQ(host.Of(WM_COMMAND).size(), 1u);
    swatch.SetSelected(true);
    PumpFor(std::chrono::milliseconds(20));
    EXPECT_EQ(edge(), CColorBtn::kSelectedFrame) << "selection outranks hover";
}

}  // namespace
}  // namespace kx90::test
