// A host window for the skinned-control tests (header only, shared by the skin tests): it records what the
// controls send it and paints a dark page; plus plain full-page pictures and the folder of the drawn skins.
#pragma once

#include <windows.h>

#include <filesystem>
#include <set>
#include <vector>

#include "support/gui_harness.h"
#include "win/ui/gdi.h"
#include "win/ui/handles.h"
#include "win/ui/window.h"

namespace kx90::test {

inline constexpr COLORREF kPageColor = RGB(0x13, 0x15, 0x18);

class HostWindow : public ui::Window {
public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };

    // A visible, active top-level window with that client size at (x, y).
    bool Open(int x, int y, int width, int height, const wchar_t* title = L"KX90 skin test host");
    // Messages of this kind are recorded (WM_COMMAND and the program's private ones by default).
    void Record(UINT message) { recorded_.insert(message); }
    std::vector<Received> Of(UINT message) const;
    void Clear() { received_.clear(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnEraseBackground(HDC dc) override;

private:
    std::set<UINT> recorded_ = {WM_COMMAND, 0x401, 0x450, 0x501, 0x70D, 0x800};
    std::vector<Received> received_;
};

// A full-page picture of one colour, with a one-pixel edge of another round each rectangle, so
// faces cut from it look like buttons.
ui::UniqueBitmap MakePage(int width, int height, COLORREF fill, COLORREF edge,
                          const std::vector<RECT>& rects);

// build/windows/skin: what skingen drew for this build (next to the test's own folder).
std::filesystem::path SkinDir();

// Definitions.

inline bool HostWindow::Open(int x, int y, int width, int height, const wchar_t* title) {
    ParkPointer();  // a window appearing under the pointer would get a move, and a hover
    CreateArgs args;
    args.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
    args.text = title;
    args.rect = RECT{x, y, x + width, y + height};
    if (!Create(args)) {
        return false;
    }
    SetForegroundWindow(hwnd());
    SetActiveWindow(hwnd());
    PumpFor(std::chrono::milliseconds(50));
    return true;
}

inline std::vector<HostWindow::Received> HostWindow::Of(UINT message) const {
    std::vector<Received> found;
    for (const Received& r : received_) {
        if (r.message == message) {
            found.push_back(r);
        }
    }
    return found;
}

inline LRESULT HostWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (recorded_.count(message) != 0) {
        received_.push_back({message, wParam, lParam});
        if (message != WM_MOUSEMOVE) {
            return 0;
        }
    }
    return Window::HandleMessage(message, wParam, lParam);
}

inline bool HostWindow::OnEraseBackground(HDC dc) {
    RECT rc;
    GetClientRect(hwnd(), &rc);
    ui::FillSolid(dc, rc, kPageColor);
    return true;
}

inline ui::UniqueBitmap MakePage(int width, int height, COLORREF fill, COLORREF edge,
                                 const std::vector<RECT>& rects) {
    ui::WindowDc screen(nullptr);
    ui::UniqueBitmap page(CreateCompatibleBitmap(screen.get(), width, height));
    ui::UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    ui::Selected selected(dc.get(), page.get());
    ui::FillSolid(dc.get(), RECT{0, 0, width, height}, fill);
    ui::UniqueBrush brush(CreateSolidBrush(edge));
    for (const RECT& r : rects) {
        FrameRect(dc.get(), &r, brush.get());
    }
    return page;
}

inline std::filesystem::path SkinDir() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::filesystem::path(path).parent_path().parent_path().parent_path() / "skin";
}

}  // namespace kx90::test
