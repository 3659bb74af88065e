// kx90_e2e: drives the installed KX90Driver.exe from outside under Wine.
//   kx90_e2e run INSTALL_DIR WORK_DIR
//       The end-to-end test, with the real pointer and keyboard: pages, profile 3 applied to the
//       virtual mouse, the files it leaves, the language popup once the updater's notice has
//       gone, a second copy, the tray menu's Exit; the boot-loader hand-off; start-up without a
//       mouse.
//       Prints one line per check and the start-up and memory figures; exit code 0 when all pass.
//   kx90_e2e capture INSTALL_DIR OUT_DIR STATE_FILE
//       Screenshots of the main window and its five pages (run.sh without a display), then Exit.
#include <windows.h>
// psapi.h needs the types of windows.h.
#include <psapi.h>

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
#include "core/layout/macro_page_layout.h"
#include "core/layout/main_window_layout.h"
#include "core/layout/performance_page_layout.h"
#include "core/macro/macro_library.h"
#include "core/platform/data_folders.h"
#include "core/profile/profile_catalogue.h"
#include "core/profile/profile_file.h"
#include "core/profile/profile_record.h"
#include "core/skin/menu_layout.h"
#include "program_driver.h"

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
    std::string expected;
    for (size_t i = 0; i < table.bytes.size(); ++i) {
        char part[4];
        std::snprintf(part, sizeof part, i == 0 ? "%02X" : " %02X", table.bytes[i]);
        expected += part;
    }
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

void RunInBootloaderMode(Report& report, const fs::path& program, const fs::path& work) {
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
    if (flash != nullptr) {
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
}

void RunWithoutMouse(Report& report, const fs::path& program, const fs::path& work) {
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
    if (mode == L"capture" && argc == 5) {
        return Capture(argv[2], argv[3], argv[4]);
    }
    std::fprintf(stderr,
                 "usage: kx90_e2e run INSTALL_DIR WORK_DIR\n"
                 "       kx90_e2e capture INSTALL_DIR OUT_DIR STATE_FILE\n");
    return 2;
}
