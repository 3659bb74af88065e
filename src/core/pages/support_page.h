// The support page's rules: importing a profile file over the live record and exporting the live
// record, with the reports the user reads (English in every language).
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "core/i18n/pair_language.h"
#include "core/pages/status_zones.h"
#include "core/profile/profile_record.h"

namespace kx90::pages {

// The file dialogs' filter and default extension.
inline constexpr char16_t kProfileFileFilter[] = u"CFG Files(*.cfg)|*.cfg||";
inline constexpr char16_t kProfileFileExtension[] = u".cfg";

struct ImportResult {
    bool imported = false;
    std::u16string report;  // "%s import success!" or "%s is an invaild Profile!" with the path
};

// Reads up to one record's bytes from the file (a shorter file leaves the rest zero); when the
// first four are the profile magic the whole buffer replaces live, otherwise live is untouched.
// A profile whose buttons start programs or open files or folders says so in the report, with
// each button and path, so such a profile never arms them unnoticed.
ImportResult ImportProfile(const std::filesystem::path& path, ProfileRecord& live);

// Writes the live record as it is in memory, edits not yet applied included, replacing the file in
// one step. The report: "%s export success!" or "%s export failed!" with the path.
struct ExportResult {
    bool exported = false;
    std::u16string report;
};
ExportResult ExportProfile(const std::filesystem::path& path, const ProfileRecord& live);

// One line per button that starts a program or opens a file or folder: "Right button: C:\x.exe".
std::vector<std::u16string> LaunchingButtons(const ProfileRecord& record);

// The restore question, before the defaults replace the live record.
std::u16string RestoreQuestionText(PairLanguage language);

// The help line.
std::vector<int> SupportStatusCodesAt(layout::Point cursor);

}  // namespace kx90::pages
