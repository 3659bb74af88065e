#include "win/pages/page_window.h"

#include "core/layout/main_window_layout.h"
#include "win/app/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace layout = kx90::layout::main_window;

bool PageWindow::CreatePage(HWND mainWindow, const std::wstring& installDir, const wchar_t* picture,
                            UINT resourceId) {
    mainWindow_ = mainWindow;
    background_ = ui::LoadSkinBitmap(installDir + L"\\skins\\" + picture);
    CreateArgs args;
    args.style = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    args.rect = RECT{layout::kPageAt.x, layout::kPageAt.y, layout::kPageAt.x + layout::kPageSize.width,
                     layout::kPageAt.y + layout::kPageSize.height};
    args.parent = mainWindow;
    args.id = resourceId;
    return Create(args);
}

bool PageWindow::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (HasPicture()) {
        ui::DrawBitmap(dc, background_.bitmap.get(), 0, 0);
        return true;
    }
    // No picture installed: a quiet dark panel that still says where the user is.
    ui::FillSolid(dc, client, RGB(30, 32, 36));
    RECT frame = client;
    HBRUSH line = CreateSolidBrush(RGB(58, 62, 68));
    FrameRect(dc, &frame, line);
    DeleteObject(line);
    ui::UniqueFont font = ui::CreateUiFont(22, FW_NORMAL);
    RECT title{24, 18, client.right - 24, 60};
    ui::DrawTextIn(dc, ui::Wide(Title()), title, font.get(), 0xBEBEBE, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
    return true;
}

bool PageWindow::OnMouseMove(UINT, POINT) {
    PostMessageW(mainWindow_, msg::kStatusText, 0, 0);
    return true;
}

}  // namespace kx90::pages
