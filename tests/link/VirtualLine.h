#pragma once
// An in-memory serial line in virtual time, with the radio at its far end.
// Time only moves inside wait(), straight to the next tick, answer or
// deadline, so a 10 s time-out costs nothing. Every byte the program puts on
// the line is logged in `sent`.
#include <algorithm>
#include <deque>
#include <functional>

#include "link/ByteDevice.h"
#include "link/LinkObserver.h"
#include "link/SimulatedRadio.h"

namespace vantrel::link::testing {

class VirtualLine : public ByteDevice {
public:
    using Radio = std::function<Bytes(std::uint8_t)>;

    explicit VirtualLine(Radio radio) : radio_(std::move(radio)) {}

    std::chrono::milliseconds reaction{10};  // radio's delay before answering
    int stuckQueue = -1;                     // this queue() call (0-based) never drains
    bool echo = false;                       // the cable echoes every byte at once
    std::function<void()> onWait;            // runs at each wait (a user clicking)
    Bytes sent;

    bool open(std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }

    void clearInput() override {
        input_.erase(std::remove_if(input_.begin(), input_.end(),
                                    [&](const Arrival& a) { return a.time <= now_; }),
                     input_.end());
    }
    bool queue(const Bytes& bytes) override {
        stuck_ = queues_++ == stuckQueue;
        if (stuck_) return true;
        for (std::uint8_t b : bytes) {
            sent.push_back(b);
            if (echo) input_.push_back({now_, b});
            for (std::uint8_t a : radio_(b)) input_.push_back({now_ + reaction, a});
        }
        return true;
    }
    bool drained() override { return !stuck_; }
    std::size_t available() override {
        return static_cast<std::size_t>(std::count_if(
            input_.begin(), input_.end(), [&](const Arrival& a) { return a.time <= now_; }));
    }
    Bytes readAll() override {
        Bytes out;
        while (!input_.empty() && input_.front().time <= now_) {
            out.push_back(input_.front().byte);
            input_.pop_front();
        }
        return out;
    }
    Clock::time_point now() const override { return now_; }
    Wake wait(Clock::time_point deadline) override {
        if (onWait) onWait();
        if (interrupted_) {
            interrupted_ = false;
            return Wake::Interrupted;
        }
        Clock::time_point next = std::min(deadline, nextTick_);
        for (const Arrival& a : input_)
            if (a.time > now_) next = std::min(next, a.time);
        now_ = std::max(now_, next);
        if (now_ >= nextTick_) {
            nextTick_ += std::chrono::milliseconds(200);
            return Wake::Tick;
        }
        return available() ? Wake::Activity : Wake::Deadline;
    }
    void interrupt() override { interrupted_ = true; }

    double seconds() const { return std::chrono::duration<double>(now_ - start_).count(); }

private:
    struct Arrival {
        Clock::time_point time;
        std::uint8_t byte;
    };
    Radio radio_;
    std::deque<Arrival> input_;
    const Clock::time_point start_ = Clock::time_point() + std::chrono::hours(1);
    Clock::time_point now_ = start_;
    // The tick runs with its own phase: the first one comes after 130 ms.
    Clock::time_point nextTick_ = start_ + std::chrono::milliseconds(130);
    bool open_ = true;
    bool stuck_ = false;
    bool interrupted_ = false;
    int queues_ = 0;
};

// Records what an exchange shows the user.
struct RecordingObserver : LinkObserver {
    std::vector<std::string> statuses;
    std::vector<int> progressValues;
    std::vector<std::pair<Indicator, bool>> paints;
    std::function<void(int)> onProgress;
    void status(const std::string& text) override { statuses.push_back(text); }
    void progress(int value) override {
        progressValues.push_back(value);
        if (onProgress) onProgress(value);
    }
    void indicator(Indicator which, bool bright) override { paints.emplace_back(which, bright); }
};

// A radio image whose blocks all have different checksums.
inline CodeplugImage::Bytes PatternImage(int seed = 7) {
    CodeplugImage::Bytes bytes{};
    for (std::size_t n = 0; n < bytes.size(); ++n)
        bytes[n] = static_cast<std::uint8_t>((n * 37 + seed) & 0xFF);
    return bytes;
}

// Radio options with one fault set, e.g. With([](auto& o) { o.silentAt = 2; }).
template <class F>
SimulatedRadioOptions With(F set) {
    SimulatedRadioOptions options;
    set(options);
    return options;
}

// The bytes as the program sends them: each followed by 0x00.
inline Bytes Pairs(std::initializer_list<std::uint8_t> bytes) {
    Bytes out;
    for (std::uint8_t b : bytes) out.insert(out.end(), {b, 0x00});
    return out;
}

}  // namespace vantrel::link::testing
