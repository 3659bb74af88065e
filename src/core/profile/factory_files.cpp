// Writing the factory configuration files with the same record code the program loads them with.
#include "core/profile/factory_files.h"

#include <array>
#include <memory>
#include <system_error>

#include "core/macro/macro_library.h"
#include "core/platform/data_folders.h"
#include "core/platform/file_io.h"
#include "core/profile/profile_catalogue.h"
#include "core/profile/profile_file.h"
#include "core/profile/profile_record.h"

namespace kx90 {
namespace {

// Factory profiles carry English names whatever language the writing process runs in.
ProfileRecord EnglishDefaultProfile() {
    ProfileRecord record;
    ResetToDefaults(record);
    for (int i = 0; i < kButtonCount; ++i) {
        SetFieldText(record.buttons[i].displayName, kButtonOrder[static_cast<size_t>(i)].englishName);
    }
    return record;
}

}  // namespace

bool WriteFactoryFiles(const std::filesystem::path& folder) {
    std::error_code ec;
    std::filesystem::create_directories(ProfileFolder(folder), ec);
    bool ok = !ec;

    const auto macros = std::make_unique<MacroTable>();  // value-initialised: an empty library
    ok = WriteMacroFile(MacroFilePath(folder), *macros) == FileStatus::kOk && ok;

    const uint32_t language = kFactoryLanguageIndex;
    ok = WriteFileAtomically(LanguageFilePath(folder), BytesOf(language)) == FileStatus::kOk && ok;

    const std::array<uint8_t, kStatisticsFileSize> statistics{};
    ok = WriteFileAtomically(StatisticsFilePath(folder), statistics) == FileStatus::kOk && ok;

    const ProfileCatalogue catalogue = MakeFactoryCatalogue();
    ok = WriteFileAtomically(CatalogueFilePath(folder), BytesOf(catalogue)) == FileStatus::kOk && ok;

    const ProfileRecord profile = EnglishDefaultProfile();
    for (int k = 1; k <= kProfileSlotCount; ++k) {
        ok = WriteProfileFile(ProfileFilePath(folder, k), profile) == FileStatus::kOk && ok;
    }
    return ok;
}

}  // namespace kx90
