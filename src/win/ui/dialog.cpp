// Modal and modeless dialogs and the nested message loop.
#include "win/ui/dialog.h"

namespace kx90::ui {

int Dialog::DoModal(HWND owner) {
    if (!CreateDialogWindow(owner)) {
        return -1;
    }
    // Disable the owner's top-level window, as a system dialog would.
    HWND ownerTop = owner != nullptr ? GetAncestor(owner, GA_ROOT) : nullptr;
    const bool disableOwner = ownerTop != nullptr && IsWindowEnabled(ownerTop);
    if (disableOwner) {
        EnableWindow(ownerTop, FALSE);
    }
    modal_ = true;
    running_ = true;
    result_ = IDCANCEL;
    ShowWindow(hwnd(), SW_SHOW);
    UpdateWindow(hwnd());
    RunNestedLoop(running_, this);
    // Re-enable the owner before the dialog goes, or Windows activates some other program.
    if (disableOwner) {
        EnableWindow(ownerTop, TRUE);
    }
    if (ownerTop != nullptr && GetActiveWindow() == hwnd()) {
        SetActiveWindow(ownerTop);
    }
    modal_ = false;
    Destroy();
    return result_;
}

bool Dialog::ShowModeless(HWND owner) {
    if (!CreateDialogWindow(owner)) {
        return false;
    }
    ShowWindow(hwnd(), SW_SHOW);
    return true;
}

void Dialog::EndDialog(int result) {
    result_ = result;
    if (modal_) {
        running_ = false;
        PostMessageW(hwnd(), WM_NULL, 0, 0);  // wakes GetMessage in the loop
    } else {
        Destroy();
    }
}

bool Dialog::OnClose() {
    EndDialog(IDCANCEL);
    return true;
}

void Dialog::OnDestroy() {
    // Destroyed from outside while the loop runs: end the loop with the result so far.
    running_ = false;
}

bool RunNestedLoop(const bool& keepRunning, Dialog* filter) {
    MSG msg;
    while (keepRunning) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got == -1) {
            return false;
        }
        if (filter != nullptr && filter->hwnd() != nullptr &&
            (msg.hwnd == filter->hwnd() || IsChild(filter->hwnd(), msg.hwnd)) &&
            filter->PreTranslateMessage(msg)) {
            continue;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

}  // namespace kx90::ui
