// The twelve interface languages, the saved choice in Language.cfg, and what the main window
// does with a language message.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string_view>

#include "core/i18n/ui_language.h"
#include "core/platform/file_io.h"
#include "core/platform/file_writer.h"
#include "core/platform/notifier.h"

namespace kx90 {

// The popup's small flag and the main window's flag are pictures of the program's resources,
// numbered by the index.
struct LanguageRow {
    int index;  // LanguageIndex, 1..12
    std::u16string_view popupName;
    std::u16string_view file;  // under InstallDir
};

inline constexpr int kLanguageCount = 12;
inline constexpr int kLanguageChinese = 1;
inline constexpr int kLanguageEnglish = 2;

inline constexpr std::array<LanguageRow, kLanguageCount> kLanguages{{
    {1, u"Chinese", u"Language\\sc.xml"},
    {2, u"English", u"Language\\en.xml"},
    {3, u"French", u"Language\\fre.xml"},
    {4, u"Korean", u"Language\\kor.xml"},
    {5, u"German", u"Language\\ger.xml"},
    {6, u"Italian", u"Language\\ita.xml"},
    {7, u"Spanish", u"Language\\span.xml"},
    {8, u"Dutch", u"Language\\dutch.xml"},
    {9, u"Portuguese", u"Language\\pt.xml"},
    {10, u"Russian", u"Language\\rus.xml"},
    {11, u"Ukrainian", u"Language\\ukr.xml"},
    {12, u"Trad.Chinese", u"Language\\tw.xml"},
}};

// The row of a LanguageIndex, or nullptr outside 1..12.
const LanguageRow* FindLanguage(int32_t index);

// A file under InstallDir named with backslashes, as a path of this platform.
std::filesystem::path InstallFile(const std::filesystem::path& installDir, std::u16string_view relative);

// Language.cfg (LanguageFilePath): the saved LanguageIndex, 4 bytes little-endian, in DataDir.
// 1 when the file cannot be read; a missing file or folder is reported with its path.
int32_t ReadLanguageIndex(const std::filesystem::path& dataDir, Notifier& notifier);
// Not found and access denied are reported in the standard message box with the catalogue's texts;
// other failures are silent.
void SaveLanguageIndex(const std::filesystem::path& dataDir, int32_t index, Notifier& notifier,
                       const LanguageStrings& strings, const FileWriter& write = AtomicFileWriter());

// What the main window does for the installation language, the saved language and the popup's
// choice. Loads the language files into the UiLanguage it is given.
class LanguageSelection {
public:
    // How Language.cfg is written (the program mirrors it; see MirroredFileWriter).
    void SetFileWriter(FileWriter writer) { writeFile_ = std::move(writer); }
    struct Effects {
        std::function<void(int languageIndex)> showFlag;
        std::function<void()> refreshTooltips;
        std::function<void()> closePopup;  // closes the open popup
    };

    LanguageSelection(std::filesystem::path installDir, std::filesystem::path dataDir, UiLanguage& language,
                      Notifier& notifier, Effects effects);

    // Start-up: languagetype.ini's value sets both language flags (1 = Chinese installation),
    // loads that language and shows its flag. Returns the Type to write into FWUpdate\Config.ini.
    std::u16string_view ApplyInstallLanguage(int languageTypeValue);

    // The index saved in Language.cfg, once the main window runs: loaded and written back. 0 is
    // ignored (the installation language stays); an unknown index loads nothing.
    void ApplySavedLanguage(int32_t index);

    void OnPopupOpened() { popupOpen_ = true; }
    bool PopupOpen() const { return popupOpen_; }
    // The popup's report: a LanguageIndex, or 0 when it closed without a choice. Taken only while
    // the popup is open.
    void OnPopupChoice(int32_t index);

private:
    void Apply(int32_t index);

    std::filesystem::path installDir_;
    std::filesystem::path dataDir_;
    FileWriter writeFile_ = AtomicFileWriter();
    UiLanguage& language_;
    Notifier& notifier_;
    Effects effects_;
    bool popupOpen_ = false;
};

}  // namespace kx90
