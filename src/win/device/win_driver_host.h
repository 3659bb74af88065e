// The device link's Win32 host: its hidden window and the bridge library check.
#pragma once

#include <windows.h>

#include <string>

#include "core/device/driver_host.h"

namespace kx90 {

class WinDriverHost final : public DriverHost {
public:
    // The bridge library is looked for the usual way (the program's folder first) unless a folder
    // is given.
    explicit WinDriverHost(std::wstring libraryFolder = {});
    ~WinDriverHost() override;
    WinDriverHost(const WinDriverHost&) = delete;
    WinDriverHost& operator=(const WinDriverHost&) = delete;

    void CreateHiddenWindow() override;
    void DestroyHiddenWindow() override;
    bool LoadBridge(std::u16string_view library, const char* exportName) override;
    void FreeBridge() override;

    HWND HiddenWindow() const { return window_; }

private:
    std::wstring libraryFolder_;
    HWND window_ = nullptr;
    HMODULE bridge_ = nullptr;
};

}  // namespace kx90
