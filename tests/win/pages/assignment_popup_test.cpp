// The assignment popup over its real windows: clicks and keys go through SendInput from a second
// thread while the popup runs modally on the test thread, keys reach the key page through the real
// low-level hook, and the choice goes through ApplyAssignment into a record.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "../../core/support/fakes.h"
#include "../../core/support/temp_dir.h"
#include "core/i18n/language_strings.h"
#include "core/layout/assignment_popup_layout.h"
#include "core/macro/macro_record.h"
#include "core/pages/apply_assignment.h"
#include "skin/skin_fixture.h"
#include "support/gui_harness.h"
#include "win/app/low_level_hooks.h"
#include "win/pages/assignment/advanced_page.h"
#include "win/pages/assignment/assignment_popup.h"
#include "win/platform/keyboard_layout_win.h"

namespace kx90::test {
namespace {

using pages::AssignmentChoice;
using pages::AssignmentPopupArgs;
using pages::CSettingDlg;
using std::chrono::milliseconds;
namespace popup = layout::assignment_popup;

// Answers the advanced page's Browse with the next queued answer (nothing: cancelled).
class QueuedPathChooser final : public PathChooser {
public:
    std::optional<std::u16string> Choose(const PathPicker& picker) override {
        asked.push_back(picker);
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::u16string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::deque<std::optional<std::u16string>> answers;
    std::vector<PathPicker> asked;
};

POINT Centre(const layout::Rect& r, POINT origin) {
    return POINT{origin.x + (r.left + r.right) / 2, origin.y + (r.top + r.bottom) / 2};
}

// The steps a user takes in the popup, played from another thread once the popup shows. Points are
// taken from the layout tables and the popup's place on the screen.
class PopupUser {
public:
    using Step = std::function<void(HWND popupWindow, POINT origin)>;

    explicit PopupUser(std::vector<Step> steps) : thread_([this, steps = std::move(steps)] { Run(steps); }) {}
    ~PopupUser() { thread_.join(); }
    bool Finished() const { return finished_; }

    static Step Click(const layout::Rect& r) {
        return [r](HWND, POINT origin) { InjectClick(Centre(r, origin)); };
    }
    static Step ClickOnPage(const layout::Rect& r) {
        return [r](HWND, POINT origin) {
            InjectClick(Centre(r, POINT{origin.x + popup::kPageArea.left, origin.y + popup::kPageArea.top}));
        };
    }
    static Step Key(WORD virtualKey) {
        return [virtualKey](HWND, POINT) { InjectKey(virtualKey); };
    }
    static Step Capture(const std::string& name) {
        return [name](HWND window, POINT) {
            std::this_thread::sleep_for(milliseconds(150));  // let the page paint
            CaptureWindowToPng(window, ScreenshotDir() / (name + ".png"));
        };
    }
    static Step Wait(milliseconds pause) {
        return [pause](HWND, POINT) { std::this_thread::sleep_for(pause); };
    }

private:
    void Run(const std::vector<Step>& steps) {
        HWND window = nullptr;
        const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (window == nullptr && std::chrono::steady_clock::now() < until) {
            window = FindWindowW(nullptr, pages::kAssignmentPopupTitle);
            if (window == nullptr || !IsWindowVisible(window)) {
                window = nullptr;
                std::this_thread::sleep_for(milliseconds(20));
            }
        }
        if (window != nullptr) {
            std::this_thread::sleep_for(milliseconds(200));
            RECT r;
            GetWindowRect(window, &r);
            for (const Step& step : steps) {
                step(window, POINT{r.left, r.top});
                std::this_thread::sleep_for(milliseconds(60));
            }
        }
        finished_ = true;
        // Whatever the steps did, the popup must end: the test thread is waiting in its loop.
        const auto closeBy = std::chrono::steady_clock::now() + milliseconds(1500);
        while (window != nullptr && IsWindow(window) && std::chrono::steady_clock::now() < closeBy) {
            std::this_thread::sleep_for(milliseconds(20));
        }
        if (window != nullptr && IsWindow(window)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
        }
    }

    std::atomic<bool> finished_{false};
    std::thread thread_;
};

class AssignmentPopupTest : public ::testing::Test {
protected:
    AssignmentPopupTest() : macros_(data_.path(), notifier_, language_, clock_), hooks_(hookManager_) {
        language_.SetStrings(StringsOf(false));
        ResetToDefaults(record_);
        owner_ = CreateWindowExW(0, L"STATIC", L"KX90 popup owner", WS_POPUP | WS_VISIBLE, 200, 150, 600, 450,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        hooks_.Install(owner_);
        RealMoveTo(POINT{GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
    }
    ~AssignmentPopupTest() override {
        hooks_.Remove();
        DestroyWindow(owner_);
    }

    // The installed language files when the build installed them, else a few texts of our own.
    static LanguageStrings StringsOf(bool chinese) {
        const std::filesystem::path installed =
            SkinDir().parent_path() / "install" / "Language" / (chinese ? "sc.xml" : "en.xml");
        LanguageStrings strings = LoadLanguageStrings(installed);
        if (strings.str_ok.empty()) {
            strings.str_ok = u"OK";
            strings.str_disable = u"Disable";
        }
        return strings;
    }

    void SetChinese(bool chinese) {
        language_.SetChinese(chinese);
        language_.SetStrings(StringsOf(chinese));
    }

    // Two listed macros in group 21, the later one last in slot order.
    void AddGroupMacros() {
        for (uint32_t n : {1u, 2u}) {
            MacroRecord r{};
            r.recordSize = kMinMacroRecordSize;
            r.marker = kMacroMarker;
            r.id = 0x15000000u + n;
            r.repeatCount = 1;
            r.eventCount = 1;
            r.events[0] = MakeMacroEvent(kMacroKeyDown, 0x04);
            SetMacroName(r, n == 1 ? u"Reload" : u"Combo");
            ASSERT_TRUE(macros_.StoreMacro(r));
        }
    }

    // Runs the popup for a button while the user plays the steps; the popup's result.
    int Run(int button, std::vector<PopupUser::Step> steps) {
        AssignmentPopupArgs args;
        args.installDir = SkinDir().wstring();
        args.language = &language_;
        args.macros = &macros_;
        args.keyboard = &SystemKeyboardLayout();
        args.hooks = &hookManager_;
        args.paths = &paths_;
        args.notifier = &notifier_;
        args.buttonIndex = button;
        args.currentName = std::u16string(FieldText(record_.buttons[button].displayName));
        popup_ = std::make_unique<CSettingDlg>(std::move(args));
        PopupUser user(std::move(steps));
        const int result = popup_->RunModal(owner_);
        EXPECT_TRUE(user.Finished()) << "the popup closed before the user was done";
        return result;
    }

    bool Apply() {
        pages::AssignmentContext context{record_,   liveMacroIds_,    macros_, SystemKeyboardLayout(),
                                         notifier_, language_.Pairs()};
        return pages::ApplyAssignment(popup_->Choice(), context);
    }

    TempDir data_;
    UiLanguage language_;
    RecordingNotifier notifier_;
    FakeClock clock_;
    MacroLibrary macros_;
    HookManager hookManager_;
    LowLevelHooks hooks_;
    QueuedPathChooser paths_;
    ProfileRecord record_{};
    std::array<uint32_t, kButtonCount> liveMacroIds_{};
    HWND owner_ = nullptr;
    std::unique_ptr<CSettingDlg> popup_;
};

using User = PopupUser;

TEST_F(AssignmentPopupTest, OkWithNothingChosenClosesAsCancelled) {
    // The key page with no key, then the basic list with nothing selected.
    EXPECT_EQ(Run(2, {User::Click(popup::kOkButton)}), IDCANCEL);
    EXPECT_EQ(Run(2, {User::Click(popup::kTabs[2]), User::Click(popup::kOkButton)}), IDCANCEL);
    EXPECT_EQ(popup_->Choice().value, 0);
}

TEST_F(AssignmentPopupTest, DisableGivesKind121AndTheNameInTheLanguage) {
    for (const bool chinese : {false, true}) {
        SetChinese(chinese);
        ResetToDefaults(record_);
        ASSERT_EQ(Run(3, {User::Click(popup::kDisableBox),
                          User::Capture(chinese ? "assignment_disabled_zh" : "assignment_disabled_en"),
                          User::Click(popup::kOkButton)}),
                  IDOK);
        EXPECT_EQ(popup_->Choice().kind, pages::kKindDisabled);
        EXPECT_EQ(popup_->Choice().value, pages::kDisabledValue);
        const uint32_t keyCodeBefore = record_.buttons[3].keyCode;
        ASSERT_TRUE(Apply());
        EXPECT_EQ(record_.buttons[3].functionCode, 121u);
        EXPECT_EQ(FieldText(record_.buttons[3].displayName), chinese ? u"禁用按键" : u"Disable key");
        EXPECT_EQ(record_.buttons[3].keyCode, keyCodeBefore) << "fields the kind does not name stay";
    }
}

TEST_F(AssignmentPopupTest, UncheckingDisableShowsTheKeyPageAgain) {
    Run(4, {User::Click(popup::kTabs[2]), User::Click(popup::kDisableBox), User::Click(popup::kDisableBox),
            User::Wait(milliseconds(100)), User::Click(popup::kCloseButton)});
    EXPECT_EQ(popup_->View().shownPage, pages::AssignmentPage::kKey);
    EXPECT_FALSE(popup_->View().disableChecked);
}

TEST_F(AssignmentPopupTest, DefaultSettingOnTheWheelDownButtonStores22) {
    SetFieldText(record_.buttons[6].displayName, u"Something else");
    record_.buttons[6].functionCode = 9;
    ASSERT_EQ(Run(6, {User::Click(popup::kDefaultButton)}), IDOK);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(record_.buttons[6].functionCode, 22u);
    EXPECT_EQ(FieldText(record_.buttons[6].displayName), u"Scroll down");
}

TEST_F(AssignmentPopupTest, KeysThroughTheHookMakeACombination) {
    ASSERT_EQ(Run(3, {User::Key(VK_CONTROL), User::Key('C'), User::Capture("assignment_key_en"),
                      User::Click(popup::kOkButton)}),
              IDOK);
    EXPECT_EQ(popup_->Choice().kind, pages::kKindKeyCombination);
    EXPECT_EQ(static_cast<uint32_t>(popup_->Choice().value), 0x00060100u);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(record_.buttons[3].keyCode, 0x00060100u);
    EXPECT_FALSE(hookManager_.ForwardsKeys()) << "the capture ends with the popup";
}

TEST_F(AssignmentPopupTest, ACancelledBrowseKeepsTheRowChosenAndAPickedProgramIsAssigned) {
    const layout::Rect browse = layout::advanced_page::kRows[pages::kActionRowProgram].browse;
    paths_.answers = {std::nullopt};
    EXPECT_EQ(
        Run(3, {User::Click(popup::kTabs[3]), User::ClickOnPage(browse), User::Click(popup::kOkButton)}),
        IDCANCEL);
    ASSERT_EQ(paths_.asked.size(), 1u);
    EXPECT_EQ(paths_.asked[0].filter, u"(*.exe)|*.exe||");

    paths_.answers = {std::u16string(u"C:\\Games\\launcher.exe")};
    ASSERT_EQ(Run(3, {User::Click(popup::kTabs[3]), User::ClickOnPage(browse),
                      User::Capture("assignment_advanced_en"), User::Click(popup::kOkButton)}),
              IDOK);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(record_.buttons[3].functionCode, 19u);
    EXPECT_EQ(record_.buttons[3].actionCode, 0x00D30006u);
    EXPECT_EQ(record_.buttons[3].actionKind, 0xD0u);
    EXPECT_EQ(FieldText(record_.buttons[3].displayName), u"C:\\Games\\launcher.exe");
}

TEST_F(AssignmentPopupTest, TheMacroTabOpensOnGroup21WithItsLastMacro) {
    AddGroupMacros();
    ASSERT_EQ(Run(4, {User::Click(popup::kTabs[1]), User::Capture("assignment_macro_en"),
                      User::Click(popup::kOkButton)}),
              IDOK);
    EXPECT_EQ(static_cast<uint32_t>(popup_->Choice().value), 0x15000002u);
    ASSERT_TRUE(Apply());
    EXPECT_EQ(liveMacroIds_[4], 0x15000002u);
    EXPECT_EQ(FieldText(record_.buttons[4].displayName), u"Combo");
}

// Every tab in both languages, for looking at.
TEST_F(AssignmentPopupTest, ScreenshotsOfEveryTab) {
    for (const bool chinese : {false, true}) {
        SetChinese(chinese);
        const std::string suffix = chinese ? "_zh" : "_en";
        Run(1, {User::Capture("assignment_tab1" + suffix), User::Click(popup::kTabs[1]),
                User::Capture("assignment_tab2" + suffix), User::Click(popup::kTabs[2]),
                User::Capture("assignment_tab3" + suffix), User::Click(popup::kTabs[3]),
                User::Capture("assignment_tab4" + suffix), User::Click(popup::kCloseButton)});
    }
}

}  // namespace
}  // namespace kx90::test
