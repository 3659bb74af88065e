// CSkinScrollWnd and CSkinScrollBar round a real list box with real input: the wrapped layout,
// the arrows' auto-repeat and its suspension, paging up to the pointer, thumb drags, hover, the
// unwrapping when the list goes, and a screenshot of the finished look.
#include <windows.h>
// commctrl.h needs windows.h first.
#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/skin_fixture.h"
#include "support/gui_harness.h"
#include "win/resources/resource_ids.h"
#include "win/skin/list_box_ex.h"
#include "win/skin/skin_scroll_wnd.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::test {
namespace {

using skin::CListBoxEx;
using skin::CSkinScrollBar;
using skin::CSkinScrollWnd;

constexpr UINT kListId = 0x7B1;
constexpr int kRows = 40;
constexpr RECT kListRect{20, 20, 240, 222};  // 202 high with its border: 200 of rows, 10 in view

// Counts the scroll commands a window receives, by code.
class CommandCounter {
public:
    explicit CommandCounter(HWND window) : window_(window) {
        SetWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this), reinterpret_cast<DWORD_PTR>(this));
    }
    ~CommandCounter() { RemoveWindowSubclass(window_, Proc, reinterpret_cast<UINT_PTR>(this)); }
    int Count(int code) const { return counts_[code & 15]; }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                 DWORD_PTR data) {
        if (message == WM_VSCROLL || message == WM_HSCROLL) {
            ++reinterpret_cast<CommandCounter*>(data)->counts_[LOWORD(wParam) & 15];
        }
        return DefSubclassProc(window, message, wParam, lParam);
    }
    HWND window_;
    int counts_[16] = {};
};

class SkinScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host_.Open(80, 80, 420, 300));
        host_.Record(msg::kListSelChange);
        skin_ = ui::LoadBitmapResource(IDB_SCROLL_SKIN);
        ASSERT_EQ(skin_.size.cx, 9 * 12) << "the skin drawn for this build";
        list_.SetInstallDir(SkinDir().wstring());
        ASSERT_TRUE(list_.CreateList(host_.hwnd(), kListRect, kListId, WS_VSCROLL | WS_BORDER));
        list_.SetColors(RGB(0x18, 0x1B, 0x1F), RGB(0x00, 0x6A, 0x99));
        list_.SetTextColors(RGB(0xC8, 0xCC, 0xD2), RGB(0xFF, 0xFF, 0xFF));
        for (int i = 0; i < kRows; ++i) {
            const uint32_t type = i % 4 == 0 ? skin::kListItemDelay
                                             : (i % 2 == 1 ? skin::kListItemKeyDown : skin::kListItemKeyUp);
            list_.InsertItem(-1, type, L"Step " + std::to_wstring(i) + (i % 4 == 0 ? L"  50 ms" : L"  key A"),
                             static_cast<uint32_t>(i));
        }
        list_.SetCurSel(-1);
        SendMessageW(list_.hwnd(), LB_SETTOPINDEX, 0, 0);
        frame_ = skin::SkinScrollWindow(list_.hwnd(), skin_.bitmap.get());
        ASSERT_NE(frame_, nullptr);
        PumpFor(std::chrono::milliseconds(50));
        ASSERT_TRUE(PumpUntil([&] { return Bar().State().maximum == kRows - 1; }, std::chrono::seconds(2)));
    }

    CSkinScrollBar& Bar() { return frame_->VerticalBar(); }
    int Top() const { return static_cast<int>(SendMessageW(list_.hwnd(), LB_GETTOPINDEX, 0, 0)); }
    int Length() {
        RECT rc;
        GetClientRect(Bar().hwnd(), &rc);
        return rc.bottom;
    }
    skin::ScrollBarGeometry Geometry() {
        return skin::LayOutScrollBar(Length(), Bar().Tile(), Bar().State());
    }
    // A point on the vertical bar, `along` pixels from its top, on the screen.
    POINT OnBar(int along) { return ScreenPointOf(Bar().hwnd(), POINT{Bar().Tile() / 2, along}); }
    // A pixel inside the down arrow's rounded square, off its triangle.
    COLORREF DownArrowPixel() { return WindowPixel(Bar().hwnd(), POINT{2, Length() - Bar().Tile() / 2}); }
    void ScrollListTo(int top) {
        SendMessageW(list_.hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(top), 0);
        ASSERT_TRUE(PumpUntil([&] { return Bar().State().position == Top(); }, std::chrono::seconds(2)))
            << "the frame copies the list's scroll state into its bar";
    }

    HostWindow host_;
    ui::SkinBitmap skin_;
    CListBoxEx list_;
    CSkinScrollWnd* frame_ = nullptr;
};

TEST_F(SkinScrollTest, WrappedListSitsInLimitWithItsSystemBarOutsideAndTheSkinBarBeside) {
    HWND frame = frame_->hwnd();
    wchar_t name[64] = {};
    GetWindowTextW(frame, name, 64);
    EXPECT_EQ(std::wstring(name), L"SkinScrollBarFrame");
    EXPECT_EQ(GetDlgCtrlID(frame), static_cast<int>(kListId));
    EXPECT_EQ(GetParent(frame), host_.hwnd());
    RECT frameRect;
    GetWindowRect(frame, &frameRect);
    MapWindowPoints(nullptr, host_.hwnd(), reinterpret_cast<POINT*>(&frameRect), 2);
    EXPECT_TRUE(EqualRect(&frameRect, &kListRect)) << "the frame takes the list's place";
    EXPECT_TRUE(GetWindowLongPtrW(frame, GWL_STYLE) & WS_BORDER) << "the border moved to the frame";
    EXPECT_FALSE(GetWindowLongPtrW(list_.hwnd(), GWL_STYLE) & WS_BORDER);

    HWND limit = GetParent(list_.hwnd());
    GetWindowTextW(limit, name, 64);
    EXPECT_EQ(std::wstring(name), L"LIMIT");
    EXPECT_EQ(GetDlgCtrlID(limit), 200);
    EXPECT_EQ(GetParent(limit), frame);
    EXPECT_EQ(GetDlgCtrlID(Bar().hwnd()), 101);
    EXPECT_EQ(GetDlgCtrlID(frame_->HorizontalBar().hwnd()), 100);
    EXPECT_TRUE(IsWindowVisible(Bar().hwnd()));
    EXPECT_FALSE(IsWindowVisible(frame_->HorizontalBar().hwnd()));
    EXPECT_EQ(frame_->Corner(), 0);

    // The list's client area covers "LIMIT" exactly, so its own bar lies outside it.
    RECT limitRect, clientRect, frameClient, barRect;
    GetWindowRect(limit, &limitRect);
    GetClientRect(list_.hwnd(), &clientRect);
    MapWindowPoints(list_.hwnd(), nullptr, reinterpret_cast<POINT*>(&clientRect), 2);
    EXPECT_TRUE(EqualRect(&limitRect, &clientRect));
    GetClientRect(frame, &frameClient);
    GetWindowRect(Bar().hwnd(), &barRect);
    MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&barRect), 2);
    const RECT expectedBar{frameClient.right - 12, 0, frameClient.right, frameClient.bottom};
    EXPECT_TRUE(EqualRect(&barRect, &expectedBar));
    EXPECT_EQ(ui::Width(limitRect), frameClient.right - 12);

    SCROLLINFO info{sizeof info, SIF_ALL};
    ASSERT_TRUE(GetScrollInfo(list_.hwnd(), SB_VERT, &info));
    EXPECT_EQ(Bar().State().maximum, info.nMax);
    EXPECT_EQ(Bar().State().page, static_cast<int>(info.nPage));
    EXPECT_EQ(Bar().State().position, info.nPos);
}

TEST_F(SkinScrollTest, HoldingTheDownArrowOnTheLastPageKeepsSendingLineDownAndTheListStays) {
    ScrollListTo(kRows);
    const int top = Top();
    ASSERT_GT(top, 0);
    CommandCounter commands(frame_->hwnd());
    const COLORREF normal = DownArrowPixel();
    const POINT arrow = OnBar(Length() - Bar().Tile() / 2);

    RealPressAt(arrow);
    EXPECT_EQ(commands.Count(SB_LINEDOWN), 1) << "the press sends at once";
    const COLORREF pressed = DownArrowPixel();
    EXPECT_NE(pressed, normal) << "a held arrow is drawn pressed";
    PumpFor(std::chrono::milliseconds(1000));  // 500 ms wait, then one every 100 ms
    const int held = commands.Count(SB_LINEDOWN);
    EXPECT_GE(held, 3) << "repeats while held";
    EXPECT_LE(held, 7);

    // Off the arrow the repetition waits and the arrow looks released; back on, it goes on.
    RealMoveTo(ScreenPointOf(list_.hwnd(), POINT{40, 40}));
    const int offAt = commands.Count(SB_LINEDOWN);
    PumpFor(std::chrono::milliseconds(400));
    EXPECT_EQ(commands.Count(SB_LINEDOWN), offAt);
    EXPECT_EQ(DownArrowPixel(), normal);
    RealMoveTo(arrow);
    PumpFor(std::chrono::milliseconds(400));
    EXPECT_GE(commands.Count(SB_LINEDOWN), offAt + 2);
    EXPECT_EQ(DownArrowPixel(), pressed);

    RealReleaseAt(arrow);
    const int released = commands.Count(SB_LINEDOWN);
    PumpFor(std::chrono::milliseconds(400));
    EXPECT_EQ(commands.Count(SB_LINEDOWN), released) << "nothing after the release";
    EXPECT_NE(DownArrowPixel(), pressed) << "released (the pointer still over it: hovered)";
    EXPECT_EQ(Top(), top) << "the list does not move past its last page";
    EXPECT_EQ(Bar().State().position, top);
}

TEST_F(SkinScrollTest, HoldingTheTrackPagesUntilTheThumbReachesThePointer) {
    const skin::ScrollBarGeometry before = Geometry();
    ASSERT_GT(before.thumb, 0);
    const int pointer = before.arrow + before.track * 3 / 4;  // well below the thumb
    RealPressAt(OnBar(pointer));
    PumpFor(std::chrono::milliseconds(1500));
    const skin::ScrollBarGeometry held = Geometry();
    EXPECT_GT(Top(), 0);
    EXPECT_EQ(skin::ScrollBarHitTest(held, pointer), skin::kScrollThumb)
        << "paging stops with the thumb under the pointer";
    const int top = Top();
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_EQ(Top(), top);
    RealReleaseAt(OnBar(pointer));
    EXPECT_EQ(Bar().State().position, Top());
}

TEST_F(SkinScrollTest, DraggingTheThumbScrollsTheListAndHoverFollowsThePointer) {
    const skin::ScrollBarGeometry geometry = Geometry();
    const int thumbMiddle = geometry.ThumbBegin() + geometry.thumb / 2;
    RealMoveTo(OnBar(thumbMiddle));
    EXPECT_EQ(Bar().HoverPart(), skin::kScrollThumb);
    RealMoveTo(ScreenPointOf(host_.hwnd(), POINT{380, 280}));
    EXPECT_TRUE(
        PumpUntil([&] { return Bar().HoverPart() == skin::kScrollPartNone; }, std::chrono::seconds(2)))
        << "leaving the bar clears the hover";

    RealPressAt(OnBar(thumbMiddle));
    EXPECT_TRUE(Bar().IsDragging());
    const int offset = (geometry.track - geometry.thumb) / 2;
    RealDragTo(OnBar(thumbMiddle), OnBar(thumbMiddle + offset));
    const int expected = skin::ScrollDragPosition(geometry, Bar().State(), 0, offset);
    ASSERT_GT(expected, 0);
    EXPECT_EQ(Bar().State().trackPosition, expected);
    EXPECT_EQ(Top(), expected) << "the list follows the thumb while it is dragged";
    RealReleaseAt(OnBar(thumbMiddle + offset));
    EXPECT_FALSE(Bar().IsDragging());
    EXPECT_EQ(Top(), expected);
    EXPECT_EQ(Bar().State().position, expected);
}

TEST_F(SkinScrollTest, DestroyingTheListTakesTheFrameAway) {
    HWND frame = frame_->hwnd();
    list_.Destroy();
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_FALSE(IsWindow(frame));
    EXPECT_EQ(FindWindowExW(host_.hwnd(), nullptr, nullptr, L"SkinScrollBarFrame"), nullptr);
}

TEST_F(SkinScrollTest, DestroyingTheParentWithTheListWrappedLeavesNothingBehind) {
    host_.Destroy();
    PumpFor(std::chrono::milliseconds(50));
    EXPECT_EQ(list_.hwnd(), nullptr);
    EXPECT_EQ(list_.GetCount(), 0);
}

// Where the bars, the corner and the clipping window go for each kind of target.
struct FrameCase {
    const char* name;
    DWORD exStyle;
    int horizontalExtent;  // wider than the list: a horizontal bar
    int corner;
    bool barsAtLeft;
};

class SkinScrollLayoutTest : public ::testing::TestWithParam<FrameCase> {};

TEST_P(SkinScrollLayoutTest, BarsCornerAndLimitFollowTheTargetsScrollBars) {
    const FrameCase& c = GetParam();
    HostWindow host;
    ASSERT_TRUE(host.Open(80, 80, 300, 260));
    const ui::SkinBitmap skin = ui::LoadBitmapResource(IDB_SCROLL_SKIN);
    const int t = skin.size.cx / 9;
    CListBoxEx list;
    list.SetColors(RGB(0x18, 0x1B, 0x1F), RGB(0x00, 0x6A, 0x99));
    list.SetTextColors(RGB(0xC8, 0xCC, 0xD2), RGB(0xFF, 0xFF, 0xFF));
    ASSERT_TRUE(list.CreateList(host.hwnd(), RECT{20, 20, 220, 180}, kListId, WS_VSCROLL | WS_HSCROLL));
    SetWindowLongPtrW(list.hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(list.hwnd(), GWL_EXSTYLE) | c.exStyle);
    for (int i = 0; i < kRows; ++i) {
        list.InsertItem(-1, skin::kListItemPlain, L"A row long enough to need a horizontal scroll bar", i);
    }
    SendMessageW(list.hwnd(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(c.horizontalExtent), 0);
    CSkinScrollWnd* frame = skin::SkinScrollWindow(list.hwnd(), skin.bitmap.get());
    ASSERT_NE(frame, nullptr);
    PumpFor(std::chrono::milliseconds(100));

    RECT client;
    GetClientRect(frame->hwnd(), &client);
    const bool horizontal = c.horizontalExtent > 0;
    EXPECT_EQ(IsWindowVisible(frame->HorizontalBar().hwnd()) != FALSE, horizontal);
    EXPECT_EQ(frame->Corner(), c.corner);
    const auto placeOf = [&](HWND window) {
        RECT rc;
        GetWindowRect(window, &rc);
        MapWindowPoints(nullptr, frame->hwnd(), reinterpret_cast<POINT*>(&rc), 2);
        return rc;
    };
    const int bottom = horizontal ? client.bottom - t : client.bottom;
    const RECT vertical =
        c.barsAtLeft ? RECT{0, 0, t, bottom} : RECT{client.right - t, 0, client.right, bottom};
    const RECT vbar = placeOf(frame->VerticalBar().hwnd());
    EXPECT_TRUE(EqualRect(&vbar, &vertical));
    const RECT limit = c.barsAtLeft ? RECT{t, 0, client.right, bottom} : RECT{0, 0, client.right - t, bottom};
    const RECT limitNow = placeOf(frame->Limit());
    EXPECT_TRUE(EqualRect(&limitNow, &limit));
    // The list's client area is the clipping window: its own bars are clipped away.
    RECT listClient;
    GetClientRect(list.hwnd(), &listClient);
    MapWindowPoints(list.hwnd(), frame->hwnd(), reinterpret_cast<POINT*>(&listClient), 2);
    EXPECT_TRUE(EqualRect(&listClient, &limit));
    if (horizontal) {
        const RECT hbar = placeOf(frame->HorizontalBar().hwnd());
        const RECT expected = c.barsAtLeft ? RECT{t, client.bottom - t, client.right, client.bottom}
                                           : RECT{0, client.bottom - t, client.right - t, client.bottom};
        EXPECT_TRUE(EqualRect(&hbar, &expected));
        EXPECT_GT(frame->HorizontalBar().State().maximum, 0);
    }
    EXPECT_TRUE(
        CaptureWindowToPng(host.hwnd(), ScreenshotDir() / (std::string("skin_scroll_") + c.name + ".png")));
}

INSTANTIATE_TEST_SUITE_P(SkinScrollTargets, SkinScrollLayoutTest,
                         ::testing::Values(FrameCase{"RightBar", 0, 0, 0, false},
                                           FrameCase{"RightBarAndBottom", 0, 600, 2, false},
                                           FrameCase{"LeftBar", WS_EX_LEFTSCROLLBAR, 0, 0, true},
                                           FrameCase{"LeftBarAndBottom", WS_EX_LEFTSCROLLBAR, 600, 1, true}),
                         [](const ::testing::TestParamInfo<FrameCase>& info) {
                             return std::string(info.param.name);
                         });

TEST_F(SkinScrollTest, ScreenshotOfAWrappedListAndShortBars) {
    list_.SetCurSel(2);
    // Bars of two tiles or less: arrows only.
    CSkinScrollBar shortVertical, shortHorizontal;
    ASSERT_TRUE(shortVertical.CreateBar(host_.hwnd(), RECT{280, 20, 292, 44}, 0x7B2, true));
    ASSERT_TRUE(shortHorizontal.CreateBar(host_.hwnd(), RECT{300, 20, 318, 32}, 0x7B3, false));
    for (CSkinScrollBar* bar : {&shortVertical, &shortHorizontal}) {
        bar->SetSkin(skin_.bitmap.get());
        SCROLLINFO info{sizeof info, SIF_ALL};
        info.nMax = 9;
        info.nPage = 3;
        bar->SetScrollInfo(info, true);
    }
    RealMoveTo(OnBar(Geometry().ThumbBegin() + 2));  // the thumb drawn hovered
    PumpFor(std::chrono::milliseconds(100));
    EXPECT_TRUE(CaptureWindowToPng(host_.hwnd(), ScreenshotDir() / "skin_scroll_list.png"));
}

}  // namespace
}  // namespace kx90::test
