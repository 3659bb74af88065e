// Loading SkinMenu.dll and resolving its three exports.
#include "win/skin/skin_menu_library.h"

namespace kx90::skin {

SkinMenuLibrary::SkinMenuLibrary(const std::wstring& folder) {
    std::wstring path = folder;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') {
        path += L'\\';
    }
    path += kFileName;
    library_ = LoadLibraryW(path.c_str());
    if (library_ == nullptr) {
        return;
    }
    createMenu = SkinMenuExport<CreateMenuExProc>(library_, "CreateMenuEx");
    destroyMenu = SkinMenuExport<DestroyMenuExProc>(library_, "DestroyMenuEx");
    preTranslate = SkinMenuExport<DllPreTranslateMessageProc>(library_, "DllPreTranslateMessage");
}

SkinMenuLibrary::~SkinMenuLibrary() {
    if (library_ != nullptr) {
        FreeLibrary(library_);
    }
}

}  // namespace kx90::skin
