// SetupAPI/HID transport: the probing sequence per interface, feature reports and overlapped writes.
#include "win/device/setupapi_transport.h"

#include <setupapi.h>

extern "C" {
#include <hidsdi.h>
}

#include <cstring>
#include <memory>
#include <new>

namespace kx90 {
namespace {

constexpr wchar_t kWriteEventName[] = L"WriteDataOverLappedEvent";
constexpr wchar_t kReadEventName[] = L"ReadDataOverLappedEvent";
constexpr DWORD kHardwareIdBytes = 260;

std::u16string FromWide(const wchar_t* text) {
    return std::u16string(reinterpret_cast<const char16_t*>(text));
}
const wchar_t* ToWide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

// Feature value capabilities from an open probe handle; empty when the interface has none or the
// preparsed data is unusable.
std::vector<HidValueCap> ReadFeatureValueCaps(HANDLE probe) {
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    if (!HidD_GetPreparsedData(probe, &preparsed)) {
        return {};
    }
    std::vector<HidValueCap> caps;
    HIDP_CAPS hidCaps{};
    if (HidP_GetCaps(preparsed, &hidCaps) == HIDP_STATUS_SUCCESS && hidCaps.NumberFeatureValueCaps > 0) {
        std::vector<HIDP_VALUE_CAPS> values(hidCaps.NumberFeatureValueCaps);
        USHORT count = hidCaps.NumberFeatureValueCaps;
        if (HidP_GetSpecificValueCaps(HidP_Feature, 0, 0, 0, values.data(), &count, preparsed) ==
            HIDP_STATUS_SUCCESS) {
            for (USHORT i = 0; i < count && i < values.size(); ++i) {
                // NotRange.Usage shares its place with Range.UsageMin.
                caps.push_back({values[i].UsagePage, values[i].NotRange.Usage, values[i].ReportID,
                                values[i].ReportCount});
            }
        }
    }
    HidD_FreePreparsedData(preparsed);
    return caps;
}

// Path, attributes and (for the wanted device) feature value caps of one interface.
HidInterfaceInfo ProbeInterface(const wchar_t* path, uint16_t vendorId, uint16_t productId) {
    HidInterfaceInfo info;
    info.path = FromWide(path);
    // Access 0 is enough for attribute and capability queries and works even when another program
    // holds the device open exclusively for reading.
    HANDLE probe = CreateFileW(path, 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                               FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (probe == INVALID_HANDLE_VALUE) {
        return info;
    }
    HIDD_ATTRIBUTES attributes{};
    attributes.Size = sizeof attributes;
    if (HidD_GetAttributes(probe, &attributes)) {
        info.attributesRead = true;
        info.vendorId = attributes.VendorID;
        info.productId = attributes.ProductID;
        if (info.vendorId == vendorId && info.productId == productId) {
            info.featureValueCaps = ReadFeatureValueCaps(probe);
        }
    }
    CloseHandle(probe);
    return info;
}

HANDLE OpenOverlapped(const std::u16string& path, DWORD access) {
    return CreateFileW(ToWide(path), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                       FILE_FLAG_OVERLAPPED, nullptr);
}

void CloseIfValid(HANDLE& handle) {
    if (handle != INVALID_HANDLE_VALUE) {
        CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
}

}  // namespace

SetupApiTransport::~SetupApiTransport() {
    CloseHandles();
    if (writeEvent_ != nullptr) {
        CloseHandle(writeEvent_);
    }
    if (readEvent_ != nullptr) {
        CloseHandle(readEvent_);
    }
}

std::vector<HidInterfaceInfo> SetupApiTransport::EnumerateInterfaces(uint16_t vendorId, uint16_t productId) {
    std::vector<HidInterfaceInfo> list;
    GUID hidGuid;
    HidD_GetHidGuid(&hidGuid);
    HDEVINFO set = SetupDiGetClassDevsW(&hidGuid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (set == INVALID_HANDLE_VALUE) {
        return list;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVICE_INTERFACE_DATA data{};
        data.cbSize = sizeof data;
        if (!SetupDiEnumDeviceInterfaces(set, nullptr, &hidGuid, index, &data)) {
            break;
        }
        DWORD required = 0;
        SetupDiGetDeviceInterfaceDetailW(set, &data, nullptr, 0, &required, nullptr);
        if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            continue;
        }
        // Without memory for the detail the listing ends here, as a whole.
        std::unique_ptr<uint8_t[]> storage(new (std::nothrow) uint8_t[required]);
        if (!storage) {
            break;
        }
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(storage.get());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        if (!SetupDiGetDeviceInterfaceDetailW(set, &data, detail, required, nullptr, nullptr)) {
            continue;
        }
        list.push_back(ProbeInterface(detail->DevicePath, vendorId, productId));
    }
    SetupDiDestroyDeviceInfoList(set);
    return list;
}

bool SetupApiTransport::OpenHandles(const std::u16string& path) {
    CloseHandles();
    read_ = OpenOverlapped(path, GENERIC_READ);
    write_ = OpenOverlapped(path, GENERIC_WRITE);
    // Created once; a second program instance (or a second open) gets the existing events.
    if (writeEvent_ == nullptr) {
        writeEvent_ = CreateEventW(nullptr, TRUE, FALSE, kWriteEventName);
    }
    if (readEvent_ == nullptr) {
        readEvent_ = CreateEventW(nullptr, TRUE, FALSE, kReadEventName);
    }
    writeOverlapped_ = {};
    writeOverlapped_.hEvent = writeEvent_;
    readOverlapped_ = {};
    readOverlapped_.hEvent = readEvent_;
    if (read_ == INVALID_HANDLE_VALUE || write_ == INVALID_HANDLE_VALUE || writeEvent_ == nullptr) {
        CloseHandles();
        return false;
    }
    return true;
}

void SetupApiTransport::CloseHandles() {
    CloseIfValid(write_);
    CloseIfValid(read_);
}

bool SetupApiTransport::SetFeature(const uint8_t* report, size_t length) {
    if (write_ == INVALID_HANDLE_VALUE || length > 255) {
        return false;
    }
    uint8_t buffer[255];
    std::memcpy(buffer, report, length);
    return HidD_SetFeature(write_, buffer, static_cast<ULONG>(length)) != FALSE;
}

bool SetupApiTransport::GetFeature(uint8_t* report, size_t length) {
    if (read_ == INVALID_HANDLE_VALUE) {
        return false;
    }
    return HidD_GetFeature(read_, report, static_cast<ULONG>(length)) != FALSE;
}

WriteOutcome SetupApiTransport::WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) {
    if (write_ == INVALID_HANDLE_VALUE) {
        return WriteOutcome::kFailed;
    }
    std::memcpy(writeBuffer_, report, kOutputReportSize);
    writeOverlapped_.Offset = 0;
    writeOverlapped_.OffsetHigh = 0;
    if (WriteFile(write_, writeBuffer_, kOutputReportSize, &bytesWritten_, &writeOverlapped_)) {
        return WriteOutcome::kDone;
    }
    return GetLastError() == ERROR_IO_PENDING ? WriteOutcome::kPending : WriteOutcome::kFailed;
}

bool SetupApiTransport::WaitForPendingWrite(uint32_t timeoutMs) {
    const bool completed = WaitForSingleObject(writeEvent_, timeoutMs) == WAIT_OBJECT_0;
    if (!completed && write_ != INVALID_HANDLE_VALUE) {
        // The next report reuses the OVERLAPPED structure and the buffer, which the system still
        // owns while this write is in flight: cancel it and let the cancellation finish first.
        CancelIoEx(write_, &writeOverlapped_);
        DWORD transferred = 0;
        GetOverlappedResult(write_, &writeOverlapped_, &transferred, TRUE);
    }
    ResetEvent(writeEvent_);
    return completed;
}

std::vector<std::u16string> SetupApiTransport::UsbHardwareIds() {
    std::vector<std::u16string> ids;
    HDEVINFO set = SetupDiGetClassDevsW(nullptr, L"USB", nullptr, DIGCF_PRESENT | DIGCF_ALLCLASSES);
    if (set == INVALID_HANDLE_VALUE) {
        return ids;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        if (!SetupDiEnumDeviceInfo(set, index, &device)) {
            break;
        }
        // A multi-string; the first hardware ID is what is tested. The last character stays 0 so a
        // truncated text is still terminated.
        wchar_t buffer[kHardwareIdBytes / sizeof(wchar_t)] = {};
        SetupDiGetDeviceRegistryPropertyW(set, &device, SPDRP_HARDWAREID, nullptr,
                                          reinterpret_cast<BYTE*>(buffer), sizeof buffer - sizeof(wchar_t),
                                          nullptr);
        ids.push_back(FromWide(buffer));
    }
    SetupDiDestroyDeviceInfoList(set);
    return ids;
}

}  // namespace kx90
