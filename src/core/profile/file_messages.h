// The fixed English texts the program shows about its files; "%s" is replaced by a full path.
#pragma once

#include <string_view>

namespace kx90 {

// Caption of the standard message box for file messages.
inline constexpr std::u16string_view kInfoCaption = u"Info";

// A file to be read is missing (the file or a folder of its path). Shown in the info dialog.
inline constexpr std::u16string_view kMissingFileText =
    u"Failed to open file, check whether there is a %s path?";
// The spelling is the program's own and users have seen it for years; keep it.
inline constexpr std::u16string_view kInvalidProfileText = u"%s is an invaild Profile!";
inline constexpr std::u16string_view kImportSuccessText = u"%s import success!";
inline constexpr std::u16string_view kExportSuccessText = u"%s export success!";
inline constexpr std::u16string_view kExportFailedText = u"%s export failed!";

}  // namespace kx90
