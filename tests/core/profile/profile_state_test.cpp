// Profile catalogue and files: first run, the start-up choice of the profile, selecting, saving,
// the file messages, import and export.
#include "core/profile/profile_state.h"

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/profile/factory_files.h"
#include "core/profile/profile_file.h"
#include "support/fakes.h"
#include "support/file_test_support.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

using test::Narrow;
using test::ReadAllBytes;
using test::ShownLines;
using test::TempDir;
using test::WriteAllBytes;

std::vector<uint8_t> BytesOfRecord(const ProfileRecord& record) {
    const auto bytes = BytesOf(record);
    return {bytes.begin(), bytes.end()};
}

// A default profile that tells which file it came from: its pointer speed is its slot number.
ProfileRecord ProfileOfSlot(int k) {
    ProfileRecord record;
    ResetToDefaults(record);
    record.pointerSpeed = static_cast<uint32_t>(k);
    return record;
}

class ProfileStateTest : public ::testing::Test {
protected:
    ProfileStateTest()
        : folders_{root_ / "data", root_ / "install"}, state_(folders_, notifier_, language_) {}

    std::filesystem::path DataFile(int k) const { return ProfileFilePath(folders_.dataDir, k); }
    std::string PathOf(const std::filesystem::path& path) const { return Narrow(PathText(path)); }

    // The factory catalogue with the given slots active (the others not).
    static ProfileCatalogue CatalogueWithActive(std::initializer_list<int> active) {
        ProfileCatalogue catalogue = MakeFactoryCatalogue();
        for (ProfileSlot& slot : catalogue.slots) {
            slot.active = 0;
        }
        for (int k : active) {
            catalogue.Slot(k).active = 1;
        }
        return catalogue;
    }

    // A data folder as a previous run leaves it: every file there, profile k with pointer speed k.
    void SeedDataDir(const ProfileCatalogue& catalogue) {
        ASSERT_TRUE(WriteFactoryFiles(folders_.dataDir));
        for (int k = 1; k <= kProfileSlotCount; ++k) {
            ASSERT_EQ(WriteProfileFile(DataFile(k), ProfileOfSlot(k)), FileStatus::kOk);
        }
        WriteCatalogue(catalogue);
    }
    void WriteCatalogue(const ProfileCatalogue& catalogue) {
        ASSERT_EQ(WriteFileAtomically(CatalogueFilePath(folders_.dataDir), BytesOf(catalogue)),
                  FileStatus::kOk);
    }
    ProfileCatalogue CatalogueOnDisk() const {
        ProfileCatalogue catalogue;
        std::memset(&catalogue, 0, sizeof catalogue);
        EXPECT_EQ(ReadFilePrefix(CatalogueFilePath(folders_.dataDir), BytesOf(catalogue)).status,
                  FileStatus::kOk);
        return catalogue;
    }
    std::vector<int> ShownSelected() const {
        std::vector<int> selected;
        for (int k = 1; k <= kProfileSlotCount; ++k) {
            if (IsSlotShownSelected(state_.Catalogue().Slot(k))) {
                selected.push_back(k);
            }
        }
        return selected;
    }

    TempDir root_;
    const UiLanguage language_ = test::MessageTextsLanguage();
    test::RecordingNotifier notifier_;
    DataFolders folders_;
    ProfileState state_;
};

TEST_F(ProfileStateTest, FirstRunCopiesTheNineFactoryFilesAndLoadsTheActiveProfile) {
    ASSERT_TRUE(WriteFactoryFiles(folders_.installDir));
    // An installation whose factory catalogue makes slot 2 the active one.
    ASSERT_EQ(WriteFileAtomically(CatalogueFilePath(folders_.installDir), BytesOf(CatalogueWithActive({2}))),
              FileStatus::kOk);
    ASSERT_EQ(WriteProfileFile(ProfileFilePath(folders_.installDir, 2), ProfileOfSlot(2)), FileStatus::kOk);

    state_.PrepareDataDir();
    for (std::string_view relative : kFactoryFiles) {
        const auto copied = ReadAllBytes(FactoryFilePath(folders_.dataDir, relative));
        EXPECT_FALSE(copied.empty()) << relative;
        EXPECT_EQ(copied, ReadAllBytes(FactoryFilePath(folders_.installDir, relative))) << relative;
    }

    state_.LoadCatalogue();
    EXPECT_EQ(state_.CurrentSlot(), 2);
    EXPECT_EQ(state_.LiveRecord().pointerSpeed, 2u);
    EXPECT_EQ(ShownSelected(), std::vector<int>{2});
    EXPECT_TRUE(notifier_.shown.empty()) << testing::PrintToString(ShownLines(notifier_));
}

TEST_F(ProfileStateTest, AnExistingDataDirIsNeverSeededAgain) {
    ASSERT_TRUE(WriteFactoryFiles(folders_.installDir));
    std::filesystem::create_directories(folders_.dataDir);  // an earlier run, files since removed
    state_.PrepareDataDir();
    EXPECT_FALSE(std::filesystem::exists(MacroFilePath(folders_.dataDir)));
    EXPECT_FALSE(std::filesystem::exists(ProfileFolder(folders_.dataDir)));
}

TEST_F(ProfileStateTest, AnActiveProfileThatCannotBeLoadedIsReplacedAndTheSearchGoesOn) {
    struct Case {
        const char* what;
        std::initializer_list<int> active;
        bool invalidInsteadOfMissing;
        int expectedCurrent;
    };
    const Case cases[] = {
        {"missing, no later active slot: back to slot 1", {3}, false, 1},
        {"missing, slot 5 active too", {3, 5}, false, 5},
        {"invalid, no later active slot", {3}, true, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::RecordingNotifier notifier;
        ProfileState state(folders_, notifier, language_);
        SeedDataDir(CatalogueWithActive(c.active));
        if (c.invalidInsteadOfMissing) {
            WriteAllBytes(DataFile(3), std::vector<uint8_t>(100, 0x11));
        } else {
            std::filesystem::remove(DataFile(3));
        }

        state.LoadCatalogue();

        const std::string path = PathOf(DataFile(3));
        const std::string expected =
            c.invalidInsteadOfMissing
                ? "box Info: " + path + " is an invaild Profile!"
                : "info: Failed to open file, check whether there is a " + path + " path?";
        EXPECT_EQ(ShownLines(notifier), std::vector<std::string>{expected});
        EXPECT_EQ(state.CurrentSlot(), c.expectedCurrent);
        EXPECT_EQ(state.LiveRecord().pointerSpeed, static_cast<uint32_t>(c.expectedCurrent));
        EXPECT_EQ(state.Catalogue().Slot(3).active, 0u);
        EXPECT_EQ(state.Catalogue().Slot(c.expectedCurrent).active, 1u);

        ProfileRecord written;
        ASSERT_EQ(ReadProfileFile(DataFile(3), written).status, FileStatus::kOk);
        EXPECT_TRUE(IsValid(written));
        EXPECT_EQ(written.pointerSpeed, 10u) << "a default profile replaces the lost one";
    }
}

TEST_F(ProfileStateTest, ACatalogueWithoutMarkersMakesSlotOneCurrentWithNoSlotShownSelected) {
    ProfileCatalogue unmarked = CatalogueWithActive({2});
    for (ProfileSlot& slot : unmarked.slots) {
        slot.slotMarker = 0;
    }
    SeedDataDir(unmarked);

    state_.LoadCatalogue();

    EXPECT_EQ(state_.CurrentSlot(), 1);
    EXPECT_EQ(state_.LiveRecord().pointerSpeed, 1u);
    EXPECT_EQ(state_.Catalogue().Slot(1).active, 1u);
    EXPECT_TRUE(ShownSelected().empty());
    EXPECT_TRUE(notifier_.shown.empty()) << testing::PrintToString(ShownLines(notifier_));
}

TEST_F(ProfileStateTest, AMissingCatalogueIsReportedAndSlotOneGetsADefaultProfile) {
    std::filesystem::create_directories(ProfileFolder(folders_.dataDir));

    state_.LoadCatalogue();

    EXPECT_EQ(ShownLines(notifier_),
              std::vector<std::string>{"info: Failed to open file, check whether there is a " +
                                       PathOf(CatalogueFilePath(folders_.dataDir)) + " path?"});
    EXPECT_EQ(state_.CurrentSlot(), 1);
    EXPECT_TRUE(IsValid(state_.LiveRecord()));
    EXPECT_EQ(ReadAllBytes(DataFile(1)), BytesOfRecord(state_.LiveRecord()));
}

TEST_F(ProfileStateTest, StoredPathsOfAnotherUserAreRewrittenFromTheDataDir) {
    ProfileCatalogue foreign = CatalogueWithActive({1});
    for (ProfileSlot& slot : foreign.slots) {
        SetFieldText(slot.profilePath,
                     u"C:\\Users\\someone\\AppData\\Local\\Temp\\NORVI\\KX90\\Profile\\P.cfg");
    }
    SeedDataDir(foreign);

    state_.LoadCatalogue();
    ASSERT_TRUE(state_.SaveProfile());

    const ProfileCatalogue saved = CatalogueOnDisk();
    for (int k = 1; k <= kProfileSlotCount; ++k) {
        EXPECT_EQ(FieldText(state_.Catalogue().Slot(k).profilePath), PathText(DataFile(k))) << "slot " << k;
        EXPECT_EQ(FieldText(saved.Slot(k).profilePath), PathText(DataFile(k))) << "slot " << k;
    }
}

TEST_F(ProfileStateTest, AShortCatalogueLoadsItsBytesAndLeavesTheRestZero) {
    ProfileCatalogue full = CatalogueWithActive({1});
    std::memset(full.Slot(5).reserved1, 0xAA, sizeof full.Slot(5).reserved1);
    full.Slot(5).buttonMacroIds[6] = 0x15000001;
    SeedDataDir(full);
    state_.LoadCatalogue();
    ASSERT_EQ(state_.Catalogue().Slot(5).buttonMacroIds[6], 0x15000001u);

    // One whole slot and the marker and active flag of the second.
    const ProfileCatalogue slotTwo = CatalogueWithActive({2});
    const auto bytes = BytesOf(slotTwo);
    WriteAllBytes(CatalogueFilePath(folders_.dataDir), {bytes.begin(), bytes.begin() + 1600 + 8});
    state_.LoadCatalogue();

    EXPECT_EQ(state_.CurrentSlot(), 2);
    EXPECT_EQ(FieldText(state_.Catalogue().Slot(1).profileName), u"Profile1");
    EXPECT_EQ(state_.Catalogue().Slot(2).slotMarker, kSlotMarker);
    EXPECT_EQ(FieldText(state_.Catalogue().Slot(2).profileName), u"");
    EXPECT_EQ(state_.Catalogue().Slot(5).buttonMacroIds[6], 0u);
    EXPECT_EQ(state_.Catalogue().Slot(5).reserved1[0], 0u);
}

TEST_F(ProfileStateTest, SelectingAValidSlotLoadsItAndMakesItTheOnlyActiveOne) {
    ProfileCatalogue catalogue = CatalogueWithActive({1});
    catalogue.Slot(4).buttonMacroIds[2] = 0x01000042;
    SeedDataDir(catalogue);
    state_.LoadCatalogue();

    EXPECT_TRUE(state_.SelectProfile(4));

    EXPECT_EQ(state_.CurrentSlot(), 4);
    EXPECT_EQ(state_.LiveRecord().pointerSpeed, 4u);
    EXPECT_EQ(state_.LiveMacroIds()[2], 0x01000042u);
    EXPECT_EQ(ShownSelected(), std::vector<int>{4});
    EXPECT_EQ(CatalogueOnDisk().Slot(1).active, 1u) << "the flags reach the disk only with the next save";
}

TEST_F(ProfileStateTest, SelectingAnInvalidFileReportsItAndKeepsTheSlotWithTheRejectedBytes) {
    ProfileCatalogue catalogue = CatalogueWithActive({1});
    catalogue.Slot(1).buttonMacroIds[0] = 0x15000007;
    catalogue.Slot(4).buttonMacroIds[0] = 0x15000008;
    SeedDataDir(catalogue);
    state_.LoadCatalogue();
    ProfileRecord rejected = ProfileOfSlot(4);
    rejected.magic = 0x80800286;
    ASSERT_EQ(WriteProfileFile(DataFile(4), rejected), FileStatus::kOk);

    EXPECT_FALSE(state_.SelectProfile(4));

    EXPECT_EQ(ShownLines(notifier_),
              std::vector<std::string>{"box Info: " + PathOf(DataFile(4)) + " is an invaild Profile!"});
    EXPECT_EQ(state_.CurrentSlot(), 4);
    EXPECT_EQ(BytesOfRecord(state_.LiveRecord()), BytesOfRecord(rejected));
    EXPECT_EQ(ShownSelected(), std::vector<int>{1});
    EXPECT_EQ(state_.LiveMacroIds()[0], 0x15000007u);
    EXPECT_EQ(ReadAllBytes(DataFile(4)), BytesOfRecord(rejected)) << "left on disk";
}

TEST_F(ProfileStateTest, SaveProfileWritesTheProfileAndTheCatalogueWithTheLiveMacroIds) {
    SeedDataDir(CatalogueWithActive({1}));
    state_.LoadCatalogue();
    ASSERT_TRUE(state_.SelectProfile(3));
    state_.LiveRecord().dpiLevels[0] = 500;
    state_.LiveMacroIds()[5] = 0x02ABCDEF;

    ASSERT_TRUE(state_.SaveProfile());

    EXPECT_EQ(ReadAllBytes(DataFile(3)), BytesOfRecord(state_.LiveRecord()));
    const ProfileCatalogue saved = CatalogueOnDisk();
    EXPECT_EQ(saved.Slot(3).buttonMacroIds[5], 0x02ABCDEFu);
    EXPECT_EQ(saved.Slot(3).active, 1u);
    EXPECT_EQ(saved.Slot(1).active, 0u);
    EXPECT_EQ(std::memcmp(&saved, &state_.Catalogue(), sizeof saved), 0);
    EXPECT_TRUE(notifier_.shown.empty()) << testing::PrintToString(ShownLines(notifier_));
}

TEST_F(ProfileStateTest, WriteFailuresShowTheirOwnMessages) {
    // Tests run as root, so a denied write comes from a folder standing where the file should be.
    struct Case {
        const char* what;
        void (*arrange)(const DataFolders&);
        std::vector<std::string> (*expected)(const std::string& profilePath);
    };
    const Case cases[] = {
        {"profile folder gone: not found",
         [](const DataFolders& f) { std::filesystem::remove_all(ProfileFolder(f.dataDir)); },
         [](const std::string& p) {
             return std::vector<std::string>{"box Info: File " + p + " was not found"};
         }},
        {"profile file is a folder: access denied",
         [](const DataFolders& f) {
             std::filesystem::remove(ProfileFilePath(f.dataDir, 2));
             std::filesystem::create_directory(ProfileFilePath(f.dataDir, 2));
         },
         [](const std::string&) { return std::vector<std::string>{"box Info: Access denied while saving"}; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        test::RecordingNotifier notifier;
        ProfileState state(folders_, notifier, language_);
        std::filesystem::remove_all(folders_.dataDir);
        SeedDataDir(CatalogueWithActive({2}));
        state.LoadCatalogue();
        ASSERT_EQ(state.CurrentSlot(), 2);

        c.arrange(folders_);
        EXPECT_FALSE(state.SaveProfile());
        EXPECT_EQ(ShownLines(notifier), c.expected(PathOf(DataFile(2))));
    }
}

TEST_F(ProfileStateTest, ADefaultProfileThatCannotBeCreatedSaysAccessDeniedInTheInfoDialog) {
    std::filesystem::create_directories(DataFile(2));

    EXPECT_EQ(state_.CreateDefaultProfileFile(DataFile(2)), 0);

    EXPECT_EQ(ShownLines(notifier_), std::vector<std::string>{"info: Access denied while creating a file"});
    EXPECT_TRUE(IsValid(state_.LiveRecord())) << "the live record gets the defaults all the same";
}

TEST_F(ProfileStateTest, ASaveThatFailsHalfWayLeavesTheOldFilesByteForByte) {
    SeedDataDir(CatalogueWithActive({1}));
    state_.LoadCatalogue();
    const auto oldProfile = ReadAllBytes(DataFile(1));
    const auto oldCatalogue = ReadAllBytes(CatalogueFilePath(folders_.dataDir));
    state_.LiveRecord().pointerSpeed = 17;
    state_.LiveMacroIds()[0] = 0x03000003;

    state_.SetFileWriter(test::HalfWayFailingWriter());
    EXPECT_FALSE(state_.SaveProfile());

    EXPECT_EQ(ReadAllBytes(DataFile(1)), oldProfile);
    EXPECT_EQ(ReadAllBytes(CatalogueFilePath(folders_.dataDir)), oldCatalogue);
    EXPECT_TRUE(notifier_.shown.empty()) << "other write failures are silent";
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ProfileFolder(folders_.dataDir)),
                            std::filesystem::directory_iterator()),
              6)
        << "no temporary file is left behind";
}

TEST_F(ProfileStateTest, ImportTakesOnlyFilesWithTheProfileMagic) {
    SeedDataDir(CatalogueWithActive({1}));
    state_.LoadCatalogue();
    const std::vector<uint8_t> before = BytesOfRecord(state_.LiveRecord());

    const auto wrongMagic = root_ / "wrong.cfg";
    WriteAllBytes(wrongMagic, std::vector<uint8_t>{0x85, 0x02, 0x80, 0x81, 1, 2, 3});
    ProfileFileReport report = state_.ImportProfile(wrongMagic);
    EXPECT_FALSE(report.succeeded);
    EXPECT_EQ(Narrow(report.text), PathOf(wrongMagic) + " is an invaild Profile!");
    EXPECT_EQ(BytesOfRecord(state_.LiveRecord()), before);

    const auto missing = root_ / "missing.cfg";
    report = state_.ImportProfile(missing);
    EXPECT_FALSE(report.succeeded);
    EXPECT_EQ(Narrow(report.text), PathOf(missing) + " is an invaild Profile!");

    const auto magicOnly = root_ / "magic.cfg";
    WriteAllBytes(magicOnly, std::vector<uint8_t>{0x85, 0x02, 0x80, 0x80});
    report = state_.ImportProfile(magicOnly);
    EXPECT_TRUE(report.succeeded);
    EXPECT_EQ(Narrow(report.text), PathOf(magicOnly) + " import success!");
    std::vector<uint8_t> expected(sizeof(ProfileRecord), 0);
    expected[0] = 0x85, expected[1] = 0x02, expected[2] = 0x80, expected[3] = 0x80;
    EXPECT_EQ(BytesOfRecord(state_.LiveRecord()), expected);

    EXPECT_TRUE(notifier_.shown.empty()) << "the support page shows the reports itself";
    EXPECT_EQ(ReadAllBytes(DataFile(1)), BytesOfRecord(ProfileOfSlot(1))) << "import saves nothing";
}

TEST_F(ProfileStateTest, ExportThenImportGivesBackTheRecordByteForByte) {
    SeedDataDir(CatalogueWithActive({1}));
    state_.LoadCatalogue();
    state_.LiveRecord().scrollLines = kScrollOneScreen;
    SetFieldText(state_.LiveRecord().buttons[3].displayName, u"My macro");
    std::memset(state_.LiveRecord().reserved0, 0x5A, 8);  // unnamed bytes travel too
    const std::vector<uint8_t> exported = BytesOfRecord(state_.LiveRecord());

    const auto file = root_ / "mine.cfg";
    ProfileFileReport report = state_.ExportProfile(file);
    EXPECT_TRUE(report.succeeded);
    EXPECT_EQ(Narrow(report.text), PathOf(file) + " export success!");
    EXPECT_EQ(ReadAllBytes(file), exported);

    ResetToDefaults(state_.LiveRecord());
    ASSERT_TRUE(state_.ImportProfile(file).succeeded);
    EXPECT_EQ(BytesOfRecord(state_.LiveRecord()), exported);

    const auto folder = root_ / "a folder.cfg";
    std::filesystem::create_directory(folder);
    report = state_.ExportProfile(folder);
    EXPECT_FALSE(report.succeeded);
    EXPECT_EQ(Narrow(report.text), PathOf(folder) + " export failed!");
}

}  // namespace
}  // namespace kx90
