// The main window under real pointer input in the states a user meets it in: the language popup
// opened, hovered and used while another program holds the activation (right after start-up,
// once the updater's notice has come and gone) and after a tab was clicked in that state.
#include <windows.h>

#include <functional>

#include "app/main_window_fixture.h"
#include "core/platform/data_folders.h"
#include "win/skin/menu_ex.h"

namespace kx90::test {
namespace {

int32_t SavedLanguage(const std::filesystem::path& dataDir) {
    std::ifstream in(LanguageFilePath(dataDir), std::ios::binary);
    int32_t index = 0;
    in.read(reinterpret_cast<char*>(&index), sizeof index);
    return in ? index : -1;
}

class MainWindowInputTest : public MainWindowTest {};

TEST_F(MainWindowInputTest, TheLanguagePopupWorksByPointerWhileAnotherProgramHoldsTheActivation) {
    const struct {
        const char* state;
        std::function<void()> before;
    } cases[] = {
        {"right after start-up", [] {}},
        {"after a click on a tab", [this] { Click(Window().TabButton(2)); }},
    };
    constexpr int kKoreanRow = 3;  // rows in language-index order, 0-based
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        ParkPointer();
        ASSERT_TRUE(Launch({.installedLanguages = true}));
        ForeignForeground foreign;  // as the updater's notice leaves it
        ASSERT_EQ(GetActiveWindow(), nullptr) << "no window of the program is active";
        c.before();

        ASSERT_TRUE(RealHoverAt(Window().LanguageButton(), POINT{10, 8}));
        Click(Window().LanguageButton());
        ASSERT_TRUE(
            PumpUntil([this] { return Window().LanguagePopup() != nullptr; }, std::chrono::seconds(3)));
        HWND popup = Window().LanguagePopup();
        auto* menu = dynamic_cast<skin::CMenuEx*>(ui::Window::FromHandle(popup));
        ASSERT_NE(menu, nullptr);
        const RECT row = menu->Items()[kKoreanRow].rect;
        const POINT korean{(row.left + row.right) / 2, (row.top + row.bottom) / 2};

        // On the way up from the button to the row, as a hand moves.
        for (int dy : {60, 30, 10, 0}) {
            ASSERT_TRUE(RealHoverAt(popup, POINT{korean.x, korean.y + dy}));
        }
        EXPECT_EQ(menu->HotItem(), kKoreanRow) << "the row under the pointer lights up";
        RECT shown{};
        GetWindowRect(popup, &shown);
        CaptureScreenRectToPng(RECT{shown.left - 40, shown.top - 10, shown.right + 60, shown.bottom + 60},
                               ScreenshotDir() / "language_popup_by_pointer.png");

        EXPECT_TRUE(RealClickAt(popup, korean));
        EXPECT_TRUE(PumpUntil([popup] { return !IsWindow(popup) || !IsWindowVisible(popup); },
                              std::chrono::seconds(5)))
            << "the popup closes after the choice";
        EXPECT_EQ(Window().ShownFlagBitmap(), 145) << "the Korean flag";
        EXPECT_EQ(SavedLanguage(Data()), 4) << "Language.cfg holds Korean";
        Close();
    }
}

}  // namespace
}  // namespace kx90::test
