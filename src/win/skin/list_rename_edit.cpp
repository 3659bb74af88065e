// CListBoxEx's in-place rename: the editor over a row, committing on Enter or focus loss,
// cancelling on Escape, one rename at a time in the process.
#include "win/skin/list_box_ex_internal.h"
#include "win/ui/messages.h"

namespace kx90::skin {
namespace {

// The list being renamed. The user interface thread is the only one that touches lists.
CListBoxEx* activeRename = nullptr;

}  // namespace

CListBoxEx* CListRenameEdit::Active() {
    return activeRename;
}

void CListRenameEdit::SetActive(CListBoxEx* list) {
    activeRename = list;
}

bool CListRenameEdit::Open(HWND list, const RECT& row, const std::wstring& text, HFONT font) {
    CreateArgs args;
    args.className = L"EDIT";
    args.style = WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL;
    args.rect = row;
    args.parent = list;
    args.text = text;
    if (!Create(args)) {
        return false;
    }
    SendMessageW(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    SendMessageW(hwnd(), EM_LIMITTEXT, CListBoxEx::kRenameLimit, 0);
    SendMessageW(hwnd(), EM_SETSEL, 0, -1);
    return true;
}

std::wstring CListRenameEdit::Text() const {
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd(), text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

HBRUSH CListRenameEdit::OnReflectedCtlColor(HDC dc) {
    SetTextColor(dc, textColor_);
    SetBkColor(dc, backgroundColor_);
    return brush_;
}

LRESULT CListRenameEdit::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    CListBoxEx* list = activeRename;
    const bool mine = list != nullptr && list->editor_.get() == this;
    switch (message) {
        case WM_GETDLGCODE:
            // Enter and Escape belong to the editor, not to a dialog's default buttons.
            return DefaultProc(message, wParam, lParam) | DLGC_WANTALLKEYS;
        case WM_CHAR:
            // A single-line edit beeps at these; they are handled as keys below.
            if (wParam == VK_RETURN || wParam == VK_ESCAPE) {
                return 0;
            }
            break;
        case WM_KEYUP:
            if (wParam == VK_RETURN && mine) {
                list->EndRename(CListBoxEx::RenameEnd::kCommit);
                return 0;
            }
            break;
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE && mine) {
                list->EndRename(CListBoxEx::RenameEnd::kCancel);
                return 0;
            }
            break;
        case WM_KILLFOCUS:
            if (mine) {
                list->EndRename(CListBoxEx::RenameEnd::kCommit);
                return 0;
            }
            break;
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

// The list's side.

int CListBoxEx::RenamingIndex() const {
    return CListRenameEdit::Active() == this ? renameIndex_ : -1;
}

bool CListBoxEx::BeginRename(int index) {
    if (hwnd() == nullptr || index < 0 || index >= GetCount()) {
        return false;
    }
    if (CListBoxEx* active = CListRenameEdit::Active()) {
        active->EndRename(RenameEnd::kCommit);
    }
    RECT row{};
    if (SendMessageW(hwnd(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&row)) ==
        LB_ERR) {
        return false;
    }
    // One editor object per list, made again for every rename: a closed editor's window is gone,
    // but its object may still be on the stack of the message that closed it.
    if (editor_ == nullptr) {
        editor_ = std::make_unique<CListRenameEdit>();
    }
    editor_->SetColors(textColor_, backgroundColor_, BackgroundBrush());
    if (!editor_->Open(hwnd(), row, GetItemText(index), font_.get())) {
        return false;
    }
    renameIndex_ = index;
    CListRenameEdit::SetActive(this);
    SetFocus(editor_->hwnd());
    return true;
}

void CListBoxEx::EndRename(RenameEnd how) {
    if (CListRenameEdit::Active() != this) {
        return;
    }
    // No longer renaming before anything else happens: moving the focus and destroying the editor
    // send it messages that would otherwise end the rename again.
    CListRenameEdit::SetActive(nullptr);
    const int index = renameIndex_;
    renameIndex_ = -1;
    HWND editor = editor_->hwnd();
    const std::wstring text = editor_->Text();
    if (how != RenameEnd::kAbandon && GetFocus() == editor) {
        SetFocus(hwnd());
    }
    DestroyWindow(editor);
    if (how == RenameEnd::kAbandon || index >= GetCount()) {
        return;
    }
    if (how == RenameEnd::kCommit) {
        const uint32_t data = GetItemData(index);
        SendMessageW(hwnd(), LB_DELETESTRING, static_cast<WPARAM>(index), 0);
        SendMessageW(hwnd(), LB_INSERTSTRING, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(hwnd(), LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(data));
    }
    SetCurSel(index);
    if (how == RenameEnd::kCommit) {
        PostMessageW(NotifyWindow(), msg::kListRename, static_cast<WPARAM>(GetDlgCtrlID(hwnd())),
                     static_cast<LPARAM>(index));
    }
}

}  // namespace kx90::skin
