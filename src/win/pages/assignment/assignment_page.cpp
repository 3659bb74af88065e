// The assignment pages' shared creation, skins, buttons and background.
#include "win/pages/assignment/assignment_page.h"

#include "core/layout/assignment_popup_layout.h"

namespace kx90::pages {

namespace popup = layout::assignment_popup;

namespace {
constexpr COLORREF kMissingPictureColor = 0x0F0F0F;
}  // namespace

ui::UniqueFont AssignmentTextFont() {
    return ui::CreateUiFont(14, 300);
}

bool AssignmentPageWindow::CreatePage(HWND popupWindow, const std::wstring& installDir,
                                      const UiLanguage& language) {
    language_ = &language;
    const std::wstring base = installDir + L"\\skins\\" + SkinFolder() + L"\\" + SkinStem();
    normal_ = ui::LoadSkinBitmap(base + L"_Normal.bmp");
    down_ = ui::LoadSkinBitmap(base + L"_Down.bmp");
    over_ = ui::LoadSkinBitmap(base + L"_Over.bmp");
    CreateArgs args;
    args.style = WS_CHILD | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    args.rect =
        RECT{popup::kPageArea.left, popup::kPageArea.top, popup::kPageArea.right, popup::kPageArea.bottom};
    args.parent = popupWindow;
    if (!Create(args)) {
        return false;
    }
    CreateControls();
    return true;
}

void AssignmentPageWindow::MakeButton(skin::CGDIBitmapBtn& button, const RECT& rect, UINT id) {
    button.CreateButton(hwnd(), rect, id);
    button.SetFaceBitmaps(rect, normal_.bitmap.get(), over_.bitmap.get(), down_.bitmap.get(),
                          normal_.bitmap.get());
}

bool AssignmentPageWindow::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    if (normal_.bitmap.get() != nullptr) {
        ui::DrawBitmap(dc, normal_.bitmap.get(), 0, 0);
    } else {
        ui::FillSolid(dc, client, kMissingPictureColor);
    }
    PaintTexts(dc);
    return true;
}

}  // namespace kx90::pages
