// NorviUpdate.exe against a loopback update server: it asks only when the server names a newer
// program, and ends without a window when it does not or cannot be reached.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../../core/support/temp_dir.h"
#include "app/main_window_fixture.h"
#include "support/gui_harness.h"
#include "support/loopback_http.h"

namespace kx90::test {
namespace {

using std::chrono::milliseconds;
using std::chrono::seconds;

std::string DriverDescription(const std::string& version) {
    return "<?xml version=\"1.0\"?><update><driver><version>" + version +
           "</version><page>https://example.test/kx90</page></driver></update>";
}

class NorviUpdateTest : public ::testing::Test {
protected:
    // The updater in an installation of its own whose KX90Driver.ini names server.
    bool Install(const std::string& server) {
        const auto program = ExeFolder() / ".." / ".." / "components" / "updater" / "NorviUpdate.exe";
        std::filesystem::create_directories(temp_.path() / "norvi_update");
        std::error_code ec;
        std::filesystem::copy_file(program, Updater(), std::filesystem::copy_options::overwrite_existing, ec);
        std::ofstream(temp_.path() / "KX90Driver.ini", std::ios::binary)
            << "[Update]\r\nServer=" << server << "\r\n";
        return !ec;
    }
    std::filesystem::path Updater() const { return temp_.path() / "norvi_update" / "NorviUpdate.exe"; }

    // Runs it; answers its question with No when one comes. True when it asked.
    bool RunAndAnswer() {
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::wstring command = L"\"" + Updater().wstring() + L"\"";
        if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            ADD_FAILURE() << "the updater does not start";
            return false;
        }
        bool asked = false;
        const auto until = std::chrono::steady_clock::now() + seconds(20);
        while (WaitForSingleObject(process.hProcess, 20) == WAIT_TIMEOUT &&
               std::chrono::steady_clock::now() < until) {
            if (HWND box = FindTopLevelWindow(L"Norvi Update", process.dwProcessId)) {
                asked = true;
                PostMessageW(box, WM_COMMAND, IDNO, 0);
            }
        }
        if (WaitForSingleObject(process.hProcess, 0) == WAIT_TIMEOUT) {
            ADD_FAILURE() << "the updater still runs after 20 s";
            TerminateProcess(process.hProcess, 1);
        }
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        return asked;
    }

    TempDir temp_;
};

TEST_F(NorviUpdateTest, AsksOnlyForANewerProgram) {
    LoopbackHttpServer server;
    ASSERT_TRUE(server.Running());
    ASSERT_TRUE(Install(server.BaseAddress()));
    server.Serve("/software/KX90/driver.xml", {.body = DriverDescription("1.0.1")});
    EXPECT_FALSE(RunAndAnswer()) << "the same version";
    server.Serve("/software/KX90/driver.xml", {.body = DriverDescription("1.0.2")});
    EXPECT_TRUE(RunAndAnswer()) << "a newer version";
    EXPECT_EQ(server.Requests("/software/KX90/driver.xml"), 2);
}

TEST_F(NorviUpdateTest, StaysQuietWhenTheServerCannotBeReached) {
    std::string gone;
    {
        LoopbackHttpServer server;
        gone = server.BaseAddress();
    }
    ASSERT_TRUE(Install(gone));
    EXPECT_FALSE(RunAndAnswer());
}

}  // namespace
}  // namespace kx90::test
