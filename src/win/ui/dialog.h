// Top-level dialogs built on Window: modeless, or modal with the program's own message loop.
#pragma once

#include "win/ui/window.h"

namespace kx90::ui {

class Dialog : public Window {
public:
    // Creates the dialog (CreateDialogWindow), disables the owner and runs a message loop until
    // EndDialog. The loop dispatches every message of the thread, so windows other than the
    // dialog keep receiving what workers post to them; a WM_QUIT ends the loop and is posted
    // again for the loop outside. Returns the result given to EndDialog (IDCANCEL if the window
    // went away by itself, -1 when it could not be created).
    int DoModal(HWND owner);

    // Creates the dialog and shows it without a loop of its own.
    bool ShowModeless(HWND owner);

    // Ends a modal run with the result; a modeless dialog is destroyed.
    void EndDialog(int result);
    bool IsModal() const { return modal_; }

    // Messages for the dialog or its children, before they are dispatched (key filters);
    // true: swallowed.
    virtual bool PreTranslateMessage(MSG&) { return false; }

protected:
    // Creates the top-level window (owned by owner, hidden); the dialog shows it itself.
    virtual bool CreateDialogWindow(HWND owner) = 0;
    bool OnClose() override;  // a cancel: EndDialog(IDCANCEL)
    void OnDestroy() override;

private:
    bool modal_ = false;
    bool running_ = false;
    int result_ = IDCANCEL;
};

// Runs the thread's message loop while keepRunning holds (something the handlers clear). Returns
// false when WM_QUIT arrived; it is posted again for the loop outside.
bool RunNestedLoop(const bool& keepRunning, Dialog* filter = nullptr);

}  // namespace kx90::ui
