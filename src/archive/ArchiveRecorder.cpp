#include "archive/ArchiveRecorder.h"

#include <vector>

namespace vantrel::archive {

ArchiveRecorder::ArchiveRecorder(ArchiveLocation where, Warn warn)
    : where_(std::move(where)), warn_(warn ? std::move(warn) : Warn([](const QString&) {})) {
    if (where_.kind != ArchiveLocation::Kind::Off) thread_ = std::thread([this] { run(); });
}

ArchiveRecorder::~ArchiveRecorder() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void ArchiveRecorder::record(FinishedTransfer transfer) {
    if (!thread_.joinable()) return;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(transfer));
    }
    wake_.notify_all();
}

void ArchiveRecorder::flush() {
    std::unique_lock<std::mutex> lock(mutex_);
    done_.wait(lock, [this] { return queue_.empty() && !busy_; });
}

void ArchiveRecorder::run() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || !queue_.empty(); });
        if (queue_.empty()) return;  // stopping, with nothing left
        // Everything queued goes in one opening of the archive, in order, so
        // that a write finds the read queued before it.
        std::vector<FinishedTransfer> batch(std::make_move_iterator(queue_.begin()),
                                            std::make_move_iterator(queue_.end()));
        queue_.clear();
        busy_ = true;
        lock.unlock();
        RecordTransfers(where_, batch, warn_);
        lock.lock();
        busy_ = false;
        done_.notify_all();
    }
}

}  // namespace vantrel::archive
