// GetTempPathW, GetModuleFileNameW and the application-data folder turned into the program's
// folders.
#include "win/platform/data_folders.h"

#include <windows.h>
// shlobj.h needs the types of windows.h.
#include <shlobj.h>

#include <string>

namespace kx90 {
namespace {

// The answer ends with a backslash and is never longer than MAX_PATH + 1. It is empty when Windows
// gives none (Wine fails with ERROR_FILENAME_EXCED_RANGE for a TMP longer than MAX_PATH).
std::wstring TempFolder() {
    wchar_t buffer[MAX_PATH + 2] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    return std::wstring(buffer, length <= MAX_PATH + 1 ? length : 0);
}

std::wstring ExecutableFolder() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);  // truncated: try a larger buffer
    }
    const size_t slash = buffer.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : buffer.substr(0, slash);
}

// The per-user application-data folder (roaming), or empty when Windows names none.
std::wstring ApplicationDataFolder() {
    wchar_t buffer[MAX_PATH] = {};
    return SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, buffer)) ? buffer
                                                                                                    : L"";
}

}  // namespace

DataFolders ComputeDataFolders() {
    const std::wstring appData = ApplicationDataFolder();
    return {TempFolder() + L"NORVI\\KX90", ExecutableFolder(),
            appData.empty() ? std::wstring() : appData + L"\\NORVI\\KX90"};
}

}  // namespace kx90
