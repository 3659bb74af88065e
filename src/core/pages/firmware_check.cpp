// The firmware update check's rules.
#include "core/pages/firmware_check.h"

#include <limits>
#include <span>

#include "core/i18n/xml_document.h"
#include "core/platform/file_io.h"

namespace kx90::pages {

uint32_t VersionNumber(std::u16string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r'))) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    uint64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + static_cast<uint64_t>(text[i] - u'0');
        if (value > std::numeric_limits<uint32_t>::max()) {
            value = std::numeric_limits<uint32_t>::max() + uint64_t{1};  // stays above the limit
        }
    }
    if (negative) {
        return 0;
    }
    return value > std::numeric_limits<uint32_t>::max() ? std::numeric_limits<uint32_t>::max()
                                                        : static_cast<uint32_t>(value);
}

std::u16string FirmwareVersionDisplay(std::u16string_view text) {
    if (text.empty()) {
        return u"Unknown";
    }
    std::u16string major = u"0";
    std::u16string minor = u"0";
    std::u16string patch(1, text.back());
    if (text.size() >= 2) {
        minor = std::u16string(1, text[text.size() - 2]);
    }
    if (text.size() >= 3) {
        major = std::u16string(text.substr(0, text.size() - 2));
    }
    return u"V " + major + u"." + minor + u"." + patch;
}

UpdateDescription ReadUpdateDescription(const std::filesystem::path& path) {
    CXmlDocument document;
    UpdateDescription description;
    if (!document.LoadFile(path)) {
        return description;
    }
    description.current = GetSectionText(document, u"firmware", u"current");
    description.newFile = GetSectionText(document, u"firmware", u"newfile");
    return description;
}

bool OffersNewer(const UpdateDescription& description, std::u16string_view firmwareVersionText) {
    return VersionNumber(description.current) > VersionNumber(firmwareVersionText);
}

std::u16string UpdateDescriptionAddress(std::u16string_view serverBase) {
    while (!serverBase.empty() && serverBase.back() == u'/') {
        serverBase.remove_suffix(1);
    }
    return std::u16string(serverBase) + kUpdateDescriptionPath;
}

DownloadStatus DownloadToFile(Downloader& downloader, std::u16string_view url,
                              const std::filesystem::path& target, const DownloadLimits& limits,
                              const DownloadProgress& progress) {
    if (!IsWebAddress(url)) {
        return DownloadStatus::kRefused;
    }
    std::string body;
    const DownloadStatus status = downloader.Fetch(url, limits, body, progress);
    if (status != DownloadStatus::kOk) {
        return status;
    }
    const std::span<const uint8_t> bytes(reinterpret_cast<const uint8_t*>(body.data()), body.size());
    return WriteFileAtomically(target, bytes) == FileStatus::kOk ? DownloadStatus::kOk
                                                                 : DownloadStatus::kFailed;
}

uint32_t FirmwareCheck::NewRequest() {
    pending_ = ++lastRequest_;
    if (pending_ == 0) {
        pending_ = ++lastRequest_;  // 0 means "none awaited"
    }
    return pending_;
}

FirmwareCheck::Start FirmwareCheck::Begin(const UpdateDescription& installed, bool localImagePresent,
                                          std::u16string_view firmwareVersionText) {
    if (phase_ != Phase::kIdle) {
        return Start::kBusy;
    }
    if (localImagePresent && OffersNewer(installed, firmwareVersionText)) {
        phase_ = Phase::kLocal;
        pending_ = 0;
        return Start::kAskLocal;
    }
    phase_ = Phase::kDescription;
    NewRequest();
    return Start::kOnline;
}

FirmwareCheck::Answer FirmwareCheck::OnDescription(uint32_t request, DownloadStatus status,
                                                   const UpdateDescription& downloaded,
                                                   std::u16string_view firmwareVersionText) {
    if (phase_ != Phase::kDescription || request == 0 || request != pending_) {
        return Answer::kIgnore;
    }
    pending_ = 0;
    if (status != DownloadStatus::kOk) {
        phase_ = Phase::kIdle;
        return Answer::kCouldNotCheck;
    }
    if (!OffersNewer(downloaded, firmwareVersionText)) {
        phase_ = Phase::kIdle;
        return Answer::kLatest;
    }
    phase_ = Phase::kAsking;
    return Answer::kAsk;
}

bool FirmwareCheck::OnTimeOut() {
    if (phase_ != Phase::kDescription) {
        return false;
    }
    Finish();
    return true;
}

uint32_t FirmwareCheck::DownloadImage() {
    phase_ = Phase::kImage;
    return NewRequest();
}

FirmwareCheck::ImageAnswer FirmwareCheck::OnImage(uint32_t request, DownloadStatus status) {
    if (phase_ != Phase::kImage || request == 0 || request != pending_) {
        return ImageAnswer::kIgnore;
    }
    Finish();
    return status == DownloadStatus::kOk ? ImageAnswer::kHandOver : ImageAnswer::kFailed;
}

void FirmwareCheck::Finish() {
    phase_ = Phase::kIdle;
    pending_ = 0;
}

std::u16string UpdateQuestionText(PairLanguage language) {
    return PickByLanguage<std::u16string>(
        language, u"游戏鼠标固件有更新,是否更新到最新版本?",
        u"A new version of firmware is available for the gaming mouse, whether to update or not?");
}

std::u16string LatestFirmwareText(PairLanguage language) {
    return PickByLanguage<std::u16string>(language, u"固件已经是最新版本.",
                                          u"Firmware is the latest version.");
}

}  // namespace kx90::pages
