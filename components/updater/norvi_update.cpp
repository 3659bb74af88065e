// NorviUpdate.exe: the quiet updater the program starts a few seconds after it comes up. It reads
// the update server's address from KX90Driver.ini in the installation (the folder above its own),
// fetches the server's description of the newest program version, and only when that is newer
// than this installation asks whether to open the download page. Nothing newer, a server that
// cannot be reached or a damaged description: it ends without a word.
#include <windows.h>
// shellapi.h needs the types of windows.h.
#include <shellapi.h>

#include <string>

#include "core/pages/firmware_check.h"
#include "core/pages/program_update.h"
#include "win/platform/downloader_win32.h"
#include "win/platform/site_addresses.h"

namespace {

std::wstring InstallationFolder() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path);
    for (int up = 0; up < 2; ++up) {  // the program's folder, then its parent
        const size_t slash = folder.find_last_of(L"\\/");
        folder = slash == std::wstring::npos ? L"." : folder.substr(0, slash);
    }
    return folder;
}

std::u16string Utf16(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

std::wstring Wide(const std::u16string& text) {
    return std::wstring(text.begin(), text.end());
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const kx90::SiteAddresses sites = kx90::ReadSiteAddresses(InstallationFolder());
    std::u16string base = Utf16(sites.updateServer);
    while (!base.empty() && base.back() == u'/') {
        base.pop_back();
    }
    kx90::Win32Downloader downloader;
    std::string description;
    if (downloader.Fetch(base + kx90::pages::kProgramDescriptionPath, kx90::pages::kDescriptionLimits,
                         description) != kx90::DownloadStatus::kOk) {
        return 0;
    }
    const auto offer = kx90::pages::NewerProgramOffer(description, kx90::pages::kProgramVersion);
    if (!offer) {
        return 0;
    }
    const int answer = MessageBoxW(nullptr, Wide(kx90::pages::ProgramOfferText(*offer)).c_str(),
                                   L"Norvi Update", MB_YESNO | MB_ICONINFORMATION | MB_SETFOREGROUND);
    if (answer == IDYES) {
        ShellExecuteW(nullptr, L"open", Wide(offer->page).c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
    }
    return 0;
}
