// The profile writer against the virtual mouse: order, key matrix, macro numbering, host actions,
// progress, failures, and the thread's life.
#include "core/device/profile_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "core/device/virtual_mouse.h"
#include "support/device_fakes.h"
#include "support/fakes.h"
#include "support/host_fakes.h"
#include "support/temp_dir.h"

namespace kx90 {
namespace {

// Records what the writer reports; safe to read from the test thread while the writer runs.
class RecordingWriteSink final : public WriteSink {
public:
    void BeginWrite() override { Add("begin"); }
    bool MainWindowAlive() override { return mainWindowAlive; }
    void Progress(int percent) override { Add(std::to_string(percent)); }
    void Succeeded() override { Add("ok"); }
    void Failed(int code) override { Add("fail " + std::to_string(code)); }
    void CloseProgress() override { Add("close progress"); }

    std::vector<std::string> Events() {
        std::lock_guard<std::mutex> lock(mutex_);
        return events_;
    }
    bool mainWindowAlive = true;

private:
    void Add(std::string e) {
        std::lock_guard<std::mutex> lock(mutex_);
        events_.push_back(std::move(e));
    }
    std::mutex mutex_;
    std::vector<std::string> events_;
};

MacroRecord Macro(uint32_t id, std::initializer_list<uint32_t> events) {
    MacroRecord r{};
    r.recordSize = 4100 + 4 * static_cast<uint32_t>(events.size());
    r.marker = kMacroMarker;
    r.id = id;
    r.repeatCount = 1;
    for (uint32_t e : events) {
        r.events[r.eventCount++] = MacroEvent{e};
    }
    return r;
}

class ProfileWriterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetToDefaults(record_);
        ASSERT_EQ(driver_.Open(), 1);
    }

    int Write() {
        mouse_.ClearTranscript();
        return WriteProfileOnce(Parts());
    }
    ProfileWriterParts Parts() {
        return {driver_, clock_, record_, macroIds_, macros_, hooks_, host_, sink_};
    }
    std::vector<uint8_t> SentCommands() const {
        std::vector<uint8_t> commands;
        for (const VirtualMouseReport& r : mouse_.Transcript()) {
            if (r.kind == VirtualMouseReport::Kind::kSetFeature) {
                commands.push_back(r.bytes[1]);
            }
        }
        return commands;
    }

    const UiLanguage english_;
    test::TempDir dir_;
    test::FakeClock clock_;
    test::RecordingNotifier notifier_;
    test::FakeDriverHost driverHost_;
    VirtualMouse mouse_{clock_};
    CUSBDriver driver_{mouse_, clock_, driverHost_};
    MacroLibrary macros_{dir_.path(), notifier_, english_, clock_};
    ProfileRecord record_{};
    std::array<uint32_t, kButtonCount> macroIds_{};
    HookManager hooks_;
    test::RecordingHostSystem host_;
    RecordingWriteSink sink_;
};

TEST_F(ProfileWriterTest, DefaultRecordIsSentInOrderWithItsProgress) {
    ASSERT_EQ(Write(), -1);
    const std::array<uint32_t, 16> expected{0x00F00001, 0x00F10001, 0x00F20001, 0x00030007, 0x00F30001, 0x00F40001,
                                            0, 0, 0, 0, 0, 0, 0, 0, 0x00010004, 0x00020004};
    const VirtualMouseState state = mouse_.State();
    EXPECT_EQ(state.keyMatrix, expected);
    // Multi-colour mode with cycling off: no colour table is sent.
    EXPECT_EQ(SentCommands(), (std::vector<uint8_t>{0x12, 0x0C, 0x0D, 0x03, 0x11, 0x0B, 0x01}));
    EXPECT_EQ(state.effectMode, 5);
    EXPECT_EQ(state.selectedDpiLevel, 3);
    EXPECT_EQ(state.reportRate, 1);
    EXPECT_EQ(sink_.Events(), (std::vector<std::string>{"0", "7", "14", "21", "28", "35", "42", "60", "70", "75",
                                                        "80", "90", "100"}));
    EXPECT_EQ(host_.calls, (std::vector<std::string>{"mouse 0,0,0", "speed 10", "wheel 3"}));
    EXPECT_GE(clock_.TotalSleptMs(), 7u * kButtonPauseMs + kFinishPauseMs);
    EXPECT_EQ(clock_.sleeps.back(), kFinishPauseMs);
}

TEST_F(ProfileWriterTest, MacrosAreNumberedInButtonOrderWhateverTheirIds) {
    ASSERT_TRUE(macros_.StoreMacro(Macro(0x02000777, {0xC0000041, 0xE0000041})));
    ASSERT_TRUE(macros_.StoreMacro(Macro(0x01000123, {0xC0000042, 0xA0000010, 0xE0000042})));
    record_.buttons[kButtonRight].functionCode = kFunctionMacro;
    macroIds_[kButtonRight] = 0x02000777;
    record_.buttons[kButtonBack].functionCode = kFunctionMacro;
    macroIds_[kButtonBack] = 0x01000123;
    record_.buttons[kButtonForward].functionCode = kFunctionMacro;
    macroIds_[kButtonForward] = 0x05000999;  // no such macro: its slot stays empty, no number used
    record_.buttons[kButtonMiddle].functionCode = kFunctionMacro;  // identifier 0: never a macro

    ASSERT_EQ(Write(), -1);
    const VirtualMouseState state = mouse_.State();
    ASSERT_EQ(state.macros.size(), 2u);
    EXPECT_TRUE(state.macros.count(1) && state.macros.count(2));
    EXPECT_EQ(state.keyMatrix[1] & 0x00FFFFFF, 0x00010009u) << "right button: macro 1";
    EXPECT_EQ(state.keyMatrix[4] & 0x00FFFFFF, 0x00020009u) << "back button: macro 2";
    EXPECT_NE(state.keyMatrix[1] >> 24, 0u) << "word count in the top byte";
    EXPECT_EQ(state.keyMatrix[5], 0u) << "forward: unknown macro";
    EXPECT_EQ(state.keyMatrix[2], 0u) << "middle: identifier 0";
}

TEST_F(ProfileWriterTest, HostActionButtonsKeepTheirDefaultAndArmTheHook) {
    record_.buttons[kButtonBack].functionCode = kFunctionHostAction;
    record_.buttons[kButtonBack].actionKind = kActionOpenFolder;
    record_.buttons[kButtonLeft].functionCode = kFunctionHostAction;
    ASSERT_EQ(Write(), -1);
    EXPECT_EQ(mouse_.State().keyMatrix[4], 0x00F30001u) << "sent as the plain back button";
    EXPECT_TRUE(hooks_.IsHostAction(0x1020B));
    EXPECT_FALSE(hooks_.IsHostAction(0x201)) << "left clicks are never swallowed";
    EXPECT_EQ(mouse_.State().keyMatrix[0], 0x00F00001u);

    record_.buttons[kButtonBack].functionCode = 16;
    ASSERT_EQ(Write(), -1);
    EXPECT_FALSE(hooks_.IsHostAction(0x1020B)) << "removed at the next write";
}

TEST_F(ProfileWriterTest, KeyCombinationsAndUnknownCodesFillTheirSlots) {
    record_.buttons[kButtonForward].functionCode = kFunctionKeyCombo;
    record_.buttons[kButtonForward].keyCode = 0x00060100;  // Ctrl + C
    record_.buttons[kButtonWheelUp].functionCode = 9999;
    ASSERT_EQ(Write(), -1);
    EXPECT_EQ(mouse_.State().keyMatrix[5], 0x00060100u);
    EXPECT_EQ(mouse_.State().keyMatrix[14], 0u);
}

TEST_F(ProfileWriterTest, EachFailedStepReportsItsCodeAndNothingAfterIt) {
    struct Case {
        uint8_t command;
        int code;
        const char16_t* text;
        std::vector<std::string> progressTail;  // last progress reports before the failure
    };
    const Case cases[] = {
        {0x12, kFailKeyMatrix, u"write mousekey metix fail.\n", {"42"}},
        {0x0C, kFailLedColor, u"Write mouse LED color failed.\n", {"42", "60"}},
        {0x0D, kFailEffect, u"Write mouse effect failed.\n", {"42", "60"}},
        {0x09, kFailMultiColors, u"Write LED color123 failed.\n", {"42", "60"}},
        {0x03, kFailProximity, u"Write mouse touch failed.\n", {"60", "70"}},
        {0x11, kFailDpiTable, u"Write mouse DPI failed.\n", {"70", "75"}},
    };
    record_.multiColorOn = 1;
    for (const Case& c : cases) {
        RecordingWriteSink sink;
        mouse_.FailCommand(c.command);
        ProfileWriterParts parts{driver_, clock_, record_, macroIds_, macros_, hooks_, host_, sink};
        EXPECT_EQ(WriteProfileOnce(parts), c.code);
        EXPECT_EQ(WriteFailureText(c.code), c.text);
        const std::vector<std::string> events = sink.Events();
        ASSERT_GE(events.size(), c.progressTail.size());
        EXPECT_EQ(std::vector<std::string>(events.end() - static_cast<ptrdiff_t>(c.progressTail.size()), events.end()),
                  c.progressTail)
            << "command " << int(c.command);
        EXPECT_TRUE(host_.calls.empty()) << "pointer settings come after every checked step";
    }
    mouse_.FailCommand(std::nullopt);
}

TEST_F(ProfileWriterTest, ThreadWritesOnApplyAndEndsWhenStopped) {
    ManualResetEvent apply;
    std::atomic<int> writeIdle{1};
    ProfileWriter writer(Parts(), apply, writeIdle);
    writer.Start();

    apply.Set();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline &&
           (sink_.Events().empty() || sink_.Events().back() != "ok")) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_FALSE(sink_.Events().empty());
    EXPECT_EQ(sink_.Events().front(), "begin");
    EXPECT_EQ(sink_.Events().back(), "ok");
    EXPECT_EQ(writeIdle.load(), 0) << "the main window sets it back when the outcome arrives";
    EXPECT_FALSE(apply.IsSet());

    EXPECT_TRUE(writer.Stop(1000)) << "a waiting thread ends within the shutdown pause";
    EXPECT_FALSE(writer.Running());
}

TEST_F(ProfileWriterTest, ThreadClosesTheProgressWindowWhenTheMainWindowIsGone) {
    ManualResetEvent apply;
    std::atomic<int> writeIdle{1};
    sink_.mainWindowAlive = false;
    ProfileWriter writer(Parts(), apply, writeIdle);
    writer.Start();
    apply.Set();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (writer.Running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(writer.Running());
    EXPECT_EQ(sink_.Events(), (std::vector<std::string>{"begin", "close progress"}));
    EXPECT_TRUE(mouse_.Transcript().empty() || SentCommands().empty());
}

// Everything a writer thread uses, on the heap and destroyed right after the writer (as the program
// does at exit), so a thread that outlived its writer would touch freed memory, which ASan reports.
// The real clock and slow data reports make a write last seconds.
struct WriterRig {
    WriterRig() {
        ResetToDefaults(record);
        driver.Open();
        mouse.LeaveWritesPending(400);
    }
    ProfileWriterParts Parts() {
        return {driver, SystemClock(), record, macroIds, macros, hooks, host, sink};
    }

    test::TempDir dir;
    test::RecordingNotifier notifier;
    test::FakeDriverHost driverHost;
    VirtualMouse mouse{SystemClock()};
    CUSBDriver driver{mouse, SystemClock(), driverHost};
    const UiLanguage english;
    MacroLibrary macros{dir.path(), notifier, english, SystemClock()};
    ProfileRecord record{};
    std::array<uint32_t, kButtonCount> macroIds{};
    HookManager hooks;
    test::RecordingHostSystem host;
    RecordingWriteSink sink;
    ManualResetEvent apply;
    std::atomic<int> writeIdle{1};
    std::optional<ProfileWriter> writer;  // last, so it goes first
};

TEST(ProfileWriterLife, DestroyingTheWriterMidWriteEndsItsThreadAtTheNextStep) {
    auto rig = std::make_unique<WriterRig>();
    rig->writer.emplace(rig->Parts(), rig->apply, rig->writeIdle);
    rig->writer->Start();
    rig->apply.Set();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (rig->sink.Events().size() < 3 && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    ASSERT_GE(rig->sink.Events().size(), 3u) << "the write has begun";

    const auto start = std::chrono::steady_clock::now();
    rig->writer.reset();
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::milliseconds(500)) << "the write stops at its next step";
    const std::vector<std::string> events = rig->sink.Events();
    EXPECT_NE(events.back(), "ok") << "a stopped write reports no outcome";
    EXPECT_TRUE(std::find(events.begin(), events.end(), "100") == events.end());
    rig.reset();
    // A thread left running would use the freed parts within this pause.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
}

TEST(ApplyDecision, OnlyAProfileIsSentAndADamagedOneOffersTheDefaults) {
    ProfileRecord good{};
    ResetToDefaults(good);
    ProfileRecord damaged = good;
    damaged.magic = 0x80800286;  // a file that failed to load leaves its bytes in the live record
    const ProfileRecord zeroed{};
    constexpr const char16_t* kEnglish = u"Profile damaged. Restore defaults?";
    constexpr const char16_t* kChinese =
        u"\u914D\u7F6E\u5DF2\u635F\u574F\uFF0C\u6062\u590D\u9ED8\u8BA4\u8BBE\u7F6E\uFF1F";
    struct Row {
        const char* what;
        const ProfileRecord* record;
        bool chinese;
        int answer;
        ApplyChoice expected;
        const char16_t* question;  // null: nothing is asked
    };
    const Row rows[] = {
        {"a profile is sent without a question", &good, false, kInfoCancel, ApplyChoice::kWrite, nullptr},
        {"damaged, the user takes the defaults", &damaged, false, kInfoOk, ApplyChoice::kRestoreDefaults,
         kEnglish},
        {"damaged, the user declines", &damaged, false, kInfoCancel, ApplyChoice::kNothing, kEnglish},
        {"a record that never held a profile", &zeroed, false, kInfoCancel, ApplyChoice::kNothing, kEnglish},
        {"the question follows the interface language", &damaged, true, kInfoOk,
         ApplyChoice::kRestoreDefaults, kChinese},
    };
    for (const Row& row : rows) {
        test::RecordingNotifier notifier;
        notifier.answer = row.answer;
        const PairLanguage language = row.chinese ? PairLanguage::kChinese : PairLanguage::kEnglish;
        EXPECT_EQ(DecideApply(*row.record, notifier, language), row.expected) << row.what;
        if (row.question == nullptr) {
            EXPECT_TRUE(notifier.shown.empty()) << row.what;
            continue;
        }
        ASSERT_EQ(notifier.shown.size(), 1u) << row.what;
        const test::RecordingNotifier::Shown& shown = notifier.shown.front();
        EXPECT_EQ(shown.text, row.question) << row.what;
        EXPECT_TRUE(shown.infoDialog && shown.twoButtons && !shown.countdown) << row.what;
    }
}

}  // namespace
}  // namespace kx90
