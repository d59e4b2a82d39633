#include "link/Link.h"

#include <algorithm>
#include <cstdio>

namespace vantrel::link {

namespace {
constexpr Clock::time_point kNoDeadline = Clock::time_point::max();

std::string Hex(std::uint8_t b) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", b);
    return text;
}

bool StartsWith(const Bytes& input, const Bytes& prefix, std::size_t n) {
    return std::equal(prefix.begin(), prefix.begin() + static_cast<std::ptrdiff_t>(n), input.begin());
}
}  // namespace

void Link::ArmTimeout() {
    state_.timeoutTicks = kTimeoutTicks;
    state_.timeoutExpired = false;
    state_.timeoutArmed = true;
}

void Link::DisarmTimeout() {
    state_.timeoutExpired = false;
    state_.timeoutArmed = false;
}

void Link::Note(const std::string& what) { device_.note(what); }

template <class Done>
bool Link::WaitFor(Done done, Clock::time_point deadline) {
    for (;;) {
        if (state_.abortWait || state_.lineLost) return false;
        if (state_.timeoutExpired) {
            failure_ = "time-out";
            return false;
        }
        if (done()) return true;
        if (device_.now() >= deadline) {
            failure_ = "no answer in time";
            return false;
        }
        Clock::time_point until = deadline;
        if (EchoUndecided() && echoPartialSince_ != Clock::time_point{})
            until = std::min(until, echoPartialSince_ + kEchoSettle);
        switch (device_.wait(until)) {
        case ByteDevice::Wake::Tick:
            OnLinkTimerTick();
            break;
        case ByteDevice::Wake::Closing:
            // The application is quitting: this wait and every later one
            // would return at once, so the transfer ends as if aborted.
            Stop();
            Note("the application is closing");
            break;
        case ByteDevice::Wake::Lost:
            state_.lineLost = true;
            Note("the device is gone: cable disconnected");
            break;
        default:
            break;
        }
    }
}

void Link::Collect() {
    const Bytes arrived = device_.readAll();
    if (!arrived.empty()) lastArrival_ = device_.now();
    inbox_.insert(inbox_.end(), arrived.begin(), arrived.end());
    if (!EchoUndecided() || inbox_.empty()) return;
    const std::size_t n = std::min(inbox_.size(), echoCandidate_.size());
    if (!StartsWith(inbox_, echoCandidate_, n)) {
        echo_ = Echo::Absent;
        Note("the cable does not echo");
    } else if (n == echoCandidate_.size()) {
        inbox_.erase(inbox_.begin(), inbox_.begin() + static_cast<std::ptrdiff_t>(n));
        echo_ = Echo::Present;
        Note("the cable echoes: each send's echo is taken off the input");
    } else if (echoPartialSince_ == Clock::time_point{}) {
        echoPartialSince_ = device_.now();
        return;
    } else if (device_.now() - echoPartialSince_ >= kEchoSettle) {
        // No more came: the answer merely began like the request.
        echo_ = Echo::Absent;
        Note("the cable does not echo");
    } else {
        return;
    }
    echoCandidate_.clear();
}

bool Link::TakeEcho(const Bytes& sent) {
    if (echo_ == Echo::Unknown) {
        // The first answer tells (Collect); a cable that does not echo waits
        // for nothing here.
        echoCandidate_ = sent;
        echoPartialSince_ = {};
        return true;
    }
    if (echo_ == Echo::Absent) return true;
    ArmTimeout();
    const bool ok = WaitFor([&] {
        Collect();
        return inbox_.size() >= sent.size();
    }, kNoDeadline);
    DisarmTimeout();
    if (!ok) return false;
    if (!StartsWith(inbox_, sent, sent.size())) {
        failure_ = "the echo differs from the bytes sent";
        return false;
    }
    inbox_.erase(inbox_.begin(), inbox_.begin() + static_cast<std::ptrdiff_t>(sent.size()));
    return true;
}

void Link::Strays(std::size_t n, const char* when) {
    if (n == 0) return;
    Note(std::to_string(n) + (n == 1 ? " byte " : " bytes ") + when + " (discarded)");
    if (!answered_) return;
    if (!strayed_) Note("an answer of this transfer did not come alone");
    strayed_ = true;
}

bool Link::Send(std::initializer_list<Bytes> parts) {
    // After an abort or a lost line nothing more goes to the radio.
    if (state_.abortWait || state_.lineLost) return false;
    // Whatever waits now came before this request: it cannot be its answer.
    Strays(inbox_.size() + device_.available(), "came after the last answer");
    device_.clearInput();
    inbox_.clear();
    Bytes sent;
    for (const Bytes& part : parts) {
        ArmTimeout();
        const bool queued = device_.queue(part);
        // A device that refused the bytes never drains: the send times out.
        // Until the request has left the line nothing can answer it: what
        // comes meanwhile is an echo or a stray.
        const bool ok = WaitFor([&] {
            if (queued && device_.drained()) return true;
            if (echo_ != Echo::Unknown) Collect();
            return false;
        }, kNoDeadline);
        DisarmTimeout();
        if (!ok) return false;
        sent.insert(sent.end(), part.begin(), part.end());
    }
    if (echo_ == Echo::Absent) {
        Strays(inbox_.size(), "came while the request was being sent");
        inbox_.clear();
    }
    lastSent_ = device_.now();
    return TakeEcho(sent);
}

bool Link::Finish(bool ok) {
    state_.linkError = !ok;
    if (!ok) Note(state_.lineLost ? "failed: cable disconnected"
                  : state_.abortWait ? "failed: aborted"
                                     : std::string("failed: ") + failure_);
    return ok;
}

void Link::SendByte(std::uint8_t b) {
    device_.step("SendByte " + Hex(b));
    Finish(Send({{b}, {0x00}}));
}

void Link::SendBlock(const std::array<std::uint8_t, 16>& buffer) {
    device_.step("SendBlock");
    Finish(Send({Bytes(buffer.begin(), buffer.end())}));
}

bool Link::AwaitAnswer(std::size_t n, Clock::time_point deadline) {
    return WaitFor([&] {
        Collect();
        return !EchoUndecided() && inbox_.size() >= n;
    }, deadline);
}

bool Link::EndAnswer(std::size_t n) {
    answered_ = true;
    answerClean_ = inbox_.size() == n;
    inbox_.clear();
    // A byte within kAnswerSettle of the last one still belongs to this
    // answer; the line must be quiet before anything is asked again.
    ArmTimeout();
    while (WaitFor([&] {
        Collect();
        return !inbox_.empty();
    }, lastArrival_ + kAnswerSettle)) {
        answerClean_ = false;
        inbox_.clear();
    }
    DisarmTimeout();
    if (!answerClean_) Note("the answer did not come alone: it does not count");
    return !state_.abortWait && !state_.lineLost;
}

void Link::ReceiveByte() {
    device_.step("ReceiveByte");
    state_.lastByte = 0;
    ArmTimeout();
    const bool ok = AwaitAnswer(1, kNoDeadline);
    DisarmTimeout();
    if (ok) state_.lastByte = inbox_.front();
    else inbox_.clear();
    Finish(ok && EndAnswer(1));
}

void Link::ReceiveBytePolled(double pollBudget) {
    device_.step("ReceiveBytePolled");
    state_.lastByte = 0;
    DisarmTimeout();
    const auto budget = std::chrono::duration_cast<Clock::duration>(kPollTime * pollBudget);
    const bool ok = AwaitAnswer(1, device_.now() + budget);
    if (ok) state_.lastByte = inbox_.front();
    else inbox_.clear();
    Finish(ok && EndAnswer(1));
}

void Link::ReceiveBlock(std::size_t n) {
    device_.step("ReceiveBlock " + std::to_string(n));
    state_.lastBlock.clear();
    ArmTimeout();
    const bool ok = AwaitAnswer(n, kNoDeadline);
    DisarmTimeout();
    // Everything that is there counts; callers use the first n bytes.
    if (ok) state_.lastBlock = inbox_;
    else inbox_.clear();
    Finish(ok && EndAnswer(n));
}

bool Link::Settle() {
    device_.step("Settle");
    ArmTimeout();
    while (WaitFor([&] {
        Collect();
        return !inbox_.empty();
    }, std::max(lastArrival_, lastSent_) + kAnswerSettle)) {
        Strays(inbox_.size(), "came after the last answer");
        inbox_.clear();
    }
    DisarmTimeout();
    return !strayed_;
}

void Link::ForgetInput() {
    device_.clearInput();
    inbox_.clear();
    answered_ = false;
}

void Link::Pause(std::chrono::milliseconds length) {
    device_.step("Pause " + std::to_string(length.count()) + " ms");
    WaitFor([] { return false; }, device_.now() + length);
}

void Link::PauseAfterAnswer(std::chrono::milliseconds length) {
    device_.step("Pause " + std::to_string(length.count()) + " ms after the answer");
    WaitFor([] { return false; }, lastArrival_ + length);
}

void Link::StartBlink(Indicator which) {
    state_.blinkTicks = 1;
    state_.blinkGreen = which == Indicator::Green;
    state_.blinkPhase = true;
    state_.blinkOn = true;
}

void Link::StopBlink() { state_.blinkOn = false; }

void Link::BeginTransfer() {
    state_.abortWait = false;
    state_.lineLost = false;
    state_.linkError = false;
    DisarmTimeout();
    inbox_.clear();
    echo_ = Echo::Unknown;
    echoCandidate_.clear();
    answered_ = false;
    answerClean_ = true;
    strayed_ = false;
}

void Link::Stop() {
    state_.abortWait = true;
    state_.timeoutExpired = true;
    state_.timeoutArmed = false;
}

void Link::Abort() {
    Stop();
    device_.interrupt();
}

void Link::OnLinkTimerTick() {
    if (state_.timeoutArmed && !state_.timeoutExpired && --state_.timeoutTicks <= 0) {
        state_.timeoutArmed = false;
        state_.timeoutExpired = true;
    }
    if (state_.blinkOn && --state_.blinkTicks <= 0) {
        state_.blinkTicks = 1;
        state_.blinkPhase = !state_.blinkPhase;
        if (observer_)
            observer_->indicator(state_.blinkGreen ? Indicator::Green : Indicator::Red,
                                 state_.blinkPhase);
    }
}

}  // namespace vantrel::link
