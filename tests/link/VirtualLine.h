#pragma once
// An in-memory serial line in virtual time, with the radio at its far end.
// Time only moves inside wait(), straight to the next tick, answer or
// deadline, so a 10 s time-out costs nothing. Every byte the program puts on
// the line is logged in `sent`, every byte the radio answers in `answers`.
// Input keeps the order of the wire: an echo delayed by the adapter holds
// back the answer behind it. A paced line gives every byte its time at 1200
// baud: the program's bytes drain one after the other, the radio hears each
// when it has left and its answers come byte by byte.
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>

#include "link/ByteDevice.h"
#include "link/LinkObserver.h"
#include "link/SimulatedRadio.h"

namespace vantrel::link::testing {

class VirtualLine : public ByteDevice {
public:
    using Radio = std::function<Bytes(std::uint8_t)>;

    explicit VirtualLine(Radio radio) : radio_(std::move(radio)) {}

    struct Timed {
        Clock::time_point time;
        std::uint8_t byte;
    };

    std::chrono::milliseconds reaction{10};  // radio's delay before answering
    bool paced = false;
    int stuckQueue = -1;                     // this queue() call (0-based) never drains
    // The cable returns every byte the program sends, this long after it.
    std::optional<std::chrono::milliseconds> echo;
    int echoLimit = -1;                      // only this many bytes come back
    // The device goes away (a pulled cable), or the application starts
    // quitting, this long after the line was made.
    std::optional<std::chrono::milliseconds> lostAfter, closingAfter;
    std::function<void()> onWait;            // runs at each wait (a user clicking)
    Bytes sent;
    std::vector<Timed> sentAt;
    // Each radio byte with the index in `sent` of the program byte it answers.
    struct Answer {
        std::size_t cause;
        Timed at;
    };
    std::vector<Answer> answers;

    bool open(std::string&) override { return open_ = true; }
    void close() override { open_ = false; }
    bool isOpen() const override { return open_; }

    void clearInput() override {
        input_.erase(std::remove_if(input_.begin(), input_.end(),
                                    [&](const Arrival& a) { return a.time <= now_; }),
                     input_.end());
    }
    bool queue(const Bytes& bytes) override {
        if (!open_) return false;
        stuck_ = queues_++ == stuckQueue;
        if (stuck_) return true;
        for (std::uint8_t b : bytes) {
            const Clock::time_point left = paced ? lineFree_ = std::max(now_, lineFree_) + kByteTime : now_;
            sent.push_back(b);
            sentAt.push_back({now_, b});
            if (echo && echoLimit != 0) {
                if (echoLimit > 0) --echoLimit;
                arrive(left + *echo, b);
            }
            Clock::time_point at = left + reaction;
            for (std::uint8_t a : radio_(b)) {
                if (paced) at = std::max(at, input_.empty() ? at : input_.back().time) + kByteTime;
                answers.push_back({sent.size() - 1, arrive(at, a)});
            }
        }
        return true;
    }
    bool drained() override { return !stuck_ && now_ >= lineFree_; }
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
        if (closingAfter && now_ >= start_ + *closingAfter) return Wake::Closing;
        if (lostAfter && now_ >= start_ + *lostAfter) {
            open_ = false;
            input_.clear();
            return Wake::Lost;
        }
        if (interrupted_) {
            interrupted_ = false;
            return Wake::Interrupted;
        }
        Clock::time_point next = std::min(deadline, nextTick_);
        if (lineFree_ > now_) next = std::min(next, lineFree_);
        for (const Arrival& a : input_)
            if (a.time > now_) next = std::min(next, a.time);
        for (const auto& event : {lostAfter, closingAfter})
            if (event && start_ + *event > now_) next = std::min(next, start_ + *event);
        now_ = std::max(now_, next);
        if (closingAfter && now_ >= start_ + *closingAfter) return Wake::Closing;
        if (lostAfter && now_ >= start_ + *lostAfter) return wait(deadline);
        if (now_ >= nextTick_) {
            nextTick_ += std::chrono::milliseconds(200);
            return Wake::Tick;
        }
        return available() || now_ == lineFree_ ? Wake::Activity : Wake::Deadline;
    }
    void interrupt() override { interrupted_ = true; }

    double seconds() const { return std::chrono::duration<double>(now_ - start_).count(); }
    double seconds(Clock::time_point t) const { return std::chrono::duration<double>(t - start_).count(); }

private:
    using Arrival = Timed;
    // 1 start bit, 8 data bits, 2 stop bits at 1200 baud.
    static constexpr std::chrono::microseconds kByteTime{11 * 1000000 / 1200};
    // Queues an input byte behind those already on their way.
    Timed arrive(Clock::time_point at, std::uint8_t b) {
        if (!input_.empty()) at = std::max(at, input_.back().time);
        input_.push_back({at, b});
        return input_.back();
    }

    Radio radio_;
    std::deque<Arrival> input_;
    const Clock::time_point start_ = Clock::time_point() + std::chrono::hours(1);
    Clock::time_point now_ = start_;
    Clock::time_point lineFree_ = start_;  // when the program's last byte has left
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
