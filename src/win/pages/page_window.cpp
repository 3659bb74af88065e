// The page base: creation at the page position, the picture loaded on first show, the fallback
// panel, and the help line cleared when the pointer moves over a page.
#include "win/pages/page_window.h"

#include "core/layout/main_window_layout.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace layout = kx90::layout::main_window;

namespace {
constexpr COLORREF kPanelColor = RGB(30, 32, 36);
constexpr COLORREF kPanelFrameColor = RGB(58, 62, 68);
constexpr COLORREF kPanelTitleColor = 0xBEBEBE;
}  // namespace

bool PageWindow::CreatePage(const PageServices& services) {
    services_ = services;
    CreateArgs args;
    args.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    args.rect = RECT{layout::kPageAt.x, layout::kPageAt.y, layout::kPageAt.x + layout::kPageSize.width,
                     layout::kPageAt.y + layout::kPageSize.height};
    args.parent = services.mainWindow;
    args.id = PageId();
    return Create(args);
}

void PageWindow::Show(bool visible) {
    if (visible) {
        LoadPicture();
    }
    ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE);
}

HBITMAP PageWindow::LoadPicture() {
    if (!pictureTried_) {
        pictureTried_ = true;  // a missing picture is not looked for again on every show
        background_ = ui::LoadSkinBitmap(services_.installDir + L"\\skins\\" + Picture());
    }
    return background_.bitmap.get();
}

bool PageWindow::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (HasPicture()) {
        ui::DrawBitmap(dc, background_.bitmap.get(), 0, 0);
        return true;
    }
    // No picture installed: a quiet dark panel that still says where the user is.
    ui::FillSolid(dc, client, kPanelColor);
    ui::UniqueBrush line(CreateSolidBrush(kPanelFrameColor));
    FrameRect(dc, &client, line.get());
    ui::UniqueFont font = ui::CreateUiFont(22, FW_NORMAL);
    RECT title{24, 18, client.right - 24, 60};
    ui::DrawTextIn(dc, ui::Wide(Title()), title, font.get(), kPanelTitleColor,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    return true;
}

void PageWindow::PostStatusCodes(const std::vector<int>& codes) const {
    if (codes.empty()) {
        PostMessageW(services_.mainWindow, msg::kStatusText, 0, 0);
    }
    for (int code : codes) {
        PostMessageW(services_.mainWindow, msg::kStatusText, 0, code);
    }
}

kx90::layout::Point PageWindow::PointerOnPage() const {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd(), &cursor);
    return {cursor.x, cursor.y};
}

bool PageWindow::OnMouseMove(UINT, POINT) {
    PostMessageW(services_.mainWindow, msg::kStatusText, 0, 0);
    return true;
}

}  // namespace kx90::pages
