// The configuration files an installation ships, which seed the data folder on first run.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string_view>

namespace kx90 {

// Language.cfg of an English installation: language 2, English.
inline constexpr uint32_t kFactoryLanguageIndex = 2;
// Sts.cfg: the statistics counters, all zero.
inline constexpr size_t kStatisticsFileSize = 24;
// skins\languagetype.ini of an English installation (1 would make it a Chinese one).
inline constexpr std::string_view kLanguageTypeIni = "[languagetype]\r\nvalue=0\r\n";

// Writes the nine factory files (see kFactoryFiles) below folder: an empty Macro.cfg, Language.cfg,
// Sts.cfg, the factory catalogue and five default profiles with English names. True when all
// were written.
bool WriteFactoryFiles(const std::filesystem::path& folder);

}  // namespace kx90
