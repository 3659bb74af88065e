// kx90ctl against the virtual mouse: apply, set, list and dump, and the message and exit code of
// every error.
#include "linux/kx90ctl/kx90ctl.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "core/buttons/hook_manager.h"
#include "core/device/profile_writer.h"
#include "core/device/virtual_mouse.h"
#include "core/i18n/ui_language.h"
#include "core/macro/macro_library.h"
#include "core/platform/data_folders.h"
#include "core/profile/profile_file.h"
#include "support/device_fakes.h"
#include "support/fakes.h"
#include "support/host_fakes.h"
#include "support/temp_dir.h"

namespace kx90::ctl {
namespace {

namespace fs = std::filesystem;

constexpr uint32_t kMacroId = 0x01ABCDEF;

MacroRecord OneMacro() {
    MacroRecord r{};
    r.recordSize = 4100 + 4 * 2;
    r.marker = kMacroMarker;
    r.id = kMacroId;
    r.repeatCount = 2;
    r.events[r.eventCount++] = MacroEvent{0x00010041};
    r.events[r.eventCount++] = MacroEvent{0x00020041};
    return r;
}

// Buttons with a key combination, a macro and a host action; six levels, three colours, 125 Hz.
ProfileRecord BusyProfile() {
    ProfileRecord r{};
    ResetToDefaults(r);
    r.buttons[kButtonMiddle].functionCode = kFunctionKeyCombo;
    r.buttons[kButtonMiddle].keyCode = 0x00040002;
    r.buttons[kButtonForward].functionCode = kFunctionMacro;
    r.buttons[kButtonForward].macroId = kMacroId;
    r.buttons[kButtonBack].functionCode = kFunctionHostAction;
    const uint32_t levels[] = {500, 1000, 2000, 3000, 5000, 7000};
    std::fill(std::begin(r.dpiLevels), std::end(r.dpiLevels), 0u);
    std::copy(std::begin(levels), std::end(levels), r.dpiLevels);
    r.lightingMode = kLightingMultiColor;
    r.multiColorOn = 1;
    r.colors[0] = 0x000000FF;
    r.colors[1] = 0x0000FF00;
    r.colors[2] = 0x00FF0000;
    r.reportRate = kReportRate125Hz;
    r.proximitySensing = 1;
    return r;
}

// Refuses to open, as a hidraw node without the udev rule does.
class RefusingTransport final : public HidTransport {
public:
    explicit RefusingTransport(Clock& clock) : mouse_(clock) {}
    std::vector<HidInterfaceInfo> EnumerateInterfaces(uint16_t v, uint16_t p) override {
        return mouse_.EnumerateInterfaces(v, p);
    }
    bool OpenHandles(const std::u16string&) override { return false; }
    void CloseHandles() override {}
    bool HasReadHandle() const override { return false; }
    bool HasWriteHandle() const override { return false; }
    bool SetFeature(const uint8_t*, size_t) override { return false; }
    bool GetFeature(uint8_t*, size_t) override { return false; }
    WriteOutcome WriteOutputReport(const uint8_t (&)[kOutputReportSize]) override {
        return WriteOutcome::kFailed;
    }
    bool WaitForPendingWrite(uint32_t) override { return false; }
    std::vector<std::u16string> UsbHardwareIds() override { return mouse_.UsbHardwareIds(); }

private:
    VirtualMouse mouse_;
};

class Kx90CtlTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dataDir_ / "Profile");
        stateArg_ = (dir_ / "mouse-state.txt").string();
    }

    int Run(std::vector<std::string> args) {
        out_.str("");
        err_.str("");
        const Environment env{[this] { return RealDevice(); }, useVirtual_ ? stateArg_.c_str() : nullptr,
                              clock_, out_, err_};
        return ctl::Run(args, env);
    }
    // What stands for hidapi: a test that reaches it without setting one up fails.
    DeviceAccess RealDevice() {
        if (!realDevice_) {
            ADD_FAILURE() << "the real device was opened";
            return DeviceAccess{std::make_unique<VirtualMouse>(clock_)};
        }
        return realDevice_();
    }
    std::string State() const {
        std::ifstream in(dir_ / "mouse-state.txt");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    fs::path WriteProfile(const ProfileRecord& record, int slot = 2) {
        const fs::path path = ProfileFilePath(dataDir_, slot);
        EXPECT_EQ(WriteProfileFile(path, record), FileStatus::kOk);
        return path;
    }
    void WriteMacros(const fs::path& folder) {
        auto table = std::make_unique<MacroTable>();
        (*table)[3] = OneMacro();
        ASSERT_EQ(WriteMacroFile(MacroFilePath(folder), *table), FileStatus::kOk);
    }
    // The state the program's writer leaves for this record, with the macro library of the data
    // folder and the macro identifiers of the profile's buttons.
    std::string ProgramState(const ProfileRecord& record) {
        test::FakeClock clock;
        VirtualMouse mouse(clock);
        test::FakeDriverHost host;
        CUSBDriver driver(mouse, clock, host);
        EXPECT_EQ(driver.Open(), 1);
        test::RecordingNotifier notifier;
        UiLanguage language;
        MacroLibrary macros(dataDir_, notifier, language, clock);
        macros.LoadMacroLibrary();
        std::array<uint32_t, kButtonCount> ids{};
        ids[kButtonForward] = kMacroId;
        HookManager hooks;
        test::RecordingHostSystem hostSystem;
        struct : WriteSink {
            bool MainWindowAlive() override { return true; }
            void Progress(int) override {}
            void Succeeded() override {}
            void Failed(int) override {}
            void CloseProgress() override {}
        } sink;
        EXPECT_EQ(WriteProfileOnce({driver, clock, record, ids, macros, hooks, hostSystem, sink}),
                  kWriteDone);
        return mouse.StateText();
    }

    test::TempDir dir_;
    fs::path dataDir_ = dir_ / "KX90";
    std::string stateArg_;
    bool useVirtual_ = true;
    std::function<DeviceAccess()> realDevice_;
    test::FakeClock clock_;
    std::ostringstream out_, err_;
};

TEST_F(Kx90CtlTest, ApplyLeavesTheMouseAsTheProgramsWriteDoesWithTheMacroFromTheDataFolder) {
    const ProfileRecord record = BusyProfile();
    WriteMacros(dataDir_);
    const fs::path profile = WriteProfile(record);

    ASSERT_EQ(Run({"apply", profile.string()}), kExitOk) << err_.str();
    const std::string state = State();
    EXPECT_EQ(state, ProgramState(record));
    EXPECT_NE(state.find("\nmacro 1 "), std::string::npos) << state;
    EXPECT_NE(state.find("report_rate 8"), std::string::npos) << state;
    EXPECT_NE(err_.str().find("100%"), std::string::npos) << "the progress line counts to the end";
    EXPECT_EQ(out_.str(), "applied Profile2.cfg\n");
}

TEST_F(Kx90CtlTest, ApplyFindsMacrosNamedWithTheOptionOrBesideTheProfile) {
    const ProfileRecord record = BusyProfile();
    const fs::path elsewhere = dir_ / "exported";
    fs::create_directories(elsewhere);
    WriteMacros(elsewhere);
    const fs::path profile = WriteProfile(record);
    ASSERT_EQ(Run({"apply", profile.string(), "--macros", MacroFilePath(elsewhere).string()}), kExitOk)
        << err_.str();
    EXPECT_NE(State().find("\nmacro 1 "), std::string::npos);

    const fs::path beside = elsewhere / "mine.cfg";
    ASSERT_EQ(WriteProfileFile(beside, record), FileStatus::kOk);
    fs::remove(dir_ / "mouse-state.txt");
    ASSERT_EQ(Run({"apply", beside.string()}), kExitOk) << err_.str();
    EXPECT_NE(State().find("\nmacro 1 "), std::string::npos);
}

TEST_F(Kx90CtlTest, SetCommandsSendOnlyTheirSetting) {
    struct Row {
        std::vector<std::string> args;
        std::string line;  // a line the state must then have
    };
    const Row rows[] = {
        {{"set", "dpi", "250,1000,7000"}, "dpi_level 3"},
        {{"set", "rate", "1000"}, "report_rate 1"},
        {{"set", "rate", "125"}, "report_rate 8"},
        {{"set", "light", "steady", "FF8000"}, "led_color 000080FF"},
        {{"set", "light", "off"}, "effect 0 0 0"},
        {{"set", "light", "spectrum"}, "effect 4 10 2"},
    };
    for (const Row& row : rows) {
        fs::remove(dir_ / "mouse-state.txt");
        ASSERT_EQ(Run(row.args), kExitOk) << row.args[2] << ": " << err_.str();
        EXPECT_NE(State().find(row.line + "\n"), std::string::npos) << row.args[2] << "\n" << State();
        if (row.args[1] != "rate") {
            EXPECT_NE(State().find("report_rate 0\n"), std::string::npos) << "only the setting is sent";
        }
    }
}

TEST_F(Kx90CtlTest, ListSaysTheFirmwareVersionAndHelpTheUsage) {
    ASSERT_EQ(Run({"list"}), kExitOk) << err_.str();
    EXPECT_EQ(out_.str(), "KX90 mouse (USB 5E27:7A31), firmware V 0.1.5\n");
    ASSERT_EQ(Run({"--help"}), kExitOk);
    EXPECT_EQ(out_.str(), UsageText());
}

TEST_F(Kx90CtlTest, DumpShowsEverySetting) {
    const fs::path profile = WriteProfile(BusyProfile());
    ASSERT_EQ(Run({"dump", profile.string()}), kExitOk) << err_.str();
    const std::string text = out_.str();
    for (const char* expected :
         {"  4 Forward      macro 28036591", "sensitivity levels: 500 1000 2000 3000 5000 7000\n",
          "report rate: 125 Hz\n", "lighting: multicolor (mode 5)\n",
          "three colours: on #FF0000 #00FF00 #0000FF\n", "proximity sensing: on\n"}) {
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
    }
    EXPECT_TRUE(fs::exists(dir_ / "mouse-state.txt") == false) << "dump never opens the mouse";
}

TEST_F(Kx90CtlTest, EveryErrorHasItsMessageAndExitCode) {
    const fs::path good = WriteProfile(BusyProfile());  // its forward button needs Macro.cfg
    ProfileRecord plain{};
    ResetToDefaults(plain);
    const fs::path plainProfile = WriteProfile(plain, 1);
    std::ofstream(dir_ / "short.cfg") << "not a profile";
    ProfileRecord zero{};
    ASSERT_EQ(WriteProfileFile(dir_ / "zero.cfg", zero), FileStatus::kOk);

    struct Row {
        const char* why;
        std::vector<std::string> args;
        int code;
        std::string message;
    };
    const Row rows[] = {
        {"no command", {}, kExitUsage, "a command is needed"},
        {"unknown command", {"flash"}, kExitUsage, "unknown command 'flash'"},
        {"apply without a file", {"apply"}, kExitUsage, "apply needs a profile file"},
        {"apply with two files", {"apply", "a.cfg", "b.cfg"}, kExitUsage, "unexpected 'b.cfg'"},
        {"--macros without a path",
         {"apply", plainProfile.string(), "--macros"},
         kExitUsage,
         "--macros needs a path"},
        {"missing profile", {"apply", (dir_ / "none.cfg").string()}, kExitBadFile, "no such file"},
        {"a folder", {"dump", dir_.path().string()}, kExitBadFile, "not a file that can be read"},
        {"a short file",
         {"apply", (dir_ / "short.cfg").string()},
         kExitBadFile,
         "has 13 bytes, a profile has 22252"},
        {"no profile mark",
         {"dump", (dir_ / "zero.cfg").string()},
         kExitBadFile,
         "does not start with the profile mark"},
        {"macros and no Macro.cfg", {"apply", good.string()}, kExitBadFile, "no Macro.cfg was found"},
        {"--macros naming another file",
         {"apply", plainProfile.string(), "--macros", good.string()},
         kExitUsage,
         "--macros names Macro.cfg"},
        {"a sensitivity the mouse lacks", {"set", "dpi", "800"}, kExitUsage, "'800' is not a sensitivity"},
        {"eight levels",
         {"set", "dpi", "250,500,750,1000,1250,1500,1750,2000"},
         kExitUsage,
         "at most 7 levels"},
        {"a rate the mouse lacks", {"set", "rate", "300"}, kExitUsage, "'300' is not 125, 250, 500 or 1000"},
        {"an unknown lighting mode", {"set", "light", "disco"}, kExitUsage, "'disco' is not a lighting mode"},
        {"a colour that is not hex",
         {"set", "light", "steady", "GG0000"},
         kExitUsage,
         "six hexadecimal digits"},
        {"an unknown setting", {"set", "volume", "3"}, kExitUsage, "unknown setting"},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Run(row.args), row.code) << row.why << ": " << err_.str();
        EXPECT_NE(err_.str().find(row.message), std::string::npos) << row.why << ": " << err_.str();
    }
    EXPECT_FALSE(fs::exists(dir_ / "mouse-state.txt")) << "no refused command reached the mouse";
}

TEST_F(Kx90CtlTest, AMouseThatCannotBeUsedIsToldApartFromNone) {
    ProfileRecord plain{};
    ResetToDefaults(plain);
    const fs::path profile = WriteProfile(plain, 1);
    useVirtual_ = false;
    struct Row {
        const char* why;
        std::function<DeviceAccess()> device;
        int code;
        std::string message;
    };
    const Row rows[] = {
        {"no mouse",
         [this] {
             auto mouse = std::make_unique<VirtualMouse>(clock_);
             mouse->PresentedInterfaces().clear();
             mouse->PresentedUsbDevices().clear();
             return DeviceAccess{std::move(mouse)};
         },
         kExitNoDevice, "no KX90 mouse found"},
        {"the boot loader",
         [this] {
             return DeviceAccess{
                 std::make_unique<VirtualMouse>(clock_, VirtualMouseOptions{.bootloader = true})};
         },
         kExitNoDevice, "firmware-update mode"},
        {"no permission",
         [this] {
             return DeviceAccess{std::make_unique<RefusingTransport>(clock_), [] { return true; }};
         },
         kExitNoPermission, "udev rule"},
        {"hidapi did not start", [] { return DeviceAccess{}; }, kExitNoDevice, "hidapi did not start"},
        {"the key matrix refused",
         [this] {
             auto mouse = std::make_unique<VirtualMouse>(clock_);
             mouse->FailCommand(kCmdKeyMatrix);
             return DeviceAccess{std::move(mouse)};
         },
         kExitWriteFailed, "write mousekey metix fail."},
    };
    for (const Row& row : rows) {
        realDevice_ = row.device;
        EXPECT_EQ(Run({"apply", profile.string()}), row.code) << row.why << ": " << err_.str();
        EXPECT_NE(err_.str().find(row.message), std::string::npos) << row.why << ": " << err_.str();
    }
    realDevice_ = rows[0].device;
    EXPECT_EQ(Run({"list"}), kExitNoDevice);
    realDevice_ = rows[2].device;
    EXPECT_EQ(Run({"set", "rate", "500"}), kExitNoPermission);
}

}  // namespace
}  // namespace kx90::ctl
