// Profile record: factory defaults, validity, the file form and the default-name fix-up.
#include "core/profile/profile_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "core/profile/profile_file.h"
#include "support/file_test_support.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

using test::ReadAllBytes;
using test::TempDir;
using test::WriteAllBytes;

ProfileRecord DefaultRecord(bool chinese) {
    ProfileRecord record;
    std::memset(&record, 0xAB, sizeof record);  // every byte must be rewritten
    ResetToDefaults(record, chinese ? PairLanguage::kChinese : PairLanguage::kEnglish);
    return record;
}

std::vector<uint8_t> BytesAt(const ProfileRecord& record, size_t offset, size_t count) {
    const auto* p = reinterpret_cast<const uint8_t*>(&record) + offset;
    return {p, p + count};
}

TEST(ProfileRecord, DefaultsMatchTheFactoryTable) {
    const ProfileRecord r = DefaultRecord(false);
    EXPECT_TRUE(IsValid(r));
    EXPECT_EQ(BytesAt(r, 0, 4), (std::vector<uint8_t>{0x85, 0x02, 0x80, 0x80}));

    const uint32_t dpi[kDpiSlotCount] = {750, 1250, 1500, 2000, 2500, 3500, 4000, 0, 0, 0, 0, 0, 0, 0};
    for (int i = 0; i < kDpiSlotCount; ++i) {
        EXPECT_EQ(r.dpiLevels[i], dpi[i]) << "slot " << i;
    }
    EXPECT_EQ(r.pointerSpeed, 10u);
    EXPECT_EQ(r.enhancePrecision, 0u);
    EXPECT_EQ(r.heightSetting, 15u);
    EXPECT_EQ(r.reportRate, 1u);
    EXPECT_EQ(r.scrollLines, 3);
    EXPECT_EQ(r.lightingMode, 5u);
    EXPECT_EQ(r.multiColorLevel, 4u);
    EXPECT_EQ(r.multiColorOn, 0u);
    EXPECT_EQ(r.proximitySensing, 1u);
    EXPECT_EQ(r.breathLevel, 3u);
    EXPECT_EQ(r.steadyLevel, 5u);
    for (int c = 0; c < kColorCount; ++c) {
        EXPECT_EQ(r.colorIsCustom[c], 1u);
        EXPECT_EQ(r.colorPreset[c], 0u);
    }
    EXPECT_EQ(BytesAt(r, offsetof(ProfileRecord, colors) + 12, 4), (std::vector<uint8_t>{0xFF, 0, 0, 0}));

    const uint32_t codes[kButtonCount] = {1, 4, 2, 8, 16, 11, 22};
    const char16_t* names[kButtonCount] = {u"Click", u"Middle", u"Menu", u"Forward",
                                           u"Back",  u"Scroll up", u"Scroll down"};
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& b = r.buttons[i];
        EXPECT_EQ(b.functionCode, codes[i]) << "button " << i;
        EXPECT_EQ(FieldText(b.displayName), names[i]) << "button " << i;
        EXPECT_EQ(b.macroId, 0u);
        EXPECT_EQ(b.keyCode, 0u);
        EXPECT_EQ(FieldText(b.actionPath), u"");
    }
}

TEST(ProfileRecord, DefaultsLeaveEveryUnnamedByteZero) {
    const ProfileRecord r = DefaultRecord(false);
    for (uint8_t byte : BytesAt(r, offsetof(ProfileRecord, reserved0), sizeof r.reserved0)) {
        EXPECT_EQ(byte, 0);
    }
    for (const ButtonAssignment& b : r.buttons) {
        EXPECT_EQ(b.reserved0, 0u);
        EXPECT_EQ(b.reserved1, 0u);
        for (uint8_t byte : b.reserved2) {
            ASSERT_EQ(byte, 0);
        }
        // The name's tail after its NUL is zero too, so files compare byte for byte.
        const size_t len = FieldText(b.displayName).size();
        for (size_t k = len; k < kTextFieldChars; ++k) {
            ASSERT_EQ(b.displayName[k], u'\0');
        }
    }
}

TEST(ProfileRecord, DefaultNamesFollowTheInterfaceLanguage) {
    const ProfileRecord r = DefaultRecord(true);
    const char16_t* names[kButtonCount] = {u"单击", u"中键", u"菜单", u"前进", u"后退", u"滚轮前滚", u"滚轮后滚"};
    for (int i = 0; i < kButtonCount; ++i) {
        EXPECT_EQ(FieldText(r.buttons[i].displayName), names[i]) << "button " << i;
    }
}

TEST(ProfileRecord, TextFieldsKeepAtMost259UnitsAndReadUnterminatedFieldsSafely) {
    ButtonAssignment b{};
    SetFieldText(b.displayName, std::u16string(400, u'x'));
    EXPECT_EQ(FieldText(b.displayName).size(), 259u);
    EXPECT_EQ(b.displayName[259], u'\0');

    std::fill(std::begin(b.actionPath), std::end(b.actionPath), u'y');  // no NUL at all, as from a file
    EXPECT_EQ(FieldText(b.actionPath).size(), 260u);
}

TEST(ProfileFile, ValidityIsJudgedByTheFirstFourBytesOnly) {
    TempDir dir;
    const ProfileRecord good = DefaultRecord(false);
    std::vector<uint8_t> bytes = BytesAt(good, 0, sizeof good);

    struct Case {
        const char* why;
        std::vector<uint8_t> magic;
        bool valid;
    };
    const Case cases[] = {
        {"the magic number", {0x85, 0x02, 0x80, 0x80}, true},
        {"big-endian magic", {0x80, 0x80, 0x02, 0x85}, false},
        {"one bit off", {0x84, 0x02, 0x80, 0x80}, false},
        {"all zero", {0, 0, 0, 0}, false},
    };
    for (const Case& c : cases) {
        std::copy(c.magic.begin(), c.magic.end(), bytes.begin());
        WriteAllBytes(dir / "p.cfg", bytes);
        ProfileRecord loaded;
        const FileReadResult result = ReadProfileFile(dir / "p.cfg", loaded);
        ASSERT_EQ(result.status, FileStatus::kOk) << c.why;
        EXPECT_EQ(result.bytesRead, sizeof(ProfileRecord)) << c.why;
        EXPECT_EQ(IsValid(loaded), c.valid) << c.why;
        // Rejected or not, the record holds exactly the bytes that were read.
        EXPECT_EQ(std::memcmp(&loaded, bytes.data(), bytes.size()), 0) << c.why;
    }
}

TEST(ProfileFile, SaveAndLoadRoundTripsByteForByte) {
    TempDir dir;
    ProfileRecord r = DefaultRecord(false);
    r.scrollLines = kScrollOneScreen;
    r.dpiLevels[0] = 5000;
    std::fill(std::begin(r.dpiLevels) + 1, std::end(r.dpiLevels), 0u);
    SetFieldText(r.buttons[2].displayName, u"Grenade macro");

    ASSERT_EQ(WriteProfileFile(dir / "Profile1.cfg", r), FileStatus::kOk);
    const std::vector<uint8_t> onDisk = ReadAllBytes(dir / "Profile1.cfg");
    ASSERT_EQ(onDisk.size(), 22252u);
    EXPECT_EQ(std::vector<uint8_t>(onDisk.begin() + 22248, onDisk.end()),
              (std::vector<uint8_t>{0xFF, 0xFF, 0xFF, 0xFF}));

    ProfileRecord back;
    ASSERT_EQ(ReadProfileFile(dir / "Profile1.cfg", back).status, FileStatus::kOk);
    EXPECT_EQ(std::memcmp(&back, &r, sizeof r), 0);
    EXPECT_EQ(back.scrollLines, -1);
    for (int i = 1; i < kDpiSlotCount; ++i) {
        EXPECT_EQ(back.dpiLevels[i], 0u) << "slot " << i;
    }
}

TEST(ProfileFile, ShortFileLoadsItsBytesAndZerosTheRest) {
    TempDir dir;
    WriteAllBytes(dir / "short.cfg", {0x85, 0x02, 0x80, 0x80, 0x07});
    ProfileRecord r = DefaultRecord(false);
    const FileReadResult result = ReadProfileFile(dir / "short.cfg", r);
    EXPECT_EQ(result.status, FileStatus::kOk);
    EXPECT_EQ(result.bytesRead, 5u);
    EXPECT_TRUE(IsValid(r));
    EXPECT_EQ(r.buttons[0].functionCode, 7u);
    EXPECT_EQ(r.dpiLevels[0], 0u);
}

TEST(ProfileFile, MissingFileIsNotFoundAndLeavesTheRecordAlone) {
    TempDir dir;
    ProfileRecord r = DefaultRecord(false);
    const ProfileRecord before = r;
    EXPECT_EQ(ReadProfileFile(dir / "none.cfg", r).status, FileStatus::kNotFound);
    EXPECT_EQ(ReadProfileFile(dir / "no-folder" / "p.cfg", r).status, FileStatus::kNotFound);
    EXPECT_EQ(std::memcmp(&r, &before, sizeof r), 0);
}

TEST(ProfileFile, FailedSaveLeavesThePreviousFileByteForByte) {
    TempDir dir;
    ProfileRecord old = DefaultRecord(false);
    ASSERT_EQ(WriteProfileFile(dir / "p.cfg", old), FileStatus::kOk);
    const std::vector<uint8_t> before = ReadAllBytes(dir / "p.cfg");

    ProfileRecord changed = old;
    changed.pointerSpeed = 20;
    EXPECT_EQ(test::HalfWayFailingWriter()(dir / "p.cfg", BytesOf(changed)), FileStatus::kFailed);
    EXPECT_EQ(ReadAllBytes(dir / "p.cfg"), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "the temporary file is removed";
}

TEST(ProfileFile, SaveIntoMissingFolderIsNotFound) {
    TempDir dir;
    EXPECT_EQ(WriteProfileFile(dir / "gone" / "p.cfg", DefaultRecord(false)), FileStatus::kNotFound);
}

TEST(ProfileFile, ReadOnlyTargetIsAccessDeniedAndKept) {
    TempDir dir;
    ASSERT_EQ(WriteProfileFile(dir / "p.cfg", DefaultRecord(false)), FileStatus::kOk);
    const std::vector<uint8_t> before = ReadAllBytes(dir / "p.cfg");
    std::filesystem::permissions(dir / "p.cfg", std::filesystem::perms::owner_write |
                                                    std::filesystem::perms::group_write |
                                                    std::filesystem::perms::others_write,
                                 std::filesystem::perm_options::remove);
    ProfileRecord changed = DefaultRecord(true);
    EXPECT_EQ(WriteProfileFile(dir / "p.cfg", changed), FileStatus::kAccessDenied);
    EXPECT_EQ(ReadAllBytes(dir / "p.cfg"), before);
}

TEST(DefaultNameFixUp, StatusLineComparesOnlyTheButtonsOwnRow) {
    ProfileRecord r = DefaultRecord(false);
    SetFieldText(r.buttons[3].displayName, u"Click");  // button 3 carries button 0's default name
    SetFieldText(r.buttons[2].displayName, u"My macro");

    EXPECT_TRUE(FixDefaultNameOwnRow(r, 0, PairLanguage::kChinese));
    EXPECT_EQ(FieldText(r.buttons[0].displayName), u"单击");
    EXPECT_FALSE(FixDefaultNameOwnRow(r, 3, PairLanguage::kChinese));
    EXPECT_EQ(FieldText(r.buttons[3].displayName), u"Click");
    EXPECT_FALSE(FixDefaultNameOwnRow(r, 2, PairLanguage::kChinese));
    EXPECT_EQ(FieldText(r.buttons[2].displayName), u"My macro");
    EXPECT_FALSE(FixDefaultNameOwnRow(r, 0, PairLanguage::kChinese)) << "already in the current language";
}

TEST(DefaultNameFixUp, PopupComparesAllSevenRows) {
    ProfileRecord r = DefaultRecord(false);
    SetFieldText(r.buttons[3].displayName, u"Click");
    SetFieldText(r.buttons[4].displayName, u"Scroll down");
    SetFieldText(r.buttons[2].displayName, u"My macro");

    EXPECT_TRUE(FixDefaultNameAnyRow(r, 3, PairLanguage::kChinese));
    EXPECT_EQ(FieldText(r.buttons[3].displayName), u"单击");
    EXPECT_TRUE(FixDefaultNameAnyRow(r, 4, PairLanguage::kChinese));
    EXPECT_EQ(FieldText(r.buttons[4].displayName), u"滚轮后滚");
    EXPECT_FALSE(FixDefaultNameAnyRow(r, 2, PairLanguage::kChinese));
    EXPECT_EQ(FieldText(r.buttons[2].displayName), u"My macro");

    // And back: Chinese default names become English when English is current.
    EXPECT_TRUE(FixDefaultNameAnyRow(r, 3, PairLanguage::kEnglish));
    EXPECT_EQ(FieldText(r.buttons[3].displayName), u"Click");
}

}  // namespace
}  // namespace kx90
