// The hidapi (hidraw) transport: enumeration with each node's report descriptor from sysfs, and
// blocking feature and output reports.
#include "linux/kx90ctl/hidapi_transport.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "core/device/device_protocol.h"
#include "linux/kx90ctl/hid_descriptor.h"

namespace kx90::ctl {
namespace {

namespace fs = std::filesystem;

std::u16string Widened(const char* text) {
    const std::string narrow(text != nullptr ? text : "");
    return std::u16string(narrow.begin(), narrow.end());
}

std::string Narrowed(const std::u16string& text) {
    return std::string(text.begin(), text.end());  // hidraw paths are ASCII
}

// /dev/hidrawN's report descriptor, which sysfs lets every user read.
std::vector<uint8_t> ReportDescriptor(const std::string& devicePath) {
    const fs::path node =
        fs::path("/sys/class/hidraw") / fs::path(devicePath).filename() / "device" / "report_descriptor";
    std::ifstream in(node, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadLine(const fs::path& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

}  // namespace

HidapiTransport::~HidapiTransport() {
    CloseHandles();
}

std::vector<HidInterfaceInfo> HidapiTransport::EnumerateInterfaces(uint16_t vendorId, uint16_t productId) {
    std::vector<HidInterfaceInfo> interfaces;
    hid_device_info* list = hid_enumerate(0, 0);
    for (const hid_device_info* d = list; d != nullptr; d = d->next) {
        HidInterfaceInfo info;
        info.path = Widened(d->path);
        info.attributesRead = true;
        info.vendorId = d->vendor_id;
        info.productId = d->product_id;
        if (d->vendor_id == vendorId && d->product_id == productId) {
            const std::vector<uint8_t> descriptor = ReportDescriptor(d->path);
            if (auto cap = FindFeatureValue(descriptor, kVendorUsagePage, kVendorUsage)) {
                info.featureValueCaps.push_back(*cap);
            }
        }
        interfaces.push_back(std::move(info));
    }
    hid_free_enumeration(list);
    return interfaces;
}

bool HidapiTransport::OpenHandles(const std::u16string& path) {
    CloseHandles();
    const std::string node = Narrowed(path);
    device_ = hid_open_path(node.c_str());
    refused_ = device_ == nullptr && access(node.c_str(), R_OK | W_OK) != 0 && errno == EACCES;
    return device_ != nullptr;
}

void HidapiTransport::CloseHandles() {
    if (device_ != nullptr) {
        hid_close(device_);
        device_ = nullptr;
    }
}

bool HidapiTransport::SetFeature(const uint8_t* report, size_t length) {
    return device_ != nullptr && hid_send_feature_report(device_, report, length) >= 0;
}

bool HidapiTransport::GetFeature(uint8_t* report, size_t length) {
    return device_ != nullptr && hid_get_feature_report(device_, report, length) >= 0;
}

WriteOutcome HidapiTransport::WriteOutputReport(const uint8_t (&report)[kOutputReportSize]) {
    if (device_ == nullptr) {
        return WriteOutcome::kFailed;
    }
    return hid_write(device_, report, kOutputReportSize) >= 0 ? WriteOutcome::kDone : WriteOutcome::kFailed;
}

bool HidapiTransport::WaitForPendingWrite(uint32_t) {
    return true;
}

std::vector<std::u16string> HidapiTransport::UsbHardwareIds() {
    std::vector<std::u16string> ids;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator("/sys/bus/usb/devices", ec)) {
        const std::string vendor = ReadLine(entry.path() / "idVendor");
        const std::string product = ReadLine(entry.path() / "idProduct");
        if (vendor.empty() || product.empty()) {
            continue;  // an interface, not a device
        }
        char id[40];
        std::snprintf(id, sizeof id, "USB\\VID_%s&PID_%s", vendor.c_str(), product.c_str());
        std::u16string wide = Widened(id);
        for (char16_t& c : wide) {
            c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
        }
        ids.push_back(std::move(wide));
    }
    return ids;
}

}  // namespace kx90::ctl
