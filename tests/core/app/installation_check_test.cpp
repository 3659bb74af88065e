// The installation's parts: which are missing, and the line that names one.
#include "core/app/installation_check.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace kx90 {
namespace {

TEST(InstallationCheck, FilesThatAreAbsentOrFoldersAreMissingInTheirOrder) {
    test::TempDir install;
    std::filesystem::create_directories(install / "FWUpdate");
    std::ofstream(install / "FWUpdate" / "FlashTool.exe") << "MZ";
    std::filesystem::create_directories(install / "KX90Driver.ini");  // a folder in the file's place
    const std::vector<std::string_view> missing =
        MissingInstallationParts(install.path(), kInstallationParts);
    EXPECT_EQ(missing, (std::vector<std::string_view>{"norvi_update/NorviUpdate.exe", "KX90Driver.ini"}));

    std::filesystem::create_directories(install / "norvi_update");
    std::ofstream(install / "norvi_update" / "NorviUpdate.exe") << "MZ";
    std::filesystem::remove(install / "KX90Driver.ini");
    std::ofstream(install / "KX90Driver.ini") << "";  // empty is still there: it has defaults for all
    EXPECT_TRUE(MissingInstallationParts(install.path(), kInstallationParts).empty());
}

TEST(InstallationCheck, TheLineNamesTheFileAndTheCureAndFitsTheInfoDialog) {
    struct Row {
        std::string_view part;
        PartProblem problem;
        PairLanguage language;
        std::u16string expected;
    };
    const Row rows[] = {
        {"HidBridge.dll", PartProblem::kMissing, PairLanguage::kEnglish,
         u"HidBridge.dll missing. Reinstall."},
        {"HidBridge.dll", PartProblem::kDamaged, PairLanguage::kEnglish,
         u"HidBridge.dll damaged. Reinstall."},
        {"norvi_update/NorviUpdate.exe", PartProblem::kMissing, PairLanguage::kEnglish,
         u"NorviUpdate.exe missing. Reinstall."},
        {"FWUpdate/FlashTool.exe", PartProblem::kMissing, PairLanguage::kChinese,
         u"\u7F3A\u5C11 FlashTool.exe\uFF0C\u8BF7\u91CD\u65B0\u5B89\u88C5"},
        {"HidBridge.dll", PartProblem::kDamaged, PairLanguage::kChinese,
         u"HidBridge.dll \u5DF2\u635F\u574F\uFF0C\u8BF7\u91CD\u65B0\u5B89\u88C5"},
    };
    for (const Row& row : rows) {
        const std::u16string text = InstallationPartText(row.part, row.problem, row.language);
        EXPECT_EQ(text, row.expected) << row.part;
        EXPECT_LE(text.size(), 36u) << "one line of the info dialog";
    }
}

}  // namespace
}  // namespace kx90
