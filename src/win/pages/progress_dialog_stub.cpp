// A minimal progress window until the full one arrives: a plain popup that follows 0x42B and
// closes itself half a second after 100 %.
#include <string>

#include <windows.h>

#include <shellapi.h>

#include "core/i18n/ui_language.h"
#include "win/pages/progress_dialog.h"
#include "win/ui/gdi.h"

namespace kx90 {
namespace {
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kWidth = 330;
constexpr int kHeight = 100;
}  // namespace

CDlgProgress::CDlgProgress(std::wstring installDir) : installDir_(std::move(installDir)) {}

int CDlgProgress::RunModal(HWND owner) {
    return DoModal(owner);
}

void CDlgProgress::Close() {
    if (hwnd() != nullptr) {
        EndDialog(IDCANCEL);
    }
}

int CDlgProgress::Position() const {
    return position_;
}

bool CDlgProgress::CreateDialogWindow(HWND owner) {
    position_ = 0;
    CreateArgs args;
    args.style = WS_POPUP | WS_SYSMENU;
    args.exStyle = WS_EX_TOOLWINDOW;
    args.text = kProgressWindowText;
    const int x = (GetSystemMetrics(SM_CXFULLSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYFULLSCREEN) - kHeight) / 2;
    args.rect = RECT{x, y, x + kWidth, y + kHeight};
    args.parent = owner;
    if (!Create(args)) {
        return false;
    }
    handle_ = hwnd();
    return true;
}

LRESULT CDlgProgress::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case kProgressMessage:
            position_ = static_cast<int>(wParam);
            Invalidate();
            if (position_ >= 100) {
                StartTimer(kCloseTimer, 500);
            }
            return 0;
        case WM_TIMER:
            if (wParam == kCloseTimer) {
                StopTimer(kCloseTimer);
                PostMessageW(hwnd(), WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(hwnd(), &paint);
            RECT client;
            GetClientRect(hwnd(), &client);
            ui::FillSolid(dc, client, RGB(34, 36, 40));
            RECT bar{35, 47, 295, 56};
            ui::FillSolid(dc, bar, RGB(60, 62, 66));
            bar.right = bar.left + (bar.right - bar.left) * position_ / 100;
            ui::FillSolid(dc, bar, 0xD19300);
            EndPaint(hwnd(), &paint);
            return 0;
        }
        case WM_DESTROY:
            handle_ = nullptr;
            break;
        default:
            break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

bool CDlgProgress::PreTranslateMessage(MSG& msg) {
    if ((msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) &&
        (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE)) {
        return true;
    }
    return msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4;
}

bool LaunchFlashTool(const std::wstring& installDir, HWND mainWindow) {
    const std::wstring tool = installDir + L"\\FWUpdate\\FlashTool.exe";
    ShellExecuteW(nullptr, L"open", tool.c_str(), UiIsChinese() ? L"1" : L"0", nullptr, SW_SHOWNORMAL);
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace kx90
