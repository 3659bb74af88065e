// The user's files mirrored outside the temporary-files folder: every save refreshes the mirror,
// and a data folder a clean-up emptied comes back from it, not from the factory files.
#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "core/macro/macro_library.h"
#include "core/platform/file_writer.h"
#include "core/profile/factory_files.h"
#include "core/profile/profile_state.h"
#include "support/fakes.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

class DataMirrorTest : public ::testing::Test {
protected:
    DataMirrorTest()
        : folders_{root_.path() / "tmp" / "data", root_.path() / "install", root_.path() / "appdata"} {
        EXPECT_TRUE(WriteFactoryFiles(folders_.installDir));
    }

    test::TempDir root_;
    DataFolders folders_;
    test::RecordingNotifier notifier_;
    UiLanguage language_;
    test::FakeClock clock_;
};

TEST_F(DataMirrorTest, ASavedProfileAndMacroComeBackAfterTheDataFolderWasDeleted) {
    MacroRecord macro;
    std::memset(&macro, 0, sizeof macro);
    macro.recordSize = 4100 + 4 * 2;
    macro.marker = kMacroMarker;
    macro.id = 0x15000001;
    macro.repeatCount = 1;
    macro.eventCount = 2;
    macro.events[0] = MakeMacroEvent(kMacroKeyDown, 0x41);
    macro.events[1] = MakeMacroEvent(kMacroKeyUp, 0x41);
    SetMacroName(macro, u"Reload");
    {
        ProfileState profiles(folders_, notifier_, language_);
        profiles.PrepareDataDir();
        profiles.LoadCatalogue();
        profiles.LiveRecord().pointerSpeed = 17;
        ASSERT_TRUE(profiles.SaveProfile());
        MacroLibrary macros(folders_.dataDir, notifier_, language_, clock_);
        macros.SetFileWriter(MirroredFileWriter(folders_));
        ASSERT_TRUE(macros.LoadMacroLibrary());
        ASSERT_TRUE(macros.StoreMacro(macro));
    }
    EXPECT_TRUE(std::filesystem::exists(folders_.mirrorDir / "Profile" / "Profile1.cfg"));
    EXPECT_TRUE(std::filesystem::exists(folders_.mirrorDir / "Macro.cfg"));

    std::filesystem::remove_all(folders_.dataDir);  // what Disk Cleanup does to old temporary files
    ProfileState profiles(folders_, notifier_, language_);
    profiles.PrepareDataDir();
    profiles.LoadCatalogue();
    EXPECT_EQ(profiles.LiveRecord().pointerSpeed, 17u) << "the user's profile, not the factory one";
    MacroLibrary macros(folders_.dataDir, notifier_, language_, clock_);
    ASSERT_TRUE(macros.LoadMacroLibrary());
    EXPECT_TRUE(macros.FindMacro(0x15000001).has_value());
    // Files never saved by the user come from the factory: nothing is missing.
    for (std::string_view relative : kFactoryFiles) {
        EXPECT_TRUE(std::filesystem::exists(FactoryFilePath(folders_.dataDir, relative))) << relative;
    }
    EXPECT_TRUE(notifier_.shown.empty()) << "nothing is reported missing";
}

TEST_F(DataMirrorTest, OnlyMissingFilesAreRestoredAndOtherPathsAreNotMirrored) {
    ASSERT_TRUE(WriteFactoryFiles(folders_.dataDir));
    const FileWriter write = MirroredFileWriter(folders_);
    const uint8_t newer[] = {2, 0, 0, 0};
    ASSERT_EQ(write(LanguageFilePath(folders_.dataDir), newer), FileStatus::kOk);
    const uint8_t older[] = {9, 0, 0, 0};
    std::ofstream(folders_.mirrorDir / "Sts.cfg", std::ios::binary)
        .write(reinterpret_cast<const char*>(older), 4);
    ASSERT_EQ(write(root_.path() / "exported.cfg", newer), FileStatus::kOk);
    EXPECT_FALSE(std::filesystem::exists(folders_.mirrorDir / "exported.cfg"));

    std::filesystem::remove(LanguageFilePath(folders_.dataDir));
    EXPECT_EQ(RestoreFromMirror(folders_), 1) << "Sts.cfg is there: the mirror's older copy stays out";
    std::ifstream in(LanguageFilePath(folders_.dataDir), std::ios::binary);
    EXPECT_EQ(in.get(), 2);
    EXPECT_EQ(RestoreFromMirror({folders_.dataDir, folders_.installDir, {}}), 0);
}

}  // namespace
}  // namespace kx90
