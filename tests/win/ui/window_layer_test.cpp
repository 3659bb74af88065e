// The window layer: modal loops that keep other windows served, nested loops, WM_QUIT, and the
// skin bitmap helpers.
#include <gtest/gtest.h>

#include <thread>

#include "skin/skin_fixture.h"
#include "win/ui/dialog.h"
#include "win/ui/gdi.h"

namespace kx90::test {
namespace {

constexpr UINT kWorkerMessage = WM_APP + 1;
constexpr UINT kOpenInner = WM_APP + 2;

// A small modal window that ends itself with the wParam of a posted WM_APP + 3.
class ProbeDialog : public ui::Dialog {
public:
    ProbeDialog* inner = nullptr;
    int innerResult = 0;

protected:
    bool CreateDialogWindow(HWND owner) override {
        CreateArgs args;
        args.style = WS_POPUP;
        args.text = L"KX90 probe dialog";
        args.rect = RECT{200, 200, 320, 260};
        args.parent = owner;
        return Create(args);
    }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_APP + 3) {
            EndDialog(static_cast<int>(wParam));
            return 0;
        }
        if (message == kOpenInner && inner != nullptr) {
            innerResult = inner->DoModal(hwnd());
            return 0;
        }
        return Dialog::HandleMessage(message, wParam, lParam);
    }
};

TEST(ModalLoop, OtherWindowsKeepReceivingWhatWorkersPost) {
    HostWindow host;
    ASSERT_TRUE(host.Open(40, 40, 200, 120));
    host.Record(kWorkerMessage);
    ProbeDialog dialog;
    std::thread worker([&] {
        HWND probe = nullptr;
        while ((probe = FindOwnTopLevelWindow(L"KX90 probe dialog")) == nullptr) {
            Sleep(10);
        }
        for (int i = 0; i < 3; ++i) {
            PostMessageW(host.hwnd(), kWorkerMessage, static_cast<WPARAM>(i), 0);
        }
        Sleep(100);
        PostMessageW(probe, WM_APP + 3, 7, 0);
    });
    const int result = dialog.DoModal(host.hwnd());
    worker.join();
    EXPECT_EQ(result, 7);
    EXPECT_EQ(host.Of(kWorkerMessage).size(), 3u) << "delivered while the dialog ran";
    EXPECT_TRUE(IsWindowEnabled(host.hwnd())) << "the owner is enabled again";
    EXPECT_EQ(dialog.hwnd(), nullptr);
}

TEST(ModalLoop, NestedDialogsEndInnerFirstAndQuitIsPassedOn) {
    HostWindow host;
    ASSERT_TRUE(host.Open(40, 40, 200, 120));
    ProbeDialog outer;
    ProbeDialog inner;
    outer.inner = &inner;
    std::thread worker([&] {
        HWND probe = nullptr;
        while ((probe = FindOwnTopLevelWindow(L"KX90 probe dialog")) == nullptr) {
            Sleep(10);
        }
        PostMessageW(probe, kOpenInner, 0, 0);
        while (inner.hwnd() == nullptr) {
            Sleep(10);
        }
        Sleep(50);
        PostMessageW(inner.hwnd(), WM_APP + 3, 2, 0);
        while (inner.hwnd() != nullptr) {
            Sleep(10);
        }
        PostMessageW(probe, WM_APP + 3, 1, 0);
    });
    EXPECT_EQ(outer.DoModal(host.hwnd()), 1);
    worker.join();
    EXPECT_EQ(outer.innerResult, 2);

    // A WM_QUIT ends the loop and stays in the queue for the loop outside.
    ProbeDialog quitting;
    PostQuitMessage(5);
    quitting.DoModal(host.hwnd());
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 5u);
}

TEST(SkinBitmaps, LoadBmpAndPngAndCutRectanglesOneToOne) {
    const ui::SkinBitmap bmp = ui::LoadSkinBitmap((SkinDir() / "skins" / "Menu" / "MenuOverL.BMP").wstring());
    EXPECT_EQ(bmp.size.cx, 160);
    EXPECT_EQ(bmp.size.cy, 24);
    const ui::SkinBitmap png = ui::LoadSkinBitmap((SkinDir() / "skins" / "Slider.png").wstring());
    EXPECT_EQ(png.size.cx, 10);
    EXPECT_EQ(png.size.cy, 12);
    const ui::SkinBitmap missing = ui::LoadSkinBitmap(L"Z:\\no\\such\\skin.bmp");
    EXPECT_FALSE(missing.bitmap);
    EXPECT_EQ(missing.size.cx, 0);
    EXPECT_EQ(missing.size.cy, 0);

    const std::vector<RECT> marks = {RECT{10, 10, 12, 12}};
    ui::UniqueBitmap page = MakePage(40, 30, RGB(1, 2, 3), RGB(200, 100, 50), marks);
    ui::UniqueBitmap piece = ui::CopyBitmapRect(page.get(), RECT{10, 10, 30, 25});
    EXPECT_EQ(ui::BitmapSize(piece.get()).cx, 20);
    EXPECT_EQ(ui::BitmapSize(piece.get()).cy, 15);
    ui::WindowDc screen(nullptr);
    ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    ui::Selected selected(dc.get(), piece.get());
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), RGB(200, 100, 50));
    EXPECT_EQ(GetPixel(dc.get(), 5, 5), RGB(1, 2, 3));
}

}  // namespace
}  // namespace kx90::test
