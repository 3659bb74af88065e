// SkinMenu.dll loaded once for the process: the drop-down list of the macro page's game groups.
#pragma once

#include <windows.h>

#include <string>

#include "win/skin/skin_menu_api.h"

namespace kx90::skin {

class SkinMenuLibrary {
public:
    // Loads the library from folder (empty: the usual search, the program's folder first) and
    // resolves its exports.
    explicit SkinMenuLibrary(const std::wstring& folder = {});
    ~SkinMenuLibrary();
    SkinMenuLibrary(const SkinMenuLibrary&) = delete;
    SkinMenuLibrary& operator=(const SkinMenuLibrary&) = delete;

    // The library and the two exports the program calls are there.
    bool Usable() const { return createMenu != nullptr && destroyMenu != nullptr; }

    static constexpr const wchar_t* kFileName = L"SkinMenu.dll";

    CreateMenuExProc createMenu = nullptr;
    DestroyMenuExProc destroyMenu = nullptr;
    DllPreTranslateMessageProc preTranslate = nullptr;  // resolved, never called

private:
    HMODULE library_ = nullptr;
};

}  // namespace kx90::skin
