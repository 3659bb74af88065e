// The main window and the mouse: the boot-loader probe, opening at start-up and after an arrival,
// removal, and the firmware version line.
#include <windows.h>
// after windows.h: dbt.h uses its types
#include <dbt.h>

#include <string>

#include "core/device/device_protocol.h"
#include "core/i18n/ui_language.h"
#include "win/app/main_window.h"
#include "win/ui/messages.h"
#include "win/ui/text.h"

namespace kx90 {

namespace {
// GUID_DEVINTERFACE_USB_DEVICE, spelled out so no extra import library is needed.
constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
constexpr uint32_t kBootLoaderProbePauseMs = 500;

std::u16string NotFoundText(const UiLanguage& language) {
    return language.Pick<std::u16string>(u"\u6CA1\u6709\u627E\u5230KX90\u6E38\u620F\u9F20\u6807.",
                                         u"The KX90 gaming mouse cannot be found.");
}
std::u16string FoundText(const UiLanguage& language) {
    return language.Pick<std::u16string>(u"\u53D1\u73B0KX90\u6E38\u620F\u9F20\u6807.",
                                         u"The KX90 gaming mouse is found.");
}
}  // namespace

bool CKX77DriverDlg::ProbeBootLoader(const std::function<void()>& meanwhile) {
    if (app_.driver.FindUsbDevice(kBootloaderIdentity)) {
        return true;
    }
    const uint32_t start = app_.clock.TickCount();
    meanwhile();
    const uint32_t spent = app_.clock.TickCount() - start;
    if (spent < kBootLoaderProbePauseMs) {
        app_.clock.SleepMs(kBootLoaderProbePauseMs - spent);
    }
    return app_.driver.FindUsbDevice(kBootloaderIdentity);
}

void CKX77DriverDlg::OnStartupOpenTimer() {
    search_ = DeviceSearch::kStartup;
    ++openAttempts_;
    deviceOpened_ = app_.driver.Open() == 1;
    if (!deviceOpened_ && openAttempts_ < kStartupOpenAttempts) {
        if (openAttempts_ == 1) {
            StartTimer(timer::kStartupOpen, kStartupOpenPeriodMs);
        }
        return;
    }
    StopTimer(timer::kStartupOpen);
    search_ = DeviceSearch::kNone;
    FinishInitialisation();
}

void CKX77DriverDlg::RegisterDeviceNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterface;
    deviceNotify_ = RegisterDeviceNotificationW(hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

void CKX77DriverDlg::OnDeviceChange(WPARAM event, LPARAM data) {
    if (closing_ || removing_ || (event != DBT_DEVICEARRIVAL && event != DBT_DEVICEREMOVECOMPLETE) ||
        data == 0) {
        return;
    }
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(data);
    if (header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) {
        return;
    }
    const auto* device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(data);
    if (!CUSBDriver::IsOwnDeviceName(ui::Utf16(device->dbcc_name))) {
        return;
    }
    if (event == DBT_DEVICEARRIVAL) {
        OnMouseArrived();
    } else {
        OnMouseRemoved();
    }
}

void CKX77DriverDlg::OnMouseArrived() {
    // A search under way finds the mouse itself (the start-up search also announces nothing: the
    // window simply opens); a second one would open it twice and install the hooks twice.
    if (search_ != DeviceSearch::kNone) {
        return;
    }
    if (app_.driver.Open() == 1) {
        OnMouseOpenedAfterArrival();
        return;
    }
    // Retry on a timer, never in a loop on this thread, and not for ever: a mouse that does not
    // answer within half a minute is reported as not found.
    search_ = DeviceSearch::kArrival;
    arrivalAttempts_ = 0;
    StartTimer(timer::kArrivalOpen, kArrivalOpenPeriodMs);
}

void CKX77DriverDlg::OnArrivalOpenTimer() {
    ++arrivalAttempts_;
    if (app_.driver.Open() == 1) {
        StopTimer(timer::kArrivalOpen);
        search_ = DeviceSearch::kNone;
        OnMouseOpenedAfterArrival();
        return;
    }
    if (arrivalAttempts_ >= kArrivalOpenAttempts) {
        StopTimer(timer::kArrivalOpen);
        search_ = DeviceSearch::kNone;
        ShowNotFoundNotice();
    }
}

void CKX77DriverDlg::OnMouseOpenedAfterArrival() {
    deviceOpened_ = true;
    UpdateFirmwareVersion();
    app_.hooks.Install(hwnd());
    app_.notifier.ShowInfo(FoundText(app_.language), false, true);
}

void CKX77DriverDlg::OnMouseRemoved() {
    StopTimer(timer::kArrivalOpen);
    if (search_ == DeviceSearch::kArrival) {
        search_ = DeviceSearch::kNone;
    }
    app_.driver.Close();
    deviceOpened_ = false;
    app_.hooks.Remove();
    removing_ = true;  // no second notice for the mouse's other interfaces
    app_.notifier.ShowInfo(NotFoundText(app_.language), false, true);
    PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void CKX77DriverDlg::UpdateFirmwareVersion() {
    int version = 0;
    const bool known = app_.driver.QueryFirmwareVersion(&version) == 1 && version != 0;
    for (auto& page : pages_) {
        if (page != nullptr) {
            page->OnFirmwareVersion(known ? version : 0);
        }
    }
}

void CKX77DriverDlg::ShowNotFoundNotice() {
    app_.notifier.ShowInfo(NotFoundText(app_.language), false, true);
}

}  // namespace kx90
