// Reading KX90Driver.ini.
#include "win/platform/site_addresses.h"

#include <windows.h>

namespace kx90 {
namespace {

std::wstring ReadKey(const std::wstring& ini, const wchar_t* section, const wchar_t* key,
                     const wchar_t* fallback) {
    wchar_t value[1024] = {};
    GetPrivateProfileStringW(section, key, fallback, value, 1024, ini.c_str());
    return value[0] != L'\0' ? value : fallback;
}

}  // namespace

SiteAddresses ReadSiteAddresses(const std::wstring& installDir) {
    const std::wstring ini = installDir + L"\\" + kSiteAddressesFile;
    return {ReadKey(ini, L"Update", L"Server", kDefaultUpdateServer),
            ReadKey(ini, L"Web", L"Site", kDefaultWebSite)};
}

}  // namespace kx90
