// Hidden 1 x 1 pop-up window of the device link and the bridge library's load check.
#include "win/device/win_driver_host.h"

namespace kx90 {
namespace {

constexpr wchar_t kWindowClass[] = L"KX90DeviceLink";

ATOM RegisterLinkClass() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;  // the window handles no messages of its own
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kWindowClass;
        return RegisterClassW(&wc);
    }();
    return atom;
}

}  // namespace

WinDriverHost::WinDriverHost(std::wstring libraryFolder) : libraryFolder_(std::move(libraryFolder)) {}

WinDriverHost::~WinDriverHost() {
    DestroyHiddenWindow();
    FreeBridge();
}

void WinDriverHost::CreateHiddenWindow() {
    if (window_ != nullptr || RegisterLinkClass() == 0) {
        return;
    }
    window_ = CreateWindowExW(0, kWindowClass, L"", WS_POPUP, 1, 1, 1, 1, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
}

void WinDriverHost::DestroyHiddenWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
        window_ = nullptr;
    }
}

bool WinDriverHost::LoadBridge(std::u16string_view library, const char* exportName) {
    FreeBridge();
    std::wstring path = libraryFolder_;
    if (!path.empty() && path.back() != L'\\' && path.back() != L'/') {
        path += L'\\';
    }
    path.append(reinterpret_cast<const wchar_t*>(library.data()), library.size());
    bridge_ = LoadLibraryW(path.c_str());
    if (bridge_ == nullptr) {
        return false;
    }
    // The export is resolved only to prove the library is the right one; it is never called.
    return GetProcAddress(bridge_, exportName) != nullptr;
}

void WinDriverHost::FreeBridge() {
    if (bridge_ != nullptr) {
        FreeLibrary(bridge_);
        bridge_ = nullptr;
    }
}

}  // namespace kx90
