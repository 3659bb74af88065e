// Tooltip helper.
#include "win/ui/tooltip.h"

#include <commctrl.h>

namespace kx90::ui {
namespace {

TOOLINFOW ToolOf(HWND control, const std::wstring* text) {
    TOOLINFOW info{};
    // The version-5 size: without a manifest asking for common controls 6, a larger size is refused.
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.uFlags = 0;
    info.hwnd = control;
    info.uId = 1;
    GetClientRect(control, &info.rect);
    info.lpszText = text != nullptr ? const_cast<wchar_t*>(text->c_str()) : nullptr;
    return info;
}

}  // namespace

void Tooltip::SetText(HWND control, const std::wstring& text, bool activate) {
    text_ = text;
    active_ = activate;
    set_ = true;
    if (tip_) {
        Update(control);
    }
}

void Tooltip::Update(HWND control) {
    TOOLINFOW info = ToolOf(control, &text_);
    if (SendMessageW(tip_.get(), TTM_GETTOOLCOUNT, 0, 0) == 0) {
        SendMessageW(tip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
    }
    SendMessageW(tip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
    SendMessageW(tip_.get(), TTM_ACTIVATE, active_ ? TRUE : FALSE, 0);
}

void Tooltip::Relay(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!set_ || message < WM_MOUSEFIRST || message > WM_MOUSELAST) {
        return;
    }
    if (!tip_) {
        static const bool initialised = [] {
            INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
            return InitCommonControlsEx(&init) != FALSE;
        }();
        (void)initialised;
        tip_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, control,
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
        if (!tip_) {
            set_ = false;  // no tips for this control rather than a try at every move
            return;
        }
        Update(control);
    }
    MSG msg{control, message, wParam, lParam, static_cast<DWORD>(GetMessageTime()), {}};
    GetCursorPos(&msg.pt);
    SendMessageW(tip_.get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace kx90::ui
