#include "core/net/HttpWorker.h"

#include <chrono>
#include <system_error>

HttpWorker::~HttpWorker() {
    if (thread_.joinable()) thread_.join();
}

bool HttpWorker::Launch(std::function<void()> body) {
    try {
        thread_ = std::thread([this, body = std::move(body)] {
            platform::LowerThreadPriority();
            body();
            std::lock_guard lock(mutex_);
            ended_ = true;
            endedSignal_.notify_all();
        });
    } catch (const std::system_error&) {
        return false;
    }
    return true;
}

bool HttpWorker::WaitEnded(uint32_t ms) {
    std::unique_lock lock(mutex_);
    return endedSignal_.wait_for(lock, std::chrono::milliseconds(ms), [this] { return ended_; });
}
