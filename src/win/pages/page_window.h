// What the five pages of the main window share: a child window at the page position that paints
// its skin picture, or a dark panel with the page's title while the picture is missing.
#pragma once

#include <windows.h>

#include <string>

#include "core/i18n/language_strings.h"
#include "win/ui/gdi.h"
#include "win/ui/window.h"

namespace kx90::pages {

class PageWindow : public ui::Window {
public:
    // Creates the page hidden at the page position of the main window; picture is relative to
    // InstallDir\skins. resourceId is the page's dialog number, kept as its control id.
    bool CreatePage(HWND mainWindow, const std::wstring& installDir, const wchar_t* picture, UINT resourceId);
    void Show(bool visible) { ShowWindow(hwnd(), visible ? SW_SHOW : SW_HIDE); }
    bool HasPicture() const { return background_.bitmap.get() != nullptr; }

    // The controls reload from the live record (the pages with edit controls override this).
    virtual void RefreshFromRecord() {}
    // The language changed: the controls with catalogue tooltips take the new texts.
    virtual void RefreshTooltips() {}

protected:
    // The catalogue text that names the page on the fallback panel.
    virtual const std::u16string& Title() const = 0;
    HWND MainWindow() const { return mainWindow_; }

    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    // A pointer over the page leaves the main window's buttons: their help text goes.
    bool OnMouseMove(UINT keys, POINT at) override;

private:
    HWND mainWindow_ = nullptr;
    ui::SkinBitmap background_;
};

}  // namespace kx90::pages
