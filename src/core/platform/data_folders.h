// The two folders the program works in and the fixed names of the files inside them.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace kx90 {

// dataDir: the per-user working folder (the temporary-files folder + NORVI\KX90), holding the live
// configuration files. installDir: the executable's folder, holding the factory copies of the same
// files under the same relative names. Computed once by the Win32 side; tests give their own.
// mirrorDir: a copy of the user's files in the per-user application-data folder, refreshed by
// every save and restored from when the data folder lost them; empty: no mirror.
struct DataFolders {
    std::filesystem::path dataDir;
    std::filesystem::path installDir;
    std::filesystem::path mirrorDir;
};

inline constexpr int kProfileSlotCount = 5;

// The factory files, relative to either folder, in the order first run copies them.
inline constexpr std::array<std::string_view, 9> kFactoryFiles{
    "Macro.cfg",
    "Language.cfg",
    "Sts.cfg",
    "Profile/ConfigInfo.cfg",
    "Profile/Profile1.cfg",
    "Profile/Profile2.cfg",
    "Profile/Profile3.cfg",
    "Profile/Profile4.cfg",
    "Profile/Profile5.cfg",
};

std::filesystem::path ProfileFolder(const std::filesystem::path& dataDir);
std::filesystem::path CatalogueFilePath(const std::filesystem::path& dataDir);
// Profile<slot>.cfg under the profile folder; slot 1 to 5.
std::filesystem::path ProfileFilePath(const std::filesystem::path& dataDir, int slot);
std::filesystem::path MacroFilePath(const std::filesystem::path& dataDir);
std::filesystem::path LanguageFilePath(const std::filesystem::path& dataDir);
std::filesystem::path StatisticsFilePath(const std::filesystem::path& dataDir);

// One of kFactoryFiles below a folder, with the platform's separators.
std::filesystem::path FactoryFilePath(const std::filesystem::path& folder, std::string_view relative);

// Full path as the messages show it (backslashes on Windows).
std::u16string PathText(const std::filesystem::path& path);

}  // namespace kx90
