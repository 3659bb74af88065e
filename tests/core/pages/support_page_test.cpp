// The support page's import report that names buttons starting programs, and its help line.
#include "core/pages/support_page.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kx90::pages {
namespace {

ProfileRecord Defaults() {
    ProfileRecord record{};
    ResetToDefaults(record);
    return record;
}

TEST(SupportPage, AnImportReportNamesTheButtonsThatStartProgramsOrOpenFiles) {
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

    const std::u16string report = ImportReport(u"x.cfg import success!", foreign);
    EXPECT_EQ(report.rfind(u"x.cfg import success!\n\n", 0), 0u);
    EXPECT_NE(report.find(u"Right button: C:\\Tools\\run.exe"), std::u16string::npos);
    EXPECT_NE(report.find(u"Back button: D:\\notes.txt"), std::u16string::npos);
    EXPECT_EQ(report.find(u"ding.wav"), std::u16string::npos);
    EXPECT_EQ(ImportReport(u"y.cfg import success!", Defaults()), u"y.cfg import success!");
}

TEST(SupportPage, HelpLineCodes) {
    EXPECT_EQ(SupportStatusCodesAt({460, 280}), std::vector<int>{56});
    EXPECT_EQ(SupportStatusCodesAt({100, 120}), std::vector<int>{89});
    EXPECT_EQ(SupportStatusCodesAt({10, 10}), std::vector<int>{});
}

}  // namespace
}  // namespace kx90::pages
