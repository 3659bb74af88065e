// kx90ctl's command line: choosing the device, opening the mouse, list, apply and dump.
#include "linux/kx90ctl/kx90ctl.h"

#include <strings.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "core/buttons/hook_manager.h"
#include "core/device/profile_writer.h"
#include "core/device/virtual_mouse.h"
#include "core/i18n/ui_language.h"
#include "core/macro/macro_library.h"
#include "core/pages/firmware_check.h"
#include "core/platform/data_folders.h"
#include "core/platform/notifier.h"
#include "core/profile/profile_file.h"
#include "linux/kx90ctl/kx90ctl_internal.h"
#include "linux/kx90ctl/profile_text.h"

namespace kx90::ctl {
namespace {

namespace fs = std::filesystem;

constexpr const char* kUsage =
    "Usage: kx90ctl COMMAND [ARGUMENTS]\n"
    "Configures a KX90 mouse on Linux through its hidraw device.\n"
    "\n"
    "Commands:\n"
    "  list                          the mice found and their firmware versions\n"
    "  apply PROFILE [--macros PATH] writes a profile file (ProfileN.cfg or an exported one) to\n"
    "                                the mouse, with the macros of its buttons from Macro.cfg\n"
    "                                (PATH: the file or its folder; without it, Macro.cfg is\n"
    "                                looked for in the profile's data folder, then beside it)\n"
    "  set dpi LEVEL[,LEVEL...]      sensitivity levels, up to 7 (250..3500 in steps of 250,\n"
    "                                4000, 5000, 6000, 7000)\n"
    "  set rate HZ                   report rate: 125, 250, 500 or 1000\n"
    "  set light MODE [RRGGBB]       lighting: steady, breathing, apm, spectrum, multicolor, off;\n"
    "                                the colour is the single colour (steady and breathing)\n"
    "  dump PROFILE                  a profile file as readable text\n"
    "  --help                        this text\n"
    "\n"
    "Exit codes: 0 done, 1 the mouse refused a command, 2 wrong command line, 3 no mouse,\n"
    "4 no permission for the mouse's hidraw device, 5 a file that is missing or not the right kind.\n"
    "\n"
    "Pointer speed, acceleration and wheel lines of a profile are settings of the Windows session\n"
    "and are left alone here.\n";

constexpr const char* kUdevHint =
    "  Install the udev rule that gives the logged-in user the mouse's hidraw nodes:\n"
    "    sudo cp 70-kx90.rules /etc/udev/rules.d/ && sudo udevadm control --reload\n"
    "    sudo udevadm trigger\n"
    "  (packaging/linux/70-kx90.rules), then unplug the mouse and plug it in again.\n";

// Messages of the core go to the terminal; questions are answered "no".
class StreamNotifier final : public Notifier {
public:
    explicit StreamNotifier(std::ostream& err) : err_(err) {}
    int ShowInfo(const std::u16string& text, bool, bool) override {
        err_ << "kx90ctl: " << Narrow(text) << "\n";
        return kInfoCancel;
    }
    void ShowMessageBox(const std::u16string& text, const std::u16string&) override {
        err_ << "kx90ctl: " << Narrow(text) << "\n";
    }

private:
    std::ostream& err_;
};

// One line that counts up while the profile is written ("\r" keeps it on one line).
class ProgressLine final : public WriteSink {
public:
    explicit ProgressLine(std::ostream& err) : err_(err) {}
    bool MainWindowAlive() override { return true; }
    void Progress(int percent) override {
        char text[64];
        std::snprintf(text, sizeof text, "\rwriting the profile to the mouse: %3d%%", percent);
        err_ << text << std::flush;
        shown_ = true;
    }
    void Succeeded() override {}
    void Failed(int) override {}
    void CloseProgress() override {}
    void EndLine() {
        if (shown_) {
            err_ << "\n";
        }
    }

private:
    std::ostream& err_;
    bool shown_ = false;
};

int Usage(const Environment& env, const std::string& problem) {
    env.err << "kx90ctl: " << problem << "\nTry 'kx90ctl --help'.\n";
    return kExitUsage;
}

std::string PathString(const fs::path& path) {
    return "'" + path.string() + "'";
}

// Reads a whole profile file; says what is wrong with it otherwise.
int ReadProfile(const Environment& env, const fs::path& path, ProfileRecord& record) {
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        env.err << "kx90ctl: " << PathString(path) << ": no such file\n";
        return kExitBadFile;
    }
    const uintmax_t size = fs::file_size(path, ec);
    if (ec) {
        env.err << "kx90ctl: " << PathString(path) << ": not a file that can be read\n";
        return kExitBadFile;
    }
    if (size != sizeof(ProfileRecord)) {
        env.err << "kx90ctl: " << PathString(path) << " is not a profile file: it has " << size
                << " bytes, a profile has " << sizeof(ProfileRecord) << "\n";
        return kExitBadFile;
    }
    if (ReadProfileFile(path, record).status != FileStatus::kOk) {
        env.err << "kx90ctl: " << PathString(path) << ": cannot be read\n";
        return kExitBadFile;
    }
    if (!IsValid(record)) {
        env.err << "kx90ctl: " << PathString(path)
                << " is damaged: it does not start with the profile mark\n";
        return kExitBadFile;
    }
    return kExitOk;
}

bool UsesMacros(const ProfileRecord& record) {
    for (const ButtonAssignment& b : record.buttons) {
        if (b.functionCode == kFunctionMacro && b.macroId != 0) {
            return true;
        }
    }
    return false;
}

// The folder of Macro.cfg: the one named, else the profile's data folder (Profile\..), else the
// profile's own folder. Empty when there is none.
fs::path MacroFolder(const fs::path& profile, const std::string& named) {
    std::error_code ec;
    if (!named.empty()) {
        const fs::path path(named);
        return fs::is_directory(path, ec) ? path : path.parent_path();
    }
    const fs::path own = fs::absolute(profile, ec).parent_path();
    for (const fs::path& folder : {own.parent_path(), own}) {
        if (fs::is_regular_file(MacroFilePath(folder), ec)) {
            return folder;
        }
    }
    return {};
}

int List(const Environment& env) {
    int code = kExitOk;
    const auto mouse = OpenMouse(env, code);
    if (!mouse) {
        return code;
    }
    int version = -1;
    const bool answered = mouse->driver->QueryFirmwareVersion(&version) == 1 && version >= 0;
    const std::u16string display =
        pages::FirmwareVersionDisplay(answered ? Widen(std::to_string(version)) : u"");
    env.out << "KX90 mouse (USB 5E27:7A31), firmware " << Narrow(display) << "\n";
    return kExitOk;
}

int Apply(const std::vector<std::string>& args, const Environment& env) {
    std::string profileArg, macrosArg;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--macros") {
            if (i + 1 >= args.size()) {
                return Usage(env, "--macros needs a path");
            }
            macrosArg = args[++i];
        } else if (profileArg.empty() && args[i].rfind("--", 0) != 0) {
            profileArg = args[i];
        } else {
            return Usage(env, "apply: unexpected '" + args[i] + "'");
        }
    }
    if (profileArg.empty()) {
        return Usage(env, "apply needs a profile file");
    }
    auto record = std::make_unique<ProfileRecord>();
    if (const int code = ReadProfile(env, profileArg, *record); code != kExitOk) {
        return code;
    }

    StreamNotifier notifier(env.err);
    UiLanguage language;
    const fs::path macroFolder = MacroFolder(profileArg, macrosArg);
    MacroLibrary macros(macroFolder, notifier, language, env.clock);
    std::error_code ec;
    if (!macrosArg.empty() && fs::path(macrosArg).filename() != "Macro.cfg" &&
        !fs::is_directory(macrosArg, ec)) {
        return Usage(env, "--macros names Macro.cfg or the folder that holds it");
    }
    if (!macrosArg.empty() || UsesMacros(*record)) {
        if (macroFolder.empty() || !fs::is_regular_file(MacroFilePath(macroFolder), ec)) {
            env.err << "kx90ctl: the profile's buttons use macros and no Macro.cfg was found"
                    << (macrosArg.empty() ? " in its data folder; name it with --macros\n" : " there\n");
            return kExitBadFile;
        }
        if (!macros.LoadMacroLibrary()) {
            env.err << "kx90ctl: " << PathString(MacroFilePath(macroFolder)) << ": cannot be read\n";
            return kExitBadFile;
        }
    }
    // The macro of each button as the program keeps it for the profile's slot.
    std::array<uint32_t, kButtonCount> macroIds{};
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& b = record->buttons[i];
        if (b.functionCode != kFunctionMacro) {
            continue;
        }
        macroIds[static_cast<size_t>(i)] = b.macroId;
        if (b.macroId != 0 && !macros.FindMacro(b.macroId)) {
            env.err << "kx90ctl: warning: button " << i + 1 << " ("
                    << Narrow(kButtonOrder[static_cast<size_t>(i)].englishName) << ") names macro "
                    << b.macroId << ", which Macro.cfg does not hold; the button gets no function\n";
        }
    }

    int code = kExitOk;
    const auto mouse = OpenMouse(env, code);
    if (!mouse) {
        return code;
    }
    HookManager hooks;
    NoHostSystem host;
    ProgressLine progress(env.err);
    const ProfileWriterParts parts{*mouse->driver, env.clock, *record, macroIds,
                                   macros,         hooks,     host,    progress};
    const int result = WriteProfileOnce(parts);
    progress.EndLine();
    if (result != kWriteDone) {
        env.err << "kx90ctl: " << Narrow(WriteFailureText(result));
        return kExitWriteFailed;
    }
    env.out << "applied " << fs::path(profileArg).filename().string() << "\n";
    return kExitOk;
}

int Dump(const std::vector<std::string>& args, const Environment& env) {
    if (args.size() != 2) {
        return Usage(env, "dump needs one profile file");
    }
    auto record = std::make_unique<ProfileRecord>();
    if (const int code = ReadProfile(env, args[1], *record); code != kExitOk) {
        return code;
    }
    env.out << ProfileText(*record);
    return kExitOk;
}

}  // namespace

std::string Narrow(std::u16string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        uint32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::u16string Widen(std::string_view ascii) {
    return std::u16string(ascii.begin(), ascii.end());
}

DeviceAccess ChooseDevice(const Environment& env) {
    if (env.virtualMouse == nullptr || env.virtualMouse[0] == '\0') {
        return env.openRealDevice();
    }
    const std::string value(env.virtualMouse);
    VirtualMouseOptions options;
    if (strcasecmp(value.c_str(), "bootloader") == 0) {
        options.bootloader = true;
    } else if (value.find_first_of("\\/.") != std::string::npos) {
        options.stateFile = fs::path(value);
    }
    return DeviceAccess{std::make_unique<VirtualMouse>(env.clock, options)};
}

std::unique_ptr<OpenedMouse> OpenMouse(const Environment& env, int& code) {
    auto mouse = std::make_unique<OpenedMouse>();
    mouse->access = ChooseDevice(env);
    if (!mouse->access.transport) {
        env.err << "kx90ctl: the system's HID devices cannot be listed (hidapi did not start)\n";
        code = kExitNoDevice;
        return nullptr;
    }
    mouse->driver = std::make_unique<CUSBDriver>(*mouse->access.transport, env.clock, mouse->host);
    if (mouse->driver->Open() == 1) {
        code = kExitOk;
        return mouse;
    }
    if (mouse->access.openRefused()) {
        env.err << "kx90ctl: the KX90 mouse is there, but its hidraw device may not be opened "
                   "(permission denied).\n"
                << kUdevHint;
        code = kExitNoPermission;
    } else if (mouse->driver->FindUsbDevice(kBootloaderIdentity)) {
        env.err << "kx90ctl: the mouse is in firmware-update mode (its boot loader, USB 6C4D:2D6B); "
                   "finish the update with the Windows program, then plug it in again.\n";
        code = kExitNoDevice;
    } else {
        env.err << "kx90ctl: no KX90 mouse found (USB 5E27:7A31 with its configuration interface).\n";
        code = kExitNoDevice;
    }
    return nullptr;
}

const char* UsageText() {
    return kUsage;
}

int Run(const std::vector<std::string>& args, const Environment& env) {
    if (args.empty()) {
        return Usage(env, "a command is needed");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        env.out << kUsage;
        return kExitOk;
    }
    if (command == "list") {
        return args.size() == 1 ? List(env) : Usage(env, "list takes no arguments");
    }
    if (command == "apply") {
        return Apply(args, env);
    }
    if (command == "set") {
        return RunSet(args, env);
    }
    if (command == "dump") {
        return Dump(args, env);
    }
    return Usage(env, "unknown command '" + command + "'");
}

}  // namespace kx90::ctl
