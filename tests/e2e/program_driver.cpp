// Starting the program, finding its windows and pressing them with the real pointer, and leaving
// through the tray menu.
#include "program_driver.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <thread>

#include "support/gui_harness.h"

namespace kx90::e2e {
namespace {

std::wstring Upper(std::wstring text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](wchar_t c) { return static_cast<wchar_t>(towupper(c)); });
    return text;
}

// This process's environment as NAME=value entries, with the changes applied, sorted by name
// without regard to case as Windows keeps it.
std::vector<std::wstring> EnvironmentEntries(const EnvironmentChanges& changes) {
    std::vector<std::wstring> entries;
    if (wchar_t* block = GetEnvironmentStringsW()) {
        for (const wchar_t* p = block; *p != L'\0'; p += wcslen(p) + 1) {
            entries.emplace_back(p);
        }
        FreeEnvironmentStringsW(block);
    }
    auto nameOf = [](const std::wstring& entry) {
        // Entries such as "=C:=C:\" start with '=': their name runs to the second '='.
        const size_t equals = entry.find(L'=', 1);
        return Upper(entry.substr(0, equals));
    };
    for (const auto& [name, value] : changes) {
        const std::wstring key = Upper(name);
        std::erase_if(entries, [&](const std::wstring& entry) { return nameOf(entry) == key; });
        if (value) {
            entries.push_back(name + L"=" + *value);
        }
    }
    std::sort(entries.begin(), entries.end(),
              [&](const std::wstring& a, const std::wstring& b) { return nameOf(a) < nameOf(b); });
    return entries;
}

struct PageSearch {
    HWND main;
    HWND found = nullptr;
};

BOOL CALLBACK VisitPage(HWND child, LPARAM param) {
    auto* search = reinterpret_cast<PageSearch*>(param);
    if (GetParent(child) != search->main || !IsWindowVisible(child)) {
        return TRUE;
    }
    RECT rc;
    GetWindowRect(child, &rc);
    RECT mainRect;
    GetWindowRect(search->main, &mainRect);
    // The pages sit at (15, 128), 925 x 452.
    if (rc.left - mainRect.left == 15 && rc.top - mainRect.top == 128 && rc.right - rc.left == 925 &&
        rc.bottom - rc.top == 452) {
        search->found = child;
        return FALSE;
    }
    return TRUE;
}

struct PopupSearch {
    DWORD process;
    HWND main;
    HWND found = nullptr;
};

BOOL CALLBACK VisitPopup(HWND window, LPARAM param) {
    auto* search = reinterpret_cast<PopupSearch*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == search->process && window != search->main && IsWindowVisible(window) &&
        (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

// A popup menu window of that process (the system's menu class).
HWND FindMenuOf(DWORD process) {
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(menu, &owner);
        if (owner == process && IsWindowVisible(menu)) {
            return menu;
        }
    }
    return nullptr;
}

}  // namespace

ChildProgram::~ChildProgram() {
    if (process_ != nullptr) {
        if (Running()) {
            Kill();
        }
        CloseHandle(process_);
    }
}

bool ChildProgram::Start(const std::filesystem::path& program, const std::wstring& arguments,
                         const EnvironmentChanges& changes) {
    std::wstring block;
    for (const std::wstring& entry : EnvironmentEntries(changes)) {
        block += entry;
        block += L'\0';
    }
    block += L'\0';
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!arguments.empty()) {
        commandLine += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    const std::wstring folder = program.parent_path().wstring();
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                        CREATE_UNICODE_ENVIRONMENT, block.data(), folder.c_str(), &startup, &info)) {
        return false;
    }
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    id_ = info.dwProcessId;
    return true;
}

std::optional<DWORD> ChildProgram::WaitForExit(milliseconds timeout) const {
    if (process_ == nullptr ||
        WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool ChildProgram::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

void ChildProgram::Kill() {
    if (process_ != nullptr) {
        TerminateProcess(process_, 99);
        WaitForSingleObject(process_, 5000);
    }
}

bool WaitUntil(const std::function<bool()>& predicate, milliseconds timeout, milliseconds step) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (true) {
        if (predicate()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        std::this_thread::sleep_for(step);
    }
}

POINT QuadCentre(const layout::Quad& quad) {
    int x = 0;
    int y = 0;
    for (const layout::Point& p : quad.points) {
        x += p.x;
        y += p.y;
    }
    return POINT{x / 4, y / 4};
}

HWND ChildAt(HWND main, POINT windowPoint) {
    RECT rc;
    GetWindowRect(main, &rc);
    POINT client{rc.left + windowPoint.x, rc.top + windowPoint.y};
    ScreenToClient(main, &client);
    HWND child = ChildWindowFromPointEx(main, client, CWP_SKIPINVISIBLE);
    return child == main ? nullptr : child;
}

bool PointerClickAt(HWND main, POINT windowPoint) {
    HWND child = ChildAt(main, windowPoint);
    if (child == nullptr) {
        return false;
    }
    RECT rc;
    GetWindowRect(main, &rc);
    const POINT screen{rc.left + windowPoint.x, rc.top + windowPoint.y};
    // The updater's notice may lie over the main window; raising works across processes.
    if (!test::EnsureOnTopAt(child, screen)) {
        return false;
    }
    return test::InjectClick(screen);
}

HWND FindPopupOf(DWORD process, HWND main) {
    PopupSearch search{process, main};
    EnumWindows(VisitPopup, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND VisiblePage(HWND main) {
    PageSearch search{main};
    EnumChildWindows(main, VisitPage, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool CaptureWindow(HWND window, const std::filesystem::path& path) {
    RECT rc;
    if (!GetWindowRect(window, &rc)) {
        return false;
    }
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    return test::CaptureScreenRectToPng(rc, path);
}

bool ExitThroughTray(HWND main, const ChildProgram& program, milliseconds timeout, std::wstring& how) {
    PostMessageW(main, msg::kTrayNotify, 0, WM_RBUTTONUP);
    HWND menu = nullptr;
    if (WaitUntil([&] { return (menu = FindMenuOf(program.id())) != nullptr; }, milliseconds(5000))) {
        // Let the menu's own loop start before the keys arrive: Down twice reaches "Exit".
        std::this_thread::sleep_for(milliseconds(150));
        for (WORD key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
            test::InjectKey(key);
            std::this_thread::sleep_for(milliseconds(40));
        }
        how = L"tray menu, Exit chosen with the keyboard";
        if (!program.WaitForExit(milliseconds(3000)) && IsWindow(menu) && IsWindowVisible(menu)) {
            PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            how = L"tray menu, Exit chosen by keys posted to the menu (real keys did not reach it)";
        }
    } else {
        PostMessageW(main, WM_COMMAND, cmd::kTrayExit, 0);
        how = L"no tray menu appeared; WM_COMMAND 0x6001 posted";
    }
    return program.WaitForExit(timeout).has_value();
}

std::optional<std::string> ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string Narrow(const std::wstring& text) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), out.data(), size, nullptr,
                        nullptr);
    return out;
}

}  // namespace kx90::e2e
