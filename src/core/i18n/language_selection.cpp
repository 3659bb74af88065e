// Language choice: Language.cfg, the installation language and the language message.
#include "core/i18n/language_selection.h"

#include <cstring>

#include "core/i18n/language_strings.h"
#include "core/i18n/ui_language.h"
#include "core/profile/data_folders.h"

namespace kx90 {

const LanguageRow* FindLanguage(int32_t index) {
    if (index < 1 || index > kLanguageCount) {
        return nullptr;
    }
    return &kLanguages[static_cast<size_t>(index - 1)];
}

std::filesystem::path InstallFile(const std::filesystem::path& installDir, std::u16string_view relative) {
    std::filesystem::path path = installDir;
    size_t start = 0;
    while (start <= relative.size()) {
        const size_t end = std::min(relative.find(u'\\', start), relative.size());
        if (end > start) {
            path /= std::filesystem::path(std::u16string(relative.substr(start, end - start)));
        }
        start = end + 1;
    }
    return path;
}

int32_t ReadLanguageIndex(const std::filesystem::path& dataDir, Notifier& notifier) {
    const std::filesystem::path path = LanguageFilePath(dataDir);
    uint8_t bytes[4] = {};
    const FileReadResult result = ReadFilePrefix(path, bytes);
    if (result.status == FileStatus::kNotFound) {
        notifier.ShowInfo(FormatWithPath(u"Failed to open file, check whether there is a %s path?", PathText(path)),
                          false);
    }
    // A file cut short holds no index: half of one would be a random language.
    if (result.status != FileStatus::kOk || result.bytesRead < sizeof bytes) {
        return kLanguageChinese;
    }
    int32_t index = 0;
    std::memcpy(&index, bytes, sizeof index);
    return index;
}

void SaveLanguageIndex(const std::filesystem::path& dataDir, int32_t index, Notifier& notifier,
                       WriteBytesFn write) {
    const std::filesystem::path path = LanguageFilePath(dataDir);
    switch (WriteFileAtomically(path, BytesOf(index), write)) {
        case FileStatus::kNotFound:
            notifier.ShowMessageBox(FormatWithPath(Strings().str_msg2, PathText(path)), u"Info");
            break;
        case FileStatus::kAccessDenied:
            notifier.ShowMessageBox(Strings().str_msg5, u"Info");
            break;
        default:
            break;
    }
}

LanguageSelection::LanguageSelection(std::filesystem::path installDir, std::filesystem::path dataDir,
                                     Notifier& notifier, Effects effects)
    : installDir_(std::move(installDir)), dataDir_(std::move(dataDir)), notifier_(notifier),
      effects_(std::move(effects)) {}

std::u16string_view LanguageSelection::ApplyInstallLanguage(int languageTypeValue) {
    const bool chinese = languageTypeValue == 1;
    UiLanguageFlag = chinese ? 1 : 0;
    InstallLanguageFlag = chinese ? 1 : 0;
    const LanguageRow& row = *FindLanguage(chinese ? kLanguageChinese : kLanguageEnglish);
    if (effects_.loadStrings) {
        effects_.loadStrings(InstallFile(installDir_, row.file));
    }
    if (effects_.showFlag) {
        effects_.showFlag(row.flagBitmap);
    }
    return chinese ? u"1" : u"0";
}

void LanguageSelection::OnLanguageMessage(uint32_t wParam, int32_t lParam) {
    const bool fromStartup = wParam == kLanguageMessageFromStartup;
    if (!popupOpen_ && !fromStartup) {
        return;
    }
    if (lParam == 0) {
        // The popup closed itself without a choice and is gone: never post to it again.
        if (!fromStartup) {
            popupOpen_ = false;
        }
        return;
    }
    UiLanguageFlag = lParam == kLanguageChinese ? 1 : 0;
    if (const LanguageRow* row = FindLanguage(lParam)) {
        if (effects_.loadStrings) {
            effects_.loadStrings(InstallFile(installDir_, row->file));
        }
        if (effects_.showFlag) {
            effects_.showFlag(row->flagBitmap);
        }
    }
    SaveLanguageIndex(dataDir_, lParam, notifier_);
    if (effects_.refreshTooltips) {
        effects_.refreshTooltips();
    }
    if (!fromStartup) {
        if (effects_.closePopup) {
            effects_.closePopup();
        }
        popupOpen_ = false;
    }
}

}  // namespace kx90
