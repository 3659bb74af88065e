// The program's two folders as Windows gives them: the temporary folder + NORVI\KX90, and the
// executable's own folder without a trailing backslash.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "win/platform/data_folders.h"

namespace kx90 {
namespace {

class ScopedTmp {
public:
    explicit ScopedTmp(const wchar_t* value) {
        wchar_t old[4096];
        const DWORD n = GetEnvironmentVariableW(L"TMP", old, 4096);
        had_ = n > 0 && n < 4096;
        if (had_) {
            old_ = old;
        }
        SetEnvironmentVariableW(L"TMP", value);
    }
    ~ScopedTmp() { SetEnvironmentVariableW(L"TMP", had_ ? old_.c_str() : nullptr); }

private:
    bool had_ = false;
    std::wstring old_;
};

TEST(DataFolders, FollowTheTemporaryFolderAndTheExecutable) {
    wchar_t temp[MAX_PATH + 1];
    ASSERT_GT(GetTempPathW(MAX_PATH + 1, temp), 0u);
    wchar_t exe[MAX_PATH];
    ASSERT_GT(GetModuleFileNameW(nullptr, exe, MAX_PATH), 0u);
    std::wstring exeFolder(exe);
    exeFolder.resize(exeFolder.find_last_of(L'\\'));

    const DataFolders folders = ComputeDataFolders();
    EXPECT_EQ(folders.dataDir.wstring(), std::wstring(temp) + L"NORVI\\KX90");
    EXPECT_EQ(folders.installDir.wstring(), exeFolder);
    EXPECT_NE(folders.installDir.wstring().back(), L'\\');
}

TEST(DataFolders, FollowTmpSetInsideTheProcess) {
    // How a GUI test gives the program a fresh data folder without a child process.
    ScopedTmp tmp(L"C:\\kx90-data-folder-test");
    EXPECT_EQ(ComputeDataFolders().dataDir.wstring(), L"C:\\kx90-data-folder-test\\NORVI\\KX90");
}

}  // namespace
}  // namespace kx90
