// SkinMenu.dll: one skinned drop-down list at a time, painted from row-face bitmaps, reporting
// the chosen item's id to its owner.
#include "win/skin/skin_menu_api.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "core/layout/palette.h"

extern "C" IMAGE_DOS_HEADER __ImageBase;

namespace {

constexpr wchar_t kClassName[] = L"KX90SkinMenu";
constexpr int kTextPadding = 12;
constexpr int kMinimumWidth = 140;
enum Face { kNormal, kHover, kPressed, kDisabled };

HINSTANCE Module() {
    return reinterpret_cast<HINSTANCE>(&__ImageBase);
}

struct Bitmap {
    HBITMAP handle = nullptr;
    SIZE size{0, 0};
    Bitmap() = default;
    explicit Bitmap(const wchar_t* path) {
        if (path != nullptr && *path != 0) {
            handle = static_cast<HBITMAP>(LoadImageW(nullptr, path, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
        }
        BITMAP info{};
        if (handle != nullptr && GetObjectW(handle, sizeof info, &info) != 0) {
            size = SIZE{info.bmWidth, info.bmHeight};
        }
    }
    ~Bitmap() {
        if (handle != nullptr) {
            DeleteObject(handle);
        }
    }
    Bitmap(const Bitmap&) = delete;
    Bitmap& operator=(const Bitmap&) = delete;
};

struct Row {
    int id;
    std::wstring text;
};

class Menu {
public:
    HWND owner = nullptr;
    HWND window = nullptr;
    int rowHeight = 24;
    COLORREF text = 0;
    COLORREF hotText = 0xFFFFFF;
    COLORREF frame = 0;
    std::unique_ptr<Bitmap> faces[SKIN_MENU_SKIN_COUNT];
    std::vector<Row> rows;
    HFONT font = nullptr;
    int hot = -1;      // the row under the pointer
    int pressed = -1;  // the row the left button went down on
    bool down = false;

    ~Menu() {
        if (font != nullptr) {
            DeleteObject(font);
        }
    }

    int RowAt(POINT p) const {
        RECT client;
        GetClientRect(window, &client);
        if (p.x < 0 || p.x >= client.right || p.y < 1) {
            return -1;
        }
        const int row = (p.y - 1) / rowHeight;
        return row < static_cast<int>(rows.size()) ? row : -1;
    }

    void DrawFace(HDC dc, const RECT& r, Face face) const {
        const Bitmap* bitmap = faces[face].get();
        if (bitmap == nullptr || bitmap->handle == nullptr) {
            const COLORREF fill = face == kNormal ? RGB(0x1C, 0x1F, 0x24)
                                                  : (face == kHover ? kx90::layout::kAccentColor : 0x996A00);
            HBRUSH brush = CreateSolidBrush(fill);
            FillRect(dc, &r, brush);
            DeleteObject(brush);
            return;
        }
        HDC memory = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(memory, bitmap->handle);
        SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, memory, 0, 0, bitmap->size.cx,
                   bitmap->size.cy, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }

    void Paint(HDC target) const {
        RECT client;
        GetClientRect(window, &client);
        HDC dc = CreateCompatibleDC(target);
        HBITMAP surface = CreateCompatibleBitmap(target, client.right, client.bottom);
        HGDIOBJ oldBitmap = SelectObject(dc, surface);
        HGDIOBJ oldFont = SelectObject(dc, font);
        SetBkMode(dc, TRANSPARENT);
        for (size_t i = 0; i < rows.size(); ++i) {
            const int index = static_cast<int>(i);
            const RECT r{1, 1 + index * rowHeight, client.right - 1, 1 + (index + 1) * rowHeight};
            const Face face = index == hot ? (down && index == pressed ? kPressed : kHover) : kNormal;
            DrawFace(dc, r, face);
            SetTextColor(dc, face == kNormal ? text : hotText);
            RECT box{r.left + kTextPadding, r.top, r.right - kTextPadding, r.bottom};
            DrawTextW(dc, rows[i].text.c_str(), -1, &box,
                      DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
        }
        HBRUSH brush = CreateSolidBrush(frame);
        FrameRect(dc, &client, brush);
        DeleteObject(brush);
        BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
        SelectObject(dc, oldFont);
        SelectObject(dc, oldBitmap);
        DeleteObject(surface);
        DeleteDC(dc);
    }
};

// The one open list; the library serves a single user-interface thread.
Menu* openMenu = nullptr;

void CloseMenu() {
    if (openMenu != nullptr && openMenu->window != nullptr) {
        DestroyWindow(openMenu->window);  // WM_NCDESTROY frees the menu
    }
}

void SetHot(Menu& menu, int hot) {
    if (menu.hot != hot) {
        menu.hot = hot;
        InvalidateRect(menu.window, nullptr, FALSE);
    }
}

POINT PointOf(LPARAM lParam) {
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

LRESULT CALLBACK MenuProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Menu* menu = reinterpret_cast<Menu*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (menu == nullptr) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(window, &ps);
            menu->Paint(dc);
            EndPaint(window, &ps);
            return 0;
        }
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
            SetHot(*menu, menu->RowAt(PointOf(lParam)));
            if (!menu->down) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, window, 0};
                TrackMouseEvent(&track);
            }
            return 0;
        case WM_MOUSELEAVE:
            if (!menu->down) {
                SetHot(*menu, -1);
            }
            return 0;
        case WM_LBUTTONDOWN:
            menu->down = true;
            menu->pressed = menu->RowAt(PointOf(lParam));
            SetCapture(window);
            SetHot(*menu, menu->pressed);
            InvalidateRect(window, nullptr, FALSE);
            return 0;
        case WM_CAPTURECHANGED:
            if (menu->down) {
                menu->down = false;
                InvalidateRect(window, nullptr, FALSE);
            }
            return 0;
        case WM_LBUTTONUP: {
            const bool wasDown = menu->down;
            const int pressedRow = menu->pressed;
            const int row = menu->RowAt(PointOf(lParam));
            menu->down = false;
            ReleaseCapture();
            SetHot(*menu, row);
            InvalidateRect(window, nullptr, FALSE);
            if (wasDown && row >= 0 && row == pressedRow) {
                // A choice: released on the row it was pressed on.
                const HWND owner = menu->owner;
                const int id = menu->rows[static_cast<size_t>(row)].id;
                DestroyWindow(window);
                PostMessageW(owner, SKIN_MENU_CHOICE_MESSAGE, 0, id);
            }
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE) {
                DestroyWindow(window);
            }
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                PostMessageW(window, WM_CLOSE, 0, 0);
            }
            break;
        case WM_CLOSE:
            DestroyWindow(window);
            return 0;
        case WM_NCDESTROY:
            SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            if (openMenu == menu) {
                openMenu = nullptr;
            }
            delete menu;
            break;
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool RegisterMenuClass() {
    WNDCLASSEXW wc{sizeof wc};
    if (GetClassInfoExW(Module(), kClassName, &wc)) {
        return true;
    }
    wc.cbSize = sizeof wc;
    wc.style = CS_DROPSHADOW;
    wc.lpfnWndProc = MenuProc;
    wc.hInstance = Module();
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
}

int TextWidth(HFONT font, const std::vector<Row>& rows) {
    HDC dc = GetDC(nullptr);
    HGDIOBJ old = SelectObject(dc, font);
    int widest = 0;
    for (const Row& row : rows) {
        SIZE size{};
        GetTextExtentPoint32W(dc, row.text.c_str(), static_cast<int>(row.text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(nullptr, dc);
    return widest;
}

}  // namespace

extern "C" {

int WINAPI CreateMenuEx(HWND owner, int itemHeight, int x, int y, COLORREF textColor, COLORREF hotTextColor,
                        COLORREF frameColor, const wchar_t* const skins[SKIN_MENU_SKIN_COUNT],
                        const SkinMenuItem* items, int count) {
    if (owner == nullptr || !IsWindow(owner) || items == nullptr || count < 1 ||
        count > SKIN_MENU_MAX_ITEMS || !RegisterMenuClass()) {
        return 0;
    }
    DestroyMenuEx(owner);
    auto menu = std::make_unique<Menu>();
    menu->owner = owner;
    menu->rowHeight = std::max(itemHeight, 8);
    menu->text = textColor;
    menu->hotText = hotTextColor;
    menu->frame = frameColor;
    for (int i = 0; i < SKIN_MENU_SKIN_COUNT; ++i) {
        menu->faces[i] = std::make_unique<Bitmap>(skins != nullptr ? skins[i] : nullptr);
    }
    for (int i = 0; i < count; ++i) {
        // The text field may arrive without its terminating zero: never read past it.
        const wchar_t* text = items[i].text;
        size_t length = 0;
        while (length < SKIN_MENU_TEXT_LENGTH && text[length] != 0) {
            ++length;
        }
        menu->rows.push_back(Row{items[i].id, std::wstring(text, length)});
    }
    menu->font = CreateFontW(14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, L"MS Shell Dlg");

    POINT at{x, y};
    ClientToScreen(owner, &at);
    const int width = std::max(kMinimumWidth, TextWidth(menu->font, menu->rows) + 2 * kTextPadding + 2);
    const int height = count * menu->rowHeight + 2;
    // Keep the list on the screen: open upwards when it would run off the bottom.
    const int screenBottom = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (at.y + height > screenBottom) {
        at.y = std::max(0, screenBottom - height);
    }
    HWND window =
        CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kClassName, L"SkinMenu", WS_POPUP, at.x, at.y,
                        width, height, GetAncestor(owner, GA_ROOT), nullptr, Module(), nullptr);
    if (window == nullptr) {
        return 0;
    }
    menu->window = window;
    openMenu = menu.release();
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(openMenu));
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    SetActiveWindow(window);
    return 1;
}

void WINAPI DestroyMenuEx(HWND owner) {
    if (openMenu != nullptr && (owner == nullptr || openMenu->owner == owner)) {
        CloseMenu();
    }
}

BOOL WINAPI DllPreTranslateMessage(MSG* msg) {
    if (msg == nullptr || openMenu == nullptr || msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE) {
        return FALSE;
    }
    CloseMenu();
    return TRUE;
}

}  // extern "C"
