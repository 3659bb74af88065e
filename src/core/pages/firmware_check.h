// The firmware update check's rules: the version numbers and how they are shown, the update
// description, the check's states on the user-interface thread, and downloads that never leave a
// torn file behind.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/i18n/pair_language.h"
#include "core/platform/downloader.h"

namespace kx90::pages {

// The program's own version, as the support page shows it.
inline constexpr char16_t kDriverVersionText[] = u"V1.0.1";

// Where the online description lives on the update server, after the configured base address.
inline constexpr char16_t kUpdateDescriptionPath[] = u"/software/KX90/update.xml";

// A version text as a number: leading white space skipped, an optional sign, the leading decimal
// digits (none: 0). A negative number counts as 0 and one beyond 32 bits as the largest, so no
// description can offer an update by wrapping around.
uint32_t VersionNumber(std::u16string_view text);

// The firmware version as the support page shows it: "Unknown" without a number; one digit d
// "V 0.0.d"; two digits ab "V 0.a.b"; more digits "V <all but the last two>.a.b".
std::u16string FirmwareVersionDisplay(std::u16string_view firmwareVersionText);

// The two texts of an update description (section "firmware"); empty when missing.
struct UpdateDescription {
    std::u16string current;  // the newest firmware version, decimal
    std::u16string newFile;  // the address of its image
};
UpdateDescription ReadUpdateDescription(const std::filesystem::path& path);

// Whether the description offers a firmware newer than the mouse's (an absent mouse is 0).
bool OffersNewer(const UpdateDescription& description, std::u16string_view firmwareVersionText);

// The base address with the description's fixed path after it ("http://host" or "http://host/").
std::u16string UpdateDescriptionAddress(std::u16string_view serverBase);

// Limits of the two downloads.
inline constexpr DownloadLimits kDescriptionLimits{64 * 1024, std::chrono::seconds(15)};
inline constexpr DownloadLimits kImageLimits{16 * 1024 * 1024, std::chrono::seconds(120)};

// Fetches url and puts it at target through a temporary file beside it, renamed into place only
// when the download is complete; anything short of that leaves target as it was (or absent).
// kOk also needs the file written.
DownloadStatus DownloadToFile(Downloader& downloader, std::u16string_view url,
                              const std::filesystem::path& target, const DownloadLimits& limits,
                              const DownloadProgress& progress = {});

// The check as the support page runs it, on its own thread only. Every request to the worker
// gets a new number; an answer carrying any other number (one the page stopped waiting for) is
// dropped.
class FirmwareCheck {
public:
    enum class Start {
        kBusy,      // a check is already running: the press is ignored
        kAskLocal,  // the installed description and image offer a newer firmware: ask, then Finish()
        kOnline,    // ask the server: PendingRequest() names the request, the time-out starts
    };
    // localImagePresent: the firmware image the installed description goes with is there (without
    // it the flasher would have nothing to flash, so the installed description offers nothing).
    Start Begin(const UpdateDescription& installed, bool localImagePresent,
                std::u16string_view firmwareVersionText);
    uint32_t PendingRequest() const { return pending_; }
    bool Idle() const { return phase_ == Phase::kIdle; }

    // What the page does when the server's description arrives.
    enum class Answer {
        kIgnore,         // not the request the page waits for (it timed out, or it is stale)
        kCouldNotCheck,  // the download failed: the server could not be asked
        kLatest,         // nothing newer
        kAsk,            // newer: ask the user, then DownloadImage() or Finish()
    };
    Answer OnDescription(uint32_t request, DownloadStatus status, const UpdateDescription& downloaded,
                         std::u16string_view firmwareVersionText);
    // The time-out of the description fired: true when it ended the wait (the page tells the user
    // that the server could not be asked); the late answer will be ignored.
    bool OnTimeOut();
    // The user accepted the server's offer: the image download runs as a new request.
    uint32_t DownloadImage();
    enum class ImageAnswer { kIgnore, kFailed, kHandOver };
    ImageAnswer OnImage(uint32_t request, DownloadStatus status);
    // Back to idle (a question answered with Cancel, a local offer done).
    void Finish();

private:
    enum class Phase { kIdle, kLocal, kDescription, kAsking, kImage };
    uint32_t NewRequest();

    Phase phase_ = Phase::kIdle;
    uint32_t pending_ = 0;  // 0: no answer awaited
    uint32_t lastRequest_ = 0;
};

// The messages of the check.
std::u16string UpdateQuestionText(PairLanguage language);
std::u16string LatestFirmwareText(PairLanguage language);
inline constexpr char16_t kImageDownloadFailedText[] = u"New-version firmware download failed.";

}  // namespace kx90::pages
