// CDlgProgress: layout, painting, the progress message and the key filter; LaunchFlashTool.
#include "win/pages/progress_dialog.h"

#include "core/i18n/ui_language.h"
#include "core/layout/skin_controls_layout.h"
#include "win/skin/png_progress_bar.h"
#include "win/ui/gdi.h"
#include "win/ui/gdiplus_support.h"
#include "win/ui/text.h"

namespace kx90 {
namespace {

namespace pw = layout::progress_window;

constexpr UINT kBarId = 777;
// The pause between 100 % and the close, in milliseconds: long enough to see the full bar.
constexpr UINT kCloseDelayMs = 500;
// Timer ids are per window; this is the window's only timer.
constexpr UINT_PTR kCloseTimer = 1;

// The status line's layout box, client pixels.
constexpr Gdiplus::REAL kTextX = 35, kTextY = 20, kTextWidth = 310, kTextHeight = 40;

std::wstring StatusLine(const UiLanguage& language) {
    return language.IsChinese() ? L"\u66F4\u65B0\u8FDB\u884C\u4E2D\uFF0C\u8BF7\u7A0D\u5019..."
                                : L"Updating is in progress, please wait\u2026";
}

// Makes window the foreground window even while another program's window is active: with the
// input of the foreground window's thread attached, the system lets this thread take the focus.
void ForceForeground(HWND window) {
    HWND foreground = GetForegroundWindow();
    const DWORD foregroundThread = foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : 0;
    const DWORD ownThread = GetCurrentThreadId();
    const bool attach = foregroundThread != 0 && foregroundThread != ownThread;
    if (attach) {
        AttachThreadInput(foregroundThread, ownThread, TRUE);
    }
    SetForegroundWindow(window);
    SetActiveWindow(window);
    if (attach) {
        AttachThreadInput(foregroundThread, ownThread, FALSE);
    }
}

// The status line in the generic sans-serif family, 8 points, opaque grey. Wine has no generic
// sans-serif family unless a font of that name is installed (the lookup gives null, and GDI+ would
// be handed a null family), so then the interface font of the same size draws it through GDI.
void DrawStatusLine(HDC dc, const std::wstring& text) {
    const Gdiplus::FontFamily* family =
        ui::EnsureGdiplus() ? Gdiplus::FontFamily::GenericSansSerif() : nullptr;
    if (family != nullptr) {
        Gdiplus::Graphics graphics(dc);
        graphics.SetTextRenderingHint(Gdiplus::TextRenderingHintAntiAlias);
        Gdiplus::Font font(family, 8, Gdiplus::FontStyleRegular, Gdiplus::UnitPoint);
        Gdiplus::SolidBrush brush(Gdiplus::Color(0xFF808080));
        Gdiplus::StringFormat format;
        format.SetAlignment(Gdiplus::StringAlignmentNear);
        if (font.GetLastStatus() == Gdiplus::Ok &&
            graphics.DrawString(text.c_str(), static_cast<INT>(text.size()), &font,
                                Gdiplus::RectF(kTextX, kTextY, kTextWidth, kTextHeight), &format,
                                &brush) == Gdiplus::Ok) {
            return;
        }
    }
    const int pixels = MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ui::UniqueFont font = ui::CreateUiFont(-pixels, FW_NORMAL);
    const RECT box{static_cast<LONG>(kTextX), static_cast<LONG>(kTextY),
                   static_cast<LONG>(kTextX + kTextWidth), static_cast<LONG>(kTextY + kTextHeight)};
    ui::DrawTextIn(dc, text, box, font.get(), RGB(0x80, 0x80, 0x80), DT_LEFT | DT_WORDBREAK | DT_NOPREFIX);
}

}  // namespace

// The window's parts that live only while it is shown.
struct ProgressParts {
    ui::SkinBitmap background;
    ui::SkinBitmap fill;
    skin::CPngHProgressBar bar;
};

CDlgProgress::CDlgProgress(std::wstring installDir, const UiLanguage& language)
    : installDir_(std::move(installDir)), language_(language) {}

CDlgProgress::~CDlgProgress() = default;

int CDlgProgress::RunModal(HWND owner) {
    position_ = 0;
    const int result = DoModal(owner);
    SetPhase(Phase::kIdle);  // also when the window could not be made: nothing is kept for it
    return result;
}

void CDlgProgress::ExpectWrite() {
    SetPhase(Phase::kExpected);
}

void CDlgProgress::SetPhase(Phase phase) {
    std::lock_guard lock(reportMutex_);
    phase_ = phase;
    if (phase == Phase::kShown && pendingPercent_ >= 0) {
        PostMessageW(handle_.load(), msg::kWriteProgress, static_cast<WPARAM>(pendingPercent_), 0);
    }
    pendingPercent_ = -1;
}

void CDlgProgress::ReportProgress(int percent) {
    std::lock_guard lock(reportMutex_);
    switch (phase_) {
        case Phase::kShown:
            PostMessageW(handle_.load(), msg::kWriteProgress, static_cast<WPARAM>(percent), 0);
            break;
        case Phase::kExpected:
            pendingPercent_ = percent;
            break;
        case Phase::kIdle:
            break;
    }
}

void CDlgProgress::Close() {
    HWND window = handle_.load();
    if (window == nullptr) {
        return;
    }
    if (GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId()) {
        StopTimer(kCloseTimer);
        EndDialog(IDCANCEL);
    } else {
        PostMessageW(window, WM_CLOSE, 0, 0);
    }
}

int CDlgProgress::Position() const {
    return position_;
}

bool CDlgProgress::CreateDialogWindow(HWND owner) {
    CreateArgs args;
    args.style = WS_POPUP | WS_SYSMENU | WS_CLIPCHILDREN;
    args.text = kProgressWindowText;
    args.rect = RECT{0, 0, pw::kSize.width, pw::kSize.height};
    args.parent = owner;
    if (!Create(args)) {
        return false;
    }
    SetWindowTextW(hwnd(), kProgressWindowText);

    // Loaded at every showing, so a skin replaced while the program runs shows at the next write.
    parts_ = std::make_unique<ProgressParts>();
    const std::wstring folder = installDir_ + L"\\skins\\ProgressBar\\";
    parts_->background = ui::LoadSkinBitmap(folder + L"Progress_Normal.png");
    parts_->fill = ui::LoadSkinBitmap(folder + L"Progress_Over.png");

    // Without the background picture the window has no size: the run and the close at 100 % are
    // the same, there is just nothing to see.
    const SIZE size = parts_->background.size;
    const int workWidth = GetSystemMetrics(SM_CXFULLSCREEN);
    const int workHeight = GetSystemMetrics(SM_CYFULLSCREEN);
    SetWindowPos(hwnd(), nullptr, (workWidth - size.cx) / 2, (workHeight - size.cy) / 2, size.cx, size.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);

    const RECT bar{pw::kBar.left, pw::kBar.top, pw::kBar.right, pw::kBar.bottom};
    parts_->bar.CreateProgress(bar, hwnd(), kBarId);
    parts_->bar.SetImages(bar.left, bar.top, ui::Width(bar), ui::Height(bar), parts_->background.bitmap.get(),
                          parts_->fill.bitmap.get());
    parts_->bar.SetRange(0, 100);
    parts_->bar.SetReadOnly(true);  // it shows the write; the user has nothing to drag
    parts_->bar.SetPos(0);

    handle_.store(hwnd());
    SetPhase(Phase::kShown);  // a report that came first is posted now, ahead of the later ones
    ForceForeground(hwnd());
    return true;
}

void CDlgProgress::OnProgress(int percent) {
    position_ = percent;
    if (parts_ != nullptr) {
        parts_->bar.SetPos(percent);
        position_ = parts_->bar.GetPos();
    }
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (percent == 100) {
        // A timer, not a sleep: the user-interface thread keeps serving the main window (and the
        // writer's last messages) during the pause.
        StartTimer(kCloseTimer, kCloseDelayMs);
    }
}

LRESULT CDlgProgress::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kWriteProgress:
            OnProgress(static_cast<int>(wParam));
            return 0;
        case WM_TIMER:
            if (wParam == kCloseTimer) {
                StopTimer(kCloseTimer);
                PostMessageW(hwnd(), WM_CLOSE, 0, 0);
                return 0;
            }
            break;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_PAINT: {
            ui::PaintDc paint(hwnd());
            Paint(paint.get());
            return 0;
        }
        case WM_LBUTTONDOWN:
            return 0;  // no caption, not dragged
        case WM_DESTROY:
            StopTimer(kCloseTimer);
            SetPhase(Phase::kIdle);
            handle_.store(nullptr);
            break;
        case WM_NCDESTROY: {
            const LRESULT result = Dialog::HandleMessage(message, wParam, lParam);
            parts_.reset();  // the pictures are freed at every close
            return result;
        }
        default:
            break;
    }
    return Dialog::HandleMessage(message, wParam, lParam);
}

void CDlgProgress::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd(), &client);
    ui::OffscreenSurface surface(dc, client.right, client.bottom);
    if (parts_ != nullptr) {
        ui::DrawBitmap(surface.dc(), parts_->background.bitmap.get(), 0, 0);
    }
    DrawStatusLine(surface.dc(), StatusLine(language_));
    BitBlt(dc, 0, 0, client.right, client.bottom, surface.dc(), 0, 0, SRCCOPY);
}

bool CDlgProgress::PreTranslateMessage(MSG& msg) {
    // Enter, Escape and Space would close or press something in a dialog; Alt+F4 would close it.
    // The write decides when this window goes.
    if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP) {
        return msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE || msg.wParam == VK_SPACE;
    }
    return msg.message == WM_SYSKEYDOWN && msg.wParam == VK_F4;
}

bool LaunchFlashTool(HostSystem& host, const std::wstring& installDir, PairLanguage language,
                     HWND mainWindow) {
    const std::wstring program = installDir + L"\\FWUpdate\\FlashTool.exe";
    // A flasher that is missing or does not start is not reported: the program closes regardless.
    host.StartProgram(ui::Utf16(program), PickByLanguage<std::u16string>(language, u"1", u"0"));
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    return true;
}

}  // namespace kx90
