// Dark notice window: heading, a few text lines, a Close button, and a self-closing timer.
#include "notice_window.h"

namespace kx90 {
namespace {

constexpr COLORREF kBackground = RGB(0x1C, 0x1E, 0x22);
constexpr COLORREF kPanel = RGB(0x26, 0x29, 0x2E);
constexpr COLORREF kAccent = RGB(0x00, 0x93, 0xD1);  // the program's blue
constexpr COLORREF kText = RGB(0xC8, 0xCC, 0xD2);
constexpr int kWidth = 460;
constexpr int kLineHeight = 22;
constexpr UINT_PTR kCloseTimer = 1;
constexpr int kCloseButtonId = 100;

struct NoticeState {
    const NoticeWindowArgs* args = nullptr;
    HFONT headingFont = nullptr;
    HFONT textFont = nullptr;
    HBRUSH background = nullptr;
};

void Paint(HWND window, NoticeState& state) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    RECT rc;
    GetClientRect(window, &rc);
    FillRect(dc, &rc, state.background);
    RECT band{0, 0, rc.right, 4};
    HBRUSH accent = CreateSolidBrush(kAccent);
    FillRect(dc, &band, accent);
    DeleteObject(accent);
    RECT frame = rc;
    HBRUSH panel = CreateSolidBrush(kPanel);
    FrameRect(dc, &frame, panel);
    DeleteObject(panel);

    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kAccent);
    HGDIOBJ old = SelectObject(dc, state.headingFont);
    RECT heading{20, 16, rc.right - 20, 48};
    DrawTextW(dc, state.args->heading.c_str(), -1, &heading, DT_LEFT | DT_SINGLELINE | DT_VCENTER);
    SelectObject(dc, old);
    EndPaint(window, &ps);
}

void DrawCloseButton(const DRAWITEMSTRUCT& item, const NoticeState& state) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    HBRUSH fill = CreateSolidBrush(pressed ? kAccent : kPanel);
    FillRect(item.hDC, &item.rcItem, fill);
    DeleteObject(fill);
    HBRUSH border = CreateSolidBrush(kAccent);
    FrameRect(item.hDC, &item.rcItem, border);
    DeleteObject(border);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, pressed ? RGB(0xFF, 0xFF, 0xFF) : kText);
    HGDIOBJ old = SelectObject(item.hDC, state.textFont);
    RECT rc = item.rcItem;
    DrawTextW(item.hDC, L"Close", -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    SelectObject(item.hDC, old);
}

LRESULT CALLBACK NoticeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<NoticeState*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
            break;
        case WM_PAINT:
            Paint(window, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_CTLCOLORSTATIC:
            SetTextColor(reinterpret_cast<HDC>(wParam), kText);
            SetBkColor(reinterpret_cast<HDC>(wParam), kBackground);
            return reinterpret_cast<LRESULT>(state->background);
        case WM_DRAWITEM:
            DrawCloseButton(*reinterpret_cast<DRAWITEMSTRUCT*>(lParam), *state);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == kCloseButtonId) {
                DestroyWindow(window);
            }
            return 0;
        case WM_TIMER:
            if (wParam == kCloseTimer) {
                DestroyWindow(window);
            }
            return 0;
        case WM_LBUTTONDOWN:  // drag anywhere: the window has no caption
            ReleaseCapture();
            SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return 0;
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

std::wstring ExecutableFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    const size_t slash = folder.find_last_of(L'\\');
    return slash == std::wstring::npos ? folder : folder.substr(0, slash);
}

int RunNoticeWindow(HINSTANCE instance, const NoticeWindowArgs& args) {
    NoticeState state;
    state.args = &args;
    state.background = CreateSolidBrush(kBackground);
    state.headingFont = CreateFontW(-20, 0, 0, 0, FW_SEMIBOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                    CLEARTYPE_QUALITY, 0, L"MS Shell Dlg");
    state.textFont = CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                                 CLEARTYPE_QUALITY, 0, L"MS Shell Dlg");

    WNDCLASSW wc{};
    wc.lpfnWndProc = NoticeProc;
    wc.hInstance = instance;
    wc.lpszClassName = L"KX90NoticeWindow";
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(128));
    RegisterClassW(&wc);

    const int height = 70 + static_cast<int>(args.lines.size()) * kLineHeight + 56;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    HWND window = CreateWindowExW(WS_EX_TOPMOST, wc.lpszClassName, args.title.c_str(), WS_POPUP | WS_SYSMENU, x, y,
                                  kWidth, height, nullptr, nullptr, instance, &state);
    int top = 58;
    for (const std::wstring& line : args.lines) {
        HWND label = CreateWindowExW(0, L"STATIC", line.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 20,
                                     top, kWidth - 40, kLineHeight, window, nullptr, instance, nullptr);
        SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(state.textFont), FALSE);
        top += kLineHeight;
    }
    HWND close = CreateWindowExW(0, L"BUTTON", L"Close", WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, kWidth - 110,
                                 height - 44, 90, 28, window, reinterpret_cast<HMENU>(kCloseButtonId), instance,
                                 nullptr);
    SendMessageW(close, WM_SETFONT, reinterpret_cast<WPARAM>(state.textFont), FALSE);
    if (args.closeAfterMs > 0) {
        SetTimer(window, kCloseTimer, args.closeAfterMs, nullptr);
    }
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    DeleteObject(state.headingFont);
    DeleteObject(state.textFont);
    DeleteObject(state.background);
    return 0;
}

}  // namespace kx90
