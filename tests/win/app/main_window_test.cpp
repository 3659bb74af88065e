// The main window as the user meets it: pages and the buttons they allow, the help line, the
// language choice, Apply and its outcomes, and the mouse going away.
#include <windows.h>

#include <dbt.h>

#include <atomic>
#include <cstring>
#include <thread>
#include <vector>

#include "app/main_window_fixture.h"
#include "core/device/device_protocol.h"
#include "core/device/profile_writer.h"
#include "core/i18n/language_selection.h"
#include "core/platform/file_io.h"
#include "core/profile/profile_file.h"
#include "win/pages/statistics_page.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::test {
namespace {

// Shows what a window draws, for the screenshots.
std::filesystem::path Shot(const char* name) {
    std::filesystem::create_directories(ScreenshotDir());
    return ScreenshotDir() / name;
}

std::vector<uint8_t> FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

// Posts a removal or arrival broadcast for the mouse's own interface, as the system sends it.
void SendDeviceBroadcast(HWND window, WPARAM event) {
    std::vector<uint8_t> block(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) + 512, 0);
    auto* data = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(block.data());
    const std::wstring name = ui::Wide(VirtualMouse::DevicePath());
    data->dbcc_size = static_cast<DWORD>(block.size());
    data->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(data->dbcc_name, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    SendMessageW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(data));
}

TEST_F(MainWindowTest, OnlyThePerformanceAndLightingPagesAllowProfilesAndApply) {
    ASSERT_TRUE(Launch());
    EXPECT_EQ(Window().CurrentPage(), 1);
    auto editable = [this] {
        bool all = IsWindowEnabled(Window().ApplyButton()) != FALSE;
        for (int k = 1; k <= 5; ++k) {
            all = all && IsWindowEnabled(Window().ProfileButton(k)) != FALSE;
        }
        return all;
    };
    auto noneEditable = [this] {
        bool none = IsWindowEnabled(Window().ApplyButton()) == FALSE;
        for (int k = 1; k <= 5; ++k) {
            none = none && IsWindowEnabled(Window().ProfileButton(k)) == FALSE;
        }
        return none;
    };
    EXPECT_TRUE(editable());
    const struct {
        int tab;
        bool editing;
    } steps[] = {{3, false}, {1, true}, {4, false}, {2, true}, {5, false}, {2, true}};
    for (const auto& step : steps) {
        Click(Window().TabButton(step.tab));
        EXPECT_EQ(Window().CurrentPage(), step.tab);
        EXPECT_TRUE(step.editing ? editable() : noneEditable()) << "tab " << step.tab;
        for (int k = 1; k <= 5; ++k) {
            EXPECT_EQ(IsWindowVisible(GetDlgItem(Window().hwnd(), 102 + k)) != FALSE, k == step.tab);
        }
    }
}

TEST_F(MainWindowTest, HoverOverApplyShowsItsHelpAndLeavingClearsIt) {
    ASSERT_TRUE(Launch());
    RECT apply;
    GetWindowRect(Window().ApplyButton(), &apply);
    // Through the system's routing: the button itself sees the pointer and tells the window.
    RealMoveTo(POINT{(apply.left + apply.right) / 2, (apply.top + apply.bottom) / 2});
    EXPECT_TRUE(PumpUntil([this] { return Window().StatusLine() == L"OK"; }, std::chrono::seconds(3)))
        << ui::Utf16(Window().StatusLine()).size();
    // An empty strip of the window, below the title.
    RealMoveTo(ScreenPointOf(Window().hwnd(), POINT{500, 50}));
    EXPECT_TRUE(PumpUntil([this] { return Window().StatusLine().empty(); }, std::chrono::seconds(3)));
}

TEST_F(MainWindowTest, ButtonHelpUnderChineseRenamesTheEnglishDefault) {
    ASSERT_TRUE(Launch({.languageType = 1, .languageIndex = 1}));
    ASSERT_EQ(State().language.IsChinese(), true);
    ProfileRecord& live = State().profiles.LiveRecord();
    SetFieldText(live.buttons[1].displayName, u"Middle");
    SendMessageW(Window().hwnd(), msg::kStatusText, 0, 20);
    EXPECT_EQ(Window().StatusLine(), L"\u4E2D\u952E");
    EXPECT_EQ(FieldText(live.buttons[1].displayName), u"\u4E2D\u952E");
    SendMessageW(Window().hwnd(), msg::kStatusText, 0, 91);
    EXPECT_EQ(Window().StatusLine(), L"");
}

TEST_F(MainWindowTest, SavedLanguageIndexReplacesTheInstallationLanguage) {
    const struct {
        int32_t saved;
        int flagAfter;       // the flag bitmap shown
        const char16_t* ok;  // str_ok after start-up
        int32_t savedAfter;  // Language.cfg afterwards
    } cases[] = {
        {12, 153, u"\u78BA\u5B9A", 12},  // traditional Chinese: its file and flag, English messages
        {0, 143, u"OK", 0},              // no choice at all: the installation language stays
        {13, 143, u"OK", 13},            // unknown: nothing loads, yet it is kept as the choice
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.saved);
        ASSERT_TRUE(Launch({.languageType = 0, .languageIndex = c.saved}));
        EXPECT_EQ(Window().ShownFlagBitmap(), c.flagAfter);
        EXPECT_EQ(State().language.Strings().str_ok, c.ok);
        EXPECT_EQ(State().language.IsChinese(), false);
        const std::vector<uint8_t> saved = FileBytes(LanguageFilePath(Data()));
        ASSERT_EQ(saved.size(), 4u);
        int32_t index = 0;
        std::memcpy(&index, saved.data(), 4);
        EXPECT_EQ(index, c.savedAfter);
        // The Type the flashing tool reads follows the installation, never the choice.
        wchar_t type[8] = {};
        GetPrivateProfileStringW(L"Language", L"Type", L"?", type, 8,
                                 (Install() / "FWUpdate" / "Config.ini").wstring().c_str());
        EXPECT_STREQ(type, L"0");
        Close();
    }
}

TEST_F(MainWindowTest, TheLanguagePopupsChoiceLoadsTheLanguageAndClosesIt) {
    ASSERT_TRUE(Launch());
    Click(Window().LanguageButton());
    ASSERT_TRUE(PumpUntil([this] { return Window().LanguagePopup() != nullptr; }, std::chrono::seconds(3)));
    HWND popup = Window().LanguagePopup();
    EXPECT_TRUE(IsWindowVisible(popup));
    SendMessageW(Window().hwnd(), msg::kLanguageChoice, 0, 12);  // the row the popup reports
    EXPECT_EQ(Window().ShownFlagBitmap(), 153);
    EXPECT_EQ(State().language.Strings().str_ok, u"\u78BA\u5B9A");
    EXPECT_TRUE(PumpUntil([popup] { return IsWindow(popup) == FALSE; }, std::chrono::seconds(3)));
    EXPECT_EQ(Window().LanguagePopup(), nullptr);
    // Without an open popup a stray language message changes nothing.
    SendMessageW(Window().hwnd(), msg::kLanguageChoice, 0, 1);
    EXPECT_EQ(Window().ShownFlagBitmap(), 153);
    EXPECT_EQ(State().language.IsChinese(), false);
}

TEST_F(MainWindowTest, KeysNeverPressButtonsAndAltF4HidesToTheTray) {
    ASSERT_TRUE(Launch());
    for (WPARAM key : {VK_RETURN, VK_ESCAPE, VK_SPACE}) {
        for (UINT message : {WM_KEYDOWN, WM_KEYUP}) {
            MSG m{Window().ApplyButton(), message, key, 0, 0, {}};
            EXPECT_TRUE(Window().PreTranslateMessage(m)) << key;
        }
    }
    MSG letter{Window().hwnd(), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(Window().PreTranslateMessage(letter));
    MSG altF4{Window().hwnd(), WM_SYSKEYDOWN, VK_F4, 0, 0, {}};
    EXPECT_TRUE(Window().PreTranslateMessage(altF4));
    EXPECT_FALSE(IsWindowVisible(Window().hwnd()));
    EXPECT_TRUE(Window().Running());
    // A double click on the tray icon (also what a second copy of the program sends) brings it back.
    SendMessageW(Window().hwnd(), msg::kTrayNotify, 0, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(IsWindowVisible(Window().hwnd()));
}

TEST_F(MainWindowTest, HostEventsReachTheStatisticsPage) {
    ASSERT_TRUE(Launch());
    PostMessageW(Window().hwnd(), kHostEventMessage, kMsgRButtonDown, 0);
    EXPECT_TRUE(PumpUntil(
        [this] { return Window().PageOf<pages::CDlgSts>()->Statistics().Counts().rightPresses == 1; },
        std::chrono::seconds(3)));
}

TEST_F(MainWindowTest, TheMouseArrivingAgainIsOpenedAndAnnounced) {
    ASSERT_TRUE(Launch());
    const int opens = Mouse().OpenCount();
    State().hooks.Remove();
    InfoAnswerer answer;
    SendDeviceBroadcast(Window().hwnd(), DBT_DEVICEARRIVAL);
    EXPECT_EQ(answer.Text(), L"The KX90 gaming mouse is found.");
    EXPECT_EQ(Mouse().OpenCount(), opens + 1);
    EXPECT_TRUE(State().hooks.Installed());
    EXPECT_TRUE(Window().Running());
}

TEST_F(MainWindowTest, ApplySendsTheProfileAndSavesItOnlyAfterwards) {
    ASSERT_TRUE(Launch());
    ProfileRecord& live = State().profiles.LiveRecord();
    live.heightSetting = 7;  // a value no control of the pages takes back before a write
    const int slot = State().profiles.CurrentSlot();
    ASSERT_GE(slot, 1);
    const auto before = FileBytes(ProfileFilePath(Data(), slot));
    Click(Window().ApplyButton());  // returns once the progress window has closed
    EXPECT_TRUE(PumpUntil([&] { return FileBytes(ProfileFilePath(Data(), slot)) != before; },
                          std::chrono::seconds(10)));
    const auto written = FileBytes(ProfileFilePath(Data(), slot));
    ASSERT_EQ(written.size(), sizeof(ProfileRecord));
    EXPECT_EQ(std::memcmp(written.data(), &live, sizeof(ProfileRecord)), 0);
    EXPECT_TRUE(std::filesystem::exists(CatalogueFilePath(Data())));
    EXPECT_EQ(State().writeIdle.load(), 1);
    EXPECT_EQ(State().progress.Handle(), nullptr);
    EXPECT_NE(Mouse().State().keyMatrix[3], 0u);
}

TEST_F(MainWindowTest, ApplyDuringAWriteDoesNothing) {
    ASSERT_TRUE(Launch());
    State().writeIdle = 0;  // as the writer leaves it while it works
    Click(Window().ApplyButton());
    EXPECT_FALSE(State().applyEvent.IsSet());
    EXPECT_EQ(FindOwnTopLevelWindow(kProgressWindowText), nullptr);
    SendMessageW(Window().hwnd(), msg::kRestoreDefaults, 0, 0);  // nor does restoring the defaults
    EXPECT_FALSE(State().applyEvent.IsSet());
    State().writeIdle = 1;
}

TEST_F(MainWindowTest, AFailedWriteTellsTheUserAndLeavesTheFilesAlone) {
    ASSERT_TRUE(Launch());
    Mouse().FailCommand(kCmdKeyMatrix);
    const int slot = State().profiles.CurrentSlot();
    const auto before = FileBytes(ProfileFilePath(Data(), slot));
    State().profiles.LiveRecord().heightSetting = 9;
    InfoAnswerer answer;
    Click(Window().ApplyButton());
    EXPECT_EQ(answer.Text(), L"write mousekey metix fail.\n");
    EXPECT_TRUE(PumpUntil([this] { return State().progress.Handle() == nullptr; }, std::chrono::seconds(5)));
    EXPECT_EQ(State().writeIdle.load(), 1);
    EXPECT_EQ(FileBytes(ProfileFilePath(Data(), slot)), before);
    auto* apply = dynamic_cast<skin::CIrrButton*>(ui::Window::FromHandle(Window().ApplyButton()));
    ASSERT_NE(apply, nullptr);
    EXPECT_FALSE(apply->GetCheck());
    EXPECT_FALSE(apply->CurrentLook().textColor == skin::CIrrButton::kCheckedText);
    // The next Apply works again.
    Mouse().FailCommand(std::nullopt);
    Click(Window().ApplyButton());
    EXPECT_TRUE(PumpUntil([&] { return FileBytes(ProfileFilePath(Data(), slot)) != before; },
                          std::chrono::seconds(10)));
}

TEST_F(MainWindowTest, RemovingTheMouseEndsTheProgramAfterItsNotice) {
    ASSERT_TRUE(Launch());
    EXPECT_TRUE(State().hooks.Installed());
    InfoAnswerer answer;
    SendDeviceBroadcast(Window().hwnd(), DBT_DEVICEREMOVECOMPLETE);
    EXPECT_EQ(answer.Text(), L"The KX90 gaming mouse cannot be found.");
    EXPECT_FALSE(State().hooks.Installed());
    EXPECT_TRUE(PumpUntil([this] { return !Window().Running(); }, std::chrono::seconds(5)));
    EXPECT_FALSE(IsWindow(Window().hwnd()));
}

TEST_F(MainWindowTest, StartingWithoutTheMouseTriesForAboutFiveSecondsThenEnds) {
    InfoAnswerer answer(std::chrono::seconds(20));
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(Launch({.mousePresent = false}));
    // The attempts run on a timer: the window's thread stays free the whole time.
    EXPECT_TRUE(PumpUntil([this] { return !Window().Running(); }, std::chrono::seconds(20)));
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(answer.Text(), L"The KX90 gaming mouse cannot be found.");
    EXPECT_GE(took, std::chrono::milliseconds(4000));
    EXPECT_FALSE(Window().DeviceOpened());
}

TEST_F(MainWindowTest, ScreenshotsInEnglishAndChinese) {
    ASSERT_TRUE(Launch({.installedLanguages = true}));
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_TRUE(CaptureWindowToPng(Window().hwnd(), Shot("main_window_en.png")));
    Close();
    // Chinese chosen in this English installation: the page's pictures and places stay English.
    ASSERT_TRUE(Launch({.languageIndex = 1, .installedLanguages = true}));
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_TRUE(CaptureWindowToPng(Window().hwnd(), Shot("main_window_zh_buttons.png")));
    Close();
    ASSERT_TRUE(Launch({.languageType = 1, .languageIndex = 1, .installedLanguages = true}));
    EXPECT_EQ(Window().ShownFlagBitmap(), 142);
    Click(Window().TabButton(2));
    PumpFor(std::chrono::milliseconds(300));
    EXPECT_TRUE(CaptureWindowToPng(Window().hwnd(), Shot("main_window_zh.png")));
}

// The user may close the progress window through its system menu (Alt+Space) while the write goes
// on: the write still ends without waiting for the window, and its outcome still saves the profile
// and frees Apply.
TEST_F(MainWindowTest, ClosingTheProgressWindowMidWriteStillEndsAndSavesTheWrite) {
    ASSERT_TRUE(Launch());
    Mouse().LeaveWritesPending(300);  // every data report takes 0.3 s: the write lasts about 2 s
    ProfileRecord& live = State().profiles.LiveRecord();
    live.heightSetting = 6;
    const int slot = State().profiles.CurrentSlot();
    const auto before = FileBytes(ProfileFilePath(Data(), slot));
    std::atomic<bool> closedMidWrite{false};
    std::thread closer([&] {
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        HWND window = nullptr;
        while (std::chrono::steady_clock::now() < until &&
               ((window = State().progress.Handle()) == nullptr || !IsWindowVisible(window))) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (window != nullptr) {
            closedMidWrite = Mouse().State().reportRate == 0;  // the write's last command
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    });
    const auto start = std::chrono::steady_clock::now();
    Click(Window().ApplyButton());  // returns once the progress window has gone
    closer.join();
    ASSERT_TRUE(closedMidWrite);
    EXPECT_TRUE(PumpUntil([this] { return State().writeIdle.load() == 1; }, std::chrono::seconds(10)));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(6))
        << "the writer waited for the closed window";
    const auto written = FileBytes(ProfileFilePath(Data(), slot));
    EXPECT_NE(written, before);
    ASSERT_EQ(written.size(), sizeof(ProfileRecord));
    EXPECT_EQ(std::memcmp(written.data(), &live, sizeof(ProfileRecord)), 0);
    EXPECT_EQ(Mouse().State().reportRate, 1);
}

// A mouse plugged in while the start-up search still runs is left to that search: the arrival starts
// no second search and shows no notice of its own, and the mouse is opened once.
TEST_F(MainWindowTest, AnArrivalDuringTheStartUpSearchIsLeftToThatSearch) {
    EXPECT_FALSE(Launch({.mousePresent = false}));  // the search now runs on its timer
    ASSERT_TRUE(Window().Running());
    InfoAnswerer notice(std::chrono::seconds(4));  // answers a notice, should one come
    Mouse().PresentedInterfaces() = VirtualMouse(SystemClock()).PresentedInterfaces();
    SendDeviceBroadcast(Window().hwnd(), DBT_DEVICEARRIVAL);
    EXPECT_TRUE(
        PumpUntil([this] { return IsWindowVisible(Window().hwnd()) != FALSE; }, std::chrono::seconds(10)));
    EXPECT_EQ(notice.Text(), L"") << "the start-up search found it: nothing to announce";
    PumpFor(std::chrono::milliseconds(700));  // a second search would open the mouse again by now
    EXPECT_EQ(Mouse().OpenCount(), 1);
    EXPECT_TRUE(Window().DeviceOpened());
    EXPECT_TRUE(State().hooks.Installed());
}

// A profile file that failed to load leaves its bytes in the live record. Apply never sends them:
// it offers the defaults instead. Declined, the mouse gets nothing and the file stays; accepted,
// the mouse gets the defaults and they are saved in place of the damaged file.
TEST_F(MainWindowTest, ApplyRefusesADamagedProfileAndOffersTheDefaults) {
    ProfileRecord defaults{};
    ResetToDefaults(defaults);
    ProfileRecord damaged = defaults;
    damaged.magic = 0x80800286;
    damaged.colors[3] = 0x00123456;  // shows which of the two the mouse got
    const struct {
        const wchar_t* button;
        int command;
        bool restores;
    } answers[] = {{L"Cancel", IDCANCEL, false}, {L"OK", IDOK, true}};
    for (const auto& answer : answers) {
        SCOPED_TRACE(answer.restores ? "restores the defaults" : "declines");
        ASSERT_TRUE(Launch());
        const std::filesystem::path file = ProfileFilePath(Data(), 2);
        ASSERT_EQ(WriteProfileFile(file, damaged), FileStatus::kOk);
        const auto damagedBytes = FileBytes(file);
        {
            DialogAnswerer report(L"Info", L"OK", IDOK, std::chrono::seconds(5));
            Click(Window().ProfileButton(2));
            ASSERT_TRUE(report.Answered()) << "the damaged file is reported when it is chosen";
        }
        ASSERT_EQ(State().profiles.LiveRecord().magic, damaged.magic);
        Mouse().ClearTranscript();

        DialogAnswerer question(
            skin::kInfoDialogTitle, answer.button, answer.command, std::chrono::seconds(5),
            answer.restores ? Shot("damaged_profile_question_en.png") : std::filesystem::path());
        Click(Window().ApplyButton());
        EXPECT_TRUE(question.Answered());
        EXPECT_NE(question.SeenTexts().find(L"Cancel"), std::wstring::npos) << question.SeenTexts();
        if (!answer.restores) {
            PumpFor(std::chrono::milliseconds(300));
            EXPECT_TRUE(Mouse().Transcript().empty());
            EXPECT_EQ(FileBytes(file), damagedBytes);
            EXPECT_EQ(State().profiles.LiveRecord().magic, damaged.magic);
        } else {
            EXPECT_TRUE(
                PumpUntil([&] { return State().writeIdle.load() == 1 && FileBytes(file) != damagedBytes; },
                          std::chrono::seconds(10)));
            const auto saved = FileBytes(file);
            ASSERT_EQ(saved.size(), sizeof(ProfileRecord));
            EXPECT_EQ(std::memcmp(saved.data(), &defaults, sizeof(ProfileRecord)), 0);
            EXPECT_EQ(Mouse().State().ledColor, defaults.colors[3]);
            EXPECT_NE(Mouse().State().keyMatrix[3], 0u);
        }
        EXPECT_EQ(FindOwnTopLevelWindow(skin::kInfoDialogTitle), nullptr);
        Close();
    }
}

}  // namespace
}  // namespace kx90::test
