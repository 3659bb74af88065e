// The support page's rules: profile import and export with their reports, the help-line zones.
#include "core/pages/support_page.h"

#include <array>
#include <cstring>

#include "core/layout/support_page_layout.h"
#include "core/platform/file_io.h"
#include "core/platform/notifier.h"

namespace kx90::pages {
namespace {

namespace sp = layout::support_page;

constexpr std::array<const char16_t*, kButtonCount> kButtonNames = {
    u"Left button", u"Middle button", u"Right button", u"Forward button",
    u"Back button", u"Wheel up",      u"Wheel down"};

constexpr StatusZone Zone(const layout::Rect& r, int code) {
    return {{r, r}, code};
}

constexpr std::array<StatusZone, 7> kZones = {Zone(sp::kFirmwareUpdate, 56),
                                              Zone(sp::kWebSite, 57),
                                              Zone(sp::kImport, 58),
                                              Zone(sp::kExport, 59),
                                              Zone(sp::kRestoreDefaults, 60),
                                              Zone(sp::kDriverVersionZone, 89),
                                              Zone(sp::kFirmwareVersionZone, 90)};

std::u16string PathText(const std::filesystem::path& path) {
    return path.u16string();
}

// The text of a fixed-size field up to its first NUL.
std::u16string FieldText(const char16_t (&field)[kTextFieldChars]) {
    size_t n = 0;
    while (n < kTextFieldChars && field[n] != u'\0') {
        ++n;
    }
    return std::u16string(field, n);
}

}  // namespace

std::vector<std::u16string> LaunchingButtons(const ProfileRecord& record) {
    std::vector<std::u16string> lines;
    for (int k = 0; k < kButtonCount; ++k) {
        const ButtonAssignment& button = record.buttons[k];
        const uint32_t kind = button.actionKind;
        if (button.functionCode == kFunctionHostAction &&
            (kind == kActionStartProgram || kind == kActionOpenFile || kind == kActionOpenFolder)) {
            lines.push_back(std::u16string(kButtonNames[static_cast<size_t>(k)]) + u": " +
                            FieldText(button.actionPath));
        }
    }
    return lines;
}

ImportResult ImportProfile(const std::filesystem::path& path, ProfileRecord& live) {
    ImportResult result;
    ProfileRecord buffer;
    std::memset(&buffer, 0, sizeof buffer);
    const FileReadResult read = ReadFilePrefix(path, BytesOf(buffer));
    if (read.status != FileStatus::kOk || read.bytesRead < sizeof(uint32_t) ||
        buffer.magic != kProfileMagic) {
        result.report = FormatWithPath(u"%s is an invaild Profile!", PathText(path));
        return result;
    }
    std::memcpy(&live, &buffer, sizeof live);
    result.imported = true;
    result.report = FormatWithPath(u"%s import success!", PathText(path));
    const std::vector<std::u16string> launching = LaunchingButtons(live);
    if (!launching.empty()) {
        result.report +=
            u"\n\nCheck these buttons before you apply this profile: they start programs "
            u"or open files on this computer.";
        for (const std::u16string& line : launching) {
            result.report += u"\n" + line;
        }
    }
    return result;
}

ExportResult ExportProfile(const std::filesystem::path& path, const ProfileRecord& live) {
    ExportResult result;
    result.exported = WriteFileAtomically(path, BytesOf(live)) == FileStatus::kOk;
    result.report =
        FormatWithPath(result.exported ? u"%s export success!" : u"%s export failed!", PathText(path));
    return result;
}

std::u16string RestoreQuestionText(PairLanguage language) {
    return PickByLanguage<std::u16string>(language, u"确定要恢复默认设置?",
                                          u"Do you want to restore the default setting?");
}

std::vector<int> SupportStatusCodesAt(layout::Point cursor) {
    return StatusCodesIn(kZones, cursor, false);
}

}  // namespace kx90::pages
