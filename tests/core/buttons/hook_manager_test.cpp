// Hook decisions: what the mouse hook reports and withholds, and where reports go.
#include "core/buttons/hook_manager.h"

#include <gtest/gtest.h>

#include <vector>

namespace kx90 {
namespace {

constexpr uint32_t kWheelAway = 120u << 16;                        // +120 delta
constexpr uint32_t kWheelToward = static_cast<uint32_t>(-120) << 16;  // -120 delta
constexpr uint32_t kXButton1 = 1u << 16;
constexpr uint32_t kXButton2 = 2u << 16;

struct Step {
    uint32_t message;
    uint32_t mouseData;
    bool withhold;
    std::vector<HookPost> posts;  // what reaches the capture target, in order
};

void Expect(HookManager& hooks, const std::vector<Step>& steps, const char* scenario) {
    for (size_t i = 0; i < steps.size(); ++i) {
        const Step& s = steps[i];
        const MouseHookDecision d = hooks.OnMouseEvent(s.message, s.mouseData);
        EXPECT_EQ(d.withhold, s.withhold) << scenario << ", step " << i;
        ASSERT_EQ(d.postCount, static_cast<int>(s.posts.size())) << scenario << ", step " << i;
        for (int k = 0; k < d.postCount; ++k) {
            EXPECT_EQ(d.posts[k].message, s.posts[k].message) << scenario << ", step " << i << " post " << k;
            EXPECT_EQ(d.posts[k].wParam, s.posts[k].wParam) << scenario << ", step " << i << " post " << k;
            EXPECT_EQ(d.posts[k].lParam, 0u);
        }
    }
}

HookPost Host(uint32_t code) { return {kHostEventMessage, code, 0}; }
HookPost Key(uint32_t code) { return {kKeyCaptureMessage, code, 0}; }

TEST(HookManager, PlainEventsAreReportedForwardedAndPassedOn) {
    HookManager hooks;
    hooks.OnHooksInstalled(0x1234);
    Expect(hooks,
        {
            {kMsgLButtonDown, 0, false, {Host(0x201), Key(0x201)}},
            {0x202, 0, false, {Key(0x202)}},
            {kMsgRButtonDown, 0, false, {Host(0x204), Key(0x204)}},
            {kMsgMButtonDown, 0, false, {Host(0x207), Key(0x207)}},
            {kMsgMouseWheel, kWheelAway, false, {Host(0x20A01), Key(0x20A01)}},
            {kMsgMouseWheel, kWheelToward, false, {Host(0x20A00), Key(0x20A00)}},
            {kMsgMouseWheel, 0, false, {Host(0x20A01), Key(0x20A01)}},  // zero counts as "not negative"
            {kMsgXButtonDown, kXButton1, false, {Host(0x1020B), Key(0x1020B)}},
            {kMsgXButtonDown, kXButton2, false, {Host(0x2020B), Key(0x2020B)}},
            {kMsgXButtonUp, kXButton2, false, {Key(0x2020C)}},
            {kMsgMouseMove, 0, false, {}},
        },
        "no host actions");
}

TEST(HookManager, HostActionPressAndItsReleaseAreWithheld) {
    HookManager hooks;
    hooks.OnHooksInstalled(0x1234);
    hooks.AddHostAction(0x1020B);  // back button opens a folder
    hooks.AddHostAction(0x20A00);  // wheel down plays a sound
    hooks.AddHostAction(0x207);    // middle runs a program
    Expect(hooks,
        {
            {kMsgXButtonDown, kXButton1, true, {Host(0x1020B)}},
            {kMsgXButtonUp, kXButton1, true, {}},
            {kMsgXButtonUp, kXButton1, false, {Key(0x1020C)}},  // only one release is withheld
            {kMsgXButtonDown, kXButton2, false, {Host(0x2020B), Key(0x2020B)}},
            {kMsgMouseWheel, kWheelToward, true, {Host(0x20A00)}},
            {kMsgMouseWheel, kWheelAway, false, {Host(0x20A01), Key(0x20A01)}},
            {kMsgMButtonDown, 0, true, {Host(0x207)}},
            {kMsgMouseMove, 0, false, {}},  // moves in between do not disturb the withheld release
            {0x208, 0, true, {}},
            {0x208, 0, false, {Key(0x208)}},
        },
        "host actions armed");

    hooks.RemoveHostAction(0x1020B);
    Expect(hooks, {{kMsgXButtonDown, kXButton1, false, {Host(0x1020B), Key(0x1020B)}}}, "after removal");
}

TEST(HookManager, CaptureModeControlsForwardingAndTheTarget) {
    HookManager hooks;
    hooks.OnHooksInstalled(100);
    EXPECT_EQ(hooks.CaptureTarget(), 100u);
    EXPECT_TRUE(hooks.ForwardsKeys());
    EXPECT_TRUE(hooks.ForwardsMouse());

    hooks.SetCaptureTarget(200);  // the macro recorder takes the reports
    hooks.SetCaptureMode(true, false);
    EXPECT_EQ(hooks.CaptureTarget(), 200u);
    Expect(hooks, {{kMsgLButtonDown, 0, false, {Host(0x201)}}}, "mouse forwarding off");

    hooks.SetCaptureMode(false, true);  // keys off, mouse on: target stays
    EXPECT_EQ(hooks.CaptureTarget(), 200u);
    EXPECT_FALSE(hooks.ForwardKeyEvent());

    hooks.SetCaptureMode(false, false);  // capture ends: reports come back to the main window
    EXPECT_EQ(hooks.CaptureTarget(), 100u);
    Expect(hooks, {{kMsgRButtonDown, 0, false, {Host(0x204)}}}, "both off");

    hooks.SetCaptureMode(true, true);
    EXPECT_TRUE(hooks.ForwardKeyEvent());
    hooks.OnHooksInstalled(300);  // re-installed at arrival: the new main window is the target
    EXPECT_EQ(hooks.CaptureTarget(), 300u);
}

TEST(HostActionTable, HoldsEachCodeOnceAndIgnoresAdditionsWhenFull) {
    HostActionTable table;
    table.Add(0x207);
    table.Add(0x207);
    table.Remove(0x207);
    EXPECT_FALSE(table.Contains(0x207)) << "a code added twice is held once";

    for (uint32_t code = 1; code <= HostActionTable::kSize; ++code) {
        table.Add(code);
    }
    table.Add(0x20A00);
    EXPECT_FALSE(table.Contains(0x20A00)) << "full table";
    table.Remove(5);
    table.Add(0x20A00);
    EXPECT_TRUE(table.Contains(0x20A00)) << "takes the freed entry";
    EXPECT_FALSE(table.Contains(0)) << "free entries are no code";
}

}  // namespace
}  // namespace kx90
