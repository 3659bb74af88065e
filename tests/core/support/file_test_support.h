// Test helpers for the configuration files: known texts for the catalogue's file messages
// (str_msg2, str_msg4, str_msg5) and a write step that fails half-way.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include <vector>

#include "core/i18n/ui_language.h"
#include "core/platform/file_io.h"
#include "core/platform/file_writer.h"
#include "support/fakes.h"

namespace kx90::test {

inline constexpr char16_t kMsg2[] = u"File %s was not found";
inline constexpr char16_t kMsg4[] = u"Access denied while creating a file";
inline constexpr char16_t kMsg5[] = u"Access denied while saving";

// An English interface whose catalogue has just the three file messages above.
inline UiLanguage MessageTextsLanguage() {
    LanguageStrings strings;
    strings.str_msg2 = kMsg2;
    strings.str_msg4 = kMsg4;
    strings.str_msg5 = kMsg5;
    UiLanguage language;
    language.SetStrings(std::move(strings));
    return language;
}

// Writes half of the bytes and then fails, as a full disk or a pulled stick would.
inline bool WriteHalfThenFail(std::FILE* file, const uint8_t* data, size_t size) {
    std::fwrite(data, 1, size / 2, file);
    return false;
}

// The real file layer, failing half-way through every write.
inline FileWriter HalfWayFailingWriter() {
    return [](const std::filesystem::path& path, std::span<const uint8_t> bytes) {
        return WriteFileAtomically(path, bytes, WriteHalfThenFail);
    };
}

// Access denied for every write, as a locked file or a folder without rights gives it. Tests run as
// root, where permissions alone never deny anything.
inline FileWriter DenyingWriter() {
    return [](const std::filesystem::path&, std::span<const uint8_t>) { return FileStatus::kAccessDenied; };
}

// What a RecordingNotifier showed, one line each, readable in a failure: "info: TEXT" for the info
// dialog, "box CAPTION: TEXT" for the standard message box. Tests use ASCII texts and paths.
inline std::string Narrow(const std::u16string& text) {
    std::string out;
    for (char16_t c : text) {
        out.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return out;
}

inline std::vector<std::string> ShownLines(const RecordingNotifier& notifier) {
    std::vector<std::string> lines;
    for (const RecordingNotifier::Shown& s : notifier.shown) {
        lines.push_back(s.infoDialog ? "info: " + Narrow(s.text)
                                     : "box " + Narrow(s.caption) + ": " + Narrow(s.text));
    }
    return lines;
}

}  // namespace kx90::test
