// The support page's rules: what an import report adds about buttons that start programs, the
// restore question, the help line. Import and export themselves are ProfileState's.
#pragma once

#include <string>
#include <vector>

#include "core/i18n/pair_language.h"
#include "core/pages/status_zones.h"
#include "core/profile/profile_record.h"

namespace kx90::pages {

// The file dialogs' filter and default extension.
inline constexpr char16_t kProfileFileFilter[] = u"CFG Files(*.cfg)|*.cfg||";
inline constexpr char16_t kProfileFileExtension[] = u".cfg";

// One line per button that starts a program or opens a file or folder: "Right button: C:\x.exe".
std::vector<std::u16string> LaunchingButtons(const ProfileRecord& record);

// The import report for a profile just imported: when its buttons start programs or open files or
// folders, the report says so with each button and path, so a profile from elsewhere never arms
// them unnoticed.
std::u16string ImportReport(std::u16string report, const ProfileRecord& imported);

// The restore question, before the defaults replace the live record.
std::u16string RestoreQuestionText(PairLanguage language);

// The help line.
std::vector<int> SupportStatusCodesAt(layout::Point cursor);

}  // namespace kx90::pages
