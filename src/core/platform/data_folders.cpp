// Paths of the configuration files below the data and installation folders.
#include "core/platform/data_folders.h"

#include <string>

namespace kx90 {

std::filesystem::path ProfileFolder(const std::filesystem::path& dataDir) {
    return dataDir / "Profile";
}

std::filesystem::path CatalogueFilePath(const std::filesystem::path& dataDir) {
    return ProfileFolder(dataDir) / "ConfigInfo.cfg";
}

std::filesystem::path ProfileFilePath(const std::filesystem::path& dataDir, int slot) {
    return ProfileFolder(dataDir) / ("Profile" + std::to_string(slot) + ".cfg");
}

std::filesystem::path MacroFilePath(const std::filesystem::path& dataDir) {
    return dataDir / "Macro.cfg";
}

std::filesystem::path LanguageFilePath(const std::filesystem::path& dataDir) {
    return dataDir / "Language.cfg";
}

std::filesystem::path StatisticsFilePath(const std::filesystem::path& dataDir) {
    return dataDir / "Sts.cfg";
}

std::filesystem::path FactoryFilePath(const std::filesystem::path& folder, std::string_view relative) {
    // The generic '/' of the table becomes the platform's own separator.
    return (folder / std::filesystem::path(relative)).make_preferred();
}

std::u16string PathText(const std::filesystem::path& path) {
    return path.u16string();
}

}  // namespace kx90
