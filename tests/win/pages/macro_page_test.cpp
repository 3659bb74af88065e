// The macro page in the running main window, with real input: keys recorded through the real
// low-level hooks, a macro renamed in the list's own editor, a single event inserted, the group
// menu of SkinMenu.dll, and screenshots idle and recording in English and Chinese.
#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window_fixture.h"
#include "core/layout/macro_page_layout.h"
#include "core/platform/data_folders.h"
#include "support/gui_harness.h"
#include "win/pages/macro_page.h"

namespace kx90::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

class MacroPageGuiTest : public MainWindowTest {
protected:
    pages::CDlgMacro& Page() { return *Window().PageOf<pages::CDlgMacro>(); }
    const pages::MacroPageState& PageState() { return Page().State(); }

    bool OpenPage(const MainWindowSetup& setup = {}) {
        if (!Launch(setup)) {
            return false;
        }
        Click(Window().TabButton(3));
        return PumpUntil([&] { return IsWindowVisible(Page().hwnd()) != FALSE; }, seconds(3));
    }
    void Click(HWND control) {
        EXPECT_TRUE(RealClickControl(control));
        PumpFor(milliseconds(50));
    }
    std::wstring ListText(HWND list, int row) {
        const auto length = SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(row), 0);
        std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(text.data()));
        text.resize(static_cast<size_t>(length > 0 ? length : 0));
        return text;
    }
    int ListCount(HWND list) { return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0)); }
    // The keys go in as a keyboard's, through the program's hook; the page gets them by message.
    void RecordKeys(const std::vector<WORD>& keys, milliseconds hold) {
        Click(Page().RecordButton());
        ASSERT_TRUE(PageState().View().recording);
        for (WORD key : keys) {
            RealKeyDown(key);
            PumpFor(hold);
            RealKeyUp(key);
            PumpFor(milliseconds(20));
        }
        Click(Page().RecordButton());
        ASSERT_FALSE(PageState().View().recording);
    }
};

TEST_F(MacroPageGuiTest, KeysTypedWhileRecordingComeThroughTheHooksWithTheirPause) {
    ASSERT_TRUE(OpenPage());
    Click(Page().NewMacroButton());
    ASSERT_EQ(PageState().View().macros.size(), 1u);
    RealKey(VK_RETURN);  // keeps "New Macro"
    const uint32_t id = PageState().View().macros[0].id;

    Click(Page().RecordButton());
    EXPECT_EQ(Page().RecordButtonCaption(), L"Stop Record");
    EXPECT_FALSE(IsWindowEnabled(Page().NewMacroButton()));
    EXPECT_TRUE(State().hookManager.ForwardsKeys());
    RealKeyDown('A');
    PumpFor(milliseconds(250));
    RealKeyUp('A');
    ASSERT_TRUE(PumpUntil([&] { return PageState().Editor().Items().size() == 3; }, seconds(2)));
    Click(Page().RecordButton());
    EXPECT_EQ(Page().RecordButtonCaption(), L"Start Record");
    EXPECT_TRUE(IsWindowEnabled(Page().NewMacroButton()));
    EXPECT_FALSE(State().hookManager.ForwardsKeys());

    const std::vector<EventItem>& items = PageState().Editor().Items();
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0], (EventItem{kEventItemKeyDown, 'A'}));
    EXPECT_EQ(items[2], (EventItem{kEventItemKeyUp, 'A'}));
    EXPECT_TRUE(items[1].IsPause());
    EXPECT_GE(items[1].value, 200u);
    EXPECT_LE(items[1].value, 1500u);
    EXPECT_EQ(ListCount(Page().EventList()), 3);
    EXPECT_EQ(ListText(Page().EventList(), 0), L"A");
    EXPECT_EQ(ListText(Page().EventList(), 1), std::to_wstring(items[1].value) + L"  ms");

    const auto slot = State().macros.FindMacro(id);
    ASSERT_TRUE(slot.has_value());
    EXPECT_EQ(State().macros.Slot(*slot).eventCount, 3u);
    // Written a moment later by the library's writer, without a wait on this thread.
    EXPECT_TRUE(PumpUntil([&] { return !State().macros.HasUnsavedChanges(); }, seconds(3)));
    State().macros.FinishBackgroundSave();
    std::ifstream file(MacroFilePath(Data()), std::ios::binary);
    auto onDisk = std::make_unique<MacroTable>();  // 2 MB: never on a stack
    ASSERT_TRUE(file.read(reinterpret_cast<char*>(onDisk.get()), sizeof(MacroTable)));
    EXPECT_EQ((*onDisk)[static_cast<size_t>(*slot)].id, id);
    EXPECT_EQ((*onDisk)[static_cast<size_t>(*slot)].eventCount, 3u);
}

TEST_F(MacroPageGuiTest, TheListsEditorRenamesANewAndAStoredMacro) {
    ASSERT_TRUE(OpenPage());
    Click(Page().NewMacroButton());
    ASSERT_GE(Page().MacroListBox().RenamingIndex(), 0) << "a new macro opens the name editor";
    RealType(L"Jump Shot");
    RealKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return Page().MacroListBox().RenamingIndex() < 0; }, seconds(2)))
        << "Enter commits the name";
    EXPECT_EQ(ListText(Page().MacroList(), 0), L"Jump Shot");
    PumpFor(milliseconds(50));
    EXPECT_EQ(PageState().View().macros[0].name, u"Jump Shot");

    RecordKeys({'J'}, milliseconds(30));
    const uint32_t id = PageState().View().macros[0].id;
    ASSERT_TRUE(State().macros.FindMacro(id).has_value());
    EXPECT_EQ(MacroName(State().macros.Slot(*State().macros.FindMacro(id))), u"Jump Shot");

    // A stored macro: double click, a new name, Enter.
    RECT row;
    SendMessageW(Page().MacroList(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
    ASSERT_TRUE(RealDoubleClickAt(Page().MacroList(), POINT{row.left + 20, (row.top + row.bottom) / 2}));
    ASSERT_TRUE(PumpUntil([&] { return Page().MacroListBox().RenamingIndex() == 0; }, seconds(2)));
    RealType(L"Dash");
    RealKey(VK_RETURN);
    ASSERT_TRUE(PumpUntil([&] { return Page().MacroListBox().RenamingIndex() < 0; }, seconds(2)));
    PumpFor(milliseconds(50));
    EXPECT_EQ(MacroName(State().macros.Slot(*State().macros.FindMacro(id))), u"Dash");
}

TEST_F(MacroPageGuiTest, APauseInsertedBetweenTwoKeysWithTheEditorsOwnControls) {
    ASSERT_TRUE(OpenPage());
    Click(Page().NewMacroButton());
    RealKey(VK_RETURN);
    Click(Page().NoPauseBox());  // checked: the next recording has keys only
    ASSERT_TRUE(PageState().View().noPause);
    RecordKeys({'Q'}, milliseconds(60));
    ASSERT_EQ(PageState().Editor().Items().size(), 2u);

    // Select the release, insert a pause of 120 ms before it.
    RECT row;
    SendMessageW(Page().EventList(), LB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row));
    ASSERT_TRUE(RealClickAt(Page().EventList(), POINT{row.left + 30, (row.top + row.bottom) / 2}));
    PumpFor(milliseconds(50));
    Click(Page().InsertEventButton());
    EXPECT_TRUE(IsWindowVisible(Page().PauseOptionButton()));
    Click(Page().PauseOptionButton());
    ASSERT_TRUE(IsWindowVisible(Page().PauseField()));
    EXPECT_EQ(GetFocus(), Page().PauseField());
    RealType(L"120");
    Click(Page().PauseOkButton());
    EXPECT_FALSE(IsWindowVisible(Page().PauseField()));
    const std::vector<EventItem> expected{
        {kEventItemKeyDown, 'Q'}, {kEventItemPause, 120}, {kEventItemKeyUp, 'Q'}};
    EXPECT_EQ(PageState().Editor().Items(), expected);
    const uint32_t id = PageState().View().macros[0].id;
    EXPECT_EQ(EventItemsOf(State().macros.Slot(*State().macros.FindMacro(id))), expected);
}

TEST_F(MacroPageGuiTest, TheOnScreenMouseButtonsEnterTheirButtonsWhileRecordingOnly) {
    ASSERT_TRUE(OpenPage());
    Click(Page().NewMacroButton());
    RealKey(VK_RETURN);
    Click(Page().NoPauseBox());
    Click(Page().MouseButton(2));  // not recording: nothing
    EXPECT_TRUE(PageState().Editor().Items().empty());
    Click(Page().RecordButton());
    Click(Page().MouseButton(0));
    Click(Page().MouseButton(2));
    ASSERT_TRUE(PumpUntil([&] { return PageState().Editor().Items().size() == 4; }, seconds(2)));
    Click(Page().RecordButton());
    const std::vector<EventItem> expected{{kEventItemKeyDown, kMacroLeftButton},
                                          {kEventItemKeyUp, kMacroLeftButton},
                                          {kEventItemKeyDown, kMacroRightButton},
                                          {kEventItemKeyUp, kMacroRightButton}};
    EXPECT_EQ(PageState().Editor().Items(), expected);
    EXPECT_EQ(ListText(Page().EventList(), 0), L"Left Button");
}

TEST_F(MacroPageGuiTest, ChoosingGroup13InEnglishShowsItsCaptionWithTheTrailingBlank) {
    ASSERT_TRUE(OpenPage());
    EXPECT_EQ(Page().GroupCaption(), L"Customisze");
    Click(Page().GroupButton());
    HWND menu = nullptr;
    ASSERT_TRUE(
        PumpUntil([&] { return (menu = FindWindowW(L"KX90SkinMenu", nullptr)) != nullptr; }, seconds(3)));
    const POINT row13 = ScreenPointOf(menu, POINT{40, 1 + 12 * 24 + 12});
    RealMoveTo(row13);
    RealPressAt(row13);
    RealReleaseAt(row13);
    EXPECT_TRUE(PumpUntil([&] { return Page().GroupCaption() == L"Dota 2 "; }, seconds(3)))
        << std::string(Page().GroupCaption().begin(), Page().GroupCaption().end());
    EXPECT_EQ(PageState().View().group, 13u);
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(menu); }, seconds(3))) << "the menu closes after a choice";
}

// Screenshots for the eye: idle and recording, English and Chinese.
TEST_F(MacroPageGuiTest, ScreenshotsIdleAndRecording) {
    std::filesystem::create_directories(ScreenshotDir());
    for (const int32_t language : {2, 1}) {
        ASSERT_TRUE(OpenPage({.languageIndex = language, .installedLanguages = true}));
        const std::string tag = language == 1 ? "zh" : "en";
        Click(Page().NewMacroButton());
        RealKey(VK_RETURN);
        RecordKeys({'W', 'E'}, milliseconds(80));
        PumpFor(milliseconds(200));
        EXPECT_TRUE(CaptureWindowToPng(Window().hwnd(), ScreenshotDir() / ("macro_page_" + tag + ".png")));
        Click(Page().RecordButton());
        RealKey('R');
        PumpFor(milliseconds(200));
        EXPECT_TRUE(
            CaptureWindowToPng(Window().hwnd(), ScreenshotDir() / ("macro_page_recording_" + tag + ".png")));
        Click(Page().RecordButton());
        // Inserting a key: the key and pause rows light up.
        RECT row;
        SendMessageW(Page().EventList(), LB_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&row));
        EXPECT_TRUE(RealClickAt(Page().EventList(), POINT{row.left + 30, (row.top + row.bottom) / 2}));
        Click(Page().InsertEventButton());
        Click(Page().KeyOptionButton());
        RealKey('T');
        PumpFor(milliseconds(200));
        EXPECT_TRUE(
            CaptureWindowToPng(Window().hwnd(), ScreenshotDir() / ("macro_page_insert_" + tag + ".png")));
        Close();
    }
}

}  // namespace
}  // namespace kx90::test
