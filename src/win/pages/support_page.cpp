// CDlgSupport: the page's buttons over its pictures, the two version texts, profile import and
// export, the restore question, and the firmware check: the installed description first, then the
// server's through the worker, with the 2 s time-out and the image download behind the progress
// window.
#include "win/pages/support_page.h"

#include <filesystem>

#include "core/layout/support_page_layout.h"
#include "core/pages/support_page.h"
#include "win/pages/firmware_worker.h"
#include "win/pages/progress_dialog.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90::pages {

namespace sp = layout::support_page;

namespace {

constexpr UINT kButtonFirstId = 400;  // 400..404 in Button order
constexpr UINT kTimeOutMs = 2000;
// The version texts: 12 points, regular, opaque light blue-grey.
constexpr COLORREF kVersionColor = RGB(0xC1, 0xD2, 0xEE);
constexpr int kVersionFontHeight = 16;  // 12 points at 96 dots per inch

}  // namespace

void CDlgSupport::OnEnter() {
    if (!created_) {
        created_ = true;
        CreateControls();
    }
}

void CDlgSupport::CreateControls() {
    sites_ = ReadSiteAddresses(Services().installDir);
    HBITMAP normal = LoadPicture();
    const std::wstring skins = Services().installDir + L"\\skins\\";
    // The pressed and hover looks are only cut into faces.
    const ui::SkinBitmap down = ui::LoadSkinBitmap(skins + L"support_down.bmp");
    const ui::SkinBitmap over = ui::LoadSkinBitmap(skins + L"support_over.bmp");
    const layout::Rect places[kButtonTotal] = {sp::kFirmwareUpdate, sp::kWebSite, sp::kImport, sp::kExport,
                                               sp::kRestoreDefaults};
    for (int i = 0; i < kButtonTotal; ++i) {
        skin::CGDIBitmapBtn& b = buttons_[static_cast<size_t>(i)];
        const RECT rect = ui::ToRect(places[i]);
        b.CreateButton(hwnd(), rect, kButtonFirstId + static_cast<UINT>(i));
        b.SetFaceBitmaps(rect, normal, over.bitmap.get(), down.bitmap.get(), normal);
    }
    OnLanguageChanged();
}

void CDlgSupport::OnLanguageChanged() {
    if (created_) {
        const LanguageStrings& s = Texts();
        const std::u16string* const tips[kButtonTotal] = {&s.str_update, &s.str_norviWeb, &s.str_importFile,
                                                          &s.str_exportFile, &s.str_defaultname};
        for (int i = 0; i < kButtonTotal; ++i) {
            buttons_[static_cast<size_t>(i)].SetTooltipText(ui::Wide(*tips[i]), true);
        }
    }
    PageWindow::OnLanguageChanged();
}

void CDlgSupport::OnFirmwareVersion(int version) {
    firmwareVersion_ = version != 0 ? std::to_wstring(version) : std::wstring();
    Invalidate();
}

bool CDlgSupport::OnPaint(HDC dc) {
    PageWindow::OnPaint(dc);
    ui::UniqueFont font = ui::CreateUiFont(kVersionFontHeight, FW_NORMAL);
    const UINT flags = DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX;
    ui::DrawTextIn(dc, ui::Wide(kDriverVersionText), ui::ToRect(sp::kDriverVersionText), font.get(),
                   kVersionColor, flags);
    ui::DrawTextIn(dc, ui::Wide(FirmwareVersionDisplay(ui::Utf16(firmwareVersion_))),
                   ui::ToRect(sp::kFirmwareVersionText), font.get(), kVersionColor, flags);
    return true;
}

std::filesystem::path CDlgSupport::DescriptionPath() const {
    return std::filesystem::path(Services().installDir) / "FWUpdate" / "new_version" / "update.xml";
}

std::filesystem::path CDlgSupport::ImagePath() const {
    return std::filesystem::path(Services().installDir) / "FWUpdate" / "new_version" / "NorviGameDevice.bin";
}

std::u16string CDlgSupport::CouldNotCheckText() const {
    const std::u16string& text = Texts().str_updatefailed;
    return text.empty() ? u"Cannot reach the update server. Please try again later." : text;
}

int CDlgSupport::StartFirmwareCheck() {
    if (sites_.updateServer.empty()) {
        sites_ = ReadSiteAddresses(Services().installDir);
    }
    const std::u16string mouse = ui::Utf16(firmwareVersion_);
    std::error_code ec;
    const bool imagePresent = std::filesystem::is_regular_file(ImagePath(), ec);
    switch (check_.Begin(ReadUpdateDescription(DescriptionPath()), imagePresent, mouse)) {
        case FirmwareCheck::Start::kBusy:
            return 0;
        case FirmwareCheck::Start::kAskLocal: {
            const bool accepted = Services().notifier->ShowInfo(
                                      UpdateQuestionText(Services().language->Pairs()), true) == kInfoOk;
            check_.Finish();
            if (accepted) {
                HandOver();
            }
            return accepted ? 1 : 0;
        }
        case FirmwareCheck::Start::kOnline:
            break;
    }
    std::filesystem::create_directories(DescriptionPath().parent_path(), ec);
    StartTimer(timer::kFirmwareCheckTimeOut, kTimeOutMs);
    FirmwareDownloadJob job;
    job.request = check_.PendingRequest();
    job.url = UpdateDescriptionAddress(ui::Utf16(sites_.updateServer));
    job.target = DescriptionPath();
    job.limits = kDescriptionLimits;
    job.replyTo = hwnd();
    job.message = msg::kFirmwareDescription;
    Services().updates->Post(std::move(job));
    return 1;
}

void CDlgSupport::OnDescription(uint32_t request, DownloadStatus status) {
    const std::u16string mouse = ui::Utf16(firmwareVersion_);
    const UpdateDescription downloaded =
        status == DownloadStatus::kOk ? ReadUpdateDescription(DescriptionPath()) : UpdateDescription{};
    const FirmwareCheck::Answer answer = check_.OnDescription(request, status, downloaded, mouse);
    if (answer == FirmwareCheck::Answer::kIgnore) {
        return;  // the time-out already answered the user
    }
    StopTimer(timer::kFirmwareCheckTimeOut);
    Notifier& notifier = *Services().notifier;
    const PairLanguage language = Services().language->Pairs();
    switch (answer) {
        case FirmwareCheck::Answer::kCouldNotCheck:
            notifier.ShowInfo(CouldNotCheckText(), false);
            return;
        case FirmwareCheck::Answer::kLatest:
            notifier.ShowInfo(LatestFirmwareText(language), false);
            return;
        default:
            break;
    }
    newFirmwareAddress_ = downloaded.newFile;
    if (notifier.ShowInfo(UpdateQuestionText(language), true) != kInfoOk) {
        check_.Finish();
        return;
    }
    // The image comes behind the progress window; the worker reports its percent there.
    CDlgProgress& progress = *Services().progress;
    FirmwareDownloadJob job;
    job.request = check_.DownloadImage();
    job.url = newFirmwareAddress_;
    job.target = ImagePath();
    job.limits = kImageLimits;
    job.replyTo = hwnd();
    job.message = msg::kFirmwareImage;
    job.progress = [&progress](int percent) { progress.ReportProgress(std::min(percent, 99)); };
    progress.ExpectWrite();
    Services().updates->Post(std::move(job));
    progress.RunModal(Services().mainWindow);
}

void CDlgSupport::OnImage(uint32_t request, DownloadStatus status) {
    const FirmwareCheck::ImageAnswer answer = check_.OnImage(request, status);
    if (answer == FirmwareCheck::ImageAnswer::kIgnore) {
        return;
    }
    Services().progress->Close();
    if (answer == FirmwareCheck::ImageAnswer::kFailed) {
        Services().notifier->ShowInfo(kImageDownloadFailedText, false);
        return;
    }
    HandOver();
}

void CDlgSupport::HandOver() {
    LaunchFlashTool(*Services().host, Services().installDir, Services().language->Pairs(),
                    Services().mainWindow);
}

void CDlgSupport::Import() {
    PathPicker picker;
    picker.filter = kProfileFileFilter;
    picker.defaultExtension = kProfileFileExtension;
    const std::optional<std::u16string> path = Services().paths->Choose(picker);
    if (!path) {
        return;
    }
    const ImportResult result =
        ImportProfile(std::filesystem::path(*path), Services().profiles->LiveRecord());
    // The pages show the imported values at once; the mouse gets them with the next Apply.
    if (result.imported) {
        PostMessageW(Services().mainWindow, msg::kRecordReplaced, 0, 0);
    }
    Services().notifier->ShowMessageBox(result.report, u"Info");
}

void CDlgSupport::Export() {
    PathPicker picker;
    picker.save = true;
    picker.filter = kProfileFileFilter;
    picker.defaultExtension = kProfileFileExtension;
    const std::optional<std::u16string> path = Services().paths->Choose(picker);
    if (!path) {
        return;
    }
    const ExportResult result =
        ExportProfile(std::filesystem::path(*path), Services().profiles->LiveRecord());
    Services().notifier->ShowMessageBox(result.report, u"Info");
}

void CDlgSupport::RestoreDefaults() {
    if (Services().notifier->ShowInfo(RestoreQuestionText(Services().language->Pairs()), true) == kInfoOk) {
        PostMessageW(Services().mainWindow, msg::kRestoreDefaults, 0, 0);
    }
}

bool CDlgSupport::OnCommand(WPARAM wParam, LPARAM lParam) {
    switch (static_cast<int>(LOWORD(wParam)) - static_cast<int>(kButtonFirstId)) {
        case kUpdate:
            StartFirmwareCheck();
            return true;
        case kWebSite: {
            const std::u16string site = ui::Utf16(sites_.webSite);
            if (IsWebAddress(site)) {  // the configuration may name nothing but a web page
                Services().host->OpenWebAddress(site);
            }
            return true;
        }
        case kImport:
            Import();
            return true;
        case kExport:
            Export();
            return true;
        case kRestore:
            RestoreDefaults();
            return true;
        default:
            return PageWindow::OnCommand(wParam, lParam);
    }
}

bool CDlgSupport::OnTimer(UINT_PTR id) {
    if (id != timer::kFirmwareCheckTimeOut) {
        return false;
    }
    StopTimer(timer::kFirmwareCheckTimeOut);
    if (check_.OnTimeOut()) {
        Services().notifier->ShowInfo(CouldNotCheckText(), false);
    }
    return true;
}

bool CDlgSupport::OnMouseMove(UINT, POINT) {
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(hwnd(), &cursor);
    const std::vector<int> codes = SupportStatusCodesAt(layout::Point{cursor.x, cursor.y});
    if (codes.empty()) {
        PostMessageW(Services().mainWindow, msg::kStatusText, 0, 0);
    }
    for (int code : codes) {
        PostMessageW(Services().mainWindow, msg::kStatusText, 0, code);
    }
    return true;
}

LRESULT CDlgSupport::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case msg::kFirmwareDescription:
            OnDescription(static_cast<uint32_t>(wParam), static_cast<DownloadStatus>(lParam));
            return 0;
        case msg::kFirmwareImage:
            OnImage(static_cast<uint32_t>(wParam), static_cast<DownloadStatus>(lParam));
            return 0;
        default:
            return PageWindow::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace kx90::pages
