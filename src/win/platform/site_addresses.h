// The two web addresses of the installation, read from KX90Driver.ini beside the program:
//   [Update] Server=<base address of the update server>
//   [Web]    Site=<the maker's web site>
// A missing file or key gives the built-in address.
#pragma once

#include <string>

namespace kx90 {

inline constexpr wchar_t kSiteAddressesFile[] = L"KX90Driver.ini";
inline constexpr wchar_t kDefaultUpdateServer[] = L"http://update.norvi-gaming.example";
inline constexpr wchar_t kDefaultWebSite[] = L"https://www.norvi-gaming.example/";

struct SiteAddresses {
    std::wstring updateServer;
    std::wstring webSite;
};

SiteAddresses ReadSiteAddresses(const std::wstring& installDir);

}  // namespace kx90
