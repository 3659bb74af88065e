// Language choice: Language.cfg, the installation language and the language message.
#include "core/i18n/language_selection.h"

#include <cstring>

#include "core/i18n/language_strings.h"
#include "core/platform/data_folders.h"

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
                       const LanguageStrings& strings, const FileWriter& write) {
    const std::filesystem::path path = LanguageFilePath(dataDir);
    switch (write(path, BytesOf(index))) {
        case FileStatus::kNotFound:
            notifier.ShowMessageBox(FormatWithPath(strings.str_msg2, PathText(path)), u"Info");
            break;
        case FileStatus::kAccessDenied:
            notifier.ShowMessageBox(strings.str_msg5, u"Info");
            break;
        default:
            break;
    }
}

LanguageSelection::LanguageSelection(std::filesystem::path installDir, std::filesystem::path dataDir,
                                     UiLanguage& language, Notifier& notifier, Effects effects)
    : installDir_(std::move(installDir)),
      dataDir_(std::move(dataDir)),
      language_(language),
      notifier_(notifier),
      effects_(std::move(effects)) {}

std::u16string_view LanguageSelection::ApplyInstallLanguage(int languageTypeValue) {
    const bool chinese = languageTypeValue == 1;
    language_.SetChinese(chinese);
    language_.SetInstallChinese(chinese);
    const LanguageRow& row = *FindLanguage(chinese ? kLanguageChinese : kLanguageEnglish);
    language_.SetStrings(LoadLanguageStrings(InstallFile(installDir_, row.file)));
    if (effects_.showFlag) {
        effects_.showFlag(row.index);
    }
    return chinese ? u"1" : u"0";
}

void LanguageSelection::ApplySavedLanguage(int32_t index) {
    if (index != 0) {
        Apply(index);
    }
}

void LanguageSelection::OnPopupChoice(int32_t index) {
    if (!popupOpen_) {
        return;
    }
    // Either way the popup is gone afterwards: it is never addressed again.
    popupOpen_ = false;
    if (index == 0) {
        return;  // closed without a choice
    }
    Apply(index);
    if (effects_.closePopup) {
        effects_.closePopup();
    }
}

void LanguageSelection::Apply(int32_t index) {
    language_.SetChinese(index == kLanguageChinese);
    if (const LanguageRow* row = FindLanguage(index)) {
        language_.SetStrings(LoadLanguageStrings(InstallFile(installDir_, row->file)));
        if (effects_.showFlag) {
            effects_.showFlag(row->index);
        }
    }
    SaveLanguageIndex(dataDir_, index, notifier_, language_.Strings(), writeFile_);
    if (effects_.refreshTooltips) {
        effects_.refreshTooltips();
    }
}

}  // namespace kx90
