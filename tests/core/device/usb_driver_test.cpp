// CUSBDriver against the virtual mouse: exact bytes of every command, pacing, write judging, results.
#include "core/device/usb_driver.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>

#include "core/device/virtual_mouse.h"
#include "core/profile/profile_record.h"
#include "support/device_fakes.h"
#include "support/fakes.h"

namespace kx90 {
namespace {

using Kind = VirtualMouseReport::Kind;
using Bytes = std::vector<uint8_t>;

constexpr uint8_t kReportId = 0x07;  // not 0, so a missing report ID shows
constexpr uint16_t kReportCount = 32;

// A whole report as it must go out: report ID, the bytes, zeros up to the length.
Bytes Framed(std::initializer_list<uint8_t> bytes, size_t length) {
    Bytes report(length, 0);
    report[0] = kReportId;
    std::copy(bytes.begin(), bytes.end(), report.begin() + 1);
    return report;
}
Bytes Feature(std::initializer_list<uint8_t> bytes) { return Framed(bytes, kReportCount + 1); }

class UsbDriverTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(driver.Open(), 1);
        mouse.ClearTranscript();
        clock.sleeps.clear();
    }

    std::vector<VirtualMouseReport> Sent(Kind kind) const {
        std::vector<VirtualMouseReport> out;
        for (const VirtualMouseReport& r : mouse.Transcript()) {
            if (r.kind == kind) {
                out.push_back(r);
            }
        }
        return out;
    }

    test::FakeClock clock;
    VirtualMouse mouse{clock, {.reportId = kReportId, .reportCount = kReportCount}};
    test::FakeDriverHost host;
    CUSBDriver driver{mouse, clock, host};
};

TEST_F(UsbDriverTest, FeatureOnlyCommandsSendTheirExactBytesWithoutWaiting) {
    struct Row {
        const char* what;
        std::function<int(CUSBDriver&)> command;
        Bytes expected;
    };
    const Row rows[] = {
        {"level 2", [](CUSBDriver& d) { return d.SelectDpiLevel(2); }, Feature({0x0B, 0x01, 0x02})},
        {"colour 0x00123456 as green, red, blue", [](CUSBDriver& d) { return d.WriteLedColor(0x00123456); },
         Feature({0x0C, 0x01, 0x34, 0x56, 0x12})},
        {"effect", [](CUSBDriver& d) { return d.WriteLightingEffect(5, 6, 1); }, Feature({0x0D, 0x01, 5, 6, 1})},
        {"sensing on", [](CUSBDriver& d) { return d.WriteProximitySensing(1, kLightingSteady); },
         Feature({0x03, 0xA0})},
        {"sensing on but lighting off", [](CUSBDriver& d) { return d.WriteProximitySensing(1, kLightingOff); },
         Feature({0x03, 0xB0})},
        {"rate 3 goes as 500 Hz", [](CUSBDriver& d) { return d.WriteReportRate(3); }, Feature({0x01, 0x02})},
        {"rate 8", [](CUSBDriver& d) { return d.WriteReportRate(8); }, Feature({0x01, 0x08})},
    };
    for (const Row& row : rows) {
        mouse.ClearTranscript();
        EXPECT_EQ(row.command(driver), 1) << row.what;
        const auto sent = mouse.Transcript();
        ASSERT_EQ(sent.size(), 1u) << row.what;
        EXPECT_EQ(sent[0].bytes, row.expected) << row.what;
    }
    EXPECT_TRUE(clock.sleeps.empty());
    const VirtualMouseState state = mouse.State();
    EXPECT_EQ(state.ledColor, 0x00123456u);
    EXPECT_EQ(state.selectedDpiLevel, 2);
    EXPECT_EQ(state.reportRate, 8);
}

TEST_F(UsbDriverTest, LightingOffWithSensingSendsEffectZeroAndSensingOff) {
    ProfileRecord record{};
    record.lightingMode = kLightingOff;
    record.proximitySensing = 1;
    const LightingEffect effect = LightingEffectOf(record);
    ASSERT_EQ(driver.WriteLightingEffect(effect.mode, effect.p1, effect.p2), 1);
    ASSERT_EQ(driver.WriteProximitySensing(record.proximitySensing, record.lightingMode), 1);
    const auto sent = Sent(Kind::kSetFeature);
    ASSERT_EQ(sent.size(), 2u);
    EXPECT_EQ(sent[0].bytes, Feature({0x0D, 0x01, 0x00, 0x00, 0x00}));
    EXPECT_EQ(sent[1].bytes, Feature({0x03, 0xB0}));
}

TEST_F(UsbDriverTest, SensitivityTableGoesAsHeaderAndOneReportPacedBy50Ms) {
    const uint32_t levels[kDpiLevelCount] = {500, 1000, 0, 0, 0, 0, 0};
    const DpiTable table = BuildDpiTable(levels);
    ASSERT_EQ(driver.WriteDpiTable(table.bytes.data(), kDpiTableBytes), 1);

    ASSERT_EQ(Sent(Kind::kSetFeature).size(), 1u);
    EXPECT_EQ(Sent(Kind::kSetFeature)[0].bytes, Feature({0x11, 0x01, 0x07, 0x10, 0x00}));
    const auto reports = Sent(Kind::kOutput);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0].bytes, Framed({0x02, 0x04, 0x80, 0x80, 0x80, 0x80, 0x80, 0x02,  //
                                        0x02, 0x04, 0x80, 0x80, 0x80, 0x80, 0x80, 0x02},
                                       kOutputReportSize));
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{50, 50}));
    EXPECT_EQ(mouse.State().dpiTable, table.bytes);

    ASSERT_EQ(driver.SelectDpiLevel(SelectedDpiLevel(table.usedLevels)), 1);
    EXPECT_EQ(mouse.State().selectedDpiLevel, 2);
}

TEST_F(UsbDriverTest, MultiColourTableCarriesThreeColoursInRgbOrder) {
    const uint32_t colors[3] = {0x00332211, 0x00665544, 0x00998877};
    const auto payload = BuildMultiColorPayload(colors);
    ASSERT_EQ(driver.WriteMultiColors(payload.data(), kMultiColorBytes), 1);
    EXPECT_EQ(Sent(Kind::kSetFeature)[0].bytes, Feature({0x09, 0x01, 0x00, 0x20, 0x00}));
    EXPECT_EQ(Sent(Kind::kOutput)[0].bytes,
              Framed({0x11, 0x22, 0x33, 0x44, 0x55, 0x66, 0x77, 0x88, 0x99}, kOutputReportSize));
    EXPECT_EQ(mouse.State().multiColors, payload);
}

TEST_F(UsbDriverTest, KeyMatrixStreamsTwoReportsAfter100MsWith50MsAroundEach) {
    uint8_t matrix[kKeyMatrixBytes];
    for (int i = 0; i < kKeyMatrixBytes; ++i) {
        matrix[i] = static_cast<uint8_t>(i);
    }
    ASSERT_EQ(driver.WriteKeyMatrix(matrix, kKeyMatrixBytes), 1);

    EXPECT_EQ(Sent(Kind::kSetFeature)[0].bytes, Feature({0x12, 0x01, 0x00, 0x40, 0x00}));
    const auto reports = Sent(Kind::kOutput);
    ASSERT_EQ(reports.size(), 2u);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(reports[r].bytes[0], kReportId);
        EXPECT_TRUE(std::equal(matrix + 32 * r, matrix + 32 * r + 32, reports[r].bytes.begin() + 1)) << r;
    }
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{100, 50, 50, 50, 50}));
    // Timestamps: the first report 150 ms after the header, the second 100 ms after the first.
    const auto all = mouse.Transcript();
    EXPECT_EQ(all[1].timeMs - all[0].timeMs, 150u);
    EXPECT_EQ(all[2].timeMs - all[1].timeMs, 100u);
    EXPECT_EQ(mouse.State().keyMatrix[0], 0x03020100u);
    EXPECT_EQ(mouse.State().keyMatrix[15], 0x3F3E3D3Cu);
}

TEST_F(UsbDriverTest, WrongLengthsAreRefusedBeforeAnythingIsSent) {
    uint8_t data[kMacroImageBytes] = {};
    EXPECT_EQ(driver.WriteKeyMatrix(data, 63), 0);
    EXPECT_EQ(driver.WriteKeyMatrix(nullptr, 64), 0);
    EXPECT_EQ(driver.WriteDpiTable(data, 15), 0);
    EXPECT_EQ(driver.WriteMultiColors(data, 33), 0);
    EXPECT_EQ(driver.SendOutputReports(data, 33), 0);
    EXPECT_EQ(driver.SendOutputReports(data, 0), 1);  // nothing to send is done
    EXPECT_TRUE(mouse.Transcript().empty());
    EXPECT_TRUE(clock.sleeps.empty());
}

TEST_F(UsbDriverTest, EveryCommandFailsWithoutTouchingTheDeviceOnceClosed) {
    driver.Close();
    EXPECT_FALSE(driver.HasWriteHandle());
    uint8_t data[kMacroImageBytes] = {};
    int version = -1;
    const uint32_t events[] = {MakeMacroEvent(kMacroEventKeyDown, 0x41)};
    const MacroEventsView macro{events, 1};
    EXPECT_EQ(driver.QueryFirmwareVersion(&version), 0);
    EXPECT_EQ(driver.WriteKeyMatrix(data, 64), 0);
    EXPECT_EQ(driver.WriteDpiTable(data, 16), 0);
    EXPECT_EQ(driver.WriteMultiColors(data, 32), 0);
    EXPECT_EQ(driver.SelectDpiLevel(1), 0);
    EXPECT_EQ(driver.WriteLedColor(1), 0);
    EXPECT_EQ(driver.WriteLightingEffect(1, 1, 1), 0);
    EXPECT_EQ(driver.WriteProximitySensing(1, 1), 0);
    EXPECT_EQ(driver.WriteReportRate(1), 0);
    EXPECT_EQ(driver.SendOutputReports(data, 32), 0);
    EXPECT_EQ(driver.WriteMacro(1, &macro), 2);  // the word count still comes back
    EXPECT_TRUE(mouse.Transcript().empty());
    EXPECT_EQ(version, -1);
}

TEST_F(UsbDriverTest, RefusedHeaderSendsNoDataAndFailedReportStopsTheStream) {
    uint8_t data[kKeyMatrixBytes] = {};
    mouse.FailCommand(kCmdKeyMatrix);
    EXPECT_EQ(driver.WriteKeyMatrix(data, kKeyMatrixBytes), 0);
    EXPECT_TRUE(Sent(Kind::kOutput).empty());

    mouse.FailCommand(std::nullopt);
    mouse.FailOutputReports(true);
    EXPECT_EQ(driver.WriteKeyMatrix(data, kKeyMatrixBytes), 0);
    EXPECT_EQ(Sent(Kind::kOutput).size(), 1u);  // the second chunk is never tried
    EXPECT_EQ(driver.WriteDpiTable(data, kDpiTableBytes), 0);
}

TEST_F(UsbDriverTest, PendingWriteIsGiven1500MsThenTheNextChunkStillGoes) {
    uint8_t data[kKeyMatrixBytes] = {};
    mouse.LeaveWritesPending(5000);
    ASSERT_EQ(driver.WriteKeyMatrix(data, kKeyMatrixBytes), 1);
    EXPECT_EQ(Sent(Kind::kOutput).size(), 2u);
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{100, 50, 50, 1500, 50, 50, 1500}));

    clock.sleeps.clear();
    mouse.LeaveWritesPending(200);  // completes within the bound: only as long as it takes
    ASSERT_EQ(driver.WriteDpiTable(data, kDpiTableBytes), 1);
    EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{50, 50, 200}));
}

TEST_F(UsbDriverTest, VersionQueryReadsTheReplyFiftyMsAfterAsking) {
    struct Row {
        std::array<uint8_t, 3> reply;  // bytes 1 to 3
        int result;
        int version;
    };
    const Row rows[] = {
        {{0x80, 0x01, 0x05}, 1, 15},
        {{0x80, 0x02, 0x00}, 1, 20},
        {{0x00, 0x01, 0x05}, 0, -1},  // not a version reply
    };
    for (const Row& row : rows) {
        mouse.SetVersionReply(row.reply);
        mouse.ClearTranscript();
        clock.sleeps.clear();
        int version = -1;
        EXPECT_EQ(driver.QueryFirmwareVersion(&version), row.result);
        EXPECT_EQ(version, row.version);
        const auto sent = mouse.Transcript();
        ASSERT_EQ(sent.size(), 2u);
        EXPECT_EQ(sent[0].bytes, Feature({0x80}));
        EXPECT_EQ(sent[1].kind, Kind::kGetFeature);
        EXPECT_EQ(clock.sleeps, (std::vector<uint32_t>{50}));
    }
    mouse.SetVersionReply(std::nullopt);
    mouse.SetFirmwareVersion(23);
    int version = 0;
    EXPECT_EQ(driver.QueryFirmwareVersion(&version), 1);
    EXPECT_EQ(version, 23);
    EXPECT_EQ(driver.QueryFirmwareVersion(nullptr), 0);
}

TEST_F(UsbDriverTest, MacroUploadSendsHeaderAndSixteenReportsTakingAtLeast1700Ms) {
    const uint32_t events[] = {MakeMacroEvent(kMacroEventKeyDown, 0x41), MakeMacroEvent(kMacroEventPause, 100),
                               MakeMacroEvent(kMacroEventKeyUp, 0x41)};
    const MacroEventsView macro{events, 1};
    MacroImage image;
    const int words = EncodeMacro(macro, image);
    const uint32_t start = clock.TickCount();

    EXPECT_EQ(driver.WriteMacro(3, &macro), words);
    EXPECT_EQ(Sent(Kind::kSetFeature)[0].bytes, Feature({0x13, 0x01, 0x03, 0x00, 0x02}));
    EXPECT_EQ(Sent(Kind::kOutput).size(), 16u);
    EXPECT_GE(clock.TickCount() - start, 1700u);
    EXPECT_EQ(clock.TotalSleptMs(), 1700u);
    ASSERT_EQ(mouse.State().macros.count(3), 1u);
    EXPECT_EQ(mouse.State().macros.at(3), image);
}

TEST_F(UsbDriverTest, MacroNumberAboveSevenOrRefusedHeaderStillReturnsTheWordCount) {
    const uint32_t events[] = {MakeMacroEvent(kMacroEventKeyDown, 0x41), MakeMacroEvent(kMacroEventKeyUp, 0x41)};
    const MacroEventsView macro{events, 1};
    EXPECT_EQ(driver.WriteMacro(8, &macro), 3);
    EXPECT_TRUE(mouse.Transcript().empty());
    EXPECT_EQ(driver.WriteMacro(1, nullptr), 0);

    mouse.FailCommand(kCmdMacro);
    EXPECT_EQ(driver.WriteMacro(1, &macro), 3);
    EXPECT_TRUE(Sent(Kind::kOutput).empty());
}

TEST(UsbDriverLock, VersionQueryNeverInterleavesWithAWrite) {
    VirtualMouse mouse(SystemClock());
    test::FakeDriverHost host;
    CUSBDriver driver(mouse, SystemClock(), host);
    ASSERT_EQ(driver.Open(), 1);
    uint8_t matrix[kKeyMatrixBytes] = {};
    std::thread writer([&] { driver.WriteKeyMatrix(matrix, kKeyMatrixBytes); });
    while (mouse.Transcript().empty()) {
        std::this_thread::yield();
    }
    int version = 0;
    EXPECT_EQ(driver.QueryFirmwareVersion(&version), 1);
    writer.join();
    const auto sent = mouse.Transcript();
    ASSERT_EQ(sent.size(), 5u);
    EXPECT_EQ(sent[0].bytes[1], kCmdKeyMatrix);
    EXPECT_EQ(sent[2].kind, Kind::kOutput);  // both data reports before the query
    EXPECT_EQ(sent[3].bytes[1], kCmdQueryVersion);
}

// The handle queries read what Open and Close change, so they wait for the lock like every command:
// asked while a write holds it, they answer only once the write is over.
TEST(UsbDriverLock, HandleQueriesWaitForACommandInProgress) {
    const std::pair<const char*, bool (CUSBDriver::*)() const> queries[] = {
        {"HasReadHandle", &CUSBDriver::HasReadHandle},
        {"HasWriteHandle", &CUSBDriver::HasWriteHandle},
    };
    for (const auto& [name, query] : queries) {
        VirtualMouse mouse(SystemClock());
        test::FakeDriverHost host;
        CUSBDriver driver(mouse, SystemClock(), host);
        ASSERT_EQ(driver.Open(), 1);
        mouse.LeaveWritesPending(200);  // the write holds the lock for about 0.7 s
        uint8_t matrix[kKeyMatrixBytes] = {};
        std::thread writer([&] { driver.WriteKeyMatrix(matrix, kKeyMatrixBytes); });
        while (mouse.Transcript().empty()) {
            std::this_thread::yield();
        }
        EXPECT_TRUE((driver.*query)()) << name;
        const size_t seenWhenAnswered = mouse.Transcript().size();
        writer.join();
        EXPECT_EQ(seenWhenAnswered, 3u) << name << " answered in the middle of the write";
    }
}

}  // namespace
}  // namespace kx90
