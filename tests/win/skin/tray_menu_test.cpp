// The tray icon's owner-drawn menu tracked for real: the chosen row reaches the owner as its
// WM_COMMAND.
#include <gtest/gtest.h>

#include <thread>

#include "skin/skin_fixture.h"
#include "win/resources/resource_ids.h"
#include "win/skin/xp_menu.h"

namespace kx90::test {
namespace {

TEST(TrayMenu, TheChosenRowIsPostedToTheOwner) {
    HostWindow owner;
    ASSERT_TRUE(owner.Open(40, 40, 200, 120, L"KX90 tray owner"));
    static const skin::XPMenuItem rows[2] = {{IDI_TRAY_CONFIG, IDI_TRAY_CONFIG, L"Config", 0x6000},
                                             {IDI_TRAY_EXIT, IDI_TRAY_EXIT, L"Exit", 0x6001}};
    // The menu runs its own loop on this thread; a second thread picks the second row with the
    // keyboard (real key presses, which reach the menu's loop as the foreground thread's input).
    std::thread chooser([] {
        HWND menu = nullptr;
        for (int i = 0; i < 300 && menu == nullptr; ++i) {
            Sleep(10);
            menu = FindWindowW(L"#32768", nullptr);
        }
        Sleep(100);
        if (menu != nullptr) {
            for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
                InjectKey(key);
                Sleep(30);
            }
        }
    });
    const UINT chosen = skin::CXPMenu::Track(owner.hwnd(), POINT{120, 120}, rows, 2);
    chooser.join();
    EXPECT_EQ(chosen, 0x6001u);
    PumpFor(std::chrono::milliseconds(30));
    const auto commands = owner.Of(WM_COMMAND);
    ASSERT_EQ(commands.size(), 1u);
    EXPECT_EQ(LOWORD(commands[0].wParam), 0x6001);
}

}  // namespace
}  // namespace kx90::test
