// The twelve interface languages, the saved choice in Language.cfg, and what the main window
// does with a language message.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "core/platform/file_io.h"
#include "core/platform/notifier.h"

namespace kx90 {

struct LanguageRow {
    int index;                    // LanguageIndex, 1..12
    std::u16string_view popupName;
    int popupImage;               // PNG resource, 19 x 11
    int flagBitmap;               // bitmap resource, 37 x 22
    std::u16string_view file;     // under InstallDir
};

inline constexpr int kLanguageCount = 12;
inline constexpr int kLanguageChinese = 1;
inline constexpr int kLanguageEnglish = 2;

inline constexpr std::array<LanguageRow, kLanguageCount> kLanguages{{
    {1, u"Chinese", 130, 142, u"Language\\sc.xml"},
    {2, u"English", 131, 143, u"Language\\en.xml"},
    {3, u"French", 132, 144, u"Language\\fre.xml"},
    {4, u"Korean", 133, 145, u"Language\\kor.xml"},
    {5, u"German", 134, 146, u"Language\\ger.xml"},
    {6, u"Italian", 135, 147, u"Language\\ita.xml"},
    {7, u"Spanish", 136, 148, u"Language\\span.xml"},
    {8, u"Dutch", 137, 149, u"Language\\dutch.xml"},
    {9, u"Portuguese", 138, 150, u"Language\\pt.xml"},
    {10, u"Russian", 139, 151, u"Language\\rus.xml"},
    {11, u"Ukrainian", 140, 152, u"Language\\ukr.xml"},
    {12, u"Trad.Chinese", 141, 153, u"Language\\tw.xml"},
}};

// The row of a LanguageIndex, or nullptr outside 1..12.
const LanguageRow* FindLanguage(int32_t index);

// wParam of the language message when the main window sends it to itself at start-up.
inline constexpr uint32_t kLanguageMessageFromStartup = 0x110;

// A file under InstallDir named with backslashes, as a path of this platform.
std::filesystem::path InstallFile(const std::filesystem::path& installDir, std::u16string_view relative);

// Language.cfg (LanguageFilePath): the saved LanguageIndex, 4 bytes little-endian, in DataDir.
// 1 when the file cannot be read; a missing file or folder is reported with its path.
int32_t ReadLanguageIndex(const std::filesystem::path& dataDir, Notifier& notifier);
// Not found and access denied are reported in the standard message box; other failures are silent.
void SaveLanguageIndex(const std::filesystem::path& dataDir, int32_t index, Notifier& notifier,
                       WriteBytesFn write = nullptr);

// What the main window does for the installation language and for language messages.
class LanguageSelection {
public:
    struct Effects {
        std::function<void(const std::filesystem::path& languageFile)> loadStrings;
        std::function<void(int flagBitmap)> showFlag;
        std::function<void()> refreshTooltips;
        std::function<void()> closePopup;  // posts WM_CLOSE to the open popup
    };

    LanguageSelection(std::filesystem::path installDir, std::filesystem::path dataDir, Notifier& notifier,
                      Effects effects);

    // Start-up: languagetype.ini's value sets both language flags (1 = Chinese installation),
    // loads that language and shows its flag. Returns the Type to write into FWUpdate\Config.ini.
    std::u16string_view ApplyInstallLanguage(int languageTypeValue);

    void OnPopupOpened() { popupOpen_ = true; }
    bool PopupOpen() const { return popupOpen_; }

    // The language message (0x401): from the popup (wParam 0, lParam = index or 0 when it closed
    // without a choice) or from start-up (wParam 0x110, lParam = the saved index).
    void OnLanguageMessage(uint32_t wParam, int32_t lParam);

private:
    std::filesystem::path installDir_;
    std::filesystem::path dataDir_;
    Notifier& notifier_;
    Effects effects_;
    bool popupOpen_ = false;
};

}  // namespace kx90
