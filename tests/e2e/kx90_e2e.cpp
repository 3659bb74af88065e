// kx90_e2e: drives the installed KX90Driver.exe from outside under Wine.
//   kx90_e2e run INSTALL_DIR WORK_DIR
//       The end-to-end test, with the real pointer and keyboard: pages, profile 3 applied to the
//       virtual mouse, the files it leaves, the language popup once the updater's notice has
//       gone, a second copy, the tray menu's Exit; the boot-loader hand-off; start-up without a
//       mouse; clicks and wheel turns counted into Sts.cfg and shown with their trophy on the next
//       start.
//       Prints one line per check and the start-up and memory figures; exit code 0 when all pass.
//   kx90_e2e installer SETUP_EXE WORK_DIR
//       The installer: silent install, the installed program, silent uninstall.
//   kx90_e2e capture INSTALL_DIR OUT_DIR STATE_FILE
//       Screenshots of the main window and its five pages (run.sh without a display), then Exit.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>
#include <shlobj.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

#include "core/device/device_protocol.h"
#include "core/device/macro_image.h"
#include "core/device/profile_writer.h"
#include "core/layout/assignment_popup_layout.h"
#include "core/layout/lighting_page_layout.h"
#include "core/layout/macro_page_layout.h"
#include "core/layout/main_window_layout.h"
#include "core/layout/performance_page_layout.h"
#include "core/layout/skin_controls_layout.h"
#include "core/layout/statistics_page_layout.h"
#include "core/layout/support_page_layout.h"
#include "core/macro/macro_library.h"
#include "core/pages/statistics_page.h"
#include "core/platform/data_folders.h"
#include "core/profile/profile_catalogue.h"
#include "core/profile/profile_file.h"
#include "core/profile/profile_record.h"
#include "core/skin/menu_layout.h"
#include "program_driver.h"
#include "support/loopback_http.h"

namespace kx90::e2e {
namespace {

namespace fs = std::filesystem;
namespace mw = layout::main_window;
using Clock = std::chrono::steady_clock;

class Report {
public:
    void Check(bool ok, const std::string& name, const std::string& detail = {}) {
        std::printf("%s  %s%s%s\n", ok ? "PASS" : "FAIL", name.c_str(), detail.empty() ? "" : ": ",
                    detail.c_str());
        std::fflush(stdout);
        failures_ += ok ? 0 : 1;
    }
    void Note(const std::string& text) {
        std::printf("NOTE  %s\n", text.c_str());
        std::fflush(stdout);
    }
    int failures() const { return failures_; }

private:
    int failures_ = 0;
};

long long MsSince(Clock::time_point start) {
    return std::chrono::duration_cast<milliseconds>(Clock::now() - start).count();
}

std::string Hex32(uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
    return text;
}

// The sixteen entries of the virtual mouse's "key_matrix" line.
std::optional<std::array<uint32_t, kKeyMatrixEntries>> KeyMatrixOf(const std::string& state) {
    std::istringstream lines(state);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind("key_matrix", 0) != 0) {
            continue;
        }
        std::istringstream words(line.substr(10));
        std::array<uint32_t, kKeyMatrixEntries> matrix{};
        for (uint32_t& entry : matrix) {
            std::string word;
            if (!(words >> word)) {
                return std::nullopt;
            }
            entry = static_cast<uint32_t>(std::stoul(word, nullptr, 16));
        }
        return matrix;
    }
    return std::nullopt;
}

std::string LineOf(const std::string& state, const std::string& key) {
    std::istringstream lines(state);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.rfind(key + " ", 0) == 0) {
            return line.substr(key.size() + 1);
        }
    }
    return {};
}

std::optional<ProfileCatalogue> ReadCatalogue(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    ProfileCatalogue catalogue{};
    if (!in.read(reinterpret_cast<char*>(&catalogue), sizeof catalogue)) {
        return std::nullopt;
    }
    return catalogue;
}

bool Slot3Active(const fs::path& dataDir) {
    const auto catalogue = ReadCatalogue(CatalogueFilePath(dataDir));
    if (!catalogue) {
        return false;
    }
    for (int k = 1; k <= kProfileSlotCount; ++k) {
        if ((catalogue->Slot(k).active != 0) != (k == 3)) {
            return false;
        }
    }
    return catalogue->Slot(3).slotMarker == kSlotMarker;
}

// The program keeps a mirror of the user's files in the application-data folder and restores from
// it what the temporary folder lost: a scenario that starts as a new user starts without one.
void ForgetMirror() {
    wchar_t appData[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) {
        std::error_code ec;
        fs::remove_all(fs::path(appData) / "NORVI" / "KX90", ec);
    }
}

// A folder made fresh for one run of the program.
fs::path FreshFolder(const fs::path& path) {
    std::error_code ec;
    fs::remove_all(path, ec);
    fs::create_directories(path, ec);
    return fs::path(path).make_preferred();
}

// The settings the mouse holds match the profile file: every entry of a button that is not a
// macro, and the fixed entry 3.
void CheckKeyMatrix(Report& report, const std::string& state, const fs::path& profileFile) {
    ProfileRecord record{};
    const bool read = ReadProfileFile(profileFile, record).status == FileStatus::kOk && IsValid(record);
    report.Check(read, "Profile3.cfg is a valid profile of 22252 bytes",
                 read ? "" : "unreadable or wrong magic");
    const auto matrix = KeyMatrixOf(state);
    report.Check(matrix.has_value(), "virtual mouse state has a key matrix");
    if (!read || !matrix) {
        return;
    }
    std::string mismatches;
    for (int i = 0; i < kButtonCount; ++i) {
        const ButtonAssignment& button = record.buttons[i];
        if (button.functionCode == kFunctionMacro) {
            continue;
        }
        const int entry = kButtonOrder[static_cast<size_t>(i)].keyMatrixEntry;
        const uint32_t expected = BasicKeyMatrixEntry(button, i);
        if ((*matrix)[static_cast<size_t>(entry)] != expected) {
            mismatches += " entry " + std::to_string(entry) + " " +
                          Hex32((*matrix)[static_cast<size_t>(entry)]) + " != " + Hex32(expected);
        }
    }
    if ((*matrix)[3] != kKeyMatrixFixedEntry3) {
        mismatches += " entry 3 " + Hex32((*matrix)[3]);
    }
    report.Check(mismatches.empty(), "mouse key matrix matches profile 3", mismatches);
    report.Check(!LineOf(state, "report_rate").empty() && LineOf(state, "report_rate") != "0",
                 "report rate was written", "report_rate " + LineOf(state, "report_rate"));
}

// A point of the buttons page in main-window pixels.
POINT OnPage(const layout::Rect& r) {
    return POINT{mw::kPageAt.x + (r.left + r.right) / 2, mw::kPageAt.y + (r.top + r.bottom) / 2};
}

// Bytes as the virtual mouse's state file writes them: "%02X" each, one space between.
std::string SpacedHex(std::span<const uint8_t> bytes) {
    std::string text;
    for (size_t i = 0; i < bytes.size(); ++i) {
        char part[4];
        std::snprintf(part, sizeof part, i == 0 ? "%02X" : " %02X", bytes[i]);
        text += part;
    }
    return text;
}

// The mouse's state right after Apply, for kx90ctl's run on the same Profile3.cfg (a test of the
// windows tree after this one compares the two).
void KeepAppliedState(const fs::path& work, const std::string& state) {
    std::ofstream(work / "normal" / "applied-state.txt", std::ios::binary) << state;
}

// A copy of the installation without HidBridge.dll: the info dialog says so, the main window never
// shows, and OK ends the program. Its picture goes to damaged/info.png.
void RunWithoutBridge(Report& report, const fs::path& installDir, const fs::path& work) {
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "damaged" / "tmp");
    const fs::path copy = (work / "damaged" / "install").make_preferred();
    std::error_code ec;
    fs::remove_all(copy, ec);
    // Into a folder that does not exist yet: MinGW's copy fails with "File exists" otherwise.
    fs::copy(installDir, copy, fs::copy_options::recursive, ec);
    const bool removed = !ec && fs::remove(copy / "HidBridge.dll", ec);
    report.Check(removed, "an installation copy without HidBridge.dll", ec.message());
    if (!removed) {
        return;
    }
    ChildProgram program;
    if (!program.Start(
            copy / "KX90Driver.exe", L"",
            {{L"TMP", tmp.wstring()},
             {L"TEMP", tmp.wstring()},
             {L"KX90_VIRTUAL_MOUSE", (work / "damaged" / "mouse-state.txt").make_preferred().wstring()}})) {
        report.Check(false, "the damaged installation's program starts");
        return;
    }
    HWND info = nullptr;
    bool mainShown = false;
    const bool told = WaitUntil(
        [&] {
            HWND main = test::FindTopLevelWindow(kMainWindowTitle, program.id());
            mainShown = mainShown || (main != nullptr && IsWindowVisible(main));
            info = test::FindTopLevelWindow(kInfoWindowTitle, program.id());
            return info != nullptr && IsWindowVisible(info);
        },
        milliseconds(20000));
    report.Check(told, "without HidBridge.dll the info dialog appears");
    if (told) {
        std::this_thread::sleep_for(milliseconds(300));
        CaptureWindow(info, work / "damaged" / "info.png");
        PostMessageW(info, WM_COMMAND, IDOK, 0);
    }
    const auto end = program.WaitForExit(milliseconds(15000));
    report.Check(end.has_value(), "after OK the program without HidBridge.dll ends");
    report.Check(!mainShown, "the main window never shows without HidBridge.dll");
}

// On the lighting page of profile 3: steady light in preset colour 9 first, then colour cycle with
// the three colours switched on (presets 1, 17 and 24) and proximity sensing off.
void EditLightingPage(Report& report, HWND main) {
    namespace lp = layout::lighting_page;
    PointerClickAt(main, QuadCentre(mw::kTabs[1]));
    const bool shown = WaitUntil([&] { return VisiblePage(main) != nullptr; }, milliseconds(3000));
    std::this_thread::sleep_for(milliseconds(300));  // the page makes its controls when first shown
    report.Check(shown, "the lighting tab shows its page");
    std::string missed;
    auto press = [&](const layout::LocalizedRect& r, const char* what) {
        const POINT at = OnPage(r.other);  // an English installation
        bool pressed = PointerClickAt(main, at);
        if (!pressed) {
            // A tooltip of the control pressed before may still lie over this one: as a user's
            // hand would, rest the pointer on an empty part of the page until it has gone.
            RECT rc;
            GetWindowRect(main, &rc);
            test::InjectPointer(POINT{rc.left + mw::kPageAt.x + 60, rc.top + mw::kPageAt.y + 420});
            std::this_thread::sleep_for(milliseconds(800));
            pressed = PointerClickAt(main, at);
        }
        if (!pressed) {
            missed += std::string(missed.empty() ? "" : ", ") + what;
        }
        std::this_thread::sleep_for(milliseconds(100));
    };
    press(lp::kModeButtons[0], "steady");
    press(lp::PresetSwatch(9), "preset 9");
    press(lp::kModeButtons[4], "colour cycle");
    press(lp::kMultiColorSwitch, "three colours");
    const int presets[3] = {1, 17, 24};
    for (int slot = 0; slot < 3; ++slot) {
        press(lp::kMultiColorSwatches[slot], "a colour swatch");
        press(lp::PresetSwatch(presets[slot]), "a preset");
    }
    press(lp::kProximityOff, "proximity off");
    report.Check(missed.empty(), "every lighting control lies under the pointer", missed);
    PointerClickAt(main, QuadCentre(mw::kTabs[0]));
    std::this_thread::sleep_for(milliseconds(200));
}

// After Apply: the file holds the lighting page's choices and the mouse holds what they say.
void CheckLightingPage(Report& report, const std::string& state, const fs::path& profileFile) {
    namespace lp = layout::lighting_page;
    ProfileRecord record{};
    if (ReadProfileFile(profileFile, record).status != FileStatus::kOk) {
        report.Check(false, "profile 3 readable after the lighting page's write");
        return;
    }
    const bool chosen =
        record.lightingMode == kLightingMultiColor && record.multiColorOn == 1 &&
        record.colors[3] == lp::kPresetColors[9] && record.colors[0] == lp::kPresetColors[1] &&
        record.colors[1] == lp::kPresetColors[17] && record.colors[2] == lp::kPresetColors[24] &&
        record.colorPreset[1] == 17 && record.proximitySensing == 0;
    report.Check(chosen, "Profile3.cfg holds colour cycle with three preset colours, proximity off",
                 "mode " + std::to_string(record.lightingMode) + " switch " +
                     std::to_string(record.multiColorOn) + " colours " + Hex32(record.colors[0]) + " " +
                     Hex32(record.colors[1]) + " " + Hex32(record.colors[2]) + " " + Hex32(record.colors[3]));
    report.Check(LineOf(state, "led_color") == Hex32(record.colors[3]), "the mouse holds the single colour",
                 LineOf(state, "led_color"));
    const LightingEffect effect = LightingEffectOf(record);
    const std::string expectedEffect =
        std::to_string(effect.mode) + " " + std::to_string(effect.p1) + " " + std::to_string(effect.p2);
    report.Check(LineOf(state, "effect") == expectedEffect, "the mouse holds the colour-cycle effect",
                 LineOf(state, "effect") + " != " + expectedEffect);
    const auto payload = BuildMultiColorPayload(std::span<const uint32_t, 3>(record.colors, 3));
    report.Check(LineOf(state, "multi_colors") == SpacedHex(payload), "the mouse holds the three colours",
                 LineOf(state, "multi_colors"));
    char proximity[4];
    std::snprintf(proximity, sizeof proximity, "%02X", ProximityByteOf(0, record.lightingMode));
    report.Check(LineOf(state, "proximity") == proximity, "the mouse has proximity sensing off",
                 LineOf(state, "proximity"));
}

// On the buttons page of profile 3: sensitivity levels 500, 1000 and 3000 (the factory seven are
// 750 ... 4000), 500 Hz, four lines per notch, and Ctrl+C on button 3 through its function tab and the
// assignment popup.
void EditButtonsPage(Report& report, HWND main, DWORD processId) {
    namespace pp = layout::performance_page;
    auto level = [&](int j) {
        PointerClickAt(main, OnPage(pp::kLevelButtons[j]));
        std::this_thread::sleep_for(milliseconds(60));
    };
    // 750 off, 500 on, then the rest of the factory levels off and 1000 and 3000 on, 4000 last.
    for (int j : {1, 0, 3, 4, 5, 6, 9, 2, 7, 10}) {
        level(j);
    }
    PointerClickAt(main, OnPage(pp::kRateButtons[2]));
    std::this_thread::sleep_for(milliseconds(60));
    PointerClickAt(main, OnPage(pp::kLinesUp.other));  // 3 lines per notch become 4 (an English installation)
    std::this_thread::sleep_for(milliseconds(60));

    PointerClickAt(main, OnPage(pp::kFunctionTabs[3].Bounds()));
    HWND popup = nullptr;
    const bool opened = WaitUntil(
        [&] { return (popup = test::FindTopLevelWindow(L"NorviKX90SettingDlg", processId)) != nullptr; },
        milliseconds(10000), milliseconds(20));
    report.Check(opened, "the function tab of button 3 opens the assignment popup");
    if (!opened) {
        return;
    }
    std::this_thread::sleep_for(milliseconds(300));
    test::InjectKey(VK_CONTROL);
    test::InjectKey('C');
    std::this_thread::sleep_for(milliseconds(300));  // the program's hook hands them to the key page
    const layout::Rect& ok = layout::assignment_popup::kOkButton;
    PointerClickAt(popup, POINT{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
    report.Check(WaitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, milliseconds(8000)),
                 "the popup closes with OK");
}

// After Apply: the mouse and the profile file hold the buttons page's choices, and the pointer
// settings reached Windows.
void CheckButtonsPage(Report& report, const std::string& state, const fs::path& profileFile) {
    ProfileRecord record{};
    if (ReadProfileFile(profileFile, record).status != FileStatus::kOk) {
        report.Check(false, "profile 3 readable after the buttons page's write");
        return;
    }
    const bool levels = record.dpiLevels[0] == 500 && record.dpiLevels[1] == 1000 &&
                        record.dpiLevels[2] == 3000 && record.dpiLevels[3] == 0;
    report.Check(levels, "Profile3.cfg holds the levels 500, 1000, 3000",
                 std::to_string(record.dpiLevels[0]) + " " + std::to_string(record.dpiLevels[1]) + " " +
                     std::to_string(record.dpiLevels[2]) + " " + std::to_string(record.dpiLevels[3]));
    const DpiTable table =
        BuildDpiTable(std::span<const uint32_t, kDpiLevelCount>(record.dpiLevels, kDpiLevelCount));
    const std::string expected = SpacedHex(table.bytes);
    report.Check(LineOf(state, "dpi_table") == expected, "the mouse holds that sensitivity table",
                 LineOf(state, "dpi_table") + " != " + expected);
    report.Check(record.reportRate == 2 && LineOf(state, "report_rate") == "2",
                 "500 Hz: report-rate code 2 in the file and the mouse",
                 "report_rate " + LineOf(state, "report_rate"));
    report.Check(record.buttons[3].functionCode == 5 && record.buttons[3].keyCode == 0x00060100,
                 "button 3 is Ctrl + C in the file", Hex32(record.buttons[3].keyCode));
    const auto matrix = KeyMatrixOf(state);
    const int entry = kButtonOrder[3].keyMatrixEntry;
    report.Check(matrix && (*matrix)[static_cast<size_t>(entry)] == BasicKeyMatrixEntry(record.buttons[3], 3),
                 "the mouse's key matrix entry of button 3 is the combination",
                 matrix ? Hex32((*matrix)[static_cast<size_t>(entry)]) : "no key matrix");
    UINT lines = 0;
    SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
    report.Check(record.scrollLines == 4 && static_cast<int>(lines) == record.scrollLines,
                 "four lines per notch in the file and in Windows",
                 std::to_string(lines) + " != " + std::to_string(record.scrollLines));
}

// The five tabs in turn: each shows its own page; the profile buttons and Apply follow the page.
// Returns the pages in tab order (null where none showed).
std::array<HWND, 5> VisitTabs(Report& report, HWND main, const fs::path& screenshots) {
    std::array<HWND, 5> pages{};
    for (int k = 0; k < 5; ++k) {
        const bool clicked = PointerClickAt(main, QuadCentre(mw::kTabs[k]));
        const bool editable = k < 2;
        HWND apply = ChildAt(main, QuadCentre(mw::kApply));
        HWND profile = ChildAt(main, QuadCentre(mw::kProfiles[0]));
        HWND page = nullptr;
        const bool shown = WaitUntil(
            [&] {
                page = VisiblePage(main);
                const bool fresh =
                    page != nullptr && std::find(pages.begin(), pages.begin() + k, page) == pages.begin() + k;
                return fresh && IsWindowEnabled(apply) == (editable ? TRUE : FALSE) &&
                       IsWindowEnabled(profile) == (editable ? TRUE : FALSE);
            },
            milliseconds(3000));
        pages[static_cast<size_t>(k)] = page;
        report.Check(clicked && shown, "tab " + std::to_string(k + 1) + " shows its own page",
                     !clicked ? "no control under the tab"
                              : (page == nullptr ? "no visible page"
                                                 : std::string("Apply/profile buttons ") +
                                                       (IsWindowEnabled(apply) ? "enabled" : "disabled")));
        if (!screenshots.empty()) {
            std::this_thread::sleep_for(milliseconds(300));  // let the page finish painting
            CaptureWindow(main, screenshots / ("page_" + std::to_string(k + 1) + ".png"));
        }
    }
    return pages;
}

std::optional<int32_t> SavedLanguage(const fs::path& dataDir) {
    std::ifstream in(LanguageFilePath(dataDir), std::ios::binary);
    int32_t index = 0;
    if (!in.read(reinterpret_cast<char*>(&index), sizeof index)) {
        return std::nullopt;
    }
    return index;
}

// The state a user meets after start-up: the updater's notice has taken the activation and closed
// itself, and Wine has handed the activation to a window of another program. The language popup
// must work by pointer all the same: Korean chosen, the popup closed, Language.cfg holding 4.
void ChooseKoreanByPointer(Report& report, const ChildProgram& program, HWND main, const fs::path& dataDir,
                           Clock::time_point started) {
    // The notice comes three seconds after the window and closes itself five seconds later.
    constexpr wchar_t kNoticeTitle[] = L"Norvi Update";
    const bool noticeSeen = WaitUntil(
        [&] { return test::FindTopLevelWindow(kNoticeTitle, 0) != nullptr; },
        std::max(milliseconds(0), milliseconds(12000) - milliseconds(MsSince(started))), milliseconds(20));
    const bool noticeGone =
        WaitUntil([&] { return test::FindTopLevelWindow(kNoticeTitle, 0) == nullptr; }, milliseconds(10000));
    report.Note(std::string("updater notice ") + (noticeSeen ? "came and " : "not seen; ") +
                (noticeGone ? "is gone" : "still shown") + "; foreground now " +
                (GetForegroundWindow() == main ? "the main window" : "another window"));

    const layout::Rect& button = mw::kLanguageButton;
    const bool opened =
        PointerClickAt(main, POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    HWND popup = nullptr;
    const bool shown =
        opened &&
        WaitUntil([&] { return (popup = FindPopupOf(program.id(), main)) != nullptr; }, milliseconds(3000));
    report.Check(shown, "the language button opens the language popup");
    if (!shown) {
        return;
    }
    const bool rows[12] = {};
    const layout::Rect korean = skin::LayOutMenu(rows).items[3];  // rows in language-index order
    RECT rc;
    GetWindowRect(popup, &rc);
    const POINT target{rc.left + (korean.left + korean.right) / 2, rc.top + (korean.top + korean.bottom) / 2};
    for (int dy : {60, 30, 10}) {  // on the way up from the button, as a hand moves
        test::InjectPointer(POINT{target.x, target.y + dy});
        std::this_thread::sleep_for(milliseconds(30));
    }
    test::InjectClick(target);
    const bool closed =
        WaitUntil([&] { return !IsWindow(popup) || !IsWindowVisible(popup); }, milliseconds(5000));
    const bool saved =
        WaitUntil([&] { return SavedLanguage(dataDir) == 4; }, milliseconds(3000), milliseconds(50));
    const auto index = SavedLanguage(dataDir);
    report.Check(closed && saved, "Korean chosen in the popup by pointer closes it and is saved",
                 std::string(closed ? "closed" : "still open") + ", Language.cfg " +
                     (index ? std::to_string(*index) : std::string("unreadable")));
}

void NoteMemory(Report& report, const ChildProgram& program, const std::string& when) {
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (GetProcessMemoryInfo(program.process(), &memory, sizeof memory)) {
        report.Note("working set " + when + ": " + std::to_string(memory.WorkingSetSize / 1024) +
                    " KiB (peak " + std::to_string(memory.PeakWorkingSetSize / 1024) + " KiB, page file " +
                    std::to_string(memory.PagefileUsage / 1024) + " KiB)");
    }
}

HWND WaitForMainWindow(const ChildProgram& program, milliseconds timeout) {
    HWND main = nullptr;
    WaitUntil([&] { return (main = test::FindTopLevelWindow(kMainWindowTitle, program.id())) != nullptr; },
              timeout, milliseconds(2));
    return main;
}

void RunWithVirtualMouse(Report& report, const fs::path& program, const fs::path& work) {
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "normal" / "tmp");
    const fs::path state = (work / "normal" / "mouse-state.txt").make_preferred();
    std::error_code ec;
    fs::remove(state, ec);
    const fs::path dataDir = tmp / "NORVI" / "KX90";
    const EnvironmentChanges env = {
        {L"TMP", tmp.wstring()}, {L"TEMP", tmp.wstring()}, {L"KX90_VIRTUAL_MOUSE", state.wstring()}};

    ChildProgram first;
    const auto start = Clock::now();
    if (!first.Start(program, L"", env)) {
        report.Check(false, "program starts", "CreateProcessW failed " + std::to_string(GetLastError()));
        return;
    }
    HWND main = WaitForMainWindow(first, milliseconds(30000));
    const long long startupMs = MsSince(start);
    report.Check(main != nullptr, "main window shown with the virtual mouse",
                 main != nullptr ? std::to_string(startupMs) + " ms" : "not within 30 s");
    if (main == nullptr) {
        return;
    }
    report.Note("first start-up to the main window shown: " + std::to_string(startupMs) + " ms");
    std::this_thread::sleep_for(milliseconds(500));
    NoteMemory(report, first, "after start-up");
    report.Check(fs::exists(CatalogueFilePath(dataDir)), "data folder seeded in the fresh TMP",
                 Narrow(CatalogueFilePath(dataDir).wstring()));
    // The virtual mouse writes its state after the first setting it receives, not when opened.
    report.Check(!fs::exists(state), "nothing sent to the mouse at start-up");

    const std::array<HWND, 5> pages = VisitTabs(report, main, {});
    PointerClickAt(main, QuadCentre(mw::kTabs[0]));
    report.Check(
        WaitUntil([&] { return pages[0] != nullptr && VisiblePage(main) == pages[0]; }, milliseconds(3000)),
        "tab 1 shows the first page again");

    // Selecting a profile changes nothing in the mouse until Apply.
    const std::string stateBefore = ReadText(state).value_or("");
    report.Check(PointerClickAt(main, QuadCentre(mw::kProfiles[2])), "profile 3 button pressed");
    std::this_thread::sleep_for(milliseconds(700));
    report.Check(ReadText(state).value_or("") == stateBefore,
                 "selecting profile 3 sends nothing to the mouse");
    EditButtonsPage(report, main, first.id());
    EditLightingPage(report, main);
    report.Check(ReadText(state).value_or("") == stateBefore, "the page's edits send nothing before Apply");

    const auto applied = fs::file_time_type::clock::now();
    const fs::path profile3 = ProfileFilePath(dataDir, 3);
    const auto applyStart = Clock::now();
    report.Check(PointerClickAt(main, QuadCentre(mw::kApply)), "Apply pressed");
    HWND progress = nullptr;
    const bool progressShown = WaitUntil(
        [&] { return (progress = test::FindTopLevelWindow(kProgressWindowTitle, first.id())) != nullptr; },
        milliseconds(10000), milliseconds(2));
    report.Check(progressShown, "progress window appears");
    const bool progressClosed =
        progressShown &&
        WaitUntil([&] { return !IsWindow(progress) || !IsWindowVisible(progress); }, milliseconds(60000));
    report.Check(progressClosed, "progress window closes after the write",
                 std::to_string(MsSince(applyStart)) + " ms after Apply");
    const bool saved = WaitUntil(
        [&] {
            std::error_code ec;
            const auto written = fs::last_write_time(profile3, ec);
            return !ec && written >= applied - std::chrono::seconds(2) && Slot3Active(dataDir);
        },
        milliseconds(5000), milliseconds(50));
    report.Check(saved, "Profile3.cfg rewritten and ConfigInfo.cfg has slot 3 active");
    const std::string written = ReadText(state).value_or("");
    report.Check(LineOf(written, "mode") == "normal" && LineOf(written, "firmware") == "15",
                 "the virtual mouse in normal mode received the write");
    CheckKeyMatrix(report, written, profile3);
    CheckButtonsPage(report, written, profile3);
    CheckLightingPage(report, written, profile3);
    KeepAppliedState(work, written);
    NoteMemory(report, first, "after the pages and a write");
    report.Check(IsWindowVisible(main) != FALSE, "main window still shown after the write");
    ChooseKoreanByPointer(report, first, main, dataDir, start);

    // A second copy finds the first and ends; the first stays.
    ChildProgram second;
    const bool secondStarted = second.Start(program, L"", env);
    const auto secondEnd = secondStarted ? second.WaitForExit(milliseconds(15000)) : std::nullopt;
    report.Check(secondEnd.has_value() && first.Running() && IsWindowVisible(main),
                 "a second copy exits while the first window stays shown",
                 secondEnd ? "exit code " + std::to_string(*secondEnd) : "still running after 15 s");

    // The close button only hides the window; another start brings it back.
    const layout::Rect& close = mw::kCloseButton;
    PointerClickAt(main, POINT{(close.left + close.right) / 2, (close.top + close.bottom) / 2});
    report.Check(WaitUntil([&] { return !IsWindowVisible(main); }, milliseconds(5000)) && first.Running(),
                 "the close button hides the window to the tray");
    ChildProgram third;
    const bool thirdStarted = third.Start(program, L"", env);
    const auto thirdEnd = thirdStarted ? third.WaitForExit(milliseconds(15000)) : std::nullopt;
    const bool shownAgain = WaitUntil([&] { return IsWindowVisible(main) != FALSE; }, milliseconds(5000));
    report.Check(thirdEnd.has_value() && shownAgain && first.Running(),
                 "a copy started while hidden exits and shows the first window again",
                 !thirdEnd ? "still running after 15 s" : (shownAgain ? "" : "window stays hidden"));

    std::wstring how;
    const bool exited = ExitThroughTray(main, first, milliseconds(20000), how);
    report.Check(exited, "program ends through the tray menu's Exit", Narrow(how));
    report.Check(how.rfind(L"tray menu, Exit chosen with the keyboard", 0) == 0,
                 "Exit chosen in the tray menu itself with real keys", Narrow(how));
}

// A start with everything warm (Wine, the file cache, the data folder seeded): the time to the main
// window, then out through the tray again.
void MeasureWarmStart(Report& report, const fs::path& program, const fs::path& work) {
    const fs::path tmp = fs::path(work / "normal" / "tmp").make_preferred();
    const fs::path state = (work / "normal" / "mouse-state.txt").make_preferred();
    ChildProgram driver;
    const auto start = Clock::now();
    if (!driver.Start(
            program, L"",
            {{L"TMP", tmp.wstring()}, {L"TEMP", tmp.wstring()}, {L"KX90_VIRTUAL_MOUSE", state.wstring()}})) {
        return;
    }
    HWND main = WaitForMainWindow(driver, milliseconds(30000));
    const long long startupMs = MsSince(start);
    report.Check(main != nullptr, "main window shown again (warm start)", std::to_string(startupMs) + " ms");
    if (main == nullptr) {
        return;
    }
    report.Note("warm start-up to the main window shown: " + std::to_string(startupMs) + " ms");
    std::wstring how;
    report.Check(ExitThroughTray(main, driver, milliseconds(20000), how),
                 "warm copy ends through the tray menu", Narrow(how));
}

// Ends the flash tool a hand-off started (it waits for its user otherwise).
void CloseFlashTool(HWND flash) {
    if (flash == nullptr) {
        return;
    }
    DWORD flashProcess = 0;
    GetWindowThreadProcessId(flash, &flashProcess);
    PostMessageW(flash, WM_CLOSE, 0, 0);
    if (HANDLE h = OpenProcess(SYNCHRONIZE | PROCESS_TERMINATE, FALSE, flashProcess)) {
        if (WaitForSingleObject(h, 5000) != WAIT_OBJECT_0) {
            TerminateProcess(h, 1);
        }
        CloseHandle(h);
    }
}

void RunInBootloaderMode(Report& report, const fs::path& program, const fs::path& work) {
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "bootloader" / "tmp");
    ChildProgram driver;
    if (!driver.Start(
            program, L"",
            {{L"TMP", tmp.wstring()}, {L"TEMP", tmp.wstring()}, {L"KX90_VIRTUAL_MOUSE", L"bootloader"}})) {
        report.Check(false, "program starts in boot-loader mode");
        return;
    }
    bool mainShown = false;
    HWND flash = nullptr;
    HWND line = nullptr;
    WaitUntil(
        [&] {
            mainShown = mainShown || test::FindTopLevelWindow(kMainWindowTitle, driver.id()) != nullptr;
            flash = test::FindTopLevelWindow(kFlashToolTitle, 0);
            line =
                flash != nullptr ? FindWindowExW(flash, nullptr, nullptr, L"Language argument: 0") : nullptr;
            return line != nullptr;
        },
        milliseconds(30000));
    report.Check(
        line != nullptr, "boot-loader mode starts FlashTool.exe with \"0\"",
        flash == nullptr ? "no flash tool window" : (line == nullptr ? "no \"Language argument: 0\"" : ""));
    bool ended = WaitUntil(
        [&] {
            mainShown = mainShown || test::FindTopLevelWindow(kMainWindowTitle, driver.id()) != nullptr;
            return !driver.Running();
        },
        milliseconds(15000));
    report.Check(ended, "program closes after the hand-off");
    report.Check(!mainShown, "main window never shown in boot-loader mode");
    CloseFlashTool(flash);
}

void RunWithoutMouse(Report& report, const fs::path& program, const fs::path& work) {
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "nomouse" / "tmp");
    ChildProgram driver;
    const auto start = Clock::now();
    if (!driver.Start(
            program, L"",
            {{L"TMP", tmp.wstring()}, {L"TEMP", tmp.wstring()}, {L"KX90_VIRTUAL_MOUSE", std::nullopt}})) {
        report.Check(false, "program starts without a mouse");
        return;
    }
    bool mainShown = false;
    bool noticeShown = WaitUntil(
        [&] {
            mainShown = mainShown || test::FindTopLevelWindow(kMainWindowTitle, driver.id()) != nullptr;
            return test::FindTopLevelWindow(kInfoWindowTitle, driver.id()) != nullptr;
        },
        milliseconds(20000));
    report.Check(noticeShown, "without a mouse the count-down notice appears",
                 std::to_string(MsSince(start)) + " ms");
    const bool ended = WaitUntil(
        [&] {
            mainShown = mainShown || test::FindTopLevelWindow(kMainWindowTitle, driver.id()) != nullptr;
            return !driver.Running();
        },
        milliseconds(20000));
    report.Check(ended, "without a mouse the program ends after the count-down",
                 std::to_string(MsSince(start)) + " ms after start");
    report.Check(!mainShown, "main window never shown without a mouse");
}

// Sts.cfg as the program keeps it, or nullopt when it is missing or not 24 bytes.
std::optional<pages::StatisticsCounts> ReadStatistics(const fs::path& dataDir) {
    const std::string bytes = ReadText(StatisticsFilePath(dataDir)).value_or("");
    pages::StatisticsCounts counts;
    if (bytes.size() != sizeof counts) {
        return std::nullopt;
    }
    std::memcpy(&counts, bytes.data(), sizeof counts);
    return counts;
}

std::string CountsText(const std::optional<pages::StatisticsCounts>& c) {
    if (!c) {
        return "Sts.cfg missing or not 24 bytes";
    }
    return "left " + std::to_string(c->leftPresses) + ", middle " + std::to_string(c->middlePresses) +
           ", right " + std::to_string(c->rightPresses) + ", up " + std::to_string(c->wheelUpNotches) +
           ", down " + std::to_string(c->wheelDownNotches) + ", travel " + std::to_string(c->pointerTravel);
}

// One pixel of an installed picture, as COLORREF.
std::optional<COLORREF> PicturePixel(const fs::path& picture, POINT at) {
    HANDLE image =
        LoadImageW(nullptr, picture.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    if (image == nullptr) {
        return std::nullopt;
    }
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, image);
    const COLORREF color = GetPixel(dc, at.x, at.y);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(image);
    return color;
}

// Shows the statistics page with a real click on its tab (a counted left press). The window shows
// a moment before the hooks are in place: the click waits for them.
bool ShowStatisticsPage(HWND main) {
    std::this_thread::sleep_for(milliseconds(500));
    return PointerClickAt(main, QuadCentre(mw::kTabs[3])) &&
           WaitUntil([&] { return VisiblePage(main) != nullptr; }, milliseconds(3000));
}

// The statistics page on screen shows the trophy of level 4: the large picture of that level, the
// level bar five thirteenths long, marks 0 to 4 on and 5 off. Compared pixel by pixel with the
// installed pictures; polled, because the updater's notice may lie over the window for a while.
bool ShowsLevelFour(HWND main, const fs::path& skins) {
    namespace sts = layout::statistics_page;
    const int bar = sts::kLevelBar.left + pages::LevelBarWidth(4);
    const layout::Rect on = sts::TrophyMark(4);
    const layout::Rect off = sts::TrophyMark(5);
    const struct {
        fs::path picture;
        POINT inPicture;
        POINT onPage;
    } probes[] = {
        {skins / "trophy" / "trophy4Down.bmp", {149, 150}, {sts::kTrophy.left + 149, sts::kTrophy.top + 150}},
        {skins / "Sts_Down.bmp", {bar - 4, 69}, {bar - 4, 69}},
        {skins / "Sts_Normal.bmp", {bar + 4, 69}, {bar + 4, 69}},
        {skins / "Sts_Down.bmp",
         {(on.left + on.right) / 2, on.top + 15},
         {(on.left + on.right) / 2, on.top + 15}},
        {skins / "Sts_Normal.bmp",
         {(off.left + off.right) / 2, off.top + 15},
         {(off.left + off.right) / 2, off.top + 15}},
    };
    return WaitUntil(
        [&] {
            RECT rc;
            GetWindowRect(main, &rc);
            for (const auto& probe : probes) {
                const POINT screen{rc.left + mw::kPageAt.x + probe.onPage.x,
                                   rc.top + mw::kPageAt.y + probe.onPage.y};
                if (PicturePixel(probe.picture, probe.inPicture) != test::ScreenPixel(screen)) {
                    return false;
                }
            }
            return true;
        },
        milliseconds(15000), milliseconds(100));
}

// The statistics page counts what the real mouse does while the program runs: clicks, right
// clicks and wheel turns reach Sts.cfg through the tray's Exit. Started again on those counts (with
// 1 500 000 wheel notches added, as a long use leaves them), the page shows the trophy of level 4,
// and what it counts then is added to what it loaded.
void RunStatistics(Report& report, const fs::path& program, const fs::path& work) {
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "statistics" / "tmp");
    const fs::path dataDir = tmp / "NORVI" / "KX90";
    const EnvironmentChanges env = {
        {L"TMP", tmp.wstring()},
        {L"TEMP", tmp.wstring()},
        {L"KX90_VIRTUAL_MOUSE", (work / "statistics" / "mouse-state.txt").make_preferred().wstring()}};
    ChildProgram first;
    HWND main = first.Start(program, L"", env) ? WaitForMainWindow(first, milliseconds(30000)) : nullptr;
    report.Check(main != nullptr && ShowStatisticsPage(main),
                 "statistics: the page shows in a fresh data folder");
    if (main == nullptr) {
        return;
    }
    const POINT spot{mw::kPageAt.x + 160, mw::kPageAt.y + 445};  // no control there
    for (int i = 0; i < 5; ++i) {
        PointerClickAt(main, spot);
        std::this_thread::sleep_for(milliseconds(40));
    }
    RECT rc;
    GetWindowRect(main, &rc);
    const POINT screen{rc.left + spot.x, rc.top + spot.y};
    for (DWORD flags :
         {MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP}) {
        test::InjectPointer(screen, static_cast<DWORD>(flags));
        std::this_thread::sleep_for(milliseconds(40));
    }
    for (int delta : {WHEEL_DELTA, WHEEL_DELTA, WHEEL_DELTA, -WHEEL_DELTA, -WHEEL_DELTA}) {
        INPUT wheel{};
        wheel.type = INPUT_MOUSE;
        wheel.mi.dwFlags = MOUSEEVENTF_WHEEL;
        wheel.mi.mouseData = static_cast<DWORD>(delta);
        SendInput(1, &wheel, sizeof wheel);
        std::this_thread::sleep_for(milliseconds(40));
    }
    // A pointer sample after the last move. Travel is only checked to be there: under Wine with the
    // program's mouse hook in place, injected moves show in GetCursorPos for about 100 ms, after
    // which it reads the X pointer again (the screen's centre), so the sampled path is not the
    // driven one.
    std::this_thread::sleep_for(milliseconds(700));
    std::wstring how;
    report.Check(ExitThroughTray(main, first, milliseconds(20000), how),
                 "statistics: first run ends through the tray", Narrow(how));
    std::optional<pages::StatisticsCounts> counts = ReadStatistics(dataDir);
    report.Check(counts && counts->leftPresses == 6 && counts->middlePresses == 0 &&
                     counts->rightPresses == 2 && counts->wheelUpNotches == 3 &&
                     counts->wheelDownNotches == 2 && counts->pointerTravel > 0,
                 "Sts.cfg holds the tab click, 5 clicks, 2 right clicks, 3 notches up and 2 down, and travel",
                 CountsText(counts));
    if (!counts) {
        return;
    }

    counts->wheelUpNotches += 1'500'000;
    std::ofstream(StatisticsFilePath(dataDir), std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(&*counts), sizeof *counts);
    ChildProgram second;
    main = second.Start(program, L"", env) ? WaitForMainWindow(second, milliseconds(30000)) : nullptr;
    report.Check(main != nullptr && ShowStatisticsPage(main),
                 "statistics: the page shows again on the kept counts");
    if (main == nullptr) {
        return;
    }
    report.Check(ShowsLevelFour(main, program.parent_path() / "skins"),
                 "1 500 003 wheel notches show the level-4 trophy, bar and marks");
    CaptureWindow(main, work / "statistics" / "statistics_page_level4.png");
    report.Check(ExitThroughTray(main, second, milliseconds(20000), how),
                 "statistics: second run ends through the tray", Narrow(how));
    const std::optional<pages::StatisticsCounts> kept = ReadStatistics(dataDir);
    report.Check(kept && kept->leftPresses == counts->leftPresses + 1 &&
                     kept->wheelUpNotches == counts->wheelUpNotches && kept->rightPresses == 2 &&
                     kept->pointerTravel >= counts->pointerTravel,
                 "the second run adds its tab click to the loaded counts", CountsText(kept));
}

// The firmware update from the support page against a loopback update server: the mouse has 15,
// the server offers 16; the user presses Update and answers the question with OK; the image comes
// down whole, FlashTool.exe starts with it and the program ends. The installation is copied first,
// so its KX90Driver.ini can name the server.
void RunFirmwareUpdate(Report& report, const fs::path& installDir, const fs::path& work) {
    test::LoopbackHttpServer server;
    if (!server.Running()) {
        report.Check(false, "a loopback update server runs");
        return;
    }
    const std::string image(96 * 1024, '\x3C');
    server.Serve("/fw/KX90_16.bin", {.body = image});
    server.Serve("/software/KX90/update.xml",
                 {.body = "<?xml version=\"1.0\"?><update><firmware><current>16</current><newfile>" +
                          server.BaseAddress() + "/fw/KX90_16.bin</newfile></firmware></update>"});
    const fs::path install = FreshFolder(work / "update" / "install");
    std::error_code ec;
    // File by file: the library's recursive copy gives up on this tree under Wine.
    for (auto it = fs::recursive_directory_iterator(installDir, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path to = install / fs::relative(it->path(), installDir, ec);
        if (it->is_directory(ec)) {
            fs::create_directories(to, ec);
        } else {
            fs::copy_file(it->path(), to, fs::copy_options::overwrite_existing, ec);
        }
    }
    std::ofstream(install / "KX90Driver.ini", std::ios::binary)
        << "[Update]\r\nServer=" << server.BaseAddress() << "\r\n";
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "update" / "tmp");
    const fs::path state = (work / "update" / "mouse-state.txt").make_preferred();
    ChildProgram driver;
    if (!driver.Start(
            (install / "KX90Driver.exe").make_preferred(), L"",
            {{L"TMP", tmp.wstring()}, {L"TEMP", tmp.wstring()}, {L"KX90_VIRTUAL_MOUSE", state.wstring()}})) {
        report.Check(false, "program starts from the copied installation",
                     "copy: " + ec.message() + ", " + Narrow((install / "KX90Driver.exe").wstring()) +
                         (fs::exists(install / "KX90Driver.exe") ? " exists" : " missing"));
        return;
    }
    HWND main = WaitForMainWindow(driver, milliseconds(30000));
    if (main == nullptr) {
        report.Check(false, "main window shown for the firmware update");
        return;
    }
    std::this_thread::sleep_for(milliseconds(500));
    PointerClickAt(main, QuadCentre(mw::kTabs[4]));
    std::this_thread::sleep_for(milliseconds(400));
    report.Check(PointerClickAt(main, OnPage(layout::support_page::kFirmwareUpdate)),
                 "Update pressed on the support page");
    HWND question = nullptr;
    const bool asked = WaitUntil(
        [&] { return (question = test::FindTopLevelWindow(kInfoWindowTitle, driver.id())) != nullptr; },
        milliseconds(10000), milliseconds(20));
    report.Check(asked, "the server's newer firmware is offered");
    if (!asked) {
        driver.Kill();
        return;
    }
    std::this_thread::sleep_for(milliseconds(300));
    const layout::Rect& ok = layout::info_dialog::kOkOfTwo;
    PointerClickAt(question, POINT{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
    HWND flash = nullptr;
    HWND line = nullptr;
    const fs::path expected = install / "FWUpdate" / "new_version" / "NorviGameDevice.bin";
    const std::wstring imageLine = L"Firmware image: " + fs::path(expected).make_preferred().wstring();
    WaitUntil(
        [&] {
            flash = test::FindTopLevelWindow(kFlashToolTitle, 0);
            line = flash != nullptr ? FindWindowExW(flash, nullptr, nullptr, imageLine.c_str()) : nullptr;
            return line != nullptr;
        },
        milliseconds(30000));
    report.Check(
        line != nullptr, "FlashTool.exe starts with the downloaded image",
        flash == nullptr ? "no flash tool window" : (line == nullptr ? "no line " + Narrow(imageLine) : ""));
    std::ifstream in(expected, std::ios::binary);
    const std::string got((std::istreambuf_iterator<char>(in)), {});
    report.Check(got == image, "the image in FWUpdate\\new_version is the whole download",
                 std::to_string(got.size()) + " of " + std::to_string(image.size()) + " bytes");
    report.Check(WaitUntil([&] { return !driver.Running(); }, milliseconds(15000)),
                 "the program ends after the hand-off");
    CloseFlashTool(flash);
}

// The first listed macro of group 21 in Macro.cfg, or nullopt.
std::optional<MacroRecord> FirstCustomMacro(const fs::path& dataDir) {
    std::ifstream in(MacroFilePath(dataDir), std::ios::binary);
    MacroRecord record{};
    while (in.read(reinterpret_cast<char*>(&record), sizeof record)) {
        if (IsMacroListed(record) && MacroGroupOf(record.id) == 21 && record.eventCount > 0) {
            return record;
        }
    }
    return std::nullopt;
}

// On the macro page: a new macro, W and E recorded through the program's keyboard hook, then the
// buttons page: button 3 gets the macro through the popup's macro tab. Returns whether the
// popup closed with OK.
bool RecordAndAssignMacro(Report& report, HWND main, DWORD processId, const fs::path& dataDir) {
    namespace mp = layout::macro_page;
    PointerClickAt(main, QuadCentre(mw::kTabs[2]));
    std::this_thread::sleep_for(milliseconds(300));
    report.Check(PointerClickAt(main, OnPage(mp::kNewMacro)), "the new-macro button is pressed");
    std::this_thread::sleep_for(milliseconds(200));
    // A name with a blank, ended with Enter; the Z after it must not reach the closed editor.
    for (WORD key : {WORD{'M'}, WORD{VK_SPACE}, WORD{'X'}, WORD{VK_RETURN}, WORD{'Z'}}) {
        test::InjectKey(key);
        std::this_thread::sleep_for(milliseconds(60));
    }
    std::this_thread::sleep_for(milliseconds(200));
    PointerClickAt(main, OnPage(mp::kRecordButton));
    std::this_thread::sleep_for(milliseconds(300));
    for (WORD key : {WORD{'W'}, WORD{'E'}}) {
        test::InjectKey(key);
        std::this_thread::sleep_for(milliseconds(150));
    }
    PointerClickAt(main, OnPage(mp::kRecordButton));
    std::this_thread::sleep_for(milliseconds(300));
    // Leaving the page puts what it stored on disk.
    PointerClickAt(main, QuadCentre(mw::kTabs[0]));
    const bool stored = WaitUntil([&] { return FirstCustomMacro(dataDir).has_value(); }, milliseconds(5000),
                                  milliseconds(50));
    const auto record = FirstCustomMacro(dataDir);
    std::string events;
    for (uint32_t i = 0; record && i < record->eventCount; ++i) {
        events += " " + Hex32(record->events[i].raw);
    }
    report.Check(stored && record->eventCount >= 4 && record->events[0].raw == 0xC0000057,
                 "Macro.cfg holds the recorded macro (W pressed first)", events);
    const std::u16string name = record ? std::u16string(MacroName(*record)) : std::u16string();
    report.Check(name == u"m x", "the name typed in the list's editor, blank included, ended by Enter",
                 std::string(name.begin(), name.end()));

    namespace popup = layout::assignment_popup;
    namespace pp = layout::performance_page;
    PointerClickAt(main, OnPage(pp::kFunctionTabs[3].Bounds()));
    HWND dialog = nullptr;
    const bool opened = WaitUntil(
        [&] { return (dialog = test::FindTopLevelWindow(L"NorviKX90SettingDlg", processId)) != nullptr; },
        milliseconds(10000), milliseconds(20));
    report.Check(opened, "the function tab of button 3 opens the assignment popup again");
    if (!opened) {
        return false;
    }
    std::this_thread::sleep_for(milliseconds(300));
    const layout::Rect& tab = popup::kTabs[1];
    PointerClickAt(dialog, POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    std::this_thread::sleep_for(milliseconds(300));
    const layout::Rect& ok = popup::kOkButton;
    PointerClickAt(dialog, POINT{(ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2});
    const bool closed =
        WaitUntil([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); }, milliseconds(8000));
    report.Check(closed, "the popup's macro tab assigns the macro with OK");
    return closed;
}

// After Apply: the mouse holds the macro's image as macro 1 and button 3's key-matrix entry names
// it (09 00 01 w, w the image's words); the profile file says macro.
void CheckRecordedMacro(Report& report, const std::string& state, const fs::path& dataDir,
                        const fs::path& profileFile) {
    const auto record = FirstCustomMacro(dataDir);
    if (!record) {
        report.Check(false, "the recorded macro is still in Macro.cfg");
        return;
    }
    const std::span<const MacroEvent> events = StoredEvents(*record);
    const MacroEventsView view{
        std::span<const uint32_t>(reinterpret_cast<const uint32_t*>(events.data()), events.size()),
        record->repeatCount};
    MacroImage image{};
    const int words = EncodeMacro(view, image);
    std::string expected;
    for (size_t i = 0; i < image.size(); ++i) {
        char part[4];
        std::snprintf(part, sizeof part, i == 0 ? "%02X" : " %02X", image[i]);
        expected += part;
    }
    report.Check(LineOf(state, "macro") == "1 " + expected, "the mouse holds the encoded macro as number 1",
                 LineOf(state, "macro").substr(0, 40));
    const auto matrix = KeyMatrixOf(state);
    const int entry = kButtonOrder[3].keyMatrixEntry;
    const uint32_t want = 0x09u | (1u << 16) | (static_cast<uint32_t>(words) << 24);
    report.Check(matrix && (*matrix)[static_cast<size_t>(entry)] == want,
                 "button 3's key-matrix entry is 09 00 01 " + std::to_string(words),
                 matrix ? Hex32((*matrix)[static_cast<size_t>(entry)]) : "no key matrix");
    ProfileRecord profile{};
    const bool read = ReadProfileFile(profileFile, profile).status == FileStatus::kOk;
    report.Check(
        read && profile.buttons[3].functionCode == kFunctionMacro && profile.buttons[3].macroId == record->id,
        "the profile file assigns the macro to button 3");
}

// A run of its own: record, assign, Apply, look at the mouse and the files, leave.
void RunMacroRecording(Report& report, const fs::path& program, const fs::path& work) {
    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "macro" / "tmp");
    const fs::path state = (work / "macro" / "mouse-state.txt").make_preferred();
    std::error_code ec;
    fs::remove(state, ec);
    const fs::path dataDir = tmp / "NORVI" / "KX90";
    ChildProgram driver;
    if (!driver.Start(
            program, L"",
            {{L"TMP", tmp.wstring()}, {L"TEMP", tmp.wstring()}, {L"KX90_VIRTUAL_MOUSE", state.wstring()}})) {
        report.Check(false, "program starts for the macro recording");
        return;
    }
    HWND main = WaitForMainWindow(driver, milliseconds(30000));
    report.Check(main != nullptr, "main window shown for the macro recording");
    if (main == nullptr) {
        return;
    }
    std::this_thread::sleep_for(milliseconds(500));
    if (RecordAndAssignMacro(report, main, driver.id(), dataDir)) {
        PointerClickAt(main, QuadCentre(mw::kApply));
        HWND progress = nullptr;
        const bool shown = WaitUntil(
            [&] {
                return (progress = test::FindTopLevelWindow(kProgressWindowTitle, driver.id())) != nullptr;
            },
            milliseconds(10000), milliseconds(2));
        const bool done =
            shown &&
            WaitUntil([&] { return !IsWindow(progress) || !IsWindowVisible(progress); }, milliseconds(60000));
        report.Check(done, "the write with the macro ends");
        std::this_thread::sleep_for(milliseconds(500));
        const auto catalogue = ReadCatalogue(CatalogueFilePath(dataDir));
        int slot = 1;
        for (int k = 1; catalogue && k <= kProfileSlotCount; ++k) {
            slot = catalogue->Slot(k).active != 0 ? k : slot;
        }
        CheckRecordedMacro(report, ReadText(state).value_or(""), dataDir, ProfileFilePath(dataDir, slot));
    }
    std::wstring how;
    report.Check(ExitThroughTray(main, driver, milliseconds(20000), how),
                 "the macro run ends through the tray", Narrow(how));
}

std::optional<std::wstring> UserRegistryText(const wchar_t* key, const wchar_t* value) {
    wchar_t text[1024] = {};
    DWORD size = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, key, value, RRF_RT_REG_SZ, nullptr, text, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(text);
}

fs::path EnvironmentFolder(const wchar_t* name) {
    wchar_t path[MAX_PATH + 1] = {};
    const DWORD length = GetEnvironmentVariableW(name, path, MAX_PATH + 1);
    return length > 0 && length <= MAX_PATH ? fs::path(path) : fs::path();
}

// The company of a file's version resource, or empty without one.
std::string VersionCompany(const fs::path& file) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file.c_str(), &ignored);
    std::vector<uint8_t> info(size);
    wchar_t* company = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoW(file.c_str(), 0, size, info.data()) ||
        !VerQueryValueW(info.data(), L"\\StringFileInfo\\040904B0\\CompanyName",
                        reinterpret_cast<void**>(&company), &length)) {
        return {};
    }
    return Narrow(std::wstring(company, length > 0 ? length - 1 : 0));
}

// The application manifest a program starts with (resource 1 of type 24), or empty.
std::string ProgramManifest(const fs::path& file) {
    HMODULE module =
        LoadLibraryExW(file.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (module == nullptr) {
        return {};
    }
    std::string text;
    if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
        if (HGLOBAL loaded = LoadResource(module, found)) {
            text.assign(static_cast<const char*>(LockResource(loaded)), SizeofResource(module, found));
        }
    }
    FreeLibrary(module);
    return text;
}

// Every program and DLL of the installation has its version resource; every program its manifest.
void CheckResources(Report& report, const fs::path& installDir) {
    for (const char* file : {"KX90Driver.exe", "FWUpdate/FlashTool.exe", "norvi_update/NorviUpdate.exe",
                             "HidBridge.dll", "SkinMenu.dll"}) {
        const fs::path path = (installDir / file).make_preferred();
        report.Check(VersionCompany(path) == "Norvi", std::string(file) + " has its version resource");
        if (path.extension() == ".exe") {
            const std::string manifest = ProgramManifest(path);
            const bool complete = manifest.find("level=\"asInvoker\"") != std::string::npos &&
                                  manifest.find("Microsoft.Windows.Common-Controls") != std::string::npos &&
                                  manifest.find("8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a") != std::string::npos;
            report.Check(complete,
                         std::string(file) + " has its manifest (asInvoker, Windows 10/11, controls 6)");
        }
    }
}

// The installer under Wine: a silent per-user install with its shortcut and start-up entry, the
// installed program showing its window with the virtual mouse, then a silent uninstall that removes
// the installation and its entries and keeps the user's data folder.
int RunInstaller(const fs::path& setup, const fs::path& work) {
    Report report;
    constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    constexpr wchar_t kUninstallKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\NorviKX90";
    const fs::path installDir = EnvironmentFolder(L"LOCALAPPDATA") / "Programs" / "KX90";
    const fs::path shortcut = EnvironmentFolder(L"APPDATA") / "Microsoft" / "Windows" / "Start Menu" /
                              "Programs" / "Norvi KX90" / "KX90 Gaming Mouse Driver.lnk";
    std::error_code ec;
    fs::remove_all(installDir, ec);  // what an earlier failed run left

    const auto start = Clock::now();
    ChildProgram installer;
    const bool started = installer.Start(setup, L"/S", {});
    const auto installed = started ? installer.WaitForExit(milliseconds(120000)) : std::nullopt;
    report.Check(
        installed == 0u, "KX90Setup.exe /S installs",
        installed ? "exit code " + std::to_string(*installed) + ", " + std::to_string(MsSince(start)) + " ms"
                  : "did not start or end within 120 s");
    for (const char* part :
         {"KX90Driver.exe", "Uninstall.exe", "HidBridge.dll", "SkinMenu.dll", "FWUpdate/FlashTool.exe",
          "norvi_update/NorviUpdate.exe", "KX90Driver.ini", "skins"}) {
        report.Check(fs::exists(installDir / part), std::string("installed: ") + part);
    }
    report.Check(fs::exists(shortcut), "Start-menu shortcut", Narrow(shortcut.wstring()));
    CheckResources(report, installDir);
    const auto run = UserRegistryText(kRunKey, L"NorviKX90");
    report.Check(run && run->find(L"KX90Driver.exe") != std::wstring::npos, "starts with Windows (Run entry)",
                 run ? Narrow(*run) : "none");
    report.Check(UserRegistryText(kUninstallKey, L"UninstallString").has_value(),
                 "listed among installed programs");

    ForgetMirror();
    const fs::path tmp = FreshFolder(work / "installer" / "tmp");
    const fs::path dataDir = tmp / "NORVI" / "KX90";
    {
        ChildProgram program;
        program.Start(
            installDir / "KX90Driver.exe", L"",
            {{L"TMP", tmp.wstring()},
             {L"TEMP", tmp.wstring()},
             {L"KX90_VIRTUAL_MOUSE", (work / "installer" / "mouse-state.txt").make_preferred().wstring()}});
        HWND main = WaitForMainWindow(program, milliseconds(30000));
        report.Check(main != nullptr, "the installed program shows its window with the virtual mouse");
        report.Check(test::FindTopLevelWindow(kInfoWindowTitle, program.id()) == nullptr,
                     "the installed program finds its installation complete (no info dialog)");
        std::wstring how;
        report.Check(main != nullptr && ExitThroughTray(main, program, milliseconds(20000), how),
                     "the installed program ends through the tray", Narrow(how));
    }
    report.Check(fs::exists(CatalogueFilePath(dataDir)), "the installed program made its data folder");

    ChildProgram uninstaller;
    const bool uninstallStarted = uninstaller.Start(installDir / "Uninstall.exe", L"/S", {});
    // The uninstaller runs on as a copy in the temporary folder: wait for the folder to go.
    const bool removed = uninstallStarted && WaitUntil([&] { return !fs::exists(installDir); },
                                                       milliseconds(60000), milliseconds(100));
    report.Check(removed, "Uninstall.exe /S removes the installation folder");
    report.Check(!fs::exists(shortcut), "the Start-menu shortcut is gone");
    report.Check(!UserRegistryText(kRunKey, L"NorviKX90").has_value(), "the Run entry is gone");
    report.Check(!UserRegistryText(kUninstallKey, L"UninstallString").has_value(), "no longer listed");
    report.Check(fs::exists(CatalogueFilePath(dataDir)) && fs::exists(ProfileFilePath(dataDir, 1)),
                 "the user's data folder stays");
    report.Note("installer check " + std::to_string(MsSince(start)) + " ms");
    return report.failures() == 0 ? 0 : 1;
}

int RunEndToEnd(const fs::path& installDir, const fs::path& work) {
    Report report;
    const fs::path program = (installDir / "KX90Driver.exe").make_preferred();
    if (!fs::exists(program)) {
        report.Check(false, "KX90Driver.exe is installed", Narrow(program.wstring()) + " is missing");
        return 1;
    }
    const auto start = Clock::now();
    RunWithVirtualMouse(report, program, work);
    RunMacroRecording(report, program, work);
    MeasureWarmStart(report, program, work);
    RunInBootloaderMode(report, program, work);
    RunWithoutMouse(report, program, work);
    RunStatistics(report, program, work);
    RunFirmwareUpdate(report, installDir, work);
    RunWithoutBridge(report, installDir, work);
    report.Note("whole run " + std::to_string(MsSince(start)) + " ms, " + std::to_string(report.failures()) +
                " failed");
    return report.failures() == 0 ? 0 : 1;
}

int Capture(const fs::path& installDir, const fs::path& out, const fs::path& state) {
    Report report;
    const fs::path program = (installDir / "KX90Driver.exe").make_preferred();
    ChildProgram driver;
    if (!driver.Start(program, L"", {{L"KX90_VIRTUAL_MOUSE", fs::path(state).make_preferred().wstring()}})) {
        report.Check(false, "program starts", Narrow(program.wstring()));
        return 1;
    }
    HWND main = WaitForMainWindow(driver, milliseconds(60000));
    report.Check(main != nullptr, "main window shown");
    if (main == nullptr) {
        return 1;
    }
    std::this_thread::sleep_for(milliseconds(800));
    report.Check(CaptureWindow(main, out / "main_window.png"), "main_window.png");
    VisitTabs(report, main, out);
    PointerClickAt(main, QuadCentre(mw::kTabs[0]));
    std::wstring how;
    report.Check(ExitThroughTray(main, driver, milliseconds(20000), how),
                 "program ends through the tray menu", Narrow(how));
    return report.failures() == 0 ? 0 : 1;
}

}  // namespace
}  // namespace kx90::e2e

int wmain(int argc, wchar_t** argv) {
    using namespace kx90::e2e;
    const std::wstring mode = argc > 1 ? argv[1] : L"";
    if (mode == L"run" && argc == 4) {
        return RunEndToEnd(argv[2], argv[3]);
    }
    if (mode == L"installer" && argc == 4) {
        return RunInstaller(argv[2], argv[3]);
    }
    if (mode == L"capture" && argc == 5) {
        return Capture(argv[2], argv[3], argv[4]);
    }
    std::fprintf(stderr,
                 "usage: kx90_e2e run INSTALL_DIR WORK_DIR\n"
                 "       kx90_e2e capture INSTALL_DIR OUT_DIR STATE_FILE\n"
                 "       kx90_e2e installer SETUP_EXE WORK_DIR\n");
    return 2;
}
