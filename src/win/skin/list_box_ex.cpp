// CListBoxEx: creation, rows and their data, colours, notifications and the parent's reflection.
#include "win/skin/list_box_ex.h"

#include <commctrl.h>

#include <vector>

#include "win/skin/list_box_ex_internal.h"
#include "win/ui/gdi.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN | LBS_OWNERDRAWFIXED |
                             LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT;

// The executable's folder with a trailing backslash.
std::wstring ExecutableFolder() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            const std::wstring path(buffer.data(), length);
            const size_t slash = path.find_last_of(L'\\');
            return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

CListBoxEx::CListBoxEx()
    : backgroundColor_(GetSysColor(COLOR_WINDOW)),
      selectionColor_(GetSysColor(COLOR_HIGHLIGHT)),
      textColor_(GetSysColor(COLOR_WINDOWTEXT)),
      selectedTextColor_(GetSysColor(COLOR_HIGHLIGHTTEXT)),
      installDir_(ExecutableFolder()) {}

CListBoxEx::~CListBoxEx() {
    Destroy();
}

bool CListBoxEx::CreateList(HWND parent, const RECT& rect, UINT id, DWORD extraStyle) {
    CreateArgs args;
    args.className = L"LISTBOX";
    args.style = kListStyle | extraStyle;
    args.rect = rect;
    args.parent = parent;
    args.id = id;
    return Create(args);
}

void CListBoxEx::SetItemHeight(int height) {
    itemHeight_ = height;
    if (hwnd() != nullptr) {
        SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, height);
        Invalidate();
    }
}

void CListBoxEx::SetShowIcons(bool show) {
    showIcons_ = show;
    if (hwnd() != nullptr) {
        Invalidate();
    }
}

bool CListBoxEx::AdoptList(HWND list) {
    return Subclass(list);
}

bool CListBoxEx::OnCreate() {
    owner_ = GetParent(hwnd());
    font_ = ui::CreateUiFont(14, FW_NORMAL);
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    // The list asked its parent for the row height while it was being created, before this object
    // saw any message; the parent answered nothing, so the height is set here.
    SendMessageW(hwnd(), LB_SETITEMHEIGHT, 0, itemHeight_);
    InstallReflector();
    return true;
}

void CListBoxEx::OnDestroy() {
    EndRename(RenameEnd::kAbandon);
    RemoveReflector();
}

// Rows.

int CListBoxEx::InsertItem(int index, uint32_t type, const std::wstring& text, uint32_t value) {
    const auto at = static_cast<int>(SendMessageW(hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                                                  reinterpret_cast<LPARAM>(text.c_str())));
    if (at < 0) {
        return LB_ERR;
    }
    SendMessageW(hwnd(), LB_SETITEMDATA, at, static_cast<LPARAM>(PackListItemData(type, value)));
    SetCurSel(at);
    return at;
}

int CListBoxEx::ReplaceItem(int index, uint32_t type, const std::wstring& text, uint32_t value) {
    if (index < 0 || index >= GetCount()) {
        return LB_ERR;
    }
    DeleteItem(index);
    return InsertItem(index, type, text, value);
}

int CListBoxEx::AddItemAndEdit(uint32_t type, const std::wstring& text, uint32_t value, bool edit) {
    if (CListBoxEx* active = CListRenameEdit::Active()) {
        active->EndRename(RenameEnd::kCommit);
    }
    const int at = InsertItem(-1, type, text, value);
    if (at < 0) {
        return LB_ERR;
    }
    showIcons_ = type != kListItemPlain;
    Invalidate();
    if (edit) {
        BeginRename(at);
    }
    return at;
}

bool CListBoxEx::DeleteItem(int index) {
    return SendMessageW(hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0) != LB_ERR;
}

void CListBoxEx::ResetContent() {
    SendMessageW(hwnd(), LB_RESETCONTENT, 0, 0);
}

int CListBoxEx::GetCount() const {
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCOUNT, 0, 0));
}

int CListBoxEx::GetCurSel() const {
    return static_cast<int>(SendMessageW(hwnd(), LB_GETCURSEL, 0, 0));
}

bool CListBoxEx::SetCurSel(int index) {
    return SendMessageW(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(index), 0) != LB_ERR;
}

uint32_t CListBoxEx::GetItemData(int index) const {
    return static_cast<uint32_t>(SendMessageW(hwnd(), LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

std::wstring CListBoxEx::GetItemText(int index) const {
    const auto length = static_cast<int>(SendMessageW(hwnd(), LB_GETTEXTLEN, static_cast<WPARAM>(index), 0));
    if (length <= 0) {
        return std::wstring();
    }
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const auto copied = static_cast<int>(
        SendMessageW(hwnd(), LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data())));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// Looks and targets.

void CListBoxEx::SetColors(COLORREF background, COLORREF selection) {
    backgroundColor_ = background;
    background_.Reset(CreateSolidBrush(background));
    selectionColor_ = selection;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

void CListBoxEx::SetTextColors(COLORREF normal, COLORREF selected) {
    textColor_ = normal;
    selectedTextColor_ = selected;
    if (hwnd() != nullptr) {
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
}

void CListBoxEx::SetNotifyTarget(HWND target, bool enabled) {
    notifyTarget_ = enabled ? target : nullptr;
}

void CListBoxEx::SetInstallDir(const std::wstring& folder) {
    installDir_ = folder;
    if (!installDir_.empty() && installDir_.back() != L'\\' && installDir_.back() != L'/') {
        installDir_ += L'\\';
    }
    icons_.clear();
}

HBRUSH CListBoxEx::BackgroundBrush() const {
    return background_ ? background_.get() : GetSysColorBrush(COLOR_WINDOW);
}

HBRUSH CListBoxEx::OnReflectedCtlColor(HDC dc) {
    SetBkColor(dc, backgroundColor_);
    SetTextColor(dc, textColor_);
    return BackgroundBrush();
}

HWND CListBoxEx::NotifyWindow() const {
    if (notifyTarget_ != nullptr) {
        return notifyTarget_;
    }
    return owner_ != nullptr ? owner_ : GetParent(hwnd());
}

void CListBoxEx::NotifySelChange() {
    PostMessageW(NotifyWindow(), msg::kListSelChange, static_cast<WPARAM>(GetDlgCtrlID(hwnd())),
                 static_cast<LPARAM>(GetCurSel()));
}

// Messages of the list itself.

bool CListBoxEx::OnEraseBackground(HDC dc) {
    RECT rc;
    GetClientRect(hwnd(), &rc);
    FillRect(dc, &rc, BackgroundBrush());
    return true;
}

bool CListBoxEx::OnLButtonDblClk(UINT keys, POINT at) {
    DefaultProc(WM_LBUTTONDBLCLK, keys, ui::LParamFromPoint(at));
    if (!renameByDoubleClick_) {
        return true;
    }
    const auto hit = static_cast<DWORD>(SendMessageW(hwnd(), LB_ITEMFROMPOINT, 0, ui::LParamFromPoint(at)));
    if (HIWORD(hit) == 0 && LOWORD(hit) < GetCount()) {
        BeginRename(LOWORD(hit));
    }
    return true;
}

LRESULT CListBoxEx::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        // A change of the rows or a scroll would leave the editor over another row (or none):
        // the rename ends first, keeping what was typed.
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case LB_RESETCONTENT:
        case WM_VSCROLL:
        case WM_HSCROLL:
        case WM_MOUSEWHEEL:
            if (RenamingIndex() >= 0) {
                EndRename(RenameEnd::kCommit);
            }
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

// The list box sends its draw and colour requests and its notifications to the parent it had
// when it was made. A subclass of that parent hands the ones about this list back to it, so the
// parent needs no list code; everything else goes on to the parent unchanged.

void CListBoxEx::InstallReflector() {
    if (owner_ != nullptr) {
        SetWindowSubclass(owner_, ParentProc, reinterpret_cast<UINT_PTR>(this),
                          reinterpret_cast<DWORD_PTR>(this));
    }
}

void CListBoxEx::RemoveReflector() {
    if (owner_ != nullptr) {
        RemoveWindowSubclass(owner_, ParentProc, reinterpret_cast<UINT_PTR>(this));
    }
}

LRESULT CALLBACK CListBoxEx::ParentProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR data) {
    auto* self = reinterpret_cast<CListBoxEx*>(data);
    HWND list = self->hwnd();
    switch (message) {
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (list != nullptr && draw->hwndItem == list) {
                self->DrawItem(*draw);
                return TRUE;
            }
            break;
        }
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (list != nullptr && measure->CtlType == ODT_LISTBOX &&
                measure->CtlID == static_cast<UINT>(GetDlgCtrlID(list))) {
                measure->itemHeight = static_cast<UINT>(self->itemHeight_);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORLISTBOX:
            if (list != nullptr && reinterpret_cast<HWND>(lParam) == list) {
                return reinterpret_cast<LRESULT>(self->OnReflectedCtlColor(reinterpret_cast<HDC>(wParam)));
            }
            break;
        case WM_COMMAND:
            if (list != nullptr && reinterpret_cast<HWND>(lParam) == list &&
                HIWORD(wParam) == LBN_SELCHANGE) {
                const LRESULT result = DefSubclassProc(window, message, wParam, lParam);
                self->NotifySelChange();
                return result;
            }
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(window, ParentProc, id);
            self->owner_ = nullptr;
            break;
        default:
            break;
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

}  // namespace kx90::skin
