// The info dialog run modally: results of its buttons, the count-down's captions and expiry, the
// Notifier over it, and screenshots of both variants in both languages.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "skin/skin_fixture.h"
#include "win/platform/notifier_win32.h"
#include "win/skin/dlg_info.h"

namespace kx90::test {
namespace {

using skin::kInfoDialogTitle;

// Records every caption set on a window of this thread that starts with the prefix (the
// dialog's own loop runs on this thread, so a thread hook sees its SetWindowText calls).
class CaptionRecorder {
public:
    explicit CaptionRecorder(std::wstring prefix) {
        prefix_ = std::move(prefix);
        captions_.clear();
        hook_ = SetWindowsHookExW(WH_CALLWNDPROC, Record, nullptr, GetCurrentThreadId());
    }
    ~CaptionRecorder() { UnhookWindowsHookEx(hook_); }
    const std::vector<std::wstring>& Captions() const { return captions_; }

private:
    static LRESULT CALLBACK Record(int code, WPARAM wParam, LPARAM lParam) {
        const auto* call = reinterpret_cast<const CWPSTRUCT*>(lParam);
        if (code == HC_ACTION && call->message == WM_SETTEXT && call->lParam != 0) {
            const std::wstring text = reinterpret_cast<const wchar_t*>(call->lParam);
            if (text.rfind(prefix_, 0) == 0) {
                captions_.push_back(text);
            }
        }
        return CallNextHookEx(nullptr, code, wParam, lParam);
    }
    static inline std::wstring prefix_;
    static inline std::vector<std::wstring> captions_;
    HHOOK hook_;
};

TEST(InfoDialog, CountdownClosesWithCancelAfterShowingFiveDownToZero) {
    CaptionRecorder recorder(L"OK (");
    const auto start = std::chrono::steady_clock::now();
    const int result = skin::ShowCountdownInfoDialog(L"The KX90 gaming mouse is found.");
    const auto seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    EXPECT_EQ(result, 2);
    const std::vector<std::wstring> expected = {L"OK (5s)", L"OK (5s)", L"OK (4s)", L"OK (3s)",
                                                L"OK (2s)", L"OK (1s)", L"OK (0s)"};
    EXPECT_EQ(recorder.Captions(), expected);
    EXPECT_GT(seconds, 5.5);
    EXPECT_LT(seconds, 9.0);
}

TEST(InfoDialog, CountdownAnsweredEarlyReturnsOk) {
    DialogAnswerer answer(kInfoDialogTitle, L"OK (5s)", IDOK, std::chrono::seconds(4),
                          ScreenshotDir() / "info_countdown_en.png");
    EXPECT_EQ(skin::ShowCountdownInfoDialog(L"The KX90 gaming mouse cannot be found."), 1);
    EXPECT_TRUE(answer.Answered());
}

TEST(InfoDialog, ButtonsReturnOneForOkAndTwoForCancel) {
    {
        DialogAnswerer answer(kInfoDialogTitle, L"Cancel", IDCANCEL, std::chrono::seconds(5),
                              ScreenshotDir() / "info_question_en.png");
        EXPECT_EQ(skin::ShowInfoDialog(L"Restore the default settings?", true), 2);
        EXPECT_NE(answer.SeenTexts().find(L"OK"), std::wstring::npos);
    }
    {
        DialogAnswerer answer(kInfoDialogTitle, L"OK");
        EXPECT_EQ(skin::ShowInfoDialog(L"Restore the default settings?", true), 1);
        EXPECT_TRUE(answer.Answered());
    }
    {
        // The standard cancel command (Escape in a system dialog) is a cancel too.
        DialogAnswerer answer(kInfoDialogTitle, L"no such button", IDCANCEL);
        EXPECT_EQ(skin::ShowInfoDialog(L"Saved.", false), 2);
    }
}

TEST(InfoDialog, ChineseCaptionsFollowTheInterfaceLanguage) {
    UiLanguage chinese;
    chinese.SetChinese(true);
    {
        // Through the notifier, as the program shows it: the captions follow its language.
        Win32Notifier notifier(chinese);
        DialogAnswerer answer(kInfoDialogTitle, L"\u53D6\u6D88", IDCANCEL, std::chrono::seconds(5),
                              ScreenshotDir() / "info_question_zh.png");
        EXPECT_EQ(notifier.ShowInfo(u"\u786E\u5B9A\u8981\u6062\u590D\u9ED8\u8BA4\u8BBE\u7F6E\u5417\uFF1F",
                                    true, false),
                  kInfoCancel);
        EXPECT_TRUE(answer.Answered());
    }
    DialogAnswerer answer(kInfoDialogTitle, L"\u786E\u5B9A (5s)", IDOK, std::chrono::seconds(4),
                          ScreenshotDir() / "info_countdown_zh.png");
    EXPECT_EQ(skin::ShowCountdownInfoDialog(L"\u53D1\u73B0KX90\u6E38\u620F\u9F20\u6807.", nullptr,
                                            PairLanguage::kChinese),
              1);
    EXPECT_TRUE(answer.Answered());
}

TEST(InfoDialog, NotifierShowsTheDialogAndReturnsItsAnswer) {
    const UiLanguage english;
    Win32Notifier notifier(english);
    DialogAnswerer answer(kInfoDialogTitle, L"OK");
    EXPECT_EQ(notifier.ShowInfo(u"Profile import finished.", false, false), kInfoOk);
    EXPECT_TRUE(answer.Answered());
}

}  // namespace
}  // namespace kx90::test

namespace kx90::test {
namespace {

// A long message with a long path wraps onto as many lines as it needs (the dialog grows when its
// lines do not fit), and the OK button moved with the dialog's bottom is still the one pressed.
TEST(InfoDialog, ALongMessageWrapsAndTheDialogGrows) {
    const std::wstring path =
        L"C:\\users\\someone with a long name\\AppData\\Local\\Temp\\NORVI\\KX90\\Profile\\Profile3.cfg";
    struct Case {
        std::wstring text;
        std::string shot;
        bool grows;
    } const cases[] = {
        {L"Cannot find the file " + path +
             L". The settings of this profile start again from the factory "
             L"settings; reinstalling the program repairs the installation.",
         "info_long_en.png", false},
        {L"\u627E\u4E0D\u5230\u6587\u4EF6 " + path +
             L"\u3002\u8BF7\u91CD\u65B0\u5B89\u88C5\u7A0B\u5E8F\u3002",
         "info_long_zh.png", false},
        {L"These files cannot be written: " + path + L", " + path + L" and " + path +
             L". Close the programs that hold them and try again.",
         "info_longest_en.png", true},
    };
    for (const Case& c : cases) {
        int height = 0;
        DialogAnswerer answer(kInfoDialogTitle, L"OK", IDOK, std::chrono::seconds(5),
                              ScreenshotDir() / c.shot);
        std::thread measure([&] {
            for (int i = 0; i < 200 && height == 0; ++i) {
                if (HWND dialog = FindWindowW(nullptr, kInfoDialogTitle)) {
                    RECT r;
                    GetWindowRect(dialog, &r);
                    height = r.bottom - r.top;
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        EXPECT_EQ(skin::ShowInfoDialog(c.text, false), 1);
        measure.join();
        EXPECT_TRUE(answer.Answered());
        EXPECT_EQ(height > 160, c.grows) << c.shot << " is " << height << " pixels high";
    }
}

}  // namespace
}  // namespace kx90::test
