// Advanced actions run for host events, and the pointer settings applied to Windows.
#include "core/buttons/host_actions.h"

#include <gtest/gtest.h>

#include "support/host_fakes.h"

namespace kx90 {
namespace {

using test::RecordingHostSystem;

ProfileRecord Defaults() {
    ProfileRecord r;
    ResetToDefaults(r);
    return r;
}

void Assign(ProfileRecord& r, int button, uint32_t kind, std::u16string_view path) {
    r.buttons[button].functionCode = kFunctionHostAction;
    r.buttons[button].actionKind = kind;
    SetFieldText(r.buttons[button].actionPath, path);
}

TEST(RunHostAction, RunsTheButtonsActionAfterForwardingToStatistics) {
    ProfileRecord r = Defaults();
    Assign(r, kButtonBack, kActionOpenFolder, u"C:\\My Games");
    Assign(r, kButtonForward, kActionOpenFile, u"C:\\notes.txt");
    Assign(r, kButtonWheelDown, kActionPlaySound, u"C:\\a b.wav");
    Assign(r, kButtonMiddle, kActionStartProgram, u"C:\\Program Files\\tool.exe");
    Assign(r, kButtonRight, kActionOpenFile, u"");  // empty path: withheld, nothing runs
    Assign(r, kButtonLeft, kActionStartProgram, u"C:\\x.exe");

    struct Case {
        uint32_t code;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0x1020B, {"open \"C:\\My Games\""}},   // folder with a space: quoted
        {0x2020B, {"open C:\\notes.txt"}},      // no space: as it is
        {0x20A00, {"sound C:\\a b.wav"}},       // sounds are never quoted
        {0x207, {"open C:\\Program Files\\tool.exe"}},  // programs are never quoted
        {0x204, {}},
        {0x201, {}},      // the left button never runs an action
        {0x20A01, {}},    // wheel up keeps its default function
        {0x12345, {}},
    };
    for (const Case& c : cases) {
        RecordingHostSystem host;
        std::vector<std::pair<uint32_t, uint32_t>> forwarded;
        RunHostAction(c.code, 7, r, host, [&](uint32_t code, uint32_t l) { forwarded.push_back({code, l}); });
        EXPECT_EQ(host.calls, c.calls) << std::hex << c.code;
        ASSERT_EQ(forwarded.size(), 1u) << "statistics count every event";
        EXPECT_EQ(forwarded[0], (std::pair<uint32_t, uint32_t>{c.code, 7}));
    }
}

TEST(RunHostAction, UnknownActionKindRunsNothing) {
    ProfileRecord r = Defaults();
    Assign(r, kButtonBack, 0x55, u"C:\\x");
    RecordingHostSystem host;
    RunHostAction(0x1020B, 0, r, host, nullptr);
    EXPECT_TRUE(host.calls.empty());
}

TEST(ApplySystemSettings, SetsPrecisionSpeedAndScrollLinesInOrder) {
    struct Case {
        uint32_t precision;
        uint32_t speed;
        int32_t lines;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {0, 10, 3, {"mouse 0,0,0", "speed 10", "wheel 3"}},
        {1, 20, kScrollOneScreen, {"mouse 6,10,1", "speed 20", "wheel -1"}},
    };
    for (const Case& c : cases) {
        ProfileRecord r = Defaults();
        r.enhancePrecision = c.precision;
        r.pointerSpeed = c.speed;
        r.scrollLines = c.lines;
        RecordingHostSystem host;
        ApplySystemSettings(r, host);
        EXPECT_EQ(host.calls, c.calls);
    }
}

}  // namespace
}  // namespace kx90
