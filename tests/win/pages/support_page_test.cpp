// The support page in the running main window with a loopback update server: the installed and
// the online firmware offers, the time-out and its late answer, one check for two presses, a cut
// image, the restore question, and profile import and export through the file dialogs' seam.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <mutex>
#include <optional>
#include <vector>

#include "app/main_window_fixture.h"
#include "core/pages/firmware_check.h"
#include "support/gui_harness.h"
#include "support/loopback_http.h"
#include "win/pages/lighting_page.h"
#include "win/pages/support_page.h"

namespace kx90::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

constexpr int kSupportTab = 5;
constexpr char kDescriptionPath[] = "/software/KX90/update.xml";

std::string Description(const std::string& current, const std::string& newFile) {
    return "<?xml version=\"1.0\"?>\n<update><firmware><current>" + current + "</current><newfile>" +
           newFile + "</newfile></firmware></update>\n";
}

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class QueuedPaths final : public PathChooser {
public:
    std::deque<std::optional<std::u16string>> answers;
    std::optional<std::u16string> Choose(const PathPicker&) override {
        if (answers.empty()) {
            return std::nullopt;
        }
        std::optional<std::u16string> answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

// Answers the next info dialogs one after the other with OK (a dialog may open while the test
// thread sits in another window's modal loop), recording their texts. Every wait is bounded.
class InfoSequence {
public:
    InfoSequence(int count, std::chrono::milliseconds timeout)
        : thread_([this, count, timeout] {
              for (int i = 0; i < count; ++i) {
                  InfoAnswerer one(timeout);
                  const std::wstring text = one.Text();
                  if (text.empty()) {
                      break;
                  }
                  std::lock_guard<std::mutex> lock(mutex_);
                  texts_.push_back(text);
              }
              done_ = true;
          }) {}
    ~InfoSequence() { thread_.join(); }
    bool Done() const { return done_; }
    std::vector<std::wstring> Texts() {
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

private:
    std::mutex mutex_;
    std::vector<std::wstring> texts_;
    std::atomic<bool> done_{false};
    std::thread thread_;
};

class SupportPageTest : public MainWindowTest {
protected:
    bool LaunchOnPage(MainWindowSetup setup = {}) {
        if (server_.Running() && setup.updateServer.empty()) {
            setup.updateServer = server_.BaseAddress();
        }
        setup.paths = &paths_;
        if (!Launch(setup)) {
            return false;
        }
        Click(Window().TabButton(kSupportTab));
        PumpFor(milliseconds(100));
        return Page().ButtonWindow(pages::CDlgSupport::kUpdate) != nullptr;
    }
    pages::CDlgSupport& Page() { return *Window().PageOf<pages::CDlgSupport>(); }
    ProfileRecord& Record() { return State().profiles.LiveRecord(); }
    std::filesystem::path Image() { return Install() / "FWUpdate" / "new_version" / "NorviGameDevice.bin"; }
    void PressUpdate() { Click(Page().ButtonWindow(pages::CDlgSupport::kUpdate)); }
    // Keeps the window's messages flowing (answers arrive by message) until the answerer is done.
    std::wstring Answered(InfoAnswerer& answerer) {
        PumpUntil([&] { return answerer.Done(); }, seconds(20));
        return answerer.Text();
    }

    LoopbackHttpServer server_;
    QueuedPaths paths_;
};

TEST_F(SupportPageTest, TheInstalledDescriptionOffersWithoutTheNetwork) {
    ASSERT_TRUE(server_.Running());
    ASSERT_TRUE(LaunchOnPage());
    EXPECT_EQ(Page().FirmwareVersionText(), L"15");
    std::ofstream(Install() / "FWUpdate" / "new_version" / "update.xml", std::ios::binary)
        << Description("16", "");
    std::ofstream(Image(), std::ios::binary) << "image";
    InfoAnswerer question(seconds(10));
    PressUpdate();
    EXPECT_EQ(Answered(question),
              L"A new version of firmware is available for the gaming mouse, whether to update or not?");
    EXPECT_TRUE(PumpUntil([&] { return !Window().Running(); }, seconds(5))) << "the flasher takes over";
    EXPECT_EQ(server_.Requests(kDescriptionPath), 0);
}

TEST_F(SupportPageTest, AnOnlineOfferDownloadsTheWholeImageThenHandsOver) {
    const std::string image(200 * 1024, '\x5A');
    server_.Serve("/fw/KX90_16.bin", {.body = image});
    server_.Serve(kDescriptionPath, {.body = Description("16", server_.BaseAddress() + "/fw/KX90_16.bin")});
    ASSERT_TRUE(LaunchOnPage());
    InfoAnswerer question(seconds(10));
    PressUpdate();
    EXPECT_EQ(Answered(question),
              L"A new version of firmware is available for the gaming mouse, whether to update or not?");
    EXPECT_TRUE(PumpUntil([&] { return !Window().Running(); }, seconds(15))) << "the flasher takes over";
    EXPECT_EQ(ReadAll(Image()), image);
    EXPECT_EQ(server_.Requests("/fw/KX90_16.bin"), 1);
}

TEST_F(SupportPageTest, ASlowServerTimesOutOnceAndItsLateOfferIsIgnored) {
    server_.Serve(kDescriptionPath, {.body = Description("16", ""), .delay = milliseconds(3500)});
    ASSERT_TRUE(LaunchOnPage());
    const auto pressed = std::chrono::steady_clock::now();
    InfoAnswerer timeOut(seconds(10));
    PressUpdate();
    PressUpdate();  // a check runs: the second press starts nothing
    EXPECT_EQ(Answered(timeOut), L"Cannot reach the update server. Please try again later.");
    EXPECT_GE(std::chrono::steady_clock::now() - pressed, milliseconds(1900));
    // The late answer offers 16: nothing may be asked.
    InfoAnswerer late(seconds(3));
    EXPECT_EQ(Answered(late), L"");
    EXPECT_EQ(server_.Requests(kDescriptionPath), 1);
}

TEST_F(SupportPageTest, FailedDownloadsSayWhatFailedAndLeaveNoFiles) {
    const std::filesystem::path installed = "FWUpdate/new_version/update.xml";
    server_.Serve(kDescriptionPath, {.status = 500});
    ASSERT_TRUE(LaunchOnPage());
    std::ofstream(Install() / installed, std::ios::binary) << Description("15", "");
    {
        InfoAnswerer unreachable(seconds(10));
        PressUpdate();
        EXPECT_EQ(Answered(unreachable), L"Cannot reach the update server. Please try again later.");
    }
    EXPECT_EQ(ReadAll(Install() / installed), Description("15", "")) << "the installed description stays";

    server_.Serve("/fw/cut.bin", {.body = std::string(64 * 1024, 'x'), .cutOff = true});
    server_.Serve(kDescriptionPath, {.body = Description("16", server_.BaseAddress() + "/fw/cut.bin")});
    PumpUntil([&] { return Page().Check().Idle(); }, seconds(3));
    InfoSequence answers(2, seconds(40));
    PressUpdate();
    PumpUntil([&] { return answers.Done(); }, seconds(60));
    const std::vector<std::wstring> texts = answers.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1], L"New-version firmware download failed.");
    PumpFor(milliseconds(200));
    EXPECT_TRUE(Window().Running());
    EXPECT_FALSE(std::filesystem::exists(Image()));
    for (const auto& entry : std::filesystem::directory_iterator(Install() / "FWUpdate" / "new_version")) {
        EXPECT_EQ(entry.path().filename(), "update.xml") << "left behind: " << entry.path();
    }
}

TEST_F(SupportPageTest, RestoreAsksFirstAndImportShowsTheProfileAtOnce) {
    ASSERT_TRUE(LaunchOnPage());
    Record().lightingMode = 2;
    {
        InfoAnswerer cancel(seconds(10), IDCANCEL);
        Click(Page().ButtonWindow(pages::CDlgSupport::kRestore));
        EXPECT_EQ(Answered(cancel), L"Do you want to restore the default setting?");
    }
    PumpFor(milliseconds(300));
    EXPECT_EQ(Record().lightingMode, 2u) << "a cancelled restore changes nothing";

    // Export the edited record, change it, import the file back: the lighting page shows it.
    const std::filesystem::path file = Install() / "mine.cfg";
    paths_.answers = {file.u16string(), file.u16string(), (Install() / "Language.cfg").u16string()};
    {
        DialogAnswerer info(L"Info", L"OK");
        Click(Page().ButtonWindow(pages::CDlgSupport::kExport));
        EXPECT_TRUE(info.Answered());
        EXPECT_NE(info.SeenTexts().find(L"mine.cfg export success!"), std::wstring::npos) << info.SeenTexts();
    }
    Click(Window().TabButton(2));  // the lighting page is made
    Click(Window().TabButton(kSupportTab));
    Record().lightingMode = 6;
    {
        DialogAnswerer info(L"Info", L"OK");
        Click(Page().ButtonWindow(pages::CDlgSupport::kImport));
        EXPECT_TRUE(info.Answered());
        EXPECT_NE(info.SeenTexts().find(L"mine.cfg import success!"), std::wstring::npos) << info.SeenTexts();
    }
    PumpFor(milliseconds(200));
    EXPECT_EQ(Record().lightingMode, 2u);
    EXPECT_TRUE(Window().PageOf<pages::CDlgLEDSet>()->View().modes[1]) << "the page shows the import at once";
    {
        DialogAnswerer info(L"Info", L"OK");
        Click(Page().ButtonWindow(pages::CDlgSupport::kImport));  // Language.cfg: 4 bytes, no magic
        EXPECT_TRUE(info.Answered());
        EXPECT_NE(info.SeenTexts().find(L"Language.cfg is an invaild Profile!"), std::wstring::npos)
            << info.SeenTexts();
    }
    EXPECT_EQ(Record().lightingMode, 2u);
}

TEST_F(SupportPageTest, Screenshots) {
    for (const int32_t language : {2, 1}) {
        ASSERT_TRUE(LaunchOnPage({.languageIndex = language, .installedLanguages = true}));
        ParkPointer();
        PumpFor(milliseconds(300));
        std::filesystem::create_directories(ScreenshotDir());
        EXPECT_TRUE(CaptureWindowToPng(
            Window().hwnd(),
            ScreenshotDir() / (language == 2 ? "support_page_en.png" : "support_page_zh.png")));
        Close();
    }
}

}  // namespace
}  // namespace kx90::test
