// Downloader over WinHTTP: every stage has a time limit, the body a size limit, and a transfer
// can be cancelled from another thread (shutdown) by closing its handles.
#pragma once

#include <windows.h>

#include <mutex>

#include "core/platform/downloader.h"

namespace kx90 {

class Win32Downloader final : public Downloader {
public:
    DownloadStatus Fetch(std::u16string_view url, const DownloadLimits& limits, std::string& body,
                         const DownloadProgress& progress = {}) override;
    void Cancel() override;

private:
    // The request of the transfer running now: whoever takes it out of here closes it (Cancel(),
    // to end a blocking call, or the transfer when it is over).
    std::mutex mutex_;
    void* request_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace kx90
