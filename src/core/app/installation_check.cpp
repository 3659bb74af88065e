// Finding missing parts of the installation and the line that tells the user which one.
#include "core/app/installation_check.h"

namespace kx90 {

std::vector<std::string_view> MissingInstallationParts(const std::filesystem::path& installDir,
                                                       std::span<const std::string_view> parts) {
    std::vector<std::string_view> missing;
    for (std::string_view part : parts) {
        std::error_code ec;
        if (!std::filesystem::is_regular_file(installDir / std::filesystem::path(part), ec)) {
            missing.push_back(part);
        }
    }
    return missing;
}

std::u16string InstallationPartText(std::string_view part, PartProblem problem, PairLanguage language) {
    const size_t slash = part.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? part : part.substr(slash + 1);
    const std::u16string file(name.begin(), name.end());  // the parts' names are ASCII
    if (language == PairLanguage::kChinese) {
        // "缺少 X，请重新安装" / "X 已损坏，请重新安装"
        return problem == PartProblem::kMissing
                   ? u"\u7F3A\u5C11 " + file + u"\uFF0C\u8BF7\u91CD\u65B0\u5B89\u88C5"
                   : file + u" \u5DF2\u635F\u574F\uFF0C\u8BF7\u91CD\u65B0\u5B89\u88C5";
    }
    return file + (problem == PartProblem::kMissing ? u" missing. Reinstall." : u" damaged. Reinstall.");
}

}  // namespace kx90
