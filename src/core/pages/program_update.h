// The program's own update offer, for the separate updater: a small description on the update
// server names the newest version of this program and the page to download it from.
//   <update><driver><version>1.0.2</version><page>https://...</page></driver></update>
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kx90::pages {

// This program's version, dotted (the support page shows it as "V1.0.1").
inline constexpr char16_t kProgramVersion[] = u"1.0.1";
// Where the description lives on the update server, after the configured base address.
inline constexpr char16_t kProgramDescriptionPath[] = u"/software/KX90/driver.xml";

// Compares dotted versions part by part as numbers ("1.0.10" is newer than "1.0.9"; missing
// parts are 0): negative, 0 or positive as a is older, the same or newer than b.
int CompareVersions(std::u16string_view a, std::u16string_view b);

struct ProgramOffer {
    std::u16string version;
    std::u16string page;  // an http or https address
};

// The offer in the description's bytes when it names a newer version than own and a web page to
// get it from; nothing for an older or equal version, a damaged description or any other page.
std::optional<ProgramOffer> NewerProgramOffer(std::string_view description, std::u16string_view own);

// The updater's question ("... Open the download page?").
std::u16string ProgramOfferText(const ProgramOffer& offer);

}  // namespace kx90::pages
