// Open- and save-file dialogs and the folder picker, for the advanced actions' paths and the
// profile files.
#include "win/platform/path_chooser_win32.h"

#include <commdlg.h>
#include <shlobj.h>

#include <memory>
#include <string>

#include "win/ui/text.h"

namespace kx90 {
namespace {

// Room for a path and its NUL: a longer pick is reported as it is, for the caller to refuse.
constexpr DWORD kFileBuffer = 32768;

std::optional<std::u16string> ChooseFile(HWND owner, const PathPicker& picker) {
    const std::wstring filter = ui::Wide(OpenFileDialogFilter(picker.filter));
    const std::wstring extension = ui::Wide(OpenFileDialogDefaultExtension(picker.defaultExtension));
    const std::wstring folder = ui::Wide(picker.initialFolder);
    auto file = std::make_unique<wchar_t[]>(kFileBuffer);
    const std::wstring initial = ui::Wide(picker.initialFileName);
    initial.copy(file.get(), kFileBuffer - 1);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.empty() ? nullptr : filter.c_str();
    ofn.lpstrFile = file.get();
    ofn.nMaxFile = kFileBuffer;
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    // The process's current folder stays where it was whatever folder the user browses to.
    ofn.Flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_EXPLORER | OFN_NOCHANGEDIR;
    if (!(picker.save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn))) {
        return std::nullopt;
    }
    return ui::Utf16(file.get());
}

std::optional<std::u16string> ChooseFolder() {
    BROWSEINFOW info{};
    PIDLIST_ABSOLUTE chosen = SHBrowseForFolderW(&info);
    if (chosen == nullptr) {
        return std::nullopt;
    }
    // The shell's own limit for this call: MAX_PATH units with the NUL.
    wchar_t path[MAX_PATH] = {};
    const bool named = SHGetPathFromIDListW(chosen, path) != FALSE;
    CoTaskMemFree(chosen);
    if (!named) {
        return std::nullopt;
    }
    return ui::Utf16(path);
}

}  // namespace

std::optional<std::u16string> Win32PathChooser::Choose(const PathPicker& picker) {
    return picker.folder ? ChooseFolder() : ChooseFile(owner_, picker);
}

}  // namespace kx90
