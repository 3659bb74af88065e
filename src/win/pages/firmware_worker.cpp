// FirmwareCheckWorker: the wait, the download and the posted outcome.
#include "win/pages/firmware_worker.h"

#include "core/platform/thread_join.h"

#include <chrono>

#include "core/pages/firmware_check.h"

namespace kx90::pages {

FirmwareCheckWorker::FirmwareCheckWorker(Downloader& downloader, ManualResetEvent& event,
                                         std::atomic<int>& runFlag)
    : downloader_(downloader), event_(event), runFlag_(runFlag) {}

FirmwareCheckWorker::~FirmwareCheckWorker() {
    Stop(1000);
    if (thread_.joinable()) {
        thread_.join();
    }
}

void FirmwareCheckWorker::Start() {
    if (thread_.joinable()) {
        return;
    }
    running_ = true;
    thread_ = std::thread([this] { Run(); });
}

bool FirmwareCheckWorker::Stop(uint32_t maxWaitMs) {
    runFlag_ = 0;
    downloader_.Cancel();
    event_.Set();
    if (!thread_.joinable()) {
        return true;
    }
    return JoinWithin(thread_, running_, maxWaitMs);
}

void FirmwareCheckWorker::Post(FirmwareDownloadJob job) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        job_ = std::move(job);
    }
    event_.Set();
}

void FirmwareCheckWorker::Run() {
    while (runFlag_ != 0) {
        event_.Wait();
        if (runFlag_ == 0) {
            break;
        }
        event_.Reset();
        std::optional<FirmwareDownloadJob> job;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            job.swap(job_);
        }
        if (!job) {
            continue;
        }
        const DownloadStatus status =
            DownloadToFile(downloader_, job->url, job->target, job->limits, job->progress);
        if (runFlag_ != 0) {
            PostMessageW(job->replyTo, job->message, job->request, static_cast<LPARAM>(status));
        }
    }
    running_ = false;
}

}  // namespace kx90::pages
