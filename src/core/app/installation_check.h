// The installation's own files besides the program, and the info-dialog line that names one that
// is missing or damaged.
#pragma once

#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/i18n/pair_language.h"

namespace kx90 {

// Checked at every start; without them the firmware update, the updater or the site addresses are
// lost without a word. HidBridge.dll is judged when the device link loads it.
inline constexpr std::array<std::string_view, 3> kInstallationParts{
    "FWUpdate/FlashTool.exe",
    "norvi_update/NorviUpdate.exe",
    "KX90Driver.ini",
};

// The parts that are not a file under installDir, in the order given.
std::vector<std::string_view> MissingInstallationParts(const std::filesystem::path& installDir,
                                                       std::span<const std::string_view> parts);

enum class PartProblem { kMissing, kDamaged };

// One line for the info dialog (its message has room for about 35 characters): the file's name and
// that reinstalling repairs it.
std::u16string InstallationPartText(std::string_view part, PartProblem problem, PairLanguage language);

}  // namespace kx90
