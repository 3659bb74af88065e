// GetTempPathW and GetModuleFileNameW turned into the program's two folders.
#include "win/platform/data_folders.h"

#include <windows.h>

#include <string>

namespace kx90 {
namespace {

std::wstring TempFolder() {
    std::wstring buffer(MAX_PATH + 1, L'\0');
    DWORD length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (length > buffer.size()) {  // too small: the answer is the size needed
        buffer.assign(length, L'\0');
        length = GetTempPathW(static_cast<DWORD>(buffer.size()), buffer.data());
    }
    buffer.resize(length <= buffer.size() ? length : 0);
    return buffer;
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

}  // namespace

DataFolders ComputeDataFolders() {
    return {TempFolder() + L"NORVI\\KX90", ExecutableFolder()};
}

}  // namespace kx90
