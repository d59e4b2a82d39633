#pragma once
// Records finished transfers off the transfer's path: record() only queues
// the transfer, a thread of the recorder's own stores it, so a slow or
// unreachable database never holds up the radio link. The destructor waits
// for what is queued, bounded by the connect and busy time-outs, so a
// command-line program that ends right after its transfer still archives it.
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include "archive/RecordTransfer.h"

namespace vantrel::archive {

class ArchiveRecorder {
public:
    // `warn` is called on the recorder's thread.
    ArchiveRecorder(ArchiveLocation where, Warn warn);
    ~ArchiveRecorder();
    ArchiveRecorder(const ArchiveRecorder&) = delete;
    ArchiveRecorder& operator=(const ArchiveRecorder&) = delete;

    const ArchiveLocation& location() const { return where_; }
    void record(FinishedTransfer transfer);
    // Waits until everything queued so far is stored (or given up on).
    void flush();

private:
    void run();

    const ArchiveLocation where_;
    const Warn warn_;
    std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable done_;
    std::deque<FinishedTransfer> queue_;
    bool busy_ = false;
    bool stopping_ = false;
    std::thread thread_;
};

}  // namespace vantrel::archive
