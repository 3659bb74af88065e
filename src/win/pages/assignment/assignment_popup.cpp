// CSettingDlg: skins, controls, the four pages, tab and Disable logic through the popup's rules,
// the key capture, painting and dragging.
#include "win/pages/assignment/assignment_popup.h"

#include "core/layout/assignment_popup_layout.h"
#include "win/pages/assignment/advanced_page.h"
#include "win/pages/assignment/basic_page.h"
#include "win/pages/assignment/key_page.h"
#include "win/pages/assignment/macro_choice_page.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace popup = layout::assignment_popup;

namespace {

// Command ids of the popup's own buttons.
constexpr UINT kCloseId = 1;
constexpr UINT kTabFirstId = 2;  // 2..5
constexpr UINT kDisableId = 6;
constexpr UINT kDefaultId = 7;
constexpr UINT kOkId = 8;

constexpr COLORREF kTitleColor = 0x695F58;
constexpr COLORREF kCurrentColor = 0xC8BDBD;
constexpr COLORREF kTabColors[3] = {0x676153, 0xFFFFFF, 0xFFFFFF};
constexpr COLORREF kMissingPictureColor = RGB(19, 21, 24);

}  // namespace

CSettingDlg::CSettingDlg(AssignmentPopupArgs args) : args_(std::move(args)), state_(args_.buttonIndex) {}

CSettingDlg::~CSettingDlg() = default;

int CSettingDlg::RunModal(HWND owner) {
    const int result = DoModal(owner);
    SetCapture(false);  // whatever ended the popup, the keys go back to the main window
    return result;
}

bool CSettingDlg::CreateDialogWindow(HWND owner) {
    const std::wstring base = args_.installDir + L"\\skins\\setting\\Setting";
    normal_ = ui::LoadSkinBitmap(base + L"_Normal.bmp");
    down_ = ui::LoadSkinBitmap(base + L"_Down.bmp");
    over_ = ui::LoadSkinBitmap(base + L"_Over.bmp");
    const SIZE size = normal_.bitmap ? normal_.size : SIZE{popup::kSize.width, popup::kSize.height};
    // Centred over the owner (the main window), else over the screen.
    RECT around{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner != nullptr) {
        GetWindowRect(owner, &around);
    }
    const int left = around.left + (around.right - around.left - size.cx) / 2;
    const int top = around.top + (around.bottom - around.top - size.cy) / 2;
    CreateArgs args;
    args.style = WS_POPUP | WS_CLIPCHILDREN;
    args.text = kAssignmentPopupTitle;
    args.rect = RECT{left, top, left + size.cx, top + size.cy};
    args.parent = owner;
    return Create(args);
}

void CSettingDlg::MakeButton(skin::CGDIBitmapBtn& button, const RECT& rect, UINT id,
                             const std::u16string* caption) {
    button.CreateButton(hwnd(), rect, id);
    button.SetFaceBitmaps(rect, normal_.bitmap.get(), over_.bitmap.get(), down_.bitmap.get(),
                          normal_.bitmap.get());
    if (caption != nullptr) {
        button.SetText(ui::Wide(*caption));
        button.SetTooltipText(ui::Wide(*caption), true);
    }
}

bool CSettingDlg::OnCreate() {
    const LanguageStrings& s = args_.language->Strings();
    MakeButton(close_, ui::ToRect(popup::kCloseButton), kCloseId, nullptr);
    const std::u16string* tabCaptions[4] = {&s.str_key_com, &s.str_macro_set, &s.str_basic, &s.str_advance};
    for (size_t i = 0; i < tabs_.size(); ++i) {
        MakeButton(tabs_[i], ui::ToRect(popup::kTabs[i]), kTabFirstId + static_cast<UINT>(i), tabCaptions[i]);
        tabs_[i].SetCheckMode(true, false);
        tabs_[i].SetTextColors(kTabColors[0], kTabColors[1], kTabColors[2]);
    }
    MakeButton(disable_, ui::ToRect(popup::kDisableBox), kDisableId, nullptr);
    disable_.SetCheckMode(true, false);
    disable_.SetTooltipText(ui::Wide(s.str_disable), true);
    MakeButton(default_, ui::ToRect(popup::kDefaultButton), kDefaultId, &s.str_default_setting);
    MakeButton(ok_, ui::ToRect(popup::kOkButton), kOkId, &s.str_ok);

    // In tab order: key or combination, macro, basic, advanced.
    pages_[0] = std::make_unique<CSetting_SingleComboDlg>(*args_.keyboard);
    pages_[1] = std::make_unique<CSetting_MacroDlg>(*args_.macros);
    pages_[2] = std::make_unique<CSetting_BaseDlg>();
    pages_[3] = std::make_unique<CSetting_AdvanceDlg>(*args_.paths, *args_.notifier);
    for (auto& page : pages_) {
        page->CreatePage(hwnd(), args_.installDir, *args_.language);
    }
    ShowView(state_.View());
    return true;
}

void CSettingDlg::ShowView(const PopupView& view) {
    for (int tab = 1; tab <= 4; ++tab) {
        tabs_[static_cast<size_t>(tab - 1)].SetCheck(static_cast<int>(view.pressedTab) == tab);
        if (AssignmentPageWindow* page = Page(tab)) {
            page->Show(static_cast<int>(view.shownPage) == tab);
        }
    }
    disable_.SetCheck(view.disableChecked);
    SetCapture(view.keyCapture);
}

void CSettingDlg::SetCapture(bool keys) {
    if (args_.hooks == nullptr) {
        return;
    }
    if (keys && Page(1) != nullptr) {
        args_.hooks->SetCaptureTarget(reinterpret_cast<WindowId>(Page(1)->hwnd()));
        args_.hooks->SetCaptureMode(true, false);
    } else {
        args_.hooks->SetCaptureMode(false, false);
    }
}

bool CSettingDlg::OnCommand(WPARAM wParam, LPARAM) {
    const UINT id = LOWORD(wParam);
    switch (id) {
        case kCloseId:
            Finish(state_.PressClose());
            return true;
        case kDisableId:
            ShowView(state_.ToggleDisable());
            return true;
        case kDefaultId:
            Finish(state_.PressDefault());
            return true;
        case kOkId: {
            AssignmentChoice pageResult{};
            const AssignmentPage asked = state_.PageToAsk();
            if (AssignmentPageWindow* page = Page(static_cast<int>(asked))) {
                pageResult = page->Result(args_.buttonIndex);
            }
            Finish(state_.PressOk(pageResult));
            return true;
        }
        default:
            break;
    }
    if (id >= kTabFirstId && id < kTabFirstId + 4) {
        ShowView(state_.SelectTab(static_cast<int>(id - kTabFirstId) + 1));
        return true;
    }
    return false;
}

void CSettingDlg::Finish(PopupClose close) {
    if (close == PopupClose::kStayOpen) {
        return;
    }
    SetCapture(false);
    EndDialog(close == PopupClose::kOk ? IDOK : IDCANCEL);
}

bool CSettingDlg::OnClose() {
    Finish(state_.PressClose());
    return true;
}

bool CSettingDlg::OnPaint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    if (normal_.bitmap.get() != nullptr) {
        ui::DrawBitmap(surface.dc(), normal_.bitmap.get(), 0, 0);
    } else {
        ui::FillSolid(surface.dc(), client, kMissingPictureColor);
    }
    const LanguageStrings& s = args_.language->Strings();
    const ui::UniqueFont font = AssignmentTextFont();
    ui::DrawTextIn(surface.dc(), ui::Wide(s.str_panel), ui::ToRect(popup::kTitle), font.get(), kTitleColor,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    ui::DrawTextIn(surface.dc(), ui::Wide(s.str_cur_function + args_.currentName),
                   ui::ToRect(popup::kCurrentFunction), font.get(), kCurrentColor,
                   DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    ui::DrawTextIn(surface.dc(), ui::Wide(s.str_disable), ui::ToRect(popup::kDisableLabel), font.get(),
                   kCurrentColor, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
    return true;
}

bool CSettingDlg::OnLButtonDown(UINT, POINT at) {
    ui::DragByBackground(hwnd(), at);
    return true;
}

}  // namespace kx90::pages
