// Downloader seam: fetching one web address into memory, bounded in size and time, so the update
// check can be tested without a network and the program never waits without end.
#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace kx90 {

enum class DownloadStatus {
    kOk,
    kRefused,    // not an http or https address
    kFailed,     // no connection, an HTTP status other than 200, a broken transfer
    kTooLarge,   // more than the allowed bytes
    kTimedOut,   // the whole transfer took longer than allowed
    kCancelled,  // Cancel() was called
};

struct DownloadLimits {
    uint64_t maxBytes = 0;
    std::chrono::milliseconds timeout{0};  // for the whole transfer, connection included
};

// Percent done (0..100) while the size is known; called on the downloading thread.
using DownloadProgress = std::function<void(int percent)>;

class Downloader {
public:
    virtual ~Downloader() = default;
    // Blocks the calling thread until the body is complete or the transfer ends otherwise. body
    // holds the complete response only for kOk.
    virtual DownloadStatus Fetch(std::u16string_view url, const DownloadLimits& limits, std::string& body,
                                 const DownloadProgress& progress = {}) = 0;
    // Ends a Fetch running on another thread soon (kCancelled); for shutdown.
    virtual void Cancel() = 0;
};

// Whether the address starts with "http://" or "https://" (any letter case) and names a host.
bool IsWebAddress(std::u16string_view url);

}  // namespace kx90
