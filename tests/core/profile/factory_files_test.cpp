// The installation's factory files: what they hold, and that the program's own loaders take them
// without a word. KX90_FACTORY_DIR points the test at the factory tool's real output; without it
// the files are written here with the same code.
#include "core/profile/factory_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/macro/macro_library.h"
#include "core/profile/profile_state.h"
#include "support/fakes.h"
#include "support/file_test_support.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

using test::ReadAllBytes;
using test::ShownLines;
using test::TempDir;

TEST(FactoryFiles, SeedAFirstRunThatLoadsWithoutAMessage) {
    TempDir root;
    std::filesystem::path install = root / "install";
    if (const char* dir = std::getenv("KX90_FACTORY_DIR"); dir != nullptr && *dir != '\0') {
        install = dir;
        // An English installation: languagetype.ini holds 0.
        const auto ini = ReadAllBytes(install / "skins" / "languagetype.ini");
        EXPECT_EQ(std::string(ini.begin(), ini.end()), kLanguageTypeIni);
    } else {
        ASSERT_TRUE(WriteFactoryFiles(install));
    }
    const UiLanguage english;
    test::RecordingNotifier notifier;
    test::FakeClock clock;
    const DataFolders folders{root / "data", install};

    ProfileState profiles(folders, notifier, english);
    profiles.PrepareDataDir();
    MacroLibrary macros(folders.dataDir, notifier, english, clock);
    ASSERT_TRUE(macros.LoadMacroLibrary());
    profiles.LoadCatalogue();

    EXPECT_TRUE(notifier.shown.empty()) << testing::PrintToString(ShownLines(notifier));
    EXPECT_EQ(ReadAllBytes(MacroFilePath(folders.dataDir)), std::vector<uint8_t>(sizeof(MacroTable), 0));
    EXPECT_EQ(ReadAllBytes(LanguageFilePath(folders.dataDir)), (std::vector<uint8_t>{2, 0, 0, 0}));
    EXPECT_EQ(ReadAllBytes(StatisticsFilePath(folders.dataDir)), std::vector<uint8_t>(24, 0));

    EXPECT_EQ(profiles.CurrentSlot(), 1);
    for (int k = 1; k <= kProfileSlotCount; ++k) {
        const ProfileSlot& slot = profiles.Catalogue().Slot(k);
        EXPECT_EQ(slot.slotMarker, kSlotMarker);
        EXPECT_EQ(slot.active, k == 1 ? 1u : 0u);
        EXPECT_EQ(FieldText(slot.profileName), u"Profile" + std::u16string(1, char16_t(u'0' + k)));
        ProfileRecord defaults;
        ResetToDefaults(defaults);
        EXPECT_EQ(ReadAllBytes(ProfileFilePath(folders.dataDir, k)),
                  std::vector<uint8_t>(BytesOf(defaults).begin(), BytesOf(defaults).end()))
            << "Profile" << k << ".cfg is the English factory default";
    }
}

}  // namespace
}  // namespace kx90
