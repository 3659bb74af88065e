// The fixed order of a profile write and the writer thread around it.
#include "core/device/profile_writer.h"

#include "core/platform/thread_join.h"

#include <chrono>
#include <cstring>

#include "core/buttons/function_catalogue.h"
#include "core/buttons/host_actions.h"
#include "core/device/device_protocol.h"
#include "core/i18n/ui_language.h"

namespace kx90 {
namespace {

constexpr int kProgressAfterKeyMatrix = 60;
constexpr int kProgressAfterLighting = 70;
constexpr int kProgressAfterProximity = 75;
constexpr int kProgressAfterDpi = 80;
constexpr int kProgressAfterSystem = 90;
constexpr int kProgressDone = 100;
constexpr int kProgressPerButton = 7;

uint32_t DeviceKeyCodeOf(uint32_t functionCode) {
    const FunctionRow* row = FindFunction(functionCode);
    return row != nullptr ? row->deviceKeyCode : 0;
}

uint32_t MacroEntry(int macroNumber, int wordCount) {
    // Bytes 09 00 m w, least significant first.
    return 0x09u | (static_cast<uint32_t>(macroNumber & 0xFF) << 16) |
           (static_cast<uint32_t>(wordCount & 0xFF) << 24);
}

// The button's macro in slot order, when it has one worth uploading.
const MacroRecord* ButtonMacro(const MacroLibrary& macros, uint32_t liveMacroId) {
    // Identifier 0 is "no macro": free slots carry it too, and must never be uploaded.
    if (liveMacroId == 0) {
        return nullptr;
    }
    const std::optional<int> slot = macros.FindMacro(liveMacroId);
    if (!slot) {
        return nullptr;
    }
    const MacroRecord& record = macros.Slot(*slot);
    return record.recordSize != 0 ? &record : nullptr;
}

}  // namespace

std::u16string_view WriteFailureText(int code) {
    switch (code) {
        case kFailKeyMatrix: return u"write mousekey metix fail.\n";
        case kFailLedColor: return u"Write mouse LED color failed.\n";
        case kFailEffect: return u"Write mouse effect failed.\n";
        case kFailMultiColors: return u"Write LED color123 failed.\n";
        case kFailProximity: return u"Write mouse touch failed.\n";
        case kFailDpiTable: return u"Write mouse DPI failed.\n";
        default: return u"";
    }
}

uint32_t BasicKeyMatrixEntry(const ButtonAssignment& button, int buttonIndex) {
    switch (button.functionCode) {
        case kFunctionKeyCombo:
            return button.keyCode;
        case kFunctionHostAction:
            // The mouse keeps its plain button; the program runs the action on the computer.
            return DeviceKeyCodeOf(kButtonOrder[static_cast<size_t>(buttonIndex)].defaultCode);
        default:
            return DeviceKeyCodeOf(button.functionCode);
    }
}

int WriteProfileOnce(const ProfileWriterParts& p, const std::atomic<int>* runFlag) {
    const auto stopped = [runFlag] { return runFlag != nullptr && runFlag->load() == 0; };
    const ProfileRecord& r = p.liveRecord;
    std::array<uint32_t, kKeyMatrixEntries> matrix{};
    int macroNumber = 1;

    for (int i = 0; i < kButtonCount; ++i) {
        if (stopped()) {
            return kWriteStopped;
        }
        const ButtonOrderRow& order = kButtonOrder[static_cast<size_t>(i)];
        const ButtonAssignment& b = r.buttons[i];
        p.hooks.RemoveHostAction(order.hostEventCode);
        p.sink.Progress(kProgressPerButton * i);

        uint32_t entry = 0;
        if (b.functionCode == kFunctionMacro) {
            if (const MacroRecord* macro = ButtonMacro(p.macros, p.liveMacroIds[static_cast<size_t>(i)])) {
                const std::span<const MacroEvent> events = StoredEvents(*macro);
                const MacroEventsView view{
                    std::span<const uint32_t>(reinterpret_cast<const uint32_t*>(events.data()), events.size()),
                    macro->repeatCount};
                const int words = p.driver.WriteMacro(macroNumber, &view);
                p.clock.SleepMs(kAfterMacroPauseMs);
                entry = MacroEntry(macroNumber, words);
                ++macroNumber;
            }
        } else if (b.functionCode == kFunctionHostAction) {
            // Never for the left button: the hook would swallow every left click and the action
            // could not run for it anyway.
            if (order.hostEventCode != kMsgLButtonDown) {
                p.hooks.AddHostAction(order.hostEventCode);
            }
            entry = BasicKeyMatrixEntry(b, i);
        } else if (b.functionCode == kFunctionKeyCombo || FindFunction(b.functionCode) != nullptr) {
            entry = BasicKeyMatrixEntry(b, i);
        } else {
            continue;  // unknown code: the slot stays empty
        }
        matrix[static_cast<size_t>(order.keyMatrixEntry)] = entry;
        p.clock.SleepMs(kButtonPauseMs);
    }

    if (stopped()) {
        return kWriteStopped;
    }
    matrix[3] = kKeyMatrixFixedEntry3;
    uint8_t matrixBytes[kKeyMatrixBytes];
    std::memcpy(matrixBytes, matrix.data(), sizeof matrixBytes);  // little-endian entries
    if (!p.driver.WriteKeyMatrix(matrixBytes, kKeyMatrixBytes)) {
        return kFailKeyMatrix;
    }
    p.sink.Progress(kProgressAfterKeyMatrix);

    if (stopped()) {
        return kWriteStopped;
    }
    if (!p.driver.WriteLedColor(r.colors[3])) {
        return kFailLedColor;
    }
    const LightingEffect effect = LightingEffectOf(r);
    if (!p.driver.WriteLightingEffect(effect.mode, effect.p1, effect.p2)) {
        return kFailEffect;
    }
    if (r.lightingMode == kLightingMultiColor && r.multiColorOn == 1) {
        const auto payload = BuildMultiColorPayload(std::span<const uint32_t, 3>(r.colors, 3));
        if (!p.driver.WriteMultiColors(payload.data(), kMultiColorBytes)) {
            return kFailMultiColors;
        }
    }
    p.sink.Progress(kProgressAfterLighting);

    if (stopped()) {
        return kWriteStopped;
    }
    if (!p.driver.WriteProximitySensing(r.proximitySensing == 1 ? 1 : 0, r.lightingMode)) {
        return kFailProximity;
    }
    p.sink.Progress(kProgressAfterProximity);

    if (stopped()) {
        return kWriteStopped;
    }
    const DpiTable dpi = BuildDpiTable(std::span<const uint32_t, kDpiLevelCount>(r.dpiLevels, kDpiLevelCount));
    if (!p.driver.WriteDpiTable(dpi.bytes.data(), kDpiTableBytes)) {
        return kFailDpiTable;
    }
    p.driver.SelectDpiLevel(SelectedDpiLevel(dpi.usedLevels));
    p.sink.Progress(kProgressAfterDpi);

    if (stopped()) {
        return kWriteStopped;
    }
    ApplySystemSettings(r, p.host);
    p.sink.Progress(kProgressAfterSystem);

    if (stopped()) {
        return kWriteStopped;
    }
    p.driver.WriteReportRate(static_cast<int>(r.reportRate));
    p.sink.Progress(kProgressDone);
    p.clock.SleepMs(kFinishPauseMs);
    return kWriteDone;
}

ApplyChoice DecideApply(const ProfileRecord& live, Notifier& notifier, PairLanguage language) {
    if (IsValid(live)) {
        return ApplyChoice::kWrite;
    }
    // One line of the info dialog: short enough for its 215-pixel message box in both languages.
    const std::u16string question = PickByLanguage<std::u16string>(
        language,
        u"\u914D\u7F6E\u5DF2\u635F\u574F\uFF0C\u6062\u590D\u9ED8\u8BA4\u8BBE\u7F6E\uFF1F",
        u"Profile damaged. Restore defaults?");
    return notifier.ShowInfo(question, true) == kInfoOk ? ApplyChoice::kRestoreDefaults
                                                        : ApplyChoice::kNothing;
}

ProfileWriter::ProfileWriter(ProfileWriterParts parts, ManualResetEvent& applyEvent, std::atomic<int>& writeIdle)
    : parts_(parts), applyEvent_(applyEvent), writeIdle_(writeIdle) {}

ProfileWriter::~ProfileWriter() {
    runFlag_ = 0;
    applyEvent_.Set();
    if (thread_.joinable()) {
        thread_.join();
    }
}

void ProfileWriter::Start() {
    if (thread_.joinable()) {
        return;
    }
    runFlag_ = 1;
    running_ = true;
    thread_ = std::thread([this] { Run(); });
}

bool ProfileWriter::Stop(uint32_t maxWaitMs) {
    if (!thread_.joinable()) {
        return true;
    }
    runFlag_ = 0;
    applyEvent_.Set();
    return JoinWithin(thread_, running_, maxWaitMs);
}

void ProfileWriter::Run() {
    while (runFlag_) {
        applyEvent_.Wait();
        if (!runFlag_) {
            break;
        }
        applyEvent_.Reset();
        writeIdle_ = 0;
        parts_.clock.SleepMs(kWriteStartPauseMs);
        parts_.sink.BeginWrite();
        if (!parts_.sink.MainWindowAlive()) {
            parts_.sink.CloseProgress();
            break;
        }
        const int result = WriteProfileOnce(parts_, &runFlag_);
        if (result == kWriteStopped) {
            break;  // the program is closing: nobody waits for the outcome
        }
        if (result == kWriteDone) {
            parts_.sink.Succeeded();
        } else {
            parts_.sink.Failed(result);
        }
    }
    running_ = false;
}

}  // namespace kx90
