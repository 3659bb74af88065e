// Win32Downloader: one GET over WinHTTP, bounded in time and size, cancellable.
#include "win/platform/downloader_win32.h"

#include <winhttp.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace kx90 {
namespace {

using Clock = std::chrono::steady_clock;

struct Handle {
    HINTERNET h = nullptr;
    ~Handle() {
        if (h != nullptr) {
            WinHttpCloseHandle(h);
        }
    }
};

// The longest any one stage (resolving, connecting, sending, waiting for the next bytes) may take:
// a server that sends nothing for this long has stalled, whatever time the whole transfer has.
constexpr long long kStallMs = 10'000;

int StageMs(std::chrono::milliseconds whole) {
    return static_cast<int>(std::min<long long>(whole.count(), kStallMs));
}

}  // namespace

DownloadStatus Win32Downloader::Fetch(std::u16string_view url, const DownloadLimits& limits,
                                      std::string& body, const DownloadProgress& progress) {
    body.clear();
    if (!IsWebAddress(url)) {
        return DownloadStatus::kRefused;
    }
    const std::wstring address(url.begin(), url.end());
    URL_COMPONENTSW parts{};
    parts.dwStructSize = sizeof parts;
    wchar_t host[256] = {};
    std::vector<wchar_t> path(address.size() + 2);
    parts.lpszHostName = host;
    parts.dwHostNameLength = 256;
    parts.lpszUrlPath = path.data();
    parts.dwUrlPathLength = static_cast<DWORD>(path.size());
    if (!WinHttpCrackUrl(address.c_str(), static_cast<DWORD>(address.size()), 0, &parts)) {
        return DownloadStatus::kFailed;
    }
    const Clock::time_point deadline = Clock::now() + limits.timeout;
    Handle session;
    session.h = WinHttpOpen(L"KX90Driver/1.0", WINHTTP_ACCESS_TYPE_DEFAULT_PROXY, WINHTTP_NO_PROXY_NAME,
                            WINHTTP_NO_PROXY_BYPASS, 0);
    if (session.h == nullptr) {
        return DownloadStatus::kFailed;
    }
    const int stage = StageMs(limits.timeout);
    WinHttpSetTimeouts(session.h, stage, stage, stage, stage);

    const bool secure = parts.nScheme == INTERNET_SCHEME_HTTPS;
    Handle connection;
    connection.h = WinHttpConnect(session.h, host, parts.nPort, 0);
    if (connection.h == nullptr) {
        return DownloadStatus::kFailed;
    }
    HINTERNET request = WinHttpOpenRequest(connection.h, L"GET", path.data(), nullptr, WINHTTP_NO_REFERER,
                                           WINHTTP_DEFAULT_ACCEPT_TYPES, secure ? WINHTTP_FLAG_SECURE : 0);
    if (request == nullptr) {
        return DownloadStatus::kFailed;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (cancelled_) {
            WinHttpCloseHandle(request);
            return DownloadStatus::kCancelled;
        }
        request_ = request;
    }
    struct Release {
        Win32Downloader& self;
        ~Release() {
            std::lock_guard<std::mutex> lock(self.mutex_);
            if (self.request_ != nullptr) {
                WinHttpCloseHandle(static_cast<HINTERNET>(self.request_));
                self.request_ = nullptr;
            }
        }
    } release{*this};

    auto ended = [&](DownloadStatus otherwise) {
        std::lock_guard<std::mutex> lock(mutex_);
        body.clear();
        return cancelled_ ? DownloadStatus::kCancelled : otherwise;
    };
    if (!WinHttpSendRequest(request, WINHTTP_NO_ADDITIONAL_HEADERS, 0, WINHTTP_NO_REQUEST_DATA, 0, 0, 0) ||
        !WinHttpReceiveResponse(request, nullptr)) {
        return ended(Clock::now() >= deadline ? DownloadStatus::kTimedOut : DownloadStatus::kFailed);
    }
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!WinHttpQueryHeaders(request, WINHTTP_QUERY_STATUS_CODE | WINHTTP_QUERY_FLAG_NUMBER,
                             WINHTTP_HEADER_NAME_BY_INDEX, &status, &size, WINHTTP_NO_HEADER_INDEX) ||
        status != 200) {
        return ended(DownloadStatus::kFailed);
    }
    DWORD announced = 0;
    size = sizeof announced;
    const bool known = WinHttpQueryHeaders(request, WINHTTP_QUERY_CONTENT_LENGTH | WINHTTP_QUERY_FLAG_NUMBER,
                                           WINHTTP_HEADER_NAME_BY_INDEX, &announced, &size,
                                           WINHTTP_NO_HEADER_INDEX) != FALSE;
    if (known && announced > limits.maxBytes) {
        return ended(DownloadStatus::kTooLarge);
    }
    char chunk[16 * 1024];
    for (;;) {
        if (Clock::now() >= deadline) {
            return ended(DownloadStatus::kTimedOut);
        }
        DWORD read = 0;
        if (!WinHttpReadData(request, chunk, sizeof chunk, &read)) {
            return ended(Clock::now() >= deadline ? DownloadStatus::kTimedOut : DownloadStatus::kFailed);
        }
        if (read == 0) {
            break;
        }
        if (body.size() + read > limits.maxBytes) {
            return ended(DownloadStatus::kTooLarge);
        }
        body.append(chunk, read);
        if (known && announced > 0 && progress) {
            progress(static_cast<int>(body.size() * 100 / announced));
        }
    }
    if (known && body.size() != announced) {
        return ended(DownloadStatus::kFailed);  // the connection closed before the whole body came
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        if (cancelled_) {
            body.clear();
            return DownloadStatus::kCancelled;
        }
    }
    return DownloadStatus::kOk;
}

void Win32Downloader::Cancel() {
    std::lock_guard<std::mutex> lock(mutex_);
    cancelled_ = true;
    if (request_ != nullptr) {
        // Closing the request ends the blocking call waiting on it.
        WinHttpCloseHandle(static_cast<HINTERNET>(request_));
        request_ = nullptr;
    }
}

}  // namespace kx90
