// The support page's profile import and export: byte-exact round trip, short and wrong files,
// an unwritable place, and the report that names buttons starting programs.
#include "core/pages/support_page.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

#include "support/temp_dir.h"

namespace kx90::pages {
namespace {

ProfileRecord Defaults() {
    ProfileRecord record{};
    ResetToDefaults(record);
    return record;
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

TEST(SupportPage, ExportThenImportIsByteExact) {
    test::TempDir dir;
    ProfileRecord edited = Defaults();
    edited.dpiLevels[0] = 500;
    edited.colors[3] = 0x123456;
    const auto path = dir.path() / "mine.cfg";
    const ExportResult exported = ExportProfile(path, edited);
    EXPECT_TRUE(exported.exported);
    EXPECT_EQ(exported.report, path.u16string() + u" export success!");
    EXPECT_EQ(std::filesystem::file_size(path), sizeof(ProfileRecord));

    ProfileRecord live = Defaults();
    const ImportResult imported = ImportProfile(path, live);
    EXPECT_TRUE(imported.imported);
    EXPECT_EQ(imported.report, path.u16string() + u" import success!");
    EXPECT_EQ(std::memcmp(&live, &edited, sizeof live), 0);
}

TEST(SupportPage, ShortWrongAndMissingFiles) {
    test::TempDir dir;
    const auto magicOnly = dir.path() / "magic.cfg";
    WriteBytes(magicOnly, std::string("\x85\x02\x80\x80", 4));
    ProfileRecord live = Defaults();
    EXPECT_TRUE(ImportProfile(magicOnly, live).imported);
    EXPECT_EQ(live.magic, kProfileMagic);
    EXPECT_EQ(live.lightingMode, 0u) << "the missing tail reads as zeros";
    EXPECT_EQ(live.dpiLevels[0], 0u);

    for (const std::string& bytes :
         {std::string("\x85\x02\x80\x81 rest", 9), std::string("\x85\x02", 2), std::string()}) {
        const auto wrong = dir.path() / "wrong.cfg";
        WriteBytes(wrong, bytes);
        ProfileRecord kept = Defaults();
        const ImportResult result = ImportProfile(wrong, kept);
        EXPECT_FALSE(result.imported);
        EXPECT_EQ(result.report, wrong.u16string() + u" is an invaild Profile!");
        const ProfileRecord defaults = Defaults();
        EXPECT_EQ(std::memcmp(&kept, &defaults, sizeof kept), 0);
    }
    ProfileRecord kept = Defaults();
    EXPECT_FALSE(ImportProfile(dir.path() / "none.cfg", kept).imported);

    const auto unwritable = dir.path() / "no such folder" / "x.cfg";
    const ExportResult failed = ExportProfile(unwritable, kept);
    EXPECT_FALSE(failed.exported);
    EXPECT_EQ(failed.report, unwritable.u16string() + u" export failed!");
}

TEST(SupportPage, AnImportNamesTheButtonsThatStartProgramsOrOpenFiles) {
    test::TempDir dir;
    ProfileRecord foreign = Defaults();
    auto setAction = [&](int k, uint32_t kind, std::u16string_view path) {
        ButtonAssignment& b = foreign.buttons[k];
        b.functionCode = kFunctionHostAction;
        b.actionKind = kind;
        std::memset(b.actionPath, 0, sizeof b.actionPath);
        path.copy(b.actionPath, path.size());
    };
    setAction(2, kActionStartProgram, u"C:\\Tools\\run.exe");
    setAction(4, kActionOpenFile, u"D:\\notes.txt");
    setAction(3, kActionPlaySound, u"C:\\ding.wav");  // a sound starts nothing
    const auto path = dir.path() / "foreign.cfg";
    ASSERT_TRUE(ExportProfile(path, foreign).exported);

    ProfileRecord live = Defaults();
    const ImportResult result = ImportProfile(path, live);
    ASSERT_TRUE(result.imported);
    EXPECT_NE(result.report.find(u"Right button: C:\\Tools\\run.exe"), std::u16string::npos);
    EXPECT_NE(result.report.find(u"Back button: D:\\notes.txt"), std::u16string::npos);
    EXPECT_EQ(result.report.find(u"ding.wav"), std::u16string::npos);
    EXPECT_EQ(LaunchingButtons(Defaults()).size(), 0u);
}

TEST(SupportPage, HelpLineCodes) {
    EXPECT_EQ(SupportStatusCodesAt({460, 280}), std::vector<int>{56});
    EXPECT_EQ(SupportStatusCodesAt({100, 120}), std::vector<int>{89});
    EXPECT_EQ(SupportStatusCodesAt({10, 10}), std::vector<int>{});
}

}  // namespace
}  // namespace kx90::pages
