// What the five pages of the main window share: a child window at the page position that paints
// its skin picture (loaded when the page is first shown), or a dark panel with the page's title
// while the picture is missing; and the few calls through which the main window drives every page
// alike.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/buttons/hook_manager.h"
#include "core/buttons/keyboard_layout.h"
#include "core/i18n/ui_language.h"
#include "core/macro/macro_library.h"
#include "core/platform/host_system.h"
#include "core/platform/notifier.h"
#include "core/platform/path_chooser.h"
#include "core/profile/profile_state.h"
#include "win/skin/skin_menu_library.h"
#include "win/ui/gdi.h"
#include "win/ui/window.h"

namespace kx90 {
class CDlgProgress;
}

namespace kx90::pages {

class FirmwareCheckWorker;

// What a page works with; owned by the application, alive as long as the page.
struct PageServices {
    HWND mainWindow = nullptr;
    std::wstring installDir;
    const UiLanguage* language = nullptr;
    ProfileState* profiles = nullptr;
    MacroLibrary* macros = nullptr;
    Notifier* notifier = nullptr;
    HookManager* hooks = nullptr;
    PathChooser* paths = nullptr;
    const KeyboardLayout* keyboard = nullptr;
    const skin::SkinMenuLibrary* skinMenu = nullptr;
    HostSystem* host = nullptr;
    CDlgProgress* progress = nullptr;        // also shown while a firmware image downloads
    FirmwareCheckWorker* updates = nullptr;  // the update check's thread
};

class PageWindow : public ui::Window {
public:
    // Creates the page hidden at the page position of the main window.
    bool CreatePage(const PageServices& services);
    // Shows or hides the page; the first show loads its picture.
    void Show(bool visible);
    bool HasPicture() const { return background_.bitmap.get() != nullptr; }

    // The page becomes the shown one / stops being it (another page, or the window went to the
    // tray). A page that edits the live record reloads its controls on entering.
    virtual void OnEnter() {}
    virtual void OnLeave() {}
    // The live record was replaced (another profile, the defaults): controls reload.
    virtual void RefreshFromRecord() {}
    // A write is about to start: entries still being typed are taken over.
    virtual void BeforeApply() {}
    // The Windows session ends: what the page keeps goes to disk.
    virtual void OnSessionEnd() {}
    // The interface language changed: texts and tooltips follow.
    virtual void OnLanguageChanged() { Invalidate(); }
    // The mouse answered (or not) its firmware version: 0 when unknown.
    virtual void OnFirmwareVersion(int version) { (void)version; }
    // Whether the profile buttons and Apply serve this page (the pages that edit the profile).
    virtual bool HoldsProfileButtons() const { return false; }
    // Whether the page wants the mouse hook's host events (message 0x4C9).
    virtual bool TakesHostEvents() const { return false; }
    // The catalogue text that names the page (its tab's tooltip, the fallback panel's title).
    virtual const std::u16string& Title() const = 0;

protected:
    // The page's picture, relative to InstallDir\skins.
    virtual const wchar_t* Picture() const = 0;
    // The page's dialog number, kept as its control id.
    virtual UINT PageId() const = 0;

    const PageServices& Services() const { return services_; }
    // The page's picture, loaded now if it was not yet (a page whose controls are cut from it
    // loads it when it creates them); null when it is missing.
    HBITMAP LoadPicture();
    const LanguageStrings& Texts() const { return services_.language->Strings(); }

    bool OnPaint(HDC dc) override;
    bool OnEraseBackground(HDC) override { return true; }
    // A pointer over the page leaves the main window's buttons: their help text goes.
    bool OnMouseMove(UINT keys, POINT at) override;

private:
    PageServices services_;
    bool pictureTried_ = false;
    ui::SkinBitmap background_;
};

}  // namespace kx90::pages
